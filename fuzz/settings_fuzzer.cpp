// Any bytes as the settings file: what is read, written and read again is the same, and
// writing it a second time gives the same bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_check.h"
#include "settings.h"

using namespace rodwick;
using rodwick::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<Settings> read = ParseSettings(bytes);
    if (!read) return 0;
    const std::string written = FormatSettings(*read);
    const std::optional<Settings> again = ParseSettings(written);
    Require(again.has_value(), "written settings read again");
    Require(*again == *read, "written settings read to the same values");
    Require(FormatSettings(*again) == written, "settings written twice give the same bytes");
    return 0;
}
