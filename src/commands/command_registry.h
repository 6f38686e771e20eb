// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

#include "command_names.h"
#include "result.h"

class QAction;
class QMenu;
class QMenuBar;
class QObject;

namespace rodwick {

// One menu entry of an area: where it goes, what it shows and what it runs. Written with
// designated initializers, the names from command_names.h:
//   {.name = kStatisticsEntry, .caption = "Statistics...", .menu = kOptionsMenu,
//    .after = kFindEntry, .needsRecords = true, .handler = ...}
struct CommandRow {
    const char* name;
    // UTF-8, English, translated under its menu's context (menuContext); none for a separator.
    const char* caption = nullptr;
    const char* shortcut = nullptr;
    const char* menu = nullptr;  // name of the menu it goes in
    // Its place: right after the entry named here, or else by order among its menu's entries.
    const char* after = nullptr;
    int order = 0;
    // Switched off with the other record commands while the table is empty.
    bool needsRecords = false;
    std::function<void()> handler = {};
    // Called once with the entry's action when the menus are built, for an area that changes
    // the action's caption or state later (Undo naming its step).
    std::function<void(QAction&)> built = {};
};

// A menu of the menu bar, left to right.
struct MenuHead {
    const char* name;
    const char* caption;  // English, translated under kMenuBarContext
};

// The translation context of the entries of the menu named: "FileMenu" for kFileMenu and so
// on, "Menu" for a menu of no such name.
const char* menuContext(const char* menu);

// Every command of the main window, registered by its area, and the menus built from them.
// The menus, the toolbar and the record switch all use the one QAction of a command.
class CommandRegistry {
  public:
    CommandRegistry();
    ~CommandRegistry();
    CommandRegistry(const CommandRegistry&) = delete;
    CommandRegistry& operator=(const CommandRegistry&) = delete;

    void add(CommandRow row);
    void add(std::initializer_list<CommandRow> rows);

    // Builds the menus of the bar from the registered rows; once, after every area has
    // registered. The actions belong to their menus; triggering one runs its handler. A row
    // that names a menu the bar has not, follows an entry its menu has not, repeats a name or
    // takes another entry's shortcut fails the whole build, with a message naming that row;
    // the bar is then left as it was.
    Status buildMenus(QMenuBar& bar, const std::vector<MenuHead>& menus, QObject& context);

    // The action of a registered command, resolved while the window is built. An unknown name
    // is a fault of the tables and stops the program, so that a typo cannot connect nothing.
    QAction& action(const char* name) const;
    QMenu& menu(const char* name) const;

    // Switches the commands that need records as one set.
    void setRecordCommandsEnabled(bool enabled);
    // The registered rows, in the order the areas gave them.
    const std::vector<CommandRow>& rows() const { return rows_; }

  private:
    struct Built;
    std::vector<CommandRow> rows_;
    std::unique_ptr<Built> built_;
};

}  // namespace rodwick
