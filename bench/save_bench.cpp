// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and reading a full database of 250 trips, by the safe rename and by the in-place
// fallback for folders that take no temporary file.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "database_file.h"

namespace rodwick {
namespace {

RecordTable fullTable() {
    RecordTable table;
    std::vector<TripRecord> trips(RecordTable::kMaxRecords);
    for (std::size_t k = 0; k < trips.size(); ++k) {
        for (std::string& field : trips[k].fields) field = "Trip " + std::to_string(k) + " text";
    }
    table.replaceAll(trips);
    return table;
}

// A folder of its own, removed afterwards.
struct Folder {
    Folder() { ::mkdtemp(path.data()); }
    ~Folder() { std::filesystem::remove_all(path); }
    std::string path = (std::filesystem::temp_directory_path() / "rodwick-bench-XXXXXX").string();
};

void save(benchmark::State& state, const FileOps& ops) {
    Folder folder;
    const std::string file = folder.path + "/TRIPS.RWK";
    const RecordTable table = fullTable();
    if (!saveDatabaseFile(file, table)) state.SkipWithError("cannot save");
    for (auto _ : state) {
        if (!saveDatabaseFile(file, table, ops)) state.SkipWithError("cannot save");
    }
    state.SetBytesProcessed(state.iterations() * formatDatabase(table).size());
}

void BM_SaveByRename(benchmark::State& state) {
    save(state, FileOps::system());
}
BENCHMARK(BM_SaveByRename)->Unit(benchmark::kMillisecond);

void BM_SaveInPlace(benchmark::State& state) {
    FileOps ops = FileOps::system();
    ops.mkstemp = [](char*) {
        errno = EACCES;
        return -1;
    };
    save(state, ops);
}
BENCHMARK(BM_SaveInPlace)->Unit(benchmark::kMillisecond);

void BM_ReadDatabaseFile(benchmark::State& state) {
    Folder folder;
    const std::string file = folder.path + "/TRIPS.RWK";
    if (!saveDatabaseFile(file, fullTable())) state.SkipWithError("cannot save");
    for (auto _ : state) benchmark::DoNotOptimize(readDatabaseFile(file));
}
BENCHMARK(BM_ReadDatabaseFile)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace rodwick
