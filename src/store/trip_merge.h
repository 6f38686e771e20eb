// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "record_table.h"

namespace rodwick {

// One log book kept on two machines: the trips of this program's table ("mine") and of the
// file as another machine left it ("theirs") brought together. Two trips are the same trip when
// all 22 fields are equal byte for byte; a trip changed in any field is another trip.

// What a merge did, counted against one side (mine, or the table before the book took the
// merge in).
struct MergeSummary {
    int added = 0;     // trips the result holds that side did not (came from the other side)
    int removed = 0;   // trips of that side the result no longer holds (the other side's deletions)
    int keptBoth = 0;  // trips changed differently on both sides, now held in both forms
    int total = 0;     // trips in the result
    // A result past 250 trips is not taken: nothing is changed.
    bool tooMany() const { return total > RecordTable::kMaxRecords; }
    bool operator==(const MergeSummary&) const = default;
};

struct TripMerge {
    std::vector<TripRecord> trips;
    MergeSummary summary;  // counted against mine
};

// The three-way merge: base is the trips as last loaded or saved, mine the table's, theirs the
// file's now. For each distinct trip t held b, m and th times by base, mine and theirs, the
// result holds it min(max(m + th - b, 0), max(m, th)) times: a trip added on either side is
// kept, one deleted on one side and left alone on the other is deleted, a change made on one
// side is taken, one made on both sides differently is kept in both forms, one made the same way
// on both sides is kept once.
//
// Order: the file's order, with the trips this side added after it; a trip this side changed
// in place stands where the trip it replaced stands in the file (where the file changed or
// removed that trip too, after the file's own trips there). So merge(base, mine, base) is mine
// and merge(base, base, theirs) is theirs, order included.
TripMerge mergeTrips(std::span<const TripRecord> base, std::span<const TripRecord> mine,
                     std::span<const TripRecord> theirs);

// Without a common earlier version: every trip of either side once (max(m, th) times), mine's
// order first, then the trips only theirs holds in theirs' order. Nothing is removed.
TripMerge unionTrips(std::span<const TripRecord> mine, std::span<const TripRecord> theirs);

// The earlier version of the trips to merge mine and theirs against, from candidates given
// oldest first: the one sharing the most trips with both sides, or nothing when none shares
// any (then unionTrips is the safe merge).
std::optional<std::size_t> chooseCommonBase(std::span<const std::vector<TripRecord>> candidates,
                                            std::span<const TripRecord> mine,
                                            std::span<const TripRecord> theirs);

// The counts of a change from before to after, as a merge's summary counts them (keptBoth 0).
MergeSummary summarizeChange(std::span<const TripRecord> before, std::span<const TripRecord> after);

// The position (0-based) of the trip equal to trip nearest to position near (the earlier of
// two as near), or nothing when trips holds none equal to it.
std::optional<std::size_t> findNearest(std::span<const TripRecord> trips, const TripRecord& trip,
                                       std::size_t near);

// Which trip became which when the trips changed (an edit, a delete, an undo, a merge, a
// reload): for each trip of before, the position (0-based) of the same trip in after, or -1
// where it is gone. Equal trips match in order (the longest common subsequence), then a trip the
// change moved is found where it now stands; a trip replaced in its place by one other trip,
// with nothing else removed or added between the trips kept on either side, is that trip
// edited; so are lists of one length that differ in one place. Which of a run of equal trips
// was removed or added the lists cannot tell: RecordBook::lastChange() can.
std::vector<int> followTrips(std::span<const TripRecord> before, std::span<const TripRecord> after);

}  // namespace rodwick
