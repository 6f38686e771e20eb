// SPDX-License-Identifier: GPL-3.0-or-later
// Building the record editor's venue and club suggestion lists on a full table.
#include <benchmark/benchmark.h>

#include <cctype>
#include <memory>
#include <string>
#include <vector>

#include "record_table.h"
#include "suggestions.h"

namespace {

// 250 trips; every second venue and club repeats the one before it in other letter case.
std::unique_ptr<rodwick::RecordTable> fullTable() {
    std::vector<rodwick::TripRecord> trips(rodwick::RecordTable::kMaxRecords);
    for (std::size_t i = 0; i < trips.size(); ++i) {
        std::string venue = "River Venue " + std::to_string(i - i % 2);
        std::string club = "Angling Club of " + std::to_string(i - i % 2);
        if (i % 2 == 1) {
            for (char& c : venue)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            for (char& c : club) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        trips[i][rodwick::Field::Venue] = venue;
        trips[i][rodwick::Field::Club] = club;
    }
    auto table = std::make_unique<rodwick::RecordTable>();
    table->replaceAll(trips);
    return table;
}

void BM_EditorSuggestionLists(benchmark::State& state) {
    const auto table = fullTable();
    for (auto _ : state) {
        benchmark::DoNotOptimize(rodwick::buildSuggestionList(*table, rodwick::Field::Venue));
        benchmark::DoNotOptimize(rodwick::buildSuggestionList(*table, rodwick::Field::Club));
    }
}
BENCHMARK(BM_EditorSuggestionLists)->Unit(benchmark::kMicrosecond);

}  // namespace
