// The main window's output commands: export, print and copy to the clipboard.
#include <QAction>

#include "command_areas.h"
#include "command_registry.h"
#include "diaprint.h"
#include "export_window.h"
#include "form7.h"
#include "main_window.h"

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
    export_ window(book_, platform_, this);
    platform_.showModal(window);
}

void MainWindow::print() {
    diaprint window(book_, platform_, this);
    platform_.showModal(window);
}

void MainWindow::copyToClipboard() {
    Form7 window(book_, platform_, this);
    platform_.showModal(window);
}

}  // namespace rodwick
