#pragma once

class QWidget;

namespace rodwick {

class CommandRegistry;
class RecordBook;
namespace platform {
class Platform;
}

// Registers Export and Print on the File menu and Copy To Clipboard on the Edit menu; each
// opens its window over `window`.
void registerOutputCommands(CommandRegistry& commands, RecordBook& book,
                            platform::Platform& platform, QWidget& window);

}  // namespace rodwick
