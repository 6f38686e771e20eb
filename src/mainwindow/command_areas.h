#pragma once

class QWidget;

namespace rodwick {

class CommandRegistry;
class RecordBook;
class MainWindow;
namespace platform {
class Platform;
}

// Registers the commands of every area, in the order the menus list areas that share a place.
void RegisterCommandAreas(CommandRegistry& commands, MainWindow& window, RecordBook& book,
                          platform::Platform& platform);

// One per area; each adds its menu entries with their handlers.
void RegisterFileCommands(CommandRegistry& commands, MainWindow& window);
void RegisterRecordCommands(CommandRegistry& commands, MainWindow& window);
void RegisterEditingCommands(CommandRegistry& commands, MainWindow& window);
void RegisterFindingCommands(CommandRegistry& commands, MainWindow& window);
void RegisterOutputCommands(CommandRegistry& commands, MainWindow& window);
void RegisterPrefsCommands(CommandRegistry& commands, MainWindow& window);
void RegisterHelpCommands(CommandRegistry& commands, MainWindow& window);
void RegisterStatisticsCommands(CommandRegistry& commands, RecordBook& book,
                                platform::Platform& platform, QWidget& window);
void RegisterInterchangeCommands(CommandRegistry& commands, RecordBook& book,
                                 platform::Platform& platform, QWidget& window);

}  // namespace rodwick
