// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "photo_shelf.h"
#include "platform.h"
#include "record_book.h"
#include "settings.h"
#include "trip_filter.h"

class QLabel;
class QMenu;
class QProgressBar;
class QTableView;

namespace rodwick::filtering {
class FilterBar;
class TripSource;
}  // namespace rodwick::filtering

namespace rodwick::trips {

class TripListModel;

// Writes trips, in the order given, to a spreadsheet file the user names. The list knows no
// file format: whoever opens it hands in the spreadsheet export.
using ExportTrips = std::function<void(std::span<const TripRecord> trips, const UnitNames& units)>;

// The trip list: every trip the filter lets through as a row, sortable by any column, with
// their totals under the table. Modeless; deletes itself when closed. It follows the book:
// edits, additions and deletions show in it while it is open.
class TripListWindow : public QWidget {
    Q_OBJECT

  public:
    // layoutFile keeps the columns' order, widths and which are hidden between runs;
    // exportTrips writes the trips shown.
    TripListWindow(RecordBook& book, platform::Platform& platform, std::string layoutFile,
                   ExportTrips exportTrips, QWidget* parent = nullptr);
    ~TripListWindow() override;

    TripListModel& model() const { return *model_; }
    // The open log book's photos: their number in the Photos column, the cover as a row's
    // tooltip.
    void showPhotos(PhotoShelf& shelf);
    filtering::FilterBar& filterBar() const { return *filterBar_; }
    filtering::TripSource& source() const { return *source_; }
    QTableView& table() const { return *table_; }
    // The totals row's text, as shown under the table.
    QString totalsText() const;

    // Shows the trip of a row: a trip of the open log book in the main window, another log
    // book's in a read-only window of its own.
    void showTrip(int row);
    void exportShown();
    void printShown();

  protected:
    void closeEvent(QCloseEvent* event) override;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void refresh();
    // The counts again from the shelf: photos are added and removed in their own window.
    void countPhotos();
    QString coverTip(const filtering::TripRef& trip) const;
    // Shows, hides and moves columns; at a place on the screen, on a column (-1: none).
    void showColumnMenu(const QPoint& globalAt, int column);
    // An entry for each column, checked while it is shown.
    void addColumnChoices(QMenu& menu);
    void saveLayout() const;
    // False when there was no layout to restore.
    bool restoreLayout();

    RecordBook& book_;
    PhotoShelf* photos_ = nullptr;
    std::vector<int> photoCounts_;
    platform::Platform& platform_;
    std::string layoutFile_;
    ExportTrips exportTrips_;
    filtering::TripSource* source_ = nullptr;
    filtering::FilterBar* filterBar_ = nullptr;
    TripListModel* model_ = nullptr;
    QTableView* table_ = nullptr;
    QLabel* totals_ = nullptr;
    QLabel* leftOut_ = nullptr;
    QProgressBar* progress_ = nullptr;
    // Photos linked again or brought by another machine are counted at once. Last member:
    // ends before the model it redraws.
    Notifier::Subscription photosChanged_;
};

// Where the windows' layouts are kept: the user's configuration folder, never the settings
// file.
std::string windowLayoutFile();

}  // namespace rodwick::trips
