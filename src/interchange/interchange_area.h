// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "area_registration.h"

namespace rodwick {

// Registers the spreadsheet export after Export and the import after Merge on the File menu.
void registerInterchangeCommands(CommandRegistry& commands, RecordBook& book,
                                 platform::Platform& platform, QWidget& window);

}  // namespace rodwick
