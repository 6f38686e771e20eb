// SPDX-License-Identifier: GPL-3.0-or-later
#include "trip_merge.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string_view>
#include <unordered_map>

namespace rodwick {

namespace {

using Ids = std::vector<int>;

std::uint64_t hashTrip(const TripRecord& trip) {
    std::uint64_t h = 0;
    for (const std::string& field : trip.fields) {
        // The length goes in too, so that text moved from one field to the next hashes apart.
        const std::uint64_t f = std::hash<std::string_view>{}(field) ^ (field.size() << 1);
        h ^= f + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
    }
    return h;
}

// Numbers the distinct trips of the lists, so that the merge compares numbers, not texts.
class TripIds {
  public:
    Ids of(std::span<const TripRecord> trips) {
        Ids ids;
        ids.reserve(trips.size());
        for (const TripRecord& trip : trips) ids.push_back(idOf(trip));
        return ids;
    }
    int count() const { return static_cast<int>(trips_.size()); }

  private:
    int idOf(const TripRecord& trip) {
        std::vector<int>& bucket = byHash_[hashTrip(trip)];
        for (const int id : bucket) {
            if (*trips_[static_cast<std::size_t>(id)] == trip) return id;
        }
        bucket.push_back(count());
        trips_.push_back(&trip);
        return bucket.back();
    }

    std::unordered_map<std::uint64_t, std::vector<int>> byHash_;
    std::vector<const TripRecord*> trips_;
};

std::vector<int> countsOf(const Ids& ids, int kinds) {
    std::vector<int> counts(static_cast<std::size_t>(kinds));
    for (const int id : ids) ++counts[static_cast<std::size_t>(id)];
    return counts;
}

// For each element of a, the index of the element of b it is matched with in a longest common
// subsequence, or -1. O(|a|·|b|): trip lists are at most a few hundred long.
std::vector<int> align(const Ids& a, const Ids& b) {
    const std::size_t n = a.size(), m = b.size(), width = m + 1;
    // suffix[i * width + j]: the longest common subsequence of a[i..] and b[j..].
    std::vector<std::uint32_t> suffix((n + 1) * width, 0);
    for (std::size_t i = n; i-- > 0;) {
        for (std::size_t j = m; j-- > 0;) {
            suffix[i * width + j] =
                a[i] == b[j] ? suffix[(i + 1) * width + j + 1] + 1
                             : std::max(suffix[(i + 1) * width + j], suffix[i * width + j + 1]);
        }
    }
    std::vector<int> matched(n, -1);
    for (std::size_t i = 0, j = 0; i < n && j < m;) {
        if (a[i] == b[j]) {
            matched[i++] = static_cast<int>(j++);
        } else if (suffix[(i + 1) * width + j] >= suffix[i * width + j + 1]) {
            ++i;
        } else {
            ++j;
        }
    }
    return matched;
}

// One side aligned against the base.
struct Alignment {
    std::vector<int> sideOfBase;  // base index -> the side's index, or -1 where it was removed
    std::vector<int> baseOfSide;  // the side's index -> base index, or -1 for a trip it added
    // For a trip the side added: the first base index of the stretch it stands in (between the
    // base trips before and after it that the side kept).
    std::vector<int> stretchOf;
    // base index -> the id of the trip the side put in its place, or -1: within one stretch
    // the k-th removed base trip is taken as replaced by the k-th added one.
    std::vector<int> replacementOf;
};

// With movedToo, a base trip the sequence left unmatched is then matched with a copy of it the
// side holds elsewhere, so that a trip the side moved (a file sorted another way) is found
// where it stands. Stretches run between the trips the sequence matched; a moved trip is
// neither one of them nor an added trip.
Alignment alignToBase(const Ids& base, const Ids& side, bool movedToo) {
    Alignment al;
    al.sideOfBase = align(base, side);
    al.baseOfSide.assign(side.size(), -1);
    for (std::size_t j = 0; j < base.size(); ++j) {
        if (al.sideOfBase[j] >= 0)
            al.baseOfSide[static_cast<std::size_t>(al.sideOfBase[j])] = static_cast<int>(j);
    }
    // nextInSequence[j]: the first base index at or after j that the sequence matched.
    std::vector<std::size_t> nextInSequence(base.size() + 1, base.size());
    for (std::size_t j = base.size(); j-- > 0;)
        nextInSequence[j] = al.sideOfBase[j] >= 0 ? j : nextInSequence[j + 1];
    const std::vector<int> inSequence = al.baseOfSide;

    if (movedToo) {
        std::unordered_map<int, std::vector<std::size_t>> unmatched;  // id -> side indexes
        for (std::size_t q = side.size(); q-- > 0;) {
            if (al.baseOfSide[q] < 0) unmatched[side[q]].push_back(q);
        }
        for (std::size_t j = 0; j < base.size(); ++j) {
            const auto copies = unmatched.find(base[j]);
            if (al.sideOfBase[j] >= 0 || copies == unmatched.end() || copies->second.empty())
                continue;
            const std::size_t q = copies->second.back();
            copies->second.pop_back();
            al.sideOfBase[j] = static_cast<int>(q);
            al.baseOfSide[q] = static_cast<int>(j);
        }
    }

    al.stretchOf.assign(side.size(), -1);
    al.replacementOf.assign(base.size(), -1);
    std::size_t stretch = 0;  // first base index after the last one the sequence matched
    std::size_t removed = 0;  // the next base trip of the stretch the side removed
    for (std::size_t q = 0; q < side.size(); ++q) {
        if (inSequence[q] >= 0) {
            stretch = removed = static_cast<std::size_t>(inSequence[q]) + 1;
            continue;
        }
        if (al.baseOfSide[q] >= 0) continue;  // moved
        al.stretchOf[q] = static_cast<int>(stretch);
        while (removed < nextInSequence[stretch] && al.sideOfBase[removed] >= 0) ++removed;
        if (removed < nextInSequence[stretch]) al.replacementOf[removed++] = side[q];
    }
    return al;
}

MergeSummary summaryOf(const std::vector<int>& before, const std::vector<int>& after,
                       std::size_t total) {
    MergeSummary summary;
    for (std::size_t k = 0; k < before.size(); ++k) {
        summary.added += std::max(after[k] - before[k], 0);
        summary.removed += std::max(before[k] - after[k], 0);
    }
    summary.total = static_cast<int>(total);
    return summary;
}

std::vector<TripRecord> tripsOf(std::span<const TripRecord> side, const std::vector<bool>& taken) {
    std::vector<TripRecord> trips;
    for (std::size_t i = 0; i < side.size(); ++i) {
        if (taken[i]) trips.push_back(side[i]);
    }
    return trips;
}

}  // namespace

TripMerge mergeTrips(std::span<const TripRecord> base, std::span<const TripRecord> mine,
                     std::span<const TripRecord> theirs) {
    TripIds ids;
    const Ids b = ids.of(base), m = ids.of(mine), t = ids.of(theirs);
    const int kinds = ids.count();
    const std::vector<int> inBase = countsOf(b, kinds), inMine = countsOf(m, kinds),
                           inTheirs = countsOf(t, kinds);
    std::vector<int> kept(static_cast<std::size_t>(kinds));
    for (std::size_t k = 0; k < kept.size(); ++k) {
        kept[k] = std::min(std::max(inMine[k] + inTheirs[k] - inBase[k], 0),
                           std::max(inMine[k], inTheirs[k]));
    }

    // Mine by sequence alone, so that a trip moved here moves in the result too.
    const Alignment ours = alignToBase(b, m, false), others = alignToBase(b, t, true);
    const auto mineRemoved = [&](std::size_t i) {
        const int j = others.baseOfSide[i];
        return j >= 0 && ours.sideOfBase[static_cast<std::size_t>(j)] < 0;
    };

    // Which copies of each trip the result holds: theirs' copies this side left alone first,
    // then the trips this side added (where they stand in mine), and only then theirs' copies
    // of trips this side removed, so that a trip moved on this side moves.
    std::vector<int> left = kept;
    const auto take = [&](int id) {
        int& n = left[static_cast<std::size_t>(id)];
        return n > 0 ? (--n, true) : false;
    };
    std::vector<bool> theirsTaken(t.size()), mineTaken(m.size());
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (!mineRemoved(i)) theirsTaken[i] = take(t[i]);
    }
    for (std::size_t q = 0; q < m.size(); ++q) {
        if (ours.baseOfSide[q] < 0) mineTaken[q] = take(m[q]);
    }
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (mineRemoved(i)) theirsTaken[i] = take(t[i]);
    }

    // A trip this side added goes before theirs' position of the first base trip at or after its
    // stretch that theirs kept: in the place of the trip it replaced, after theirs' own trips
    // where theirs changed or removed that one too, and at the end after the last base trip.
    std::vector<std::size_t> placeOfBase(b.size() + 1, t.size());
    for (std::size_t j = b.size(); j-- > 0;) {
        placeOfBase[j] = others.sideOfBase[j] >= 0 ? static_cast<std::size_t>(others.sideOfBase[j])
                                                   : placeOfBase[j + 1];
    }
    std::vector<std::vector<std::size_t>> addedBefore(t.size() + 1);
    for (std::size_t q = 0; q < m.size(); ++q) {
        if (mineTaken[q])
            addedBefore[placeOfBase[static_cast<std::size_t>(ours.stretchOf[q])]].push_back(q);
    }

    TripMerge merge;
    for (std::size_t i = 0; i <= t.size(); ++i) {
        for (const std::size_t q : addedBefore[i]) merge.trips.push_back(mine[q]);
        if (i < t.size() && theirsTaken[i]) merge.trips.push_back(theirs[i]);
    }

    merge.summary = summaryOf(inMine, kept, merge.trips.size());
    for (std::size_t j = 0; j < b.size(); ++j) {
        const int ourForm = ours.replacementOf[j], theirForm = others.replacementOf[j];
        if (ourForm >= 0 && theirForm >= 0 && ourForm != theirForm) ++merge.summary.keptBoth;
    }
    return merge;
}

TripMerge unionTrips(std::span<const TripRecord> mine, std::span<const TripRecord> theirs) {
    TripIds ids;
    const Ids m = ids.of(mine), t = ids.of(theirs);
    const std::vector<int> inMine = countsOf(m, ids.count());
    std::vector<int> seen(inMine.size());
    std::vector<bool> extra(t.size());
    for (std::size_t i = 0; i < t.size(); ++i) {
        const std::size_t k = static_cast<std::size_t>(t[i]);
        extra[i] = ++seen[k] > inMine[k];
    }
    TripMerge merge;
    merge.trips.assign(mine.begin(), mine.end());
    for (TripRecord& trip : tripsOf(theirs, extra)) merge.trips.push_back(std::move(trip));
    std::vector<int> kept = inMine;
    for (std::size_t k = 0; k < kept.size(); ++k) kept[k] = std::max(kept[k], seen[k]);
    merge.summary = summaryOf(inMine, kept, merge.trips.size());
    return merge;
}

std::optional<std::size_t> chooseCommonBase(std::span<const std::vector<TripRecord>> candidates,
                                            std::span<const TripRecord> mine,
                                            std::span<const TripRecord> theirs) {
    TripIds ids;
    const Ids m = ids.of(mine), t = ids.of(theirs);
    std::vector<Ids> versions;
    for (const std::vector<TripRecord>& candidate : candidates)
        versions.push_back(ids.of(candidate));
    const std::vector<int> inMine = countsOf(m, ids.count()), inTheirs = countsOf(t, ids.count());

    // The score is how many trips a version shares with both sides. Of equal scores the older
    // version is taken: a base older than the true common one can only bring back a trip that
    // was deleted, while a newer one (a version only one side ever had) makes that side's
    // additions look like deletions by the other side, and they would be lost.
    // A version one side holds as it is is no base either: merged against it, every trip that
    // side added since the true common version would look deleted by the other side. Without a
    // base the sides are joined, which at worst brings back a trip one side deleted.
    std::optional<std::size_t> best;
    int bestScore = 0;
    for (std::size_t c = 0; c < versions.size(); ++c) {
        const std::vector<int> inVersion = countsOf(versions[c], ids.count());
        if (inVersion == inMine || inVersion == inTheirs) continue;
        int score = 0;
        for (std::size_t k = 0; k < inVersion.size(); ++k)
            score += std::min({inVersion[k], inMine[k], inTheirs[k]});
        if (score > bestScore) {
            bestScore = score;
            best = c;
        }
    }
    return best;
}

MergeSummary summarizeChange(std::span<const TripRecord> before,
                             std::span<const TripRecord> after) {
    TripIds ids;
    const Ids was = ids.of(before), is = ids.of(after);
    return summaryOf(countsOf(was, ids.count()), countsOf(is, ids.count()), after.size());
}

std::vector<int> followTrips(std::span<const TripRecord> before,
                             std::span<const TripRecord> after) {
    std::vector<int> follow(before.size(), -1);
    if (before.size() == after.size()) {
        std::size_t differ = 0;
        for (std::size_t i = 0; i < before.size(); ++i) differ += before[i] == after[i] ? 0 : 1;
        if (differ <= 1) {
            for (std::size_t i = 0; i < before.size(); ++i) follow[i] = static_cast<int>(i);
            return follow;
        }
    }

    TripIds ids;
    const Ids b = ids.of(before), a = ids.of(after);
    const std::vector<int> inSequence = align(b, a);
    std::vector<int> beforeOf(a.size(), -1);
    for (std::size_t i = 0; i < b.size(); ++i) {
        follow[i] = inSequence[i];
        if (follow[i] >= 0) beforeOf[static_cast<std::size_t>(follow[i])] = static_cast<int>(i);
    }
    // Moved: a trip the sequence left out, found elsewhere.
    std::unordered_map<int, std::vector<std::size_t>> unmatched;  // id -> positions in after
    for (std::size_t j = a.size(); j-- > 0;) {
        if (beforeOf[j] < 0) unmatched[a[j]].push_back(j);
    }
    for (std::size_t i = 0; i < b.size(); ++i) {
        auto copies = unmatched.find(b[i]);
        if (follow[i] >= 0 || copies == unmatched.end() || copies->second.empty()) continue;
        follow[i] = static_cast<int>(copies->second.back());
        beforeOf[copies->second.back()] = static_cast<int>(i);
        copies->second.pop_back();
    }
    // Edited in place: between two trips the sequence kept, one trip gone and one come.
    std::size_t i = 0, j = 0;  // the stretch after the last kept trip
    for (std::size_t k = 0; k <= b.size(); ++k) {
        if (k < b.size() && inSequence[k] < 0) continue;
        const std::size_t end = k < b.size() ? static_cast<std::size_t>(inSequence[k]) : a.size();
        std::vector<std::size_t> gone, come;
        for (std::size_t p = i; p < k; ++p) {
            if (follow[p] < 0) gone.push_back(p);
        }
        for (std::size_t q = j; q < end; ++q) {
            if (beforeOf[q] < 0) come.push_back(q);
        }
        if (gone.size() == 1 && come.size() == 1) follow[gone[0]] = static_cast<int>(come[0]);
        i = k + 1;
        j = end + 1;
    }
    return follow;
}

std::optional<std::size_t> findNearest(std::span<const TripRecord> trips, const TripRecord& trip,
                                       std::size_t near) {
    std::optional<std::size_t> found;
    std::size_t distance = 0;
    for (std::size_t i = 0; i < trips.size(); ++i) {
        const std::size_t d = i > near ? i - near : near - i;
        if (trips[i] == trip && (!found || d < distance)) {
            found = i;
            distance = d;
        }
    }
    return found;
}

}  // namespace rodwick
