// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings.h"
#include "trip_filter.h"

namespace rodwick::trips {

// The trip list's columns, in their first order. LogBook is shown only over the folder's log
// books.
enum class Column {
    Record,
    LogBook,
    Date,
    Venue,
    WaterType,
    Species,
    BestFish,
    BestFishWeight,
    TotalWeight,
    Method,
    Bait,
    Start,
    Finish,
    HoursFished,
    DayTicket,
    Photos,
};
inline constexpr int kColumnCount = 16;

// "No.", "Log Book", "Date", "Venue", "Type of Water", "Species", "Best Fish", "Best Fish
// Weight", "Total Weight", "Method", "Bait", "Start", "Finish", "Hours Fished", "Day Ticket",
// "Photos"; the weights name the major unit in force in brackets: "Total Weight (lb)".
std::string columnHeading(Column column, const UnitNames& units);
// The heading as marked for translation under "TripColumns", the unit's place held by %1 where
// the column names one (namesUnit): the windows translate it and put the unit in.
const char* headingText(Column column);
bool namesUnit(Column column);

// A cell's file text (Windows-1252): the field as typed; a weight whose parts read as the
// figures write it ("12 lb 8 oz"), else its two parts as typed joined by a blank; hours
// fished from the start and finish times as the figures write a duration ("7 h 30 min"),
// empty when either time does not read. bookNames[k] names log book k. The photos are not the
// trip's text: their column is the list's own, empty here.
std::string cellText(const filtering::TripRef& trip, Column column, const UnitNames& units,
                     std::span<const std::string> bookNames = {});

// The order of `shown` (indices into trips) sorted by a column: values as values (dates as
// dates, weights in minor units of the units in force, times and durations as minutes,
// prices as cents, the record number as a number, texts folded), values that do not read
// (an empty text included) last in either direction, ties in the order given.
std::vector<int> sortedBy(std::span<const filtering::TripRef> trips, std::span<const int> shown,
                          Column column, bool descending, const UnitNames& units,
                          std::span<const std::string> bookNames = {});

// The totals row over the trips shown, each with the trips it left out because a value did not
// read.
struct Totals {
    int trips = 0;
    int minutesFished = 0;
    int untimed = 0;        // start or finish does not read
    double totalCatch = 0;  // minor units
    int unweighed = 0;      // total weight does not read (also left out of the blank trips)
    int blankTrips = 0;
    long long ticketCents = 0;
    int unpriced = 0;  // day ticket does not read
};
Totals totalsOf(std::span<const filtering::TripRef> trips, std::span<const int> shown,
                const UnitNames& units);

}  // namespace rodwick::trips
