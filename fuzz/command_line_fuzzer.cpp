// SPDX-License-Identifier: GPL-3.0-or-later
// Any argument list, NUL-separated after the program's name: the command line is answered
// without a crash, and the answer is one of the four it can be: a file to open (absolute and
// clean), the usage, the version, or a refusal with the usage.
#include <QCoreApplication>
#include <QDir>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "command_line.h"
#include "fuzz_check.h"

using namespace rodwick;
using rodwick::fuzz::require;

namespace {

bool showsUsage(const QString& text) {
    return text.contains(QLatin1String("[FILE]")) && text.contains(QLatin1String("--help")) &&
           text.contains(QLatin1String("--version"));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // The usage names the program as the running application does.
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Command lines are short; longer inputs only slow the search.
    if (size > 1024) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    QStringList arguments{QStringLiteral("rodwick")};
    if (!bytes.empty()) {
        const QString all = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
        arguments += all.split(QChar(u'\0'));
    }

    const bool answerOnly = asksForAnswerOnly(arguments);
    const CommandLine line = parseCommandLine(arguments, QStringLiteral("/home/ann"));
    switch (line.action) {
        case CommandLine::Action::Run:
            require(line.text.isEmpty(), "a run has nothing to print");
            require(line.file.isEmpty() || (QDir::isAbsolutePath(line.file) &&
                                            QDir::cleanPath(line.file) == line.file),
                    "a file to open is absolute and clean");
            break;
        case CommandLine::Action::ShowHelp:
        case CommandLine::Action::Refuse:
            require(line.file.isEmpty() && showsUsage(line.text),
                    "help and a refusal show the usage");
            break;
        case CommandLine::Action::ShowVersion:
            require(line.file.isEmpty() && line.text == versionText(),
                    "the version is the program's");
            break;
    }
    // What is read before the display opens is answered: a run would need the display.
    require(!answerOnly || line.action != CommandLine::Action::Run,
            "a command line read without a display is answered");
    return 0;
}
