// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "readings.h"

namespace rodwick {

void PrintTo(const Date& d, std::ostream* out) {
    *out << d.year << '-' << d.month << '-' << d.day;
}

namespace {

const UnitNames kImperial = UnitNames::imperial();
const UnitNames kMetric = UnitNames::metric();

TEST(Readings, WeightsInTheUnitsInForce) {
    struct Case {
        const char* major;
        const char* minor;
        const UnitNames& units;
        std::optional<double> minorUnits;
    };
    const Case cases[] = {
        {" 12 ", " 8 ", kImperial, 200},
        {"2.5", "", kImperial, 40},
        {"", "8", kImperial, 8},
        {"1,5", "", kMetric, 1500},
        {"1.5", "250", kMetric, 1750},
        {"2 kg", "50 g", kMetric, 2050},
        // Nothing is converted between systems, and nothing is guessed.
        {"2 kg", "", kImperial, std::nullopt},
        {"12 lb", "", kMetric, std::nullopt},
        {"lots", "", kImperial, std::nullopt},
        {"-3", "", kImperial, std::nullopt},
        {"1,500", "", kMetric, std::nullopt},  // thousands or decimal comma?
        {"12 8", "", kImperial, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(readWeight(c.major, c.minor, c.units), c.minorUnits)
            << '"' << c.major << "\" + \"" << c.minor << '"';
    }
}

TEST(Readings, TimesAsAnglersTypeThem) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"9:30", 9 * 60 + 30},
        {"9.30am", 9 * 60 + 30},
        {"9.30 a.m.", 9 * 60 + 30},
        {"12am", 0},
        {"0:00", 0},
        {"23:59", 23 * 60 + 59},
        {"2105", 21 * 60 + 5},
        {"noon", std::nullopt},
        {"9", std::nullopt},  // morning or evening?
        {"24:00", std::nullopt},
        {"9:60", std::nullopt},
        {"13pm", std::nullopt},
        {"0am", std::nullopt},
        {"9:30 until late", std::nullopt},
    };
    for (const auto& [text, minutes] : cases) EXPECT_EQ(readTime(text), minutes) << text;
}

TEST(Readings, DatesInTheProgramsOrderAndCommonOthers) {
    const std::pair<const char*, std::optional<Date>> cases[] = {
        {"04-14-2001", Date{2001, 4, 14}},  {"4/14/2001", Date{2001, 4, 14}},
        {"04.05.2001", Date{2001, 4, 5}},   // month first, as the program writes
        {"14-04-2001", Date{2001, 4, 14}},  // only a day can be 14
        {"2001-04-14", Date{2001, 4, 14}},  {"14 April 2001", Date{2001, 4, 14}},
        {"14 apr 2001", Date{2001, 4, 14}}, {"April 14, 2001", Date{2001, 4, 14}},
        {"Sept 3 2001", Date{2001, 9, 3}},  {"02-29-2000", Date{2000, 2, 29}},
        {"02-29-2001", std::nullopt},       {"13-13-2001", std::nullopt},
        {"04-14-01", std::nullopt},  // which century?
        {"14th April 2001", std::nullopt},  {"April 2001", std::nullopt},
        {"Smarch 14 2001", std::nullopt},   {"", std::nullopt},
        {"04-14-2001-1", std::nullopt},
    };
    for (const auto& [text, date] : cases) EXPECT_EQ(readDate(text), date) << text;
}

TEST(Readings, PricesWithOrWithoutACurrencySign) {
    const std::string pound = "\xA3", euro = "\x80";
    const std::pair<std::string, std::optional<long long>> cases[] = {
        {pound + "5", 500},   {"5.50", 550},           {"$4", 400},
        {euro + "3,75", 375}, {pound + " 6.5", 650},   {"FREE", 0},
        {"", std::nullopt},   {"5.505", std::nullopt}, {"about 5", std::nullopt},
    };
    for (const auto& [text, cents] : cases) EXPECT_EQ(readPrice(text), cents) << text;
}

TEST(Readings, NamesFoldedForGrouping) {
    const std::pair<std::string, std::string> cases[] = {
        {"  Mill Pond ", "mill pond"},
        {"\xC9tang \xD7", "\xE9tang \xD7"},  // É folds, × does not
        {"\x8A\x8C\x8E\x9F", "\x9A\x9C\x9E\xFF"},
        {"\t", ""},
    };
    for (const auto& [text, folded] : cases) EXPECT_EQ(foldName(text), folded) << text;
}

TEST(Readings, WrittenAsTheProgramWritesThem) {
    const std::pair<std::string, std::string> cases[] = {
        {formatWeight(1750, kMetric), "1 Kg 750 g"},
        {formatWeight(15.5, kImperial), "1 lb 0 oz"},
        {formatMoney(805), "8.05"},
        {formatDuration(59), "0 h 59 min"},
        {formatDate({2001, 4, 5}), "04-05-2001"},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(text, expected);
}

}  // namespace
}  // namespace rodwick
