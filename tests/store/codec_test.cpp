#include "codec.h"

#include <gtest/gtest.h>

namespace rodwick {
namespace {

TEST(CodecTest, EveryByteHasItsOwnCodePointAndComesBack) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
    for (int b = 0; b < 256; ++b) {
        EXPECT_EQ(CodePointToCp1252(Cp1252ToCodePoint(b)), static_cast<unsigned char>(b)) << b;
    }
    // The undefined bytes keep their number; U+0080 and U+009E have no byte.
    for (const unsigned char b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(Cp1252ToCodePoint(b), static_cast<char32_t>(b));
    }
    EXPECT_EQ(CodePointToCp1252(0x80), std::nullopt);
    EXPECT_EQ(CodePointToCp1252(0x9E), std::nullopt);
}

TEST(CodecTest, KnownCharacters) {
    // Pound, euro, right quote, Y diaeresis and e acute among plain letters.
    const std::string cp1252 = "\xA3 \x80 \x92\x9F caf\xE9 Roach 1lb";
    const std::string utf8 = "\xC2\xA3 \xE2\x82\xAC \xE2\x80\x99\xC5\xB8 caf\xC3\xA9 Roach 1lb";
    EXPECT_EQ(Cp1252ToUtf8(cp1252), utf8);
    EXPECT_EQ(Utf8ToCp1252(utf8), cp1252);
}

TEST(CodecTest, RefusesInvalidUtf8AndWhatTheCodePageCannotCarry) {
    // CJK, an emoji and U+0080; then truncated, no continuation, stray continuation, overlong,
    // surrogate, above U+10FFFF and a byte UTF-8 never uses.
    for (const char* bad :
         {"\xE6\x97\xA5", "ok \xF0\x9F\x90\x9F", "\xC2\x80", "\xC3", "\xC3(", "\xA3", "\xC0\xAF",
          "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xFF"}) {
        EXPECT_EQ(Utf8ToCp1252(bad), std::nullopt) << ::testing::PrintToString(bad);
    }
}

}  // namespace
}  // namespace rodwick
