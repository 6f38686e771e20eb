// SPDX-License-Identifier: GPL-3.0-or-later
// The trip list as a user works it: it follows the book, keeps its place, filters, totals,
// shows a trip, writes and prints what it shows, and reads the folder's other log books.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>
#include <QtTest/QTest>

#include "database_file.h"
#include "filter_bar.h"
#include "photo_shelf.h"
#include "rodwick_test/example_trips.h"
#include "rodwick_test/scripted_platform.h"
#include "rodwick_test/store_test_util.h"
#include "trip_list_model.h"
#include "trip_list_window.h"
#include "trip_source.h"
#include "windows_locale.h"

namespace rodwick::testing {
namespace {

using trips::Column;

class TripListWindowTest : public ::testing::Test {
  protected:
    TripListWindowTest() {
        RecordTable table;
        EXPECT_TRUE(table.replaceAll(exampleTrips()));
        EXPECT_TRUE(saveDatabaseFile(dir_.file("2001.RWK"), table).ok());
        EXPECT_TRUE(book_.load(dir_.file("2001.RWK")).ok());
        Settings settings;
        settings.units = UnitNames::imperial();
        book_.setSettings(settings);
        open();
    }
    ~TripListWindowTest() override { delete window_.data(); }
    void open() {
        // The export records what it was handed: the spreadsheet writer is interchange's.
        window_ = new trips::TripListWindow(
            book_, platform_, dir_.file("windows.conf"),
            [this](std::span<const TripRecord> trips, const UnitNames& units) {
                exported_.assign(trips.begin(), trips.end());
                exportedUnits_ = units;
            });
    }
    trips::TripListModel& model() const { return window_->model(); }
    QString cell(int row, Column column) const {
        return model().index(row, static_cast<int>(column)).data().toString();
    }
    // The record numbers of the rows, top to bottom.
    std::vector<int> numbers() const {
        std::vector<int> numbers;
        for (int row = 0; row < model().rowCount(); ++row) {
            numbers.push_back(model().tripAt(row).number);
        }
        return numbers;
    }
    int selectedNumber() const {
        const QModelIndex current = window_->table().currentIndex();
        return current.isValid() ? model().tripAt(current.row()).number : 0;
    }
    // The totals line as assistive technologies read it.
    QString totalsHeard() const {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(
            window_->findChild<QLabel*>(QStringLiteral("TripTotals")));
        return face != nullptr ? face->text(QAccessible::Name) : QString();
    }
    void typeWord(const QString& word) {
        window_->findChild<QLineEdit*>(QStringLiteral("FilterWord"))->setText(word);
    }

    TempDir dir_;
    RecordBook book_;
    ScriptedPlatform platform_;
    QPointer<trips::TripListWindow> window_;
    std::vector<TripRecord> exported_;
    UnitNames exportedUnits_;
};

// Changes arrive as the rows they touch, never as a new model, and the selection stays on its
// trip while rows come and go around it and while the list is sorted.
TEST_F(TripListWindowTest, FollowsTheBookRowByRowAndKeepsTheSelectedTrip) {
    ASSERT_EQ(model().rowCount(), 20);
    EXPECT_EQ(window_->windowTitle(), "Trips");
    QSignalSpy resets(&model(), &QAbstractItemModel::modelReset);
    QSignalSpy removed(&model(), &QAbstractItemModel::rowsRemoved);
    QSignalSpy inserted(&model(), &QAbstractItemModel::rowsInserted);
    window_->table().selectRow(9);  // record 10, River Teme, 09-08-2001
    ASSERT_EQ(selectedNumber(), 10);

    ASSERT_TRUE(book_.show(3));
    ASSERT_TRUE(book_.deleteCurrent().ok());
    EXPECT_EQ(removed.size(), 1);
    EXPECT_EQ(model().rowCount(), 19);
    EXPECT_EQ(selectedNumber(), 9) << "the same trip, renumbered";
    EXPECT_EQ(cell(8, Column::Record), "9");

    ASSERT_TRUE(book_.show(9));
    ASSERT_TRUE(book_.duplicateCurrent().ok());
    EXPECT_EQ(inserted.size(), 1);
    EXPECT_EQ(cell(19, Column::Venue), "River Teme");
    ASSERT_TRUE(book_.setField(Field::Venue, "Teme at Ludlow").ok());
    EXPECT_EQ(cell(8, Column::Venue), "Teme at Ludlow");
    EXPECT_EQ(selectedNumber(), 9) << "an edited trip stays selected";

    // By date, latest first: a trip without a date (record 13, once 14) goes last.
    window_->table().sortByColumn(static_cast<int>(Column::Date), Qt::DescendingOrder);
    EXPECT_EQ(cell(0, Column::Date), "03-31-2002");
    EXPECT_EQ(model().tripAt(19).number, 13);
    EXPECT_EQ(selectedNumber(), 9);
    ASSERT_TRUE(book_.setField(Field::Date, "01-01-2003").ok());  // to the top of the list
    EXPECT_EQ(model().tripAt(0).number, 9);
    EXPECT_EQ(selectedNumber(), 9);
    EXPECT_EQ(resets.size(), 0);
}

// The totals line counts in words: one blank trip or several, and the trips a total left out.
TEST_F(TripListWindowTest, TotalsCountBlankTripsAndTheTripsLeftOut) {
    using F = Field;
    struct Case {
        std::vector<std::vector<std::string>> rows;  // start, finish, pounds, ounces, ticket
        std::vector<QString> parts;
    };
    const Case cases[] = {
        {{{"7:00", "12:00", "0", "", "5.50"},
          {"8:00", "9:00", "0", "0", "2"},
          {"dawn", "10:00", "3", "", "1"}},
         {"Showing 3 of 3 trips; ", " fished (1 without times); ", "; 2 blank trips; ",
          " on day tickets"}},
        {{{"7:00", "12:00", "0", "", "?"}, {"8:00", "9:00", "lots", "", "free"}},
         {"Showing 2 of 2 trips; ", " fished; ", " caught (1 without a total weight); ",
          "; 1 blank trip (1 without a total weight); ",
          " on day tickets (1 without a ticket price)"}},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(book_
                        .replaceRecords(tripsWith({F::StartTime, F::FinishTime, F::TotalWeightMajor,
                                                   F::TotalWeightMinor, F::TicketPrice},
                                                  c.rows))
                        .ok());
        const QString showing = c.parts.front();
        ASSERT_TRUE(QTest::qWaitFor([&] { return window_->totalsText().startsWith(showing); }))
            << window_->totalsText().toStdString();
        for (const QString& part : c.parts) {
            EXPECT_TRUE(window_->totalsText().contains(part))
                << part.toStdString() << " in " << window_->totalsText().toStdString();
        }
    }
}

TEST_F(TripListWindowTest, ReturnShowsTheTripAndTheFilterNarrowsRowsTotalsAndOutputs) {
    window_->show();
    window_->table().setFocus();
    window_->table().selectRow(4);
    QTest::keyClick(&window_->table(), Qt::Key_Return);
    EXPECT_EQ(book_.currentRecord(), 5);

    EXPECT_EQ(totalsHeard(), "Totals: " + window_->totalsText());
    typeWord(QStringLiteral("teme"));  // Find's rules: any field, any case
    ASSERT_EQ(model().rowCount(), 5);
    EXPECT_TRUE(window_->totalsText().startsWith("Showing 5 of 20 trips; "))
        << window_->totalsText().toStdString();
    EXPECT_TRUE(window_->totalsText().contains("(1 without a total weight)"));
    // A screen reader hears the figures of the trips now shown, not the word alone.
    EXPECT_EQ(totalsHeard(), "Totals: " + window_->totalsText());

    // Out in the order shown, through the export handed in and the printer seam.
    window_->table().sortByColumn(static_cast<int>(Column::Record), Qt::DescendingOrder);
    window_->findChild<QPushButton*>(QStringLiteral("TripExport"))->click();
    std::vector<std::string> dates;
    for (const TripRecord& trip : exported_) dates.push_back(trip[Field::Date]);
    EXPECT_EQ(dates, (std::vector<std::string>{"01-12-2002", "10-20-2001", "09-08-2001",
                                               "05-19-2001", "05-05-2001"}));
    EXPECT_EQ(exportedUnits_, UnitNames::imperial());

    window_->table().setColumnHidden(static_cast<int>(Column::Species), true);
    window_->findChild<QPushButton*>(QStringLiteral("TripPrint"))->click();
    ASSERT_EQ(platform_.printedTables.size(), 1u);
    const platform::PrintedTable& report = platform_.printedTables.front();
    EXPECT_EQ(report.rows.size(), 5);
    EXPECT_FALSE(report.headings.contains("Species"));
    EXPECT_EQ(report.headings.size(), trips::kColumnCount - 2);  // no log book, no species
    EXPECT_EQ(report.rows.front().front(), "17");
    EXPECT_EQ(report.notes.front(), window_->totalsText());
}

// Columns are hidden and moved from their menu, which the keyboard opens on the current
// column; they come back in the next window, and the settings file is not touched.
TEST_F(TripListWindowTest, RemembersItsColumnsInItsOwnFile) {
    QHeaderView* header = window_->table().horizontalHeader();
    // Opens the menu from the keyboard and chooses the entry of that caption, if any; the
    // captions of the greyed entries.
    const auto choose = [this](const QString& caption) {
        QString greyed;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction* action : menu->actions()) {
                if (!action->isEnabled()) greyed += action->text();
                if (action->text() == caption && action->isEnabled()) action->trigger();
            }
            menu->close();
        });
        emit window_->table().customContextMenuRequested(QPoint(1, 1));
        return greyed;
    };
    window_->table().setCurrentIndex(model().index(0, static_cast<int>(Column::Date)));
    choose("Bait");
    EXPECT_EQ(choose("Move Left"), "");
    // Past the hidden log book column, to the front, and no further.
    EXPECT_EQ(header->logicalIndex(0), static_cast<int>(Column::Date));
    EXPECT_EQ(choose(""), "Move Left");
    window_->close();
    delete window_.data();
    open();
    header = window_->table().horizontalHeader();
    EXPECT_TRUE(header->isSectionHidden(static_cast<int>(Column::Bait)));
    EXPECT_EQ(header->logicalIndex(0), static_cast<int>(Column::Date));
    EXPECT_EQ(dir_.names(), (std::set<std::string>{"2001.RWK", "windows.conf"}));
}

// The other log books of the folder: read, named in their column, shown read-only, read again
// when they change; a file that is no log book is named with its reason.
TEST_F(TripListWindowTest, AllLogBooksOfTheFolderReadWithoutWriting) {
    RecordTable other;
    ASSERT_TRUE(other.replaceAll({exampleTrips()[0], exampleTrips()[1]}));
    ASSERT_TRUE(saveDatabaseFile(dir_.file("2002.rwk"), other).ok());
    writeBytes(dir_.file("Notes.RWK"), "not a log book\r\n");
    // A sync program's second version of the open log book counts no trip twice.
    ASSERT_TRUE(
        saveDatabaseFile(dir_.file("2001.sync-conflict-20261207-101530-ABCDEF1.RWK"), book_.table())
            .ok());
    const std::string before = readBytes(dir_.file("2002.rwk"));
    EXPECT_FALSE(window_->totalsText().contains("conflict"))
        << "only the open log book: nothing to say of the folder";

    window_->findChild<QComboBox*>(QStringLiteral("FilterScope"))->setCurrentIndex(1);
    ASSERT_TRUE(QTest::qWaitFor([this] { return window_->source().filesToRead() == 0; }));
    ASSERT_EQ(model().rowCount(), 22);
    EXPECT_TRUE(
        window_->totalsText().startsWith("Showing 22 of 22 trips; 1 conflict copy not counted; "))
        << window_->totalsText().toStdString();
    EXPECT_FALSE(window_->table().isColumnHidden(static_cast<int>(Column::LogBook)));
    EXPECT_GE(window_->table().columnWidth(static_cast<int>(Column::LogBook)),
              window_->table().horizontalHeader()->fontMetrics().horizontalAdvance("Log Book"))
        << "the column hidden when the widths were set must be seen once shown";
    EXPECT_EQ(cell(20, Column::LogBook), "2002.rwk");
    const auto* leftOut = window_->findChild<QLabel*>(QStringLiteral("TripFilesLeftOut"));
    EXPECT_TRUE(leftOut->isVisibleTo(window_) && leftOut->text().contains("Notes.RWK: "));

    window_->printShown();
    ASSERT_EQ(platform_.printedTables.size(), 1u);
    EXPECT_EQ(platform_.printedTables[0].title,
              QString::fromStdString("All trips, in every log book of " + dir_.path));

    window_->showTrip(21);
    ASSERT_EQ(platform_.modelessShown.size(), 1u);
    EXPECT_EQ(platform_.modelessShown.back()->windowTitle(), "2002.rwk - Trip 2");
    EXPECT_EQ(book_.currentRecord(), 1) << "the open log book stays as it is";

    ASSERT_TRUE(other.duplicateCurrent());
    ASSERT_TRUE(saveDatabaseFile(dir_.file("2002.rwk"), other).ok());
    ASSERT_TRUE(QTest::qWaitFor([this] { return model().rowCount() == 23; }));
    EXPECT_EQ(readBytes(dir_.file("2001.RWK")).size(), formatDatabase(book_.table()).size());
    EXPECT_NE(readBytes(dir_.file("2002.rwk")), before);  // the test's own write, read again
}

// A folder of many log books is read a few files a turn: every trip comes in, and the list
// works out its rows once for each few files rather than for each.
TEST_F(TripListWindowTest, AFolderOfManyLogBooksIsReadAFewFilesATurn) {
    constexpr int kFiles = 2 * filtering::TripSource::kFilesPerTurn + 1;
    for (int file = 0; file < kFiles; ++file) {
        RecordTable other;
        ASSERT_TRUE(other.replaceAll({exampleTrips()[file % 3]}));
        ASSERT_TRUE(saveDatabaseFile(dir_.file("b" + std::to_string(file) + ".rwk"), other).ok());
    }
    const int own = model().rowCount();
    QSignalSpy changes(&window_->source(), &filtering::TripSource::changed);
    window_->findChild<QComboBox*>(QStringLiteral("FilterScope"))->setCurrentIndex(1);
    ASSERT_TRUE(QTest::qWaitFor([this] { return window_->source().filesToRead() == 0; }));
    EXPECT_EQ(model().rowCount(), own + kFiles);
    EXPECT_EQ(changes.count(), 1 + 3) << "the folder listed, then three turns of reading";
}

// The open log book's photos: counted in their column (sorted by it too), the cover as a
// row's tooltip; counted again when photos change in their own window and this one is back,
// and at once when the shelf tells of a change.
TEST_F(TripListWindowTest, ThePhotosColumnCountsEachTripsPhotosAndTheCoverIsItsTooltip) {
    qputenv("XDG_CACHE_HOME", QByteArray::fromStdString(dir_.file("cache")));
    std::filesystem::create_directories(dir_.file("camera"));
    for (const char* name : {"a.png", "b.png", "c.png"}) {
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        ASSERT_TRUE(picture.save(QString::fromStdString(dir_.file("camera/") + name)));
    }
    PhotoShelf shelf(book_, {.untitled = dir_.file("untitled"), .backups = dir_.file("backups")});
    const auto picked = [this](const char* name) {
        return PhotoShelf::Picked{.path = dir_.file("camera/") + name, .taken = std::nullopt};
    };
    ASSERT_TRUE(shelf.addPhotos(3, {picked("a.png"), picked("b.png")}).ok());
    window_->showPhotos(shelf);
    const auto photosCell = [this](int number) {
        return cell(model().rowOf(0, book_.table().slot(number)), Column::Photos);
    };
    EXPECT_EQ(model().headerData(static_cast<int>(Column::Photos), Qt::Horizontal), "Photos");
    EXPECT_EQ(photosCell(3), "2");
    EXPECT_EQ(photosCell(1), "0");
    window_->table().sortByColumn(static_cast<int>(Column::Photos), Qt::DescendingOrder);
    EXPECT_EQ(model().tripAt(0).number, 3);

    const QModelIndex row3 = model().index(0, static_cast<int>(Column::Venue));
    EXPECT_TRUE(row3.data(Qt::ToolTipRole).toString().isEmpty()) << "no cover chosen yet";
    ASSERT_TRUE(shelf.setCover(shelf.photosOf(3)[1].name, true).ok());
    const QString tip = row3.data(Qt::ToolTipRole).toString();
    EXPECT_TRUE(tip.startsWith("<img src=\"" + QString::fromStdString(dir_.file("cache/"))))
        << tip.toStdString() << ": the desktop's thumbnail, never the whole photo";
    EXPECT_TRUE(tip.endsWith("b.png"));

    // Added in the Photos window: counted when the list is the active window again.
    ASSERT_TRUE(shelf.addPhotos(1, {picked("c.png")}).ok());
    QEvent activated(QEvent::ActivationChange);
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_));
    QApplication::sendEvent(window_, &activated);
    EXPECT_EQ(photosCell(1), "1");
    EXPECT_EQ(model().tripAt(1).number, 1) << "still sorted by the count";

    // A photo linked again (or another machine's taken in) is counted at once, the list
    // active all the while.
    ASSERT_TRUE(shelf.relink(shelf.photosOf(1)[0].name, 2).ok());
    EXPECT_EQ(photosCell(1), "0");
    EXPECT_EQ(photosCell(2), "1");
}

// A layout kept before the Photos column existed still restores the columns it names.
TEST_F(TripListWindowTest, ALayoutKeptBeforeThePhotosColumnStillRestores) {
    QStandardItemModel older(0, trips::kColumnCount - 1);
    QTableView table;
    table.setModel(&older);
    table.horizontalHeader()->hideSection(static_cast<int>(Column::Bait));
    {
        QSettings layout(QString::fromStdString(dir_.file("windows.conf")), QSettings::IniFormat);
        layout.setValue("TripList/columns", table.horizontalHeader()->saveState());
    }
    delete window_.data();
    open();
    const QHeaderView* header = window_->table().horizontalHeader();
    EXPECT_TRUE(header->isSectionHidden(static_cast<int>(Column::Bait)));
    EXPECT_FALSE(header->isSectionHidden(static_cast<int>(Column::Photos)));
    EXPECT_GT(header->sectionSize(static_cast<int>(Column::Photos)), 0);
}

// Dates and ticket prices that read are shown in the windows' language; what does not read, and
// every other column, as the trip holds it.
TEST_F(TripListWindowTest, DatesAndPricesFollowTheWindowsLanguage) {
    struct Case {
        const char* language;
        int row;
        Column column;
        QString text;
    };
    const std::vector<Case> cases = {
        {"en", 0, Column::Date, "04-14-2001"},        {"en", 0, Column::DayTicket, "\u00a35"},
        {"en", 8, Column::Date, "Aug 28, 2001"},      {"de", 0, Column::Date, "14.04.01"},
        {"de", 8, Column::Date, "28.08.01"},          {"de", 0, Column::DayTicket, "5,00"},
        {"de", 7, Column::DayTicket, "6,50"},         {"de", 4, Column::Date, "02.06.01"},
        {"de", 5, Column::DayTicket, "free"},         {"de", 0, Column::Venue, "Mill Pond"},
        {"fr", 2, Column::DayTicket, "4,00"},         {"fr", 0, Column::Date, "14/04/2001"},
        {"fr", 0, Column::TotalWeight, "12 lb 8 oz"},
    };
    struct English {
        ~English() { setWindowsLanguage(QStringLiteral("en")); }
    } english;
    for (const Case& c : cases) {
        setWindowsLanguage(QString::fromLatin1(c.language));
        EXPECT_EQ(cell(c.row, c.column), c.text) << c.language << " row " << c.row;
    }
    // The totals line too, as the window next counts them.
    setWindowsLanguage(QStringLiteral("de"));
    delete window_.data();
    open();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window_->totalsText().contains("\u00a378,00 "); }))
        << window_->totalsText().toStdString();
}

}  // namespace
}  // namespace rodwick::testing
