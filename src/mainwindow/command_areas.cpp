#include "command_areas.h"

#include "main_window.h"

namespace rodwick {

void RegisterCommandAreas(CommandRegistry& commands, MainWindow& window, RecordBook& book,
                          platform::Platform& platform) {
    RegisterFileCommands(commands, window);
    RegisterRecordCommands(commands, window);
    RegisterEditingCommands(commands, window);
    RegisterFindingCommands(commands, window);
    RegisterOutputCommands(commands, window);
    RegisterPrefsCommands(commands, window);
    RegisterHelpCommands(commands, window);
    RegisterStatisticsCommands(commands, book, platform, window);
    RegisterInterchangeCommands(commands, book, platform, window);
}

}  // namespace rodwick
