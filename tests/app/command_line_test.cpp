// SPDX-License-Identifier: GPL-3.0-or-later
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
        {{"TRIPS.RWK", "--help"}, Action::ShowHelp, ""},
        {{"--help-all"}, Action::ShowHelp, ""},
        {{"-v"}, Action::ShowVersion, ""},
        {{"-platform", "offscreen", "--version"}, Action::ShowVersion, ""},
        {{"-style", "fusion", "--help"}, Action::ShowHelp, ""},
        {{"--colour", "TRIPS.RWK"}, Action::Refuse, ""},
        {{"ONE.RWK", "TWO.RWK"}, Action::Refuse, ""}};
    for (const auto& [arguments, action, file] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const CommandLine line =
            parseCommandLine(QStringList{"rodwick"} + arguments, QStringLiteral("/home/ann"));
        EXPECT_EQ(line.action, action);
        EXPECT_EQ(line.file, file);
        // Help and a refusal both show the usage: the one positional argument and the options.
        const bool usage = line.text.contains("[FILE]") && line.text.contains("--help") &&
                           line.text.contains("--version");
        EXPECT_EQ(usage, action == Action::ShowHelp || action == Action::Refuse);
        if (!usage) {
            EXPECT_EQ(line.text, action == Action::Run ? "" : versionText());
        }
    }
    // The version comes first, alone on its line, and the licence is named.
    EXPECT_TRUE(versionText().startsWith("rodwick " RODWICK_VERSION "\n"));
    EXPECT_TRUE(versionText().contains("GNU GPL version 3 or later"));
    EXPECT_TRUE(versionText().endsWith(".\n"));
}

TEST(CommandLineTest, OnlyTheAnswersAreReadBeforeTheDisplayIsOpened) {
    // Everything else waits for QApplication, which takes Qt's own options out first.
    const std::pair<QStringList, bool> cases[] = {{{"-platform", "offscreen", "TRIPS.RWK"}, false},
                                                  {{"--colour"}, false},
                                                  {{"--", "--help"}, false},
                                                  {{"-?"}, true},
                                                  {{"--help-all"}, true},
                                                  {{"-platform", "xcb", "-v"}, true}};
    for (const auto& [arguments, answerOnly] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        EXPECT_EQ(asksForAnswerOnly(QStringList{"rodwick"} + arguments), answerOnly);
    }
    // The program's own name is never taken for an option.
    EXPECT_FALSE(asksForAnswerOnly({"--help"}));
}

}  // namespace
}  // namespace rodwick::testing
