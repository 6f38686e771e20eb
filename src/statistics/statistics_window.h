// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "best_covers.h"
#include "chart_module.h"
#include "figures.h"
#include "platform.h"
#include "record_book.h"
#include "trip_filter.h"

class QLabel;
class QStandardItemModel;
class QTabWidget;
class QTableView;

namespace rodwick::filtering {
class FilterBar;
class TripSource;
}  // namespace rodwick::filtering

namespace rodwick::stats {

// The statistics window: what the records teach, as tables with notes of the trips each
// figure left out, and charts beside them, over the trips its filter lets through. Modeless;
// deletes itself when closed, so nothing is computed while it is closed. It follows the book:
// a change to the trips, the units or the filter redraws it.
class StatisticsWindow : public QWidget {
    Q_OBJECT

  public:
    // showRecord(n) shows record n (1-based) of the open log book in the main window. The charts
    // come from the charts module; without it the window shows everything else.
    StatisticsWindow(RecordBook& book, platform::Platform& platform,
                     std::function<void(int record)> showRecord, QWidget* parent = nullptr,
                     const ChartModule& charts = chartModule());
    ~StatisticsWindow() override;

    // Recomputes every figure from the trips the filter lets through and the units in force
    // and redraws the page shown; the other pages are redrawn from the same figures when they
    // are next shown.
    void refresh();
    filtering::FilterBar& filterBar() const { return *filterBar_; }
    filtering::TripSource& source() const { return *source_; }
    // Shows the cover photo of each personal best's trip of the open log book beside it.
    void showCovers(CoverOf coverOf);
    // Cover photos of the personal bests still to arrive.
    int coversPending() const { return covers_ ? covers_->pending() : 0; }

    // The table of the page shown, copied as tab-separated lines with its heading.
    QString visibleTableText() const;
    void copy();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    enum class PageChartKind { None, Values, Months };
    struct Page;
    QTableView* visibleTable() const;
    Page* shownPage() const;
    // Fills the page shown if it still holds older figures than the last refresh.
    void fillShownPage();
    void fillSummary(const Summary& summary);
    void fillVenues(const VenueTable& venues);
    void fillBests(const BestTable& bests);
    void fillValues(std::size_t index, const ValueTable& values);
    void fillMonths(const MonthTable& months);

    RecordBook& book_;
    platform::Platform& platform_;
    std::function<void(int)> showRecord_;
    filtering::TripSource* source_ = nullptr;
    filtering::FilterBar* filterBar_ = nullptr;
    QLabel* showing_ = nullptr;
    // The trips the figures were computed over; a figure's trip k is shownTrips_[k - 1].
    std::vector<filtering::TripRef> shownTrips_;

    QTabWidget* pages_ = nullptr;
    QTabWidget* whatWorksPages_ = nullptr;
    std::unique_ptr<Page> summary_;
    std::unique_ptr<Page> venues_;
    std::unique_ptr<Page> bests_;
    std::vector<std::unique_ptr<Page>> values_;
    std::unique_ptr<Page> months_;
    BestCovers* covers_ = nullptr;

    // The figures of the last refresh, with the units they were read in: a page shown later
    // shows these, not whatever the table holds by then.
    Figures figures_;
    UnitNames units_;
};

}  // namespace rodwick::stats
