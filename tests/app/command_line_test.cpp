#include "command_line.h"

#include <gtest/gtest.h>

#include <tuple>

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
        {{"--colour"}, Action::Refuse, ""},
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

}  // namespace
}  // namespace rodwick::testing
