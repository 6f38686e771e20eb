// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "area_registration.h"
#include "photo_shelf.h"

namespace rodwick {

// Registers the commands of every area but the main window's own (the file and record
// commands), one line each, in the order the menus list areas that share a place. Each area
// lives in its own folder and takes only what it needs.
void registerCommandAreas(CommandRegistry& commands, RecordBook& book, PhotoShelf& photos,
                          platform::Platform& platform, MainView& view);

}  // namespace rodwick
