// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "area_registration.h"
#include "trip_list_window.h"

namespace rodwick {

// "Trip List..." on the Record menu: the trip list window, one at most, writing the trips it
// shows through exportTrips and counting the open log book's photos.
void registerTripCommands(CommandRegistry& commands, RecordBook& book, PhotoShelf& photos,
                          platform::Platform& platform, QWidget& window,
                          trips::ExportTrips exportTrips);

}  // namespace rodwick
