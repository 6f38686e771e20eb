// SPDX-License-Identifier: GPL-3.0-or-later
#include "best_covers.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QIcon>
#include <QPixmap>
#include <QStandardItemModel>
#include <QTableView>

#include "text.h"
#include "thumbnail_loader.h"
#include "thumbnails.h"

namespace rodwick::stats {
namespace {

// Small beside a row's text, large enough to tell one fish from another.
constexpr int kCoverEdge = 40;

QIcon placeholder() {
    return QIcon(photos::picturePlace(kCoverEdge));
}

// Holds a cover's place in a row without one, so that the species of every row line up.
QIcon blankCover() {
    return QIcon(photos::picturePlace(kCoverEdge, false));
}

}  // namespace

BestCovers::BestCovers(QTableView& view, QStandardItemModel& model, CoverOf coverOf)
    : QObject(&view), view_(view), model_(model), coverOf_(std::move(coverOf)) {}

BestCovers::~BestCovers() = default;

void BestCovers::show(std::vector<int> records) {
    records_ = std::move(records);
    load(coverPaths());
}

void BestCovers::recheck() {
    QStringList paths = coverPaths();
    if (paths != paths_) load(std::move(paths));
}

int BestCovers::pending() const {
    return loader_ ? loader_->pending() : 0;
}

QStringList BestCovers::coverPaths() const {
    QStringList paths;
    for (int record : records_) {
        const auto cover = record > 0 && coverOf_ ? coverOf_(record) : std::nullopt;
        paths << (cover ? fromPath(*cover) : QString());
    }
    return paths;
}

void BestCovers::load(QStringList paths) {
    paths_ = std::move(paths);
    rowOf_.clear();
    QStringList photos;
    for (int row = 0; row < paths_.size(); ++row) {
        // A cover that went since the last look takes its thumbnail with it.
        if (QStandardItem* first = model_.item(row, 0)) {
            first->setData(QVariant(), Qt::DecorationRole);
            first->setToolTip(QString());
        }
        if (paths_[row].isEmpty()) continue;
        rowOf_.push_back(row);
        photos << paths_[row];
    }
    if (photos.isEmpty()) {
        if (loader_) loader_->cancel();
        return;
    }
    const QIcon blank = blankCover();
    for (int row = 0; row < paths_.size(); ++row) {
        if (QStandardItem* first = model_.item(row, 0)) first->setData(blank, Qt::DecorationRole);
    }
    if (!loader_) {
        loader_ = std::make_unique<photos::ThumbnailLoader>(photos::ThumbnailCache::standard(),
                                                            photos::ThumbnailSize::Normal);
        connect(loader_.get(), &photos::ThumbnailLoader::thumbnailReady, this, &BestCovers::place);
        view_.setIconSize(QSize(kCoverEdge, kCoverEdge));
        QHeaderView* rows = view_.verticalHeader();
        rows->setDefaultSectionSize(std::max(rows->defaultSectionSize(), kCoverEdge + 4));
    }
    loader_->load(photos);
}

void BestCovers::place(int index, const QImage& thumbnail, const QString& reason) {
    if (index < 0 || index >= static_cast<int>(rowOf_.size())) return;
    QStandardItem* first = model_.item(rowOf_[static_cast<std::size_t>(index)], 0);
    if (first == nullptr) return;
    if (thumbnail.isNull()) {
        first->setData(placeholder(), Qt::DecorationRole);
        first->setToolTip(QCoreApplication::translate("rodwick::stats::StatisticsWindow",
                                                      "The cover photo cannot be shown: %1")
                              .arg(reason));
    } else {
        first->setData(QIcon(QPixmap::fromImage(thumbnail)), Qt::DecorationRole);
    }
    // The first column was sized to its text before any picture arrived.
    view_.resizeColumnToContents(0);
}

}  // namespace rodwick::stats
