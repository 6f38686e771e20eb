#include "database_file.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "store_test_util.h"

namespace rodwick {
namespace {

using testing::FileImage;
using testing::Tagged;
using testing::TaggedRecords;
using testing::TempDir;

using Lines = std::vector<std::string>;

TEST(SplitLinesTest, LineEnds) {
    EXPECT_EQ(SplitLines(""), Lines{});
    EXPECT_EQ(SplitLines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitLines("a\rb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitLines("a\nb\r\n"), (Lines{"a\nb"}));
    EXPECT_EQ(SplitLines("a\r\nlast"), (Lines{"a", "last"}));
    EXPECT_EQ(SplitLines("\r\n\r\r\n"), (Lines{"", "", ""}));
    EXPECT_EQ(SplitLines("a\n\r\n\n"), (Lines{"a\n", "\n"}));
}

TEST(NumberTest, WrittenWithTheSignPlaceAndATrailingBlank) {
    EXPECT_EQ(FormatNumber(12), " 12 ");
    EXPECT_EQ(FormatNumber(0), " 0 ");
    EXPECT_EQ(FormatNumber(-5), "-5 ");
}

TEST(NumberTest, CountReadingIgnoresSurroundingBlanksOnly) {
    EXPECT_EQ(ParseCount(" 3 "), 3);
    EXPECT_EQ(ParseCount("3"), 3);
    EXPECT_EQ(ParseCount("   250   "), 250);
    EXPECT_EQ(ParseCount("007"), 7);
    for (const char* bad :
         {"", "   ", "-1", "+3", "3x", "x3", "2 5", "1.5", "99999999999999999999"}) {
        EXPECT_EQ(ParseCount(bad), -1) << '"' << bad << '"';
    }
}

TEST(ParseDatabaseTest, CountLineWithOrWithoutBlanks) {
    const std::vector<TripRecord> records = TaggedRecords(3);
    for (const char* countLine : {" 3 ", "3", "   3   "}) {
        const auto parsed = ParseDatabase(FileImage(countLine, records));
        ASSERT_TRUE(parsed.ok()) << '"' << countLine << "\": " << parsed.error();
        EXPECT_EQ(parsed.value(), records);
    }
}

TEST(ParseDatabaseTest, LoneCrEndsAFieldAndLoneLfStaysInIt) {
    std::string bytes = " 1 \r\none\rtwo\r\nthree\nstill three\r\n";
    for (int f = 3; f < kFieldCount; ++f) bytes += "f" + std::to_string(f) + "\r\n";
    const auto parsed = ParseDatabase(bytes);
    ASSERT_TRUE(parsed.ok()) << parsed.error();
    ASSERT_EQ(parsed.value().size(), 1u);
    const TripRecord& record = parsed.value()[0];
    EXPECT_EQ(record[Field::venue], "one");
    EXPECT_EQ(record[Field::waterType], "two");
    EXPECT_EQ(record[Field::ticketPrice], "three\nstill three");
    EXPECT_EQ(record[Field::finishTime], "f21");
}

TEST(ParseDatabaseTest, ZeroRecordsIsTheCountLineOnly) {
    const auto parsed = ParseDatabase(" 0 \r\n");
    ASSERT_TRUE(parsed.ok());
    EXPECT_TRUE(parsed.value().empty());
    EXPECT_EQ(FormatDatabase(RecordTable{}), " 0 \r\n");
}

TEST(ParseDatabaseTest, LimitIsTwoHundredFiftyRecords) {
    const auto full = ParseDatabase(FileImage(" 250 ", TaggedRecords(250)));
    ASSERT_TRUE(full.ok()) << full.error();
    EXPECT_EQ(full.value().size(), 250u);
    EXPECT_EQ(full.value().back(), Tagged("r250"));

    const auto over = ParseDatabase(FileImage(" 251 ", TaggedRecords(251)));
    EXPECT_FALSE(over.ok());
    EXPECT_FALSE(over.error().empty());
}

TEST(ParseDatabaseTest, BadCountOrShortFileIsRefused) {
    const std::string image = FileImage(" 2 ", TaggedRecords(2));
    for (const std::string& bad : {
             std::string(),
             std::string("\r\n"),
             std::string("two\r\n"),
             std::string("-1\r\n"),
             image.substr(0, image.size() / 2),      // cut inside record 2
             image.substr(0, image.rfind("r2.21")),  // last field missing
             FileImage(" 3 ", TaggedRecords(2)),
         }) {
        EXPECT_FALSE(ParseDatabase(bad).ok()) << ::testing::PrintToString(bad.substr(0, 40));
    }
}

TEST(ParseDatabaseTest, LastLineNeedsNoLineEndButMustExist) {
    std::vector<TripRecord> records = TaggedRecords(1);
    const std::string image = FileImage(" 1 ", records);
    const auto unterminated = ParseDatabase(image.substr(0, image.size() - 2));
    ASSERT_TRUE(unterminated.ok());
    EXPECT_EQ(unterminated.value(), records);

    // An empty last field is an empty line; without its line end it is not there at all.
    records[0][Field::finishTime] = "";
    const std::string emptyLast = FileImage(" 1 ", records);
    EXPECT_TRUE(ParseDatabase(emptyLast).ok());
    EXPECT_FALSE(ParseDatabase(emptyLast.substr(0, emptyLast.size() - 2)).ok());
}

TEST(ParseDatabaseTest, LinesAfterTheLastRecordAreIgnored) {
    const std::vector<TripRecord> records = TaggedRecords(2);
    const auto parsed = ParseDatabase(FileImage(" 2 ", records) + "extra\r\n\r\nmore");
    ASSERT_TRUE(parsed.ok());
    EXPECT_EQ(parsed.value(), records);
}

// Hand-written file image -> table -> file image must give back the very same bytes.
void ExpectByteIdenticalRoundTrip(const std::string& bytes) {
    const auto parsed = ParseDatabase(bytes);
    ASSERT_TRUE(parsed.ok()) << parsed.error();
    RecordTable table;
    ASSERT_TRUE(table.ReplaceFromFile(parsed.value()));
    EXPECT_EQ(FormatDatabase(table), bytes);
}

TEST(FormatDatabaseTest, EveryByteButLineEndsRoundTrips) {
    std::string everyByte;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n') everyByte.push_back(static_cast<char>(b));
    }
    std::vector<TripRecord> records(2);
    for (int f = 0; f < kFieldCount; ++f) {
        records[0].fields[f] = everyByte.substr(f * 12, 12);  // spread over all fields
        records[1].fields[f] = everyByte;
    }
    ExpectByteIdenticalRoundTrip(FileImage(" 2 ", records));
}

TEST(FormatDatabaseTest, BlankAndEmptyFieldsSurvive) {
    TripRecord record = Tagged("b");
    record[Field::venue] = "   ";
    record[Field::club] = "";
    record[Field::remarks] = " trailing blank ";
    record[Field::finishTime] = "";
    record[Field::ticketPrice] =
        "\xA3"
        "3.50";
    const std::string bytes = FileImage(" 1 ", {record});
    ExpectByteIdenticalRoundTrip(bytes);
    EXPECT_EQ(ParseDatabase(bytes).value()[0], record);
}

TEST(FormatDatabaseTest, TwoRecordsMakeFortyFiveLines) {
    RecordTable table;
    ASSERT_TRUE(table.ReplaceFromFile(TaggedRecords(2)));
    const std::string bytes = FormatDatabase(table);
    EXPECT_EQ(bytes.substr(0, 5), " 2 \r\n");
    EXPECT_EQ(bytes, FileImage(" 2 ", TaggedRecords(2)));
    std::size_t lineEnds = 0;
    for (std::size_t i = bytes.find("\r\n"); i != std::string::npos;
         i = bytes.find("\r\n", i + 2)) {
        ++lineEnds;
    }
    EXPECT_EQ(lineEnds, 45u);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 45);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
}

TEST(FormatDatabaseTest, OnlyRecordsUpToTheCountAreWritten) {
    RecordTable table;
    ASSERT_TRUE(table.ReplaceFromFile(TaggedRecords(3)));
    table.setCurrentRecord(3);
    table.RemoveRecord();
    table.slot(0) = Tagged("zero");
    EXPECT_EQ(FormatDatabase(table), FileImage(" 2 ", TaggedRecords(2)));
}

TEST(FormatDatabaseTest, LineBreaksInARemarkKeepItOneField) {
    RecordTable table;
    std::vector<TripRecord> records = TaggedRecords(2);
    records[0][Field::remarks] = "cr\rcrlf\r\nlf\nend\r";
    ASSERT_TRUE(table.ReplaceFromFile(records));

    const auto reloaded = ParseDatabase(FormatDatabase(table));
    ASSERT_TRUE(reloaded.ok()) << reloaded.error();
    ASSERT_EQ(reloaded.value().size(), 2u);
    TripRecord expected = records[0];
    expected[Field::remarks] = "cr crlf lf\nend ";
    EXPECT_EQ(reloaded.value()[0], expected);
    EXPECT_EQ(reloaded.value()[1], records[1]);
}

TEST(DatabaseFileTest, LoadThenSaveOnDiskIsByteIdentical) {
    TempDir dir;
    std::vector<TripRecord> records = TaggedRecords(4);
    records[1][Field::ticketPrice] =
        "\xA3"
        "4.00";
    records[2][Field::venue] = "Caf\xE9 Lake";
    records[3][Field::remarks] = "";
    const std::string original = FileImage(" 4 ", records);
    const std::string path = dir.File("TRIPS.RWK");
    testing::WriteBytes(path, original);

    const auto loaded = ReadDatabaseFile(path);
    ASSERT_TRUE(loaded.ok()) << loaded.error();
    RecordTable table;
    ASSERT_TRUE(table.ReplaceFromFile(loaded.value()));
    const Status saved = SaveDatabaseFile(path, table);
    ASSERT_TRUE(saved.ok()) << saved.message();

    EXPECT_EQ(testing::ReadBytes(path), original);
    EXPECT_EQ(dir.Names(), Lines{"TRIPS.RWK"});
}

TEST(DatabaseFileTest, ReadingMissingOrBrokenFilesFails) {
    TempDir dir;
    EXPECT_FALSE(ReadDatabaseFile(dir.File("NONE.RWK")).ok());
    EXPECT_FALSE(ReadFileBytes(dir.File("NONE.RWK")).ok());
    EXPECT_FALSE(ReadFileBytes(dir.path()).ok());  // a directory has no bytes to read

    testing::WriteBytes(dir.File("SHORT.RWK"), " 1 \r\nonly a venue\r\n");
    const auto shortFile = ReadDatabaseFile(dir.File("SHORT.RWK"));
    EXPECT_FALSE(shortFile.ok());
    EXPECT_FALSE(shortFile.error().empty());
}

TEST(DatabaseFileTest, FileExistsMeansARegularFile) {
    TempDir dir;
    testing::WriteBytes(dir.File("A.RWK"), "");
    EXPECT_TRUE(FileExists(dir.File("A.RWK")));
    EXPECT_FALSE(FileExists(dir.File("B.RWK")));
    EXPECT_FALSE(FileExists(dir.path()));
}

}  // namespace
}  // namespace rodwick
