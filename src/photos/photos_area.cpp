// SPDX-License-Identifier: GPL-3.0-or-later
// The photos of a trip on the Record menu: one window at most, following the book.
#include "photos_area.h"

#include <QPointer>
#include <memory>

#include "command_registry.h"
#include "photos_window.h"
#include "widgets.h"

namespace rodwick {

void registerPhotoCommands(CommandRegistry& commands, RecordBook& book, PhotoShelf& shelf,
                           platform::Platform& platform, QWidget& window) {
    auto open = std::make_shared<QPointer<photos::PhotosWindow>>();
    commands.add({.name = kPhotosEntry,
                  .caption = "Photos...",
                  .shortcut = "Ctrl+I",
                  .menu = kRecordMenu,
                  .after = kTripListEntry,
                  .needsRecords = true,
                  .handler = [&book, &shelf, &platform, &window, open] {
                      showOneBeside<photos::PhotosWindow>(*open, window, platform, [&] {
                          return new photos::PhotosWindow(book, shelf, platform, &window);
                      });
                  }});
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

}  // namespace photos
}  // namespace rodwick
