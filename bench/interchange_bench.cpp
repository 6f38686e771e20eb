// SPDX-License-Identifier: GPL-3.0-or-later
// Spreadsheet export and import of a full table of 250 trips.
#include <benchmark/benchmark.h>

#include <string>

#include "csv_import.h"
#include "csv_writer.h"

namespace rodwick {
namespace {

// 250 trips with values of a typical length, some needing quotes or a formula guard, and
// accents the file must carry as UTF-8.
RecordTable fullTable() {
    std::vector<TripRecord> trips;
    for (int k = 1; k <= RecordTable::kMaxRecords; ++k) {
        TripRecord trip;
        for (int f = 0; f < kFieldCount; ++f) {
            trip.fields[f] = "Trip " + std::to_string(k) + " field " + std::to_string(f);
        }
        trip[Field::Venue] = "Caf\xE9 Pool, North Bank";
        trip[Field::Remarks] = "-windy, \"good\" day";
        trips.push_back(trip);
    }
    RecordTable table;
    table.replaceAll(trips);
    return table;
}

void BM_ExportCsv250(benchmark::State& s) {
    const RecordTable table = fullTable();
    for (auto _ : s) benchmark::DoNotOptimize(csvFileBytes(table, UnitNames::imperial()));
}
BENCHMARK(BM_ExportCsv250)->Unit(benchmark::kMicrosecond);

// Everything the import window does before the user confirms: detection, reading, mapping
// and the plan.
void BM_ImportCsv250(benchmark::State& s) {
    const std::string bytes = csvFileBytes(fullTable(), UnitNames::imperial());
    for (auto _ : s) {
        CsvImportChoice choice;
        choice.separator = detectSeparator(withoutBom(bytes));
        choice.encoding = detectEncoding(bytes);
        const CsvRows rows = readImportRows(bytes, choice.separator);
        choice.mapping = initialMapping(rows, true);
        benchmark::DoNotOptimize(planImport(rows, choice));
    }
}
BENCHMARK(BM_ImportCsv250)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace rodwick
