// SPDX-License-Identifier: GPL-3.0-or-later
// Windows-1252 bytes to Unicode and back, in the store's codec and at the window boundary,
// give the bytes they started from; UTF-8 from outside converts without reading past it.
#include <QString>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "codec.h"
#include "fuzz_check.h"
#include "text.h"

using namespace rodwick;
using rodwick::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // The same input taken as UTF-8 typed by the user: a strict conversion that succeeds
    // agrees with the lossy one, and both go back to the same UTF-8.
    const std::string lossy = utf8ToCp1252Lossy(bytes);
    if (const std::optional<std::string> strict = utf8ToCp1252(bytes)) {
        require(*strict == lossy, "strict and lossy conversions agree on convertible text");
        require(cp1252ToUtf8(*strict) == bytes, "convertible UTF-8 comes back unchanged");
    }

    if (bytes.find_first_of("\r\n") != std::string_view::npos) return 0;
    const std::string utf8 = cp1252ToUtf8(bytes);
    const std::optional<std::string> back = utf8ToCp1252(utf8);
    require(back.has_value() && *back == bytes, "file text survives the codec");
    require(utf8ToCp1252Lossy(utf8) == bytes, "file text survives the lossy conversion");
    for (unsigned char byte : bytes) {
        require(codePointToCp1252(cp1252ToCodePoint(byte)) == byte, "every byte maps back");
    }

    const QString shown = fromFileText(bytes);
    require(shown.size() == static_cast<qsizetype>(bytes.size()), "one character per byte");
    require(toFileText(shown) == bytes, "file text survives the window boundary");
    require(shown == QString::fromStdString(utf8), "the boundary and the codec agree");
    return 0;
}
