#include "figures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <unordered_map>

#include "fields.h"

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
auto ReadField(const TripRecord& trip) {
    constexpr ValueKind kind = FieldInfoOf(field).value;
    if constexpr (kind == ValueKind::time) {
        return ReadTime(trip[field]);
    } else if constexpr (kind == ValueKind::date) {
        return ReadDate(trip[field]);
    } else {
        static_assert(kind == ValueKind::price, "no reader of this kind");
        return ReadPrice(trip[field]);
    }
}

// A split weight: its major part and the minor part that follows it.
template <Field major>
requires(FieldInfoOf(major).unit ==
         UnitKind::weightMajor) std::optional<double> ReadWeightOf(const TripRecord& trip,
                                                                   const UnitNames& units) {
    constexpr auto minor = static_cast<Field>(static_cast<int>(major) + 1);
    return ReadWeight(trip[major], trip[minor], units);
}

std::vector<Reading> ReadAll(std::span<const TripRecord> trips, const UnitNames& units) {
    std::vector<Reading> readings;
    readings.reserve(trips.size());
    for (const TripRecord& trip : trips) {
        readings.push_back({ReadWeightOf<Field::totalWeightMajor>(trip, units),
                            ReadField<Field::startTime>(trip), ReadField<Field::finishTime>(trip),
                            ReadField<Field::date>(trip), ReadField<Field::ticketPrice>(trip),
                            ReadWeightOf<Field::bestFishWeightMajor>(trip, units)});
    }
    return readings;
}

// A finish before the start means the trip ran past midnight.
int MinutesFished(int start, int finish) {
    return finish >= start ? finish - start : finish + 1440 - start;
}

Summary SummaryFrom(std::span<const TripRecord> trips, const std::vector<Reading>& readings) {
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
            s.minutesFished += MinutesFished(*r.start, *r.finish);
        }
        if (r.weight) {
            ++s.weighedTrips;
            s.totalCatch += *r.weight;
            s.blankTrips += *r.weight == 0;
            if (r.start && r.finish) {
                catchWhileTimed += *r.weight;
                minutesWhileWeighed += MinutesFished(*r.start, *r.finish);
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
    Note(s.notes, s.trips - s.datedTrips, "without a readable date");
    Note(s.notes, noStart, "without a readable start time");
    Note(s.notes, noFinish, "without a readable finish time");
    Note(s.notes, s.trips - s.weighedTrips, "without a readable total weight");
    Note(s.notes, s.trips - s.pricedTrips, "without a readable ticket price");
    return s;
}

VenueTable VenuesFrom(std::span<const TripRecord> trips, const std::vector<Reading>& readings) {
    VenueTable table;
    std::unordered_map<std::string, std::size_t> rowOf;
    std::vector<long long> ticketSums;
    std::vector<int> pricedTrips;
    int unnamed = 0, unweighed = 0;
    for (std::size_t k = 0; k < trips.size(); ++k) {
        const TripRecord& trip = trips[k];
        const Reading& r = readings[k];
        std::string key = FoldName(trip[Field::venue]);
        if (key.empty()) {
            ++unnamed;
            continue;
        }
        auto [it, added] = rowOf.try_emplace(std::move(key), table.rows.size());
        if (added) {
            VenueRow row;
            row.venue = std::string(Trim(trip[Field::venue]));
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
        const std::string_view fish = Trim(trip[Field::bestFish]);
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
    Note(table.notes, unnamed, "without a venue");
    Note(table.notes, unweighed, "without a readable total weight, left out of the catch");
    return table;
}

BestTable BestsFrom(std::span<const TripRecord> trips, const std::vector<Reading>& readings) {
    BestTable table;
    std::unordered_map<std::string, std::size_t> rowOf;
    int unnamed = 0, unweighed = 0;
    for (std::size_t k = 0; k < trips.size(); ++k) {
        const TripRecord& trip = trips[k];
        std::string key = FoldName(trip[Field::bestFish]);
        if (key.empty()) {
            ++unnamed;
            continue;
        }
        if (!readings[k].bestWeight) {
            ++unweighed;
            continue;
        }
        const BestRow candidate{std::string(Trim(trip[Field::bestFish])), *readings[k].bestWeight,
                                std::string(Trim(trip[Field::venue])),
                                std::string(Trim(trip[Field::date])), static_cast<int>(k) + 1};
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
    Note(table.notes, unnamed, "without a best fish named");
    Note(table.notes, unweighed, "without a readable best fish weight");
    return table;
}

const char* FieldWords(Field field) {
    switch (field) {
        case Field::method:
            return "a method";
        case Field::bait:
            return "a bait";
        case Field::weather:
            return "a weather";
        case Field::waterCondition:
            return "a water condition";
        case Field::waterType:
            return "a type of water";
        default:
            return "a value";
    }
}

ValueTable ValuesFrom(std::span<const TripRecord> trips, const std::vector<Reading>& readings,
                      Field field) {
    ValueTable table;
    table.field = field;
    struct Group {
        std::string value;
        int trips = 0;
        double total = 0;
    };
    std::vector<Group> groups;
    std::unordered_map<std::string, std::size_t> groupOf;
    int empty = 0, unweighed = 0;
    for (std::size_t k = 0; k < trips.size(); ++k) {
        std::string key = FoldName(trips[k][field]);
        if (key.empty()) {
            ++empty;
            continue;
        }
        if (!readings[k].weight) {
            ++unweighed;
            continue;
        }
        auto [it, added] = groupOf.try_emplace(std::move(key), groups.size());
        if (added) groups.push_back({std::string(Trim(trips[k][field])), 0, 0});
        ++groups[it->second].trips;
        groups[it->second].total += *readings[k].weight;
    }
    int single = 0;
    for (const Group& g : groups) {
        if (g.trips < 2) {
            ++single;
            continue;
        }
        table.rows.push_back({g.value, g.trips, g.total / g.trips});
    }
    std::stable_sort(
        table.rows.begin(), table.rows.end(),
        [](const ValueRow& a, const ValueRow& b) { return a.averageCatch > b.averageCatch; });
    Note(table.notes, empty, std::string("without ") + FieldWords(field));
    Note(table.notes, unweighed, "without a readable total weight");
    Note(table.notes, single, "whose value no other trip shares");
    return table;
}

MonthTable MonthsFrom(const std::vector<Reading>& readings) {
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
    Note(table.notes, undated, "without a readable date");
    return table;
}

}  // namespace

std::string Describe(const LeftOut& leftOut) {
    return std::to_string(leftOut.trips) + (leftOut.trips == 1 ? " trip " : " trips ") +
           leftOut.why;
}

void Note(std::vector<LeftOut>& notes, int trips, std::string why) {
    if (trips > 0) notes.push_back({trips, std::move(why)});
}

std::span<const TripRecord> TripsOf(const RecordTable& table) {
    if (table.recordCount() == 0) return {};
    return {&table.slot(1), static_cast<std::size_t>(table.recordCount())};
}

Summary SummaryOf(std::span<const TripRecord> trips, const UnitNames& units) {
    return SummaryFrom(trips, ReadAll(trips, units));
}
VenueTable VenuesOf(std::span<const TripRecord> trips, const UnitNames& units) {
    return VenuesFrom(trips, ReadAll(trips, units));
}
BestTable BestsOf(std::span<const TripRecord> trips, const UnitNames& units) {
    return BestsFrom(trips, ReadAll(trips, units));
}
ValueTable ValuesOf(std::span<const TripRecord> trips, const UnitNames& units, Field field) {
    return ValuesFrom(trips, ReadAll(trips, units), field);
}
MonthTable MonthsOf(std::span<const TripRecord> trips, const UnitNames& units) {
    return MonthsFrom(ReadAll(trips, units));
}

// What works groups the trips by a name as typed, which only a text field holds.
static_assert(std::ranges::all_of(kWhatWorksFields, [](Field field) {
    return FieldInfoOf(field).value == ValueKind::text;
}));

Figures FiguresOf(std::span<const TripRecord> trips, const UnitNames& units) {
    const std::vector<Reading> readings = ReadAll(trips, units);
    Figures figures{SummaryFrom(trips, readings),
                    VenuesFrom(trips, readings),
                    BestsFrom(trips, readings),
                    {},
                    MonthsFrom(readings)};
    for (Field field : kWhatWorksFields) {
        figures.whatWorks.push_back(ValuesFrom(trips, readings, field));
    }
    return figures;
}

std::string FormatWeight(double minorUnits, const UnitNames& units) {
    const long long perMajor = MinorPerMajor(units);
    const long long whole = std::llround(minorUnits);
    return std::to_string(whole / perMajor) + " " + units.weightMajorUnit + " " +
           std::to_string(whole % perMajor) + " " + units.weightMinorUnit;
}

std::string FormatMoney(double cents) {
    const long long whole = std::llround(cents);
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%02lld", whole / 100, whole % 100);
    return text;
}

std::string FormatDuration(int minutes) {
    return std::to_string(minutes / 60) + " h " + std::to_string(minutes % 60) + " min";
}

std::string FormatDate(const Date& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d-%02d-%04d", date.month, date.day, date.year);
    return text;
}

std::string FormatShare(double share) {
    return std::to_string(std::lround(share * 100)) + "%";
}

std::string FormatMonth(int year, int month) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d", year, month);
    return text;
}

}  // namespace rodwick::stats
