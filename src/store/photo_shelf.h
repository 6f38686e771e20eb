// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "file_io.h"
#include "notifier.h"
#include "photo_index.h"
#include "record_book.h"
#include "recovery.h"
#include "result.h"

namespace rodwick {

// The photos of the open log book's trips: their folder beside the log book (photoFolderFor)
// and its index, kept in step with every change of the records. Each photo names its trip by
// date, start time and venue and its place among the trips alike in those (TripLink); after
// each change the shelf aligns the records before and after it (followTrips), so an edit of
// those fields, an insert or delete before the trip, a move in a reload all carry the link, and
// the index is written again where it changed. Photos are only ever copied in, and only
// removed by remove(), which keeps them among the backups; a lost link leaves a photo of no
// trip, never a deleted one.
//
// A table with no file (never saved, or after New) keeps its photos in the user's state folder
// (untitledPhotoFolder); its first save moves them beside the log book, and Save As copies the
// photos and the index beside the new name. The shelf does both when the book tells it of the
// new file name.
class PhotoShelf {
  public:
    struct Folders {
        std::string untitled;  // the photos of a table without a file; "" where none is known
        std::string backups;   // removed photos are kept in its "photos" folder
    };
    // Told the reason ("PATH: reason") when a change could not be written or a Save As could
    // not take the photos along; the shelf goes on and writes again at the next change.
    using FailureListener = std::function<void(const std::string& reason)>;

    PhotoShelf(RecordBook& book, Folders folders, WallClock clock = systemTime,
               RandomSource random = systemRandom(), FileOps ops = FileOps::system());
    PhotoShelf(const PhotoShelf&) = delete;
    PhotoShelf& operator=(const PhotoShelf&) = delete;

    void onWriteFailure(FailureListener listener) { failed_ = std::move(listener); }
    // Told after the photos changed where the book's notifications cannot tell: another
    // machine's photos taken in (takeInSyncedChanges) and a photo linked again (relink). The
    // windows that show photos or count them follow with it.
    [[nodiscard]] Notifier::Subscription subscribe(Notifier::Listener listener) {
        return changed_.subscribe(std::move(listener));
    }

    // The folder of the book's photos now, and a photo's path in it.
    const std::string& folder() const { return folder_; }
    std::string pathOf(const std::string& name) const { return folder_ + "/" + name; }

    // Every photo of the folder, in the index's order (then those the index does not name).
    const std::vector<PhotoEntry>& photos() const { return photos_; }
    // The record (1..recordCount) a photo is of; 0 for a photo of no trip or no photo.
    int recordOf(const std::string& name) const;
    std::vector<PhotoEntry> photosOf(int n) const;
    std::optional<PhotoEntry> coverOf(int n) const;
    // The photos whose link names no trip of the log book.
    std::vector<PhotoEntry> photosOfNoTrip() const;
    // For each record, how many photos it has ([n - 1] for record n).
    std::vector<int> photoCounts() const;
    // The records to offer for a photo of no trip: those of its date first (the date its link
    // names, else the day it was taken), then the others nearest in date first, those whose
    // date does not read last; in record order among equals.
    std::vector<int> tripsFor(const std::string& name) const;

    // A file the user picked and when it was taken, where the picture tells.
    struct Picked {
        std::string path;
        std::optional<PhotoTime> taken;
    };
    // Copies the picked files in as photos of record n (0: of no trip), each captioned with its
    // file's name until the user gives another; stops at the first that cannot be copied,
    // keeping those before it. The new names.
    Result<std::vector<std::string>> addPhotos(int n, const std::vector<Picked>& picked);
    // The photo becomes record n's (its cover mark stays where n has no cover yet).
    Status relink(const std::string& name, int n);
    // Marks the photo as its trip's cover, the trip's other cover no longer one; or unmarks it.
    Status setCover(const std::string& name, bool cover);
    Status setCaption(const std::string& name, std::string caption);

    // A removed photo: its entry and place in the index, and where its file is kept.
    struct Removed {
        PhotoEntry entry;
        std::size_t place = 0;
        std::string keptAt;
    };
    // Moves the photo's file among the backups and drops it from the index.
    Result<Removed> remove(const std::string& name);
    // Puts a removed photo back, file and entry, where it was.
    Status restore(const Removed& removed);

    // Takes in what a sync program brought: the index as another machine wrote it, and the
    // index's conflict copies (merged, then kept among the backups).
    Status takeInSyncedChanges();

  private:
    void follow(const RecordBook::Changes& changes);
    void followRecords();
    void changeFolder(const RecordBook::Changes& changes);
    void takeAlong(const std::string& from, bool move);
    // The folder the book's photos belong in now.
    std::string folderForBook() const;
    void readFolder();
    void resolve();
    PhotoEntry* find(const std::string& name);
    std::optional<TripLink> linkOfRecord(int n) const;
    // Writes the index where it differs from the file as last read or written, first merging
    // another machine's version of it.
    Status save();
    // Merges the index as another machine left it on disk, where it differs from known_.
    bool takeInIndexOnDisk();
    Status keepInBackups(const std::string& path, std::string& keptAt);
    void report(const Status& status);

    RecordBook& book_;
    Folders folders_;
    WallClock clock_;
    RandomSource random_;
    FileOps ops_;
    FailureListener failed_;

    std::string folder_;
    std::vector<PhotoEntry> photos_;
    std::vector<int> recordOf_;         // photos_[k] is of record recordOf_[k], or 0
    std::optional<std::string> known_;  // the index as last read or written
    std::vector<TripRecord> records_;   // the records as last told
    Notifier changed_;
    // Last member: ends before the rest.
    RecordBook::Subscription subscription_;
};

}  // namespace rodwick
