// SPDX-License-Identifier: GPL-3.0-or-later
#include "trip_list_model.h"

#include <algorithm>
#include <numeric>

#include <QCoreApplication>

#include "readings.h"
#include "text.h"
#include "windows_locale.h"

namespace rodwick::trips {
namespace {

bool isNumber(Column column) {
    switch (column) {
        case Column::Record:
        case Column::BestFishWeight:
        case Column::TotalWeight:
        case Column::HoursFished:
        case Column::DayTicket:
        case Column::Photos:
            return true;
        default:
            return false;
    }
}

bool hasDigit(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A cell as the windows' language writes it: a date that reads as the locale's short date, a
// price that reads with its decimal sign. Under English, and for whatever does not read, the
// trip's own text.
QString localCell(const filtering::TripRef& trip, Column column, const UnitNames& units,
                  std::span<const std::string> bookNames) {
    if (!windowsSpeakEnglish()) {
        const TripRecord& record = *trip.record;
        if (column == Column::Date) {
            if (const auto date = readDate(record[Field::Date])) return localDate(*date);
        } else if (column == Column::DayTicket && hasDigit(record[Field::TicketPrice])) {
            // A price in words ("free") keeps the angler's word.
            if (const auto cents = readPrice(record[Field::TicketPrice])) {
                return localMoney(static_cast<double>(*cents));
            }
        }
    }
    return fromFileText(cellText(trip, column, units, bookNames));
}

}  // namespace

TripListModel::TripListModel(QObject* parent) : QAbstractTableModel(parent) {}

void TripListModel::setTrips(const std::vector<filtering::TripRef>& trips,
                             const std::vector<std::string>& bookNames,
                             const filtering::TripFilter& filter,
                             const filtering::WordTest& wordTest, const UnitNames& units) {
    const bool headingsChanged = !(units == units_);
    trips_ = trips;
    bookNames_ = bookNames;
    units_ = units;
    filtered_ = filtering::applyFilter(trips_, filter, units_, wordTest);
    if (headingsChanged) emit headerDataChanged(Qt::Horizontal, 0, kColumnCount - 1);
    order();
}

void TripListModel::sort(int column, Qt::SortOrder order) {
    sortColumn_ = column;
    sortOrder_ = order;
    // A new order of the same rows: the view keeps its selection on the same trips.
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<RowKey> keysBefore;
    for (const QModelIndex& index : before) {
        keysBefore.push_back(keys_[static_cast<std::size_t>(index.row())]);
    }
    rows_ = sortedRows();
    keys_.clear();
    for (int row : rows_) keys_.push_back(keyOf(trips_[row]));
    QModelIndexList after;
    for (std::size_t i = 0; i < keysBefore.size(); ++i) {
        const auto found = std::find_if(keys_.begin(), keys_.end(), [&](const RowKey& key) {
            return key.sameTrip(keysBefore[i]);
        });
        after << (found == keys_.end()
                      ? QModelIndex()
                      : index(static_cast<int>(found - keys_.begin()), before[i].column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

std::vector<int> TripListModel::sortedRows() const {
    if (sortColumn_ < 0) return filtered_.shown;
    const bool descending = sortOrder_ == Qt::DescendingOrder;
    if (static_cast<Column>(sortColumn_) != Column::Photos) {
        return sortedBy(trips_, filtered_.shown, static_cast<Column>(sortColumn_), descending,
                        units_, bookNames_);
    }
    // By how many photos; trips whose photos are not known last in either direction.
    std::vector<int> rows = filtered_.shown;
    const auto count = [this](int row) {
        return photoCount_ ? photoCount_(trips_[static_cast<std::size_t>(row)]) : -1;
    };
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
        const int ca = count(a), cb = count(b);
        if ((ca < 0) != (cb < 0)) return cb < 0;
        return descending ? ca > cb : ca < cb;
    });
    return rows;
}

void TripListModel::order() {
    applyRows(sortedRows());
}

void TripListModel::setPhotos(PhotoCount count, CoverTip cover) {
    photoCount_ = std::move(count);
    coverTip_ = std::move(cover);
    photosChanged();
}

void TripListModel::photosChanged() {
    const int column = static_cast<int>(Column::Photos);
    if (!rows_.empty()) emit dataChanged(index(0, column), index(rowCount() - 1, column));
    if (sortColumn_ == column) sort(sortColumn_, sortOrder_);
}

// Tells the view what changed as a run of rows replaced: the rows before it and after it that
// are the same trips stay, so one trip added, deleted or edited is one row inserted, removed or
// changed.
void TripListModel::applyRows(std::vector<int> rows) {
    std::vector<RowKey> keys;
    keys.reserve(rows.size());
    for (int row : rows) keys.push_back(keyOf(trips_[row]));

    const std::size_t oldCount = keys_.size();
    const std::size_t newCount = keys.size();
    std::size_t head = 0;
    while (head < oldCount && head < newCount && keys_[head].sameTrip(keys[head])) ++head;
    std::size_t tail = 0;
    while (tail < oldCount - head && tail < newCount - head &&
           keys_[oldCount - 1 - tail].sameTrip(keys[newCount - 1 - tail])) {
        ++tail;
    }
    const int first = static_cast<int>(head);
    const int oldMiddle = static_cast<int>(oldCount - head - tail);
    const int newMiddle = static_cast<int>(newCount - head - tail);
    if (oldMiddle == newMiddle && oldMiddle <= 1) {
        // One trip edited in place.
        rows_ = std::move(rows);
        keys_ = std::move(keys);
        if (oldMiddle > 0) emit dataChanged(index(first, 0), index(first, kColumnCount - 1));
    } else if (oldMiddle == newMiddle) {
        // An edit that moved its trip in a sorted list: the rows between its old and its new
        // place change order, and each selection follows its trip by log book and number.
        emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        const QModelIndexList before = persistentIndexList();
        QModelIndexList after;
        for (const QModelIndex& was : before) {
            const RowKey& key = keys_[static_cast<std::size_t>(was.row())];
            int row = was.row();
            if (row >= first && row < first + oldMiddle) {
                for (int r = first; r < first + newMiddle; ++r) {
                    const RowKey& now = keys[static_cast<std::size_t>(r)];
                    if (now.book == key.book && now.number == key.number) row = r;
                }
            }
            after << index(row, was.column());
        }
        rows_ = std::move(rows);
        keys_ = std::move(keys);
        changePersistentIndexList(before, after);
        emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    } else {
        if (oldMiddle > 0) {
            beginRemoveRows({}, first, first + oldMiddle - 1);
            rows_.erase(rows_.begin() + first, rows_.begin() + first + oldMiddle);
            keys_.erase(keys_.begin() + first, keys_.begin() + first + oldMiddle);
            endRemoveRows();
        }
        if (newMiddle > 0) {
            beginInsertRows({}, first, first + newMiddle - 1);
            rows_ = std::move(rows);
            keys_ = std::move(keys);
            endInsertRows();
        } else {
            rows_ = std::move(rows);
            keys_ = std::move(keys);
        }
    }
    // Deleting a trip renumbers the ones after it, which stay the same rows.
    if (!rows_.empty()) {
        emit dataChanged(
            index(0, static_cast<int>(Column::Record)),
            index(static_cast<int>(rows_.size()) - 1, static_cast<int>(Column::Record)),
            {Qt::DisplayRole});
    }
}

int TripListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TripListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant TripListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(rows_.size())) return {};
    const auto column = static_cast<Column>(index.column());
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            if (column == Column::Photos) {
                const int count = photoCount_ ? photoCount_(tripAt(index.row())) : -1;
                return count < 0 ? QString() : QString::number(count);
            }
            return localCell(tripAt(index.row()), column, units_, bookNames_);
        case Qt::ToolTipRole:
            return coverTip_ ? coverTip_(tripAt(index.row())) : QVariant();
        case Qt::TextAlignmentRole:
            return isNumber(column) ? int(Qt::AlignRight | Qt::AlignVCenter)
                                    : int(Qt::AlignLeft | Qt::AlignVCenter);
        default:
            return {};
    }
}

QVariant TripListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) return {};
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
    const auto column = static_cast<Column>(section);
    const QString heading = QCoreApplication::translate("TripColumns", headingText(column));
    return namesUnit(column) ? heading.arg(fromFileText(units_.weightMajorUnit)) : heading;
}

const filtering::TripRef& TripListModel::tripAt(int row) const {
    return trips_[static_cast<std::size_t>(rows_[static_cast<std::size_t>(row)])];
}

std::vector<filtering::TripRef> TripListModel::shownTrips() const {
    std::vector<filtering::TripRef> shown;
    shown.reserve(rows_.size());
    for (int row : rows_) shown.push_back(trips_[static_cast<std::size_t>(row)]);
    return shown;
}

int TripListModel::rowOf(int book, const TripRecord& record) const {
    for (std::size_t row = 0; row < keys_.size(); ++row) {
        if (keys_[row].book == book && keys_[row].record == record) return static_cast<int>(row);
    }
    return -1;
}

TripListModel::RowKey TripListModel::keyOf(const filtering::TripRef& trip) {
    return {trip.book, trip.number, *trip.record};
}

}  // namespace rodwick::trips
