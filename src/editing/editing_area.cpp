// The Edit menu's record commands.
#include "editing_area.h"

#include "command_registry.h"

namespace rodwick {

EditingArea::EditingArea(RecordBook& book, platform::Platform& platform, MainView& view)
    : QObject(&view.widget()), commands_(book, platform, view) {}

void registerEditingCommands(CommandRegistry& commands, RecordBook& book,
                             platform::Platform& platform, MainView& view) {
    EditCommands& edit = (new EditingArea(book, platform, view))->commands();
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
    });
}

}  // namespace rodwick
