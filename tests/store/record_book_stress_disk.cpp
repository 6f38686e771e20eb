// SPDX-License-Identifier: GPL-3.0-or-later
// The model test's other machine: the folder's files written from outside, a change taken in,
// a conflict copy merged, each step checked against what the model expects.
#include <algorithm>
#include <cstring>

#include "record_book_model.h"
#include "trip_merge.h"

namespace rodwick::testing::stress {

// Another machine's save of a file of the folder, mostly of the book's own: its trips
// changed, a touch that keeps the bytes, a damaged file, or the file removed.
void Stress::otherMachine() {
    const std::string path = hasFile() && chance(70) ? model_.disk->path : anyPath();
    if (path == dir_.file("folder.rwk") || path.find("/no folder/") != std::string::npos) return;
    const auto file = model_.files.find(path);
    const int what = uniform(0, 9);
    if (what == 0) {
        std::filesystem::remove(path);
        model_.files.erase(path);
    } else if (what == 1) {
        writeFile(path, fileImage(" 3 ", randomRecords(2)));
    } else if (what == 2 && file != model_.files.end()) {
        writeBytes(path, file->second.bytes);
    } else {
        const std::vector<TripRecord> from = file != model_.files.end() && file->second.records
                                                 ? *file->second.records
                                             : hasFile() ? model_.disk->trips
                                                         : model_.records;
        const std::vector<TripRecord> trips = variant(from);
        writeFile(path, image(trips));
        model_.files[path].records = storedRecords(trips);
    }
    checkDisk(path);
}

void Stress::writeFile(const std::string& path, const std::string& bytes) {
    writeBytes(path, bytes);
    model_.files[path] = {bytes, std::nullopt};
}

// Trips as another machine changed them: some removed, changed or copied, some added, now
// and then enough to pass 250 with the book's.
std::vector<TripRecord> Stress::variant(std::vector<TripRecord> trips) {
    for (int n = uniform(0, 3); n > 0 && !trips.empty(); --n) {
        const auto at = trips.begin() + uniform(0, static_cast<int>(trips.size()) - 1);
        const int change = uniform(0, 2);
        if (change == 0) {
            trips.erase(at);
        } else if (change == 1) {
            at->fields[uniform(0, kFieldCount - 1)] = randomText();
        } else {
            trips.insert(trips.begin() + uniform(0, static_cast<int>(trips.size())), *at);
        }
    }
    for (const TripRecord& trip : randomRecords(chance(10) ? uniform(0, kMax) : uniform(0, 2)))
        trips.push_back(trip);
    if (trips.size() > static_cast<std::size_t>(kMax)) trips.resize(kMax);
    return trips;
}

// A disk check, against what the model knows of the book's file; the change it finds is
// taken in, or one found before (by then perhaps stale), the current record kept on a trip
// an editor might be open on.
void Stress::takeIn() {
    RecordBook::DiskCheck check = book_.checkDisk();
    const RecordBook::FileState expected = expectedCheck();
    EXPECT_EQ(check.state, expected) << check.reason;
    if (check.state != expected) return;
    if (expected == RecordBook::FileState::Changed) {
        const OnDisk& file = model_.files.at(model_.disk->path);
        EXPECT_EQ(check.change.trips(), *file.records);
        found_ = FoundChange{std::move(check.change), file.bytes, model_.generation};
    } else if (!found_ || chance(70)) {
        return;
    }
    const FoundChange& change = *found_;
    std::optional<TripRecord> stayOn;
    if (!model_.records.empty() && chance(20))
        stayOn = model_.records[uniform(0, modelCount() - 1)];
    const Result<MergeSummary> taken = book_.takeInDiskChange(change.change, stayOn);
    const bool fresh = hasFile() && change.change.path() == model_.disk->path &&
                       change.generation == model_.generation;
    EXPECT_EQ(taken.ok(), fresh) << taken.error();
    if (!fresh) return;
    const std::vector<TripRecord>& theirs = change.change.trips();
    const std::vector<TripRecord> merged =
        unsaved() ? mergeTrips(model_.disk->trips, model_.records, theirs).trips : theirs;
    EXPECT_EQ(taken.value().total, static_cast<int>(merged.size()));
    if (merged.size() > static_cast<std::size_t>(kMax)) return;
    takeTrips(merged, unsaved() ? "Merge from Disk" : "Reload", stayOn);
    knowFile(model_.disk->path, theirs, change.bytes);
}

RecordBook::FileState Stress::expectedCheck() {
    using enum RecordBook::FileState;
    if (!hasFile()) return NoFile;
    const auto file = model_.files.find(model_.disk->path);
    if (file == model_.files.end()) return Missing;
    if (model_.disk->bytes == file->second.bytes) return Same;
    if (!file->second.records) return Unreadable;
    if (*file->second.records != model_.disk->trips) return Changed;
    model_.disk->bytes = file->second.bytes;
    return Same;
}

// A sync program's conflict copy of the book's file merged in, with a few earlier versions.
void Stress::conflictCopy() {
    const std::vector<TripRecord> copy = variant(hasFile() ? model_.disk->trips : model_.records);
    std::vector<std::vector<TripRecord>> older;
    for (int n = uniform(0, 2); n > 0; --n) older.push_back(variant(copy));
    const MergeSummary summary = book_.mergeConflictCopy(copy, older);
    std::vector<std::vector<TripRecord>> candidates = older;
    if (hasFile()) candidates.push_back(model_.disk->trips);
    const auto base = chooseCommonBase(candidates, copy, model_.records);
    const std::vector<TripRecord> merged =
        base ? mergeTrips(candidates[*base], copy, model_.records).trips
             : unionTrips(model_.records, copy).trips;
    EXPECT_EQ(summary.total, static_cast<int>(merged.size()));
    if (merged.size() <= static_cast<std::size_t>(kMax))
        takeTrips(merged, "Merge of Conflicted Copy", std::nullopt);
}

// The records become trips as one step; the current record stays on its trip (the copy
// nearest its place, the earlier of two as near), else at its place.
void Stress::takeTrips(const std::vector<TripRecord>& trips, const std::string& name,
                       std::optional<TripRecord> stayOn) {
    const int was = model_.current, count = static_cast<int>(trips.size());
    if (!stayOn && was > 0) stayOn = model_.records[was - 1];
    int now = count == 0 ? 0 : std::clamp(was, 1, count);
    for (int d = 0; stayOn && count > 0 && d <= kMax; ++d) {
        const int place = std::max(was, 1);
        if (place - d >= 1 && place - d <= count && trips[place - d - 1] == *stayOn) {
            now = place - d;
            break;
        }
        if (place + d <= count && trips[place + d - 1] == *stayOn) {
            now = place + d;
            break;
        }
    }
    const bool same = trips == model_.records;
    if (same && now == was) return;
    model_.records = trips;
    model_.current = now;
    tell({.records = !same, .currentRecord = true});
    stepped(name);
}

}  // namespace rodwick::testing::stress
