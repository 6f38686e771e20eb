#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <set>

#include "form1_fixture.h"

namespace rodwick::testing {
namespace {

TEST_F(Form1Test, MenusHaveTheirEntriesCaptionsShortcutsAndNames) {
    // Each menu on a line of its own, then its entries as name|caption|shortcut ("-": separator).
    const std::string expected =
        "MnuFile|&File: MnuNew|Ne&w|Ctrl+W; MnuOpen|&Open...|Ctrl+O; MnuSave|&Save|Ctrl+S; "
        "MnuSas|Save As..   |Ctrl+Y; MnuExp|E&xport...|; MnuMer|&Merge|Ctrl+M; Empty1|-|; "
        "MnuPrint|&Print...|Ctrl+P; MnuExit|Exit|Ctrl+X; mnufilearray|-|; \n"
        "MnuTed|&Edit: MnuCopy|&Copy To Clipboard   |Ctrl+C; empty3|-|; "
        "MnuEdit|&Edit Record...|Ctrl+E; MnuDel|&Delete Record...  |Del; "
        "MnuAdd|&Add Record...|Ctrl+A; MnuDup|D&uplicate Record|Ctrl+T; \n"
        "MnuOption|&Options: MnuFind|&Find...|Ctrl+F; MnuPref|Preferences...   |Ctrl+U; "
        "MnuFont|Font...|; \n"
        "MnuRecord|&Record: MnuFirst|Firs&t|; MnuLast|&Last|; MnuNext|&Next|; "
        "MnuPrev|Pre&vious |; MnuGoto|&Goto...|Ctrl+G; \n"
        "crap|&Help: MnuHelp|Contents|Ctrl+H; crap3|-|; MnuAbo|About...|; \n";
    QString actual;
    for (const QAction* bar : window.menuBar()->actions()) {
        ASSERT_NE(bar->menu(), nullptr);
        actual += bar->menu()->objectName() + "|" + bar->menu()->title() + ":";
        for (const QAction* a : bar->menu()->actions()) {
            actual += " " + a->objectName() + "|" + (a->isSeparator() ? "-" : a->text()) + "|" +
                      a->shortcut().toString() + ";";
        }
        actual += " \n";
    }
    EXPECT_EQ(actual.toStdString(), expected);
    // The opened-files list starts as its hidden separator, numbered 0.
    EXPECT_FALSE(Action("mnufilearray")->isVisible());
    EXPECT_EQ(Action("mnufilearray")->property("index"), QVariant(0));
    EXPECT_TRUE(window.fileListCaptions().isEmpty());
}

TEST_F(Form1Test, RecordCommandsSwitchExactlyTheirSet) {
    const std::set<QString> recordCommands{"MnuEdit",  "MnuDel",  "MnuDup",  "MnuFirst",
                                           "MnuLast",  "MnuNext", "MnuPrev", "MnuGoto",
                                           "MnuPrint", "MnuCopy", "MnuFind"};
    QList<QAction*> named;
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->objectName().startsWith("Mnu")) named << action;
    }
    ASSERT_EQ(named.size(), 23);
    for (bool enabled : {false, true, false}) {
        window.SetRecordCommands(enabled);
        for (QAction* action : named) {
            EXPECT_EQ(action->isEnabled(), enabled || !recordCommands.count(action->objectName()))
                << action->objectName().toStdString() << (enabled ? " enabled" : " disabled");
        }
        EXPECT_EQ(Chrec()->isEnabled(), enabled);
        EXPECT_EQ(Area(), enabled ? "panel" : "notice");
    }
}

}  // namespace
}  // namespace rodwick::testing
