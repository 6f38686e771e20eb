// SPDX-License-Identifier: GPL-3.0-or-later
#include "trip_filter.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <unordered_set>

#include "fields.h"
#include "readings.h"

namespace rodwick::filtering {
namespace {

// Whether any of the comma-separated names of a species field folds to `folded`.
bool listHolds(std::string_view list, std::string_view folded) {
    while (true) {
        const std::size_t comma = list.find(',');
        if (foldName(list.substr(0, comma)) == folded) return true;
        if (comma == std::string_view::npos) return false;
        list.remove_prefix(comma + 1);
    }
}

// A name part of the filter is set when it holds more than blanks.
bool isSet(const std::string& name) {
    return !trim(name).empty();
}

// Whether the trip passes the name parts (venue, species, method, bait).
bool namesPass(const TripRecord& record, const TripFilter& filter) {
    const auto same = [&](Field field, const std::string& chosen) {
        return !isSet(chosen) || foldName(record[field]) == foldName(chosen);
    };
    return same(Field::Venue, filter.venue) && same(Field::Method, filter.method) &&
           same(Field::Bait, filter.bait) &&
           (!isSet(filter.species) || listHolds(record[Field::Species], foldName(filter.species)));
}

bool wordPasses(const TripRecord& record, const WordTest& wordTest) {
    if (!wordTest) return false;
    return std::ranges::any_of(record.fields,
                               [&](const std::string& field) { return wordTest(field); });
}

bool inRange(const Date& date, const DateRange& range) {
    if (range.from && date < *range.from) return false;
    if (range.to && date > *range.to) return false;
    return range.month == 0 || date.month == range.month;
}

std::chrono::year_month_day ymdOf(const Date& date) {
    return {std::chrono::year{date.year}, std::chrono::month{static_cast<unsigned>(date.month)},
            std::chrono::day{static_cast<unsigned>(date.day)}};
}

Date dateOf(const std::chrono::year_month_day& ymd) {
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

}  // namespace

std::vector<TripRef> tripsOf(const RecordTable& table, int book) {
    if (table.recordCount() == 0) return {};
    return tripsOf(std::span(&table.slot(1), static_cast<std::size_t>(table.recordCount())), book);
}

std::vector<TripRef> tripsOf(std::span<const TripRecord> records, int book) {
    std::vector<TripRef> trips;
    trips.reserve(records.size());
    for (std::size_t k = 0; k < records.size(); ++k) {
        trips.push_back({&records[k], book, static_cast<int>(k) + 1});
    }
    return trips;
}

std::vector<TripRecord> recordsOf(std::span<const TripRef> trips) {
    std::vector<TripRecord> records;
    records.reserve(trips.size());
    for (const TripRef& trip : trips) records.push_back(*trip.record);
    return records;
}

DateRange quickDates(QuickDates choice, const Date& today) {
    using namespace std::chrono;
    switch (choice) {
        case QuickDates::ThisYear:
            return {Date{today.year, 1, 1}, Date{today.year, 12, 31}, 0};
        case QuickDates::LastYear:
            return {Date{today.year - 1, 1, 1}, Date{today.year - 1, 12, 31}, 0};
        case QuickDates::Last12Months: {
            year_month_day yearAgo = ymdOf({today.year - 1, today.month, today.day});
            // A year before February 29 is February 28, so the range starts on March 1.
            if (!yearAgo.ok()) yearAgo = yearAgo.year() / yearAgo.month() / last;
            return {dateOf(year_month_day{sys_days{yearAgo} + days{1}}), today, 0};
        }
    }
    return {};
}

bool TripFilter::isEmpty() const {
    return word.empty() && !dates.isSet() && !isSet(venue) && !isSet(species) && !isSet(method) &&
           !isSet(bait) && catches == CatchChoice::Any;
}

bool TripFilter::operator==(const TripFilter& other) const {
    return word == other.word && dates == other.dates && venue == other.venue &&
           species == other.species && method == other.method && bait == other.bait &&
           catches == other.catches;
}

Filtered applyFilter(std::span<const TripRef> trips, const TripFilter& filter,
                     const UnitNames& units, const WordTest& wordTest) {
    Filtered result;
    const bool byDate = filter.dates.isSet();
    for (std::size_t k = 0; k < trips.size(); ++k) {
        const TripRecord& record = *trips[k].record;
        if (!filter.word.empty() && !wordPasses(record, wordTest)) continue;
        if (!namesPass(record, filter)) continue;
        if (byDate) {
            const auto date = readDate(record[Field::Date]);
            if (!date) {
                ++result.undated;
                continue;
            }
            if (!inRange(*date, filter.dates)) continue;
        }
        if (filter.catches != CatchChoice::Any) {
            const auto weight =
                readWeight(record[Field::TotalWeightMajor], record[Field::TotalWeightMinor], units);
            if (!weight) {
                ++result.unweighed;
                continue;
            }
            if ((*weight > 0) != (filter.catches == CatchChoice::WithCatch)) continue;
        }
        result.shown.push_back(static_cast<int>(k));
    }
    return result;
}

std::vector<std::string> valuesPresent(std::span<const TripRef> trips, Field field) {
    const bool isList = fieldInfoOf(field).value == ValueKind::SpeciesList;
    std::vector<std::pair<std::string, std::string>> values;  // folded, as first typed
    std::unordered_set<std::string> seen;
    const auto add = [&](std::string_view text) {
        const std::string_view typed = trim(text);
        if (typed.empty()) return;
        std::string folded = foldName(typed);
        if (seen.insert(folded).second) values.emplace_back(std::move(folded), typed);
    };
    for (const TripRef& trip : trips) {
        std::string_view text = (*trip.record)[field];
        if (!isList) {
            add(text);
            continue;
        }
        while (true) {
            const std::size_t comma = text.find(',');
            add(text.substr(0, comma));
            if (comma == std::string_view::npos) break;
            text.remove_prefix(comma + 1);
        }
    }
    std::ranges::sort(values);
    std::vector<std::string> names;
    names.reserve(values.size());
    for (auto& value : values) names.push_back(std::move(value.second));
    return names;
}

}  // namespace rodwick::filtering
