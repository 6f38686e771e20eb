// SPDX-License-Identifier: GPL-3.0-or-later
#include "figures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <unordered_map>

#include "almanac.h"
#include "fields.h"
#include "translatable.h"

namespace rodwick::stats {
namespace {

// What the figures read from one trip, read once.
struct Reading {
    std::optional<double> weight;
    std::optional<int> start;
    std::optional<int> finish;
    std::optional<Date> date;
    std::optional<long long> price;
    std::optional<double> bestWeight;
};

// A field read by the reader of its kind.
template <Field field>
auto readField(const TripRecord& trip) {
    constexpr ValueKind kInd = fieldInfoOf(field).value;
    if constexpr (kInd == ValueKind::Time) {
        return readTime(trip[field]);
    } else if constexpr (kInd == ValueKind::Date) {
        return readDate(trip[field]);
    } else {
        static_assert(kInd == ValueKind::Price, "no reader of this kind");
        return readPrice(trip[field]);
    }
}

// A split weight: its major part and the minor part that follows it.
template <Field major>
requires(fieldInfoOf(major).unit ==
         UnitKind::WeightMajor) std::optional<double> readWeightOf(const TripRecord& trip,
                                                                   const UnitNames& units) {
    constexpr auto kMinor = static_cast<Field>(static_cast<int>(major) + 1);
    return readWeight(trip[major], trip[kMinor], units);
}

std::vector<Reading> readAll(std::span<const TripRecord> trips, const UnitNames& units) {
    std::vector<Reading> readings;
    readings.reserve(trips.size());
    for (const TripRecord& trip : trips) {
        readings.push_back({readWeightOf<Field::TotalWeightMajor>(trip, units),
                            readField<Field::StartTime>(trip), readField<Field::FinishTime>(trip),
                            readField<Field::Date>(trip), readField<Field::TicketPrice>(trip),
                            readWeightOf<Field::BestFishWeightMajor>(trip, units)});
    }
    return readings;
}

Summary summaryFrom(std::span<const TripRecord> trips, const std::vector<Reading>& readings) {
    Summary s;
    s.trips = static_cast<int>(trips.size());
    double catchWhileTimed = 0;
    int minutesWhileWeighed = 0;
    int noStart = 0, noFinish = 0;
    for (const Reading& r : readings) {
        if (r.date) {
            ++s.datedTrips;
            if (!s.firstDate || *r.date < *s.firstDate) s.firstDate = r.date;
            if (!s.lastDate || *r.date > *s.lastDate) s.lastDate = r.date;
        }
        noStart += !r.start;
        noFinish += !r.finish;
        if (r.start && r.finish) {
            ++s.timedTrips;
            s.minutesFished += minutesFished(*r.start, *r.finish);
        }
        if (r.weight) {
            ++s.weighedTrips;
            s.totalCatch += *r.weight;
            s.blankTrips += *r.weight == 0;
            if (r.start && r.finish) {
                catchWhileTimed += *r.weight;
                minutesWhileWeighed += minutesFished(*r.start, *r.finish);
            }
        }
        if (r.price) {
            ++s.pricedTrips;
            s.ticketTotal += *r.price;
        }
    }
    if (s.weighedTrips > 0) {
        s.catchPerTrip = s.totalCatch / s.weighedTrips;
        s.blankShare = static_cast<double>(s.blankTrips) / s.weighedTrips;
    }
    if (minutesWhileWeighed > 0) s.catchPerHour = catchWhileTimed * 60 / minutesWhileWeighed;
    if (s.pricedTrips > 0) s.ticketPerTrip = static_cast<double>(s.ticketTotal) / s.pricedTrips;
    note(s.notes, s.trips - s.datedTrips, RODWICK_TR_NOOP("Figures", "without a readable date"));
    note(s.notes, noStart, RODWICK_TR_NOOP("Figures", "without a readable start time"));
    note(s.notes, noFinish, RODWICK_TR_NOOP("Figures", "without a readable finish time"));
    note(s.notes, s.trips - s.weighedTrips,
         RODWICK_TR_NOOP("Figures", "without a readable total weight"));
    note(s.notes, s.trips - s.pricedTrips,
         RODWICK_TR_NOOP("Figures", "without a readable ticket price"));
    return s;
}

VenueTable venuesFrom(std::span<const TripRecord> trips, const std::vector<Reading>& readings) {
    VenueTable table;
    std::unordered_map<std::string, std::size_t> rowOf;
    std::vector<long long> ticketSums;
    std::vector<int> pricedTrips;
    int unnamed = 0, unweighed = 0;
    for (std::size_t k = 0; k < trips.size(); ++k) {
        const TripRecord& trip = trips[k];
        const Reading& r = readings[k];
        std::string key = foldName(trip[Field::Venue]);
        if (key.empty()) {
            ++unnamed;
            continue;
        }
        auto [it, added] = rowOf.try_emplace(std::move(key), table.rows.size());
        if (added) {
            VenueRow row;
            row.venue = std::string(trim(trip[Field::Venue]));
            table.rows.push_back(std::move(row));
            ticketSums.push_back(0);
            pricedTrips.push_back(0);
        }
        VenueRow& row = table.rows[it->second];
        ++row.trips;
        if (r.weight) {
            ++row.weighedTrips;
            row.totalCatch += *r.weight;
        } else {
            ++unweighed;
        }
        const std::string_view fish = trim(trip[Field::BestFish]);
        if (!fish.empty() && r.bestWeight && (!row.bestWeight || *r.bestWeight > *row.bestWeight)) {
            row.bestFish = std::string(fish);
            row.bestWeight = r.bestWeight;
        }
        if (r.price) {
            ticketSums[it->second] += *r.price;
            ++pricedTrips[it->second];
        }
        if (r.date && (!row.lastVisit || *r.date > *row.lastVisit)) row.lastVisit = r.date;
    }
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        VenueRow& row = table.rows[i];
        if (row.weighedTrips > 0) row.averageCatch = row.totalCatch / row.weighedTrips;
        if (pricedTrips[i] > 0) {
            row.averageTicket = static_cast<double>(ticketSums[i]) / pricedTrips[i];
        }
    }
    note(table.notes, unnamed, RODWICK_TR_NOOP("Figures", "without a venue"));
    note(table.notes, unweighed,
         RODWICK_TR_NOOP("Figures", "without a readable total weight, left out of the catch"));
    return table;
}

BestTable bestsFrom(std::span<const TripRecord> trips, const std::vector<Reading>& readings) {
    BestTable table;
    std::unordered_map<std::string, std::size_t> rowOf;
    int unnamed = 0, unweighed = 0;
    for (std::size_t k = 0; k < trips.size(); ++k) {
        const TripRecord& trip = trips[k];
        std::string key = foldName(trip[Field::BestFish]);
        if (key.empty()) {
            ++unnamed;
            continue;
        }
        if (!readings[k].bestWeight) {
            ++unweighed;
            continue;
        }
        const BestRow candidate{std::string(trim(trip[Field::BestFish])), *readings[k].bestWeight,
                                std::string(trim(trip[Field::Venue])),
                                std::string(trim(trip[Field::Date])), static_cast<int>(k) + 1};
        auto [it, added] = rowOf.try_emplace(std::move(key), table.rows.size());
        if (added) {
            table.rows.push_back(candidate);
        } else if (candidate.weight > table.rows[it->second].weight) {
            // The first trip keeps a tie: that fish was caught first.
            table.rows[it->second] = candidate;
        }
    }
    std::stable_sort(table.rows.begin(), table.rows.end(),
                     [](const BestRow& a, const BestRow& b) { return a.weight > b.weight; });
    note(table.notes, unnamed, RODWICK_TR_NOOP("Figures", "without a best fish named"));
    note(table.notes, unweighed, RODWICK_TR_NOOP("Figures", "without a readable best fish weight"));
    return table;
}

const char* withoutWords(Field field) {
    switch (field) {
        case Field::Method:
            return RODWICK_TR_NOOP("Figures", "without a method");
        case Field::Bait:
            return RODWICK_TR_NOOP("Figures", "without a bait");
        case Field::Weather:
            return RODWICK_TR_NOOP("Figures", "without a weather");
        case Field::WaterCondition:
            return RODWICK_TR_NOOP("Figures", "without a water condition");
        case Field::WaterType:
            return RODWICK_TR_NOOP("Figures", "without a type of water");
        default:
            return RODWICK_TR_NOOP("Figures", "without a value");
    }
}

ValueTable valuesFrom(std::span<const TripRecord> trips, const std::vector<Reading>& readings,
                      Field field) {
    ValueTable table;
    table.field = field;
    struct Group {
        std::string value;
        int trips = 0;
        double total = 0;
        int blanks = 0;
    };
    std::vector<Group> groups;
    std::unordered_map<std::string, std::size_t> groupOf;
    int empty = 0, unweighed = 0;
    for (std::size_t k = 0; k < trips.size(); ++k) {
        std::string key = foldName(trips[k][field]);
        if (key.empty()) {
            ++empty;
            continue;
        }
        if (!readings[k].weight) {
            ++unweighed;
            continue;
        }
        auto [it, added] = groupOf.try_emplace(std::move(key), groups.size());
        if (added) groups.push_back({std::string(trim(trips[k][field])), 0, 0, 0});
        Group& group = groups[it->second];
        ++group.trips;
        group.total += *readings[k].weight;
        group.blanks += *readings[k].weight == 0;
    }
    int single = 0;
    for (const Group& g : groups) {
        if (g.trips < 2) {
            ++single;
            continue;
        }
        table.rows.push_back({g.value, g.trips, g.total / g.trips, g.blanks});
    }
    std::stable_sort(
        table.rows.begin(), table.rows.end(),
        [](const ValueRow& a, const ValueRow& b) { return a.averageCatch > b.averageCatch; });
    note(table.notes, empty, withoutWords(field));
    note(table.notes, unweighed, RODWICK_TR_NOOP("Figures", "without a readable total weight"));
    note(table.notes, single, RODWICK_TR_NOOP("Figures", "whose value no other trip shares"));
    return table;
}

// The weighed trips of each of a fixed set of values, such as the moon's phases.
template <class Value, std::size_t kCount>
class Tallies {
  public:
    void add(Value value, double weight) {
        Tally& tally = tallies_[static_cast<std::size_t>(value)];
        ++tally.trips;
        tally.total += weight;
        tally.blanks += weight == 0;
    }
    // A row for each value that has a trip, in the values' own order.
    std::vector<ValueRow> rows() const {
        std::vector<ValueRow> rows;
        for (std::size_t i = 0; i < kCount; ++i) {
            const Tally& t = tallies_[i];
            if (t.trips == 0) continue;
            rows.push_back(
                {std::string(nameOf(static_cast<Value>(i))), t.trips, t.total / t.trips, t.blanks});
        }
        return rows;
    }

  private:
    struct Tally {
        int trips = 0;
        double total = 0;
        int blanks = 0;
    };
    std::array<Tally, kCount> tallies_{};
};

ValueTable moonPhasesFrom(const std::vector<Reading>& readings) {
    ValueTable table;
    table.field = Field::Date;
    Tallies<MoonPhase, kMoonPhaseCount> tallies;
    int undated = 0, unweighed = 0;
    for (const Reading& r : readings) {
        if (!r.date) {
            ++undated;
        } else if (!r.weight) {
            ++unweighed;
        } else {
            tallies.add(moonPhaseOf(*r.date), *r.weight);
        }
    }
    table.rows = tallies.rows();
    note(table.notes, undated, RODWICK_TR_NOOP("Figures", "without a readable date"));
    note(table.notes, unweighed, RODWICK_TR_NOOP("Figures", "without a readable total weight"));
    table.about = RODWICK_TR_NOOP(
        "Figures",
        "The moon's phase at midday (UT) on the trip's date, each phase an eighth of its cycle.");
    return table;
}

ValueTable timesOfDayFrom(const std::vector<Reading>& readings) {
    ValueTable table;
    table.field = Field::StartTime;
    Tallies<PartOfDay, kPartOfDayCount> tallies;
    int untimed = 0, timeless = 0, unweighed = 0;
    for (const Reading& r : readings) {
        if (!r.start || !r.finish) {
            ++untimed;
            continue;
        }
        const std::vector<PartOfDay> parts = partsOfDay(*r.start, *r.finish);
        if (parts.empty()) {
            ++timeless;
        } else if (!r.weight) {
            ++unweighed;
        } else {
            for (PartOfDay part : parts) tallies.add(part, *r.weight);
        }
    }
    table.rows = tallies.rows();
    note(table.notes, untimed,
         RODWICK_TR_NOOP("Figures", "without readable start and finish times"));
    note(table.notes, timeless,
         RODWICK_TR_NOOP("Figures", "whose start and finish are the same time"));
    note(table.notes, unweighed, RODWICK_TR_NOOP("Figures", "without a readable total weight"));
    table.about = partsOfDayBounds() + "; a trip counts in each part it spans.";
    return table;
}

MonthTable monthsFrom(const std::vector<Reading>& readings) {
    MonthTable table;
    std::optional<Date> first, last;
    int undated = 0;
    for (const Reading& r : readings) {
        if (!r.date) {
            ++undated;
            continue;
        }
        if (!first || *r.date < *first) first = r.date;
        if (!last || *r.date > *last) last = r.date;
    }
    if (first) {
        const int firstIndex = first->year * 12 + first->month - 1;
        const int count = last->year * 12 + last->month - 1 - firstIndex + 1;
        table.rows.resize(count);
        for (int i = 0; i < count; ++i) {
            table.rows[i].year = (firstIndex + i) / 12;
            table.rows[i].month = (firstIndex + i) % 12 + 1;
        }
        for (const Reading& r : readings) {
            if (!r.date) continue;
            MonthRow& row = table.rows[r.date->year * 12 + r.date->month - 1 - firstIndex];
            ++row.trips;
            if (r.weight) {
                ++row.weighedTrips;
                row.totalCatch += *r.weight;
            }
        }
    }
    note(table.notes, undated, RODWICK_TR_NOOP("Figures", "without a readable date"));
    return table;
}

}  // namespace

std::string describe(const LeftOut& leftOut) {
    return std::to_string(leftOut.trips) + (leftOut.trips == 1 ? " trip " : " trips ") +
           leftOut.why;
}

void note(std::vector<LeftOut>& notes, int trips, std::string why) {
    if (trips > 0) notes.push_back({trips, std::move(why)});
}

std::span<const TripRecord> tripsOf(const RecordTable& table) {
    if (table.recordCount() == 0) return {};
    return {&table.slot(1), static_cast<std::size_t>(table.recordCount())};
}

Summary summaryOf(std::span<const TripRecord> trips, const UnitNames& units) {
    return summaryFrom(trips, readAll(trips, units));
}
VenueTable venuesOf(std::span<const TripRecord> trips, const UnitNames& units) {
    return venuesFrom(trips, readAll(trips, units));
}
BestTable bestsOf(std::span<const TripRecord> trips, const UnitNames& units) {
    return bestsFrom(trips, readAll(trips, units));
}
ValueTable valuesOf(std::span<const TripRecord> trips, const UnitNames& units, Field field) {
    return valuesFrom(trips, readAll(trips, units), field);
}
MonthTable monthsOf(std::span<const TripRecord> trips, const UnitNames& units) {
    return monthsFrom(readAll(trips, units));
}

// What works groups the trips by a name as typed, which only a text field holds.
static_assert(std::ranges::all_of(kWhatWorksFields, [](Field field) {
    return fieldInfoOf(field).value == ValueKind::Text;
}));

Figures figuresOf(std::span<const TripRecord> trips, const UnitNames& units) {
    const std::vector<Reading> readings = readAll(trips, units);
    Figures figures;
    figures.summary = summaryFrom(trips, readings);
    figures.venues = venuesFrom(trips, readings);
    figures.bests = bestsFrom(trips, readings);
    for (Field field : kWhatWorksFields) {
        figures.whatWorks.push_back(valuesFrom(trips, readings, field));
    }
    figures.months = monthsFrom(readings);
    figures.moonPhases = moonPhasesFrom(readings);
    figures.timesOfDay = timesOfDayFrom(readings);
    return figures;
}

std::string formatShare(double share) {
    return std::to_string(std::lround(share * 100)) + "%";
}

std::string formatMonth(int year, int month) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d", year, month);
    return text;
}

}  // namespace rodwick::stats
