#include "record_table.h"

#include <gtest/gtest.h>

#include "store_test_util.h"

namespace rodwick {
namespace {

using testing::Tagged;
using testing::TaggedRecords;

TEST(RecordTableTest, StartsEmptyAndUntitled) {
    RecordTable table;
    EXPECT_EQ(table.recordCount(), 0);
    EXPECT_EQ(table.currentRecord(), 0);
    EXPECT_EQ(table.currentFileName(), "Untitled");
    EXPECT_EQ(table.slot(RecordTable::kMaxRecords), TripRecord{});
}

TEST(RecordTableTest, ReplaceFromFileFillsSlotsInOrder) {
    RecordTable table;
    ASSERT_TRUE(table.ReplaceFromFile(TaggedRecords(3)));
    EXPECT_EQ(table.recordCount(), 3);
    EXPECT_EQ(table.currentRecord(), 1);
    EXPECT_EQ(table.slot(1), Tagged("r1"));
    EXPECT_EQ(table.slot(3), Tagged("r3"));
    EXPECT_EQ(table.slot(0), TripRecord{});

    ASSERT_TRUE(table.ReplaceFromFile({}));
    EXPECT_EQ(table.recordCount(), 0);
    EXPECT_EQ(table.currentRecord(), 0);
    EXPECT_EQ(table.slot(1), Tagged("r1"));  // stale, invisible text stays
}

TEST(RecordTableTest, ClearTableEmptiesOnlyTheOldRecords) {
    RecordTable table;
    table.slot(0) = Tagged("zero");
    ASSERT_TRUE(table.ReplaceFromFile(TaggedRecords(10, "old")));
    ASSERT_TRUE(table.ReplaceFromFile(TaggedRecords(3, "new")));
    table.setCurrentRecord(2);

    table.ClearTable();

    EXPECT_EQ(table.recordCount(), 0);
    EXPECT_EQ(table.currentRecord(), 0);
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(table.slot(i), TripRecord{}) << "slot " << i;
    for (int i = 4; i <= 10; ++i) EXPECT_EQ(table.slot(i), Tagged("old" + std::to_string(i)));
    EXPECT_EQ(table.slot(0), Tagged("zero"));
}

TEST(RecordTableTest, RemoveLastRecordMovesNothing) {
    RecordTable table;
    ASSERT_TRUE(table.ReplaceFromFile(TaggedRecords(3)));
    table.setCurrentRecord(3);
    table.RemoveRecord();
    EXPECT_EQ(table.recordCount(), 2);
    EXPECT_EQ(table.slot(1), Tagged("r1"));
    EXPECT_EQ(table.slot(2), Tagged("r2"));
    EXPECT_EQ(table.slot(3), Tagged("r3"));
}

TEST(RecordTableTest, RemoveMiddleRecordShiftsLaterOnesDown) {
    RecordTable table;
    ASSERT_TRUE(table.ReplaceFromFile(TaggedRecords(4)));
    table.setCurrentRecord(2);
    table.RemoveRecord();
    EXPECT_EQ(table.recordCount(), 3);
    EXPECT_EQ(table.currentRecord(), 2);
    EXPECT_EQ(table.slot(1), Tagged("r1"));
    EXPECT_EQ(table.slot(2), Tagged("r3"));
    EXPECT_EQ(table.slot(3), Tagged("r4"));
}

TEST(RecordTableTest, RemoveOnlyRecordEmptiesTable) {
    RecordTable table;
    ASSERT_TRUE(table.ReplaceFromFile(TaggedRecords(1)));
    table.RemoveRecord();
    EXPECT_EQ(table.recordCount(), 0);
    table.RemoveRecord();  // nothing left to remove
    EXPECT_EQ(table.recordCount(), 0);
}

TEST(RecordTableTest, AppendBlockIntoEmptyTableShowsFirstRecord) {
    RecordTable table;
    ASSERT_TRUE(table.AppendRecords(TaggedRecords(2, "m")));
    EXPECT_EQ(table.recordCount(), 2);
    EXPECT_EQ(table.currentRecord(), 1);
    EXPECT_EQ(table.slot(2), Tagged("m2"));

    RecordTable other;
    ASSERT_TRUE(other.AppendRecords({}));
    EXPECT_EQ(other.currentRecord(), 0);
}

TEST(RecordTableTest, AppendBlockKeepsCurrentRecordAndOrder) {
    RecordTable table;
    ASSERT_TRUE(table.ReplaceFromFile(TaggedRecords(3)));
    table.setCurrentRecord(2);
    ASSERT_TRUE(table.AppendRecords(TaggedRecords(2, "m")));
    EXPECT_EQ(table.recordCount(), 5);
    EXPECT_EQ(table.currentRecord(), 2);
    EXPECT_EQ(table.slot(3), Tagged("r3"));
    EXPECT_EQ(table.slot(4), Tagged("m1"));
    EXPECT_EQ(table.slot(5), Tagged("m2"));
}

TEST(RecordTableTest, AppendOneCopyDuplicatesCurrentRecord) {
    RecordTable table;
    ASSERT_TRUE(table.ReplaceFromFile(TaggedRecords(3)));
    table.setCurrentRecord(2);
    ASSERT_TRUE(table.AppendRecords());
    EXPECT_EQ(table.recordCount(), 4);
    EXPECT_EQ(table.currentRecord(), 2);
    EXPECT_EQ(table.slot(4), Tagged("r2"));
    EXPECT_EQ(table.slot(3), Tagged("r3"));

    RecordTable empty;
    EXPECT_FALSE(empty.AppendRecords());
    EXPECT_EQ(empty.recordCount(), 0);
}

TEST(RecordTableTest, RefusesToPassTwoHundredFifty) {
    RecordTable table;
    ASSERT_TRUE(table.ReplaceFromFile(TaggedRecords(250, "stale")));
    ASSERT_TRUE(table.ReplaceFromFile(TaggedRecords(245)));
    table.setCurrentRecord(7);

    EXPECT_FALSE(table.AppendRecords(TaggedRecords(10, "m")));
    EXPECT_EQ(table.recordCount(), 245);
    EXPECT_EQ(table.currentRecord(), 7);
    EXPECT_EQ(table.slot(246), Tagged("stale246"));  // a refused block writes nothing

    ASSERT_TRUE(table.AppendRecords(TaggedRecords(5, "m")));
    EXPECT_EQ(table.recordCount(), 250);
    EXPECT_EQ(table.slot(250), Tagged("m5"));

    EXPECT_FALSE(table.AppendRecords(TaggedRecords(1, "x")));
    EXPECT_FALSE(table.AppendRecords());
    EXPECT_EQ(table.recordCount(), 250);

    EXPECT_FALSE(table.ReplaceFromFile(TaggedRecords(251, "big")));
    EXPECT_EQ(table.recordCount(), 250);
    EXPECT_EQ(table.slot(1), Tagged("r1"));
}

TEST(RecordTableTest, CurrentRecordStaysWithinTheTable) {
    RecordTable table;
    ASSERT_TRUE(table.ReplaceFromFile(TaggedRecords(3)));
    table.setCurrentRecord(9);
    EXPECT_EQ(table.currentRecord(), 3);
    table.setCurrentRecord(-1);
    EXPECT_EQ(table.currentRecord(), 0);
}

TEST(RecordTableDeathTest, SlotOutsideTheTableIsCaught) {
    RecordTable table;
    // Debug builds stop on the bad index; release builds must still stay inside the table.
    EXPECT_DEBUG_DEATH(table.slot(RecordTable::kMaxRecords + 1), "");
    EXPECT_DEBUG_DEATH(table.slot(-1), "");
}

}  // namespace
}  // namespace rodwick
