// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "area_registration.h"

namespace rodwick {

// Registers Statistics on the Options menu, after Find: one statistics window at most, beside
// `window`, following the book.
void registerStatisticsCommands(CommandRegistry& commands, RecordBook& book,
                                platform::Platform& platform, QWidget& window);

}  // namespace rodwick
