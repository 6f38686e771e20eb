#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <map>
#include <set>

#include "form1_fixture.h"

namespace rodwick::testing {
namespace {

struct MenuEntry {
    const char* menu;
    const char* name;
    const char* caption;  // "-" for a separator
    const char* shortcut;
};

const MenuEntry kEntries[] = {
    {"MnuFile", "MnuNew", "Ne&w", "Ctrl+W"},
    {"MnuFile", "MnuOpen", "&Open...", "Ctrl+O"},
    {"MnuFile", "MnuSave", "&Save", "Ctrl+S"},
    {"MnuFile", "MnuSas", "Save As..   ", "Ctrl+Y"},
    {"MnuFile", "MnuExp", "E&xport...", ""},
    {"MnuFile", "MnuMer", "&Merge", "Ctrl+M"},
    {"MnuFile", "Empty1", "-", ""},
    {"MnuFile", "MnuPrint", "&Print...", "Ctrl+P"},
    {"MnuFile", "MnuExit", "Exit", "Ctrl+X"},
    {"MnuFile", "mnufilearray", "-", ""},
    {"MnuTed", "MnuCopy", "&Copy To Clipboard   ", "Ctrl+C"},
    {"MnuTed", "empty3", "-", ""},
    {"MnuTed", "MnuEdit", "&Edit Record...", "Ctrl+E"},
    {"MnuTed", "MnuDel", "&Delete Record...  ", "Del"},
    {"MnuTed", "MnuAdd", "&Add Record...", "Ctrl+A"},
    {"MnuTed", "MnuDup", "D&uplicate Record", "Ctrl+T"},
    {"MnuOption", "MnuFind", "&Find...", "Ctrl+F"},
    {"MnuOption", "MnuPref", "Preferences...   ", "Ctrl+U"},
    {"MnuOption", "MnuFont", "Font...", ""},
    {"MnuRecord", "MnuFirst", "Firs&t", ""},
    {"MnuRecord", "MnuLast", "&Last", ""},
    {"MnuRecord", "MnuNext", "&Next", ""},
    {"MnuRecord", "MnuPrev", "Pre&vious ", ""},
    {"MnuRecord", "MnuGoto", "&Goto...", "Ctrl+G"},
    {"crap", "MnuHelp", "Contents", "Ctrl+H"},
    {"crap", "crap3", "-", ""},
    {"crap", "MnuAbo", "About...", ""},
};

const std::set<QString> kRecordCommands{"MnuEdit",  "MnuDel",  "MnuDup",  "MnuFirst",
                                        "MnuLast",  "MnuNext", "MnuPrev", "MnuGoto",
                                        "MnuPrint", "MnuCopy", "MnuFind"};

TEST_F(Form1Test, MenuBarHasTheFiveMenusInOrder) {
    const std::vector<std::pair<QString, QString>> expected{{"MnuFile", "&File"},
                                                            {"MnuTed", "&Edit"},
                                                            {"MnuOption", "&Options"},
                                                            {"MnuRecord", "&Record"},
                                                            {"crap", "&Help"}};
    const QList<QAction*> menus = window.menuBar()->actions();
    ASSERT_EQ(menus.size(), static_cast<qsizetype>(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
        QMenu* menu = menus[static_cast<qsizetype>(i)]->menu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->objectName(), expected[i].first);
        EXPECT_EQ(menu->title(), expected[i].second);
    }
}

TEST_F(Form1Test, EveryMenuEntryHasItsCaptionShortcutAndPlace) {
    std::map<QString, std::vector<const MenuEntry*>> byMenu;
    for (const MenuEntry& entry : kEntries)
        byMenu[QString::fromLatin1(entry.menu)].push_back(&entry);

    for (const auto& [menuName, entries] : byMenu) {
        SCOPED_TRACE(menuName.toStdString());
        auto* menu = window.findChild<QMenu*>(menuName);
        ASSERT_NE(menu, nullptr);
        const QList<QAction*> actions = menu->actions();
        ASSERT_EQ(actions.size(), static_cast<qsizetype>(entries.size()));
        for (size_t i = 0; i < entries.size(); ++i) {
            const MenuEntry& entry = *entries[i];
            const QAction* action = actions[static_cast<qsizetype>(i)];
            SCOPED_TRACE(entry.name);
            EXPECT_EQ(action->objectName(), QString::fromLatin1(entry.name));
            if (QString::fromLatin1(entry.caption) == "-") {
                EXPECT_TRUE(action->isSeparator());
            } else {
                EXPECT_FALSE(action->isSeparator());
                EXPECT_EQ(action->text(), QString::fromLatin1(entry.caption));
            }
            EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(entry.shortcut)));
        }
    }
}

TEST_F(Form1Test, FileListStartsWithAHiddenSeparatorNumberedZero) {
    const QList<QAction*> elements = window.findChildren<QAction*>(QStringLiteral("mnufilearray"));
    ASSERT_EQ(elements.size(), 1);
    EXPECT_TRUE(elements[0]->isSeparator());
    EXPECT_FALSE(elements[0]->isVisible());
    EXPECT_EQ(elements[0]->property("index"), QVariant(0));
    EXPECT_TRUE(window.fileListCaptions().isEmpty());
}

TEST_F(Form1Test, RecordCommandsSwitchExactlyTheirSet) {
    QList<QAction*> named;
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->objectName().startsWith(QStringLiteral("Mnu"))) named << action;
    }
    // All 23 named commands of the menus take part in the check.
    ASSERT_EQ(named.size(), 23);

    for (bool enabled : {false, true, false}) {
        SCOPED_TRACE(enabled ? "enabled" : "disabled");
        window.SetRecordCommands(enabled);
        for (QAction* action : named) {
            const bool switched = kRecordCommands.count(action->objectName()) > 0;
            EXPECT_EQ(action->isEnabled(), switched ? enabled : true)
                << action->objectName().toStdString();
        }
        EXPECT_EQ(Chrec()->isEnabled(), enabled);
        EXPECT_EQ(PanelShown(), enabled);
        EXPECT_EQ(NoticeShown(), !enabled);
    }
}

TEST_F(Form1Test, RecordMenuEntriesRunTheNavigation) {
    Hold(4);
    Action("MnuLast")->trigger();
    EXPECT_TRUE(Shows(4, 4));
    Action("MnuPrev")->trigger();
    EXPECT_TRUE(Shows(3, 4));
    Action("MnuFirst")->trigger();
    EXPECT_TRUE(Shows(1, 4));
    Action("MnuNext")->trigger();
    EXPECT_TRUE(Shows(2, 4));
}

}  // namespace
}  // namespace rodwick::testing
