// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "log_books.h"
#include "readings.h"
#include "rodwick_test/store_test_util.h"
#include "trip_filter.h"

namespace rodwick::filtering {
namespace {

using F = Field;
using D = Date;
using testing::tripsWith;
const UnitNames kImperial = UnitNames::imperial();

// Find's rule in the small: the word anywhere in the field, case ignored.
bool holdsWord(std::string_view field, const std::string& word) {
    return foldName(field).find(foldName(word)) != std::string::npos;
}
WordTest wordTestOf(const std::string& word) {
    return [word](std::string_view field) { return holdsWord(field, word); };
}

TEST(TripFilterTest, EachPartAndWhatItLeavesOut) {
    // clang-format off
    const std::vector<TripRecord> records = tripsWith(
        {F::Venue,      F::Species,     F::Method, F::Bait,  F::Date,      F::TotalWeightMajor, F::TotalWeightMinor, F::Remarks}, {
        {"Mill Pond",   "Carp, Tench",  "Float",   "Maggot", "04-14-2001",  "12",   "8", "big carp"},
        {" mill pond ", "tench",        "Ledger",  "",       "2 June 2001", "0",    "0", ""},
        {"River Teme",  "Barbel,Chub",  "float ",  "MAGGOT", "06-30-2002",  "lots", "",  ""},
        {"River Teme",  "Crucian Carp", "",        "",       "sometime",    "3",    "",  ""},
        {"",            "",             "",        "",       "",            "",     "",  ""}});
    const DateRange year2001{D{2001, 1, 1}, D{2001, 12, 31}, 0};
    struct Case { const char* what; TripFilter filter; std::vector<int> shown; int undated = 0, unweighed = 0; };
    const std::vector<Case> cases = {
        {"nothing set", {}, {0, 1, 2, 3, 4}},
        {"blank venue", {.venue = "  "}, {0, 1, 2, 3, 4}},
        {"word in any field", {.word = "CARP"}, {0, 3}},
        {"venue folded", {.venue = "MILL POND"}, {0, 1}},
        {"one species of a list", {.species = " tench"}, {0, 1}},
        {"species whole, not part", {.species = "carp"}, {0}},
        {"method", {.method = "FLOAT"}, {0, 2}},
        {"bait", {.bait = "maggot "}, {0, 2}},
        {"date range", {.dates = year2001}, {0, 1}, 2},
        {"month of every year", {.dates = {.month = 6}}, {1, 2}, 2},
        {"open start", {.dates = {.to = D{2001, 4, 14}}}, {0}, 2},
        {"with a catch", {.catches = CatchChoice::WithCatch}, {0, 3}, 0, 2},
        {"blank", {.catches = CatchChoice::Blank}, {1}, 0, 2},
        // Trip 4 lacks both date and weight: it counts once, as undated; 2 is out of range.
        {"dates before catch", {.dates = year2001, .catches = CatchChoice::WithCatch}, {0}, 2, 0},
        // Trips 3 and 4 are left out by their venue first.
        {"venue before dates", {.dates = year2001, .venue = "mill pond"}, {0, 1}, 0},
        {"venue before catch", {.venue = "river teme", .catches = CatchChoice::Blank}, {}, 0, 1},
    };
    // clang-format on
    const std::vector<TripRef> trips = tripsOf(records, 0);
    for (const Case& c : cases) {
        const Filtered f = applyFilter(trips, c.filter, kImperial, wordTestOf(c.filter.word));
        EXPECT_EQ(std::tie(f.shown, f.undated, f.unweighed),
                  std::tie(c.shown, c.undated, c.unweighed))
            << c.what;
    }
    EXPECT_TRUE(applyFilter(trips, {.word = "carp"}, kImperial, {}).shown.empty());
}

// A name chosen is a whole name: one that is the start of another takes only itself.
TEST(TripFilterTest, ANameIsNeverTheStartOfAnother) {
    // clang-format off
    const std::vector<TripRecord> records = tripsWith(
        {F::Venue,       F::Species}, {
        {"Mill Pond",    "Codling"},
        {"Mill",         "cod"},
        {"Mill Pond",    "Pikeperch, Perch"},
        {"River",        "Roach, pike "},
        {"Mill Pond",    "Cod Codling"}});
    const std::pair<TripFilter, std::vector<int>> cases[] = {
        {{.species = "Cod"}, {1}},
        {{.species = "Codling"}, {0}},
        {{.species = "Pike"}, {3}},
        {{.species = "Perch"}, {2}},
        {{.species = "Pikeperch"}, {2}},
        {{.venue = "Mill"}, {1}},
    };
    // clang-format on
    const std::vector<TripRef> trips = tripsOf(records, 0);
    for (const auto& [filter, shown] : cases) {
        EXPECT_EQ(applyFilter(trips, filter, kImperial, {}).shown, shown)
            << filter.species << filter.venue;
    }
}

TEST(TripFilterTest, QuickDatesAroundYearEndsAndLeapDays) {
    const std::vector<std::tuple<QuickDates, D, D, D>> cases = {
        {QuickDates::ThisYear, {2024, 2, 29}, {2024, 1, 1}, {2024, 12, 31}},
        {QuickDates::LastYear, {2024, 1, 1}, {2023, 1, 1}, {2023, 12, 31}},
        {QuickDates::Last12Months, {2024, 2, 29}, {2023, 3, 1}, {2024, 2, 29}},
        {QuickDates::Last12Months, {2025, 2, 28}, {2024, 2, 29}, {2025, 2, 28}},
        {QuickDates::Last12Months, {2024, 12, 31}, {2024, 1, 1}, {2024, 12, 31}},
        {QuickDates::Last12Months, {2025, 1, 1}, {2024, 1, 2}, {2025, 1, 1}},
    };
    for (const auto& [choice, today, from, to] : cases) {
        EXPECT_EQ(quickDates(choice, today), (DateRange{from, to, 0})) << formatDate(today);
    }
}

TEST(TripFilterTest, ValuesPresent) {
    const std::vector<TripRecord> records =
        tripsWith({F::Venue, F::Species}, {{" mill pond", "Tench, carp"},
                                           {"Zed", "Carp,Roach ,"},
                                           {"Mill Pond", ""},
                                           {"abbey lake", ""}});
    const std::vector<TripRef> trips = tripsOf(records, 0);
    using Names = std::vector<std::string>;
    EXPECT_EQ(valuesPresent(trips, F::Venue), (Names{"abbey lake", "mill pond", "Zed"}));
    EXPECT_EQ(valuesPresent(trips, F::Species), (Names{"carp", "Roach", "Tench"}));
}

// Why a trip is left out, written plainly from the rules.
enum class Verdict { Shown, Out, Undated, Unweighed };
Verdict reference(const TripRecord& r, const TripFilter& f) {
    const auto same = [](std::string_view a, std::string_view b) {
        return foldName(a) == foldName(b);
    };
    bool wordFound = f.word.empty();
    for (const std::string& field : r.fields) wordFound = wordFound || holdsWord(field, f.word);
    bool speciesFound = f.species.empty();
    std::istringstream list(r[F::Species]);
    for (std::string one; std::getline(list, one, ',');) speciesFound |= same(one, f.species);
    if (!wordFound || !speciesFound || !(f.venue.empty() || same(r[F::Venue], f.venue)) ||
        !(f.method.empty() || same(r[F::Method], f.method)) ||
        !(f.bait.empty() || same(r[F::Bait], f.bait))) {
        return Verdict::Out;
    }
    if (f.dates.isSet()) {
        const auto d = readDate(r[F::Date]);
        if (!d) return Verdict::Undated;
        if ((f.dates.from && *d < *f.dates.from) || (f.dates.to && *d > *f.dates.to) ||
            (f.dates.month != 0 && d->month != f.dates.month)) {
            return Verdict::Out;
        }
    }
    if (f.catches == CatchChoice::Any) return Verdict::Shown;
    const auto w = readWeight(r[F::TotalWeightMajor], r[F::TotalWeightMinor], kImperial);
    if (!w) return Verdict::Unweighed;
    return (f.catches == CatchChoice::WithCatch ? *w > 0 : *w == 0) ? Verdict::Shown : Verdict::Out;
}

TEST(TripFilterTest, RandomBooksAndFiltersAgreeWithTheRules) {
    // What a random trip's fields are drawn from; the first text of each leaves a filter part
    // unset.
    std::map<Field, std::vector<std::string>> pools = {
        {F::Venue, {"", "Mill Pond", " mill pond", "River"}},
        {F::Species, {"", "Carp", "carp, Tench", "Tench ,Roach", "Crucian Carp"}},
        {F::Method, {"", "Float", "float ", "Ledger"}},
        {F::Bait, {"", "Worm", "worm ", "1"}},
        {F::Date, {"", "04-14-2001", "2001-06-02", "14 June 2002", "sometime", "02-29-2001"}},
        {F::TotalWeightMajor, {"", "0", "3", "lots", "2.5", "1 lb"}},
        {F::TotalWeightMinor, {"", "0", "8", "x", "15oz"}},
        {F::StartTime, {"", "7:00", "21:30", "dawn", "1.30pm"}},
        {F::TicketPrice, {"", "5", "free", "?"}},
        {F::Remarks, {"", "pond life", "1 carp"}},
    };
    pools[F::FinishTime] = pools[F::StartTime];
    pools[F::BestFish] = pools[F::Species];
    pools[F::BestFishWeightMajor] = pools[F::TotalWeightMajor];
    const std::vector<std::optional<D>> bounds = {std::nullopt, D{2001, 6, 2}, D{2001, 12, 31}};
    std::mt19937 random(20240229);
    const auto pick = [&](const auto& pool) { return pool[random() % pool.size()]; };
    // Each filter part is set in one round of three, so that some trips pass most filters.
    const auto some = [&](const auto& pool) { return random() % 3 ? pool[0] : pick(pool); };
    for (int round = 0; round < 300; ++round) {
        std::vector<TripRecord> records(random() % 30);
        for (TripRecord& r : records) {
            for (const auto& [field, pool] : pools) r[field] = pick(pool);
        }
        const TripFilter filter{some(pools[F::Remarks]),
                                {some(bounds), some(bounds), static_cast<int>(random() % 3) * 3},
                                some(pools[F::Venue]),
                                some(pools[F::Species]),
                                some(pools[F::Method]),
                                some(pools[F::Bait]),
                                static_cast<CatchChoice>(random() % 3)};
        const std::vector<TripRef> trips = tripsOf(records, 1);
        const Filtered got = applyFilter(trips, filter, kImperial, wordTestOf(filter.word));
        Filtered expected;
        std::vector<TripRecord> expectedRecords;
        for (std::size_t k = 0; k < records.size(); ++k) {
            const Verdict v = reference(records[k], filter);
            expected.undated += v == Verdict::Undated;
            expected.unweighed += v == Verdict::Unweighed;
            if (v != Verdict::Shown) continue;
            expected.shown.push_back(static_cast<int>(k));
            expectedRecords.push_back(records[k]);
        }
        ASSERT_EQ(std::tie(got.shown, got.undated, got.unweighed),
                  std::tie(expected.shown, expected.undated, expected.unweighed))
            << "round " << round;
        std::vector<TripRef> shown;
        for (int k : got.shown) shown.push_back(trips[k]);
        ASSERT_EQ(recordsOf(shown), expectedRecords) << "round " << round;
    }
}

TEST(LogBooksTest, TheFoldersOtherLogBooksAndWhatTheyHold) {
    testing::TempDir dir;
    testing::writeBytes(dir.file("A.RWK"), testing::databaseBytes(testing::trips(1, 2)));
    testing::writeBytes(dir.file("b.rwk"), testing::databaseBytes(testing::trips(3, 3)));
    testing::writeBytes(dir.file("Bad.Rwk"), "a shopping list\r\n");
    testing::writeBytes(dir.file("Open.RWK"), testing::databaseBytes({}));
    testing::writeBytes(dir.file("notes.txt"), "");
    testing::writeBytes(dir.file("A.RWK.bak"), "");
    std::filesystem::create_directory(dir.file("Sub.RWK"));
    // The open file under another name is still the open file.
    std::filesystem::create_hard_link(dir.file("Open.RWK"), dir.file("Same.rwk"));
    // A sync program's second versions are no log books of their own, the open one's or not.
    for (const char* copy : {"A.sync-conflict-20261207-101530-ABCDEF1.RWK",
                             "Open (conflicted copy 2026-12-07 101530).RWK",
                             "b (Jo's conflicted copy 2026-12-07).rwk"})
        testing::writeBytes(dir.file(copy), testing::databaseBytes(testing::trips(1, 1)));
    const std::vector<std::string> others = {dir.file("A.RWK"), dir.file("b.rwk"),
                                             dir.file("Bad.Rwk")};
    EXPECT_EQ(otherLogBooks(dir.file("Open.RWK")).paths, others);
    EXPECT_EQ(otherLogBooks(dir.file("Open.RWK")).conflictCopies, 3);
    EXPECT_TRUE(otherLogBooks(dir.file("gone/Open.RWK")).paths.empty());

    const LogBookFile good = readLogBook(others[0]);
    EXPECT_EQ(good.name, "A.RWK");
    EXPECT_EQ(good.records, testing::trips(1, 2));
    EXPECT_EQ(good.error, "");
    const LogBookFile bad = readLogBook(others[2]);
    EXPECT_TRUE(bad.records.empty());
    EXPECT_EQ(bad.error, "The record count is not a whole number.") << "named once, by the list";
}

}  // namespace
}  // namespace rodwick::filtering
