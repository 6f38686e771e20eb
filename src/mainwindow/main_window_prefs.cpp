// The Options and Help menu commands of the main window: preferences, font, manual, About.
#include <QAction>

#include "about_dialog.h"
#include "command_areas.h"
#include "command_registry.h"
#include "display_font.h"
#include "help.h"
#include "main_window.h"
#include "preferences_dialog.h"

namespace rodwick {

void RegisterPrefsCommands(CommandRegistry& commands, MainWindow& window) {
    commands.add({
        {"MnuPref", "Preferences...   ", "Ctrl+U", "MnuOption", nullptr, 20, false,
         [&] { window.editPreferences(); }},
        {"MnuFont", "Font...", nullptr, "MnuOption", nullptr, 30, false,
         [&] { window.chooseFont(); }},
    });
}

void RegisterHelpCommands(CommandRegistry& commands, MainWindow& window) {
    commands.add({
        {"MnuHelp", "Contents", "Ctrl+H", "crap", nullptr, 10, false, [&] { window.showHelp(); }},
        {"crap3", nullptr, nullptr, "crap", nullptr, 20},
        {"MnuAbo", "About...", nullptr, "crap", nullptr, 30, false, [&] { window.showAbout(); }},
    });
}

void MainWindow::editPreferences() {
    PreferencesDialog dialog(book_, platform_, *this, this);
    platform_.showModal(dialog);
}

void MainWindow::chooseFont() {
    ChooseDisplayFont(book_, platform_, *this, chosenFont_);
}

void MainWindow::showHelp() {
    ShowHelp(platform_, ManualPath(platform_.programDirectory()), WordProcessors());
}

void MainWindow::showAbout() {
    AboutDialog dialog(platform_, this);
    platform_.showModal(dialog);
}

}  // namespace rodwick
