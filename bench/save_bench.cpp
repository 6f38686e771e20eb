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

RecordTable FullTable() {
    RecordTable table;
    std::vector<TripRecord> trips(RecordTable::kMaxRecords);
    for (std::size_t k = 0; k < trips.size(); ++k) {
        for (std::string& field : trips[k].fields) field = "Trip " + std::to_string(k) + " text";
    }
    table.ReplaceFromFile(trips);
    return table;
}

// A folder of its own, removed afterwards.
struct Folder {
    Folder() { ::mkdtemp(path.data()); }
    ~Folder() { std::filesystem::remove_all(path); }
    std::string path = (std::filesystem::temp_directory_path() / "rodwick-bench-XXXXXX").string();
};

void Save(benchmark::State& state, const FileOps& ops) {
    Folder folder;
    const std::string file = folder.path + "/TRIPS.RWK";
    const RecordTable table = FullTable();
    if (!SaveDatabaseFile(file, table)) state.SkipWithError("cannot save");
    for (auto _ : state) {
        if (!SaveDatabaseFile(file, table, ops)) state.SkipWithError("cannot save");
    }
    state.SetBytesProcessed(state.iterations() * FormatDatabase(table).size());
}

void BM_SaveByRename(benchmark::State& state) {
    Save(state, FileOps::System());
}
BENCHMARK(BM_SaveByRename)->Unit(benchmark::kMillisecond);

void BM_SaveInPlace(benchmark::State& state) {
    FileOps ops = FileOps::System();
    ops.mkstemp = [](char*) {
        errno = EACCES;
        return -1;
    };
    Save(state, ops);
}
BENCHMARK(BM_SaveInPlace)->Unit(benchmark::kMillisecond);

void BM_ReadDatabaseFile(benchmark::State& state) {
    Folder folder;
    const std::string file = folder.path + "/TRIPS.RWK";
    if (!SaveDatabaseFile(file, FullTable())) state.SkipWithError("cannot save");
    for (auto _ : state) benchmark::DoNotOptimize(ReadDatabaseFile(file));
}
BENCHMARK(BM_ReadDatabaseFile)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace rodwick
