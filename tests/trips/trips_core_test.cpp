// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "rodwick_test/store_test_util.h"
#include "trip_columns.h"

namespace rodwick::trips {
namespace {

using F = Field;
using filtering::TripRef;
using filtering::tripsOf;
using testing::tripsWith;
const UnitNames kImperial = UnitNames::imperial();

TEST(TripColumnsTest, Cells) {
    // clang-format off
    struct Case { std::vector<std::string> texts; Column column; std::string cell; };
    const std::vector<Field> fields = {F::TotalWeightMajor, F::TotalWeightMinor, F::BestFishWeightMinor, F::StartTime, F::FinishTime};
    const std::vector<Case> cases = {
        {{"12",    "8", "",      "",      ""},       Column::TotalWeight,    "12 lb 8 oz"},
        {{"0",     "",  "",      "",      ""},       Column::TotalWeight,    "0 lb 0 oz"},
        {{"",      "",  "20 oz", "",      ""},       Column::BestFishWeight, "1 lb 4 oz"},
        {{" lots", "",  "",      "",      ""},       Column::TotalWeight,    "lots"},
        {{"2 kg",  "3", "",      "",      ""},       Column::TotalWeight,    "2 kg 3"},
        {{" ",     "",  "",      "",      ""},       Column::TotalWeight,    ""},
        {{"",      "",  "",      "21:00", "3.30am"}, Column::HoursFished,    "6 h 30 min"},
        {{"",      "",  "",      "dawn",  "10:00"},  Column::HoursFished,    ""},
        {{"",      "",  "",      "",      ""},       Column::LogBook,        "B.RWK"},
        {{"",      "",  "",      "",      ""},       Column::Record,         "7"},
    };
    // clang-format on
    const std::vector<std::string> books = {"OPEN.RWK", "B.RWK"};
    for (const Case& c : cases) {
        const TripRecord record = tripsWith(fields, {c.texts})[0];
        EXPECT_EQ(cellText({&record, 1, 7}, c.column, kImperial, books), c.cell)
            << columnHeading(c.column, kImperial);
    }
    EXPECT_EQ(columnHeading(Column::TotalWeight, UnitNames::metric()), "Total Weight (Kg)");
}

TEST(TripColumnsTest, SortsValuesAsValuesUnreadableLastStable) {
    // clang-format off
    struct Case { Column column; std::vector<Field> fields; std::vector<std::vector<std::string>> trips; std::vector<int> shown, ascending, descending; };
    const std::vector<Case> cases = {
        {Column::Date, {F::Date}, {{"12-31-2000"}, {"02-01-2001"}, {"junk"}, {"2000-06-01"}},
         {0, 1, 2, 3}, {3, 0, 1, 2}, {1, 0, 3, 2}},
        {Column::TotalWeight, {F::TotalWeightMajor, F::TotalWeightMinor},
         {{"10 lb", ""}, {"9", "15"}, {"", ""}, {"9 lb", "15 oz"}},
         {0, 1, 2, 3}, {1, 3, 0, 2}, {0, 1, 3, 2}},
        // The given order decides ties and the order of the unreadable, in both directions.
        {Column::Venue, {F::Venue}, {{"b"}, {""}, {"A"}, {"a "}, {" "}},
         {4, 3, 2, 1, 0}, {3, 2, 0, 4, 1}, {0, 3, 2, 4, 1}},
        {Column::Start, {F::StartTime}, {{"9.30am"}, {"21:00"}, {"noon"}, {"09:15"}},
         {0, 1, 2, 3}, {3, 0, 1, 2}, {1, 0, 3, 2}},
        {Column::DayTicket, {F::TicketPrice}, {{"5"}, {"free"}, {"4.50"}, {"?"}},
         {0, 1, 2, 3}, {1, 2, 0, 3}, {0, 2, 1, 3}},
        // Past midnight counts on into the next day: 21:00 to 03:00 is the longest.
        {Column::HoursFished, {F::StartTime, F::FinishTime},
         {{"07:00", "12:00"}, {"21:00", "03:00"}, {"dawn", "10:00"}, {"1:00", "2:00"}},
         {0, 1, 2, 3}, {3, 0, 1, 2}, {1, 0, 3, 2}},
        {Column::Record, {}, {{}, {}, {}}, {2, 0}, {0, 2}, {2, 0}},
    };
    // clang-format on
    for (const Case& c : cases) {
        const std::vector<TripRecord> records = tripsWith(c.fields, c.trips);
        const std::vector<TripRef> trips = tripsOf(records, 0);
        const std::string heading = columnHeading(c.column, kImperial);
        EXPECT_EQ(sortedBy(trips, c.shown, c.column, false, kImperial), c.ascending) << heading;
        EXPECT_EQ(sortedBy(trips, c.shown, c.column, true, kImperial), c.descending) << heading;
    }
    // Enough ties that a sort which is not stable would mix them.
    std::vector<std::vector<std::string>> rows;
    std::vector<int> all, evensFirst;
    for (int k = 0; k < 40; ++k) rows.push_back({k % 2 ? "b" : "a"}), all.push_back(k);
    for (int k = 0; k < 80; k += 2) evensFirst.push_back(k % 40 + k / 40);
    const std::vector<TripRecord> records = tripsWith({F::Venue}, rows);
    EXPECT_EQ(sortedBy(tripsOf(records, 0), all, Column::Venue, false, kImperial), evensFirst);
}

TEST(TripColumnsTest, TotalsCountWhatDidNotRead) {
    // clang-format off
    const std::vector<TripRecord> records = tripsWith(
        {F::StartTime, F::FinishTime, F::TotalWeightMajor, F::TotalWeightMinor, F::TicketPrice}, {
        {"7:00",       "12:00",       "",                  "8",                 "5.50"},
        {"21:00",      "03:00",       "0",                 "",                  "free"},
        {"dawn",       "10:00",       "lots",              "",                  "?"},
        {"1:00",       "2:00",        "100",               "",                  ""}});
    // clang-format on
    const std::vector<int> shown = {2, 1, 0};
    const Totals t = totalsOf(tripsOf(records, 0), shown, kImperial);
    EXPECT_EQ(std::tuple(t.trips, t.minutesFished, t.untimed, t.totalCatch, t.unweighed,
                         t.blankTrips, t.ticketCents, t.unpriced),
              std::tuple(3, 660, 1, 8.0, 1, 1, 550LL, 1));
}

}  // namespace
}  // namespace rodwick::trips
