// SPDX-License-Identifier: GPL-3.0-or-later
#include "trip_source.h"

#include <QFileSystemWatcher>
#include <QTimer>
#include <algorithm>
#include <filesystem>

#include "text.h"

namespace rodwick::filtering {
namespace {

std::string nameOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

std::string folderOf(const std::string& path) {
    return std::filesystem::path(path).parent_path().string();
}

}  // namespace

TripSource::TripSource(RecordBook& book, QObject* parent) : QObject(parent), book_(book) {
    subscription_ = book.subscribe([this](const RecordBook::Changes& c) {
        if (c.fileName && all_) {
            listFolder();
        } else if (c.records || c.fileName || c.settings) {
            rebuild();
        }
    });
    watcher_ = new QFileSystemWatcher(this);
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, &TripSource::fileChanged);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &TripSource::folderChanged);
    reader_ = new QTimer(this);
    reader_->setSingleShot(true);
    reader_->setInterval(0);
    connect(reader_, &QTimer::timeout, this, &TripSource::readNext);
    rebuild();
}

TripSource::~TripSource() = default;

void TripSource::setAllLogBooks(bool all) {
    if (all == all_) return;
    all_ = all;
    if (all_) {
        listFolder();
        return;
    }
    others_.clear();
    toRead_.clear();
    const QStringList watched = watcher_->files() + watcher_->directories();
    if (!watched.isEmpty()) watcher_->removePaths(watched);
    rebuild();
}

const LogBookFile* TripSource::otherBook(int book) const {
    if (book < 1 || book > static_cast<int>(others_.size())) return nullptr;
    return others_[static_cast<std::size_t>(book - 1)].get();
}

std::vector<std::string> TripSource::leftOutFiles() const {
    std::vector<std::string> files;
    for (const auto& other : others_) {
        if (!other->error.empty()) files.push_back(other->name + ": " + other->error);
    }
    return files;
}

void TripSource::listFolder() {
    others_.clear();
    toRead_.clear();
    const QStringList watched = watcher_->files() + watcher_->directories();
    if (!watched.isEmpty()) watcher_->removePaths(watched);
    folderOf_ = book_.isUntitled() ? std::string() : book_.fileName();
    if (!folderOf_.empty()) watcher_->addPath(fromPath(folderOf(folderOf_)));
    folderChanged();
}

// A log book added to or taken from the folder: the new ones are read, the others kept.
void TripSource::folderChanged() {
    FolderLogBooks folder = folderOf_.empty() ? FolderLogBooks{} : otherLogBooks(folderOf_);
    conflictCopies_ = folder.conflictCopies;
    const std::vector<std::string>& paths = folder.paths;
    std::erase_if(others_, [&](const std::unique_ptr<LogBookFile>& other) {
        return std::find(paths.begin(), paths.end(), other->path) == paths.end();
    });
    std::erase_if(toRead_, [&](const std::string& path) {
        return std::find(paths.begin(), paths.end(), path) == paths.end();
    });
    // Read from the back, so the first name in order is read first.
    for (auto path = paths.begin(); path != paths.end(); ++path) {
        const bool known = std::any_of(others_.begin(), others_.end(),
                                       [&](const auto& other) { return other->path == *path; }) ||
                           std::find(toRead_.begin(), toRead_.end(), *path) != toRead_.end();
        if (!known) toRead_.insert(toRead_.begin(), *path);
    }
    rebuild();
    if (!toRead_.empty()) reader_->start();
}

// A few files a turn of the event loop, so that a folder of many files keeps the window
// answering, and the windows work out their figures once for each few files, not for each.
void TripSource::readNext() {
    for (int read = 0; read < kFilesPerTurn && !toRead_.empty(); ++read) {
        const std::string path = toRead_.back();
        toRead_.pop_back();
        auto file = std::make_unique<LogBookFile>(readLogBook(path));
        file->name = nameOf(path);
        watcher_->addPath(fromPath(path));
        const auto place =
            std::lower_bound(others_.begin(), others_.end(), file->name,
                             [](const std::unique_ptr<LogBookFile>& other,
                                const std::string& name) { return other->name < name; });
        others_.insert(place, std::move(file));
    }
    rebuild();
    if (!toRead_.empty()) reader_->start();
}

void TripSource::fileChanged(const QString& changedPath) {
    const std::string path = toPath(changedPath);
    for (auto& other : others_) {
        if (other->path != path) continue;
        const std::string name = other->name;
        *other = readLogBook(path);
        other->name = name;
        // An editor that saves by replacing the file ends the watch on the old one.
        if (!watcher_->files().contains(changedPath)) watcher_->addPath(changedPath);
        rebuild();
        return;
    }
}

void TripSource::rebuild() {
    trips_ = tripsOf(book_.table(), 0);
    bookNames_.assign(1, nameOf(book_.fileName()));
    int book = 0;
    for (const auto& other : others_) {
        ++book;
        bookNames_.push_back(other->name);
        const std::vector<TripRef> theirs = tripsOf(other->records, book);
        trips_.insert(trips_.end(), theirs.begin(), theirs.end());
    }
    emit changed();
}

}  // namespace rodwick::filtering
