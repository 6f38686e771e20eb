// The main window's finding commands: the word search and the goto list.
#include <QAction>

#include "find_dialog.h"
#include "form1.h"
#include "goto_dialog.h"

namespace rodwick {

void form1::connectFindingCommands() {
    connect(menuEntry("MnuFind"), &QAction::triggered, this, [this] { MnuFind_Click(); });
    connect(menuEntry("MnuGoto"), &QAction::triggered, this, [this] { MnuGoto_Click(); });
}

void form1::MnuFind_Click() {
    {
        FindDialog dialog(search_, platform_, this);
        platform_.showModal(dialog);
    }
    // However the dialog was closed: Cancel goes on with the search that was paused.
    search_.runSearch(book_.table(), WindowHooks(platform_, book_));
}

void form1::MnuGoto_Click() {
    GotoDialog dialog(book_, platform_, *this, this);
    platform_.showModal(dialog);
}

}  // namespace rodwick
