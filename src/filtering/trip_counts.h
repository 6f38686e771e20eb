// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace rodwick::filtering {

// The line above a window's trips, in the program's language: "Showing 3 of 20 trips", with
// the conflict copies not counted and the trips left out for a date that did not read.
QString showingTrips(int shown, int total, int undated, int conflictCopies);

}  // namespace rodwick::filtering
