// The statistics window on the Options menu: one window at most, following the book.
#include "statistics_area.h"

#include <QPointer>
#include <QRect>
#include <memory>

#include "command_registry.h"
#include "record_book.h"
#include "statistics_window.h"

namespace rodwick {

void registerStatisticsCommands(CommandRegistry& commands, RecordBook& book,
                                platform::Platform& platform, QWidget& window) {
    auto open = std::make_shared<QPointer<stats::StatisticsWindow>>();
    commands.add({.name = kStatisticsEntry,
                  .caption = "Statistics...",
                  .shortcut = "Ctrl+K",
                  .menu = kOptionsMenu,
                  .after = kFindEntry,
                  .needsRecords = true,
                  .handler = [&book, &platform, &window, open] {
                      if (*open) {
                          (*open)->raise();
                          (*open)->activateWindow();
                          return;
                      }
                      auto* statistics = new stats::StatisticsWindow(
                          book, platform, [&book](int record) { (void)book.show(record); },
                          &window);
                      *open = statistics;
                      // Beside the main window where the screen has room, so that both stay
                      // in sight while the user moves through the trips.
                      const QRect main = window.frameGeometry();
                      if (main.right() + 8 + statistics->width() <= platform.screenSize().width()) {
                          statistics->move(main.right() + 8, main.top());
                      }
                      platform.showModeless(*statistics);
                  }});
}

}  // namespace rodwick
