// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "trip_filter.h"

namespace rodwick::filtering {

// The line above a window's trips, in the program's language: "Showing 3 of 20 trips", with
// the conflict copies not counted and the trips left out for a date that did not read.
QString showingTrips(int shown, int total, int undated, int conflictCopies);

// The filter in words for a report's title, in the program's language: "Trips at River Trent,
// in June of every year, with a catch"; "All trips" when it is empty. Dates as the figures
// write them (windowsLocale).
QString describeFilter(const TripFilter& filter);

}  // namespace rodwick::filtering
