// SPDX-License-Identifier: GPL-3.0-or-later
// The search's pass over a full table that holds the word nowhere, and the goto list's lines.
#include <benchmark/benchmark.h>

#include <QString>
#include <string>

#include "goto_line.h"
#include "record_table.h"
#include "search_walk.h"

namespace {

using rodwick::Field;
using rodwick::RecordTable;
using rodwick::TripRecord;

// A full table of trips that look like real ones, every fifth with an accented remark, so
// that both ways of upper-casing a field are taken.
RecordTable fullTable() {
    RecordTable table;
    std::vector<TripRecord> trips;
    for (int i = 1; i <= RecordTable::kMaxRecords; ++i) {
        TripRecord trip;
        const std::string n = std::to_string(i);
        trip[Field::Venue] = "River Usk at Llanbadoc " + n;
        trip[Field::WaterType] = "River";
        trip[Field::TicketPrice] = "4.50";
        trip[Field::Club] = "Usk Town Angling Association";
        trip[Field::TotalWeightMajor] = "12";
        trip[Field::TotalWeightMinor] = "8";
        trip[Field::WaterCondition] = "Coloured";
        trip[Field::Weather] = "Overcast";
        trip[Field::Temperature] = "14";
        trip[Field::Method] = "Trotting a stick float down the near bank";
        trip[Field::DepthMajor] = "6";
        trip[Field::DepthMinor] = "3";
        trip[Field::Bait] = "Maggot";
        trip[Field::Species] = "Chub, Dace, Roach";
        trip[Field::BestFish] = "Chub";
        trip[Field::BestFishWeightMajor] = "4";
        trip[Field::BestFishWeightMinor] = "2";
        trip[Field::Restrictions] = "No night fishing, barbless hooks only";
        trip[Field::Remarks] = i % 5 == 0
                                   ? "Caf\xe9 by the bridge, fish caught on the cr\xe8me bait"
                                   : "Fish caught in the last hour of light, under the trees";
        trip[Field::Date] = "12/05/01";
        trip[Field::StartTime] = "07:30";
        trip[Field::FinishTime] = "13:15";
        trips.push_back(trip);
    }
    table.replaceAll(trips);
    return table;
}

// Argument 0: the system locale. 1: Turkish, whose capitals of ASCII letters are not all ASCII,
// so every field takes the way through Unicode.
void BM_SearchPassWithoutHit(benchmark::State& state) {
    RecordTable table = fullTable();
    rodwick::SearchWalk walk(state.range(0) == 0 ? QLocale::system() : QLocale(QLocale::Turkish));
    int completed = 0;
    const rodwick::SearchHooks hooks{[](int) {}, [] { return true; },
                                     [&completed] { ++completed; }};
    for (auto _ : state) {
        walk.startWord(QStringLiteral("zander"));
        walk.runSearch(table, hooks);
    }
    if (completed != state.iterations()) state.SkipWithError("a pass did not complete");
}
BENCHMARK(BM_SearchPassWithoutHit)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_GotoLines(benchmark::State& state) {
    const RecordTable table = fullTable();
    for (auto _ : state) {
        QStringList lines = rodwick::gotoLines(table);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_GotoLines)->Unit(benchmark::kMicrosecond);

}  // namespace
