// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "csv_import.h"
#include "csv_reader.h"
#include "csv_writer.h"
#include "rodwick_test/store_test_util.h"

namespace rodwick::testing {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// The whole file as import reads it, with what the window would choose by itself.
CsvImportPlan import(const std::string& bytes, CsvImportChoice* chosen = nullptr) {
    CsvImportChoice choice;
    choice.separator = detectSeparator(withoutBom(bytes));
    choice.encoding = detectEncoding(bytes);
    const CsvRows rows = readImportRows(bytes, choice.separator);
    choice.mapping = initialMapping(rows, true);
    if (chosen) *chosen = choice;
    return planImport(rows, choice);
}

TEST(CsvWriterTest, CellsAreQuotedAndGuardedOnlyWhereNeeded) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"plain text", "plain text"},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {" leading", "\" leading\""},
        {"semi;colon", "semi;colon"},
        {"=HYPERLINK(\"http://x\",\"y\")", "\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\""},
        {"+1+1", "'+1+1"},
        {"-5", "-5"},
        {"+3,5", "\"+3,5\""},
        {"-", "'-"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"\tx", "'\tx"},
        {"'=x", "''=x"},
        {"'-5", "'-5"},
        {"'plain", "'plain"},
    };
    for (const auto& [text, cell] : cases) EXPECT_EQ(csvCell(text), cell) << text;
    EXPECT_EQ(csvCell("a;b", ';'), "\"a;b\"");
}

TEST(CsvWriterTest, FileHasBomHeaderAndOneCrLfRowPerTripInTableOrder) {
    TripRecord first;
    first[Field::Venue] = "Pond, Big";
    first[Field::TicketPrice] =
        "\xA3"
        "5";  // Windows-1252 pound sign
    first[Field::Remarks] = "=1+1";
    TripRecord second;
    second[Field::FinishTime] = "17:00";
    const std::string bytes = csvFileBytes(tableOf({first, second}), UnitNames::imperial());

    const std::string header =
        "Venue,Type of water,Day Ticket \xC2\xA3,Club,Weight (lb),Weight (oz),Water Conditions,"
        "Weather,Temperature,Method,Depth (ft),Depth (inch),\"Best Bait,etc\",Species,Best Fish,"
        "Best Fish Weight (lb),Best Fish Weight (oz),Restrictions,Remarks,Date,Start Time,Finish";
    const std::string expected = "\xEF\xBB\xBF" + header + "\r\n" +
                                 "\"Pond, Big\",,\xC2\xA3"
                                 "5,,,,,,,,,,,,,,,,'=1+1,,,\r\n" +
                                 ",,,,,,,,,,,,,,,,,,,,,17:00\r\n";
    EXPECT_EQ(bytes, expected);

    const auto metric = csvHeaders(UnitNames::metric());
    EXPECT_EQ(metric[static_cast<int>(Field::TotalWeightMinor)], "Weight (g)");
    EXPECT_EQ(metric[static_cast<int>(Field::DepthMinor)], "Depth (cm)");
    EXPECT_EQ(metric[static_cast<int>(Field::BestFishWeightMajor)], "Best Fish Weight (Kg)");
}

TEST(CsvReaderTest, SplitsRfc4180Text) {
    const std::tuple<std::string, char, Rows, bool> cases[] = {
        {"a,b\r\nc,d\r\n", ',', {{"a", "b"}, {"c", "d"}}, false},
        {"a,b\nc,d", ',', {{"a", "b"}, {"c", "d"}}, false},
        {"a\rb\r", ',', {{"a"}, {"b"}}, false},
        {"a,,\r\n", ',', {{"a", "", ""}}, false},
        {",a", ',', {{"", "a"}}, false},
        {"\"a,b\",\"c\"\"d\"\r\n", ',', {{"a,b", "c\"d"}}, false},
        {"\"line\r\nbreak\",x", ',', {{"line\r\nbreak", "x"}}, false},
        {"ab\"c,d", ',', {{"ab\"c", "d"}}, false},
        {"\"q\"tail,d", ',', {{"qtail", "d"}}, false},
        {"a,b\r\n\r\n\r\nc,d", ',', {{"a", "b"}, {"c", "d"}}, false},
        {"a;b,c\td", ';', {{"a", "b,c\td"}}, false},
        {"a,\"open\r\nto the end", ',', {{"a", "open\r\nto the end"}}, true},
        {"", ',', {}, false},
    };
    for (const auto& [text, separator, rows, unclosed] : cases) {
        const CsvRows read = readCsvRows(text, separator);
        EXPECT_EQ(read.rows, rows) << text;
        EXPECT_EQ(read.totalRows, rows.size()) << text;
        EXPECT_EQ(read.unclosedQuote, unclosed) << text;
    }

    // Rows past the limit are counted, not kept, and a quote in them still spans lines.
    const CsvRows limited = readCsvRows("1\r\n2\r\n\"3\r\n3\"\r\n4\r\n", ',', 2);
    EXPECT_EQ(limited.rows, (Rows{{"1"}, {"2"}}));
    EXPECT_EQ(limited.totalRows, 4u);
}

TEST(CsvReaderTest, DetectsSeparatorAndEncoding) {
    const std::pair<std::string, char> separators[] = {
        {"a,b,c\r\n1,2,3\r\n", ','},
        {"a;b;c\r\n1,5;2,5;3\r\n", ';'},
        {"Best Bait,etc;Venue\r\nx;y\r\n", ';'},
        // More cells in the heading row alone do not outweigh rows that agree.
        {"Bait, Lure, Fly;Venue\r\nx;y\r\nz;w\r\n", ';'},
        {"a\tb\r\n1,5\t2\r\n", '\t'},
        {"\"a;b\",c\r\n\"1;2\",3\r\n", ','},
        // Separators that fit equally well: the first of comma, semicolon, tab.
        {"a,b;c\r\n1,2;3\r\n", ','},
        {"single\r\ncolumn\r\n", ','},
        {"", ','},
    };
    for (const auto& [text, separator] : separators) {
        EXPECT_EQ(detectSeparator(text), separator) << text;
    }

    const std::pair<std::string, CsvEncoding> encodings[] = {
        {"\xEF\xBB\xBF;", CsvEncoding::Utf8WithBom},
        {"caf\xC3\xA9", CsvEncoding::Utf8},
        {"\xF0\x9F\x90\x9F fish", CsvEncoding::Utf8},
        {"caf\xE9", CsvEncoding::Windows1252},
        {"\xC0\xAF overlong", CsvEncoding::Windows1252},
        {"\xE0\x9F\x80 overlong", CsvEncoding::Windows1252},
        {"\xED\xA0\x80 surrogate", CsvEncoding::Windows1252},
        {"cut \xE2\x82", CsvEncoding::Windows1252},
    };
    for (const auto& [text, encoding] : encodings) {
        EXPECT_EQ(detectEncoding(text), encoding) << text;
    }
    EXPECT_TRUE(looksBinary(std::string("PK\x03\x04\0\0", 6)));
    EXPECT_FALSE(looksBinary("a,b\r\n"));
}

TEST(CsvImportTest, HeadingsMapToTheirFields) {
    // Our own headers in both unit systems map back to the field they were written from.
    for (const UnitNames& units : {UnitNames::imperial(), UnitNames::metric()}) {
        const auto headers = csvHeaders(units);
        for (int f = 0; f < kFieldCount; ++f) {
            const auto field = fieldForHeading(headers[f]);
            ASSERT_TRUE(field.has_value()) << headers[f];
            EXPECT_EQ(static_cast<int>(*field), f) << headers[f];
        }
    }
    const std::pair<std::string, std::optional<Field>> cases[] = {
        {"LOCATION", Field::Venue}, {" water ", Field::Venue},
        {"Notes:", Field::Remarks}, {"weight", Field::TotalWeightMajor},
        {"End", Field::FinishTime}, {"best_fish_weight_minor", Field::BestFishWeightMinor},
        {"Rating", std::nullopt},   {"", std::nullopt},
    };
    for (const auto& [heading, field] : cases)
        EXPECT_EQ(fieldForHeading(heading), field) << heading;
}

// Headings of other languages, handed in: compared as the English ones are, in either
// encoding, and never before an English heading.
TEST(CsvImportTest, HeadingsHandedInMapTheirFields) {
    const std::vector<FieldHeading> more = {
        {"Gew\xC3\xA4sser", Field::Venue},
        {"Gewicht bester Fisch (lb)", Field::BestFishWeightMajor},
        {"Date", Field::Remarks}};
    const std::pair<std::string, std::optional<Field>> cases[] = {
        {"Gew\xC3\xA4sser", Field::Venue},
        {"gew\xE4sser", Field::Venue},
        {"GEWICHT BESTER FISCH (LB)", Field::BestFishWeightMajor},
        {"Gewicht bester Fisch", std::nullopt},
        {"Date", Field::Date},
        {"Verein", std::nullopt},
    };
    for (const auto& [heading, field] : cases)
        EXPECT_EQ(fieldForHeading(heading, more), field) << heading;
    EXPECT_EQ(fieldForHeading("Gew\xC3\xA4sser"), std::nullopt) << "only when handed in";

    CsvRows rows;
    rows.rows = {{"Bemerkung", "gew\xE4sser", "Date"}};
    EXPECT_EQ(initialMapping(rows, true, more),
              (std::vector<int>{kLeaveOut, static_cast<int>(Field::Venue),
                                static_cast<int>(Field::Date)}));
}

TEST(CsvImportTest, CellsBecomeRecordText) {
    const std::tuple<std::string, CsvEncoding, std::string, std::size_t> cases[] = {
        {"plain", CsvEncoding::Utf8, "plain", 0},
        {"caf\xC3\xA9 \xC2\xA3", CsvEncoding::Utf8, "caf\xE9 \xA3", 0},
        {"caf\xE9", CsvEncoding::Windows1252, "caf\xE9", 0},
        {"why? \xE2\x86\x92 \xF0\x9F\x90\x9F", CsvEncoding::Utf8, "why? ? ?", 2},
        {"a\r\nb\nc\rd\r\n\r\ne", CsvEncoding::Utf8, "a b c d  e", 0},
        {"'=SUM(A1)", CsvEncoding::Utf8, "=SUM(A1)", 0},
        {"''=x", CsvEncoding::Utf8, "'=x", 0},
        {"'-5", CsvEncoding::Utf8, "'-5", 0},
        {"'\tx", CsvEncoding::Windows1252, "\tx", 0},
    };
    for (const auto& [cell, encoding, text, replaced] : cases) {
        std::size_t count = 0;
        EXPECT_EQ(cellAsRecordText(cell, encoding, count), text) << cell;
        EXPECT_EQ(count, replaced) << cell;
    }
}

TEST(CsvImportTest, ColumnsForOneFieldAreJoinedAndRowsOfOtherWidthCounted) {
    CsvImportChoice choice;
    const CsvRows rows = readImportRows("Notes,Comments,Venue\r\na,b,v\r\n,c,w\r\nonly\r\n", ',');
    choice.mapping = initialMapping(rows, true);
    EXPECT_EQ(choice.mapping, (std::vector<int>{18, 18, 0}));
    const CsvImportPlan plan = planImport(rows, choice);
    ASSERT_EQ(plan.records.size(), 3u);
    EXPECT_EQ(plan.records[0][Field::Remarks], "a; b");
    EXPECT_EQ(plan.records[1][Field::Remarks], "c");
    EXPECT_EQ(plan.records[2][Field::Remarks], "only");
    EXPECT_EQ(plan.records[2][Field::Venue], "");
    EXPECT_EQ(plan.rowsOfOtherWidth, 1u);
}

TEST(CsvRoundTripTest, AnyTableComesBackByteForByte) {
    // The cases a spreadsheet treats specially, then every byte the database file can hold:
    // all but NUL and the line ends.
    std::vector<TripRecord> trips(2);
    // clang-format off
    trips[0].fields = {"=HYPERLINK(\"x\")", "+1+1", "-5", "@SUM(A1)", "\t=x", "'=x", "''-y",
                       " both ", "", "\"", ",", "-", "'", "\xA3\x80\x81\x9D\xFF", "a\"b,c",
                       "1,5", "-0.5", "=", "+", "@", "''", "x"};
    // clang-format on
    for (int b = 1; b < 256; ++b) {
        if (b != '\r' && b != '\n') trips[1].fields[b % kFieldCount] += static_cast<char>(b);
    }
    for (const UnitNames& units : {UnitNames::imperial(), UnitNames::metric()}) {
        CsvImportChoice choice;
        const CsvImportPlan plan = import(csvFileBytes(tableOf(trips), units), &choice);
        EXPECT_EQ(choice.separator, ',');
        EXPECT_EQ(choice.encoding, CsvEncoding::Utf8WithBom);
        EXPECT_EQ(plan.replacedCharacters, 0u);
        EXPECT_EQ(plan.rowsOfOtherWidth, 0u);
        ASSERT_EQ(plan.records.size(), trips.size());
        for (std::size_t r = 0; r < trips.size(); ++r) {
            EXPECT_EQ(plan.records[r].fields, trips[r].fields) << "trip " << r;
        }
    }
}

TEST(CsvImportFilesTest, FilesOtherProgramsWrite) {
    struct Case {
        const char* file;
        CsvEncoding encoding;
        std::size_t trips, rowsOfOtherWidth;
        // Fields of the first trip that must hold these bytes.
        std::vector<std::pair<Field, std::string>> first;
    };
    using F = Field;
    // clang-format off
    const Case cases[] = {
        {"windows1252.csv", CsvEncoding::Windows1252, 1, 0,
         {{F::TicketPrice, "\xA3" "5.50"}, {F::Club, "Caf\xE9 Anglers"}}},
        {"other_order.csv", CsvEncoding::Utf8WithBom, 1, 0,
         {{F::FinishTime, "17:00"}, {F::StartTime, "08:30"}, {F::BestFishWeightMajor, "9"},
          {F::BestFishWeightMinor, "4"}, {F::TotalWeightMajor, "23"},
          {F::TotalWeightMinor, "12"}, {F::Venue, "Ashby Canal"}}},
        {"ragged.csv", CsvEncoding::Utf8, 3, 2,
         {{F::Venue, "Short Row"}, {F::Date, "01-01-2024"}, {F::Species, ""}}},
        {"spreadsheet_cells.csv", CsvEncoding::Utf8, 2, 0,
         {{F::Venue, "Two Lines"}, {F::Remarks, "=SUM(A1); late"}, {F::Method, "'-5"}}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        CsvImportChoice choice;
        const CsvImportPlan plan =
            import(readBytes(std::string(RODWICK_CSV_DATA) + "/" + c.file), &choice);
        EXPECT_EQ(choice.separator, ',');
        EXPECT_EQ(choice.encoding, c.encoding);
        EXPECT_EQ(std::tuple(plan.tripCount, plan.records.size(), plan.rowsOfOtherWidth),
                  std::tuple(c.trips, c.trips, c.rowsOfOtherWidth));
        ASSERT_FALSE(plan.records.empty());
        for (const auto& [field, text] : c.first) {
            EXPECT_EQ(plan.records[0][field], text) << static_cast<int>(field);
        }
        // The columns no field takes are shown but left out.
        if (c.file == std::string("other_order.csv")) {
            EXPECT_EQ(choice.mapping.back(), kLeaveOut);
        }
    }
}

TEST(CsvImportFilesTest, HugeFilesAreReadOnceAndKeepOnlyWhatCanBeUsed) {
    // Every row is counted, but only one trip more than the table can hold is kept.
    std::string rows = "Venue,Date\r\n";
    for (int k = 0; k < 100000; ++k) rows += "Some Lake,01-02-2024\r\n";
    const CsvImportPlan many = import(rows);
    EXPECT_EQ(many.tripCount, 100000u);
    EXPECT_EQ(many.records.size(), static_cast<std::size_t>(RecordTable::kMaxRecords + 1));
}

}  // namespace
}  // namespace rodwick::testing
