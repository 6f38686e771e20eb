#pragma once

class QWidget;

namespace rodwick {

class CommandRegistry;
class RecordBook;
namespace platform {
class Platform;
}

// Registers Statistics on the Options menu, after Find: one statistics window at most, beside
// `window`, following the book.
void registerStatisticsCommands(CommandRegistry& commands, RecordBook& book,
                                platform::Platform& platform, QWidget& window);

}  // namespace rodwick
