// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLocale>

#include "number_fields.h"
#include "rodwick_test/store_test_util.h"
#include "suggestions.h"
#include "text.h"

namespace rodwick::testing {
namespace {

RecordTable venueTable(const std::vector<std::string>& venues) {
    std::vector<TripRecord> records(venues.size());
    for (std::size_t i = 0; i < venues.size(); ++i) records[i][Field::Venue] = venues[i];
    return tableOf(records);
}

TEST(Suggestions, FirstSpellingInOrderOfFirstOccurrenceAndTheEmptyValueQuirk) {
    using Venues = std::vector<std::string>;
    // Windows-1252: e acute (\351) and its capital, and a sharp s (\337), whose capitals are SS.
    // clang-format off
    const std::pair<Venues, Venues> cases[] = {
        {{"Usk", "usk", "Wye"}, {"Usk", "Wye"}}, {{"Wye", "", "Usk"}, {"Wye", "", "Usk"}},
        {{"", "", "Usk"}, {"Usk"}}, {{}, {}}, {{""}, {""}},
        {{"wye", "Usk", "WYE", "Wye", "usk", "Tay"}, {"wye", "Usk", "Tay"}},
        {{"\351tang", "\311TANG", "Etang"}, {"\351tang", "Etang"}},
        {{"Stra\337e", "STRASSE"}, {"Stra\337e"}},
        {{"zander", "Zander", "ZANDER", "Tay z", "TAY Z", "az", "aZ"}, {"zander", "Tay z", "az"}}};
    // clang-format on
    for (const auto& [venues, expected] : cases) {
        QStringList want;
        for (const std::string& entry : expected) want << fromFileText(entry);
        EXPECT_EQ(buildSuggestionList(venueTable(venues), Field::Venue), want)
            << ::testing::PrintToString(venues);
    }
}

TEST(Numbers, PriceAndTemperatureStepsOnTheirTypes) {
    // Kind, text (each text once), whether the locale's parser reads it, whether + and - are
    // enabled, and the text after + and after - ("=" when the text stays as it is).
    constexpr NumberKind kT = NumberKind::Temperature, kP = NumberKind::Price;
    // clang-format off
    const std::tuple<NumberKind, const char*, bool, bool, const char*, const char*> cases[] = {
        {kT, "12", 1, 1, "13", "11"}, {kT, "45", 1, 1, "=", "44"}, {kT, "-10", 1, 1, "-9", "="},
        {kT, "50", 1, 1, "=", "49"}, {kT, "12.5", 1, 1, "13", "11"}, {kT, "13.5", 1, 1, "15", "13"},
        {kT, "32767", 1, 1, "=", "32766"}, {kT, "-32768", 1, 1, "-32767", "="},
        {kT, "-32768.5", 1, 1, "-32767", "="}, {kT, "32767.5", 1, 0, "=", "="},
        {kT, "32768", 1, 0, "=", "="}, {kT, "-32769", 1, 0, "=", "="}, {kT, "warm", 0, 0, "=", "="},
        {kT, "", 0, 0, "=", "="}, {kP, "4.5", 1, 1, "5.5", "3.5"}, {kP, "3.00", 1, 1, "4", "2"},
        {kP, "0.5", 1, 1, "1.5", "-0.5"}, {kP, "-0.75", 1, 1, "0.25", "="}, {kP, "0", 1, 1, "1", "="},
        {kP, "1.23456", 1, 1, "2.2346", "0.2346"}, {kP, "0.00005", 1, 1, "1", "="},
        {kP, "0.00015", 1, 1, "1.0002", "-0.9998"},
        {kP, "922337203685477.5807", 1, 1, "=", "922337203685476.5807"},
        {kP, "-922337203685477.5808", 1, 1, "-922337203685476.5808", "="},
        {kP, "922337203685477.5808", 1, 0, "=", "="}, {kP, "922337203685477.58075", 1, 0, "=", "="},
        {kP, "-922337203685477.5809", 1, 0, "=", "="}, {kP, "1e20", 1, 0, "=", "="},
        {kP, "1e400", 0, 0, "=", "="}, {kP, "  ", 0, 0, "=", "="}, {kP, "3 pounds", 0, 0, "=", "="},
    };
    // clang-format on
    for (const auto& [kind, text, numeric, enabled, up, down] : cases) {
        SCOPED_TRACE("\"" + std::string(text) + "\"");
        EXPECT_EQ(isNumeric(text), numeric);
        EXPECT_EQ(stepsEnabled(kind, text), enabled);
        EXPECT_EQ(steppedUp(kind, text).value_or("="), up);
        EXPECT_EQ(steppedDown(kind, text).value_or("="), down);
    }
}

TEST(Numbers, ReadAndWrittenWithTheLocalesSeparatorAndSign) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(steppedDown(NumberKind::Price, "0,25").value_or("="), "-0,75");
    EXPECT_EQ(steppedUp(NumberKind::Price, "1.000,5").value_or("="), "1001,5");
    EXPECT_EQ(steppedUp(NumberKind::Temperature, "12,5").value_or("="), "13");
    // The quick edit's box shows a stored number in its plain form, anything else unchanged.
    EXPECT_EQ(setUpNumberBox(NumberKind::Price, "3,50").text, "3,5");
    EXPECT_FALSE(setUpNumberBox(NumberKind::Temperature, "40000").stepsEnabled);
    QLocale::setDefault(before);
}

}  // namespace
}  // namespace rodwick::testing
