// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "export_files.h"
#include "record_text.h"
#include "rodwick_test/store_test_util.h"

namespace rodwick::testing {
namespace {

// Text written by hand with '|' for each line end: "a|b|" is "a\r\nb\r\n".
std::string crlf(std::string text) {
    for (std::size_t at; (at = text.find('|')) != std::string::npos;) text.replace(at, 1, "\r\n");
    return text;
}

// A trip of readable values: weights 12.8, depth 3.6, best fish 4.2, a price with the pound
// sign (byte A3) and a remark that starts with blanks.
TripRecord trip() {
    TripRecord trip;
    trip.fields = {"Canal",         "River",        "\2433.50", "Anglers", "12", "8",
                   "Clear",         "Sunny",        "14",       "Float",   "3",  "6",
                   "Maggot",        "Roach, Perch", "Perch",    "4",       "2",  "No night fishing",
                   "  windy later", "04-14-2001",   "07:00",    "12:30"};
    return trip;
}

TEST(ExportFiles, EmptyTableCurrentAndAll) {
    RecordTable empty;
    empty.slot(0)[Field::Venue] = "slot 0 is no record";
    EXPECT_EQ(nativeFileBytes(empty), crlf(" 1 |" + std::string(22, '|')));
    EXPECT_EQ(sisterFileBytes(empty, false),
              crlf("The Rodwick DB Pro by Tamblin| 1 |||||.|||||.||||.||||||"));
    EXPECT_EQ(textFileBytes(empty, false),
              crlf("Venue:|Type:|Day Ticket Price:|Club:|Weight:.|Water Conditions:|Weather:|"
                   "Temperature:|Method:|Depth:.|Best Bait, etc:|Species Caught:|Best Fish:|"
                   "   Weight:.|Restrictions:|Remarks:|Date:|Start Time:|    Finish:|  |"));
    EXPECT_EQ(sisterFileBytes(empty, true), crlf("The Rodwick DB Pro by Tamblin|"));
    EXPECT_EQ(textFileBytes(empty, true), "");
}

TEST(ExportFiles, CurrentRecordInEachFormat) {
    RecordTable table = tableOf({tagged("r1"), trip(), tagged("r3")});
    table.setCurrentRecord(2);
    // The file image of the database format, which the loader's own tests read back.
    EXPECT_EQ(nativeFileBytes(table), fileImage(" 1 ", {trip()}));

    EXPECT_EQ(textFileBytes(table, false),
              crlf("Venue:Canal|Type:River|Day Ticket Price:\xA3"
                   "3.50|Club:Anglers|Weight:12.8|Water Conditions:Clear|Weather:Sunny|"
                   "Temperature:14|Method:Float|Depth:3.6|Best Bait, etc:Maggot|"
                   "Species Caught:Roach, Perch|Best Fish:Perch|   Weight:4.2|"
                   "Restrictions:No night fishing|Remarks:  windy later|Date:04-14-2001|"
                   "Start Time:07:00|    Finish:12:30|  |"));
    EXPECT_EQ(sisterFileBytes(table, false),
              crlf("The Rodwick DB Pro by Tamblin| 1 |Canal|River|\xA3"
                   "3.50|Anglers|12.8|Clear|Sunny|14|Float|3.6|Maggot|Roach, Perch|Perch|4.2|"
                   "No night fishing|  windy later|04-14-2001|07:00|12:30|"));
}

TEST(ExportFiles, AllRecordsEachUnderTheCountExported) {
    // 250 records in the sister format: each block starts with the count for 250.
    RecordTable table = tableOf(trips(1, 250));
    table.setCurrentRecord(7);
    std::string expected = "The Rodwick DB Pro by Tamblin|";
    for (int k = 1; k <= 250; ++k) {
        std::string block =
            " 250 |#0|#1|#2|#3|#4.#5|#6|#7|#8|#9|#10.#11|#12|#13|#14|#15.#16|"
            "#17|#18|#19|#20|#21|";
        for (std::size_t at; (at = block.find('#')) != std::string::npos;) {
            block.replace(at, 1, "r" + std::to_string(k) + ".");
        }
        expected += block;
    }
    EXPECT_EQ(sisterFileBytes(table, true), crlf(expected));

    const std::string text = textFileBytes(tableOf({trip(), tagged("r2")}), true);
    EXPECT_EQ(text, textFileBytes(tableOf({trip()}), false) +
                        textFileBytes(tableOf({tagged("r2")}), false));
    EXPECT_TRUE(text.ends_with(crlf("|    Finish:r2.21|  |")));
}

TEST(RecordText, ClipboardTextAndPrintLines) {
    const std::string values =
        "Canal|River|\xA3"
        "3.50|Anglers|12.8|Clear|Sunny|14|Float|3.6|Maggot|Roach, Perch|Perch|4.2|"
        "No night fishing|  windy later|04-14-2001|07:00|12:30";
    EXPECT_EQ(clipboardText(trip()), crlf(values));
    EXPECT_EQ(clipboardText(TripRecord{}), crlf("||||.|||||.||||.|||||"));

    std::string printed;
    for (const std::string& line : recordPrintLines(trip(), UnitNames::imperial())) {
        printed += line + "|";
    }
    EXPECT_EQ(printed,
              "Venue: Canal|Type of Water: River|Day Ticket Price: \xA3"
              "3.50|Club: Anglers|Total Weight: 12.8 lb|Water Conditions: Clear|Weather: Sunny|"
              "Temperature: 14|Method: Float|Depth: 3.6 ft|Best Bait, etc :Maggot|"
              "Species Caught: Roach, Perch|Best Fish: Perch        Weight: 4.2 lb|"
              "Restrictions: No night fishing|Remarks:   windy later|Date: 04-14-2001|"
              "Start Time: 07:00|Finish Time: 12:30|  |");
    EXPECT_EQ(recordPrintLines(TripRecord{}, UnitNames::metric())[9], "Depth: . m");

    std::string sheet;
    for (const std::string& line : noteSheetLines()) sheet += line + "|";
    EXPECT_EQ(sheet,
              "Venue:|Type of Water:|Day Ticket Price:|Club:|Total Weight:|Water Conditions:|"
              "Weather:|Temperature:|Method:|Depth:|Best Bait:|Species Caught:|Best Fish:|"
              "Best Fish Weight:|Restrictions:|Remarks:|Date:|Start Time:|Finish Time:| | |");
}

TEST(RecordText, WholeNumber16RoundsHalvesToEvenAndKeepsTo16Bits) {
    const auto none = std::nullopt;
    // clang-format off
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"1", 1}, {" 3 ", 3}, {"\t2", 2}, {"+4", 4}, {"-2", -2}, {"0", 0}, {"2.5", 2}, {"3.5", 4},
        {"2.51", 3}, {"2.4999", 2}, {"-2.5", -2}, {"-3.5", -4}, {".5", 0}, {"1.", 1}, {"0.6", 1},
        {"32767", 32767}, {"32767.4", 32767}, {"-32768", -32768}, {"-32768.5", -32768},
        {"32767.5", none}, {"32768", none}, {"-32769", none}, {"99999999999999999999", none},
        {"", none}, {"  ", none}, {".", none}, {"-", none}, {"1e3", none}, {"1 2", none},
        {"two", none}, {"1,5", none}};
    // clang-format on
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(wholeNumber16(text), expected) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace rodwick::testing
