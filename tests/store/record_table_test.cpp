// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_table.h"

#include <gtest/gtest.h>

#include "rodwick_test/store_test_util.h"

namespace rodwick {
namespace {

using testing::tagged;
using testing::trips;

std::pair<int, int> countAndCurrent(const RecordTable& table) {
    return {table.recordCount(), table.currentRecord()};
}

TEST(RecordTableTest, ReplaceAndClearLeaveStaleSlotsAbove) {
    RecordTable table;
    table.slot(0) = tagged("zero");
    ASSERT_TRUE(table.replaceAll(trips(1, 10, "old")));
    ASSERT_TRUE(table.replaceAll(trips(1, 3)));
    EXPECT_EQ(countAndCurrent(table), std::pair(3, 1));
    table.setCurrentRecord(9);
    EXPECT_EQ(table.currentRecord(), 3);
    table.setCurrentRecord(-1);
    EXPECT_EQ(table.currentRecord(), 0);

    table.clearTable();
    EXPECT_EQ(countAndCurrent(table), std::pair(0, 0));
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(table.slot(i), TripRecord{}) << "slot " << i;
    for (int i = 4; i <= 10; ++i) EXPECT_EQ(table.slot(i), tagged("old" + std::to_string(i)));
    EXPECT_EQ(table.slot(0), tagged("zero"));

    ASSERT_TRUE(table.replaceAll(trips(1, 2)));
    ASSERT_TRUE(table.replaceAll({}));
    EXPECT_EQ(table.currentRecord(), 0);
    EXPECT_EQ(table.slot(2), tagged("r2"));
    // A refused block writes nothing, not even above the count.
    EXPECT_FALSE(table.appendRecords(trips(1, 251, "big")));
    EXPECT_EQ(table.slot(4), tagged("old4"));
}

}  // namespace
}  // namespace rodwick
