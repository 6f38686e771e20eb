#include <QApplication>

#include "app_state.h"
#include "form1.h"
#include "form9.h"
#include "qt_platform.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("The Rodwick Database"));

    rodwick::AppState state;
    rodwick::platform::QtPlatform platform;
    // Built now and kept hidden: the splash loads the database into it and shows it later.
    rodwick::form1 mainWindow(state, platform);

    // The splash deletes itself when its timer has shown the main window.
    auto* splash = new rodwick::Form9(state, platform, mainWindow);
    splash->Form_Load();

    return app.exec();
}
