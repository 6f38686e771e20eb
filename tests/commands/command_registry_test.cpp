// SPDX-License-Identifier: GPL-3.0-or-later
// The registry refuses rows that would build wrong menus, and names the row at fault.
#include <gtest/gtest.h>

#include <QMenuBar>
#include <QObject>
#include <string>
#include <vector>

#include "command_registry.h"
#include "rodwick_test/marking_translator.h"

namespace rodwick {
namespace {

TEST(CommandRegistry, AFaultyRowFailsTheBuildAndIsNamed) {
    const std::vector<MenuHead> bar = {{kFileMenu, "&File"}, {kOptionsMenu, "&Options"}};
    // Rows of a sound File menu, to which each case adds its one faulty row.
    const std::vector<CommandRow> sound = {
        {.name = kNewEntry, .caption = "Ne&w", .shortcut = "Ctrl+W", .menu = kFileMenu},
        {.name = kMergeEntry, .caption = "&Merge", .menu = kFileMenu, .order = 10},
        {.name = kCsvImportEntry, .caption = "Import", .menu = kFileMenu, .after = kMergeEntry},
    };
    const std::pair<CommandRow, std::string> cases[] = {
        {{.name = kFindEntry, .caption = "&Find...", .menu = "MnuFinding"},
         "menu entry MnuFind names menu MnuFinding, which the bar has not"},
        {{.name = kStatisticsEntry, .menu = kOptionsMenu, .after = kFindEntry},
         "menu entry MnuStats follows MnuFind, which is not in menu MnuOption"},
        {{.name = kCsvExportEntry, .menu = kOptionsMenu, .after = kExportEntry},
         "menu entry MnuCsvExp follows MnuExp, which is not in menu MnuOption"},
        {{.name = kMergeEntry, .caption = "Merge again", .menu = kOptionsMenu},
         "menu entry MnuMer is registered twice"},
        {{.name = kStatisticsEntry, .shortcut = "ctrl+w", .menu = kOptionsMenu},
         "menu entry MnuStats takes the shortcut ctrl+w of MnuNew"},
    };
    for (const auto& [faulty, message] : cases) {
        SCOPED_TRACE(message);
        CommandRegistry commands;
        for (const CommandRow& row : sound) commands.add(row);
        commands.add(faulty);
        QMenuBar menuBar;
        QObject context;
        const Status built = commands.buildMenus(menuBar, bar, context);
        EXPECT_EQ(built.message(), message);
        EXPECT_TRUE(menuBar.actions().isEmpty()) << "a failed build leaves the bar as it was";
    }

    CommandRegistry commands;
    for (const CommandRow& row : sound) commands.add(row);
    QMenuBar menuBar;
    QObject context;
    ASSERT_TRUE(commands.buildMenus(menuBar, bar, context).ok());
    QStringList file;
    for (const QAction* action : commands.menu(kFileMenu).actions()) file << action->objectName();
    EXPECT_EQ(file, QStringList({"MnuNew", "MnuMer", "MnuCsvImp"}));
}

// The captions are translated as the menus are built: the bar's under one context, each menu's
// entries under their menu's, whichever area registered them.
TEST(CommandRegistry, CaptionsAreTranslatedUnderTheirMenusContext) {
    const std::vector<MenuHead> bar = {{kFileMenu, "&File"},       {kEditMenu, "&Edit"},
                                       {kOptionsMenu, "&Options"}, {kRecordMenu, "&Record"},
                                       {kHelpMenu, "&Help"},       {"MnuExtra", "E&xtra"}};
    CommandRegistry commands;
    commands.add({
        {.name = kNewEntry, .caption = "Ne&w", .menu = kFileMenu},
        {.name = kFileSeparator, .menu = kFileMenu, .order = 5},
        {.name = kCopyEntry, .caption = "&Copy", .menu = kEditMenu},
        {.name = kFindEntry, .caption = "&Find...", .menu = kOptionsMenu},
        {.name = kGotoEntry, .caption = "&Goto...", .menu = kRecordMenu},
        {.name = kAboutEntry, .caption = "About...", .menu = kHelpMenu},
        {.name = "MnuOdd", .caption = "Odd", .menu = "MnuExtra"},
    });
    testing::MarkingTranslator translator;
    QMenuBar menuBar;
    QObject context;
    ASSERT_TRUE(commands.buildMenus(menuBar, bar, context).ok());
    QStringList titles;
    for (const QAction* head : menuBar.actions()) titles << head->text();
    EXPECT_EQ(titles, QStringList({"[MenuBar]&File", "[MenuBar]&Edit", "[MenuBar]&Options",
                                   "[MenuBar]&Record", "[MenuBar]&Help", "[MenuBar]E&xtra"}));
    const std::pair<const char*, QString> entries[] = {
        {kNewEntry, "[FileMenu]Ne&w"},         {kCopyEntry, "[EditMenu]&Copy"},
        {kFindEntry, "[OptionsMenu]&Find..."}, {kGotoEntry, "[RecordMenu]&Goto..."},
        {kAboutEntry, "[HelpMenu]About..."},   {"MnuOdd", "[Menu]Odd"}};
    for (const auto& [name, text] : entries) EXPECT_EQ(commands.action(name).text(), text) << name;
    EXPECT_TRUE(commands.action(kFileSeparator).isSeparator());
}

}  // namespace
}  // namespace rodwick
