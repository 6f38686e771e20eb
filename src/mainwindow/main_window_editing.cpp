// The Edit menu's record commands of the main window.
#include <QAction>
#include <utility>

#include "command_areas.h"
#include "command_registry.h"
#include "main_window.h"

namespace rodwick {

void RegisterEditingCommands(CommandRegistry& commands, MainWindow& window) {
    // Beneath the copy command of the output area.
    commands.add({
        {"empty3", nullptr, nullptr, "MnuTed", nullptr, 20},
        {"MnuEdit", "&Edit Record...", "Ctrl+E", "MnuTed", nullptr, 30, true,
         [&] { window.editRecord(); }},
        {"MnuDel", "&Delete Record...  ", "Del", "MnuTed", nullptr, 40, true,
         [&] { window.deleteRecord(); }},
        {"MnuAdd", "&Add Record...", "Ctrl+A", "MnuTed", nullptr, 50, false,
         [&] { window.addRecord(); }},
        {"MnuDup", "D&uplicate Record", "Ctrl+T", "MnuTed", nullptr, 60, true,
         [&] { window.duplicateRecord(); }},
    });
}

void MainWindow::addRecord() {
    editCommands_.Add();
}

void MainWindow::editRecord() {
    editCommands_.Edit();
}

void MainWindow::deleteRecord() {
    editCommands_.Delete();
}

void MainWindow::duplicateRecord() {
    editCommands_.Duplicate();
}

}  // namespace rodwick
