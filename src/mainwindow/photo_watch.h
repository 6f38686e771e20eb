// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

#include "photo_shelf.h"
#include "platform.h"
#include "record_book.h"

namespace rodwick {

// Watches the open log book's photos' folder for what a sync program brings: another
// machine's photos and its index, or a conflict copy of the index. The shelf takes them in
// and tells the windows that show photos. Before the folder exists, the log book's own folder
// is watched, so that photos the other machine added first are seen as they arrive.
class PhotoWatch : public QObject {
    Q_OBJECT

  public:
    struct Hooks {
        // A notice in the main window's status line.
        std::function<void(const QString&)> showStatus;
    };

    PhotoWatch(RecordBook& book, PhotoShelf& shelf, platform::Platform& platform, Hooks hooks,
               QObject* parent = nullptr);

    // Takes in what the folder holds now; waits while a modal window is open. The watcher runs
    // it once its events have settled, and a newly loaded log book once.
    void checkNow();
    // Whether a look is due: the watcher's events settling, or waiting for a modal window.
    bool due() const { return settle_.isActive() || retry_.isActive(); }

    static constexpr int kSettleMs = 300;
    static constexpr int kModalRetryMs = 250;

  private:
    void rewatch();

    RecordBook& book_;
    PhotoShelf& shelf_;
    platform::Platform& platform_;
    Hooks hooks_;
    QFileSystemWatcher watcher_;
    QTimer settle_;
    QTimer retry_;
    bool toldFailure_ = false;  // said once until a look succeeds again
    RecordBook::Subscription subscription_;
};

}  // namespace rodwick
