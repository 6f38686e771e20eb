// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "file_io.h"
#include "record_book.h"
#include "record_table.h"
#include "result.h"

namespace rodwick {

// The wall clock, replaceable so that tests can fix the time.
using WallClock = std::function<std::time_t()>;
std::time_t systemTime();
// "MM-DD-YYYY HH:MM" in local time, as the program writes dates and times.
std::string dateTimeText(std::time_t time);

// What a recovery copy holds: the database it belongs to ("" for a table never saved), when it
// was written, and the trips.
struct RecoveryCopy {
    std::string path;
    std::string time;
    std::vector<TripRecord> records;
};

// The copy's file in folder: one per database path (a hash of the path and its base name, so
// that equal names in different folders stay apart), and one for a table never saved.
std::string recoveryFileFor(const std::string& folder, const std::string& path);
// Three header lines (a mark, the path, the time), then the database file of the records.
std::string formatRecoveryCopy(const std::string& path, const std::string& time,
                               const RecordTable& table);
Result<RecoveryCopy> parseRecoveryCopy(std::string_view bytes);

// Keeps the book's unsaved trips in a recovery copy: after every change to the records the
// table is written, atomically, to the copy of the database it belongs to. Loading, New and
// Exit never remove a copy, so trips that were dropped unsaved stay there; only a save does.
// The database file itself is never written here.
class Recovery {
  public:
    // Told the system's reason when a copy could not be written, once until one is written
    // again: an edit goes on regardless.
    using FailureListener = std::function<void(const std::string& reason)>;

    Recovery(RecordBook& book, std::string folder, WallClock clock = systemTime,
             FileOps ops = FileOps::system());
    Recovery(const Recovery&) = delete;
    Recovery& operator=(const Recovery&) = delete;

    void onWriteFailure(FailureListener listener) { failed_ = std::move(listener); }
    const std::string& folder() const { return folder_; }

    // The table was saved: the copies it was kept in go.
    void tableSaved();
    // The copy kept for path ("" for a table never saved) when it has something to offer: trips
    // that differ from the file's (a never-saved table's: any trips at all).
    std::optional<RecoveryCopy> pendingFor(const std::string& path) const;
    // Removes the copy of path.
    void discard(const std::string& path);

  private:
    // The path the book's table is kept under: "" while it is untitled.
    std::string keyPath() const;
    void keep();

    RecordBook& book_;
    std::string folder_;
    WallClock clock_;
    FileOps ops_;
    FailureListener failed_;
    // The database whose copy this table last went to, since it was loaded or saved.
    std::optional<std::string> written_;
    bool failureTold_ = false;
    // Last member: ends before the rest.
    RecordBook::Subscription subscription_;
};

}  // namespace rodwick
