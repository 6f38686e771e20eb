// SPDX-License-Identifier: GPL-3.0-or-later
#include "photo_watch.h"

#include <QDir>
#include <QFileInfo>

#include "photo_index.h"
#include "text.h"

namespace rodwick {

PhotoWatch::PhotoWatch(RecordBook& book, PhotoShelf& shelf, platform::Platform& platform,
                       Hooks hooks, QObject* parent)
    : QObject(parent), book_(book), shelf_(shelf), platform_(platform), hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("PhotoWatch"));
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    retry_.setSingleShot(true);
    retry_.setInterval(kModalRetryMs);
    connect(&settle_, &QTimer::timeout, this, &PhotoWatch::checkNow);
    connect(&retry_, &QTimer::timeout, this, &PhotoWatch::checkNow);
    // A sync program writes a photo, then the index, each as a temporary file renamed: the
    // folder is read once the burst has settled.
    connect(&watcher_, &QFileSystemWatcher::fileChanged, &settle_, qOverload<>(&QTimer::start));
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, &settle_,
            qOverload<>(&QTimer::start));
    // The shelf, subscribed before, has read the new log book's folder by then: what is taken
    // in is what came while the program was closed (a conflict copy of the index).
    subscription_ = book_.subscribe([this](const RecordBook::Changes& changes) {
        if (!changes.fileName) return;
        toldFailure_ = false;
        rewatch();
        if (book_.hasFile()) settle_.start();
    });
    rewatch();
}

void PhotoWatch::rewatch() {
    const QStringList watched = watcher_.files() + watcher_.directories();
    if (!watched.isEmpty()) watcher_.removePaths(watched);
    // A table without a file keeps its photos in the user's own folder, which nothing syncs.
    if (!book_.hasFile()) return;
    const QString folder = fromPath(shelf_.folder());
    if (QFileInfo(folder).isDir()) {
        watcher_.addPath(folder);
        // The index rewritten in place; its watch follows a file renamed over, so it is set
        // again at every look.
        const QString index = folder + u'/' + fromPath(kPhotoIndexName);
        if (QFileInfo::exists(index)) watcher_.addPath(index);
    } else {
        const QDir logBookFolder = QFileInfo(fromPath(book_.fileName())).absoluteDir();
        if (logBookFolder.exists()) watcher_.addPath(logBookFolder.absolutePath());
    }
}

void PhotoWatch::checkNow() {
    // A window that waits for the user may show photos as they were when it opened.
    if (platform_.modalOpen()) {
        retry_.start();
        return;
    }
    rewatch();
    if (!book_.hasFile()) return;
    const Status taken = shelf_.takeInSyncedChanges();
    if (!taken.ok() && !toldFailure_ && hooks_.showStatus) {
        hooks_.showStatus(tr("The photos changed on disk could not be taken in: %1.")
                              .arg(fromPath(taken.message())));
    }
    toldFailure_ = !taken.ok();
}

}  // namespace rodwick
