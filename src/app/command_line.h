// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace rodwick {

// What the command line asks for.
struct CommandLine {
    enum class Action { Run, ShowHelp, ShowVersion, Refuse };
    Action action = Action::Run;
    // Run: the database named, absolute, or empty for the start-up file.
    QString file;
    // ShowHelp, ShowVersion: the text for standard output; Refuse: the reason with the usage.
    QString text;
};

// What --version prints: the program, its version, the copyright and the licence.
QString versionText();

// Whether the command line asks only for an answer (--help, -h, -?, --help-all, --version,
// -v), so it can be read without a display. Everything after "--" is a file name.
bool asksForAnswerOnly(const QStringList& arguments);

// arguments as main() receives them, the program's name first; relative file names are taken
// from workingDir.
CommandLine parseCommandLine(const QStringList& arguments, const QString& workingDir);

}  // namespace rodwick
