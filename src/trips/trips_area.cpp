// The trip list on the Record menu: one window at most, beside the main window.
#include "trips_area.h"

#include <QPointer>
#include <QRect>
#include <memory>

#include "command_registry.h"
#include "trip_list_window.h"

namespace rodwick {

void registerTripCommands(CommandRegistry& commands, RecordBook& book, platform::Platform& platform,
                          QWidget& window) {
    auto open = std::make_shared<QPointer<trips::TripListWindow>>();
    commands.add({.name = kTripListEntry,
                  .caption = "Trip List...",
                  .shortcut = "Ctrl+L",
                  .menu = kRecordMenu,
                  .after = kGotoEntry,
                  .needsRecords = true,
                  .handler = [&book, &platform, &window, open] {
                      if (*open) {
                          (*open)->raise();
                          (*open)->activateWindow();
                          return;
                      }
                      auto* list = new trips::TripListWindow(book, platform,
                                                             trips::windowLayoutFile(), &window);
                      *open = list;
                      // Beside the main window where the screen has room, so that the trip
                      // shown on Return stays in sight.
                      const QRect main = window.frameGeometry();
                      if (main.right() + 8 + list->width() <= platform.screenSize().width()) {
                          list->move(main.right() + 8, main.top());
                      }
                      platform.showModeless(*list);
                  }});
}

}  // namespace rodwick
