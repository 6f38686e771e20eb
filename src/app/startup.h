// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "main_window.h"
#include "platform.h"
#include "record_book.h"

namespace rodwick {

// Reads the settings file of the program directory (or takes the defaults), gives the display
// font to the printer and to the record view, and loads the automatic-load database into the
// still hidden main window. Never writes the settings file.
// A database named on the command line (openAtStart, a UTF-8 path) is loaded instead of the
// automatic-load one, through the same loader.
void loadSettingsAndDatabase(RecordBook& book, platform::Platform& platform, MainWindow& mainWindow,
                             const std::string& openAtStart = {});

// The start-up run while the splash stands: loadSettingsAndDatabase, then the loaded database goes
// into the list of opened files and the printer is left with its own font.
void startUp(RecordBook& book, platform::Platform& platform, MainWindow& mainWindow,
             const std::string& commandLineFile = {});

}  // namespace rodwick
