#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "figures.h"
#include "platform.h"
#include "record_table.h"
#include "settings.h"

class QLabel;
class QStandardItemModel;
class QTabWidget;
class QTableView;

namespace rodwick::stats {

// The statistics window: what the records teach, as tables with notes of the trips each
// figure left out, and charts beside them. Modeless; deletes itself when closed, so nothing
// is computed while it is closed. It reads the table and settings it was given and redraws
// only when refresh() is called.
class StatisticsWindow : public QWidget {
    Q_OBJECT

  public:
    // showRecord(n) shows record n (1-based) in the main window.
    StatisticsWindow(const RecordTable& table, const Settings& settings,
                     platform::Platform& platform, std::function<void(int record)> showRecord,
                     QWidget* parent = nullptr);
    ~StatisticsWindow() override;

    // Recomputes every figure from the table and the units in force and redraws the page shown;
    // the other pages are redrawn from the same figures when they are next shown.
    void refresh();
    // Something (a change subscription) that must live exactly as long as the window.
    void keepWhileOpen(std::shared_ptr<void> held) { held_.push_back(std::move(held)); }

    // The table of the page shown, copied as tab-separated lines with its heading.
    QString visibleTableText() const;
    void copy();

  private:
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

    const RecordTable& table_;
    const Settings& settings_;
    platform::Platform& platform_;
    std::function<void(int)> showRecord_;
    std::vector<std::shared_ptr<void>> held_;

    QTabWidget* pages_ = nullptr;
    QTabWidget* whatWorksPages_ = nullptr;
    std::unique_ptr<Page> summary_;
    std::unique_ptr<Page> venues_;
    std::unique_ptr<Page> bests_;
    std::vector<std::unique_ptr<Page>> values_;
    std::unique_ptr<Page> months_;

    // The figures of the last refresh, with the units they were read in: a page shown later
    // shows these, not whatever the table holds by then.
    Figures figures_;
    UnitNames units_;
};

}  // namespace rodwick::stats
