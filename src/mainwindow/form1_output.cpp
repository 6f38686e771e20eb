// The main window's output commands: export, print and copy to the clipboard.
#include <QAction>

#include "command_areas.h"
#include "command_registry.h"
#include "diaprint.h"
#include "export_window.h"
#include "form1.h"
#include "form7.h"

namespace rodwick {

void RegisterOutputCommands(CommandRegistry& commands, form1& window) {
    commands.add({
        {"MnuExp", "E&xport...", nullptr, "MnuFile", nullptr, 50, false,
         [&] { window.MnuExp_Click(); }},
        {"MnuPrint", "&Print...", "Ctrl+P", "MnuFile", nullptr, 80, true,
         [&] { window.MnuPrint_Click(); }},
        {"MnuCopy", "&Copy To Clipboard   ", "Ctrl+C", "MnuTed", nullptr, 10, true,
         [&] { window.MnuCopy_Click(); }},
    });
}

// Always offered, also with no records: the current-record export of an empty table writes
// one empty record.
void form1::MnuExp_Click() {
    export_ window(book_, platform_, this);
    platform_.showModal(window);
}

void form1::MnuPrint_Click() {
    diaprint window(book_, platform_, this);
    platform_.showModal(window);
}

void form1::MnuCopy_Click() {
    Form7 window(book_, platform_, this);
    platform_.showModal(window);
}

}  // namespace rodwick
