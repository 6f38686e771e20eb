// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings.h"

#include <gtest/gtest.h>

#include "rodwick_test/store_test_util.h"

namespace rodwick {
namespace {

using testing::TempDir;

const std::string kImperialFile =
    "/home/angler/TRIPS.RWK\r\n 0 \r\nlb\r\noz\r\n14\r\nft\r\ninch\r\n16\r\nTimes New Roman\r\n";
const Settings kImperial{"/home/angler/TRIPS.RWK", 0, UnitNames::imperial(), "14", "16",
                         "Times New Roman"};

std::string withLine2(const std::string& line2) {
    return "p\r\n" + line2 + "\r\nKg\r\ng\r\n99\r\nm\r\ncm\r\n99\r\nArial\r\n";
}

TEST(SettingsTest, FilesAreReadLineByLineAndWrittenBackTheSame) {
    EXPECT_EQ(settingsPath("/opt/rodwick/"), "/opt/rodwick/ANGLEBOX.INI");
    EXPECT_EQ(settingsPath("/opt/rodwick"), "/opt/rodwick/ANGLEBOX.INI");
    EXPECT_EQ(formatSettings(defaultSettings("/opt/rodwick/")),
              "/opt/rodwick/EXAMPLE.RWK\r\n 1 \r\nKg\r\ng\r\n99\r\nm\r\ncm\r\n99\r\nArial\r\n");
    EXPECT_EQ(parseSettings(kImperialFile), kImperial);
    EXPECT_EQ(formatSettings(kImperial), kImperialFile);

    // The path is Windows-1252 in the file and UTF-8 in memory.
    const std::string accented = "/home/ren\xE9/T.RWK\r\n" + withLine2(" 1 ").substr(3);
    const std::optional<Settings> s = parseSettings(accented);
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->autoloadFile, "/home/ren\xC3\xA9/T.RWK");
    EXPECT_EQ(formatSettings(*s), accented);
}

TEST(SettingsTest, HandEditedValuesAreKeptExactly) {
    const std::optional<Settings> s =
        parseSettings("x\r\n1\r\nKilo \r\n gram\xE9\r\n99\r\n\r\ncm\nx\r\n99\r\nArial\r\n");
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->units, (UnitNames{"Kilo ", " gram\xE9", "", "cm\nx"}));
    EXPECT_FALSE(s->units.isMetric());

    // The venue option: only 1 shows the lists; the file gets " 1 " or " 0 " back.
    for (const auto& [line2, shows] :
         {std::pair(" 1 ", true), std::pair("1", true), std::pair("  0  ", false),
          std::pair("-5 ", false), std::pair("7", false), std::pair(" -1 ", false)}) {
        const std::optional<Settings> parsed = parseSettings(withLine2(line2));
        ASSERT_TRUE(parsed.has_value()) << line2;
        EXPECT_EQ(parsed->showVenuesOnEdit, shows) << line2;
        EXPECT_EQ(formatSettings(*parsed), withLine2(shows ? " 1 " : " 0 ")) << line2;
    }
    for (const char* bad : {"", "yes", "1x", "- 1", "1 1"}) {
        EXPECT_EQ(parseSettings(withLine2(bad)), std::nullopt) << '"' << bad << '"';
    }
}

TEST(SettingsTest, WhatTheFileCannotHoldIsWrittenSafely) {
    Settings s = defaultSettings("/opt");
    s.autoloadFile =
        "/data/\xE6\x97\xA5\xC3\xA9/\xFF"
        "a.RWK";  // CJK, e acute, a bad byte
    s.displayFont = "Odd\r\nFont";
    const std::string bytes = formatSettings(s);
    EXPECT_EQ(bytes.substr(0, bytes.find("\r\n")), "/data/?\xE9/?a.RWK");
    EXPECT_EQ(parseSettings(bytes)->displayFont, "Odd Font");
}

TEST(SettingsTest, TheFileBesideTheProgramIsReadButNeverWritten) {
    const std::pair<const char*, std::string> files[] = {
        {"no file", ""},
        {"eight lines", kImperialFile.substr(0, kImperialFile.rfind("Times"))},
        {"line 2 not a number", withLine2("no")},
        {"imperial", kImperialFile},
        {"empty first line", "\r\n" + kImperialFile.substr(24)},
    };
    for (const auto& [label, file] : files) {
        SCOPED_TRACE(label);
        TempDir dir;
        if (!file.empty()) testing::writeBytes(dir.file("ANGLEBOX.INI"), file);
        Settings expected = defaultSettings(dir.path);
        if (file.ends_with("Roman\r\n")) expected = kImperial;
        if (file.starts_with("\r\n")) expected.autoloadFile = dir.file("EXAMPLE.RWK");
        EXPECT_EQ(readSettingsFile(dir.path + "/"), expected);
        EXPECT_EQ(testing::readBytes(dir.file("ANGLEBOX.INI")), file);
        EXPECT_EQ(dir.names().size(), file.empty() ? 0u : 1u);
    }
}

}  // namespace
}  // namespace rodwick
