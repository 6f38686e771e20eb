// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the settings file: what is read, written and read again is the same, and
// writing it a second time gives the same bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_check.h"
#include "settings.h"

using namespace rodwick;
using rodwick::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<Settings> read = parseSettings(bytes);
    if (!read) return 0;
    const std::string written = formatSettings(*read);
    const std::optional<Settings> again = parseSettings(written);
    require(again.has_value(), "written settings read again");
    require(*again == *read, "written settings read to the same values");
    require(formatSettings(*again) == written, "settings written twice give the same bytes");
    return 0;
}
