// SPDX-License-Identifier: GPL-3.0-or-later
#include "photo_shelf.h"

#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <map>
#include <system_error>
#include <tuple>

#include "codec.h"
#include "conflict_copies.h"
#include "readings.h"
#include "trip_merge.h"

namespace rodwick {

namespace {

namespace fs = std::filesystem;

constexpr const char* kNoFolder = "no home folder is known";

// Days since 1 March of year 0: dates compared by their distance.
long dayNumber(const Date& date) {
    const long y = date.month <= 2 ? date.year - 1 : date.year;
    const long m = date.month <= 2 ? date.month + 9 : date.month - 3;
    return 365 * y + y / 4 - y / 100 + y / 400 + (153 * m + 2) / 5 + date.day - 1;
}

// Which trip became which: within the records the book says it replaced, aligned by their texts
// (one replaced by one is that trip edited); every record outside them kept, moved by the
// difference. Without the book's word (a load), the whole lists are aligned.
std::vector<int> followChange(std::span<const TripRecord> before, std::span<const TripRecord> after,
                              const std::optional<RecordBook::ChangedRecords>& change) {
    if (!change) return followTrips(before, after);
    const auto first = static_cast<std::size_t>(change->first - 1);
    const auto removed = static_cast<std::size_t>(change->removed);
    const auto added = static_cast<std::size_t>(change->added);
    if (first + removed > before.size() || before.size() - removed + added != after.size())
        return followTrips(before, after);
    std::vector<int> follow(before.size(), -1);
    for (std::size_t i = 0; i < first; ++i) follow[i] = static_cast<int>(i);
    for (std::size_t i = first + removed; i < before.size(); ++i)
        follow[i] = static_cast<int>(i - removed + added);
    if (removed == 1 && added == 1) {
        follow[first] = static_cast<int>(first);
    } else if (removed > 0 && added > 0) {
        const std::vector<int> within =
            followTrips(before.subspan(first, removed), after.subspan(first, added));
        for (std::size_t k = 0; k < removed; ++k)
            follow[first + k] = within[k] < 0 ? -1 : static_cast<int>(first) + within[k];
    }
    return follow;
}

std::string baseName(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool sameBytes(const std::string& a, const std::string& b) {
    const Result<std::string> one = readFileBytes(a), other = readFileBytes(b);
    return one.ok() && other.ok() && one.value() == other.value();
}

// Moves a file: renamed where it can be, else copied safely and the original removed.
Status moveFile(const std::string& from, const std::string& to, const FileOps& ops) {
    if (ops.rename(from.c_str(), to.c_str()) == 0) return Status::success();
    const Result<std::string> bytes = readFileBytes(from);
    if (!bytes.ok()) return Status::fail(bytes.error());
    if (Status written = writeFileAtomically(to, bytes.value(), ops); !written.ok())
        return Status::fail(to + ": " + written.message());
    ::unlink(from.c_str());
    return Status::success();
}

}  // namespace

PhotoShelf::PhotoShelf(RecordBook& book, Folders folders, WallClock clock, RandomSource random,
                       FileOps ops)
    : book_(book),
      folders_(std::move(folders)),
      clock_(std::move(clock)),
      random_(std::move(random)),
      ops_(std::move(ops)) {
    folder_ = folderForBook();
    readFolder();
    records_.assign(&book_.table().slot(1), &book_.table().slot(1) + book_.recordCount());
    resolve();
    subscription_ =
        book_.subscribe([this](const RecordBook::Changes& changes) { follow(changes); });
}

std::string PhotoShelf::folderForBook() const {
    return book_.hasFile() ? photoFolderFor(book_.fileName()) : folders_.untitled;
}

void PhotoShelf::readFolder() {
    PhotoFolder read = folder_.empty() ? PhotoFolder{} : readPhotoFolder(folder_);
    photos_ = std::move(read.photos);
    known_ = std::move(read.indexBytes);
}

void PhotoShelf::follow(const RecordBook::Changes& changes) {
    // A file name told, and the undo of New (which may leave the title as it was).
    if (folderForBook() != folder_) {
        changeFolder(changes);
    } else if (changes.records) {
        followRecords();
    }
}

void PhotoShelf::changeFolder(const RecordBook::Changes& changes) {
    const std::string from = folder_;
    folder_ = folderForBook();
    // Only Save As gives the book a file without changing the records: the photos go along
    // with the log book, moved out of the untitled folder at a table's first save.
    const bool savedAs = !changes.records && book_.hasFile();
    if (savedAs && !photos_.empty()) {
        takeAlong(from, from == folders_.untitled);
    } else {
        readFolder();
    }
    records_.assign(&book_.table().slot(1), &book_.table().slot(1) + book_.recordCount());
    resolve();
}

void PhotoShelf::takeAlong(const std::string& from, bool move) {
    PhotoFolder there = readPhotoFolder(folder_);
    std::error_code error;
    fs::create_directories(folder_, error);
    if (error) return report(Status::fail(folder_ + ": " + error.message()));
    bool whole = true;
    std::vector<std::string> carried;
    for (PhotoEntry& photo : photos_) {
        const std::string source = from + "/" + photo.name;
        if (!fileExists(source)) continue;
        const bool clash =
            fs::exists(pathOf(photo.name), error) && !sameBytes(source, pathOf(photo.name));
        if (clash) {
            // Another photo of that name beside the new file: this one takes a new name.
            photo.name = photoFileName(
                photo.taken.value_or(localPhotoTime(clock_())), photo.name, random_,
                [&](const std::string& name) { return fs::exists(pathOf(name), error); });
        }
        const Result<std::string> bytes = readFileBytes(source);
        Status copied = bytes.ok() ? writeFileAtomically(pathOf(photo.name), bytes.value(), ops_)
                                   : Status::fail(bytes.error());
        if (!copied.ok()) {
            whole = false;
            report(Status::fail(pathOf(photo.name) + ": " + copied.message()));
            continue;
        }
        carried.push_back(source);
    }
    photos_ = mergePhotoIndexes({}, photos_, there.photos);
    known_ = there.indexBytes;
    const Status saved = save();
    report(saved);
    // The untitled folder gives its photos up only once they all stand, indexed, beside the
    // log book.
    if (!move || !whole || !saved.ok()) return;
    for (const std::string& source : carried) ::unlink(source.c_str());
    ::unlink((from + "/" + kPhotoIndexName).c_str());
}

void PhotoShelf::followRecords() {
    std::vector<TripRecord> after(&book_.table().slot(1),
                                  &book_.table().slot(1) + book_.recordCount());
    const bool anyLink =
        std::any_of(photos_.begin(), photos_.end(), [](const PhotoEntry& p) { return p.link; });
    if (!anyLink) {
        records_ = std::move(after);
        resolve();
        return;
    }
    const std::vector<int> follow = followChange(records_, after, book_.lastChange());
    const std::vector<TripLink> was = linksOf(records_), now = linksOf(after);
    std::map<TripLink, std::size_t> before;
    for (std::size_t i = 0; i < was.size(); ++i) before.emplace(was[i], i);
    std::vector<bool> kept(after.size());
    for (const int j : follow) {
        if (j >= 0) kept[static_cast<std::size_t>(j)] = true;
    }
    // The trips that came in: a trip whose delete was undone takes its photos back.
    std::map<TripLink, std::size_t> came;
    for (std::size_t j = 0; j < after.size(); ++j) {
        if (!kept[j]) came.emplace(now[j], j);
    }

    for (PhotoEntry& photo : photos_) {
        if (!photo.link) continue;
        if (photo.gone) {
            photo.gone = !came.contains(*photo.link);
            continue;
        }
        const auto it = before.find(*photo.link);
        // A link that named no trip before the change still names the trip of its text.
        if (it == before.end()) continue;
        const int j = follow[it->second];
        if (j >= 0) {
            photo.link = now[static_cast<std::size_t>(j)];
        } else {
            photo.gone = true;
        }
    }
    keepOneCoverPerTrip(photos_);
    records_ = std::move(after);
    resolve();
    // Also where nothing changed now: a write that failed before is made good.
    report(save());
}

void PhotoShelf::resolve() {
    const std::vector<TripLink> links = linksOf(records_);
    std::map<TripLink, int> record;
    for (std::size_t i = 0; i < links.size(); ++i)
        record.emplace(links[i], static_cast<int>(i) + 1);
    recordOf_.assign(photos_.size(), 0);
    for (std::size_t k = 0; k < photos_.size(); ++k) {
        const PhotoEntry& photo = photos_[k];
        if (!photo.link || photo.gone) continue;
        if (const auto it = record.find(*photo.link); it != record.end()) recordOf_[k] = it->second;
    }
}

PhotoEntry* PhotoShelf::find(const std::string& name) {
    const auto it = std::find_if(photos_.begin(), photos_.end(),
                                 [&](const PhotoEntry& p) { return p.name == name; });
    return it == photos_.end() ? nullptr : &*it;
}

std::optional<TripLink> PhotoShelf::linkOfRecord(int n) const {
    if (n < 1 || n > static_cast<int>(records_.size())) return std::nullopt;
    return linkOf(records_, static_cast<std::size_t>(n - 1));
}

int PhotoShelf::recordOf(const std::string& name) const {
    for (std::size_t k = 0; k < photos_.size(); ++k) {
        if (photos_[k].name == name) return recordOf_[k];
    }
    return 0;
}

std::vector<PhotoEntry> PhotoShelf::photosOf(int n) const {
    std::vector<PhotoEntry> photos;
    for (std::size_t k = 0; k < photos_.size(); ++k) {
        if (n > 0 && recordOf_[k] == n) photos.push_back(photos_[k]);
    }
    return photos;
}

std::optional<PhotoEntry> PhotoShelf::coverOf(int n) const {
    for (std::size_t k = 0; k < photos_.size(); ++k) {
        if (n > 0 && recordOf_[k] == n && photos_[k].cover) return photos_[k];
    }
    return std::nullopt;
}

std::vector<PhotoEntry> PhotoShelf::photosOfNoTrip() const {
    std::vector<PhotoEntry> photos;
    for (std::size_t k = 0; k < photos_.size(); ++k) {
        if (recordOf_[k] == 0) photos.push_back(photos_[k]);
    }
    return photos;
}

std::vector<int> PhotoShelf::photoCounts() const {
    std::vector<int> counts(records_.size());
    for (const int n : recordOf_) {
        if (n > 0) ++counts[static_cast<std::size_t>(n - 1)];
    }
    return counts;
}

std::vector<int> PhotoShelf::tripsFor(const std::string& name) const {
    const auto it = std::find_if(photos_.begin(), photos_.end(),
                                 [&](const PhotoEntry& p) { return p.name == name; });
    std::optional<long> day;
    if (it != photos_.end()) {
        if (it->link) {
            if (const auto date = readDate(utf8ToCp1252Lossy(it->link->date)))
                day = dayNumber(*date);
        }
        if (!day && it->taken) day = dayNumber({it->taken->year, it->taken->month, it->taken->day});
    }
    std::vector<std::tuple<long, int>> ranked;
    for (std::size_t i = 0; i < records_.size(); ++i) {
        long distance = LONG_MAX;
        if (const auto date = readDate(records_[i][Field::Date]); date && day)
            distance = std::labs(dayNumber(*date) - *day);
        ranked.emplace_back(day ? distance : 0, static_cast<int>(i) + 1);
    }
    std::sort(ranked.begin(), ranked.end());
    std::vector<int> records;
    for (const auto& [distance, n] : ranked) records.push_back(n);
    return records;
}

Result<std::vector<std::string>> PhotoShelf::addPhotos(int n, const std::vector<Picked>& picked) {
    using Names = Result<std::vector<std::string>>;
    if (n < 0 || n > static_cast<int>(records_.size()))
        return Names::fail("there is no record " + std::to_string(n));
    if (folder_.empty()) return Names::fail(kNoFolder);
    const std::optional<TripLink> link = linkOfRecord(n);
    std::vector<std::string> names;
    Status copied = Status::success();
    for (const Picked& file : picked) {
        const PhotoTime when = file.taken.value_or(localPhotoTime(clock_()));
        Result<std::string> name = copyPhotoIn(
            file.path, folder_, when, random_,
            [&](const std::string& candidate) { return find(candidate) != nullptr; }, ops_);
        if (!name.ok()) {
            copied = Status::fail(name.error());
            break;
        }
        photos_.push_back({.name = name.value(),
                           .caption = baseName(file.path),
                           .taken = file.taken,
                           .link = link});
        names.push_back(std::move(name).value());
    }
    resolve();
    const Status saved = names.empty() ? Status::success() : save();
    if (!copied.ok()) {
        report(saved);
        return Names::fail(copied.message());
    }
    if (!saved.ok()) return Names::fail(saved.message());
    return names;
}

Status PhotoShelf::relink(const std::string& name, int n) {
    PhotoEntry* photo = find(name);
    if (photo == nullptr) return Status::fail("there is no photo " + name);
    const std::optional<TripLink> link = linkOfRecord(n);
    if (!link) return Status::fail("there is no record " + std::to_string(n));
    if (photo->cover && coverOf(n) && coverOf(n)->name != name) photo->cover = false;
    photo->link = link;
    photo->gone = false;
    resolve();
    const Status saved = save();
    changed_.notify();
    return saved;
}

Status PhotoShelf::setCover(const std::string& name, bool cover) {
    PhotoEntry* photo = find(name);
    if (photo == nullptr) return Status::fail("there is no photo " + name);
    const int n = recordOf(name);
    if (cover && n == 0) return Status::fail(name + " is of no trip");
    for (std::size_t k = 0; cover && k < photos_.size(); ++k) {
        if (recordOf_[k] == n) photos_[k].cover = false;
    }
    photo->cover = cover;
    return save();
}

Status PhotoShelf::setCaption(const std::string& name, std::string caption) {
    PhotoEntry* photo = find(name);
    if (photo == nullptr) return Status::fail("there is no photo " + name);
    photo->caption = std::move(caption);
    return save();
}

Status PhotoShelf::keepInBackups(const std::string& path, std::string& keptAt) {
    if (folders_.backups.empty()) return Status::fail(kNoFolder);
    const std::string kept = folders_.backups + "/photos";
    std::error_code error;
    fs::create_directories(kept, error);
    if (error) return Status::fail(kept + ": " + error.message());
    // Photos of log books of one name in different folders may meet here.
    keptAt = kept + "/" + baseName(path);
    for (int k = 2; fs::exists(keptAt, error); ++k)
        keptAt = kept + "/" + std::to_string(k) + "-" + baseName(path);
    return moveFile(path, keptAt, ops_);
}

Result<PhotoShelf::Removed> PhotoShelf::remove(const std::string& name) {
    const auto it = std::find_if(photos_.begin(), photos_.end(),
                                 [&](const PhotoEntry& p) { return p.name == name; });
    if (it == photos_.end()) return Result<Removed>::fail("there is no photo " + name);
    Removed removed{
        .entry = *it, .place = static_cast<std::size_t>(it - photos_.begin()), .keptAt = {}};
    if (fileExists(pathOf(name))) {
        if (Status kept = keepInBackups(pathOf(name), removed.keptAt); !kept.ok())
            return Result<Removed>::fail(kept.message());
    }
    photos_.erase(it);
    resolve();
    report(save());
    return removed;
}

Status PhotoShelf::restore(const Removed& removed) {
    if (find(removed.entry.name) != nullptr)
        return Status::fail("there is a photo " + removed.entry.name + " already");
    if (!removed.keptAt.empty()) {
        if (folder_.empty()) return Status::fail(kNoFolder);
        std::error_code error;
        fs::create_directories(folder_, error);
        if (error) return Status::fail(folder_ + ": " + error.message());
        if (fs::exists(pathOf(removed.entry.name), error))
            return Status::fail(pathOf(removed.entry.name) + ": another file has that name");
        if (Status moved = moveFile(removed.keptAt, pathOf(removed.entry.name), ops_); !moved.ok())
            return moved;
    }
    photos_.insert(
        photos_.begin() + static_cast<std::ptrdiff_t>(std::min(removed.place, photos_.size())),
        removed.entry);
    keepOneCoverPerTrip(photos_);
    resolve();
    return save();
}

Status PhotoShelf::takeInSyncedChanges() {
    if (folder_.empty()) return Status::success();
    const std::vector<PhotoEntry> before = photos_;
    const std::vector<int> linkedBefore = recordOf_;
    const std::vector<PhotoEntry> base =
        known_ ? parsePhotoIndex(*known_) : std::vector<PhotoEntry>{};
    takeInIndexOnDisk();
    // Photos whose files came before the index that names them.
    for (PhotoEntry& found : readPhotoFolder(folder_).photos) {
        if (find(found.name) == nullptr) photos_.push_back(std::move(found));
    }
    const std::vector<std::string> copies = listConflictCopies(folder_ + "/" + kPhotoIndexName);
    for (const std::string& copy : copies) {
        const Result<std::string> bytes = readFileBytes(copy);
        if (!bytes.ok()) continue;
        const std::vector<PhotoEntry> theirs = parsePhotoIndex(bytes.value());
        // The version the copy came from is not known: a photo it lacks was added here since,
        // not removed there, so only the photos it holds are taken as base.
        std::vector<PhotoEntry> shared;
        std::copy_if(base.begin(), base.end(), std::back_inserter(shared), [&](const auto& photo) {
            return std::ranges::any_of(theirs, [&](const auto& t) { return t.name == photo.name; });
        });
        photos_ = mergePhotoIndexes(shared, photos_, theirs);
    }
    resolve();
    Status status = save();
    for (std::size_t k = 0; status.ok() && k < copies.size(); ++k) {
        std::string keptAt;
        status = keepInBackups(copies[k], keptAt);
    }
    // Most calls find nothing new (the folder changed by this program's own writes).
    if (photos_ != before || recordOf_ != linkedBefore) changed_.notify();
    return status;
}

Status PhotoShelf::save() {
    if (folder_.empty()) return Status::success();
    std::string bytes = formatPhotoIndex(photos_);
    if (known_ ? bytes == *known_ : photos_.empty()) return Status::success();
    // Another machine wrote the index since: its changes are merged, not written over.
    if (takeInIndexOnDisk()) {
        bytes = formatPhotoIndex(photos_);
        if (bytes == *known_) return Status::success();
    }
    const std::string index = folder_ + "/" + kPhotoIndexName;
    std::error_code error;
    fs::create_directories(folder_, error);
    if (error) return Status::fail(folder_ + ": " + error.message());
    if (Status written = writeFileAtomically(index, bytes, ops_); !written.ok())
        return Status::fail(index + ": " + written.message());
    known_ = std::move(bytes);
    return Status::success();
}

bool PhotoShelf::takeInIndexOnDisk() {
    Result<std::string> disk = readFileBytes(folder_ + "/" + kPhotoIndexName);
    if (!disk.ok() || (known_ && disk.value() == *known_)) return false;
    const std::vector<PhotoEntry> base =
        known_ ? parsePhotoIndex(*known_) : std::vector<PhotoEntry>{};
    photos_ = mergePhotoIndexes(base, photos_, parsePhotoIndex(disk.value()));
    known_ = std::move(disk).value();
    resolve();
    return true;
}

void PhotoShelf::report(const Status& status) {
    if (!status.ok() && failed_) failed_(status.message());
}

}  // namespace rodwick
