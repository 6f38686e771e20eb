// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace rodwick {

// The one codec between the files' Windows-1252 bytes and Unicode. Every byte value maps to
// its own code point and back: the five bytes Windows-1252 leaves undefined (81, 8D, 8F, 90,
// 9D) map to the C1 control characters of the same number.
char32_t cp1252ToCodePoint(unsigned char byte);
// The byte for a code point, or nothing when Windows-1252 has none.
std::optional<unsigned char> codePointToCp1252(char32_t codePoint);

std::string cp1252ToUtf8(std::string_view bytes);
// Nothing when the input is not UTF-8 or holds a character Windows-1252 cannot carry.
std::optional<std::string> utf8ToCp1252(std::string_view utf8);

// For text that must be written whatever it holds, the one rule: a character Windows-1252
// cannot carry becomes '?'.
char cp1252OrQuestionMark(char32_t codePoint);
// UTF-8 by that rule; each byte that is not part of a UTF-8 character becomes '?' too.
std::string utf8ToCp1252Lossy(std::string_view utf8);

}  // namespace rodwick
