#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "database_file.h"
#include "export_files.h"
#include "record_text.h"
#include "store_test_util.h"

namespace rodwick::testing {
namespace {

// Lines joined with CR LF after each, written out by hand in the tests below.
std::string Lines(std::initializer_list<std::string> lines) {
    std::string out;
    for (const std::string& line : lines) out += line + "\r\n";
    return out;
}

// A trip with readable values; weights 12.8, depth 3.6, best fish 4.2.
TripRecord Trip() {
    TripRecord r;
    using enum Field;
    r[venue] = "Canal";
    r[waterType] = "River";
    r[ticketPrice] =
        "\xA3"
        "3.50";
    r[club] = "Anglers";
    r[totalWeightMajor] = "12";
    r[totalWeightMinor] = "8";
    r[waterCondition] = "Clear";
    r[weather] = "Sunny";
    r[temperature] = "14";
    r[method] = "Float";
    r[depthMajor] = "3";
    r[depthMinor] = "6";
    r[bait] = "Maggot";
    r[species] = "Roach, Perch";
    r[bestFish] = "Perch";
    r[bestFishWeightMajor] = "4";
    r[bestFishWeightMinor] = "2";
    r[restrictions] = "No night fishing";
    r[remarks] = "  windy later";
    r[date] = "04-14-2001";
    r[startTime] = "07:00";
    r[finishTime] = "12:30";
    return r;
}

TEST(ExportFiles, EmptyTableCurrentAndAll) {
    RecordTable empty;
    empty.slot(0)[Field::venue] = "slot 0 is no record";
    EXPECT_EQ(NativeFileBytes(empty), FileImage(" 1 ", {TripRecord{}}));
    EXPECT_EQ(SisterFileBytes(empty, false), Lines({"The Rodwick DB Pro by Tamblin",
                                                    " 1 ",
                                                    "",
                                                    "",
                                                    "",
                                                    "",
                                                    ".",
                                                    "",
                                                    "",
                                                    "",
                                                    "",
                                                    ".",
                                                    "",
                                                    "",
                                                    "",
                                                    ".",
                                                    "",
                                                    "",
                                                    "",
                                                    "",
                                                    ""}));
    EXPECT_EQ(TextFileBytes(empty, false), Lines({"Venue:",
                                                  "Type:",
                                                  "Day Ticket Price:",
                                                  "Club:",
                                                  "Weight:.",
                                                  "Water Conditions:",
                                                  "Weather:",
                                                  "Temperature:",
                                                  "Method:",
                                                  "Depth:.",
                                                  "Best Bait, etc:",
                                                  "Species Caught:",
                                                  "Best Fish:",
                                                  "   Weight:.",
                                                  "Restrictions:",
                                                  "Remarks:",
                                                  "Date:",
                                                  "Start Time:",
                                                  "    Finish:",
                                                  "  "}));
    EXPECT_EQ(SisterFileBytes(empty, true), Lines({"The Rodwick DB Pro by Tamblin"}));
    EXPECT_EQ(TextFileBytes(empty, true), "");
}

TEST(ExportFiles, CurrentRecordInEachFormat) {
    RecordTable table = TableOf({Tagged("r1"), Trip(), Tagged("r3")});
    table.setCurrentRecord(2);
    const std::string native = NativeFileBytes(table);
    EXPECT_EQ(native, FileImage(" 1 ", {Trip()}));
    const Result<std::vector<TripRecord>> loaded = ParseDatabase(native);
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(loaded.value(), std::vector<TripRecord>{Trip()}) << "the loader reads it back";

    EXPECT_EQ(TextFileBytes(table, false), Lines({"Venue:Canal",
                                                  "Type:River",
                                                  "Day Ticket Price:\xA3"
                                                  "3.50",
                                                  "Club:Anglers",
                                                  "Weight:12.8",
                                                  "Water Conditions:Clear",
                                                  "Weather:Sunny",
                                                  "Temperature:14",
                                                  "Method:Float",
                                                  "Depth:3.6",
                                                  "Best Bait, etc:Maggot",
                                                  "Species Caught:Roach, Perch",
                                                  "Best Fish:Perch",
                                                  "   Weight:4.2",
                                                  "Restrictions:No night fishing",
                                                  "Remarks:  windy later",
                                                  "Date:04-14-2001",
                                                  "Start Time:07:00",
                                                  "    Finish:12:30",
                                                  "  "}));
    EXPECT_EQ(SisterFileBytes(table, false), Lines({"The Rodwick DB Pro by Tamblin",
                                                    " 1 ",
                                                    "Canal",
                                                    "River",
                                                    "\xA3"
                                                    "3.50",
                                                    "Anglers",
                                                    "12.8",
                                                    "Clear",
                                                    "Sunny",
                                                    "14",
                                                    "Float",
                                                    "3.6",
                                                    "Maggot",
                                                    "Roach, Perch",
                                                    "Perch",
                                                    "4.2",
                                                    "No night fishing",
                                                    "  windy later",
                                                    "04-14-2001",
                                                    "07:00",
                                                    "12:30"}));
}

TEST(ExportFiles, AllRecordsEachUnderTheCountExported) {
    // 250 records in the sister format, and all of a small table as text: every record in
    // order, the count line for the number exported before each.
    RecordTable table = TableOf(TaggedRecords(250));
    table.setCurrentRecord(7);
    std::string expected = "The Rodwick DB Pro by Tamblin\r\n";
    for (int k = 1; k <= 250; ++k) {
        const std::string t = "r" + std::to_string(k) + ".";
        expected += " 250 \r\n";
        for (int f : {0, 1, 2, 3}) expected += t + std::to_string(f) + "\r\n";
        expected += t + "4." + t + "5\r\n";
        for (int f : {6, 7, 8, 9}) expected += t + std::to_string(f) + "\r\n";
        expected += t + "10." + t + "11\r\n";
        for (int f : {12, 13, 14}) expected += t + std::to_string(f) + "\r\n";
        expected += t + "15." + t + "16\r\n";
        for (int f : {17, 18, 19, 20, 21}) expected += t + std::to_string(f) + "\r\n";
    }
    EXPECT_EQ(SisterFileBytes(table, true), expected);
    EXPECT_EQ(NativeFileBytes(table), FileImage(" 1 ", {Tagged("r7")}));

    const RecordTable two = TableOf({Trip(), Tagged("r2")});
    const std::string text = TextFileBytes(two, true);
    EXPECT_EQ(text, TextFileBytes(TableOf({Trip()}), false) +
                        TextFileBytes(TableOf({Tagged("r2")}), false));
    EXPECT_TRUE(text.ends_with("\r\n    Finish:r2.21\r\n  \r\n"));
}

TEST(RecordText, ClipboardTextAndPrintLines) {
    EXPECT_EQ(ClipboardText(Trip()),
              "Canal\r\nRiver\r\n\xA3"
              "3.50\r\nAnglers\r\n12.8\r\nClear\r\nSunny\r\n14\r\n"
              "Float\r\n3.6\r\nMaggot\r\nRoach, Perch\r\nPerch\r\n4.2\r\nNo night fishing\r\n"
              "  windy later\r\n04-14-2001\r\n07:00\r\n12:30");
    EXPECT_EQ(ClipboardText(TripRecord{}),
              "\r\n\r\n\r\n\r\n.\r\n\r\n\r\n\r\n\r\n.\r\n\r\n\r\n\r\n.\r\n\r\n\r\n\r\n\r\n");

    const std::vector<std::string> expected{"Venue: Canal",
                                            "Type of Water: River",
                                            "Day Ticket Price: \xA3"
                                            "3.50",
                                            "Club: Anglers",
                                            "Total Weight: 12.8 lb",
                                            "Water Conditions: Clear",
                                            "Weather: Sunny",
                                            "Temperature: 14",
                                            "Method: Float",
                                            "Depth: 3.6 ft",
                                            "Best Bait, etc :Maggot",
                                            "Species Caught: Roach, Perch",
                                            "Best Fish: Perch        Weight: 4.2 lb",
                                            "Restrictions: No night fishing",
                                            "Remarks:   windy later",
                                            "Date: 04-14-2001",
                                            "Start Time: 07:00",
                                            "Finish Time: 12:30",
                                            "  "};
    EXPECT_EQ(RecordPrintLines(Trip(), UnitNames::Imperial()), expected);
    EXPECT_EQ(RecordPrintLines(TripRecord{}, UnitNames::Metric())[9], "Depth: . m");
    EXPECT_EQ(NoteSheetLines(), (std::vector<std::string>{"Venue:",
                                                          "Type of Water:",
                                                          "Day Ticket Price:",
                                                          "Club:",
                                                          "Total Weight:",
                                                          "Water Conditions:",
                                                          "Weather:",
                                                          "Temperature:",
                                                          "Method:",
                                                          "Depth:",
                                                          "Best Bait:",
                                                          "Species Caught:",
                                                          "Best Fish:",
                                                          "Best Fish Weight:",
                                                          "Restrictions:",
                                                          "Remarks:",
                                                          "Date:",
                                                          "Start Time:",
                                                          "Finish Time:",
                                                          " ",
                                                          " "}));
}

TEST(RecordText, WholeNumber16RoundsHalvesToEvenAndKeepsTo16Bits) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"1", 1},
        {" 3 ", 3},
        {"\t2", 2},
        {"+4", 4},
        {"-2", -2},
        {"0", 0},
        {"2.5", 2},
        {"3.5", 4},
        {"2.51", 3},
        {"2.4999", 2},
        {"-2.5", -2},
        {"-3.5", -4},
        {".5", 0},
        {"1.", 1},
        {"0.6", 1},
        {"32767", 32767},
        {"32767.4", 32767},
        {"32767.5", std::nullopt},
        {"32768", std::nullopt},
        {"-32768", -32768},
        {"-32768.5", -32768},
        {"-32769", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"", std::nullopt},
        {"  ", std::nullopt},
        {".", std::nullopt},
        {"-", std::nullopt},
        {"1e3", std::nullopt},
        {"1 2", std::nullopt},
        {"two", std::nullopt},
        {"1,5", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(WholeNumber16(text), expected) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace rodwick::testing
