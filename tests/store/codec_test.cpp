#include "codec.h"

#include <gtest/gtest.h>

#include <set>

namespace rodwick {
namespace {

TEST(CodecTest, EveryByteRoundTripsThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    const std::string utf8 = Cp1252ToUtf8(all);
    const std::optional<std::string> back = Utf8ToCp1252(utf8);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);

    std::set<char32_t> seen;
    for (int b = 0; b < 256; ++b) {
        const char32_t cp = Cp1252ToCodePoint(static_cast<unsigned char>(b));
        EXPECT_TRUE(seen.insert(cp).second) << "byte " << b << " shares a code point";
        EXPECT_EQ(CodePointToCp1252(cp), static_cast<unsigned char>(b)) << "byte " << b;
    }
}

TEST(CodecTest, KnownCharacters) {
    EXPECT_EQ(Cp1252ToUtf8("\xA3"), "\xC2\xA3");  // pound sign
    EXPECT_EQ(Utf8ToCp1252("\xC2\xA3"), "\xA3");
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");  // euro sign
    EXPECT_EQ(Utf8ToCp1252("\xE2\x82\xAC"), "\x80");
    EXPECT_EQ(Cp1252ToUtf8("caf\xE9"), "caf\xC3\xA9");
    EXPECT_EQ(Cp1252ToCodePoint(0x92), U'\u2019');
    EXPECT_EQ(Cp1252ToCodePoint(0x9F), U'\u0178');
    EXPECT_EQ(Cp1252ToCodePoint(0x8A), U'\u0160');
    EXPECT_EQ(Cp1252ToCodePoint(0xFF), U'\u00FF');
    EXPECT_EQ(Cp1252ToUtf8("Roach 1lb"), "Roach 1lb");
}

TEST(CodecTest, UndefinedBytesKeepTheirNumber) {
    for (const unsigned char b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(Cp1252ToCodePoint(b), static_cast<char32_t>(b));
        EXPECT_EQ(CodePointToCp1252(b), b);
    }
    // U+0080 has no byte: 0x80 is the euro sign.
    EXPECT_EQ(CodePointToCp1252(0x80), std::nullopt);
    EXPECT_EQ(CodePointToCp1252(0x9E), std::nullopt);
}

TEST(CodecTest, RejectsWhatTheCodePageCannotCarry) {
    EXPECT_EQ(Utf8ToCp1252("\xE6\x97\xA5"), std::nullopt);         // CJK character
    EXPECT_EQ(Utf8ToCp1252("ok \xF0\x9F\x90\x9F"), std::nullopt);  // emoji
    EXPECT_EQ(Utf8ToCp1252("\xC2\x80"), std::nullopt);             // U+0080
}

TEST(CodecTest, RejectsInvalidUtf8) {
    for (const char* bad : {
             "\xC3",              // truncated
             "\xC3(",             // missing continuation
             "\xA3",              // stray continuation byte
             "\xC0\xAF",          // overlong slash
             "\xE0\x80\xAF",      // overlong slash
             "\xED\xA0\x80",      // surrogate
             "\xF4\x90\x80\x80",  // above U+10FFFF
             "\xFF",
         }) {
        EXPECT_EQ(Utf8ToCp1252(bad), std::nullopt) << ::testing::PrintToString(bad);
    }
}

}  // namespace
}  // namespace rodwick
