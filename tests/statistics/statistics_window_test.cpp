// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QBarCategoryAxis>
#include <QChartView>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLibraryInfo>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QtTest/QTest>
#include <filesystem>
#include <memory>

#include "photo_shelf.h"
#include "rodwick_test/example_trips.h"
#include "rodwick_test/scripted_platform.h"
#include "rodwick_test/store_test_util.h"
#include "statistics_window.h"
#include "translation.h"
#include "trip_source.h"
#include "windows_locale.h"

namespace rodwick::testing {
namespace {

class StatisticsWindowTest : public ::testing::Test {
  protected:
    StatisticsWindowTest() {
        EXPECT_TRUE(book_.replaceRecords(exampleTrips()).ok());
        Settings settings;
        settings.units = UnitNames::imperial();
        book_.setSettings(settings);
        window_ = new stats::StatisticsWindow(book_, platform_,
                                              [this](int record) { shown_.push_back(record); });
    }
    ~StatisticsWindowTest() override { delete window_.data(); }

    // A part of a page, with its page shown first as a user would: pages not shown may hold
    // older figures until they are shown.
    template <class Part>
    Part* onItsPage(const char* name) const {
        auto* part = window_->findChild<Part*>(QString::fromLatin1(name));
        for (const char* tabs : {"StatisticsPages", "WhatWorksPages"}) {
            QTabWidget* pages = tabsNamed(tabs);
            for (int i = 0; i < pages->count(); ++i) {
                if (pages->widget(i)->isAncestorOf(part)) pages->setCurrentIndex(i);
            }
        }
        return part;
    }
    QTableView* tableNamed(const char* name) const { return onItsPage<QTableView>(name); }
    QString cellText(const char* table, int row, int column) const {
        const QAbstractItemModel* model = tableNamed(table)->model();
        return model->index(row, column).data().toString();
    }
    int rows(const char* table) const { return tableNamed(table)->model()->rowCount(); }
    // The summary's value of one figure, found by its caption.
    QString figure(const QString& caption) const {
        for (int r = 0; r < rows("SummaryTable"); ++r) {
            if (cellText("SummaryTable", r, 0) == caption) return cellText("SummaryTable", r, 1);
        }
        return QStringLiteral("(no such figure)");
    }
    QString notesOf(const char* name) const { return onItsPage<QLabel>(name)->text(); }
    QTabWidget* tabsNamed(const char* name) const {
        return window_->findChild<QTabWidget*>(QString::fromLatin1(name));
    }
    RecordBook book_;
    ScriptedPlatform platform_;
    std::vector<int> shown_;
    QPointer<stats::StatisticsWindow> window_;
};

// Nothing is computed until the window is refreshed, and a page is rebuilt when shown, never
// left with the figures it showed before a change.
TEST_F(StatisticsWindowTest, APageShownAfterAChangeShowsTheNewFigures) {
    // The charts module stands beside the test as it stands beside the program.
    ASSERT_NE(stats::chartModule().maker, nullptr) << stats::chartModule().error.toStdString();
    window_->show();
    EXPECT_EQ(figure("Hours fished"), "79 h 30 min");
    EXPECT_TRUE(notesOf("SummaryNotes").contains("2 trips without a readable finish time"));
    EXPECT_TRUE(notesOf("BaitNotes").contains("1 trip whose value no other trip shares"));
    // A month without trips stays, with no weight.
    const std::tuple<const char*, int, int, QString> cells[] = {
        {"VenueTable", 0, 1, "6"}, {"BestTable", 0, 1, "14 lb 2 oz"},
        {"BestTable", 0, 4, "14"}, {"WaterTypeTable", 2, 2, "1 lb 8 oz"},
        {"MonthTable", 3, 1, "0"}, {"MonthTable", 3, 2, ""}};
    for (const auto& [name, row, column, text] : cells) {
        EXPECT_EQ(cellText(name, row, column), text) << name << " " << row << "," << column;
    }
    // Charts are extra: a bar for each row of the table beside them, best on top.
    const auto bars = [this](const char* chart) {
        const auto* view = onItsPage<QChartView>(chart);
        auto* axis = qobject_cast<QBarCategoryAxis*>(view->chart()
                                                         ->axes(Qt::Horizontal | Qt::Vertical)
                                                         .value(0));  // the categories come first
        return axis ? axis->categories() : QStringList{QStringLiteral("(no categories)")};
    };
    EXPECT_EQ(bars("BaitChart"), (QStringList{"Caster", "Worm", "Maggot", "Sweetcorn", "Boilie"}));

    tabsNamed("StatisticsPages")->setCurrentIndex(0);
    ASSERT_TRUE(book_.show(1));
    ASSERT_TRUE(book_.deleteCurrent().ok());  // 200 oz at Mill Pond
    book_.setSettings(Settings{});            // metric
    ASSERT_EQ(figure("Trips"), "19");
    EXPECT_EQ(cellText("VenueTable", 0, 1), "5");
    EXPECT_EQ(cellText("BestTable", 0, 1), "14 Kg 2 g");  // read in the units in force

    // A page of what works changed while its neighbour was shown.
    tabsNamed("WhatWorksPages")->setCurrentIndex(0);
    book_.newDatabase();
    EXPECT_EQ(rows("BaitTable"), 0);
    EXPECT_EQ(bars("BaitChart"), QStringList{});
    EXPECT_EQ(rows("VenueTable"), 0);
    EXPECT_EQ(figure("Average catch per trip"), "none");
}

TEST_F(StatisticsWindowTest, CopyPutsTheVisibleTableInItsSortedOrder) {
    tabsNamed("StatisticsPages")->setCurrentIndex(1);
    tableNamed("VenueTable")->sortByColumn(1, Qt::AscendingOrder);  // by trips
    window_->findChild<QPushButton*>("StatisticsCopy")->click();
    const QStringList lines = platform_.clipboard.split('\n');
    ASSERT_EQ(lines.size(), 7);  // heading, five venues, the final line break
    EXPECT_EQ(lines[0],
              "Venue\tTrips\tTotal catch\tAverage catch\tBest fish\tBest weight\tAverage "
              "ticket\tLast visit");
    EXPECT_EQ(lines[1], "The Lock\t1\t0 lb 10 oz\t0 lb 10 oz\tRoach\t0 lb 4 oz\t3.00\t12-01-2001");
    EXPECT_TRUE(lines[5].startsWith("Mill Pond\t6\t"));
    EXPECT_EQ(lines[6], "");

    tabsNamed("StatisticsPages")->setCurrentIndex(3);
    tabsNamed("WhatWorksPages")->setCurrentIndex(2);
    window_->copy();
    EXPECT_TRUE(platform_.clipboard.startsWith(
        "Weather\tTrips\tAverage catch\tBlank trips\nSunny\t7\t9 lb 0 oz\t0\nCloudy\t5\t8 lb 13 "
        "oz\t0\n"));
}

// After the fields' pages: the moon's phase (only 01-12-2002 is near a new moon) and the parts
// of the day, with their bounds (dawn: 3, a blank, 8, 9 and 14).
TEST_F(StatisticsWindowTest, TheMoonAndTheTimeOfDayHaveTheirPages) {
    window_->show();
    QTabWidget* pages = tabsNamed("WhatWorksPages");
    ASSERT_EQ(pages->count(), 7);
    EXPECT_EQ(pages->tabText(5), "Moon");
    EXPECT_EQ(pages->tabText(6), "&Time of Day");
    const std::tuple<const char*, int, int, QString> cells[] = {{"MoonTable", 0, 0, "New Moon"},
                                                                {"TimeOfDayTable", 0, 0, "Dawn"},
                                                                {"TimeOfDayTable", 0, 3, "1"}};
    for (const auto& [name, row, column, text] : cells) {
        EXPECT_EQ(cellText(name, row, column), text) << name << " " << row << "," << column;
    }
    EXPECT_TRUE(notesOf("TimeOfDayNotes").startsWith("Dawn 04:00-07:00, Morning 07:00-12:00"));
}

TEST_F(StatisticsWindowTest, ABestFishShowsItsTripByMouseOrKey) {
    window_->show();
    const auto activate = [this](const char* name, int row) {
        QTableView* view = tableNamed(name);
        view->setFocus();
        view->setCurrentIndex(view->model()->index(row, 2));  // by its venue cell
        QTest::keyClick(view, Qt::Key_Return);
    };
    activate("BestTable", 0);
    tableNamed("BestTable")->sortByColumn(0, Qt::AscendingOrder);  // Barbel first
    activate("BestTable", 0);
    activate("BestTable", 6);  // Tench
    // Rows that stand for many trips show none.
    activate("VenueTable", 0);
    EXPECT_EQ(shown_, (std::vector<int>{14, 13, 9}));
}

// The figures of the trips the filter lets through; a trip named by a figure keeps its own
// record number.
TEST_F(StatisticsWindowTest, TheFilterNarrowsEveryFigureAndABestFishStillShowsItsOwnTrip) {
    window_->show();
    auto* venues = window_->findChild<QComboBox*>(QStringLiteral("FilterVenue"));
    venues->setCurrentIndex(venues->findText(QStringLiteral("River Teme")));
    EXPECT_EQ(window_->findChild<QLabel*>(QStringLiteral("StatisticsShowing"))->text(),
              "Showing 5 of 20 trips");
    EXPECT_EQ(figure("Trips"), "5");
    EXPECT_EQ(cellText("BestTable", 0, 4), "13");  // the Barbel of 7 lb
    QTableView* bests = tableNamed("BestTable");
    bests->setFocus();
    bests->setCurrentIndex(bests->model()->index(0, 0));
    QTest::keyClick(bests, Qt::Key_Return);
    EXPECT_EQ(shown_, std::vector<int>{13});
}

TEST_F(StatisticsWindowTest, PagesAreReachedFromTheKeyboardAndClosingChangesNothing) {
    window_->show();
    QApplication::setActiveWindow(window_);
    QTest::keyClick(window_, Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(tabsNamed("StatisticsPages")->currentIndex(), 4);
    QTest::keyClick(window_, Qt::Key_Escape);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window_.isNull());
    EXPECT_EQ(book_.recordCount(), 20);
    EXPECT_TRUE(platform_.calls().empty());
}

// The personal bests with the open log book's photos: each best fish's trip that has a cover
// shows it in its row, whatever the filter lets through.
class StatisticsCoversTest : public StatisticsWindowTest {
  protected:
    StatisticsCoversTest() : oldCache_(qgetenv("XDG_CACHE_HOME")) {
        qputenv("XDG_CACHE_HOME", QByteArray::fromStdString(dir_.file("cache")));
        std::filesystem::create_directories(dir_.file("camera"));
    }
    ~StatisticsCoversTest() override {
        delete window_.data();  // before the shelf it asks
        qputenv("XDG_CACHE_HOME", oldCache_);
    }
    // A photo of one colour (or bytes of no picture) added to record n.
    std::string addPhoto(int record, const QColor& colour, bool cover) {
        const std::string path = dir_.file("camera/" + std::to_string(++photos_) + ".png");
        if (colour.isValid()) {
            QImage picture(64, 48, QImage::Format_RGB32);
            picture.fill(colour);
            EXPECT_TRUE(picture.save(QString::fromStdString(path)));
        } else {
            writeBytes(path, "\x89PNG but nothing after it");
        }
        const auto added = shelf_.addPhotos(record, {{.path = path, .taken = std::nullopt}});
        EXPECT_TRUE(added.ok());
        if (cover) {
            EXPECT_TRUE(shelf_.setCover(added.value().front(), true).ok());
        }
        return added.value().front();
    }
    void showCovers() {
        window_->showCovers([this](int record) -> std::optional<std::string> {
            const auto cover = shelf_.coverOf(record);
            if (!cover) return std::nullopt;
            return shelf_.pathOf(cover->name);
        });
    }
    // The cover shown in the row of the best fish of record n: its colour at the middle,
    // "placeholder" with the reason where it could not be read, "none" without one.
    QString coverIn(int record) {
        QTableView* bests = tableNamed("BestTable");
        if (!QTest::qWaitFor([this] { return window_->coversPending() == 0; }, 10000))
            return QStringLiteral("still loading");
        const QAbstractItemModel* model = bests->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            if (model->index(row, 4).data().toInt() != record) continue;
            const QModelIndex first = model->index(row, 0);
            const QVariant decoration = first.data(Qt::DecorationRole);
            if (!decoration.isValid()) return QStringLiteral("none");
            // A row without a cover holds its place with a clear picture; a placeholder is a
            // frame, drawn along its top edge.
            const QImage shown = qvariant_cast<QIcon>(decoration).pixmap(40).toImage();
            const QString tip = first.data(Qt::ToolTipRole).toString();
            bool framed = false;
            for (int x = 0; x < shown.width(); ++x) framed |= shown.pixelColor(x, 0).alpha() > 0;
            if (!tip.isEmpty())
                return (framed ? QStringLiteral("placeholder: ") : QStringLiteral("no frame: ")) +
                       tip;
            const QColor middle = shown.pixelColor(shown.width() / 2, shown.height() / 2);
            return middle.alpha() == 0 ? QStringLiteral("none") : middle.name();
        }
        return QStringLiteral("no row");
    }

    TempDir dir_;
    QByteArray oldCache_;
    int photos_ = 0;
    PhotoShelf shelf_{book_, {.untitled = dir_.file("untitled"), .backups = dir_.file("backups")}};
};

TEST_F(StatisticsCoversTest, ABestFishsTripShowsItsCoverAndNoOtherTripsPhoto) {
    addPhoto(14, Qt::green, false);  // not the cover: the carp's trip shows the red one
    addPhoto(14, Qt::red, true);
    addPhoto(13, Qt::blue, true);
    addPhoto(10, Qt::yellow, false);  // photos, but no cover
    addPhoto(9, QColor(), true);
    window_->show();
    showCovers();
    struct Case {
        const char* venue;  // the filter's venue, "" for every trip
        int record;
        const char* shown;
    };
    const Case cases[] = {
        {"", 14, "#ff0000"},
        {"", 13, "#0000ff"},
        {"", 10, "none"},
        {"", 19, "none"},
        // Among the River Teme's five trips the barbel is the fourth, and record 13 still.
        {"River Teme", 13, "#0000ff"},
        {"River Teme", 10, "none"},
    };
    auto* venues = window_->findChild<QComboBox*>(QStringLiteral("FilterVenue"));
    for (const auto& [venue, record, shown] : cases) {
        venues->setCurrentIndex(*venue ? venues->findText(QString::fromLatin1(venue)) : 0);
        EXPECT_EQ(coverIn(record), QString::fromLatin1(shown)) << venue << " record " << record;
    }
    venues->setCurrentIndex(0);
    EXPECT_TRUE(coverIn(9).startsWith("placeholder: The cover photo cannot be shown: "))
        << coverIn(9).toStdString();
    // Every row has a picture's place, so that the species of all rows line up.
    const QAbstractItemModel* bests = tableNamed("BestTable")->model();
    for (int row = 0; row < bests->rowCount(); ++row)
        EXPECT_TRUE(bests->index(row, 0).data(Qt::DecorationRole).isValid()) << row;
    EXPECT_TRUE(platform_.calls().empty());
}

// Counting every log book of the folder, a best fish of another log book shows no cover: the
// open log book's photos are of its own trips, whatever number the other trip has.
TEST_F(StatisticsCoversTest, ABestFishOfAnotherLogBookShowsNone) {
    TripRecord pike = exampleTrips()[13];
    pike[Field::BestFish] = "Pike";
    pike[Field::BestFishWeightMajor] = "20";
    writeBytes(dir_.file("OTHER.RWK"), databaseBytes({pike}));
    writeBytes(dir_.file("LOG.RWK"), databaseBytes(exampleTrips()));
    ASSERT_TRUE(book_.load(dir_.file("LOG.RWK")).ok());
    addPhoto(1, Qt::red, true);  // record 1 of this log book, the pike's number in its own
    addPhoto(14, Qt::blue, true);
    window_->show();
    showCovers();
    window_->findChild<QComboBox*>(QStringLiteral("FilterScope"))->setCurrentIndex(1);
    ASSERT_TRUE(QTest::qWaitFor([this] { return window_->source().filesToRead() == 0; }));
    ASSERT_EQ(cellText("BestTable", 0, 0), "Pike");
    EXPECT_EQ(coverIn(1), "none");
    EXPECT_EQ(coverIn(14), "#0000ff");
}

// A cover chosen or taken away in the Photos window is seen when the window is active again.
TEST_F(StatisticsCoversTest, ACoverChangedElsewhereIsShownOnReturn) {
    const std::string red = addPhoto(14, Qt::red, true);
    const std::string green = addPhoto(14, Qt::green, false);
    window_->show();
    showCovers();
    EXPECT_EQ(coverIn(14), "#ff0000");
    const std::pair<std::pair<std::string, bool>, const char*> changes[] = {
        {{green, true}, "#00ff00"}, {{green, false}, "none"}, {{red, true}, "#ff0000"}};
    for (const auto& [change, shown] : changes) {
        ASSERT_TRUE(shelf_.setCover(change.first, change.second).ok());
        QEvent activation(QEvent::ActivationChange);
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_));
        QApplication::sendEvent(window_, &activation);
        EXPECT_EQ(coverIn(14), QString::fromLatin1(shown)) << change.first;
    }
}

// A module that is missing or is not ours takes the charts away, nothing else: every table and
// note is there, each chart's place gives the loader's reason, and no message interrupts.
TEST_F(StatisticsWindowTest, WithoutTheChartsModuleEverythingButTheChartsIsShown) {
    TempDir dir;
    writeBytes(dir.file("librodwick_charts.so"), "not a module");
    const std::pair<const char*, QString> modules[] = {
        {"missing", QString::fromStdString(dir.file("none.so"))},
        {"not a module", QString::fromStdString(dir.file("librodwick_charts.so"))},
        {"another plugin",
         QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms/libqoffscreen.so"},
    };
    for (const auto& [what, file] : modules) {
        const stats::ChartModule module = stats::loadChartModule(file);
        ASSERT_EQ(module.maker, nullptr) << what;
        delete window_.data();
        window_ = new stats::StatisticsWindow(book_, platform_, nullptr, nullptr, module);
        window_->show();
        EXPECT_EQ(window_->findChildren<QChartView*>().size(), 0) << what;
        const auto places = window_->findChildren<QLabel*>(QRegularExpression("ChartUnavailable$"));
        EXPECT_EQ(places.size(), 8) << what;  // seven pages of what works and the months
        for (const QLabel* place : places) {
            EXPECT_EQ(place->text(), "Charts are not available: " + module.error) << what;
        }
        EXPECT_TRUE(module.error.contains(file)) << what;
        EXPECT_EQ(rows("BaitTable"), 5) << what;
        EXPECT_EQ(cellText("MonthTable", 3, 1), "0") << what;
        EXPECT_TRUE(notesOf("BaitNotes").contains("1 trip whose value no other trip shares"));
        window_->setPalette(QPalette(Qt::black));  // a change of theme, with no chart to follow
        EXPECT_TRUE(platform_.calls().empty()) << what;
    }
}

// The figures' numbers and dates in the windows' language: a decimal comma and the locale's
// short date under German and French, the program's own forms under English. The trips' own
// texts (a venue) stay as they are.
TEST_F(StatisticsWindowTest, NumbersAndDatesFollowTheWindowsLanguage) {
    struct Case {
        const char* language;
        std::vector<std::pair<const char*, QString>> figures;  // caption, value
        QString firstMonth;
        QString lastVisit;   // Mill Pond's, trip 18
        QString barbelDate;  // the best Barbel's, typed 10-20-2001
    };
    const QString blank = QString(QChar(0x00A0));
    const std::vector<Case> cases = {
        {"en",
         {{"First trip", "04-14-2001"},
          {"Last trip", "03-31-2002"},
          {"Spent on day tickets", "78.00"},
          {"Average ticket per trip", "4.11"},  // 78.00 over 19 priced trips
          {"Blank trips, share", "16%"}},
         "2001-04",
         "03-10-2002",
         "10-20-2001"},
        {"de",
         {{"First trip", "14.04.01"},
          {"Last trip", "31.03.02"},
          {"Spent on day tickets", "78,00"},
          {"Average ticket per trip", "4,11"},
          {"Blank trips, share", "16" + blank + "%"}},
         "Apr 2001",
         "10.03.02",
         "20.10.01"},
        {"fr",
         {{"First trip", "14/04/2001"}, {"Spent on day tickets", "78,00"}},
         "avr. 2001",
         "10/03/2002",
         "20/10/2001"},
    };
    struct English {
        ~English() { setWindowsLanguage(QStringLiteral("en")); }
    } english;
    for (const Case& c : cases) {
        setWindowsLanguage(QString::fromLatin1(c.language));
        delete window_.data();
        window_ = new stats::StatisticsWindow(book_, platform_, nullptr);
        for (const auto& [caption, value] : c.figures) {
            EXPECT_EQ(figure(QString::fromLatin1(caption)), value) << c.language << " " << caption;
        }
        EXPECT_EQ(cellText("MonthTable", 0, 0), c.firstMonth) << c.language;
        EXPECT_EQ(cellText("VenueTable", 0, 0), "Mill Pond") << c.language;
        EXPECT_EQ(cellText("VenueTable", 0, 7), c.lastVisit) << c.language;
        EXPECT_EQ(cellText("BestTable", 1, 3), c.barbelDate) << c.language;
    }
}

// Under German the program's own words are German: the moon's phases, the parts of the day and
// the notes of the trips left out, counted in German's plural forms; the anglers' own values
// stay as typed.
TEST_F(StatisticsWindowTest, TheProgramsWordsInGermanTheAnglersAsTyped) {
    struct English {
        ~English() { installTranslations(QStringLiteral("en")); }
    } english;
    ASSERT_TRUE(installTranslations(QStringLiteral("de")));
    delete window_.data();
    window_ = new stats::StatisticsWindow(book_, platform_, nullptr);
    const std::tuple<const char*, int, int, QString> cells[] = {
        {"MoonTable", 0, 0, "Neumond"},
        {"TimeOfDayTable", 0, 0, "Morgendämmerung"},
        {"BaitTable", 0, 0, "Boilie"},
        {"SummaryTable", 0, 0, "Angeltage"},
    };
    for (const auto& [name, row, column, text] : cells) {
        EXPECT_EQ(cellText(name, row, column), text) << name << " " << row << "," << column;
    }
    const std::pair<const char*, const char*> notes[] = {
        {"SummaryNotes", "2 Angeltage ohne lesbare Endzeit"},
        {"SummaryNotes", "1 Angeltag ohne lesbares Datum"},
        {"BaitNotes", "1 Angeltag mit einem Wert, den kein anderer Angeltag hat"},
        {"TimeOfDayNotes", "Morgendämmerung 04:00-07:00, Vormittag 07:00-12:00"},
        {"MoonNotes", "Die Mondphase mittags (UT)"},
    };
    for (const auto& [name, text] : notes) {
        EXPECT_TRUE(notesOf(name).contains(QString::fromUtf8(text)))
            << name << ": " << notesOf(name).toStdString();
    }
}

}  // namespace
}  // namespace rodwick::testing
