// SPDX-License-Identifier: GPL-3.0-or-later
// One log book on two machines: the merge of two full versions of 250 trips against the one
// they came from, and a change on disk found and taken in by a book of 250 trips (reloaded, or
// merged with an unsaved edit), beside the check that finds nothing.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "database_file.h"
#include "record_book.h"
#include "trip_merge.h"

namespace rodwick {
namespace {

// 250 trips with texts of ordinary length, the one text differing in each.
std::vector<TripRecord> fullTrips() {
    std::vector<TripRecord> trips(RecordTable::kMaxRecords);
    for (std::size_t k = 0; k < trips.size(); ++k) {
        for (std::string& field : trips[k].fields) field = "Trip text";
        trips[k][Field::Venue] = "Mill Pond near the old bridge";
        trips[k][Field::Remarks] = "Fished the far bank until the light went, " +
                                   std::to_string(k) + " bites on sweetcorn.";
    }
    return trips;
}

// What a week on one machine does to the log book: ten trips changed, five deleted, five
// added, where offset says.
std::vector<TripRecord> aWeekOn(std::vector<TripRecord> trips, std::size_t offset,
                                const std::string& machine) {
    for (std::size_t k = 0; k < 10; ++k) trips[offset + 20 * k][Field::Bait] = machine + " bait";
    const auto deleted = trips.begin() + static_cast<std::ptrdiff_t>(190 + 4 * offset);
    trips.erase(deleted, deleted + 5);
    for (std::size_t k = 0; k < 5; ++k) {
        TripRecord trip = trips[k];
        trip[Field::Date] = machine + " " + std::to_string(k);
        trips.push_back(trip);
    }
    return trips;
}

void BM_MergeOf250Against250(benchmark::State& state) {
    const std::vector<TripRecord> base = fullTrips();
    const std::vector<TripRecord> mine = aWeekOn(base, 3, "here");
    const std::vector<TripRecord> theirs = aWeekOn(base, 11, "there");
    for (auto _ : state) {
        TripMerge merge = mergeTrips(base, mine, theirs);
        benchmark::DoNotOptimize(merge);
        if (merge.summary.total != 250) state.SkipWithError("an unexpected merge");
    }
}
BENCHMARK(BM_MergeOf250Against250)->Unit(benchmark::kMillisecond);

// No trip in common: no sequence to follow, every trip a change.
void BM_MergeOf250Against250Unrelated(benchmark::State& state) {
    const std::vector<TripRecord> base = fullTrips();
    std::vector<TripRecord> mine = base, theirs = base;
    for (TripRecord& trip : mine) trip[Field::Bait] = "here";
    for (TripRecord& trip : theirs) trip[Field::Bait] = "there";
    for (auto _ : state) benchmark::DoNotOptimize(mergeTrips(base, mine, theirs));
}
BENCHMARK(BM_MergeOf250Against250Unrelated)->Unit(benchmark::kMillisecond);

// A folder of its own, removed afterwards.
struct Folder {
    Folder() { ::mkdtemp(path.data()); }
    ~Folder() { std::filesystem::remove_all(path); }
    std::string path = (std::filesystem::temp_directory_path() / "rodwick-bench-XXXXXX").string();
};

void writeTrips(const std::string& path, const std::vector<TripRecord>& trips) {
    RecordTable table;
    table.replaceAll(trips);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << formatDatabase(table);
}

// The other machine's save of 250 trips, found by a check and taken in; with an unsaved edit
// of this machine (range 1) the two are merged, without one (range 0) the file is reloaded.
void BM_TakeInAChangedFile(benchmark::State& state) {
    const bool unsavedEdit = state.range(0) == 1;
    Folder folder;
    const std::string path = folder.path + "/TRIPS.RWK";
    std::vector<TripRecord> theirs = fullTrips();
    writeTrips(path, theirs);
    RecordBook book;
    if (!book.load(path) || !book.show(125)) state.SkipWithError("cannot load");
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        theirs[static_cast<std::size_t>(round % 250)][Field::Bait] =
            "round " + std::to_string(round);
        ++round;
        writeTrips(path, theirs);
        if (unsavedEdit && !book.setField(Field::Species, "Tench " + std::to_string(round)))
            state.SkipWithError("no edit");
        state.ResumeTiming();

        const RecordBook::DiskCheck check = book.checkDisk();
        if (check.state != RecordBook::FileState::Changed) state.SkipWithError("no change found");
        const Result<MergeSummary> taken = book.takeInDiskChange(check.change);
        if (!taken.ok() || book.unsaved() != unsavedEdit) state.SkipWithError("not taken in");
    }
}
BENCHMARK(BM_TakeInAChangedFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The check a window runs every few seconds, of a file that has not changed: one written long
// before its stamp (range 0: only its size and time are looked at) and one written just now
// (range 1: read and compared, as it is until it is two seconds old).
void BM_CheckAnUnchangedFile(benchmark::State& state) {
    Folder folder;
    const std::string path = folder.path + "/TRIPS.RWK";
    writeTrips(path, fullTrips());
    if (state.range(0) == 0) {
        const struct timespec old[2] = {{.tv_sec = 1'000'000'000, .tv_nsec = 0},
                                        {.tv_sec = 1'000'000'000, .tv_nsec = 0}};
        ::utimensat(AT_FDCWD, path.c_str(), old, 0);
    }
    RecordBook book;
    if (!book.load(path)) state.SkipWithError("cannot load");
    for (auto _ : state) {
        if (book.checkDisk().state != RecordBook::FileState::Same)
            state.SkipWithError("a change found");
    }
}
BENCHMARK(BM_CheckAnUnchangedFile)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace rodwick
