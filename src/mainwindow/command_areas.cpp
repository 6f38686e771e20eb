#include "command_areas.h"

#include "editing_area.h"
#include "finding_area.h"
#include "interchange_area.h"
#include "main_view.h"
#include "output_area.h"
#include "prefs_area.h"
#include "statistics_area.h"

namespace rodwick {

void RegisterCommandAreas(CommandRegistry& commands, RecordBook& book, platform::Platform& platform,
                          MainView& view) {
    QWidget& window = view.widget();
    RegisterEditingCommands(commands, book, platform, view);
    RegisterFindingCommands(commands, book, platform, window);
    RegisterOutputCommands(commands, book, platform, window);
    RegisterPrefsCommands(commands, book, platform, view);
    RegisterHelpCommands(commands, platform, window);
    RegisterStatisticsCommands(commands, book, platform, window);
    RegisterInterchangeCommands(commands, book, platform, window);
}

}  // namespace rodwick
