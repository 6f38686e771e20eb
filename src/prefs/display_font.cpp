#include "display_font.h"

#include "text.h"

namespace rodwick {

void ChooseDisplayFont(AppState& state, platform::Platform& platform, MainView& view,
                       QString& lastChosen) {
    const QString offered =
        lastChosen.isEmpty() ? FromFileText(state.settings.displayFont) : lastChosen;
    const QString family = platform.fontDialog(offered);
    // An empty name would leave the labels to whatever default the platform picks.
    if (family.isEmpty()) return;
    lastChosen = family;
    state.settings.displayFont = ToFileText(family);
    platform.setPrinterFontName(family);
    view.ApplyDisplayFont(family);
}

}  // namespace rodwick
