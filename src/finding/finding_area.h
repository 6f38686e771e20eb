// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include "platform.h"
#include "record_book.h"
#include "search_walk.h"

class QWidget;

namespace rodwick {

class CommandRegistry;

// The word search and the goto list. The area is a child of the main window, so that the
// search lives as long as the window and a paused search can go on.
class FindingArea : public QObject {
    Q_OBJECT

  public:
    FindingArea(RecordBook& book, platform::Platform& platform, QWidget& window);

    // The word search: resumes where it paused.
    void find();
    void goToRecord();
    const SearchWalk& searchWalk() const { return search_; }

  private:
    RecordBook& book_;
    platform::Platform& platform_;
    QWidget& window_;
    SearchWalk search_;
};

// Registers Find on the Options menu and Goto on the Record menu.
void registerFindingCommands(CommandRegistry& commands, RecordBook& book,
                             platform::Platform& platform, QWidget& window);

}  // namespace rodwick
