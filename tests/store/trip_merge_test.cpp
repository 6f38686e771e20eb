// SPDX-License-Identifier: GPL-3.0-or-later
// The merge of two versions of a log book's trips: one table of three-way cases (each rule,
// duplicates, empty sides, order), the merge without a common version, and the choice of the
// earlier version to merge against; which trip became which through a change.
#include "trip_merge.h"

#include <gtest/gtest.h>

#include <string>

#include "rodwick_test/store_test_util.h"

namespace rodwick::testing {
namespace {

// One trip per letter: "aBc" is trips a, B and c. A capital is a changed form of its small
// letter where a case says so; to the merge it is simply another trip.
std::vector<TripRecord> lettered(const std::string& letters) {
    std::vector<TripRecord> list;
    for (const char c : letters) list.push_back(tagged(std::string(1, c)));
    return list;
}

std::string letters(const std::vector<TripRecord>& list) {
    std::string text;
    for (const TripRecord& trip : list) text += trip.fields[0].substr(0, trip.fields[0].find('.'));
    return text;
}

struct MergeCase {
    const char* what;
    const char* base;
    const char* mine;
    const char* theirs;
    const char* merged;
    int added;  // from theirs
    int removed;
    int keptBoth;
};

const MergeCase kMergeCases[] = {
    {"nothing changed", "abc", "abc", "abc", "abc", 0, 0, 0},
    {"added here", "abc", "abcx", "abc", "abcx", 0, 0, 0},
    {"added there", "abc", "abc", "abcy", "abcy", 1, 0, 0},
    {"added on both sides, ours after theirs", "abc", "abcx", "abcy", "abcyx", 1, 0, 0},
    {"the same trip added on both sides, once", "abc", "abcx", "abcx", "abcx", 0, 0, 0},
    {"deleted here", "abc", "ac", "abc", "ac", 0, 0, 0},
    {"deleted there", "abc", "abc", "ac", "ac", 0, 1, 0},
    {"deleted on both sides", "abc", "ac", "ac", "ac", 0, 0, 0},
    {"changed here", "abc", "aBc", "abc", "aBc", 0, 0, 0},
    {"changed there", "abc", "abc", "aBc", "aBc", 1, 1, 0},
    {"changed differently on both sides, both kept, theirs first", "abc", "aBc", "aDc", "aDBc", 1,
     0, 1},
    {"changed the same way on both sides, once", "abc", "aBc", "aBc", "aBc", 0, 0, 0},
    {"deleted here, changed there: the change stays", "abc", "ac", "aDc", "aDc", 1, 0, 0},
    {"changed here, deleted there: the change stays", "abc", "aBc", "ac", "aBc", 0, 0, 0},
    {"two changed here, one of them the same way there", "abcd", "aBCd", "aBcd", "aBCd", 0, 0, 0},
    {"changed here stays in place when there added", "abc", "aBc", "abcy", "aBcy", 1, 0, 0},
    {"changed here stays in place when there deleted before it", "abc", "abC", "bc", "bC", 0, 1, 0},
    {"changed here stays in place in theirs' order", "abc", "aBc", "cba", "cBa", 0, 0, 0},
    {"the last trip changed here, one added there", "abc", "abC", "abcy", "abCy", 1, 0, 0},
    {"theirs' order, our additions after", "abc", "abcx", "cab", "cabx", 0, 0, 0},
    {"moved there beside one added there: ours stands where theirs moved it", "abcd", "aBcd",
     "aDcbd", "aDcBd", 1, 0, 0},
    {"our change lands beside theirs where theirs removed that trip and more", "abcd", "aBcd", "aD",
     "aDB", 1, 2, 1},
    {"a trip duplicated here", "a", "aa", "a", "aa", 0, 0, 0},
    {"one of two copies deleted here", "aab", "ab", "aab", "ab", 0, 0, 0},
    {"duplicated on both sides: twice, not three times", "a", "aa", "aa", "aa", 0, 0, 0},
    {"one copy deleted here, one added there", "aa", "a", "aaa", "aa", 1, 0, 0},
    {"no base: every trip once", "", "ab", "bc", "bca", 1, 0, 0},
    {"everything deleted here", "abc", "", "abc", "", 0, 0, 0},
    {"everything deleted there", "abc", "abc", "", "", 0, 3, 0},
    {"everything deleted there, ours added kept", "abc", "abcx", "", "x", 0, 3, 0},
    {"moved here (a table replaced)", "abc", "cab", "abc", "cab", 0, 0, 0},
    {"all new there", "abc", "abc", "xyz", "xyz", 3, 3, 0},
    {"every side empty", "", "", "", "", 0, 0, 0},
};

TEST(TripMerge, ThreeWayCases) {
    for (const MergeCase& c : kMergeCases) {
        SCOPED_TRACE(c.what);
        const TripMerge merge = mergeTrips(lettered(c.base), lettered(c.mine), lettered(c.theirs));
        EXPECT_EQ(letters(merge.trips), c.merged);
        EXPECT_EQ(merge.summary, (MergeSummary{.added = c.added,
                                               .removed = c.removed,
                                               .keptBoth = c.keptBoth,
                                               .total = static_cast<int>(merge.trips.size())}));
    }
}

// One side unchanged gives the other exactly, order included, for every case of the table.
TEST(TripMerge, OneSideUnchangedGivesTheOther) {
    for (const MergeCase& c : kMergeCases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(letters(mergeTrips(lettered(c.base), lettered(c.mine), lettered(c.base)).trips),
                  c.mine);
        EXPECT_EQ(letters(mergeTrips(lettered(c.base), lettered(c.base), lettered(c.theirs)).trips),
                  c.theirs);
    }
}

TEST(TripMerge, TripsDifferingInOneByteAreTwoTrips) {
    const std::vector<TripRecord> base = lettered("ab");
    std::vector<TripRecord> mine = base, theirs = base;
    mine[0][Field::Remarks] += " ";
    // Text moved from one field to the next is another trip too.
    theirs[0][Field::Remarks].pop_back();
    theirs[0][Field::Date] = "8" + theirs[0][Field::Date];
    const TripMerge merge = mergeTrips(base, mine, theirs);
    ASSERT_EQ(merge.trips.size(), 3u);
    EXPECT_EQ(merge.trips[0], theirs[0]);
    EXPECT_EQ(merge.trips[1], mine[0]);
    EXPECT_EQ(merge.summary.keptBoth, 1);
}

TEST(TripMerge, PastTheLimitIsToldNotCut) {
    const std::vector<TripRecord> base = trips(1, 200);
    std::vector<TripRecord> mine = base, theirs = base;
    for (const TripRecord& trip : trips(1, 25, "m")) mine.push_back(trip);
    for (const TripRecord& trip : trips(1, 25, "t")) theirs.push_back(trip);
    TripMerge merge = mergeTrips(base, mine, theirs);
    EXPECT_EQ(merge.summary.total, 250);
    EXPECT_FALSE(merge.summary.tooMany());

    theirs.push_back(tagged("one more"));
    merge = mergeTrips(base, mine, theirs);
    EXPECT_EQ(merge.trips.size(), 251u);
    EXPECT_EQ(merge.summary.total, 251);
    EXPECT_TRUE(merge.summary.tooMany());
}

TEST(TripMerge, UnionKeepsEveryTripOnceInMineOrderThenTheirs) {
    const struct {
        const char* mine;
        const char* theirs;
        const char* merged;
        int added;
    } kCases[] = {
        {"ab", "bc", "abc", 1},  {"", "ab", "ab", 2},     {"ab", "", "ab", 0},
        {"aab", "ab", "aab", 0}, {"ab", "aab", "aba", 1}, {"ba", "abcd", "bacd", 2},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::string(c.mine) + " with " + c.theirs);
        const TripMerge merge = unionTrips(lettered(c.mine), lettered(c.theirs));
        EXPECT_EQ(letters(merge.trips), c.merged);
        EXPECT_EQ(merge.summary,
                  (MergeSummary{.added = c.added, .total = static_cast<int>(merge.trips.size())}));
    }
}

TEST(TripMerge, CommonBaseSharesTheMostTripsWithBothTheOlderOfEqualOnes) {
    const struct {
        const char* what;
        std::vector<const char*> candidates;  // oldest first
        const char* mine;
        const char* theirs;
        std::optional<std::size_t> chosen;
    } kCases[] = {
        {"no candidates", {}, "ab", "ab", std::nullopt},
        {"none shares a trip with both", {"xy", "ac"}, "ab", "bc", std::nullopt},
        {"the one sharing more, though newer", {"ab", "abcd"}, "abcdx", "abcdy", 1},
        {"the older of two equal", {"abc", "abc"}, "abcx", "abcy", 0},
        {"copies count", {"a", "aa"}, "aab", "aac", 1},
        {"shared with one side only does not count", {"ab", "abxy"}, "abxyw", "abz", 0},
        // This side's own last save, with no older version kept: x would be lost against it.
        {"a version one side holds as it is", {"abcx"}, "abcy", "abcx", std::nullopt},
        {"the same, in any order", {"xcba", "ab"}, "abcx", "abcy", 1},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        std::vector<std::vector<TripRecord>> candidates;
        for (const char* candidate : c.candidates) candidates.push_back(lettered(candidate));
        EXPECT_EQ(chooseCommonBase(candidates, lettered(c.mine), lettered(c.theirs)), c.chosen);
    }
}

// A version newer than the true common one (here: one this side saved before adding g) shares
// as many trips with both sides. Merged against it, f, which only this side ever had, would look
// deleted there and be lost, and c, deleted here, would come back.
TEST(TripMerge, CommonBaseIsNotAVersionNewerThanTheAncestor) {
    const std::vector<std::vector<TripRecord>> candidates = {lettered("abcde"), lettered("abdef")};
    const std::vector<TripRecord> mine = lettered("abdefg"), theirs = lettered("abcdeh");
    const auto chosen = chooseCommonBase(candidates, mine, theirs);
    ASSERT_EQ(chosen, 0u);
    EXPECT_EQ(letters(mergeTrips(candidates[*chosen], mine, theirs).trips), "abdehfg");
}

TEST(TripMerge, FindNearestTakesTheCopyClosestToThePlace) {
    const std::vector<TripRecord> list = lettered("abacab");
    const TripRecord a = tagged("a");
    EXPECT_EQ(findNearest(list, a, 0), 0u);
    EXPECT_EQ(findNearest(list, a, 1), 0u) << "the earlier of two as near";
    EXPECT_EQ(findNearest(list, a, 3), 2u);
    EXPECT_EQ(findNearest(list, a, 5), 4u);
    EXPECT_EQ(findNearest(list, a, 99), 4u);
    EXPECT_EQ(findNearest(list, tagged("z"), 0), std::nullopt);
}

// For each trip of before, where it went: its position in after, or '-' where it is gone.
TEST(TripMerge, FollowTripsThroughAChange) {
    const struct {
        const char* what;
        const char* before;
        const char* after;
        const char* went;
    } kCases[] = {
        {"nothing changed", "abc", "abc", "012"},
        {"edited in place", "abc", "aBc", "012"},
        {"the first and the last edited", "abc", "Abc", "012"},
        {"edited in two places apart", "abcde", "aBcDe", "01234"},
        {"deleted", "abc", "ac", "0-1"},
        {"added before", "abc", "xabc", "123"},
        {"appended after", "ab", "abxy", "01"},
        {"edited, and one appended", "abc", "aBcx", "012"},
        {"sorted the other way", "abcd", "dcba", "3210"},
        {"one moved to the end", "abcd", "bcda", "3012"},
        {"edited, and another moved", "abcd", "aBdc", "0132"},
        {"edited and moved: not followed", "abcd", "dacB", "1-20"},
        {"one replaced by two: neither is it", "abc", "aXYc", "0-3"},
        {"two replaced by two", "abcd", "aXYd", "0--3"},
        {"everything replaced", "abc", "xyz", "---"},
        {"the one trip replaced", "a", "x", "0"},
        {"edited into a copy of the next", "ab", "bb", "01"},
        {"everything deleted", "ab", "", "--"},
        {"none before", "", "ab", ""},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        std::string went;
        for (const int j : followTrips(lettered(c.before), lettered(c.after)))
            went += j < 0 ? '-' : static_cast<char>('0' + j);
        EXPECT_EQ(went, c.went);
    }
}

}  // namespace
}  // namespace rodwick::testing
