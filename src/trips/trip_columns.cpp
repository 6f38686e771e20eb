// SPDX-License-Identifier: GPL-3.0-or-later
#include "trip_columns.h"

#include <algorithm>

#include "readings.h"
#include "translatable.h"

namespace rodwick::trips {
namespace {

// The field a column shows as typed; Record, LogBook, the weights and hours fished have none.
std::optional<Field> fieldOf(Column column) {
    switch (column) {
        case Column::Date:
            return Field::Date;
        case Column::Venue:
            return Field::Venue;
        case Column::WaterType:
            return Field::WaterType;
        case Column::Species:
            return Field::Species;
        case Column::BestFish:
            return Field::BestFish;
        case Column::Method:
            return Field::Method;
        case Column::Bait:
            return Field::Bait;
        case Column::Start:
            return Field::StartTime;
        case Column::Finish:
            return Field::FinishTime;
        case Column::DayTicket:
            return Field::TicketPrice;
        default:
            return std::nullopt;
    }
}

// The major part of a weight column; its minor part is the field after it.
Field weightMajor(Column column) {
    return column == Column::TotalWeight ? Field::TotalWeightMajor : Field::BestFishWeightMajor;
}
Field minorOf(Field major) {
    return static_cast<Field>(static_cast<int>(major) + 1);
}

std::optional<double> weightOf(const TripRecord& record, Column column, const UnitNames& units) {
    const Field major = weightMajor(column);
    return readWeight(record[major], record[minorOf(major)], units);
}

std::optional<int> minutesOf(const TripRecord& record) {
    const auto start = readTime(record[Field::StartTime]);
    const auto finish = readTime(record[Field::FinishTime]);
    if (!start || !finish) return std::nullopt;
    return minutesFished(*start, *finish);
}

const std::string& bookName(const filtering::TripRef& trip,
                            std::span<const std::string> bookNames) {
    static const std::string kNone;
    const auto k = static_cast<std::size_t>(trip.book);
    return trip.book >= 0 && k < bookNames.size() ? bookNames[k] : kNone;
}

// What a cell sorts by: a number, or a folded text for the columns of names.
struct SortKey {
    bool reads = false;
    double number = 0;
    std::string text;
};

std::optional<double> numberOf(const filtering::TripRef& trip, Column column,
                               const UnitNames& units) {
    const TripRecord& record = *trip.record;
    switch (column) {
        case Column::Record:
            return trip.number;
        case Column::Date:
            if (const auto date = readDate(record[Field::Date])) {
                return date->year * 10000 + date->month * 100 + date->day;
            }
            return std::nullopt;
        case Column::BestFishWeight:
        case Column::TotalWeight:
            return weightOf(record, column, units);
        case Column::Start:
        case Column::Finish:
            if (const auto time = readTime(record[*fieldOf(column)])) return *time;
            return std::nullopt;
        case Column::HoursFished:
            if (const auto minutes = minutesOf(record)) return *minutes;
            return std::nullopt;
        case Column::DayTicket:
            if (const auto cents = readPrice(record[Field::TicketPrice])) {
                return static_cast<double>(*cents);
            }
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

bool isText(Column column) {
    switch (column) {
        case Column::LogBook:
        case Column::Venue:
        case Column::WaterType:
        case Column::Species:
        case Column::BestFish:
        case Column::Method:
        case Column::Bait:
            return true;
        default:
            return false;
    }
}

SortKey keyOf(const filtering::TripRef& trip, Column column, const UnitNames& units,
              std::span<const std::string> bookNames) {
    SortKey key;
    if (isText(column)) {
        key.text = foldName(column == Column::LogBook ? bookName(trip, bookNames)
                                                      : (*trip.record)[*fieldOf(column)]);
        key.reads = !key.text.empty();
    } else if (const auto number = numberOf(trip, column, units)) {
        key.reads = true;
        key.number = *number;
    }
    return key;
}

}  // namespace

const char* headingText(Column column) {
    switch (column) {
        case Column::Record:
            return RODWICK_TR_NOOP("TripColumns", "No.");
        case Column::LogBook:
            return RODWICK_TR_NOOP("TripColumns", "Log Book");
        case Column::Date:
            return RODWICK_TR_NOOP("TripColumns", "Date");
        case Column::Venue:
            return RODWICK_TR_NOOP("TripColumns", "Venue");
        case Column::WaterType:
            return RODWICK_TR_NOOP("TripColumns", "Type of Water");
        case Column::Species:
            return RODWICK_TR_NOOP("TripColumns", "Species");
        case Column::BestFish:
            return RODWICK_TR_NOOP("TripColumns", "Best Fish");
        case Column::BestFishWeight:
            return RODWICK_TR_NOOP("TripColumns", "Best Fish Weight (%1)");
        case Column::TotalWeight:
            return RODWICK_TR_NOOP("TripColumns", "Total Weight (%1)");
        case Column::Method:
            return RODWICK_TR_NOOP("TripColumns", "Method");
        case Column::Bait:
            return RODWICK_TR_NOOP("TripColumns", "Bait");
        case Column::Start:
            return RODWICK_TR_NOOP("TripColumns", "Start");
        case Column::Finish:
            return RODWICK_TR_NOOP("TripColumns", "Finish");
        case Column::HoursFished:
            return RODWICK_TR_NOOP("TripColumns", "Hours Fished");
        case Column::DayTicket:
            return RODWICK_TR_NOOP("TripColumns", "Day Ticket");
        case Column::Photos:
            return RODWICK_TR_NOOP("TripColumns", "Photos");
    }
    return "";
}

bool namesUnit(Column column) {
    return column == Column::BestFishWeight || column == Column::TotalWeight;
}

std::string columnHeading(Column column, const UnitNames& units) {
    std::string heading = headingText(column);
    if (namesUnit(column)) heading.replace(heading.find("%1"), 2, units.weightMajorUnit);
    return heading;
}

std::string cellText(const filtering::TripRef& trip, Column column, const UnitNames& units,
                     std::span<const std::string> bookNames) {
    const TripRecord& record = *trip.record;
    switch (column) {
        case Column::Record:
            return std::to_string(trip.number);
        case Column::LogBook:
            return bookName(trip, bookNames);
        case Column::BestFishWeight:
        case Column::TotalWeight: {
            if (const auto weight = weightOf(record, column, units)) {
                return formatWeight(*weight, units);
            }
            const Field major = weightMajor(column);
            const std::string_view majorText = trim(record[major]);
            const std::string_view minorText = trim(record[minorOf(major)]);
            std::string text(majorText);
            if (!text.empty() && !minorText.empty()) text += ' ';
            return text += minorText;
        }
        case Column::HoursFished:
            if (const auto minutes = minutesOf(record)) return formatDuration(*minutes);
            return {};
        default:
            return record[*fieldOf(column)];
    }
}

std::vector<int> sortedBy(std::span<const filtering::TripRef> trips, std::span<const int> shown,
                          Column column, bool descending, const UnitNames& units,
                          std::span<const std::string> bookNames) {
    std::vector<SortKey> keys;
    keys.reserve(shown.size());
    for (int k : shown)
        keys.push_back(keyOf(trips[static_cast<std::size_t>(k)], column, units, bookNames));
    std::vector<std::size_t> order(shown.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    const bool byText = isText(column);
    // Values that do not read go last in either direction; a tie keeps the order given.
    std::ranges::stable_sort(order, [&](std::size_t a, std::size_t b) {
        const SortKey& x = keys[descending ? b : a];
        const SortKey& y = keys[descending ? a : b];
        if (!keys[a].reads || !keys[b].reads) return keys[a].reads && !keys[b].reads;
        return byText ? x.text < y.text : x.number < y.number;
    });
    std::vector<int> sorted;
    sorted.reserve(order.size());
    for (std::size_t i : order) sorted.push_back(shown[i]);
    return sorted;
}

Totals totalsOf(std::span<const filtering::TripRef> trips, std::span<const int> shown,
                const UnitNames& units) {
    Totals totals;
    for (int k : shown) {
        const TripRecord& record = *trips[static_cast<std::size_t>(k)].record;
        ++totals.trips;
        if (const auto minutes = minutesOf(record)) {
            totals.minutesFished += *minutes;
        } else {
            ++totals.untimed;
        }
        if (const auto weight = weightOf(record, Column::TotalWeight, units)) {
            totals.totalCatch += *weight;
            totals.blankTrips += *weight == 0;
        } else {
            ++totals.unweighed;
        }
        if (const auto cents = readPrice(record[Field::TicketPrice])) {
            totals.ticketCents += *cents;
        } else {
            ++totals.unpriced;
        }
    }
    return totals;
}

}  // namespace rodwick::trips
