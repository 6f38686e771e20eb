// SPDX-License-Identifier: GPL-3.0-or-later
// Export writers and the record printout over a full table of 250 records.
#include <benchmark/benchmark.h>

#include <string>

#include "export_files.h"
#include "please_wait.h"
#include "print_job.h"
#include "record_book.h"
#include "rodwick_test/scripted_platform.h"

namespace rodwick {
namespace {

// 250 trips with values of a typical length.
void fillBook(RecordBook& book) {
    std::vector<TripRecord> trips;
    for (int k = 1; k <= RecordTable::kMaxRecords; ++k) {
        TripRecord trip;
        for (int f = 0; f < kFieldCount; ++f) {
            trip.fields[f] = "Trip " + std::to_string(k) + " field " + std::to_string(f);
        }
        trips.push_back(trip);
    }
    RecordTable table;
    table.replaceAll(trips);
    table.setCurrentRecord(125);
    book.adopt(std::move(table), "/home/angler/Trips 2001.RWK");
}

void BM_NativeFile(benchmark::State& s) {
    RecordBook book;
    fillBook(book);
    for (auto _ : s) benchmark::DoNotOptimize(nativeFileBytes(book.table()));
}
BENCHMARK(BM_NativeFile);

void BM_TextFileAll250(benchmark::State& s) {
    RecordBook book;
    fillBook(book);
    for (auto _ : s) benchmark::DoNotOptimize(textFileBytes(book.table(), true));
}
BENCHMARK(BM_TextFileAll250)->Unit(benchmark::kMicrosecond);

void BM_SisterFileAll250(benchmark::State& s) {
    RecordBook book;
    fillBook(book);
    for (auto _ : s) benchmark::DoNotOptimize(sisterFileBytes(book.table(), true));
}
BENCHMARK(BM_SisterFileAll250)->Unit(benchmark::kMicrosecond);

// Header and 250 records into the recording printer.
void BM_PrintRecordsAll250(benchmark::State& s) {
    RecordBook book;
    fillBook(book);
    testing::ScriptedPlatform platform;
    PrintRequest request;
    request.includeFileName = request.includeDate = request.includeTime = true;
    request.printFrom = QStringLiteral("1");
    request.printTo = QStringLiteral("250");
    request.copies = QStringLiteral("1");
    BusyPointer busy(platform);
    for (auto _ : s) {
        platform.printedLines.clear();
        benchmark::DoNotOptimize(printRecords(platform, busy, book, request));
    }
    s.counters["lines"] = static_cast<double>(platform.printedLines.size());
}
BENCHMARK(BM_PrintRecordsAll250)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace rodwick
