// SPDX-License-Identifier: GPL-3.0-or-later
// The book and its file on disk: what was last loaded or saved, the check for a change another
// program made, and the taking in of that change or of a sync program's conflict copy.
#include "record_book.h"

#include <algorithm>

#include "database_file.h"

namespace rodwick {

bool RecordBook::hasFile() const {
    return file_ && !detached_ && file_->path == fileName_;
}

std::span<const TripRecord> RecordBook::savedTrips() const {
    if (!hasFile()) return {};
    return file_->trips;
}

bool RecordBook::unsaved() const {
    if (!hasFile()) return table_.recordCount() > 0;
    return !std::equal(file_->trips.begin(), file_->trips.end(), &table_.slot(1),
                       &table_.slot(1) + table_.recordCount());
}

void RecordBook::knowFile(std::string path, std::vector<TripRecord> trips,
                          std::optional<std::string> bytes, std::optional<FileStamp> stamp,
                          std::int64_t stampedNs) {
    file_ = KnownFile{.path = std::move(path),
                      .trips = std::move(trips),
                      .bytes = std::move(bytes),
                      .stamp = std::nullopt,
                      .racy = true};
    if (stamp) restamp(*stamp, stampedNs);
    detached_ = false;
    ++fileGeneration_;
}

void RecordBook::restamp(FileStamp stamp, std::int64_t stampedNs) {
    file_->stamp = stamp;
    file_->racy = stamp.modifiedNs > stampedNs - kRacyNs;
}

Status RecordBook::writeFile(const std::string& path) {
    std::string bytes = formatDatabase(table_);
    const std::int64_t writtenNs = wallClockNs();
    Status saved = writeFileAtomically(path, bytes, ops_);
    if (!saved.ok()) return saved;
    // Known as the table held it (a line end inside a field is written as a blank), so that
    // nothing is unsaved after a save. Without a stamp the next check reads the file.
    const Result<std::optional<FileStamp>> stamp = fileStamp(path);
    knowFile(path, records(), std::move(bytes), stamp.ok() ? stamp.value() : std::nullopt,
             writtenNs);
    return saved;
}

RecordBook::DiskCheck RecordBook::checkDisk() {
    const auto found = [](FileState state, std::string reason = {}) {
        DiskCheck check;
        check.state = state;
        check.reason = std::move(reason);
        return check;
    };
    if (!hasFile()) return found(FileState::NoFile);
    KnownFile& file = *file_;
    const std::int64_t readNs = wallClockNs();
    const Result<std::optional<FileStamp>> stamp = fileStamp(file.path);
    if (!stamp.ok()) return found(FileState::Unreadable, file.path + ": " + stamp.error());
    if (!stamp.value()) return found(FileState::Missing);
    if (file.stamp && *file.stamp == *stamp.value() && !file.racy) return found(FileState::Same);

    Result<FileContent> content = readFileContent(file.path);
    if (!content.ok()) {
        // Gone between the look and the reading: a sync program replacing it.
        if (!fileExists(file.path)) return found(FileState::Missing);
        return found(FileState::Unreadable, content.error());
    }
    FileContent read = std::move(content).value();
    if (file.bytes && read.bytes == *file.bytes) {
        restamp(read.stamp, readNs);
        return found(FileState::Same);
    }
    Result<std::vector<TripRecord>> trips = parseDatabaseFile(file.path, read.bytes);
    if (!trips.ok()) return found(FileState::Unreadable, trips.error());
    if (trips.value() == file.trips) {
        file.bytes = std::move(read.bytes);
        restamp(read.stamp, readNs);
        return found(FileState::Same);
    }
    DiskCheck check = found(FileState::Changed);
    check.change.trips_ = std::move(trips).value();
    check.change.path_ = file.path;
    check.change.bytes_ = std::move(read.bytes);
    check.change.stamp_ = read.stamp;
    check.change.readNs_ = readNs;
    check.change.generation_ = fileGeneration_;
    return check;
}

Result<MergeSummary> RecordBook::takeInDiskChange(const DiskChange& change,
                                                  std::optional<TripRecord> stayOn) {
    if (!hasFile() || change.path_ != file_->path || change.generation_ != fileGeneration_)
        return Result<MergeSummary>::fail(
            "the log book's file has been read or written since this change was found");
    const std::vector<TripRecord> mine = records();
    const bool merging = unsaved();
    TripMerge merged = merging ? mergeTrips(file_->trips, mine, change.trips_)
                               : TripMerge{change.trips_, summarizeChange(mine, change.trips_)};
    if (merged.summary.tooMany()) return merged.summary;
    takeTrips(std::move(merged.trips), merging ? StepName::MergeFromDisk : StepName::Reload,
              stayOn);
    knowFile(change.path_, change.trips_, change.bytes_, std::nullopt, 0);
    restamp(change.stamp_, change.readNs_);
    return merged.summary;
}

MergeSummary RecordBook::mergeConflictCopy(const std::vector<TripRecord>& copy,
                                           std::span<const std::vector<TripRecord>> olderVersions) {
    const std::vector<TripRecord> held = records();
    std::vector<std::vector<TripRecord>> candidates(olderVersions.begin(), olderVersions.end());
    if (hasFile()) candidates.push_back(file_->trips);
    // The records are "theirs" here, so that their order is kept and the copy's trips join it.
    const std::optional<std::size_t> base = chooseCommonBase(candidates, copy, held);
    TripMerge merged = base ? mergeTrips(candidates[*base], copy, held) : unionTrips(held, copy);
    MergeSummary summary = summarizeChange(held, merged.trips);
    summary.keptBoth = merged.summary.keptBoth;
    if (summary.tooMany()) return summary;
    takeTrips(std::move(merged.trips), StepName::ConflictCopy, std::nullopt);
    return summary;
}

int RecordBook::findTrip(const TripRecord& trip, int near) const {
    const std::span<const TripRecord> held(&table_.slot(1),
                                           static_cast<std::size_t>(table_.recordCount()));
    const auto found = findNearest(held, trip, static_cast<std::size_t>(std::max(near - 1, 0)));
    return found ? static_cast<int>(*found) + 1 : 0;
}

void RecordBook::takeTrips(std::vector<TripRecord> trips, StepName name,
                           const std::optional<TripRecord>& stayOn) {
    const int was = table_.currentRecord();
    const std::optional<TripRecord> stay = stayOn    ? stayOn
                                           : was > 0 ? std::optional(current())
                                                     : std::nullopt;
    const int count = static_cast<int>(trips.size());
    int now = 0;
    if (count > 0) {
        const auto found =
            stay ? findNearest(trips, *stay, static_cast<std::size_t>(std::max(was - 1, 0)))
                 : std::nullopt;
        now = found ? static_cast<int>(*found) + 1 : std::clamp(was, 1, count);
    }
    const bool sameRecords = std::equal(trips.begin(), trips.end(), &table_.slot(1),
                                        &table_.slot(1) + table_.recordCount());
    if (sameRecords && now == was) return;
    Step step = beginStep(name, 1, table_.recordCount());
    (void)table_.replaceAll(trips);  // the callers keep to 250 trips
    table_.setCurrentRecord(now);
    endStep(std::move(step));
    notify({.records = !sameRecords, .currentRecord = true});
}

}  // namespace rodwick
