// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iterator>
#include <vector>

#include "record_table.h"

namespace rodwick::testing {

// clang-format off
// The example log book of the statistics, filter and trip list tests: 20 trips in lb/oz, typed
// the way anglers type (mixed case, blanks, currency signs, times with '.', a trip past
// midnight, words where numbers belong). Every figure the tests expect was worked out by hand
// from this table.
//
//  #  venue        water  price  total     cond      weather method bait      best   weight  date            start   finish
//  1  Mill Pond    Lake   £5     12 8=200  Clear     Sunny   Float  Maggot    Carp   6 4=100 04-14-2001      7:00    12:00  300 min
//  2  "mill pond " Lake   5.00   3 0=48    Clear     Cloudy  Float  Maggot    Roach  0 12=12 04-21-2001      9:30    13:30  240
//  3  River Teme   River  $4     0 0=0     Coloured  Rain    Ledger Worm      -      -       05-05-2001      06.00   10.00  240
//  4  River Teme   River  4      7 4=116   Coloured  Cloudy  Ledger Worm      Barbel 5 2=82  05-19-2001      18:00   23:30  330
//  5  Mill Pond    Lake   £5     20 -=320  Clear     Sunny   Float  Sweetcorn Carp  11 8=184 2001-06-02      21:00   03:00  360 (past midnight)
//  6  Canal Basin  Canal  free   1 8=24    Clear     Sunny   Pole   Maggot    Roach  0 9=9   06-09-2001      9.30am  1.30pm 240
//  7  Canal Basin  Canal  free   0 0=0     Clear     Windy   Pole   Caster    -      -       06-16-2001      10:00   noon   ?
//  8  Gravel Pit   Lake   £6.50  15 12=252 Clear     Sunny   Ledger Boilie    Tench  4 0=64  14 August 2001  05:00   11:00  360
//  9  Gravel Pit   Lake   6.50   9 4=148   Coloured  Rain    Ledger Boilie    Tench  5 8=88  Aug 28, 2001    05:00   09:00  240
// 10  River Teme   River  £4     4 0=64    Flooded   Rain    Ledger Worm      Chub   3 12=60 09-08-2001      14:00   18:00  240
// 11  Mill Pond    Lake   £5     0 0=0     Clear     Frost   Float  Maggot    -      -       09-22-2001      08:00   11:00  180
// 12  Canal Basin  Canal  -      2 4=36    Coloured  Cloudy  Pole   Maggot    Perch  1 2=18  10-06-2001      9:00    12:00  180
// 13  River Teme   River  £4     lots=?    Coloured  Cloudy  Ledger Worm      Barbel 7 0=112 10-20-2001      15:00   19:00  240
// 14  Gravel Pit   Lake   £6.50  25 8=408  Clear     Cloudy  Ledger Boilie    Carp  14 2=226 -               06:00   14:00  480
// 15  Mill Pond    Lake   £5     6 0=96    Clear     Cloudy  Float  Sweetcorn Carp   4 0=64  11-03-2001      dawn    10:00  ?
// 16  The Lock     Canal  £3     0 10=10   Clear     Frost   Pole   Caster    Roach  0 4=4   12-01-2001      10:00   14:00  240
// 17  River Teme   River  £4     5 0=80    Flooded   Rain    Ledger Worm      Chub   2 8=40  01-12-2002      10:00   15:00  300
// 18  Mill Pond    Lake   £5.50  10 0=160  Clear     Sunny   Float  Maggot    Carp   9 0=144 03-10-2002      07:00   12:00  300
// 19  Canal Basin  Canal  free   3 0=48    Clear     Sunny   Pole   Maggot    Bream  2 4=36  03-24-2002      08:00   13:00  300
// 20  -            Lake   £5     0 6=6     Clear     Sunny   Float  Bread     Rudd   -=?     03-31-2002      -       -      ?
inline std::vector<TripRecord> exampleTrips() {
    // The columns of the table below, left to right.
    constexpr Field kColumns[] = {
        Field::Venue, Field::WaterType, Field::TicketPrice, Field::TotalWeightMajor,
        Field::TotalWeightMinor, Field::WaterCondition, Field::Weather, Field::Method, Field::Bait,
        Field::BestFish, Field::BestFishWeightMajor, Field::BestFishWeightMinor, Field::Date,
        Field::StartTime, Field::FinishTime};
    const char* const rows[][std::size(kColumns)] = {
        {"Mill Pond", "Lake", "\xA3" "5", "12", "8", "Clear", "Sunny", "Float", "Maggot", "Carp", "6", "4", "04-14-2001", "7:00", "12:00"},
        {"mill pond ", "Lake", "5.00", "3", "0", "Clear", "Cloudy", "Float", "Maggot", "Roach", "0", "12", "04-21-2001", "9:30", "13:30"},
        {"River Teme", "River", "$4", "0", "0", "Coloured", "Rain", "Ledger", "Worm", "", "", "", "05-05-2001", "06.00", "10.00"},
        {"River Teme", "River", "4", "7", "4", "Coloured", "Cloudy", "Ledger", "Worm", "Barbel", "5", "2", "05-19-2001", "18:00", "23:30"},
        {"Mill Pond", "Lake", "\xA3" "5", "20", "", "Clear", "Sunny", "Float", "Sweetcorn", "Carp", "11", "8", "2001-06-02", "21:00", "03:00"},
        {"Canal Basin", "Canal", "free", "1", "8", "Clear", "Sunny", "Pole", "Maggot", "Roach", "0", "9", "06-09-2001", "9.30am", "1.30pm"},
        {"Canal Basin", "Canal", "Free", "0", "0", "Clear", "Windy", "Pole", "Caster", "", "", "", "06-16-2001", "10:00", "noon"},
        {"Gravel Pit", "Lake", "\xA3" "6.50", "15", "12", "Clear", "Sunny", "Ledger", "Boilie", "Tench", "4", "0", "14 August 2001", "05:00", "11:00"},
        {"Gravel Pit", "Lake", "6.50", "9", "4", "Coloured", "Rain", "Ledger", "Boilie", "Tench", "5", "8", "Aug 28, 2001", "05:00", "09:00"},
        {"River Teme", "River", "\xA3" "4", "4", "0", "Flooded", "Rain", "Ledger", "Worm", "Chub", "3", "12", "09-08-2001", "14:00", "18:00"},
        {"Mill Pond", "Lake", "\xA3" "5", "0", "0", "Clear", "Frost", "Float", "Maggot", "", "", "", "09-22-2001", "08:00", "11:00"},
        {"Canal Basin", "Canal", "", "2", "4", "Coloured", "Cloudy", "Pole", "Maggot", "Perch", "1", "2", "10-06-2001", "9:00", "12:00"},
        {"River Teme", "River", "\xA3" "4", "lots", "", "Coloured", "Cloudy", "Ledger", "Worm", "Barbel", "7", "0", "10-20-2001", "15:00", "19:00"},
        {"Gravel Pit", "Lake", "\xA3" "6.50", "25", "8", "Clear", "Cloudy", "Ledger", "Boilie", "Carp", "14", "2", "", "06:00", "14:00"},
        {"Mill Pond", "Lake", "\xA3" "5", "6", "0", "Clear", "Cloudy", "Float", "Sweetcorn", "Carp", "4", "0", "11-03-2001", "dawn", "10:00"},
        {"The Lock", "Canal", "\xA3" "3", "0", "10", "Clear", "Frost", "Pole", "Caster", "Roach", "0", "4", "12-01-2001", "10:00", "14:00"},
        {"River Teme", "River", "\xA3" "4", "5", "0", "Flooded", "Rain", "Ledger", "Worm", "Chub", "2", "8", "01-12-2002", "10:00", "15:00"},
        {"Mill Pond", "Lake", "\xA3" "5.50", "10", "0", "Clear", "Sunny", "Float", "Maggot", "Carp", "9", "0", "03-10-2002", "07:00", "12:00"},
        {"Canal Basin", "Canal", "free", "3", "0", "Clear", "Sunny", "Pole", "Maggot", "Bream", "2", "4", "03-24-2002", "08:00", "13:00"},
        {"", "Lake", "\xA3" "5", "0", "6", "Clear", "Sunny", "Float", "Bread", "Rudd", "", "", "03-31-2002", "", ""},
    };
    // clang-format on
    std::vector<TripRecord> trips(std::size(rows));
    for (std::size_t r = 0; r < trips.size(); ++r) {
        for (std::size_t c = 0; c < std::size(kColumns); ++c) trips[r][kColumns[c]] = rows[r][c];
    }
    return trips;
}

}  // namespace rodwick::testing
