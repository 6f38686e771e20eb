// SPDX-License-Identifier: GPL-3.0-or-later
// The Options and Help menu commands: preferences, font, manual, About.
#include "prefs_area.h"

#include <QCoreApplication>
#include <QString>
#include <memory>

#include "about_dialog.h"
#include "command_registry.h"
#include "display_font.h"
#include "help.h"
#include "language_dialog.h"
#include "preferences_dialog.h"

namespace rodwick {

void registerPrefsCommands(CommandRegistry& commands, RecordBook& book,
                           platform::Platform& platform, MainView& view) {
    // The font dialog's name: the last one chosen in this run.
    auto chosenFont = std::make_shared<QString>();
    commands.add({
        {.name = kPreferencesEntry,
         .caption = QT_TRANSLATE_NOOP("OptionsMenu", "Preferences...   "),
         .shortcut = "Ctrl+U",
         .menu = kOptionsMenu,
         .order = 20,
         .handler =
             [&book, &platform, &view] {
                 PreferencesDialog dialog(book, platform, &view.widget());
                 platform.showModal(dialog);
             }},
        {.name = kFontEntry,
         .caption = QT_TRANSLATE_NOOP("OptionsMenu", "Font..."),
         .menu = kOptionsMenu,
         .order = 30,
         .handler = [&book, &platform, &view,
                     chosenFont] { chooseDisplayFont(book, platform, view, *chosenFont); }},
    });
}

void registerHelpCommands(CommandRegistry& commands, platform::Platform& platform,
                          QWidget& window) {
    commands.add({
        {.name = kHelpEntry,
         .caption = QT_TRANSLATE_NOOP("HelpMenu", "Contents"),
         .shortcut = "Ctrl+H",
         .menu = kHelpMenu,
         .order = 10,
         .handler =
             [&platform] {
                 openManual(platform, manualPath(platform.programDirectory()), wordProcessors());
             }},
        {.name = kHelpSeparator, .menu = kHelpMenu, .order = 20},
        {.name = kLanguageEntry,
         .caption = QT_TRANSLATE_NOOP("HelpMenu", "Switch Application &Language..."),
         .menu = kHelpMenu,
         .order = 25,
         .handler = [&platform, &window] { switchApplicationLanguage(platform, window); }},
        {.name = kAboutEntry,
         .caption = QT_TRANSLATE_NOOP("HelpMenu", "About..."),
         .menu = kHelpMenu,
         .order = 30,
         .handler =
             [&platform, &window] {
                 AboutDialog dialog(platform, &window);
                 platform.showModal(dialog);
             }},
    });
}

}  // namespace rodwick
