// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery copy written after every change: a full table of 250 trips must go out in well
// under 2 ms, so that a quick edit stays instant.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "recovery.h"

namespace rodwick {
namespace {

struct Folder {
    Folder() { ::mkdtemp(path.data()); }
    ~Folder() { std::filesystem::remove_all(path); }
    std::string path = (std::filesystem::temp_directory_path() / "rodwick-bench-XXXXXX").string();
};

std::vector<TripRecord> fullTable() {
    std::vector<TripRecord> trips(RecordTable::kMaxRecords);
    for (std::size_t k = 0; k < trips.size(); ++k) {
        for (std::string& field : trips[k].fields) field = "Trip " + std::to_string(k) + " text";
    }
    return trips;
}

// One edit of a full table, and the copy it leaves.
void BM_RecoveryCopyOf250Trips(benchmark::State& state) {
    Folder folder;
    RecordBook book;
    if (!book.appendRecords(fullTable())) state.SkipWithError("cannot fill the table");
    Recovery recovery(book, folder.path);
    bool odd = false;
    for (auto _ : state) {
        odd = !odd;
        if (!book.setField(Field::Venue, odd ? "Lake" : "River")) state.SkipWithError("no edit");
    }
}
BENCHMARK(BM_RecoveryCopyOf250Trips)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace rodwick
