#pragma once

class QWidget;

namespace rodwick {

class CommandRegistry;
class RecordBook;
namespace platform {
class Platform;
}

// Registers the spreadsheet export after Export and the import after Merge on the File menu.
void registerInterchangeCommands(CommandRegistry& commands, RecordBook& book,
                                 platform::Platform& platform, QWidget& window);

}  // namespace rodwick
