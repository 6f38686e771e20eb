// The main window's output commands: export, print and copy to the clipboard.
#include <QAction>

#include "copy_dialog.h"
#include "export_dialog.h"
#include "form1.h"
#include "print_dialog.h"

namespace rodwick {

void form1::connectOutputCommands() {
    connect(menuEntry("MnuExp"), &QAction::triggered, this, [this] { MnuExp_Click(); });
    connect(menuEntry("MnuPrint"), &QAction::triggered, this, [this] { MnuPrint_Click(); });
    connect(menuEntry("MnuCopy"), &QAction::triggered, this, [this] { MnuCopy_Click(); });
}

// Always offered, also with no records: the current-record export of an empty table writes
// one empty record.
void form1::MnuExp_Click() {
    ExportDialog window(book_, platform_, this);
    platform_.showModal(window);
}

void form1::MnuPrint_Click() {
    PrintDialog window(book_, platform_, this);
    platform_.showModal(window);
}

void form1::MnuCopy_Click() {
    CopyDialog window(book_, platform_, this);
    platform_.showModal(window);
}

}  // namespace rodwick
