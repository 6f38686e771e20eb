#pragma once

class QWidget;

namespace rodwick {

class CommandRegistry;
class RecordBook;
class form1;
namespace platform {
class Platform;
}

// Registers the commands of every area, in the order the menus list areas that share a place.
void RegisterCommandAreas(CommandRegistry& commands, form1& window, RecordBook& book,
                          platform::Platform& platform);

// One per area; each adds its menu entries with their handlers.
void RegisterFileCommands(CommandRegistry& commands, form1& window);
void RegisterRecordCommands(CommandRegistry& commands, form1& window);
void RegisterEditingCommands(CommandRegistry& commands, form1& window);
void RegisterFindingCommands(CommandRegistry& commands, form1& window);
void RegisterOutputCommands(CommandRegistry& commands, form1& window);
void RegisterPrefsCommands(CommandRegistry& commands, form1& window);
void RegisterHelpCommands(CommandRegistry& commands, form1& window);
void RegisterStatisticsCommands(CommandRegistry& commands, RecordBook& book,
                                platform::Platform& platform, QWidget& window);
void RegisterInterchangeCommands(CommandRegistry& commands, RecordBook& book,
                                 platform::Platform& platform, QWidget& window);

}  // namespace rodwick
