#include <QLocale>

#include "number_fields.h"
#include "rodwick_test/store_test_util.h"
#include "suggestions.h"
#include "text.h"

namespace rodwick::testing {
namespace {

RecordTable VenueTable(const std::vector<std::string>& venues) {
    std::vector<TripRecord> records(venues.size());
    for (std::size_t i = 0; i < venues.size(); ++i) records[i][Field::venue] = venues[i];
    return TableOf(records);
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
        for (const std::string& entry : expected) want << FromFileText(entry);
        EXPECT_EQ(BuildSuggestionList(VenueTable(venues), Field::venue), want)
            << ::testing::PrintToString(venues);
    }
}

TEST(Numbers, PriceAndTemperatureStepsOnTheirTypes) {
    // Kind, text (each text once), whether the locale's parser reads it, whether + and - are
    // enabled, and the text after + and after - ("=" when the text stays as it is).
    constexpr NumberKind T = NumberKind::Temperature, P = NumberKind::Price;
    // clang-format off
    const std::tuple<NumberKind, const char*, bool, bool, const char*, const char*> cases[] = {
        {T, "12", 1, 1, "13", "11"}, {T, "45", 1, 1, "=", "44"}, {T, "-10", 1, 1, "-9", "="},
        {T, "50", 1, 1, "=", "49"}, {T, "12.5", 1, 1, "13", "11"}, {T, "13.5", 1, 1, "15", "13"},
        {T, "32767", 1, 1, "=", "32766"}, {T, "-32768", 1, 1, "-32767", "="},
        {T, "-32768.5", 1, 1, "-32767", "="}, {T, "32767.5", 1, 0, "=", "="},
        {T, "32768", 1, 0, "=", "="}, {T, "-32769", 1, 0, "=", "="}, {T, "warm", 0, 0, "=", "="},
        {T, "", 0, 0, "=", "="}, {P, "4.5", 1, 1, "5.5", "3.5"}, {P, "3.00", 1, 1, "4", "2"},
        {P, "0.5", 1, 1, "1.5", "-0.5"}, {P, "-0.75", 1, 1, "0.25", "="}, {P, "0", 1, 1, "1", "="},
        {P, "1.23456", 1, 1, "2.2346", "0.2346"}, {P, "0.00005", 1, 1, "1", "="},
        {P, "0.00015", 1, 1, "1.0002", "-0.9998"},
        {P, "922337203685477.5807", 1, 1, "=", "922337203685476.5807"},
        {P, "-922337203685477.5808", 1, 1, "-922337203685476.5808", "="},
        {P, "922337203685477.5808", 1, 0, "=", "="}, {P, "922337203685477.58075", 1, 0, "=", "="},
        {P, "-922337203685477.5809", 1, 0, "=", "="}, {P, "1e20", 1, 0, "=", "="},
        {P, "1e400", 0, 0, "=", "="}, {P, "  ", 0, 0, "=", "="}, {P, "3 pounds", 0, 0, "=", "="},
    };
    // clang-format on
    for (const auto& [kind, text, numeric, enabled, up, down] : cases) {
        SCOPED_TRACE("\"" + std::string(text) + "\"");
        EXPECT_EQ(IsNumeric(text), numeric);
        EXPECT_EQ(StepsEnabled(kind, text), enabled);
        EXPECT_EQ(StepUp(kind, text).value_or("="), up);
        EXPECT_EQ(StepDown(kind, text).value_or("="), down);
    }
}

TEST(Numbers, ReadAndWrittenWithTheLocalesSeparatorAndSign) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(StepDown(NumberKind::Price, "0,25").value_or("="), "-0,75");
    EXPECT_EQ(StepUp(NumberKind::Price, "1.000,5").value_or("="), "1001,5");
    EXPECT_EQ(StepUp(NumberKind::Temperature, "12,5").value_or("="), "13");
    // The quick edit's box shows a stored number in its plain form, anything else unchanged.
    EXPECT_EQ(SetUpNumberBox(NumberKind::Price, "3,50").text, "3,5");
    EXPECT_FALSE(SetUpNumberBox(NumberKind::Temperature, "40000").stepsEnabled);
    QLocale::setDefault(before);
}

}  // namespace
}  // namespace rodwick::testing
