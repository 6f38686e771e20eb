// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings.h"

namespace rodwick {

// Tolerant readers of the numbers people type into free-text fields, and the texts the program
// writes them as. A text that does not read unambiguously gives nothing: whatever counts the
// trips (the statistics, the trip list) leaves that trip out rather than guess.

// A plain non-negative decimal: "12", "2.5", ".5", "1,5". A comma followed by exactly three
// digits ("1,500") could be a thousands separator or a decimal comma, so it does not read.
std::optional<double> readDecimal(std::string_view text);

// A weight in minor units (ounces or grams) from its major and minor parts in the units in
// force: 16 minor to the major unit when imperial, 1,000 when metric. Either part may carry
// its own unit name ("12 lb", "8oz"); the other system's names do not read, as nothing is
// ever converted between systems. Both parts empty: no weight recorded.
std::optional<double> readWeight(std::string_view major, std::string_view minor,
                                 const UnitNames& units);
int minorPerMajor(const UnitNames& units);

// Minutes after midnight: "9:30", "09.30", "9.30am", "9 pm", "21:05", "2105". Words such as
// "noon" or "dawn" do not read.
std::optional<int> readTime(std::string_view text);

struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
    auto operator<=>(const Date&) const = default;
};
// Month-day-year as the program writes it ("04-14-2001", also with '/' or '.'), day first
// only where the first number cannot be a month ("14-04-2001"), year first ("2001-04-14"),
// and month names ("14 April 2001", "Apr 14, 2001"). Two-digit years do not read.
std::optional<Date> readDate(std::string_view text);

// Cents, with or without a currency sign before or after: "5", "5.50", "\xA35", "$4", "4.00\x80"
// (pound, dollar, euro in Windows-1252); "free" is nothing to pay. More than two decimals do
// not read.
std::optional<long long> readPrice(std::string_view text);

// Trimmed of blanks, Windows-1252 letters folded to lower case: the key that groups names
// typed with different case or spacing.
std::string foldName(std::string_view text);
std::string_view trim(std::string_view text);

// The minutes of one trip from its start and finish (minutes after midnight): a finish before
// the start means the trip ran past midnight.
int minutesFished(int start, int finish);

// The values read, written in the units in force: "12 lb 8 oz", "1 Kg 250 g" (rounded to whole
// minor units), "5.50", "12 h 30 min", "04-14-2001".
std::string formatWeight(double minorUnits, const UnitNames& units);
std::string formatMoney(double cents);
std::string formatDuration(int minutes);
std::string formatDate(const Date& date);

}  // namespace rodwick
