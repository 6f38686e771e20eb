// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "area_registration.h"

namespace rodwick {

// Registers Preferences and Font on the Options menu; the font goes to the main view's value
// labels.
void registerPrefsCommands(CommandRegistry& commands, RecordBook& book,
                           platform::Platform& platform, MainView& view);
// Registers the manual, the choice of language and About on the Help menu.
void registerHelpCommands(CommandRegistry& commands, platform::Platform& platform, QWidget& window);

}  // namespace rodwick
