#include "display_font.h"

#include "text.h"

namespace rodwick {

void ChooseDisplayFont(RecordBook& book, platform::Platform& platform, MainView& view,
                       QString& lastChosen) {
    const QString offered =
        lastChosen.isEmpty() ? FromFileText(book.settings().displayFont) : lastChosen;
    const QString family = platform.fontDialog(offered);
    // An empty name would leave the labels to whatever default the platform picks.
    if (family.isEmpty()) return;
    lastChosen = family;
    Settings settings = book.settings();
    settings.displayFont = ToFileText(family);
    book.setSettings(std::move(settings));
    platform.setPrinterFontName(family);
    view.ApplyDisplayFont(family);
}

}  // namespace rodwick
