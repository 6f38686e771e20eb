// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <memory>
#include <optional>

#include "command_line.h"
#include "main_window.h"
#include "qt_platform.h"
#include "record_book.h"
#include "splash_screen.h"
#include "startup.h"
#include "statistics_area.h"
#include "text.h"
#include "translation.h"
#include "version.h"

int main(int argc, char* argv[]) {
    // --help and --version answer without a display, so they are read before the windowing
    // system is opened. Anything else goes to QApplication first, which takes its own options
    // (-platform, -style, ...) out of the list; the rest is ours.
    std::optional<QApplication> app;
    rodwick::CommandLine line;
    {
        std::optional<QCoreApplication> reading;
        QStringList arguments;
        for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
        if (rodwick::asksForAnswerOnly(arguments)) {
            reading.emplace(argc, argv);
        } else {
            app.emplace(argc, argv);
        }
        // The usage speaks the user's language too, and every window translates its texts as
        // it is built: the translators come before both.
        rodwick::installTranslations(rodwick::startLanguage());
        line = rodwick::parseCommandLine(QCoreApplication::arguments(), QDir::currentPath());
    }
    switch (line.action) {
        case rodwick::CommandLine::Action::Run:
            break;
        case rodwick::CommandLine::Action::ShowHelp:
        case rodwick::CommandLine::Action::ShowVersion:
            std::fputs(line.text.toLocal8Bit().constData(), stdout);
            return 0;
        case rodwick::CommandLine::Action::Refuse:
            std::fputs(line.text.toLocal8Bit().constData(), stderr);
            return 1;
    }
    // A run asked for together with an answer cannot happen: an answer ends the program.
    if (!app) return 1;

    QApplication::setApplicationName(QStringLiteral("The Rodwick Database"));
    QApplication::setApplicationVersion(QStringLiteral(RODWICK_VERSION));

    rodwick::RecordBook book;
    rodwick::platform::QtPlatform platform;

    // The splash deletes itself when its timer has shown the main window.
    auto* splash = new rodwick::SplashScreen(platform);
    // The splash comes up first and as fast as any window; the hidden main window is built and
    // the start-up run only once the splash has been painted, still long before its timer
    // shows the main window.
    std::unique_ptr<rodwick::MainWindow> mainWindow;
    const std::string commandLineFile = rodwick::toPath(line.file);
    splash->afterFirstPaint([&book, &platform, &mainWindow, splash, commandLineFile] {
        mainWindow = std::make_unique<rodwick::MainWindow>(book, platform);
        splash->setMainWindow(*mainWindow);
        rodwick::startUp(book, platform, *mainWindow, commandLineFile);
    });
    // The splash goes once the main window is on the screen; the charts are loaded after that.
    QObject::connect(splash, &QObject::destroyed, &rodwick::loadChartsWhenIdle);
    splash->start();

    return app->exec();
}
