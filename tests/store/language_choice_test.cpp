// SPDX-License-Identifier: GPL-3.0-or-later
#include "language_choice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rodwick_test/store_test_util.h"

namespace rodwick {
namespace {

using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

TEST(LanguageChoice, KeptInTheUsersConfigurationFolder) {
    struct Case {
        UserFolders user;
        std::string file;
    };
    const std::vector<Case> cases = {
        {{"/home/ann", "/cfg", "", ""}, "/cfg/rodwick/language.conf"},
        {{"/home/ann", "", "", ""}, "/home/ann/.config/rodwick/language.conf"},
        // A relative XDG folder is to be ignored, as the other files of the user do.
        {{"/home/ann", "cfg", "", ""}, "/home/ann/.config/rodwick/language.conf"},
        {{"", "", "", ""}, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(languageChoiceFile(c.user), c.file) << c.file;
}

TEST(LanguageChoice, WrittenChoiceIsReadAtTheNextStartAndSystemRemovesIt) {
    TempDir dir;
    // The folder does not exist yet on a first choice.
    const std::string file = dir.file("config/rodwick/language.conf");
    EXPECT_EQ(readLanguageChoice(file), "");
    for (const std::string language : {"de", "fr", "en"}) {
        ASSERT_TRUE(writeLanguageChoice(file, language)) << language;
        EXPECT_EQ(readLanguageChoice(file), language);
    }
    EXPECT_EQ(readBytes(file), "language=en\n");
    ASSERT_TRUE(writeLanguageChoice(file, ""));
    EXPECT_FALSE(fileExists(file));
    EXPECT_EQ(readLanguageChoice(file), "");
    // Choosing the system's language twice is no failure.
    EXPECT_TRUE(writeLanguageChoice(file, ""));
}

TEST(LanguageChoice, ALanguageNotShippedIsRefusedAndTheFileKept) {
    TempDir dir;
    const std::string file = dir.file("language.conf");
    ASSERT_TRUE(writeLanguageChoice(file, "fr"));
    EXPECT_FALSE(writeLanguageChoice(file, "nl"));
    EXPECT_FALSE(writeLanguageChoice("", "de"));
    EXPECT_EQ(readLanguageChoice(file), "fr");
}

TEST(LanguageChoice, AFailedWriteLeavesTheFormerChoice) {
    TempDir dir;
    const std::string file = dir.file("language.conf");
    ASSERT_TRUE(writeLanguageChoice(file, "de"));
    EXPECT_FALSE(writeLanguageChoice(file, "fr", testing::writeFailsAfter(3)));
    EXPECT_EQ(readLanguageChoice(file), "de");
}

TEST(LanguageChoice, ADamagedFileMeansTheSystemsLanguage) {
    const std::vector<std::string> damaged = {
        "",
        "language=",
        "language=nl\n",
        "language=deu\n",
        "lang=de\n",
        "de\n",
        "\xff\xfe",
        std::string("language=d\0e\n", 13),
        "language=de fr\n",
    };
    TempDir dir;
    const std::string file = dir.file("language.conf");
    for (const std::string& bytes : damaged) {
        writeBytes(file, bytes);
        EXPECT_EQ(readLanguageChoice(file), "") << bytes;
    }
    // Written by another editor: Windows line ends and no final line end are still a choice.
    for (const std::string bytes : {"language=fr\r\n", "language=fr"}) {
        writeBytes(file, bytes);
        EXPECT_EQ(readLanguageChoice(file), "fr") << bytes;
    }
}

TEST(LanguageChoice, TheChoiceComesBeforeTheSystemsLanguages) {
    struct Case {
        std::string choice;
        std::vector<std::string> system;
        std::string used;
    };
    const std::vector<Case> cases = {
        {"", {"de-DE", "de"}, "de"},
        {"", {"fr-CA"}, "fr"},
        {"", {"de_AT.UTF-8"}, "de"},
        {"", {"DE"}, "de"},
        // LANGUAGE=nl:fr: the first language the program speaks.
        {"", {"nl-NL", "nl", "fr-FR", "fr"}, "fr"},
        // English before German in the user's list is English.
        {"", {"en-GB", "de-DE"}, "en"},
        {"", {"C"}, "en"},
        {"", {}, "en"},
        {"", {"nl-BE", "es"}, "en"},
        {"en", {"de-DE"}, "en"},
        {"fr", {"de-DE"}, "fr"},
        {"de", {}, "de"},
        {"nl", {"fr-FR"}, "fr"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(languageToUse(c.choice, c.system), c.used)
            << "choice '" << c.choice << "', first system language "
            << (c.system.empty() ? "none" : c.system.front());
    }
}

}  // namespace
}  // namespace rodwick
