// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QImage;
class QStandardItemModel;
class QTableView;

namespace rodwick::photos {
class ThumbnailLoader;
}

namespace rodwick::stats {

// The path of the cover photo of record n (1-based) of the open log book; none where its trip
// has no cover.
using CoverOf = std::function<std::optional<std::string>(int record)>;

// The cover photos of the personal bests' trips, as a small thumbnail in the first cell of each
// row. The thumbnails come from the desktop's cache, made on threads of their own, and arrive
// after the table is shown: the window never waits for a photo. A row whose trip has no cover
// gets nothing; one whose cover cannot be read gets a placeholder that tells why.
class BestCovers : public QObject {
  public:
    BestCovers(QTableView& view, QStandardItemModel& model, CoverOf coverOf);
    ~BestCovers() override;

    // The rows just filled: records[r] is the open log book's record of row r, 0 for a trip of
    // another log book.
    void show(std::vector<int> records);
    // Looks up the covers again (the Photos window may have changed one) and loads what changed.
    void recheck();
    // Covers still to arrive.
    int pending() const;

  private:
    QStringList coverPaths() const;
    void load(QStringList paths);
    void place(int index, const QImage& thumbnail, const QString& reason);

    QTableView& view_;
    QStandardItemModel& model_;
    CoverOf coverOf_;
    std::vector<int> records_;
    // The cover of each row ("" for none) and, for each photo loaded, its row.
    QStringList paths_;
    std::vector<int> rowOf_;
    // Made at the first cover, so that a log book without photos pays nothing for it.
    std::unique_ptr<photos::ThumbnailLoader> loader_;
};

}  // namespace rodwick::stats
