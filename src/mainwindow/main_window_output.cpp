// The main window's output commands: export, print and copy to the clipboard.
#include <QAction>

#include "command_areas.h"
#include "command_registry.h"
#include "copy_dialog.h"
#include "export_dialog.h"
#include "main_window.h"
#include "print_dialog.h"

namespace rodwick {

void RegisterOutputCommands(CommandRegistry& commands, MainWindow& window) {
    commands.add({
        {"MnuExp", "E&xport...", nullptr, "MnuFile", nullptr, 50, false,
         [&] { window.exportRecords(); }},
        {"MnuPrint", "&Print...", "Ctrl+P", "MnuFile", nullptr, 80, true, [&] { window.print(); }},
        {"MnuCopy", "&Copy To Clipboard   ", "Ctrl+C", "MnuTed", nullptr, 10, true,
         [&] { window.copyToClipboard(); }},
    });
}

// Always offered, also with no records: the current-record export of an empty table writes
// one empty record.
void MainWindow::exportRecords() {
    ExportDialog window(book_, platform_, this);
    platform_.showModal(window);
}

void MainWindow::print() {
    PrintDialog window(book_, platform_, this);
    platform_.showModal(window);
}

void MainWindow::copyToClipboard() {
    CopyDialog window(book_, platform_, this);
    platform_.showModal(window);
}

}  // namespace rodwick
