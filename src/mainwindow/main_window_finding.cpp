// The main window's finding commands: the word search and the goto list.
#include <QAction>

#include "command_areas.h"
#include "command_registry.h"
#include "find_dialog.h"
#include "goto_dialog.h"
#include "main_window.h"

namespace rodwick {

void RegisterFindingCommands(CommandRegistry& commands, MainWindow& window) {
    commands.add({
        {"MnuFind", "&Find...", "Ctrl+F", "MnuOption", nullptr, 10, true, [&] { window.find(); }},
        {"MnuGoto", "&Goto...", "Ctrl+G", "MnuRecord", nullptr, 50, true,
         [&] { window.goToRecord(); }},
    });
}

void MainWindow::find() {
    {
        FindDialog dialog(search_, platform_, this);
        platform_.showModal(dialog);
    }
    // However the dialog was closed: Cancel goes on with the search that was paused.
    search_.runSearch(book_.table(), WindowHooks(platform_, book_));
}

void MainWindow::goToRecord() {
    GotoDialog dialog(book_, platform_, *this, this);
    platform_.showModal(dialog);
}

}  // namespace rodwick
