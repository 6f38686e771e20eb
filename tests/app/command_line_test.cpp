#include "command_line.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "version.h"

namespace rodwick::testing {
namespace {

using Action = CommandLine::Action;

TEST(CommandLineTest, AFileNamedIsOpenedAndTheOptionsAnswerWithoutStarting) {
    // What is given after the program's name, the action and the file expected.
    const std::tuple<QStringList, Action, QString> cases[] = {
        {{}, Action::Run, ""},
        {{"TRIPS.RWK"}, Action::Run, "/home/ann/TRIPS.RWK"},
        {{"../bob/./TRIPS.RWK"}, Action::Run, "/home/bob/TRIPS.RWK"},
        {{"/data/Pêche 2024.rwk"}, Action::Run, "/data/Pêche 2024.rwk"},
        {{"--", "-odd.RWK"}, Action::Run, "/home/ann/-odd.RWK"},
        {{"--help"}, Action::ShowHelp, ""},
        {{"-h"}, Action::ShowHelp, ""},
        {{"TRIPS.RWK", "--help"}, Action::ShowHelp, ""},
        {{"--version"}, Action::ShowVersion, ""},
        {{"-v"}, Action::ShowVersion, ""},
        {{"-platform", "offscreen", "--version"}, Action::ShowVersion, ""},
        {{"-style", "fusion", "--help"}, Action::ShowHelp, ""},
        {{"--colour"}, Action::Refuse, ""},
        {{"--colour", "TRIPS.RWK"}, Action::Refuse, ""},
        {{"ONE.RWK", "TWO.RWK"}, Action::Refuse, ""},
    };
    for (const auto& [arguments, action, file] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const CommandLine line =
            ParseCommandLine(QStringList{"rodwick"} + arguments, QStringLiteral("/home/ann"));
        EXPECT_EQ(line.action, action);
        EXPECT_EQ(line.file, file);
        switch (action) {
            case Action::Run:
                EXPECT_EQ(line.text, "");
                break;
            case Action::ShowVersion:
                EXPECT_EQ(line.text, "rodwick " RODWICK_VERSION "\n");
                break;
            case Action::ShowHelp:
            case Action::Refuse:
                // Both show the usage: the one positional argument and the two options.
                for (const char* part : {"[FILE]", "--help", "--version"}) {
                    EXPECT_TRUE(line.text.contains(part))
                        << part << " in " << line.text.toStdString();
                }
                break;
        }
    }
}

TEST(CommandLineTest, OnlyTheAnswersAreReadBeforeTheDisplayIsOpened) {
    // Everything else waits for QApplication, which takes Qt's own options out first.
    const std::pair<QStringList, bool> cases[] = {
        {{}, false},
        {{"TRIPS.RWK"}, false},
        {{"-platform", "offscreen", "TRIPS.RWK"}, false},
        {{"--colour"}, false},
        {{"--help"}, true},
        {{"-h"}, true},
        {{"-?"}, true},
        {{"--help-all"}, true},
        {{"--version"}, true},
        {{"-platform", "xcb", "-v"}, true},
        {{"--", "--help"}, false},
        {{"-v", "--", "TRIPS.RWK"}, true},
    };
    for (const auto& [arguments, answerOnly] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        EXPECT_EQ(AsksForAnswerOnly(QStringList{"rodwick"} + arguments), answerOnly);
    }
    // The program's own name is never taken for an option.
    EXPECT_FALSE(AsksForAnswerOnly({"--help"}));
}

}  // namespace
}  // namespace rodwick::testing
