#include <gtest/gtest.h>

#include <string>

#include "text.h"

namespace rodwick {
namespace {

TEST(FileText, EveryByteSurvivesTheTripThroughUnicode) {
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes.push_back(static_cast<char>(b));
    const QString text = FromFileText(bytes);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(ToFileText(text), bytes);

    // Windows-1252, not Latin-1; the undefined bytes keep their number.
    EXPECT_EQ(FromFileText("\x80 \x93Tench\x94 Br\xE8me \x81"),
              QStringLiteral("€ “Tench” Brème \u0081"));
    EXPECT_EQ(ToFileText(QStringLiteral("12 € – “Barbel”")),
              "12 \x80 \x96 \x93"
              "Barbel\x94");
}

TEST(FileText, CharactersWithoutAByteBecomeQuestionMarks) {
    EXPECT_EQ(ToFileText(QStringLiteral("Łódź Ω")),
              "?\xF3"
              "d? ?");
    // A character outside the basic plane is one character, so one '?'.
    EXPECT_EQ(ToFileText(QStringLiteral("carp 🐟!")), "carp ?!");
}

TEST(Paths, AreUtf8BothWays) {
    const QString path = QStringLiteral("/home/anglers/Pêche/Brème & Łowisko.RWK");
    const std::string utf8 =
        "/home/anglers/P\xC3\xAA"
        "che/Br\xC3\xA8me & \xC5\x81owisko.RWK";
    EXPECT_EQ(ToPath(path), utf8);
    EXPECT_EQ(FromPath(utf8), path);
}

}  // namespace
}  // namespace rodwick
