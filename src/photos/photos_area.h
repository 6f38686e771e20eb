// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "area_registration.h"
#include "photo_shelf.h"

namespace rodwick {

// "Photos..." on the Record menu: the photos of the trip shown, one window at most.
void registerPhotoCommands(CommandRegistry& commands, RecordBook& book, PhotoShelf& shelf,
                           platform::Platform& platform, QWidget& window);

namespace photos {
// Removes a photo to the backups as one step of the book's history, so that Edit, Undo brings
// it back ("Undo Remove Photo") and Redo removes it again.
Status removePhoto(RecordBook& book, PhotoShelf& shelf, const std::string& name);
}  // namespace photos

}  // namespace rodwick
