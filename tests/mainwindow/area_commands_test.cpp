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
    stats::StatisticsWindow* Open() {
        Action("MnuStats")->trigger();
        const auto open = window.findChildren<stats::StatisticsWindow*>();
        return open.size() == 1 ? open.front() : nullptr;
    }
};

// The window's own figures and its following of the book are the statistics tests' to tell.
TEST_F(StatisticsCommandTest, IsOffWithNoRecordsAndOpensOneWindowThatFollowsTheBookUntilClosed) {
    EXPECT_FALSE(Action("MnuStats")->isEnabled());
    Hold(3);
    ASSERT_TRUE(Action("MnuStats")->isEnabled());
    QPointer<stats::StatisticsWindow> statistics = Open();
    ASSERT_NE(statistics, nullptr);
    // A second choice raises the open window rather than opening another.
    EXPECT_EQ(Open(), statistics.data());
    EXPECT_EQ(platform.callsOf("modeless").size(), 1u);

    // Closing changes nothing, and the command then opens a new one.
    const std::string before = Shown();
    statistics->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(statistics.isNull());
    EXPECT_EQ(Shown(), before);
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(platform.callsOf("modeless").size(), 2u);
}

class SpreadsheetCommandTest : public MainWindowTest {};

TEST_F(SpreadsheetCommandTest, ImportIntoAnEmptyTableShowsTheTripsAndSwitchesTheCommandsOn) {
    ASSERT_TRUE(Action("MnuCsvImp")->isEnabled());
    ASSERT_FALSE(Action("MnuEdit")->isEnabled());
    const std::string path = dir.File("trips.csv");
    WriteBytes(path, "Venue,Method\r\nMill Pond,Float\r\nCanal,Ledger\r\n");
    platform.answerOpenDialog(QString::fromStdString(path));
    platform.answerModal([](QDialog& dialog) {
        Child<QPushButton>(dialog, "okay")->click();
        return dialog.result();
    });
    Action("MnuCsvImp")->trigger();
    ASSERT_EQ(book.recordCount(), 2);
    EXPECT_EQ(Text("obVen"), "Mill Pond");
    EXPECT_EQ(Text("total"), "Record 1 of 2");
    EXPECT_EQ(Area(), "panel");
    EXPECT_TRUE(Action("MnuEdit")->isEnabled());
    EXPECT_TRUE(platform.allAnswersUsed());
}

}  // namespace
}  // namespace rodwick::testing
