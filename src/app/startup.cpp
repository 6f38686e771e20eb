#include "startup.h"

#include "settings.h"
#include "text.h"

namespace rodwick {

void ReadSettings(RecordBook& book, platform::Platform& platform, form1& mainWindow) {
    // A missing or short file yields the defaults, and an empty autoload line the example
    // database beside the program.
    book.setSettings(ReadSettingsFile(ToPath(platform.programDirectory())));

    // The font name is file text (Windows-1252); an unknown family is passed on unchanged.
    const QString font = FromFileText(book.settings().displayFont);
    platform.setPrinterFontName(font);
    mainWindow.ApplyDisplayFont(font);

    // A missing file leaves the table empty and the name back at "Untitled".
    mainWindow.LoadDatabase(book.settings().autoloadFile);
}

}  // namespace rodwick
