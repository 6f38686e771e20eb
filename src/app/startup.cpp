// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup.h"

#include <QGuiApplication>

#include "file_io.h"
#include "program_files.h"
#include "settings.h"
#include "text.h"

namespace rodwick {

void loadSettingsAndDatabase(RecordBook& book, platform::Platform& platform, MainWindow& mainWindow,
                             const std::string& openAtStart) {
    const ProgramFiles files = locateProgramFiles(toPath(platform.programDirectory()));
    if (const Status provided = provideUserFiles(files, FileOps::system()); !provided) {
        // The program still starts; the user must know why the example is missing.
        platform.showMessage(
            {QCoreApplication::translate("rodwick::StartUp",
                                         "Could not give you a copy of the example database: %1")
                 .arg(fromPath(provided.message())),
             QCoreApplication::translate("rodwick::StartUp", "Example database"),
             platform::Buttons::Ok, platform::Icon::Stop});
    }
    // A missing or short file yields the defaults, and an empty autoload line the example
    // database.
    book.setSettings(readSettingsFile(files.settings, files.example));

    // The font name is file text (Windows-1252); an unknown family is passed on unchanged.
    const QString font = fromFileText(book.settings().displayFont);
    platform.setPrinterFontName(font);
    mainWindow.applyDisplayFont(font);

    // A missing file leaves the table empty and the name back at "Untitled".
    mainWindow.loadDatabase(openAtStart.empty() ? book.settings().autoloadFile : openAtStart);
}

void startUp(RecordBook& book, platform::Platform& platform, MainWindow& mainWindow,
             const std::string& commandLineFile) {
    // A recovery question answered while only the splash stands would close the last window
    // that counts and end the program before its main window is shown.
    const bool quitOnLastWindow = QGuiApplication::quitOnLastWindowClosed();
    QGuiApplication::setQuitOnLastWindowClosed(false);
    loadSettingsAndDatabase(book, platform, mainWindow, commandLineFile);
    // Only a file the load actually found goes into the list of opened files.
    if (fileExists(book.fileName())) mainWindow.addToFileList();
    // Trips of a table never saved, left by a run that ended without saving them.
    mainWindow.offerUnsavedTable();
    QGuiApplication::setQuitOnLastWindowClosed(quitOnLastWindow);

    // Printing sets the display font itself when it prints.
    platform.setPrinterFontName(QStringLiteral("Times New Roman"));
}

}  // namespace rodwick
