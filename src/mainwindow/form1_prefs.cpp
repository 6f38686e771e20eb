// The Options and Help menu commands of the main window: preferences, font, manual, About.
#include <QAction>

#include "command_areas.h"
#include "command_registry.h"
#include "display_font.h"
#include "form1.h"
#include "form3.h"
#include "form4.h"
#include "help.h"

namespace rodwick {

void RegisterPrefsCommands(CommandRegistry& commands, form1& window) {
    commands.add({
        {"MnuPref", "Preferences...   ", "Ctrl+U", "MnuOption", nullptr, 20, false,
         [&] { window.MnuPref_Click(); }},
        {"MnuFont", "Font...", nullptr, "MnuOption", nullptr, 30, false,
         [&] { window.MnuFont_Click(); }},
    });
}

void RegisterHelpCommands(CommandRegistry& commands, form1& window) {
    commands.add({
        {"MnuHelp", "Contents", "Ctrl+H", "crap", nullptr, 10, false,
         [&] { window.MnuHelp_Click(); }},
        {"crap3", nullptr, nullptr, "crap", nullptr, 20},
        {"MnuAbo", "About...", nullptr, "crap", nullptr, 30, false, [&] { window.MnuAbo_Click(); }},
    });
}

void form1::MnuPref_Click() {
    Form3 dialog(book_, platform_, *this, this);
    platform_.showModal(dialog);
}

void form1::MnuFont_Click() {
    ChooseDisplayFont(book_, platform_, *this, CommonDialog1Font_);
}

void form1::MnuHelp_Click() {
    ShowHelp(platform_, ManualPath(platform_.programDirectory()), WordProcessors());
}

void form1::MnuAbo_Click() {
    Form4 dialog(platform_, this);
    platform_.showModal(dialog);
}

}  // namespace rodwick
