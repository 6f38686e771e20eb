// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFontMetrics>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "rodwick_test/main_window_fixture.h"

namespace rodwick::testing {
namespace {

TEST_F(MainWindowTest, StartsUntitledWithTheNoticeAndAOneStepScrollBar) {
    EXPECT_EQ(window(), windowOf({.title = "Untitled", .name = "Untitled"}));
    EXPECT_EQ(text("total"), "No records available");
    EXPECT_EQ(text("Label25"), "No records loaded. Please open a file or add a record.");
    EXPECT_EQ(find("Label25")->geometry().topLeft(), find("Frame1")->geometry().topLeft());
    EXPECT_EQ(std::tuple(recordScrollBar()->minimum(), recordScrollBar()->maximum(),
                         recordScrollBar()->pageStep()),
              std::tuple(1, 1, 10));
}

TEST_F(MainWindowTest, CaptionsEndJustBeforeTheirValueOnTheSameRowUncut) {
    // clang-format off
    const std::pair<const char*, const char*> pairs[] = {
        {"Label1", "obVen"}, {"Label5", "ObType"}, {"Label6", "ObDay"}, {"Label7", "ObClub"},
        {"Label8", "ObWeighta"}, {"Label9", "ObWater"}, {"Label10", "ObWeather"},
        {"Label11", "ObTemp"}, {"Label12", "ObMethod"}, {"Label13", "ObDepthA"},
        {"Label15", "ObSpec"}, {"Label14", "ObBait"}, {"Label18", "ObRest"}, {"Label19", "ObInfo"},
        {"Label16", "ObName"}, {"Label17", "ObBestA"}, {"Label21", "ObTime1"},
        {"Label22", "ObTime2"}, {"Label20", "ObDat"}};
    // clang-format on
    for (const auto& [captionName, valueName] : pairs) {
        SCOPED_TRACE(captionName);
        QLabel* caption = find<QLabel>(captionName);
        QWidget* value = find(valueName);
        EXPECT_LT(caption->geometry().right(), value->x());
        EXPECT_GE(caption->geometry().right(), value->x() - 10);
        EXPECT_LE(std::abs(caption->y() - value->y()), 1);
        EXPECT_LE(QFontMetrics(caption->font()).horizontalAdvance(caption->text()),
                  caption->contentsRect().width());
    }
}

TEST_F(MainWindowTest, FontsAndUnitNames) {
    // The display font is the values' alone (the preferences' test changes it).
    for (const char* name : {"Label1", "Label9", "mesw1", "mesl2", "Label24"}) {
        EXPECT_EQ(find(name)->font().family(), "MS Sans Serif") << name;
    }
    EXPECT_EQ(unitTexts(window_), QStringList({"Kg", "g", "Kg", "g", "m", "cm"}));
    changeSettings(book_, [&](Settings& s) { s.units = UnitNames::imperial(); });
    EXPECT_EQ(unitTexts(window_), QStringList({"lb", "oz", "lb", "oz", "ft", "inch"}))
        << "a settings change shows the unit names";
}

TEST_F(MainWindowTest, LoadingShowsTheFirstTripAndSwitchesTheArea) {
    const std::string spaced = dir_.file("spaced.rwk"), none = writeDatabase("none.rwk", 1, 0);
    writeBytes(spaced, fileImage("   5   ", trips(1, 5)));
    window_.loadDatabase(spaced);
    EXPECT_EQ(viewText(), showing({.record = 1, .of = 5}));
    EXPECT_EQ(window(), windowOf({.title = spaced, .name = spaced, .records = 5}));
    EXPECT_EQ(recordScrollBar()->maximum(), 5);
    window_.loadDatabase(none);
    EXPECT_EQ(window(), windowOf({.title = none, .name = none}));
    EXPECT_EQ(text("total"), "Record 0 of 0");

    TripRecord trip = tagged("r1");
    trip[Field::TicketPrice] = "\xA3 4.50";
    trip[Field::Remarks] = "<b>not bold</b> & more";
    writeBytes(spaced, databaseBytes({trip}));
    window_.loadDatabase(spaced);
    EXPECT_EQ(window(), windowOf({.title = spaced, .name = spaced, .records = 1}));
    EXPECT_EQ(text("ObDay"), "\u00a3 4.50");
    EXPECT_EQ(text("ObInfo"), "<b>not bold</b> & more");
    EXPECT_TRUE(platform_.messages().empty());
}

TEST_F(MainWindowTest, MenusHaveTheirEntriesCaptionsShortcutsAndNames) {
    // The one table of the menus: each menu on a line of its own, then its entries as
    // name|caption|shortcut ("-": separator), with "|R" on the record commands, the ones off
    // while there are no records, and on Undo and Redo, off with nothing to undo or redo.
    const std::string expected =
        "MnuFile|&File: MnuNew|Ne&w|Ctrl+W; MnuOpen|&Open...|Ctrl+O; MnuSave|&Save|Ctrl+S; "
        "MnuSas|Save As..   |Ctrl+Y; MnuExp|E&xport...|; "
        "MnuCsvExp|Export to Spreadsheet (CSV)...|; MnuMer|&Merge|Ctrl+M; "
        "MnuCsvImp|Import from Spreadsheet (CSV)...|; MnuBackups|Backups...|; Empty1|-|; "
        "MnuPrint|&Print...|Ctrl+P|R; MnuExit|Exit|Ctrl+X; mnufilearray|-|; \n"
        "MnuTed|&Edit: MnuCopy|&Copy To Clipboard   |Ctrl+C|R; empty3|-|; "
        "MnuEdit|&Edit Record...|Ctrl+E|R; MnuDel|&Delete Record...  |Del|R; "
        "MnuAdd|&Add Record...|Ctrl+A; MnuDup|D&uplicate Record|Ctrl+T|R; empty4|-|; "
        "MnuUndo|&Undo|Ctrl+Z|R; MnuRedo|&Redo|Ctrl+Shift+Z|R; \n"
        "MnuOption|&Options: MnuFind|&Find...|Ctrl+F|R; MnuStats|Statistics...|Ctrl+K|R; "
        "MnuPref|Preferences...   |Ctrl+U; MnuFont|Font...|; \n"
        "MnuRecord|&Record: MnuFirst|Firs&t||R; MnuLast|&Last||R; MnuNext|&Next||R; "
        "MnuPrev|Pre&vious ||R; MnuGoto|&Goto...|Ctrl+G|R; MnuTrips|Trip List...|Ctrl+L|R; "
        "MnuPhotos|Photos...|Ctrl+I|R; MnuNewTripFromPhotos|New Trip from Photos...|Ctrl+Shift+I; "
        "\n"
        "crap|&Help: MnuHelp|Contents|Ctrl+H; crap3|-|; MnuLanguage|Switch Application "
        "&Language...|; "
        "MnuAbo|About...|; \n";
    ASSERT_EQ(book_.recordCount(), 0);
    QString actual;
    for (const QAction* bar : window_.menuBar()->actions()) {
        ASSERT_NE(bar->menu(), nullptr);
        actual += bar->menu()->objectName() + "|" + bar->menu()->title() + ":";
        for (const QAction* a : bar->menu()->actions()) {
            actual += " " + a->objectName() + "|" + (a->isSeparator() ? "-" : a->text()) + "|" +
                      a->shortcut().toString() + (a->isSeparator() || a->isEnabled() ? "" : "|R") +
                      ";";
        }
        actual += " \n";
    }
    EXPECT_EQ(actual.toStdString(), expected);
    // The opened-files list starts as its hidden separator, numbered 0.
    EXPECT_FALSE(action("mnufilearray")->isVisible());
    EXPECT_EQ(action("mnufilearray")->property("index"), QVariant(0));
    EXPECT_TRUE(window_.fileListCaptions().isEmpty());
    // The record commands, marked above, switch on with the records held; nothing is undone yet.
    hold(1);
    for (const QAction* a : window_.findChildren<QAction*>()) {
        EXPECT_TRUE(a->isEnabled() || !a->objectName().startsWith("Mnu") ||
                    a->objectName() == "MnuRedo")
            << a->objectName().toStdString();
    }
}

// Target, key (0 for a command) and the record shown after it in a table of 20. Beside Up and
// Down the scroll bar's own keys move one record, then ten.
// clang-format off
const std::tuple<const char*, int, int> kMoves[] = {
    {"MnuLast", 0, 20}, {"MnuNext", 0, 20}, {"MnuPrev", 0, 19}, {"MnuFirst", 0, 1},
    {"MnuPrev", 0, 1}, {"MnuNext", 0, 2}, {"MnuPrev", 0, 1}, {"MnuNext", 0, 2},
    {"chrec", Qt::Key_Down, 20}, {"chrec", Qt::Key_Up, 1},
    {"chrec", Qt::Key_Right, 2}, {"chrec", Qt::Key_PageDown, 12}, {"chrec", Qt::Key_Left, 11},
    {"window", Qt::Key_Right, 12}, {"window", Qt::Key_Left, 11}, {"window", Qt::Key_Down, 20},
    {"window", Qt::Key_Up, 1}, {"window", Qt::Key_Left, 1}, {"window", Qt::Key_PageDown, 1},
    {"window", Qt::Key_End, 1}};
// clang-format on

TEST_F(MainWindowTest, EveryWayOfMovingStopsAtTheEnds) {
    // A command of the Record menu, or a key pressed on the scroll bar or the window.
    const auto move = [this](const std::string& target, int key) {
        if (key == 0) return action(target.c_str())->trigger();
        QTest::keyClick(target == "chrec" ? recordScrollBar() : window_.centralWidget(),
                        Qt::Key(key));
    };
    hold(20);
    EXPECT_NE(window_.centralWidget()->focusPolicy() & Qt::TabFocus, 0);
    for (const auto& [target, key, expected] : kMoves) {
        move(target, key);
        EXPECT_EQ(viewText(), showing({.record = expected, .of = 20})) << target << " key " << key;
    }
    hold(1);
    for (const auto& [target, key, expected] : kMoves) {
        move(target, key);
        EXPECT_EQ(viewText(), showing({.record = 1, .of = 1})) << target << " key " << key;
    }
    platform_.answerMessage(platform::Answer::Yes);
    window_.newDatabase();
    for (const auto& [target, key, expected] : kMoves) move(target, key);
    window_.scrollBarMoved();
    EXPECT_EQ(text("total"), "Record 0 of 0");
    EXPECT_EQ(book_.table().currentRecord(), 0);
    EXPECT_EQ(area(), "notice");
    EXPECT_EQ(recordScrollBar()->minimum(), 1);
    EXPECT_EQ(recordScrollBar()->maximum(), 1);
    EXPECT_FALSE(recordScrollBar()->isEnabled());
}

TEST_F(MainWindowTest, UndoAndRedoNameTheirStepAndWorkFromTheKeys) {
    window_.loadDatabase(writeDatabase("a.rwk", 1, 1));
    window_.show();
    window_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    // The two captions, whether each is on, and the record shown.
    const auto commands = [this] {
        QString shown;
        for (const char* name : {"MnuUndo", "MnuRedo"})
            shown += action(name)->text() + (action(name)->isEnabled() ? " on; " : " off; ");
        return (shown + text("total")).toStdString();
    };
    ASSERT_EQ(commands(), "&Undo off; &Redo off; Record 1 of 1");
    platform_.answerMessage(platform::Answer::Yes);
    action("MnuDel")->trigger();
    const std::string deleted = "&Undo Delete on; &Redo off; Record 0 of 0";
    EXPECT_EQ(commands(), deleted);
    QTest::keyClick(&window_, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(commands(), "&Undo off; &Redo Delete on; Record 1 of 1");
    EXPECT_EQ(viewText(), showing({.record = 1, .of = 1}));
    EXPECT_TRUE(action("MnuDel")->isEnabled());
    QTest::keyClick(&window_, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(commands(), deleted);
    EXPECT_FALSE(action("MnuDel")->isEnabled());
}

TEST_F(MainWindowTest, TheViewFollowsTheThumbOnlyWhenItIsReleased) {
    hold(20);
    recordScrollBar()->setSliderDown(true);
    recordScrollBar()->setSliderPosition(10);
    EXPECT_EQ(viewText(), showing({.record = 1, .of = 20}));
    recordScrollBar()->setSliderDown(false);
    EXPECT_EQ(viewText(), showing({.record = 10, .of = 20}));
    recordScrollBar()->setValue(7);
    EXPECT_EQ(viewText(), showing({.record = 7, .of = 20}));

    // A table changed elsewhere: the redraw and the scroll bar's end follow it.
    window_.showLastRecord();
    ASSERT_TRUE(book_.deleteCurrent().ok());
    ASSERT_TRUE(book_.show(19));
    EXPECT_EQ(viewText(), showing({.record = 19, .of = 19}));
    ASSERT_TRUE(book_.appendRecords(trips(20, 25)).ok());
    EXPECT_EQ(recordScrollBar()->maximum(), 25);
    EXPECT_EQ(viewText(), showing({.record = 19, .of = 25}));
    window_.setScrollBarMaximum();
    EXPECT_EQ(recordScrollBar()->maximum(), 25);
}

}  // namespace
}  // namespace rodwick::testing
