// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "area_registration.h"

namespace rodwick {

// Registers Export and Print on the File menu and Copy To Clipboard on the Edit menu; each
// opens its window over `window`.
void registerOutputCommands(CommandRegistry& commands, RecordBook& book,
                            platform::Platform& platform, QWidget& window);

}  // namespace rodwick
