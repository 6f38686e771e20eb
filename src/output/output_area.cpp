// SPDX-License-Identifier: GPL-3.0-or-later
// The output commands: export, print and copy to the clipboard.
#include "output_area.h"

#include <QCoreApplication>

#include "command_registry.h"
#include "copy_dialog.h"
#include "export_dialog.h"
#include "print_dialog.h"

namespace rodwick {

namespace {

template <typename Dialog>
void showModal(RecordBook& book, platform::Platform& platform, QWidget& window) {
    Dialog dialog(book, platform, &window);
    platform.showModal(dialog);
}

}  // namespace

void registerOutputCommands(CommandRegistry& commands, RecordBook& book,
                            platform::Platform& platform, QWidget& window) {
    commands.add({
        // Always offered, also with no records: the current-record export of an empty table
        // writes one empty record.
        {.name = kExportEntry,
         .caption = QT_TRANSLATE_NOOP("FileMenu", "E&xport..."),
         .menu = kFileMenu,
         .order = 50,
         .handler = [&] { showModal<ExportDialog>(book, platform, window); }},
        {.name = kPrintEntry,
         .caption = QT_TRANSLATE_NOOP("FileMenu", "&Print..."),
         .shortcut = "Ctrl+P",
         .menu = kFileMenu,
         .order = 80,
         .needsRecords = true,
         .handler = [&] { showModal<PrintDialog>(book, platform, window); }},
        {.name = kCopyEntry,
         .caption = QT_TRANSLATE_NOOP("EditMenu", "&Copy To Clipboard   "),
         .shortcut = "Ctrl+C",
         .menu = kEditMenu,
         .order = 10,
         .needsRecords = true,
         .handler = [&] { showModal<CopyDialog>(book, platform, window); }},
    });
}

}  // namespace rodwick
