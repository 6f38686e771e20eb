// The statistics and spreadsheet commands, run from the main window's menus.
#include <QAbstractItemModel>
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

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
    // The summary's value of a figure, by its caption.
    static QString Figure(const stats::StatisticsWindow& statistics, const QString& caption) {
        const QAbstractItemModel* model = Child<QTableView>(statistics, "SummaryTable")->model();
        for (int r = 0; r < model->rowCount(); ++r) {
            if (model->index(r, 0).data().toString() == caption)
                return model->index(r, 1).data().toString();
        }
        return QStringLiteral("(no such figure)");
    }
    static QString TripCount(const stats::StatisticsWindow& statistics) {
        return Figure(statistics, QStringLiteral("Trips"));
    }
};

TEST_F(StatisticsCommandTest, IsOffWithNoRecordsAndOpensOneWindowThatFollowsTheBookUntilClosed) {
    EXPECT_FALSE(Action("MnuStats")->isEnabled());
    Hold(3);
    ASSERT_TRUE(Action("MnuStats")->isEnabled());
    QPointer<stats::StatisticsWindow> statistics = Open();
    ASSERT_NE(statistics, nullptr);
    EXPECT_EQ(platform.callsOf("modeless").size(), 1u);
    EXPECT_EQ(TripCount(*statistics), "3");
    // A second choice raises the open window rather than opening another.
    EXPECT_EQ(Open(), statistics.data());
    EXPECT_EQ(platform.callsOf("modeless").size(), 1u);

    // Each way the records change while it is open, and the trips it must count after it.
    const std::string more = WriteDatabase("more.rwk", 10, 14);
    const std::string five = WriteDatabase("five.rwk", 20, 24);
    const std::pair<std::function<void()>, const char*> steps[] = {
        {[&] { ASSERT_TRUE(book.appendRecords(Trips(4, 4)).ok()); }, "4"},
        {[&] { ASSERT_TRUE(book.merge(more).ok()); }, "9"},
        {[&] { ASSERT_TRUE(book.load(five).ok()); }, "5"},
        {[&] { book.newDatabase(); }, "0"},
    };
    for (const auto& [step, trips] : steps) {
        step();
        ASSERT_NE(statistics, nullptr);
        EXPECT_EQ(TripCount(*statistics).toStdString(), trips);
    }

    // The settings too: the display font is the book's.
    ChangeSettings(book, [](Settings& s) { s.displayFont = "Courier New"; });
    EXPECT_EQ(Child<QTabWidget>(*statistics, "StatisticsPages")->font().family(), "Courier New");

    // Closing changes nothing and ends the subscription: the book goes on without the closed
    // window, and the command opens a new one.
    ASSERT_TRUE(book.appendRecords(Trips(3, 4)).ok());
    const std::string before = Shown();
    statistics->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(statistics.isNull());
    EXPECT_EQ(Shown(), before);
    ASSERT_TRUE(book.appendRecords(Trips(5, 5)).ok());
    statistics = Open();
    ASSERT_NE(statistics, nullptr);
    EXPECT_EQ(TripCount(*statistics), "3");
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
