// SPDX-License-Identifier: GPL-3.0-or-later
// The trip list's work: one log book filtered, sorted and totalled, and a folder of 40 log books
// listed, read, filtered, sorted, totalled and summed up by every figure.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "database_file.h"
#include "figures.h"
#include "log_books.h"
#include "trip_columns.h"
#include "trip_filter.h"

namespace rodwick::trips {
namespace {

using filtering::applyFilter;
using filtering::CatchChoice;
using filtering::Filtered;
using filtering::LogBookFile;
using filtering::otherLogBooks;
using filtering::readLogBook;
using filtering::recordsOf;
using filtering::TripFilter;
using filtering::TripRef;
using filtering::tripsOf;

const UnitNames kUnits = UnitNames::imperial();

// 250 trips over 25 venues and two years, typed with the usual variety, some not reading.
RecordTable fullTable(int seed) {
    const char* methods[] = {"Float", "Ledger", "Pole", "Feeder", "Lure"};
    const char* baits[] = {"Maggot", "Worm", "Boilie", "Sweetcorn", "Bread", "Caster"};
    const char* species[] = {"Carp", "Roach, Tench", "Tench", "Bream,Perch", "Chub", "Barbel"};
    std::vector<TripRecord> trips;
    for (int i = 0; i < RecordTable::kMaxRecords; ++i) {
        const int k = i + seed;
        TripRecord t;
        t[Field::Venue] = (k % 3 ? "Venue " : " venue ") + std::to_string(k % 25);
        t[Field::WaterType] = k % 2 ? "Lake" : "River";
        t[Field::TicketPrice] = k % 4 ? "5.50" : "free";
        t[Field::TotalWeightMajor] = k % 17 ? std::to_string(k % 30) : "lots";
        t[Field::TotalWeightMinor] = std::to_string(k % 16);
        t[Field::Method] = methods[k % 5];
        t[Field::Bait] = baits[k % 6];
        t[Field::Species] = species[k % 6];
        t[Field::BestFish] = species[k % 7 % 6];
        t[Field::BestFishWeightMajor] = std::to_string(k % 12);
        t[Field::Remarks] = k % 5 ? "Windy on the far bank" : "Carp cruising";
        t[Field::Date] = k % 23
                             ? "0" + std::to_string(k % 9 + 1) + "-" + std::to_string(10 + k % 18) +
                                   "-" + std::to_string(2000 + k % 2)
                             : "last summer";
        t[Field::StartTime] = k % 2 ? "6:30" : "9.15am";
        t[Field::FinishTime] = k % 5 ? "14:00" : "1.30am";
        trips.push_back(t);
    }
    RecordTable table;
    table.replaceAll(trips);
    return table;
}

const TripFilter kFilter{.word = "carp",
                         .dates = {Date{2000, 1, 1}, Date{2001, 6, 30}, 0},
                         .catches = CatchChoice::WithCatch};

// Arg 0: every trip shown; 1: a word, a date range and a catch choice.
const TripFilter& filterOf(const benchmark::State& s) {
    static const TripFilter kNone;
    return s.range(0) != 0 ? kFilter : kNone;
}

// Find's matcher in the small: the word in any case.
bool holdsWord(std::string_view field) {
    const std::string folded = foldName(field);
    return folded.find("carp") != std::string::npos;
}

void BM_FilterSortTotals250(benchmark::State& s) {
    const RecordTable table = fullTable(0);
    const std::vector<TripRef> trips = tripsOf(table);
    for (auto _ : s) {
        const Filtered filtered = applyFilter(trips, filterOf(s), kUnits, holdsWord);
        const std::vector<int> order =
            sortedBy(trips, filtered.shown, Column::TotalWeight, true, kUnits);
        benchmark::DoNotOptimize(totalsOf(trips, order, kUnits));
    }
}
BENCHMARK(BM_FilterSortTotals250)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// 40 log books of 250 trips written as files into a folder of their own; the first is open.
void BM_EveryLogBookOfTheFolder(benchmark::State& s) {
    std::string folder = (std::filesystem::temp_directory_path() / "rodwick-bench-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) {
        s.SkipWithError("no temporary folder");
        return;
    }
    for (int k = 0; k < 40; ++k) {
        const std::string path = folder + "/BOOK" + std::to_string(k) + ".RWK";
        if (!saveDatabaseFile(path, fullTable(k)).ok()) s.SkipWithError("cannot write a log book");
    }
    const std::string open = folder + "/BOOK0.RWK";
    for (auto _ : s) {
        std::vector<LogBookFile> books = {readLogBook(open)};
        for (const std::string& path : otherLogBooks(open).paths)
            books.push_back(readLogBook(path));
        std::vector<TripRef> trips;
        std::vector<std::string> names;
        for (std::size_t k = 0; k < books.size(); ++k) {
            const std::vector<TripRef> ofBook = tripsOf(books[k].records, static_cast<int>(k));
            trips.insert(trips.end(), ofBook.begin(), ofBook.end());
            names.push_back(books[k].name);
        }
        const Filtered filtered = applyFilter(trips, filterOf(s), kUnits, holdsWord);
        const std::vector<int> order =
            sortedBy(trips, filtered.shown, Column::Date, false, kUnits, names);
        benchmark::DoNotOptimize(totalsOf(trips, order, kUnits));
        std::vector<TripRef> shown;
        for (int k : order) shown.push_back(trips[static_cast<std::size_t>(k)]);
        benchmark::DoNotOptimize(stats::figuresOf(recordsOf(shown), kUnits));
        s.counters["trips"] = static_cast<double>(trips.size());
        s.counters["shown"] = static_cast<double>(shown.size());
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}
BENCHMARK(BM_EveryLogBookOfTheFolder)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace rodwick::trips
