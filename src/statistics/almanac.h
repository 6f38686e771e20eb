// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "readings.h"

namespace rodwick::stats {

// The moon's phase on a day, in the order of its cycle. Each phase is an eighth of the cycle
// centred on it: a day is New Moon within a sixteenth of the cycle either side of a new moon.
enum class MoonPhase {
    NewMoon,
    WaxingCrescent,
    FirstQuarter,
    WaxingGibbous,
    FullMoon,
    WaningGibbous,
    LastQuarter,
    WaningCrescent
};
inline constexpr int kMoonPhaseCount = 8;
// At midday, Universal Time, of the date: a date says nothing of its time zone.
MoonPhase moonPhaseOf(const Date& date);
// The names are marked for translation under "Almanac"; the windows translate them.
std::string_view nameOf(MoonPhase phase);

// The parts of the day a trip can be fished in, in the order of the day.
enum class PartOfDay { Dawn, Morning, Afternoon, Evening, Night };
inline constexpr int kPartOfDayCount = 5;
std::string_view nameOf(PartOfDay part);
// "04:00-07:00": when a part of the day begins and ends.
std::string boundsOf(PartOfDay part);
// "Dawn 04:00-07:00, Morning 07:00-12:00, ...": the bounds, for the reader of the figures.
std::string partsOfDayBounds();

// The parts a trip from start to finish (minutes after midnight) overlaps by at least a
// minute, in the order of the day; none when start and finish are the same. A finish before
// the start ran past midnight, as for the hours fished (minutesFished).
std::vector<PartOfDay> partsOfDay(int start, int finish);

}  // namespace rodwick::stats
