#include "codec.h"

#include <gtest/gtest.h>
#include <iconv.h>

namespace rodwick {
namespace {

// The C library's own Windows-1252 table, as an independent reference: the code point of a
// byte, or nothing where the code page leaves the byte undefined.
std::optional<char32_t> IconvCp1252(unsigned char byte) {
    const iconv_t cd = iconv_open("UTF-32LE", "CP1252");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        ADD_FAILURE() << "no CP1252 in iconv";
        return std::nullopt;
    }
    char in[1] = {static_cast<char>(byte)};
    unsigned char out[4] = {};
    char* inPtr = in;
    char* outPtr = reinterpret_cast<char*>(out);
    std::size_t inLeft = 1, outLeft = 4;
    const bool converted = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == 0 && outLeft == 0;
    iconv_close(cd);
    if (!converted) return std::nullopt;
    return out[0] | out[1] << 8 | out[2] << 16 | static_cast<char32_t>(out[3]) << 24;
}

TEST(CodecTest, EveryByteMapsAsTheReferenceSaysAndComesBack) {
    int undefined = 0;
    for (int b = 0; b < 256; ++b) {
        const std::optional<char32_t> reference = IconvCp1252(b);
        // The undefined bytes keep their own number, so that they survive a round trip.
        EXPECT_EQ(Cp1252ToCodePoint(b), reference.value_or(b)) << std::hex << b;
        EXPECT_EQ(CodePointToCp1252(Cp1252ToCodePoint(b)), static_cast<unsigned char>(b)) << b;
        undefined += !reference;
    }
    EXPECT_EQ(undefined, 5) << "27 of the 32 bytes 80..9F are defined";
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
    // U+0080 and U+009E have no byte.
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
        EXPECT_EQ(Utf8ToCp1252(bad), std::nullopt) << ::testing::PrintToString(bad);
        EXPECT_EQ(Utf8ToCp1252Lossy(bad), lossy) << ::testing::PrintToString(bad);
    }
    EXPECT_EQ(Utf8ToCp1252Lossy("\xC2\xA3 caf\xC3\xA9 \xE2\x82\xAC"), "\xA3 caf\xE9 \x80");
}

}  // namespace
}  // namespace rodwick
