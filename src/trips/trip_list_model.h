// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <functional>
#include <string>
#include <vector>

#include "settings.h"
#include "trip_columns.h"
#include "trip_filter.h"

namespace rodwick::trips {

// The rows of the trip list: the trips the filter lets through, in the order of the column
// sorted by. A new set of trips is told to the view as the rows it inserts, removes or
// changes, so that the view keeps its place and its selection.
class TripListModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    // How many photos a trip has; -1 where it is not known (a log book of the folder).
    using PhotoCount = std::function<int(const filtering::TripRef&)>;
    // A row's tooltip: its trip's cover photo, as rich text; empty for none.
    using CoverTip = std::function<QString(const filtering::TripRef&)>;
    explicit TripListModel(QObject* parent = nullptr);
    // The photos column's counts and the rows' cover tooltips; every row's cell is told again.
    void setPhotos(PhotoCount count, CoverTip cover);
    void photosChanged();

    // Shows these trips, filtered and sorted; the trips stay owned by the caller and must stay
    // valid until the next call. wordTest serves a filter with a word.
    void setTrips(const std::vector<filtering::TripRef>& trips,
                  const std::vector<std::string>& bookNames, const filtering::TripFilter& filter,
                  const filtering::WordTest& wordTest, const UnitNames& units);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // The trip of a row; rows are those of the model.
    const filtering::TripRef& tripAt(int row) const;
    // The trips shown, in their order.
    std::vector<filtering::TripRef> shownTrips() const;
    const filtering::Filtered& filtered() const { return filtered_; }
    int tripCount() const { return static_cast<int>(trips_.size()); }
    const std::vector<std::string>& bookNames() const { return bookNames_; }
    const UnitNames& units() const { return units_; }
    // The row of the trip whose record equals this one in that log book; -1 when none does.
    int rowOf(int book, const TripRecord& record) const;

  private:
    // A row as last told to the view: its trip's log book, number and text. A row is the same
    // trip across a change when its log book and text are; an edited trip keeps its number.
    struct RowKey {
        int book = 0;
        int number = 0;
        TripRecord record;
        bool sameTrip(const RowKey& other) const {
            return book == other.book && record == other.record;
        }
    };
    static RowKey keyOf(const filtering::TripRef& trip);
    void order();
    // The rows of the trips shown in the order of the column sorted by.
    std::vector<int> sortedRows() const;
    void applyRows(std::vector<int> rows);

    std::vector<filtering::TripRef> trips_;
    std::vector<std::string> bookNames_;
    UnitNames units_;
    filtering::Filtered filtered_;
    std::vector<int> rows_;  // indices into trips_
    std::vector<RowKey> keys_;
    PhotoCount photoCount_;
    CoverTip coverTip_;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

}  // namespace rodwick::trips
