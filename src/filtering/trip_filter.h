// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "readings.h"
#include "record_table.h"
#include "settings.h"

namespace rodwick::filtering {

// One trip as the list shows it: its record and the log book it belongs to. The record is
// owned by the book's table or by a log book read from the folder and outlives the list.
struct TripRef {
    const TripRecord* record = nullptr;
    int book = 0;    // 0: the open log book; k > 0: the folder's k-th other log book
    int number = 0;  // the record's number in its log book, 1-based
};

// The trips of one table, in record order, all of log book `book`.
std::vector<TripRef> tripsOf(const RecordTable& table, int book = 0);
std::vector<TripRef> tripsOf(std::span<const TripRecord> records, int book);
// Copies of the records, in the order given: what the figures read.
std::vector<TripRecord> recordsOf(std::span<const TripRef> trips);

enum class CatchChoice { Any, WithCatch, Blank };

// Trips dated from `from` to `to` (both included, either open), and only in `month` (1..12)
// when it is set: "every June" is month 6 with no bounds.
struct DateRange {
    std::optional<Date> from = {};
    std::optional<Date> to = {};
    int month = 0;
    bool isSet() const { return from || to || month != 0; }
    bool operator==(const DateRange&) const = default;
};
enum class QuickDates { ThisYear, LastYear, Last12Months };
// The range a quick choice stands for on `today`.
DateRange quickDates(QuickDates choice, const Date& today);

// Tests one field's file text for the filter's word with Find's rules (the window supplies
// Find's own matcher, which upper-cases through the locale).
using WordTest = std::function<bool(std::string_view fieldBytes)>;

// What the list and the statistics show. Every part left empty lets every trip through.
struct TripFilter {
    std::string word = {};  // file text; found in any field
    DateRange dates = {};
    // Compared as foldName compares (case and outer blanks ignored); a trip's species
    // field holds a list separated by commas, and matches when any of them is the one chosen.
    std::string venue = {};
    std::string species = {};
    std::string method = {};
    std::string bait = {};
    CatchChoice catches = CatchChoice::Any;
    bool isEmpty() const;
    bool operator==(const TripFilter& other) const;
};

struct Filtered {
    std::vector<int> shown;  // indices into the trips filtered, in their order
    // Left out only because a date range is set and their date does not read.
    int undated = 0;
    // Left out only because a catch choice is set and their total weight does not read.
    int unweighed = 0;
};
// wordTest is consulted only when the filter has a word; an empty one matches nothing then.
Filtered applyFilter(std::span<const TripRef> trips, const TripFilter& filter,
                     const UnitNames& units, const WordTest& wordTest);

// The values a field takes over the trips, for the filter's lists: one entry per folded name
// as first typed, trimmed, sorted without regard to case; a species list gives each species.
std::vector<std::string> valuesPresent(std::span<const TripRef> trips, Field field);

}  // namespace rodwick::filtering
