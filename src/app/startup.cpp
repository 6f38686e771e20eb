#include "startup.h"

#include "file_io.h"
#include "program_files.h"
#include "settings.h"
#include "text.h"

namespace rodwick {

void ReadSettings(RecordBook& book, platform::Platform& platform, MainWindow& mainWindow,
                  const std::string& openAtStart) {
    const ProgramFiles files = LocateProgramFiles(ToPath(platform.programDirectory()));
    if (const Status provided = ProvideUserFiles(files, FileOps::System()); !provided) {
        // The program still starts; the user must know why the example is missing.
        platform.showMessage(
            {QStringLiteral("Could not give you a copy of the example database: ") +
                 FromPath(provided.message()),
             QStringLiteral("Example database"), platform::Buttons::Ok, platform::Icon::Stop});
    }
    // A missing or short file yields the defaults, and an empty autoload line the example
    // database.
    book.setSettings(ReadSettingsFile(files.settings, files.example));

    // The font name is file text (Windows-1252); an unknown family is passed on unchanged.
    const QString font = FromFileText(book.settings().displayFont);
    platform.setPrinterFontName(font);
    mainWindow.ApplyDisplayFont(font);

    // A missing file leaves the table empty and the name back at "Untitled".
    mainWindow.loadDatabase(openAtStart.empty() ? book.settings().autoloadFile : openAtStart);
}

void StartUp(RecordBook& book, platform::Platform& platform, MainWindow& mainWindow,
             const std::string& commandLineFile) {
    ReadSettings(book, platform, mainWindow, commandLineFile);
    // Only a file the load actually found goes into the list of opened files.
    if (FileExists(book.fileName())) mainWindow.addToFileList();

    // Printing sets the display font itself when it prints.
    platform.setPrinterFontName(QStringLiteral("Times New Roman"));
}

}  // namespace rodwick
