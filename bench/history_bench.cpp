// SPDX-License-Identifier: GPL-3.0-or-later
// What the undo history adds to the changes of a full table of 250 trips: a quick edit with
// its step against the same edit of a bare table, undo and redo, and the steps that keep the
// whole table (New), with the memory such a step holds.
#include <benchmark/benchmark.h>

#include <string>

#include "record_book.h"

namespace rodwick {
namespace {

// 250 trips with texts of ordinary length, some too long to live inside a string.
std::vector<TripRecord> fullTrips() {
    std::vector<TripRecord> trips(RecordTable::kMaxRecords);
    for (std::size_t k = 0; k < trips.size(); ++k) {
        for (std::string& field : trips[k].fields) field = "Trip " + std::to_string(k) + " text";
        trips[k][Field::Venue] = "Mill Pond near the old bridge " + std::to_string(k);
        trips[k][Field::Remarks] = "Fished the far bank until the light went, " +
                                   std::to_string(k) + " bites on sweetcorn.";
    }
    return trips;
}

RecordTable fullTable() {
    RecordTable table;
    table.replaceAll(fullTrips());
    table.setCurrentRecord(125);
    return table;
}

void BM_QuickEditOfABareTable(benchmark::State& state) {
    RecordTable table = fullTable();
    int k = 0;
    for (auto _ : state) {
        table.slot(table.currentRecord())[Field::Bait] = (++k % 2) ? "Maggot" : "Sweetcorn";
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_QuickEditOfABareTable)->Unit(benchmark::kMicrosecond);

void BM_QuickEditWithItsStep(benchmark::State& state) {
    RecordBook book;
    book.adopt(fullTable(), "TRIPS.RWK");
    int k = 0;
    for (auto _ : state) {
        if (!book.setField(Field::Bait, (++k % 2) ? "Maggot" : "Sweetcorn"))
            state.SkipWithError("no edit");
    }
    state.counters["history steps"] = static_cast<double>(book.historySteps());
}
BENCHMARK(BM_QuickEditWithItsStep)->Unit(benchmark::kMicrosecond);

void BM_UndoAndRedoOfADelete(benchmark::State& state) {
    RecordBook book;
    book.adopt(fullTable(), "TRIPS.RWK");
    if (!book.show(1) || !book.deleteCurrent()) state.SkipWithError("no delete");
    for (auto _ : state) {
        if (!book.undo() || !book.redo()) state.SkipWithError("no undo");
    }
}
BENCHMARK(BM_UndoAndRedoOfADelete)->Unit(benchmark::kMicrosecond);

// New keeps the whole table; the counter is the memory one such step holds.
void BM_NewOfAFullTable(benchmark::State& state) {
    RecordBook book;
    for (auto _ : state) {
        state.PauseTiming();
        book.adopt(fullTable(), "TRIPS.RWK");
        state.ResumeTiming();
        book.newDatabase();
    }
    state.counters["step KB"] = static_cast<double>(book.historyBytes()) / 1024;
}
BENCHMARK(BM_NewOfAFullTable)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace rodwick
