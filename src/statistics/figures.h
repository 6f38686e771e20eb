// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "readings.h"
#include "record_table.h"

namespace rodwick::stats {

// Trips a figure had to leave out, and why ("without a readable finish time"). The reasons are
// marked for translation under "Figures", and so is a table's `about` but for the parts of the
// day's, which the windows put together from the almanac's names and bounds.
struct LeftOut {
    int trips = 0;
    std::string why;
    bool operator==(const LeftOut&) const = default;
};
// "3 trips without a readable finish time".
std::string describe(const LeftOut& leftOut);
// Adds a note only when some trip was left out.
void note(std::vector<LeftOut>& notes, int trips, std::string why);

struct Summary {
    int trips = 0;
    int datedTrips = 0;
    std::optional<Date> firstDate;
    std::optional<Date> lastDate;
    int timedTrips = 0;
    int minutesFished = 0;
    int weighedTrips = 0;
    double totalCatch = 0;  // minor units
    std::optional<double> catchPerTrip;
    // Over the trips with both a weight and times; nothing when they add up to no time.
    std::optional<double> catchPerHour;
    int blankTrips = 0;
    std::optional<double> blankShare;  // of the weighed trips, 0..1
    int pricedTrips = 0;
    long long ticketTotal = 0;  // cents
    std::optional<double> ticketPerTrip;
    std::vector<LeftOut> notes;
    bool operator==(const Summary&) const = default;
};

struct VenueRow {
    std::string venue;  // as first typed, trimmed
    int trips = 0;
    int weighedTrips = 0;
    double totalCatch = 0;
    std::optional<double> averageCatch;
    std::string bestFish;
    std::optional<double> bestWeight;
    std::optional<double> averageTicket;  // cents
    std::optional<Date> lastVisit;
    bool operator==(const VenueRow&) const = default;
};
struct VenueTable {
    std::vector<VenueRow> rows;  // in order of first appearance
    std::vector<LeftOut> notes;
    bool operator==(const VenueTable&) const = default;
};

struct BestRow {
    std::string species;
    double weight = 0;
    std::string venue;
    std::string date;  // as typed
    int record = 0;    // 1-based
    bool operator==(const BestRow&) const = default;
};
struct BestTable {
    std::vector<BestRow> rows;  // heaviest first
    std::vector<LeftOut> notes;
    bool operator==(const BestTable&) const = default;
};

// Average catch per trip for one value of a field, over trips whose weight reads.
struct ValueRow {
    std::string value;
    int trips = 0;
    double averageCatch = 0;
    int blankTrips = 0;  // whose weight reads as nothing caught
    bool operator==(const ValueRow&) const = default;
};
struct ValueTable {
    Field field = Field::Method;  // the field the values were read from
    // Best average first; the moon's phases and the parts of the day in their own order.
    std::vector<ValueRow> rows;
    std::vector<LeftOut> notes;
    std::string about;  // what the values mean, where that needs saying
    bool operator==(const ValueTable&) const = default;
};

struct MonthRow {
    int year = 0;
    int month = 0;
    int trips = 0;
    int weighedTrips = 0;
    double totalCatch = 0;
    bool operator==(const MonthRow&) const = default;
};
struct MonthTable {
    std::vector<MonthRow> rows;  // every month from the first trip's to the last's
    std::vector<LeftOut> notes;
    bool operator==(const MonthTable&) const = default;
};

struct Figures {
    Summary summary;
    VenueTable venues;
    BestTable bests;
    std::vector<ValueTable> whatWorks;  // method, bait, weather, water condition, water type
    MonthTable months;
    ValueTable moonPhases;  // by the moon's phase on the trip's date
    ValueTable timesOfDay;  // by the parts of the day fished, a trip in each part it spans
    bool operator==(const Figures&) const = default;
};

// Trips are the table's records in order; trip k is record k + 1.
Summary summaryOf(std::span<const TripRecord> trips, const UnitNames& units);
VenueTable venuesOf(std::span<const TripRecord> trips, const UnitNames& units);
BestTable bestsOf(std::span<const TripRecord> trips, const UnitNames& units);
ValueTable valuesOf(std::span<const TripRecord> trips, const UnitNames& units, Field field);
MonthTable monthsOf(std::span<const TripRecord> trips, const UnitNames& units);
Figures figuresOf(std::span<const TripRecord> trips, const UnitNames& units);
inline constexpr Field kWhatWorksFields[] = {Field::Method, Field::Bait, Field::Weather,
                                             Field::WaterCondition, Field::WaterType};

// The records of a table as trips.
std::span<const TripRecord> tripsOf(const RecordTable& table);

// Texts of the figures beside those of the values read (readings.h): "25%", "2001-04" for a
// month.
std::string formatShare(double share);
std::string formatMonth(int year, int month);

}  // namespace rodwick::stats
