// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics, trip list and spreadsheet commands, run from the main window's menus.
#include <QCoreApplication>
#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <algorithm>

#include "rodwick_test/main_window_fixture.h"
#include "statistics_window.h"
#include "trip_list_window.h"

namespace rodwick::testing {
namespace {

// The two windows over many trips: the statistics and the trip list, one of each at most.
class TripWindowCommandTest : public MainWindowTest,
                              public ::testing::WithParamInterface<const char*> {
  protected:
    // Opens the window from the menu; the one open window, or null.
    QWidget* open() {
        action(GetParam())->trigger();
        QList<QWidget*> open;
        for (QWidget* window : window_.findChildren<QWidget*>()) {
            if (window->isWindow() && (qobject_cast<stats::StatisticsWindow*>(window) ||
                                       qobject_cast<trips::TripListWindow*>(window))) {
                open << window;
            }
        }
        return open.size() == 1 ? open.front() : nullptr;
    }
};

// The windows' own contents and their following of the book are their own tests' to tell.
TEST_P(TripWindowCommandTest, IsOffWithNoRecordsAndOpensOneWindowUntilClosed) {
    EXPECT_FALSE(action(GetParam())->isEnabled());
    hold(3);
    ASSERT_TRUE(action(GetParam())->isEnabled());
    // Beside the main window where the screen has room, else below it: both stay in sight.
    const QRect main = window_.frameGeometry();
    platform_.screen = QSize(main.right() + 1400, 800);
    QPointer<QWidget> opened = open();
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->pos(), QPoint(main.right() + 8, main.top()));
    // A second choice raises the open window rather than opening another.
    EXPECT_EQ(open(), opened.data());
    EXPECT_EQ(platform_.callsOf("modeless").size(), 1u);

    // Closing changes nothing, and the command then opens a new one.
    const std::string before = viewText();
    opened->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(opened.isNull());
    EXPECT_EQ(viewText(), before);
    platform_.screen = QSize(main.width(), 2000);
    const QWidget* again = open();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->pos(), QPoint(main.left(), main.bottom() + 8));
    EXPECT_EQ(platform_.callsOf("modeless").size(), 2u);
}
INSTANTIATE_TEST_SUITE_P(StatisticsAndTripList, TripWindowCommandTest,
                         ::testing::Values("MnuStats", "MnuTrips"));

class SpreadsheetCommandTest : public MainWindowTest {};

TEST_F(SpreadsheetCommandTest, ImportIntoAnEmptyTableShowsTheTripsAndSwitchesTheCommandsOn) {
    ASSERT_TRUE(action("MnuCsvImp")->isEnabled());
    ASSERT_FALSE(action("MnuEdit")->isEnabled());
    const std::string path = dir_.file("trips.csv");
    writeBytes(path, "Venue,Method\r\nMill Pond,Float\r\nCanal,Ledger\r\n");
    platform_.answerOpenDialog(QString::fromStdString(path));
    platform_.answerModal([](QDialog& dialog) {
        child<QPushButton>(dialog, "okay")->click();
        return dialog.result();
    });
    action("MnuCsvImp")->trigger();
    ASSERT_EQ(book_.recordCount(), 2);
    EXPECT_EQ(text("obVen"), "Mill Pond");
    EXPECT_EQ(text("total"), "Record 1 of 2");
    EXPECT_EQ(area(), "panel");
    EXPECT_TRUE(action("MnuEdit")->isEnabled());
    EXPECT_TRUE(platform_.allAnswersUsed());
    // One step, undone as one.
    ASSERT_EQ(action("MnuUndo")->text(), "&Undo Import of 2 Trips");
    action("MnuUndo")->trigger();
    EXPECT_EQ(area(), "notice");
    EXPECT_EQ(action("MnuRedo")->text(), "&Redo Import of 2 Trips");
}

// The trip list writes what it shows with the spreadsheet export the main window hands it.
TEST_F(SpreadsheetCommandTest, TheTripListExportsTheTripsShownAsASpreadsheet) {
    hold(3);
    action("MnuTrips")->trigger();
    auto* list = window_.findChild<trips::TripListWindow*>();
    ASSERT_NE(list, nullptr);
    const std::string path = dir_.file("shown.csv");
    platform_.answerSaveDialog(QString::fromStdString(path));
    child<QPushButton>(*list, "TripExport")->click();
    const std::string csv = readBytes(path);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 4) << "the heading and three trips";
    EXPECT_LT(csv.find("r1.0"), csv.find("r3.0"));
    EXPECT_TRUE(platform_.allAnswersUsed());
}

}  // namespace
}  // namespace rodwick::testing
