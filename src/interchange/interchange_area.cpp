// SPDX-License-Identifier: GPL-3.0-or-later
// Spreadsheet export and import on the File menu.
#include "interchange_area.h"

#include <QCoreApplication>
#include <utility>
#include <vector>

#include "command_registry.h"
#include "csv_commands.h"
#include "record_book.h"

namespace rodwick {

void registerInterchangeCommands(CommandRegistry& commands, RecordBook& book,
                                 platform::Platform& platform, QWidget& window) {
    commands.add({
        // Always enabled, as Export is: an empty table exports its header row.
        {.name = kCsvExportEntry,
         .caption = QT_TRANSLATE_NOOP("FileMenu", "Export to Spreadsheet (CSV)..."),
         .menu = kFileMenu,
         .after = kExportEntry,
         .handler = [&book,
                     &platform] { exportCsv(book.table(), book.settings().units, platform); }},
        {.name = kCsvImportEntry,
         .caption = QT_TRANSLATE_NOOP("FileMenu", "Import from Spreadsheet (CSV)..."),
         .menu = kFileMenu,
         .after = kMergeEntry,
         .handler =
             [&book, &platform, &window] {
                 // The book tells every window of the new records.
                 const AppendTrips append = [&book](std::vector<TripRecord> trips) {
                     return book.appendRecords(std::move(trips), RecordBook::StepName::Import);
                 };
                 importCsv(platform, book.table(), book.settings().units, append, &window);
             }},
    });
}

}  // namespace rodwick
