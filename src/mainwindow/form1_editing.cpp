// The Edit menu's record commands of the main window.
#include <QAction>
#include <utility>

#include "form1.h"

namespace rodwick {

void form1::connectEditingCommands() {
    connect(menuEntry("MnuAdd"), &QAction::triggered, this, [this] { MnuAdd_Click(); });
    connect(menuEntry("MnuEdit"), &QAction::triggered, this, [this] { MnuEdit_Click(); });
    connect(menuEntry("MnuDel"), &QAction::triggered, this, [this] { MnuDel_Click(); });
    connect(menuEntry("MnuDup"), &QAction::triggered, this, [this] { MnuDup_Click(); });
}

void form1::MnuAdd_Click() {
    editCommands_.Add();
}

void form1::MnuEdit_Click() {
    editCommands_.Edit();
}

void form1::MnuDel_Click() {
    editCommands_.Delete();
}

void form1::MnuDup_Click() {
    editCommands_.Duplicate();
}

}  // namespace rodwick
