// The Options and Help menu commands of the main window: preferences, font, manual, About.
#include <QAction>

#include "about_dialog.h"
#include "display_font.h"
#include "form1.h"
#include "help.h"
#include "preferences_dialog.h"

namespace rodwick {

void form1::connectPrefsCommands() {
    connect(menuEntry("MnuPref"), &QAction::triggered, this, [this] { MnuPref_Click(); });
    connect(menuEntry("MnuFont"), &QAction::triggered, this, [this] { MnuFont_Click(); });
    connect(menuEntry("MnuHelp"), &QAction::triggered, this, [this] { MnuHelp_Click(); });
    connect(menuEntry("MnuAbo"), &QAction::triggered, this, [this] { MnuAbo_Click(); });
}

void form1::MnuPref_Click() {
    PreferencesDialog dialog(book_, platform_, *this, this);
    platform_.showModal(dialog);
}

void form1::MnuFont_Click() {
    ChooseDisplayFont(book_, platform_, *this, CommonDialog1Font_);
}

void form1::MnuHelp_Click() {
    ShowHelp(platform_, ManualPath(platform_.programDirectory()), WordProcessors());
}

void form1::MnuAbo_Click() {
    AboutDialog dialog(platform_, this);
    platform_.showModal(dialog);
}

}  // namespace rodwick
