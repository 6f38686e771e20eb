#pragma once

namespace rodwick {

class CommandRegistry;
class MainView;
class RecordBook;
namespace platform {
class Platform;
}

// Registers the commands of every area but the main window's own (the file and record
// commands), one line each, in the order the menus list areas that share a place. Each area
// lives in its own folder and takes only what it needs.
void registerCommandAreas(CommandRegistry& commands, RecordBook& book, platform::Platform& platform,
                          MainView& view);

}  // namespace rodwick
