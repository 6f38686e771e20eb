// SPDX-License-Identifier: GPL-3.0-or-later
// The finding commands: the word search and the goto list.
#include "finding_area.h"

#include <QWidget>

#include "command_registry.h"
#include "find_dialog.h"
#include "goto_dialog.h"

namespace rodwick {

FindingArea::FindingArea(RecordBook& book, platform::Platform& platform, QWidget& window)
    : QObject(&window), book_(book), platform_(platform), window_(window) {}

void FindingArea::find() {
    {
        FindDialog dialog(search_, platform_, &window_);
        platform_.showModal(dialog);
    }
    // However the dialog was closed: Cancel goes on with the search that was paused.
    search_.runSearch(book_.table(), windowHooks(platform_, book_));
}

void FindingArea::goToRecord() {
    GotoDialog dialog(book_, platform_, &window_);
    platform_.showModal(dialog);
}

void registerFindingCommands(CommandRegistry& commands, RecordBook& book,
                             platform::Platform& platform, QWidget& window) {
    FindingArea* area = new FindingArea(book, platform, window);
    commands.add({
        {.name = kFindEntry,
         .caption = QT_TRANSLATE_NOOP("OptionsMenu", "&Find..."),
         .shortcut = "Ctrl+F",
         .menu = kOptionsMenu,
         .order = 10,
         .needsRecords = true,
         .handler = [area] { area->find(); }},
        {.name = kGotoEntry,
         .caption = QT_TRANSLATE_NOOP("RecordMenu", "&Goto..."),
         .shortcut = "Ctrl+G",
         .menu = kRecordMenu,
         .order = 50,
         .needsRecords = true,
         .handler = [area] { area->goToRecord(); }},
    });
}

}  // namespace rodwick
