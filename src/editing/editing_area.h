#pragma once

#include <QObject>

#include "edit_commands.h"

namespace rodwick {

class CommandRegistry;

// The Edit menu's record commands with the state they share (EditCommands). The area is a
// child of the main view's window, so that the state lives as long as the window does.
class EditingArea : public QObject {
    Q_OBJECT

  public:
    EditingArea(RecordBook& book, platform::Platform& platform, MainView& view);

    const EditCommands& commands() const { return commands_; }
    EditCommands& commands() { return commands_; }

  private:
    EditCommands commands_;
};

// Registers Edit, Delete, Add and Duplicate beneath the output area's copy command.
void registerEditingCommands(CommandRegistry& commands, RecordBook& book,
                             platform::Platform& platform, MainView& view);

}  // namespace rodwick
