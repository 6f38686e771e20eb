// SPDX-License-Identifier: GPL-3.0-or-later
// The merge of two versions of a log book against a third. The input is three lists of trips
// from an alphabet of seven (one byte a trip, 7 ends a list), so that shared trips and copies
// of one trip are frequent. For every distinct trip the result holds it as many times as the
// counts rule says: never more than either side, never fewer than either side added, never one
// that one side deleted and the other left alone. One side unchanged gives the other exactly,
// the sides swapped give the same trips, the summary counts what changed, and without a common
// version every trip of either side is kept once, mine's first.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "fuzz_check.h"
#include "trip_merge.h"

using namespace rodwick;
using rodwick::fuzz::require;

namespace {

constexpr std::size_t kLongest = 260;  // a few past the limit of one file

// The alphabet: trips that differ in one field only, one of them the empty trip.
const TripRecord& letter(int k) {
    static const std::vector<TripRecord> kLetters = [] {
        std::vector<TripRecord> letters(7);
        for (int n = 0; n < 7; ++n) {
            for (int f = 0; f < kFieldCount; ++f) letters[n].fields[f] = n == 0 ? "" : "same";
            if (n > 0) letters[n][Field::Remarks] = std::string(static_cast<std::size_t>(n), 'a');
        }
        return letters;
    }();
    return kLetters[static_cast<std::size_t>(k)];
}

using Counts = std::map<std::string, int>;

std::string key(const TripRecord& trip) {
    std::string text;
    for (const std::string& field : trip.fields) text += field + '\n';
    return text;
}

Counts countsOf(const std::vector<TripRecord>& trips) {
    Counts counts;
    for (const TripRecord& trip : trips) ++counts[key(trip)];
    return counts;
}

int countIn(const Counts& counts, const std::string& trip) {
    const auto found = counts.find(trip);
    return found == counts.end() ? 0 : found->second;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<TripRecord> lists[3];
    std::size_t list = 0;
    for (std::size_t i = 0; i < size && list < 3; ++i) {
        const int b = data[i] % 8;
        if (b == 7) {
            ++list;
        } else if (lists[list].size() < kLongest) {
            lists[list].push_back(letter(b));
        }
    }
    const std::vector<TripRecord>& base = lists[0];
    const std::vector<TripRecord>& mine = lists[1];
    const std::vector<TripRecord>& theirs = lists[2];

    const TripMerge merge = mergeTrips(base, mine, theirs);
    const Counts inBase = countsOf(base), inMine = countsOf(mine), inTheirs = countsOf(theirs),
                 merged = countsOf(merge.trips);
    Counts every = inBase;
    for (const auto& [trip, n] : inMine) every[trip] += n;
    for (const auto& [trip, n] : inTheirs) every[trip] += n;
    int added = 0, removed = 0;
    for (const auto& [trip, unused] : every) {
        const int b = countIn(inBase, trip), m = countIn(inMine, trip), t = countIn(inTheirs, trip),
                  r = countIn(merged, trip);
        require(r <= std::max(m, t), "no trip is held more often than either side holds it");
        require(r >= m - b && r >= t - b, "a trip added on either side is kept");
        require(t != b || r == m, "what mine deleted, and theirs left alone, stays deleted");
        require(m != b || r == t, "what theirs deleted, and mine left alone, stays deleted");
        require(r == std::min(std::max(m + t - b, 0), std::max(m, t)), "the counts rule");
        added += std::max(r - m, 0);
        removed += std::max(m - r, 0);
    }
    require(merge.summary.added == added && merge.summary.removed == removed,
            "the summary counts against mine");
    require(merge.summary.total == static_cast<int>(merge.trips.size()) &&
                merge.summary.tooMany() == (merge.trips.size() > RecordTable::kMaxRecords),
            "the summary tells the result's size");
    require(merge.summary.keptBoth >= 0 && merge.summary.keptBoth <= static_cast<int>(base.size()),
            "kept in both forms: base trips only");

    require(mergeTrips(base, mine, base).trips == mine, "theirs unchanged gives mine");
    require(mergeTrips(base, base, theirs).trips == theirs, "mine unchanged gives theirs");
    require(countsOf(mergeTrips(base, theirs, mine).trips) == merged,
            "the sides swapped give the same trips");

    const TripMerge joined = unionTrips(mine, theirs);
    require(std::equal(mine.begin(), mine.end(), joined.trips.begin(),
                       joined.trips.begin() + static_cast<std::ptrdiff_t>(
                                                  std::min(mine.size(), joined.trips.size()))) &&
                joined.trips.size() >= mine.size(),
            "without a base mine comes first, whole");
    const Counts inJoined = countsOf(joined.trips);
    for (const auto& [trip, unused] : every) {
        require(countIn(inJoined, trip) == std::max(countIn(inMine, trip), countIn(inTheirs, trip)),
                "without a base every trip of either side once");
    }
    return 0;
}
