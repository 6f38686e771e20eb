// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "area_registration.h"
#include "photo_shelf.h"
#include "platform.h"

namespace rodwick {

// Opens the record editor to add a trip with some boxes filled in, as Edit, Add Record does:
// an add editor already open is only brought to the front, and prepare is not called; else
// prepare gives the texts (nothing: no editor opens), and added is told the new record's number
// when Okay adds the trip. The editing area does it; the main window hands it in.
using AddTrip = std::function<void(const std::function<std::optional<FieldTexts>()>& prepare,
                                   std::function<void(int n)> added)>;

// "Photos..." on the Record menu: the photos of the trip shown, one window at most; and
// "New Trip from Photos...": a trip added with the times its photos recorded, and the photos.
void registerPhotoCommands(CommandRegistry& commands, RecordBook& book, PhotoShelf& shelf,
                           platform::Platform& platform, QWidget& window, AddTrip addTrip);

namespace photos {
// Removes a photo to the backups as one step of the book's history, so that Edit, Undo brings
// it back ("Undo Remove Photo") and Redo removes it again.
Status removePhoto(RecordBook& book, PhotoShelf& shelf, const std::string& name);

// The file dialog that picks photos, several at once, titled so.
platform::FileDialogOptions photoFileDialog(const QString& title);
// The files with the times their cameras recorded, in local time as the shelf keeps them; a
// file that gives no time (none recorded, or no photo at all) is still picked.
std::vector<PhotoShelf::Picked> pickedPhotos(const QStringList& paths);
}  // namespace photos

}  // namespace rodwick
