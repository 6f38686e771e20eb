// SPDX-License-Identifier: GPL-3.0-or-later
// The trip list on the Record menu: one window at most, beside the main window.
#include "trips_area.h"

#include <QPointer>
#include <memory>

#include "command_registry.h"
#include "trip_list_window.h"
#include "widgets.h"

namespace rodwick {

void registerTripCommands(CommandRegistry& commands, RecordBook& book, PhotoShelf& photos,
                          platform::Platform& platform, QWidget& window,
                          trips::ExportTrips exportTrips) {
    auto open = std::make_shared<QPointer<trips::TripListWindow>>();
    commands.add({.name = kTripListEntry,
                  .caption = QT_TRANSLATE_NOOP("RecordMenu", "Trip List..."),
                  .shortcut = "Ctrl+L",
                  .menu = kRecordMenu,
                  .after = kGotoEntry,
                  .needsRecords = true,
                  .handler = [&book, &photos, &platform, &window, open, exportTrips] {
                      showOneBeside<trips::TripListWindow>(*open, window, platform, [&] {
                          auto* list = new trips::TripListWindow(
                              book, platform, trips::windowLayoutFile(), exportTrips, &window);
                          list->showPhotos(photos);
                          return list;
                      });
                  }});
}

}  // namespace rodwick
