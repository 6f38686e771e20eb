#include <QApplication>

#include "form1.h"
#include "form9.h"
#include "qt_platform.h"
#include "record_book.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("The Rodwick Database"));

    rodwick::RecordBook book;
    rodwick::platform::QtPlatform platform;
    // Built now and kept hidden: the splash loads the database into it and shows it later.
    rodwick::form1 mainWindow(book, platform);

    // The splash deletes itself when its timer has shown the main window.
    auto* splash = new rodwick::Form9(book, platform, mainWindow);
    splash->Form_Load();

    return app.exec();
}
