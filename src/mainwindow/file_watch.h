// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <set>
#include <string>

#include "platform.h"
#include "record_book.h"

namespace rodwick {

// Watches the open log book's file for changes another program makes (a sync program bringing
// another machine's save, a second window on the same log book) and takes them in: read again
// where nothing is unsaved, merged trip by trip where something is; a damaged file is never
// read over the trips held. It also offers the conflict copies a sync program leaves beside the
// log book. The file itself is only ever written by Save.
class FileWatch : public QObject {
    Q_OBJECT

  public:
    struct Hooks {
        // A notice in the main window's status line.
        std::function<void(const QString&)> showStatus;
        // Where the conflict copies go once merged, and where the dated backups are kept.
        std::string backupFolder;
    };

    FileWatch(RecordBook& book, platform::Platform& platform, Hooks hooks,
              QObject* parent = nullptr);

    // Looks at the file now and takes in a change found; waits while a modal window is open.
    // The watcher runs it once its events have settled.
    void checkNow();
    // Before Save writes the book's file: a change not taken in yet is taken in first, and
    // said. False where Save is to stop (the user would not replace a file it cannot merge).
    bool readyToSave();
    // The log book was loaded: its conflict copies are offered again, once each.
    void loaded();

    // How long the watcher's events settle before the file is read, and how long a file that
    // could not be read gets before it is read once more (a sync program may be writing it).
    static constexpr int kSettleMs = 300;
    static constexpr int kUnreadableRetryMs = 500;
    static constexpr int kModalRetryMs = 250;

  private:
    // Watches the book's file and its folder (a sync program renames a new file over the old).
    void rewatch();
    // Takes in what a check found; the merge's summary is said.
    void takeIn(const RecordBook::DiskChange& change);
    // Asks about each conflict copy of the book's file not asked about since it was loaded.
    void offerConflictCopies();
    void mergeConflictCopy(const std::string& copyPath);
    // The log book's file name, as messages name it.
    QString logBookName() const;

    RecordBook& book_;
    platform::Platform& platform_;
    Hooks hooks_;
    QFileSystemWatcher watcher_;
    QTimer settle_;
    QTimer retry_;
    bool retried_ = false;         // the unreadable file was given its second read
    bool toldUnreadable_ = false;  // said once until the file reads again
    bool toldTooMany_ = false;
    bool checking_ = false;
    std::set<std::string> offered_;  // conflict copies asked about since the last load
    RecordBook::Subscription subscription_;
};

}  // namespace rodwick
