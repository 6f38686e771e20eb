// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <memory>
#include <string>
#include <vector>

#include "log_books.h"
#include "record_book.h"
#include "trip_filter.h"

class QFileSystemWatcher;
class QTimer;

namespace rodwick::filtering {

// The trips a window lists or counts: the open log book's, as the book holds them now, and,
// when asked, those of every other log book of its folder, read from their files and read
// again when a file changes. It never writes a file.
class TripSource : public QObject {
    Q_OBJECT

  public:
    explicit TripSource(RecordBook& book, QObject* parent = nullptr);
    ~TripSource() override;

    // Starts reading the folder's other log books, or drops them.
    void setAllLogBooks(bool all);
    bool allLogBooks() const { return all_; }

    // The open log book's trips first, then each other log book's in the order of their names.
    const std::vector<TripRef>& trips() const { return trips_; }
    // [0] the open log book's file name, [k] the k-th other log book's.
    const std::vector<std::string>& bookNames() const { return bookNames_; }
    const LogBookFile* otherBook(int book) const;
    // The files that did not read as a log book, each "NAME: REASON".
    std::vector<std::string> leftOutFiles() const;
    // Files of the folder still to be read; 0 once every file is in.
    int filesToRead() const { return static_cast<int>(toRead_.size()); }
    // Log books read in one turn of the event loop: a full one reads in well under a
    // millisecond.
    static constexpr int kFilesPerTurn = 8;
    int filesInFolder() const { return static_cast<int>(others_.size() + toRead_.size()); }
    // The sync program's conflict copies in the folder, not counted as log books; 0 while only
    // the open log book is shown.
    int conflictCopies() const { return all_ ? conflictCopies_ : 0; }

  signals:
    // The trips, the names, the files left out or the settings changed; also after each file
    // read.
    void changed();

  private:
    void rebuild();
    void listFolder();
    void folderChanged();
    void readNext();
    void fileChanged(const QString& path);

    const RecordBook& book_;
    RecordBook::Subscription subscription_;
    bool all_ = false;
    std::string folderOf_;  // the open file the folder was listed for
    int conflictCopies_ = 0;
    std::vector<std::unique_ptr<LogBookFile>> others_;
    std::vector<std::string> toRead_;
    std::vector<TripRef> trips_;
    std::vector<std::string> bookNames_;
    QFileSystemWatcher* watcher_ = nullptr;
    QTimer* reader_ = nullptr;
};

}  // namespace rodwick::filtering
