// SPDX-License-Identifier: GPL-3.0-or-later
// The Edit menu's record commands.
#include "editing_area.h"

#include <QAction>

#include "command_registry.h"

namespace rodwick {

EditingArea::EditingArea(RecordBook& book, platform::Platform& platform, MainView& view)
    : QObject(&view.widget()),
      book_(book),
      commands_(book, platform, view),
      history_(book.subscribe([this](const RecordBook::Changes&) { showHistory(); })) {}

void EditingArea::followHistory(QAction& action, bool redo) {
    (redo ? redo_ : undo_) = &action;
    showHistory();
}

void EditingArea::showHistory() {
    const auto show = [](QAction* action, const char* command, const std::string& step) {
        if (action == nullptr) return;
        action->setText(QString::fromLatin1(command) +
                        (step.empty() ? QString() : " " + QString::fromStdString(step)));
        action->setEnabled(!step.empty());
    };
    show(undo_, "&Undo", book_.undoName());
    show(redo_, "&Redo", book_.redoName());
}

EditCommands& registerEditingCommands(CommandRegistry& commands, RecordBook& book,
                                      platform::Platform& platform, MainView& view) {
    auto* area = new EditingArea(book, platform, view);
    EditCommands& edit = area->commands();
    // Beneath the copy command of the output area.
    commands.add({
        {.name = kEditSeparator, .menu = kEditMenu, .order = 20},
        {.name = kEditEntry,
         .caption = "&Edit Record...",
         .shortcut = "Ctrl+E",
         .menu = kEditMenu,
         .order = 30,
         .needsRecords = true,
         .handler = [&edit] { edit.edit(); }},
        {.name = kDeleteEntry,
         .caption = "&Delete Record...  ",
         .shortcut = "Del",
         .menu = kEditMenu,
         .order = 40,
         .needsRecords = true,
         .handler = [&edit] { edit.deleteRecord(); }},
        {.name = kAddEntry,
         .caption = "&Add Record...",
         .shortcut = "Ctrl+A",
         .menu = kEditMenu,
         .order = 50,
         .handler = [&edit] { edit.add(); }},
        {.name = kDuplicateEntry,
         .caption = "D&uplicate Record",
         .shortcut = "Ctrl+T",
         .menu = kEditMenu,
         .order = 60,
         .needsRecords = true,
         .handler = [&edit] { edit.duplicate(); }},
        // Not record commands: a deleted last record is undone with the table empty.
        {.name = kUndoSeparator, .menu = kEditMenu, .order = 70},
        {.name = kUndoEntry,
         .caption = "&Undo",
         .shortcut = "Ctrl+Z",
         .menu = kEditMenu,
         .order = 80,
         .handler = [&book] { (void)book.undo(); },
         .built = [area](QAction& action) { area->followHistory(action, false); }},
        {.name = kRedoEntry,
         .caption = "&Redo",
         .shortcut = "Ctrl+Shift+Z",
         .menu = kEditMenu,
         .order = 90,
         .handler = [&book] { (void)book.redo(); },
         .built = [area](QAction& action) { area->followHistory(action, true); }},
    });
    return edit;
}

}  // namespace rodwick
