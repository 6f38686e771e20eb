// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "database_file.h"
#include "result.h"
#include "settings.h"

namespace rodwick {

// What the preferences window lets the user choose.
struct PreferenceChoices {
    std::string autoloadFile;  // UTF-8 path, may be empty
    bool showVenuesOnEdit = true;
    bool metric = true;
};

// The choices as the window opens: the settings in force. Only exactly "Kg" counts as metric,
// and only exactly 1 ticks the venue option.
PreferenceChoices choicesOf(const Settings& settings);

// Puts the choices into force (autoload path, venue option, the unit names and reserved
// numbers of the chosen system, the display font unchanged) and writes the whole settings
// file at settingsPath. The choices hold in memory whether or not the file could be written.
Status confirmPreferences(Settings& settings, const PreferenceChoices& choices,
                          const std::string& settingsPath, const FileOps& ops = FileOps::system());

}  // namespace rodwick
