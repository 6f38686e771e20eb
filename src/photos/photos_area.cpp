// SPDX-License-Identifier: GPL-3.0-or-later
// The photos of a trip on the Record menu: one window at most, following the book; and a new
// trip made from photos.
#include "photos_area.h"

#include <QCoreApplication>
#include <QPointer>
#include <memory>

#include "command_registry.h"
#include "photo_metadata.h"
#include "photos_window.h"
#include "text.h"
#include "trip_from_photos.h"
#include "widgets.h"

namespace rodwick {

namespace {

// Picks photos, then opens the add editor with the times they recorded; the photos are copied
// in only once Okay has added their trip.
void newTripFromPhotos(const AddTrip& addTrip, PhotoShelf& shelf, platform::Platform& platform,
                       const QPointer<photos::PhotosWindow>& open) {
    auto picked = std::make_shared<std::vector<PhotoShelf::Picked>>();
    addTrip(
        [&platform, picked]() -> std::optional<FieldTexts> {
            const QStringList chosen =
                platform.openFilesDialog(photos::photoFileDialog(QCoreApplication::translate(
                    "rodwick::photos::PhotosWindow", "New Trip from Photos")));
            if (chosen.isEmpty()) return std::nullopt;
            *picked = photos::pickedPhotos(chosen);
            // Without a recorded time the boxes stay as Add leaves them.
            const auto times = tripTimesOf(*picked);
            return times ? times->fields() : FieldTexts{};
        },
        [&shelf, &platform, picked, open](int n) {
            const auto added = shelf.addPhotos(n, *picked);
            if (!added.ok()) {
                platform.showMessage(
                    {QCoreApplication::translate("rodwick::photos::PhotosWindow",
                                                 "The photos could not be added: %1.")
                         .arg(fromPath(added.error())),
                     QCoreApplication::translate("rodwick::photos::PhotosWindow", "Photos"),
                     platform::Buttons::Ok, platform::Icon::Exclamation});
            }
            // The window may be showing the new trip already: the first of an empty log book.
            if (open) open->refresh();
        });
}

}  // namespace

void registerPhotoCommands(CommandRegistry& commands, RecordBook& book, PhotoShelf& shelf,
                           platform::Platform& platform, QWidget& window, AddTrip addTrip) {
    auto open = std::make_shared<QPointer<photos::PhotosWindow>>();
    commands.add({
        {.name = kPhotosEntry,
         .caption = QT_TRANSLATE_NOOP("RecordMenu", "Photos..."),
         .shortcut = "Ctrl+I",
         .menu = kRecordMenu,
         .after = kTripListEntry,
         .needsRecords = true,
         .handler =
             [&book, &shelf, &platform, &window, open] {
                 showOneBeside<photos::PhotosWindow>(*open, window, platform, [&] {
                     return new photos::PhotosWindow(book, shelf, platform, &window);
                 });
             }},
        // As Add Record, also with no trips held.
        {.name = kNewTripFromPhotosEntry,
         .caption = QT_TRANSLATE_NOOP("RecordMenu", "New Trip from Photos..."),
         .shortcut = "Ctrl+Shift+I",
         .menu = kRecordMenu,
         .after = kPhotosEntry,
         .handler =
             [&shelf, &platform, open, addTrip = std::move(addTrip)] {
                 newTripFromPhotos(addTrip, shelf, platform, *open);
             }},
    });
}

namespace photos {

Status removePhoto(RecordBook& book, PhotoShelf& shelf, const std::string& name) {
    auto removed = shelf.remove(name);
    if (!removed.ok()) return Status::fail(removed.error());
    // The step holds what brings the photo back; the shelf lives as long as the window's book.
    auto kept = std::make_shared<PhotoShelf::Removed>(std::move(removed).value());
    book.recordOutsideStep("Remove Photo", [&shelf, kept](bool undoing) {
        if (undoing) return shelf.restore(*kept);
        auto again = shelf.remove(kept->entry.name);
        if (!again.ok()) return Status::fail(again.error());
        *kept = std::move(again).value();
        return Status::success();
    });
    return Status::success();
}

platform::FileDialogOptions photoFileDialog(const QString& title) {
    // Only the words are translated: the patterns are what the dialog matches.
    return {QCoreApplication::translate("rodwick::photos::PhotosWindow", "Photos") +
                QStringLiteral(" (*.jpg *.jpeg *.png *.webp *.tif *.tiff *.heic *.heif)|*.jpg;"
                               "*.jpeg;*.png;*.webp;*.tif;*.tiff;*.heic;*.heif|") +
                QCoreApplication::translate("rodwick::photos::PhotosWindow", "All files") +
                QStringLiteral(" (*.*)|*.*"),
            1, title, QString()};
}

std::vector<PhotoShelf::Picked> pickedPhotos(const QStringList& paths) {
    std::vector<PhotoShelf::Picked> picked;
    for (const QString& path : paths) {
        PhotoShelf::Picked one{.path = toPath(path), .taken = std::nullopt};
        // The time the camera recorded, never the file's: a copy or a sync changes that.
        if (const auto metadata = readPhotoMetadata(path);
            metadata.ok() && metadata.value().taken) {
            // The camera's clock where it was taken, as the trip's times are written there.
            one.taken = metadata.value().taken->clockTime();
        }
        picked.push_back(std::move(one));
    }
    return picked;
}

}  // namespace photos
}  // namespace rodwick
