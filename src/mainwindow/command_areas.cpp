// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_areas.h"

#include "csv_commands.h"
#include "editing_area.h"
#include "finding_area.h"
#include "interchange_area.h"
#include "main_view.h"
#include "output_area.h"
#include "photos_area.h"
#include "prefs_area.h"
#include "statistics_area.h"
#include "trips_area.h"

namespace rodwick {

void registerCommandAreas(CommandRegistry& commands, RecordBook& book, PhotoShelf& photos,
                          platform::Platform& platform, MainView& view) {
    QWidget& window = view.widget();
    EditCommands& edit = registerEditingCommands(commands, book, platform, view);
    registerFindingCommands(commands, book, platform, window);
    registerOutputCommands(commands, book, platform, window);
    registerPrefsCommands(commands, book, platform, view);
    registerHelpCommands(commands, platform, window);
    // The personal bests show the covers of their trips.
    registerStatisticsCommands(commands, book, platform, window,
                               [&photos](int record) -> std::optional<std::string> {
                                   const auto cover = photos.coverOf(record);
                                   if (!cover) return std::nullopt;
                                   return photos.pathOf(cover->name);
                               });
    registerInterchangeCommands(commands, book, platform, window);
    // The trip list writes the trips it shows as the spreadsheet export writes them.
    registerTripCommands(commands, book, photos, platform, window,
                         [&platform](std::span<const TripRecord> trips, const UnitNames& units) {
                             exportCsv(trips, units, platform);
                         });
    // A trip made from photos opens the record editor as Add does, its times filled in.
    registerPhotoCommands(commands, book, photos, platform, window,
                          [&edit](const EditCommands::Prepare& prepare, EditCommands::Added added) {
                              edit.addFilled(prepare, std::move(added));
                          });
}

}  // namespace rodwick
