// The Edit menu's record commands of the main window.
#include <QAction>
#include <utility>

#include "command_areas.h"
#include "command_registry.h"
#include "form1.h"

namespace rodwick {

void RegisterEditingCommands(CommandRegistry& commands, form1& window) {
    // Beneath the copy command of the output area.
    commands.add({
        {"empty3", nullptr, nullptr, "MnuTed", nullptr, 20},
        {"MnuEdit", "&Edit Record...", "Ctrl+E", "MnuTed", nullptr, 30, true,
         [&] { window.MnuEdit_Click(); }},
        {"MnuDel", "&Delete Record...  ", "Del", "MnuTed", nullptr, 40, true,
         [&] { window.MnuDel_Click(); }},
        {"MnuAdd", "&Add Record...", "Ctrl+A", "MnuTed", nullptr, 50, false,
         [&] { window.MnuAdd_Click(); }},
        {"MnuDup", "D&uplicate Record", "Ctrl+T", "MnuTed", nullptr, 60, true,
         [&] { window.MnuDup_Click(); }},
    });
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
