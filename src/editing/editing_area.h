// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <string>

#include "edit_commands.h"

class QAction;

namespace rodwick {

class CommandRegistry;

// A step of the history as the Undo and Redo commands show it, in the windows' language
// ("Delete", "Import of 12 Trips"); a step of a name it does not know is shown as named.
QString stepCaption(const std::string& step);

// The Edit menu's record commands with the state they share (EditCommands), and Undo and Redo
// following the book's history. The area is a child of the main view's window, so that the
// state lives as long as the window does.
class EditingArea : public QObject {
    Q_OBJECT

  public:
    EditingArea(RecordBook& book, platform::Platform& platform, MainView& view);

    const EditCommands& commands() const { return commands_; }
    EditCommands& commands() { return commands_; }

    // From now on the action's caption names the step it would undo (or redo), and it is
    // greyed while there is none.
    void followHistory(QAction& action, bool redo);

  private:
    void showHistory();

    RecordBook& book_;
    EditCommands commands_;
    QPointer<QAction> undo_;
    QPointer<QAction> redo_;
    RecordBook::Subscription history_;
};

// Registers Edit, Delete, Add and Duplicate beneath the output area's copy command, then Undo
// and Redo. The commands' state, which lives as long as the view's window, for other areas'
// commands that open the editor.
EditCommands& registerEditingCommands(CommandRegistry& commands, RecordBook& book,
                                      platform::Platform& platform, MainView& view);

}  // namespace rodwick
