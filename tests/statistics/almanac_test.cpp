// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "almanac.h"

namespace rodwick::stats {
namespace {

std::string names(const std::vector<PartOfDay>& parts) {
    std::string text;
    for (PartOfDay part : parts) text += (text.empty() ? "" : " ") + std::string(nameOf(part));
    return text;
}

// Dates (UT) of new and full moons as the almanacs publish them, eclipses among them; a week
// after a new moon is First Quarter. 2024 April goes once round the cycle. 2024 July tries the
// ends of a New Moon: from the new moons of June 6 12:38, July 5 22:57 and August 4 11:13, a
// sixteenth of the cycle either side runs from July 4 02:48 to July 7 19:13.
TEST(Almanac, TheMoonsPhaseOnPublishedDates) {
    using enum MoonPhase;
    const std::pair<Date, MoonPhase> cases[] = {
        {{2000, 1, 6}, NewMoon},         {{2000, 1, 13}, FirstQuarter},
        {{2000, 1, 21}, FullMoon},

        {{2000, 12, 25}, NewMoon},       {{2001, 1, 9}, FullMoon},
        {{2001, 6, 21}, NewMoon},        {{2001, 6, 28}, FirstQuarter},
        {{2001, 12, 14}, NewMoon},       {{2001, 12, 30}, FullMoon},
        {{2013, 4, 25}, FullMoon},       {{2013, 5, 10}, NewMoon},
        {{2013, 5, 17}, FirstQuarter},   {{2013, 10, 18}, FullMoon},
        {{2013, 11, 3}, NewMoon},        {{2024, 3, 25}, FullMoon},
        {{2024, 3, 29}, WaningGibbous},  {{2024, 4, 1}, LastQuarter},
        {{2024, 4, 5}, WaningCrescent},  {{2024, 4, 8}, NewMoon},
        {{2024, 4, 11}, WaxingCrescent}, {{2024, 4, 15}, FirstQuarter},
        {{2024, 4, 19}, WaxingGibbous},  {{2024, 7, 3}, WaningCrescent},
        {{2024, 7, 4}, NewMoon},         {{2024, 7, 7}, NewMoon},
        {{2024, 7, 8}, WaxingCrescent},  {{2024, 8, 19}, FullMoon},
        {{2024, 10, 2}, NewMoon},

    };
    for (const auto& [date, phase] : cases) {
        EXPECT_EQ(nameOf(moonPhaseOf(date)), nameOf(phase))
            << date.year << '-' << date.month << '-' << date.day;
    }
}

// A trip counts in each part of the day it overlaps by a minute or more.
TEST(Almanac, PartsOfTheDayATripSpans) {
    const auto at = [](int hour, int minute) { return hour * 60 + minute; };
    struct Case {
        int start;
        int finish;
        const char* parts;
    };
    const Case cases[] = {
        {at(7, 0), at(12, 0), "Morning"},  // a part's bounds exactly

        {at(5, 0), at(9, 0), "Dawn Morning"},
        {at(16, 59), at(17, 1), "Afternoon Evening"},
        {at(6, 0), at(22, 0), "Dawn Morning Afternoon Evening Night"},
        {at(21, 0), at(3, 0), "Night"},  // past midnight
        {at(22, 0), at(5, 0), "Dawn Night"},
        {at(18, 0), at(8, 0), "Dawn Morning Evening Night"},
        {at(2, 0), at(3, 30), "Night"},
        {at(12, 0), at(11, 0), "Dawn Morning Afternoon Evening Night"},
        {at(10, 0), at(10, 0), ""},  // no time fished

    };
    for (const Case& c : cases) {
        EXPECT_EQ(names(partsOfDay(c.start, c.finish)), c.parts) << c.start << "-" << c.finish;
    }
}

}  // namespace
}  // namespace rodwick::stats
