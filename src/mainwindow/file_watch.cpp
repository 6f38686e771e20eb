// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_watch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <algorithm>
#include <vector>

#include "backups.h"
#include "conflict_copies.h"
#include "database_file.h"
#include "text.h"

namespace rodwick {

namespace {

using platform::Answer;

QString changedTitle() {
    return QCoreApplication::translate("rodwick::FileWatch", "Changed on Disk");
}

QString conflictTitle() {
    return QCoreApplication::translate("rodwick::FileWatch", "Conflict Copy");
}

// The count of trips a merge removed or kept twice, its verb in the count's plural form.
QString removedCount(int n) {
    return QCoreApplication::translate("rodwick::FileWatch", "%n trip(s) removed by it", nullptr,
                                       n);
}

QString keptBothCount(int n) {
    return QCoreApplication::translate(
        "rodwick::FileWatch", "%n trip(s) changed on both sides kept in both forms", nullptr, n);
}

QString fileNameOf(const std::string& path) {
    return QFileInfo(fromPath(path)).fileName();
}

// What a merge with the file on disk did, for the user.
QString mergedText(const QString& name, const MergeSummary& merged) {
    return QCoreApplication::translate("rodwick::FileWatch",
                                       "%1 was changed on disk while this window had unsaved "
                                       "changes, and the two have been merged: %2, %3, and %4.")
        .arg(name,
             QCoreApplication::translate("rodwick::FileWatch", "%n trip(s) came from the file",
                                         nullptr, merged.added),
             removedCount(merged.removed), keptBothCount(merged.keptBoth));
}

QString tooManyText(const QString& name) {
    return QCoreApplication::translate(
               "rodwick::FileWatch",
               "%1 was changed on disk, but its trips and the unsaved trips in this window "
               "together would be more than 250. Nothing has been merged: the trips in "
               "this window are kept as they are. Save will ask before it replaces the "
               "file; Save As keeps both.")
        .arg(name);
}

// The older versions of the log book the program knows, oldest first: its dated backups.
std::vector<std::vector<TripRecord>> olderVersions(const std::string& path,
                                                   const std::string& folder) {
    std::vector<std::vector<TripRecord>> versions;
    const std::vector<Backup> backups = listBackups(path, folder);
    for (auto it = backups.rbegin(); it != backups.rend(); ++it) {
        if (it->conflictCopy) continue;
        if (auto trips = readDatabaseFile(it->path); trips.ok())
            versions.push_back(std::move(trips).value());
    }
    return versions;
}

}  // namespace

FileWatch::FileWatch(RecordBook& book, platform::Platform& platform, Hooks hooks, QObject* parent)
    : QObject(parent), book_(book), platform_(platform), hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("FileWatch"));
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    retry_.setSingleShot(true);
    connect(&settle_, &QTimer::timeout, this, &FileWatch::checkNow);
    connect(&retry_, &QTimer::timeout, this, &FileWatch::checkNow);
    // Events come in bursts (a temporary file, a rename, the folder's own change): the file is
    // read once they have settled.
    connect(&watcher_, &QFileSystemWatcher::fileChanged, &settle_, qOverload<>(&QTimer::start));
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, &settle_,
            qOverload<>(&QTimer::start));
    subscription_ = book_.subscribe([this](const RecordBook::Changes& changes) {
        if (!changes.fileName) return;
        retried_ = toldUnreadable_ = toldTooMany_ = false;
        rewatch();
    });
    rewatch();
}

QString FileWatch::logBookName() const {
    return fileNameOf(book_.fileName());
}

void FileWatch::rewatch() {
    const QStringList watched = watcher_.files() + watcher_.directories();
    if (!watched.isEmpty()) watcher_.removePaths(watched);
    if (!book_.hasFile()) return;
    // The file, for a write in place, and its folder, for a new file renamed over it as sync
    // programs write: the file's watch follows the file renamed over, so it is set again at
    // every look.
    const QString file = fromPath(book_.fileName());
    const QFileInfo info(file);
    if (info.absoluteDir().exists()) watcher_.addPath(info.absolutePath());
    if (info.exists()) watcher_.addPath(file);
}

void FileWatch::checkNow() {
    if (checking_) return;
    // A window that waits for the user holds a trip as it was when it opened: the change waits
    // until it closes, so that what it commits lands on that trip.
    if (platform_.modalOpen()) {
        retry_.start(kModalRetryMs);
        return;
    }
    checking_ = true;
    const auto done = qScopeGuard([this] { checking_ = false; });
    rewatch();
    RecordBook::DiskCheck check = book_.checkDisk();
    switch (check.state) {
        case RecordBook::FileState::Same:
        case RecordBook::FileState::NoFile:
            retried_ = toldUnreadable_ = false;
            break;
        case RecordBook::FileState::Missing:
            // A sync program may be replacing it: the next event brings it back.
            break;
        case RecordBook::FileState::Unreadable:
            if (!retried_) {
                retried_ = true;
                retry_.start(kUnreadableRetryMs);
                return;
            }
            if (!toldUnreadable_) {
                toldUnreadable_ = true;
                platform_.showMessage(
                    {tr("%1 was changed on disk, but it cannot be read: %2. The trips in this "
                        "window are kept as they are.")
                         .arg(logBookName(), fromPath(check.reason)),
                     changedTitle(), platform::Buttons::Ok, platform::Icon::Exclamation});
            }
            break;
        case RecordBook::FileState::Changed:
            retried_ = toldUnreadable_ = false;
            takeIn(check.change);
            break;
    }
    offerConflictCopies();
}

void FileWatch::takeIn(const RecordBook::DiskChange& change) {
    const bool unsaved = book_.unsaved();
    const Result<MergeSummary> taken = book_.takeInDiskChange(change);
    // A change found against an older knowledge of the file: the next look finds it anew.
    if (!taken.ok()) return;
    const MergeSummary& merged = taken.value();
    if (merged.tooMany()) {
        if (!toldTooMany_) {
            platform_.showMessage({tooManyText(logBookName()), changedTitle(),
                                   platform::Buttons::Ok, platform::Icon::Exclamation});
        }
        toldTooMany_ = true;
        return;
    }
    toldTooMany_ = false;
    if (!unsaved) {
        if (hooks_.showStatus)
            hooks_.showStatus(
                tr("%1 was changed on disk and has been read again.").arg(logBookName()));
        return;
    }
    platform_.showMessage(
        {mergedText(logBookName(), merged) + u' ' + tr("Nothing has been written to the file yet."),
         changedTitle(), platform::Buttons::Ok, platform::Icon::Information});
}

bool FileWatch::readyToSave() {
    const RecordBook::DiskCheck check = book_.checkDisk();
    const auto mayReplace = [this](const QString& why) {
        const platform::Message question{
            why + u' ' +
                tr("Replace the file with the trips in this window? The file it replaces is "
                   "kept as a backup."),
            tr("Save"), platform::Buttons::YesNo, platform::Icon::Exclamation,
            platform::DefaultButton::Second};
        return platform_.showMessage(question) == Answer::Yes;
    };
    if (check.state == RecordBook::FileState::Unreadable) {
        return mayReplace(
            tr("%1 on disk cannot be read: %2.").arg(logBookName(), fromPath(check.reason)));
    }
    if (check.state != RecordBook::FileState::Changed) return true;

    const bool unsaved = book_.unsaved();
    const Result<MergeSummary> taken = book_.takeInDiskChange(check.change);
    if (!taken.ok()) return true;
    if (taken.value().tooMany()) {
        return mayReplace(tr("%1 was changed on disk, and its trips and the trips in this window "
                             "together would be more than 250.")
                              .arg(logBookName()));
    }
    if (unsaved) {
        platform_.showMessage({mergedText(logBookName(), taken.value()) + u' ' +
                                   tr("The merged trips are saved now."),
                               changedTitle(), platform::Buttons::Ok, platform::Icon::Information});
    } else if (hooks_.showStatus) {
        hooks_.showStatus(tr("%1 was changed on disk and has been read again.").arg(logBookName()));
    }
    return true;
}

void FileWatch::loaded() {
    offered_.clear();
    retried_ = toldUnreadable_ = toldTooMany_ = false;
    rewatch();
    offerConflictCopies();
}

void FileWatch::offerConflictCopies() {
    if (!book_.hasFile()) return;
    for (const std::string& copy : listConflictCopies(book_.fileName())) {
        // Once a load: No leaves both files alone until the log book is loaded again.
        if (!offered_.insert(copy).second) continue;
        const platform::Message question{
            tr("The file-sync program kept a second version of %1: %2. Merge its trips into "
               "this log book?")
                .arg(logBookName(), fileNameOf(copy)),
            conflictTitle(), platform::Buttons::YesNo, platform::Icon::Question,
            platform::DefaultButton::First};
        if (platform_.showMessage(question) != Answer::Yes) continue;
        mergeConflictCopy(copy);
    }
}

void FileWatch::mergeConflictCopy(const std::string& copyPath) {
    const QString copy = fileNameOf(copyPath);
    const auto trips = readDatabaseFile(copyPath);
    if (!trips.ok()) {
        platform_.showMessage(
            {tr("%1 cannot be read: %2. It stays where it is.").arg(copy, fromPath(trips.error())),
             conflictTitle(), platform::Buttons::Ok, platform::Icon::Exclamation});
        return;
    }
    const auto versions = olderVersions(book_.fileName(), hooks_.backupFolder);
    const MergeSummary merged = book_.mergeConflictCopy(trips.value(), versions);
    if (merged.tooMany()) {
        platform_.showMessage({tr("%1 and %2 together would hold more than 250 trips. Nothing "
                                  "has been merged, and the copy stays where it is.")
                                   .arg(copy, logBookName()),
                               conflictTitle(), platform::Buttons::Ok,
                               platform::Icon::Exclamation});
        return;
    }
    QString text = tr("The trips of %1 are merged into %2: %3")
                       .arg(copy, logBookName(),
                            tr("%n trip(s) came only from the copy", nullptr, merged.added));
    if (merged.removed > 0) text += QStringLiteral(", ") + removedCount(merged.removed);
    if (merged.keptBoth > 0) text += QStringLiteral(", ") + keptBothCount(merged.keptBoth);
    text += QStringLiteral(". ");
    const Status kept = keepConflictCopy(copyPath, book_.fileName(), hooks_.backupFolder);
    text += kept.ok()
                ? tr("The copy is kept among the backups (File, Backups...).")
                : tr("The copy could not be moved to the backups (%1) and stays beside the log "
                     "book.")
                      .arg(fromPath(kept.message()));
    text += u' ' + tr("Save keeps the merged trips.");
    platform_.showMessage(
        {text, conflictTitle(), platform::Buttons::Ok, platform::Icon::Information});
}

}  // namespace rodwick
