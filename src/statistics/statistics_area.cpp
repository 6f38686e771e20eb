// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window on the Options menu: one window at most, following the book.
#include "statistics_area.h"

#include <QPointer>
#include <QTimer>
#include <memory>

#include "chart_module.h"
#include "command_registry.h"
#include "record_book.h"
#include "statistics_window.h"
#include "widgets.h"

namespace rodwick {

void registerStatisticsCommands(CommandRegistry& commands, RecordBook& book,
                                platform::Platform& platform, QWidget& window,
                                stats::CoverOf coverOf) {
    auto open = std::make_shared<QPointer<stats::StatisticsWindow>>();
    commands.add({.name = kStatisticsEntry,
                  .caption = QT_TRANSLATE_NOOP("OptionsMenu", "Statistics..."),
                  .shortcut = "Ctrl+K",
                  .menu = kOptionsMenu,
                  .after = kFindEntry,
                  .needsRecords = true,
                  .handler = [&book, &platform, &window, open, coverOf] {
                      showOneBeside<stats::StatisticsWindow>(*open, window, platform, [&] {
                          auto* statistics = new stats::StatisticsWindow(
                              book, platform, [&book](int record) { (void)book.show(record); },
                              &window);
                          statistics->showCovers(coverOf);
                          return statistics;
                      });
                  }});
}

void loadChartsWhenIdle() {
    // Long enough for the main window's first frames, short against a user reaching for Ctrl+K.
    constexpr int kAfterMilliseconds = 300;
    QTimer::singleShot(kAfterMilliseconds, [] { (void)stats::chartModule(); });
}

}  // namespace rodwick
