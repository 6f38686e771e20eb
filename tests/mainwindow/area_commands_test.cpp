// The statistics and spreadsheet commands, run from the main window's menus.
#include <QCoreApplication>
#include <QDialog>
#include <QPointer>
#include <QPushButton>

#include "rodwick_test/main_window_fixture.h"
#include "statistics_window.h"

namespace rodwick::testing {
namespace {

class StatisticsCommandTest : public MainWindowTest {
  protected:
    // Opens the window from the menu; the one open window, or null.
    stats::StatisticsWindow* open() {
        action("MnuStats")->trigger();
        const auto open = window_.findChildren<stats::StatisticsWindow*>();
        return open.size() == 1 ? open.front() : nullptr;
    }
};

// The window's own figures and its following of the book are the statistics tests' to tell.
TEST_F(StatisticsCommandTest, IsOffWithNoRecordsAndOpensOneWindowThatFollowsTheBookUntilClosed) {
    EXPECT_FALSE(action("MnuStats")->isEnabled());
    hold(3);
    ASSERT_TRUE(action("MnuStats")->isEnabled());
    QPointer<stats::StatisticsWindow> statistics = open();
    ASSERT_NE(statistics, nullptr);
    // A second choice raises the open window rather than opening another.
    EXPECT_EQ(open(), statistics.data());
    EXPECT_EQ(platform_.callsOf("modeless").size(), 1u);

    // Closing changes nothing, and the command then opens a new one.
    const std::string before = viewText();
    statistics->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(statistics.isNull());
    EXPECT_EQ(viewText(), before);
    ASSERT_NE(open(), nullptr);
    EXPECT_EQ(platform_.callsOf("modeless").size(), 2u);
}

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
}

}  // namespace
}  // namespace rodwick::testing
