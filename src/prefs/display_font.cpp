// SPDX-License-Identifier: GPL-3.0-or-later
#include "display_font.h"

#include "text.h"

namespace rodwick {

void chooseDisplayFont(RecordBook& book, platform::Platform& platform, MainView& view,
                       QString& lastChosen) {
    const QString offered =
        lastChosen.isEmpty() ? fromFileText(book.settings().displayFont) : lastChosen;
    const QString family = platform.fontDialog(offered);
    // An empty name would leave the labels to whatever default the platform picks.
    if (family.isEmpty()) return;
    lastChosen = family;
    Settings settings = book.settings();
    settings.displayFont = toFileText(family);
    book.setSettings(std::move(settings));
    platform.setPrinterFontName(family);
    view.applyDisplayFont(family);
}

}  // namespace rodwick
