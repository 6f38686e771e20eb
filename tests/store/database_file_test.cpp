// SPDX-License-Identifier: GPL-3.0-or-later
#include "database_file.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "rodwick_test/store_test_util.h"

namespace rodwick {
namespace {

using namespace testing;
using Lines = std::vector<std::string>;

TEST(TextLinesTest, LinesAndNumbers) {
    // clang-format off
    const std::pair<const char*, Lines> splits[] = {
        {"", {}}, {"a\r\nb\r\n", {"a", "b"}}, {"a\rb\r\n", {"a", "b"}}, {"a\nb\r\n", {"a\nb"}},
        {"a\r\nlast", {"a", "last"}}, {"\r\n\r\r\n", {"", "", ""}}, {"a\n\r\n\n", {"a\n", "\n"}}};
    // clang-format on
    for (const auto& [bytes, lines] : splits) EXPECT_EQ(splitLines(bytes), lines) << bytes;

    EXPECT_EQ(formatNumber(12), " 12 ");
    EXPECT_EQ(formatNumber(-5), "-5 ");
    EXPECT_EQ(parseCount("   250   "), 250);
    EXPECT_EQ(parseCount("007"), 7);
    for (const char* bad : {"", "   ", "-1", "+3", "3x", "2 5", "1.5", "99999999999999999999"}) {
        EXPECT_EQ(parseCount(bad), -1) << '"' << bad << '"';
    }
}

TEST(DatabaseFormatTest, WholeFilesAreAcceptedOrRefused) {
    const std::string two = fileImage(" 2 ", trips(1, 2));
    // Label, bytes and the number of records read from them; -1 when they are refused.
    // clang-format off
    const std::tuple<const char*, std::string, int> cases[] = {
        {"count with blanks", fileImage(" 3 ", trips(1, 3)), 3},
        {"count without blanks", fileImage("3", trips(1, 3)), 3},
        {"no records", " 0 \r\n", 0},
        {"250 records", fileImage(" 250 ", trips(1, 250)), 250},
        {"251 records", fileImage(" 251 ", trips(1, 251)), -1},
        {"lines after the last record", two + "extra\r\n\r\nmore", 2},
        {"last line without its end", two.substr(0, two.size() - 2), 2},
        {"empty", "", -1}, {"count in words", "two\r\n", -1},
        {"negative count", "-1\r\n", -1}, {"cut inside record 2", two.substr(0, two.size() / 2), -1},
        {"last field missing", two.substr(0, two.rfind("r2.21")), -1},
        {"count above the records", fileImage(" 3 ", trips(1, 2)), -1}};
    // clang-format on
    for (const auto& [label, bytes, records] : cases) {
        const auto parsed = parseDatabase(bytes);
        ASSERT_EQ(parsed.ok(), records >= 0) << label << ": " << parsed.error();
        EXPECT_EQ(parsed.ok() ? parsed.value() : std::vector<TripRecord>(),
                  trips(1, std::max(records, 0)))
            << label;
        EXPECT_EQ(parsed.error().empty(), parsed.ok()) << label;
    }
}

TEST(DatabaseFileTest, EveryByteBlankAndEmptyFieldSurvivesLoadAndSaveOnDisk) {
    std::string everyByte;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n') everyByte.push_back(static_cast<char>(b));
    }
    std::vector<TripRecord> records(1);
    records[0].fields.fill(everyByte);
    records.push_back(tagged("b"));
    records[1][Field::Venue] = "   ";
    records[1][Field::Club] = "";
    records[1][Field::FinishTime] = "";
    TempDir dir;
    const std::string path = dir.file("TRIPS.RWK"), bytes = fileImage(" 2 ", records);
    writeBytes(path, bytes);
    const auto loaded = readDatabaseFile(path);
    ASSERT_TRUE(loaded.ok()) << loaded.error();
    EXPECT_EQ(loaded.value(), records);
    ASSERT_TRUE(saveDatabaseFile(path, tableOf(loaded.value())).ok());
    EXPECT_EQ(readBytes(path), bytes);
    EXPECT_FALSE(readDatabaseFile(dir.file("NONE.RWK")).ok());
    EXPECT_EQ(formatDatabase(RecordTable{}), " 0 \r\n");
}

TEST(DatabaseFormatTest, TwoRecordsMakeFortyFiveLinesAndNothingElseIsWritten) {
    RecordTable table = tableOf(trips(1, 3));
    table.setCurrentRecord(3);
    table.removeRecord();
    table.slot(0) = tagged("zero");
    const std::string bytes = formatDatabase(table);
    EXPECT_EQ(bytes, fileImage(" 2 ", trips(1, 2)));
}

TEST(DatabaseFormatTest, ShippedExampleIsAValidDatabase) {
    const Result<std::string> bytes = readFileBytes(RODWICK_EXAMPLE_FILE);
    ASSERT_TRUE(bytes.ok()) << bytes.error();
    const std::string& raw = bytes.value();
    const auto records = parseDatabase(raw);
    ASSERT_TRUE(records.ok()) << records.error();
    EXPECT_EQ(formatDatabase(tableOf(records.value())), raw);
}

}  // namespace
}  // namespace rodwick
