#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QBarCategoryAxis>
#include <QChartView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QtTest/QTest>
#include <memory>

#include "example_trips.h"
#include "rodwick_test/scripted_platform.h"
#include "statistics_window.h"

namespace rodwick::testing {
namespace {

class StatisticsWindowTest : public ::testing::Test {
  protected:
    StatisticsWindowTest() {
        EXPECT_TRUE(table.ReplaceFromFile(ExampleTrips()));
        settings.units = UnitNames::Imperial();
        Open();
    }
    void Open() {
        window = new stats::StatisticsWindow(table, settings, platform,
                                             [this](int record) { shown.push_back(record); });
    }
    ~StatisticsWindowTest() override { delete window.data(); }

    // A part of a page, with its page shown first as a user would: pages not shown may hold
    // older figures until they are shown.
    template <class Part>
    Part* OnItsPage(const char* name) const {
        auto* part = window->findChild<Part*>(QString::fromLatin1(name));
        for (const char* tabs : {"StatisticsPages", "WhatWorksPages"}) {
            QTabWidget* pages = Pages(tabs);
            for (int i = 0; i < pages->count(); ++i) {
                if (pages->widget(i)->isAncestorOf(part)) pages->setCurrentIndex(i);
            }
        }
        return part;
    }
    QTableView* Table(const char* name) const { return OnItsPage<QTableView>(name); }
    QString CellText(const char* table, int row, int column) const {
        const QAbstractItemModel* model = Table(table)->model();
        return model->index(row, column).data().toString();
    }
    int Rows(const char* table) const { return Table(table)->model()->rowCount(); }
    // The summary's value of one figure, found by its caption.
    QString Figure(const QString& caption) const {
        for (int r = 0; r < Rows("SummaryTable"); ++r) {
            if (CellText("SummaryTable", r, 0) == caption) return CellText("SummaryTable", r, 1);
        }
        return QStringLiteral("(no such figure)");
    }
    QString NotesOf(const char* name) const { return OnItsPage<QLabel>(name)->text(); }
    QTabWidget* Pages(const char* name) const {
        return window->findChild<QTabWidget*>(QString::fromLatin1(name));
    }
    void DoubleClick(const char* table, int row) {
        QTableView* view = Table(table);
        QApplication::processEvents();  // lay out the page just chosen
        const QRect cell = view->visualRect(view->model()->index(row, 0));
        // As a real double-click: the first press picks the row the second one opens.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    }

    RecordTable table;
    Settings settings;
    ScriptedPlatform platform;
    std::vector<int> shown;
    QPointer<stats::StatisticsWindow> window;
};

TEST_F(StatisticsWindowTest, EveryPageShowsTheFiguresAsText) {
    EXPECT_EQ(window->windowTitle(), "Statistics");
    EXPECT_EQ(window->objectName(), "StatisticsWindow");
    const std::pair<QString, QString> figures[] = {{"Trips", "20"},
                                                   {"Hours fished", "79 h 30 min"},
                                                   {"Total weight caught", "126 lb 0 oz"},
                                                   {"Blank trips, share", "16%"},
                                                   {"Average ticket per trip", "4.11"}};
    for (const auto& [caption, value] : figures) EXPECT_EQ(Figure(caption), value);
    EXPECT_TRUE(NotesOf("SummaryNotes").contains("2 trips without a readable finish time"));
    EXPECT_TRUE(NotesOf("BaitNotes").contains("1 trip whose value no other trip shares"));

    EXPECT_EQ(Rows("VenueTable"), 5);
    EXPECT_EQ(Rows("MonthTable"), 12);
    // A month without trips stays, with no weight.
    const std::tuple<const char*, int, int, QString> cells[] = {
        {"VenueTable", 0, 0, "Mill Pond"},
        {"VenueTable", 0, 3, "8 lb 9 oz"},
        {"BestTable", 0, 0, "Carp"},
        {"BestTable", 0, 4, "14"},
        {"WaterTypeTable", 2, 2, "1 lb 8 oz"},
        {"MonthTable", 3, 1, "0"},
        {"MonthTable", 3, 2, ""}};
    for (const auto& [name, row, column, text] : cells) {
        EXPECT_EQ(CellText(name, row, column), text) << name << " " << row << "," << column;
    }

    // Charts are extra: one beside each table of what works, one over time.
    for (const char* name : {"MethodChart", "BaitChart", "WeatherChart", "WaterConditionChart",
                             "WaterTypeChart", "MonthChart"}) {
        auto* chart = OnItsPage<QChartView>(name);
        ASSERT_NE(chart, nullptr) << name;
        EXPECT_FALSE(chart->chart()->series().isEmpty()) << name;
    }
}

// Nothing is computed until the window is refreshed, and a page is rebuilt when shown, never
// left with the figures it showed before a change.
TEST_F(StatisticsWindowTest, APageShownAfterAChangeShowsTheNewFigures) {
    window->show();
    QTabWidget* pages = Pages("StatisticsPages");
    QTabWidget* whatWorks = Pages("WhatWorksPages");
    const auto model = [this](const char* name) {
        return window->findChild<QTableView*>(QString::fromLatin1(name))->model();
    };
    // Each page shown once with the old figures, then the change made with another page shown.
    struct Case {
        int page, whatWorksPage;
        const char* table;
        int row, column;
        QString before, after;
    };
    const Case cases[] = {
        {1, 0, "VenueTable", 0, 1, "6", "5"},                  // Mill Pond loses a trip
        {2, 0, "BestTable", 0, 1, "14 lb 2 oz", "14 Kg 2 g"},  // read in the units in force
        {3, 1, "BaitTable", 0, 0, "Boilie", "Boilie"},
        {4, 0, "MonthTable", 3, 0, "2001-07", "2001-07"},
    };
    const auto expectCells = [&](QString Case::*text) {
        for (const Case& c : cases) {
            pages->setCurrentIndex(c.page);
            whatWorks->setCurrentIndex(c.whatWorksPage);
            EXPECT_EQ(model(c.table)->index(c.row, c.column).data().toString(), c.*text) << c.table;
        }
    };
    expectCells(&Case::before);
    const int baitRows = model("BaitTable")->rowCount();
    pages->setCurrentIndex(0);
    table.setCurrentRecord(1);
    table.RemoveRecord();  // 200 oz at Mill Pond
    settings.units = UnitNames::Metric();
    EXPECT_EQ(Figure("Trips"), "20") << "the window computes nothing by itself";
    window->refresh();
    ASSERT_EQ(Figure("Trips"), "19");
    expectCells(&Case::after);

    // The inner pages too: change while one is shown, then show its neighbour.
    pages->setCurrentIndex(3);
    whatWorks->setCurrentIndex(0);
    table.ClearTable();
    window->refresh();
    EXPECT_EQ(model("MethodTable")->rowCount(), 0);
    EXPECT_GT(baitRows, 0);
    EXPECT_EQ(model("BaitTable")->rowCount(), baitRows) << "not shown yet, so not rebuilt yet";
    whatWorks->setCurrentIndex(1);
    EXPECT_EQ(model("BaitTable")->rowCount(), 0);
    // And a page left behind the outer tabs is rebuilt when the outer tab comes back to it.
    pages->setCurrentIndex(1);
    EXPECT_EQ(model("VenueTable")->rowCount(), 0);
    EXPECT_EQ(Figure("Average catch per trip"), "none");
    pages->setCurrentIndex(0);
    table.ReplaceFromFile(ExampleTrips());
    window->refresh();
    pages->setCurrentIndex(3);
    EXPECT_EQ(model("BaitTable")->rowCount(), baitRows);

    // The charts follow their tables through the same changes: a bar for each row, best on top.
    const auto bars = [this](const char* chart) {
        const auto* view = window->findChild<QChartView*>(QString::fromLatin1(chart));
        auto* axis = qobject_cast<QBarCategoryAxis*>(view->chart()
                                                         ->axes(Qt::Horizontal | Qt::Vertical)
                                                         .value(0));  // the categories come first
        return axis ? axis->categories() : QStringList{QStringLiteral("(no categories)")};
    };
    QStringList baits;
    for (int r = 0; r < baitRows; ++r)
        baits.prepend(model("BaitTable")->index(r, 0).data().toString());
    EXPECT_EQ(bars("BaitChart"), baits);
    pages->setCurrentIndex(4);
    EXPECT_EQ(bars("MonthChart").size(), 12);
    EXPECT_EQ(bars("MonthChart").value(3), "2001-07");
    pages->setCurrentIndex(0);
    table.ClearTable();
    window->refresh();
    pages->setCurrentIndex(3);
    EXPECT_EQ(bars("BaitChart"), QStringList{});
    pages->setCurrentIndex(4);
    EXPECT_EQ(bars("MonthChart"), QStringList{});
}

TEST_F(StatisticsWindowTest, CopyPutsTheVisibleTableInItsSortedOrder) {
    Pages("StatisticsPages")->setCurrentIndex(1);
    Table("VenueTable")->sortByColumn(1, Qt::AscendingOrder);  // by trips
    window->findChild<QPushButton*>("StatisticsCopy")->click();
    const QStringList lines = platform.clipboard.split('\n');
    ASSERT_EQ(lines.size(), 7);  // heading, five venues, the final line break
    EXPECT_EQ(lines[0],
              "Venue\tTrips\tTotal catch\tAverage catch\tBest fish\tBest weight\tAverage "
              "ticket\tLast visit");
    EXPECT_EQ(lines[1], "The Lock\t1\t0 lb 10 oz\t0 lb 10 oz\tRoach\t0 lb 4 oz\t3.00\t12-01-2001");
    EXPECT_TRUE(lines[5].startsWith("Mill Pond\t6\t"));
    EXPECT_EQ(lines[6], "");

    Pages("StatisticsPages")->setCurrentIndex(3);
    Pages("WhatWorksPages")->setCurrentIndex(2);
    window->copy();
    EXPECT_TRUE(platform.clipboard.startsWith(
        "Weather\tTrips\tAverage catch\nSunny\t7\t9 lb 0 oz\nCloudy\t5\t8 lb 13 oz\n"));
}

TEST_F(StatisticsWindowTest, ABestFishShowsItsTripByMouseOrKey) {
    window->show();
    Pages("StatisticsPages")->setCurrentIndex(2);
    DoubleClick("BestTable", 0);
    Table("BestTable")->sortByColumn(0, Qt::AscendingOrder);  // Barbel first
    DoubleClick("BestTable", 0);
    QTableView* bests = Table("BestTable");
    bests->setFocus();
    bests->setCurrentIndex(bests->model()->index(6, 2));  // Tench, by its venue cell
    QTest::keyClick(bests, Qt::Key_Return);
    EXPECT_EQ(shown, (std::vector<int>{14, 13, 9}));

    // Rows that stand for many trips show none.
    Pages("StatisticsPages")->setCurrentIndex(1);
    DoubleClick("VenueTable", 0);
    EXPECT_EQ(shown.size(), 3u);
}

TEST_F(StatisticsWindowTest, PagesAreReachedFromTheKeyboardAndClosingChangesNothing) {
    const std::vector<TripRecord> before(&table.slot(1), &table.slot(1) + table.recordCount());
    // Escape or the Close button, each on a window of its own.
    for (const bool escape : {true, false}) {
        if (!window) Open();
        window->show();
        window->activateWindow();
        QApplication::setActiveWindow(window);
        const std::pair<Qt::Key, int> keys[] = {
            {Qt::Key_V, 1}, {Qt::Key_B, 2}, {Qt::Key_W, 3}, {Qt::Key_O, 4}, {Qt::Key_S, 0}};
        for (const auto& [key, page] : keys) {
            QTest::keyClick(window, key, Qt::AltModifier);
            EXPECT_EQ(Pages("StatisticsPages")->currentIndex(), page)
                << QKeySequence(key).toString().toStdString();
        }
        if (escape) {
            QTest::keyClick(window, Qt::Key_Escape);
        } else {
            window->findChild<QPushButton*>("StatisticsClose")->click();
        }
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(window.isNull()) << "a closed window is gone, so it computes nothing more";
    }
    EXPECT_EQ(std::vector<TripRecord>(&table.slot(1), &table.slot(1) + table.recordCount()),
              before);
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(platform.calls().empty());
}

}  // namespace
}  // namespace rodwick::testing
