// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "platform.h"
#include "settings.h"
#include "trip_filter.h"

class QWidget;

namespace rodwick::filtering {

// Shows a trip of another log book as its labelled text in a read-only window of its own, over
// `parent`: the trip list and the statistics show such a trip, never the main window.
void showOtherTrip(platform::Platform& platform, QWidget& parent, const std::string& bookName,
                   const TripRef& trip, const UnitNames& units);

}  // namespace rodwick::filtering
