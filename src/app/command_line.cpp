// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include "version.h"

namespace rodwick {

QString versionText() {
    // As GNU programs say it: the version, the holder and the licence in a line each.
    return QStringLiteral("rodwick " RODWICK_VERSION
                          "\n"
                          "Copyright (C) 2026 Harrowby Software\n") +
           QCoreApplication::translate(
               "rodwick::CommandLine",
               "License GPLv3+: GNU GPL version 3 or later "
               "<https://gnu.org/licenses/gpl.html>.\n"
               "This is free software: you are free to change and redistribute it.\n"
               "There is NO WARRANTY, to the extent permitted by law.\n");
}

bool asksForAnswerOnly(const QStringList& arguments) {
    static const QStringList kAnswers{QStringLiteral("--help"),    QStringLiteral("-h"),
                                      QStringLiteral("-?"),        QStringLiteral("--help-all"),
                                      QStringLiteral("--version"), QStringLiteral("-v")};
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--")) return false;
        if (kAnswers.contains(arguments[i])) return true;
    }
    return false;
}

CommandLine parseCommandLine(const QStringList& arguments, const QString& workingDir) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "rodwick::CommandLine", "The Rodwick Database: a log book for anglers."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QCoreApplication::translate("rodwick::CommandLine",
                                                             "The database (.RWK) to open "
                                                             "instead of the start-up database."),
                                 QCoreApplication::translate("rodwick::CommandLine", "[FILE]"));

    CommandLine line;
    // parse() rather than process(): process() ends the program itself. An answer asked for
    // is given even beside options unknown here, as Qt's own (-platform, -style) are when
    // they are not read by a QApplication.
    const bool understood = parser.parse(arguments);
    // Qt's --help-all lists QApplication's options too, which are not known before it runs:
    // the usage is the answer, and no run starts without a display.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        line.action = CommandLine::Action::ShowHelp;
        line.text = parser.helpText();
        return line;
    }
    if (parser.isSet(version)) {
        line.action = CommandLine::Action::ShowVersion;
        line.text = versionText();
        return line;
    }
    if (!understood) {
        line.action = CommandLine::Action::Refuse;
        line.text = parser.errorText() + QStringLiteral("\n\n") + parser.helpText();
        return line;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        line.action = CommandLine::Action::Refuse;
        line.text = QCoreApplication::translate("rodwick::CommandLine",
                                                "Only one database can be opened at a time.") +
                    QStringLiteral("\n\n") + parser.helpText();
        return line;
    }
    if (!files.isEmpty()) {
        line.file = QDir::cleanPath(QDir(workingDir).absoluteFilePath(files.front()));
    }
    return line;
}

}  // namespace rodwick
