// The main window's finding commands: the word search and the goto list.
#include <QAction>

#include "command_areas.h"
#include "command_registry.h"
#include "form1.h"
#include "form5.h"
#include "form6.h"

namespace rodwick {

void RegisterFindingCommands(CommandRegistry& commands, form1& window) {
    commands.add({
        {"MnuFind", "&Find...", "Ctrl+F", "MnuOption", nullptr, 10, true,
         [&] { window.MnuFind_Click(); }},
        {"MnuGoto", "&Goto...", "Ctrl+G", "MnuRecord", nullptr, 50, true,
         [&] { window.MnuGoto_Click(); }},
    });
}

void form1::MnuFind_Click() {
    {
        Form5 dialog(search_, platform_, this);
        platform_.showModal(dialog);
    }
    // However the dialog was closed: Cancel goes on with the search that was paused.
    search_.runSearch(book_.table(), WindowHooks(platform_, book_));
}

void form1::MnuGoto_Click() {
    Form6 dialog(book_, platform_, *this, this);
    platform_.showModal(dialog);
}

}  // namespace rodwick
