// SPDX-License-Identifier: GPL-3.0-or-later
#include "codec.h"

#include <gtest/gtest.h>

namespace rodwick {
namespace {

TEST(CodecTest, EveryByteComesBackAndTheHighControlsAreTheCodePagesLetters) {
    // The ends of the 80..9F block, and two of the five bytes the code page leaves undefined,
    // which keep their own number so that they survive a round trip.
    const std::pair<unsigned char, char32_t> bytes[] = {{0x7F, 0x7F}, {0x80, 0x20AC}, {0x81, 0x81},
                                                        {0x9D, 0x9D}, {0x9F, 0x178},  {0xA0, 0xA0}};
    for (const auto& [byte, codePoint] : bytes) {
        EXPECT_EQ(cp1252ToCodePoint(byte), codePoint) << std::hex << int{byte};
    }
    std::string all;
    for (int b = 0; b < 256; ++b) {
        EXPECT_EQ(codePointToCp1252(cp1252ToCodePoint(b)), static_cast<unsigned char>(b)) << b;
        all.push_back(static_cast<char>(b));
    }
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
    // U+0080 and U+009E have no byte.
    EXPECT_EQ(codePointToCp1252(0x80), std::nullopt);
    EXPECT_EQ(codePointToCp1252(0x9E), std::nullopt);
}

TEST(CodecTest, KnownCharacters) {
    // Pound, euro, right quote, Y diaeresis and e acute among plain letters.
    const std::string cp1252 = "\xA3 \x80 \x92\x9F caf\xE9 Roach 1lb";
    const std::string utf8 = "\xC2\xA3 \xE2\x82\xAC \xE2\x80\x99\xC5\xB8 caf\xC3\xA9 Roach 1lb";
    EXPECT_EQ(cp1252ToUtf8(cp1252), utf8);
    EXPECT_EQ(utf8ToCp1252(utf8), cp1252);
}

TEST(CodecTest, InvalidUtf8AndWhatTheCodePageCannotCarryAreRefusedOrQuestionMarks) {
    // CJK, an emoji and U+0080 are one character each; then truncated, no continuation, stray
    // continuation, overlong, surrogate, above U+10FFFF and a byte UTF-8 never uses.
    // clang-format off
    const std::pair<const char*, const char*> cases[] = {
        {"\xE6\x97\xA5", "?"}, {"ok \xF0\x9F\x90\x9F", "ok ?"}, {"\xC2\x80", "?"}, {"\xC3", "?"},
        {"\xC3(", "?("}, {"\xA3", "?"}, {"\xC0\xAF", "??"}, {"\xE0\x80\xAF", "???"},
        {"\xED\xA0\x80", "???"}, {"\xF4\x90\x80\x80", "????"}, {"\xFF", "?"}};
    // clang-format on
    for (const auto& [bad, lossy] : cases) {
        EXPECT_EQ(utf8ToCp1252(bad), std::nullopt) << ::testing::PrintToString(bad);
        EXPECT_EQ(utf8ToCp1252Lossy(bad), lossy) << ::testing::PrintToString(bad);
    }
    EXPECT_EQ(utf8ToCp1252Lossy("\xC2\xA3 caf\xC3\xA9 \xE2\x82\xAC"), "\xA3 caf\xE9 \x80");
}

}  // namespace
}  // namespace rodwick
