// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "figures.h"
#include "rodwick_test/example_trips.h"

namespace rodwick::stats {
namespace {

const UnitNames kImperial = UnitNames::imperial();

std::vector<std::string> notes(const std::vector<LeftOut>& notes) {
    std::vector<std::string> texts;
    for (const LeftOut& note : notes) texts.push_back(describe(note));
    return texts;
}
std::string weight(const std::optional<double>& minor) {
    return minor ? formatWeight(*minor, kImperial) : "none";
}

using Rows = std::vector<std::tuple<std::string, int, std::string, int>>;
Rows rowsOf(const ValueTable& table) {
    Rows rows;
    for (const ValueRow& row : table.rows) {
        rows.emplace_back(row.value, row.trips, formatWeight(row.averageCatch, kImperial),
                          row.blankTrips);
    }
    return rows;
}

class ExampleFigures : public ::testing::Test {
  protected:
    const std::vector<TripRecord> trips_ = testing::exampleTrips();
};

TEST_F(ExampleFigures, Summary) {
    const Summary s = summaryOf(trips_, kImperial);
    EXPECT_EQ(s.trips, 20);
    ASSERT_TRUE(s.firstDate && s.lastDate);
    EXPECT_EQ(formatDate(*s.firstDate), "04-14-2001");
    EXPECT_EQ(formatDate(*s.lastDate), "03-31-2002");
    // Trips 7, 15 and 20 lack a time; the others add up to 4770 minutes.
    EXPECT_EQ(formatDuration(s.minutesFished), "79 h 30 min");
    // 19 weighed trips (not 13) catch 2016 oz.
    EXPECT_EQ(weight(s.totalCatch), "126 lb 0 oz");
    EXPECT_EQ(weight(s.catchPerTrip), "6 lb 10 oz");  // 2016 / 19 = 106.1 oz
    // Weighed and timed: 2016 - 96 (15) - 6 (20) = 1914 oz over 4770 - 240 (13) = 4530 min.
    EXPECT_EQ(weight(s.catchPerHour), "1 lb 9 oz");  // 25.35 oz
    EXPECT_EQ(s.blankTrips, 3);                      // 3, 7, 11
    ASSERT_TRUE(s.blankShare);
    EXPECT_EQ(formatShare(*s.blankShare), "16%");  // 3 / 19
    EXPECT_EQ(formatMoney(static_cast<double>(s.ticketTotal)), "78.00");
    ASSERT_TRUE(s.ticketPerTrip);
    EXPECT_EQ(formatMoney(*s.ticketPerTrip), "4.11");  // 7800 / 19 = 410.5 pence
    EXPECT_EQ(notes(s.notes), (std::vector<std::string>{
                                  "1 trip without a readable date",
                                  "2 trips without a readable start time",
                                  "2 trips without a readable finish time",
                                  "1 trip without a readable total weight",
                                  "1 trip without a readable ticket price",
                              }));
}

TEST_F(ExampleFigures, ByVenue) {
    const VenueTable table = venuesOf(trips_, kImperial);
    // Venue, trips, total and average catch, best fish and its weight, ticket, last visit.
    using Row = std::tuple<std::string, int, std::string, std::string, std::string, std::string,
                           std::string, std::string>;
    const std::vector<Row> expected = {
        // 1 2 5 11 15 18: 824 oz; 824/6 = 137.3; tickets 3050/6 = 508.3
        {"Mill Pond", 6, "51 lb 8 oz", "8 lb 9 oz", "Carp", "11 lb 8 oz", "5.08", "03-10-2002"},
        // 3 4 10 13 17: 260 oz over four weighed trips; the best fish of 13 still counts
        {"River Teme", 5, "16 lb 4 oz", "4 lb 1 oz", "Barbel", "7 lb 0 oz", "4.00", "01-12-2002"},
        // 6 7 12 19: 108 oz, 27 each; three free tickets, 12 unreadable
        {"Canal Basin", 4, "6 lb 12 oz", "1 lb 11 oz", "Bream", "2 lb 4 oz", "0.00", "03-24-2002"},
        // 8 9 14: 808 oz, 269.3 each; 14 has no date
        {"Gravel Pit", 3, "50 lb 8 oz", "16 lb 13 oz", "Carp", "14 lb 2 oz", "6.50", "08-28-2001"},
        {"The Lock", 1, "0 lb 10 oz", "0 lb 10 oz", "Roach", "0 lb 4 oz", "3.00", "12-01-2001"},
    };
    std::vector<Row> rows;
    for (const VenueRow& r : table.rows) {
        // A missing ticket or visit shows as an impossible text.
        rows.emplace_back(r.venue, r.trips, weight(r.totalCatch), weight(r.averageCatch),
                          r.bestFish, weight(r.bestWeight),
                          formatMoney(r.averageTicket.value_or(-1)),
                          formatDate(r.lastVisit.value_or(Date{})));
    }
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(notes(table.notes),
              (std::vector<std::string>{"1 trip without a venue",
                                        "1 trip without a readable total weight, left out of "
                                        "the catch"}));
}

TEST_F(ExampleFigures, PersonalBests) {
    const BestTable table = bestsOf(trips_, kImperial);
    // Species, weight, venue, date as typed, record number.
    using Row = std::tuple<std::string, std::string, std::string, std::string, int>;
    const std::vector<Row> expected = {
        {"Carp", "14 lb 2 oz", "Gravel Pit", "", 14},  // over 1, 5, 15, 18
        {"Barbel", "7 lb 0 oz", "River Teme", "10-20-2001", 13},
        {"Tench", "5 lb 8 oz", "Gravel Pit", "Aug 28, 2001", 9},
        {"Chub", "3 lb 12 oz", "River Teme", "09-08-2001", 10},
        {"Bream", "2 lb 4 oz", "Canal Basin", "03-24-2002", 19},
        {"Perch", "1 lb 2 oz", "Canal Basin", "10-06-2001", 12},
        {"Roach", "0 lb 12 oz", "mill pond", "04-21-2001", 2},  // over 6 and 16
    };
    std::vector<Row> rows;
    for (const BestRow& r : table.rows) {
        rows.emplace_back(r.species, formatWeight(r.weight, kImperial), r.venue, r.date, r.record);
    }
    EXPECT_EQ(rows, expected);
    // Of two fish of one weight the first caught keeps the row: trip 13 again as trip 21.
    std::vector<TripRecord> tied = trips_;
    tied.push_back(trips_[12]);
    EXPECT_EQ(bestsOf(tied, kImperial).rows[1].record, 13);
    EXPECT_EQ(notes(table.notes), (std::vector<std::string>{
                                      "3 trips without a best fish named",
                                      "1 trip without a readable best fish weight",
                                  }));
}

// One field's table stands for all five: they are the same grouping of another field.
TEST_F(ExampleFigures, WhatWorks) {
    // Boilie 808/3, Sweetcorn 416/2, Maggot 516/7, Worm 260/4, Caster 10/2; Bread once.
    // Blanks: 11 on maggot, 3 on worm, 7 on caster.
    const ValueTable baits = valuesOf(trips_, kImperial, Field::Bait);
    EXPECT_EQ(rowsOf(baits), (Rows{{"Boilie", 3, "16 lb 13 oz", 0},
                                   {"Sweetcorn", 2, "13 lb 0 oz", 0},
                                   {"Maggot", 7, "4 lb 10 oz", 1},
                                   {"Worm", 4, "4 lb 1 oz", 1},
                                   {"Caster", 2, "0 lb 5 oz", 1}}));
    EXPECT_EQ(notes(baits.notes),
              (std::vector<std::string>{"1 trip without a readable total weight",
                                        "1 trip whose value no other trip shares"}));
}

// The moon's phase and the parts of the day group the trips in their own order, not by catch.
TEST(Figures, ByTheMoonAndTheTimeOfDay) {
    // clang-format off
    const char* const log[][5] = {
        // date         start    finish   lb      oz
        {"01-21-2000", "7:00",  "12:00", "4",    "0"},  // full moon; morning
        {"07-16-2000", "21:00", "03:00", "0",    "0"},  // full moon; night
        {"06-21-2001", "05:00", "09:00", "2",    "8"},  // new moon; dawn and morning
        {"06-28-2001", "12:00", "12:00", "1",    "0"},  // first quarter; no time fished
        {"",           "12:00", "17:00", "3",    "0"},  // afternoon, not evening
        {"04-08-2024", "dawn",  "10:00", "lots", ""},
        {"10-17-2024", "16:00", "22:00", "0",    "0"},  // full moon; afternoon to night
        {"?",          "08:00", "09:00", "?",    ""},
    };
    // clang-format on
    std::vector<TripRecord> trips(std::size(log));
    for (std::size_t k = 0; k < trips.size(); ++k) {
        const Field columns[] = {Field::Date, Field::StartTime, Field::FinishTime,
                                 Field::TotalWeightMajor, Field::TotalWeightMinor};
        for (std::size_t c = 0; c < std::size(columns); ++c) trips[k][columns[c]] = log[k][c];
    }
    const Figures figures = figuresOf(trips, kImperial);
    EXPECT_EQ(rowsOf(figures.moonPhases), (Rows{{"New Moon", 1, "2 lb 8 oz", 0},
                                                {"First Quarter", 1, "1 lb 0 oz", 0},
                                                {"Full Moon", 3, "1 lb 5 oz", 2}}));  // 64 / 3
    EXPECT_EQ(notes(figures.moonPhases.notes),
              (std::vector<std::string>{"2 trips without a readable date",
                                        "1 trip without a readable total weight"}));
    EXPECT_EQ(rowsOf(figures.timesOfDay), (Rows{{"Dawn", 1, "2 lb 8 oz", 0},
                                                {"Morning", 2, "3 lb 4 oz", 0},
                                                {"Afternoon", 2, "1 lb 8 oz", 1},
                                                {"Evening", 1, "0 lb 0 oz", 1},
                                                {"Night", 2, "0 lb 0 oz", 2}}));
    EXPECT_EQ(notes(figures.timesOfDay.notes),
              (std::vector<std::string>{"1 trip without readable start and finish times",
                                        "1 trip whose start and finish are the same time",
                                        "1 trip without a readable total weight"}));
}

TEST_F(ExampleFigures, MonthsKeepTheirGaps) {
    const MonthTable table = monthsOf(trips_, kImperial);
    using Row = std::tuple<std::string, int, std::string>;
    const std::vector<Row> expected = {
        {"2001-04", 2, "15 lb 8 oz"}, {"2001-05", 2, "7 lb 4 oz"},  {"2001-06", 3, "21 lb 8 oz"},
        {"2001-07", 0, "0 lb 0 oz"},  {"2001-08", 2, "25 lb 0 oz"}, {"2001-09", 2, "4 lb 0 oz"},
        {"2001-10", 2, "2 lb 4 oz"},  // 13 is dated but not weighed
        {"2001-11", 1, "6 lb 0 oz"},  {"2001-12", 1, "0 lb 10 oz"}, {"2002-01", 1, "5 lb 0 oz"},
        {"2002-02", 0, "0 lb 0 oz"},  {"2002-03", 3, "13 lb 6 oz"},
    };
    std::vector<Row> rows;
    for (const MonthRow& row : table.rows) {
        rows.emplace_back(formatMonth(row.year, row.month), row.trips,
                          formatWeight(row.totalCatch, kImperial));
    }
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(notes(table.notes), std::vector<std::string>{"1 trip without a readable date"});
}

TEST(Figures, TextsOfTheFigures) {
    const std::pair<std::string, std::string> cases[] = {
        {formatShare(1.0 / 3), "33%"},
        {describe({1, "without a venue"}), "1 trip without a venue"},
        {describe({2, "without a venue"}), "2 trips without a venue"},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(text, expected);
}

}  // namespace
}  // namespace rodwick::stats
