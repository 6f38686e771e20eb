// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "area_registration.h"

namespace rodwick {

// "Trip List..." on the Record menu: the trip list window, one at most.
void registerTripCommands(CommandRegistry& commands, RecordBook& book, platform::Platform& platform,
                          QWidget& window);

}  // namespace rodwick
