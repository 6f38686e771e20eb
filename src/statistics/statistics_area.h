// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "area_registration.h"
#include "best_covers.h"

namespace rodwick {

// Registers Statistics on the Options menu, after Find: one statistics window at most, beside
// `window`, following the book; its personal bests show their trips' covers from coverOf.
void registerStatisticsCommands(CommandRegistry& commands, RecordBook& book,
                                platform::Platform& platform, QWidget& window,
                                stats::CoverOf coverOf);

// Loads the charts module once the event loop has had a moment to itself, so that the first
// statistics window does not wait for it. The window loads it itself if it is opened sooner.
void loadChartsWhenIdle();

}  // namespace rodwick
