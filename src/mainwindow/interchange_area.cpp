// Spreadsheet export and import on the File menu.
#include <utility>
#include <vector>

#include "command_areas.h"
#include "command_registry.h"
#include "csv_commands.h"
#include "record_book.h"

namespace rodwick {

namespace {

CommandRow RowOf(const CommandEntry& entry, std::function<void()> handler) {
    return {entry.objectName,   entry.caption,     nullptr, entry.menu, entry.after, 0,
            entry.needsRecords, std::move(handler)};
}

}  // namespace

void RegisterInterchangeCommands(CommandRegistry& commands, RecordBook& book,
                                 platform::Platform& platform, QWidget& window) {
    commands.add(RowOf(kExportCsvEntry, [&book, &platform] {
        ExportCsv(book.table(), book.settings().units, platform);
    }));
    commands.add(RowOf(kImportCsvEntry, [&book, &platform, &window] {
        // The book tells every window of the new records.
        const AppendTrips append = [&book](std::vector<TripRecord> trips) {
            return book.appendRecords(std::move(trips));
        };
        ImportCsv(platform, book.table(), book.settings().units, append, &window);
    }));
}

}  // namespace rodwick
