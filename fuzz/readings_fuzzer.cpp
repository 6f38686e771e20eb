// SPDX-License-Identifier: GPL-3.0-or-later
// Any text in the fields the statistics read: no reader crashes, a value read and written
// back as the program writes it reads the same, and no reader takes a text that could mean
// two things (the forms the reader tests list, and the fuzzer's variations of them).
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "readings.h"

using namespace rodwick;
using rodwick::fuzz::require;

namespace {

// Texts that do not read, each for the reason beside it.
constexpr std::string_view kAmbiguousDecimals[] = {"1,500", "12,000", "-3", "12 8", ""};
constexpr std::string_view kAmbiguousTimes[] = {"9",    "21",   "noon", "dawn",           "24:00",
                                                "9:60", "13pm", "0am",  "9:30 until late"};
constexpr std::string_view kAmbiguousDates[] = {
    "04-14-01",        "14-04-01",   "01-04-14",       "02-29-2001",   "13-13-2001",
    "14th April 2001", "April 2001", "Smarch 14 2001", "04-14-2001-1", "14 Apr 01"};
constexpr std::string_view kAmbiguousPrices[] = {"5.505", "1,500", "about 5", ""};

bool sameWithinRounding(double a, double b) {
    return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(a));
}

// A non-negative number as a box shows it: fixed decimals, never an exponent.
std::string decimalText(double value) {
    char text[400];
    const auto [end, error] =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    require(error == std::errc(), "a read decimal can be written");
    return std::string(text, end);
}

void checkDecimal(std::string_view text) {
    const auto value = readDecimal(text);
    if (!value) return;
    require(std::isfinite(*value) && *value >= 0, "a decimal is a finite amount from 0 up");
    const auto again = readDecimal(decimalText(*value));
    require(again && sameWithinRounding(*again, *value), "a decimal written back reads the same");
    // "1,500": a thousand and a half, or one and a half?
    const std::string_view trimmed = trim(text);
    const std::size_t comma = trimmed.find(',');
    require(comma == std::string_view::npos || trimmed.size() - comma - 1 != 3,
            "a comma before three digits does not read");
}

void checkWeight(std::string_view major, std::string_view minor) {
    for (const UnitNames& units : {UnitNames::metric(), UnitNames::imperial()}) {
        const auto value = readWeight(major, minor, units);
        if (!value) continue;
        require(std::isfinite(*value) && *value >= 0, "a weight is a finite amount from 0 up");
        const auto again = readWeight("", decimalText(*value), units);
        require(again && sameWithinRounding(*again, *value),
                "a weight written back reads the same");
        // The other system's names never read: nothing is converted.
        const UnitNames& other = units.isMetric() ? UnitNames::imperial() : UnitNames::metric();
        require(!readWeight(std::string(major) + other.weightMajorUnit, "", units) || major.empty(),
                "a weight in the other system's unit does not read");
    }
}

void checkTime(std::string_view text) {
    const auto minutes = readTime(text);
    if (!minutes) return;
    require(*minutes >= 0 && *minutes < 24 * 60, "a time is within the day");
    char shown[8];
    std::snprintf(shown, sizeof shown, "%02d:%02d", *minutes / 60, *minutes % 60);
    require(readTime(shown) == minutes, "a time written as HH:MM reads the same");
    // A bare hour could be morning or evening.
    const std::string_view trimmed = trim(text);
    require(trimmed.size() > 2 || trimmed.find_first_not_of("0123456789") != std::string::npos,
            "a bare hour does not read");
}

void checkDate(std::string_view text) {
    const auto date = readDate(text);
    if (!date) return;
    char shown[32];
    std::snprintf(shown, sizeof shown, "%02d-%02d-%04d", date->month, date->day, date->year);
    require(readDate(shown) == date, "a date written as the program writes it reads the same");
    std::snprintf(shown, sizeof shown, "%04d-%02d-%02d", date->year, date->month, date->day);
    require(readDate(shown) == date, "a date written year first reads the same");
    // A two-digit year names no century: the year read is written out in full in the text.
    require(text.find(std::to_string(date->year)) != std::string_view::npos,
            "a date reads only with its four-digit year");
}

void checkPrice(std::string_view text) {
    const auto cents = readPrice(text);
    if (!cents) return;
    require(*cents >= 0, "a price is from 0 up");
    const std::string shown = std::to_string(*cents / 100) + "." +
                              static_cast<char>('0' + *cents % 100 / 10) +
                              static_cast<char>('0' + *cents % 10);
    require(readPrice(shown) == cents, "a price written with two decimals reads the same");
}

void checkName(std::string_view text) {
    const std::string folded = foldName(text);
    require(foldName(folded) == folded, "a folded name folds to itself");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    for (const std::string_view text : kAmbiguousDecimals) {
        require(!readDecimal(text) && !readWeight(text, "", UnitNames::metric()),
                "an ambiguous decimal does not read");
    }
    for (const std::string_view text : kAmbiguousTimes) {
        require(!readTime(text), "an ambiguous time does not read");
    }
    for (const std::string_view text : kAmbiguousDates) {
        require(!readDate(text), "an ambiguous date does not read");
    }
    for (const std::string_view text : kAmbiguousPrices) {
        require(!readPrice(text), "an ambiguous price does not read");
    }
    return 0;
}

// The input is one field's text; up to the first NUL byte it is also a weight's major part
// and after it the minor part.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Field texts are short; longer inputs only slow the search.
    if (size > 256) return 0;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkDecimal(text);
    checkTime(text);
    checkDate(text);
    checkPrice(text);
    checkName(text);
    const std::size_t nul = text.find('\0');
    checkWeight(text.substr(0, nul),
                nul == std::string_view::npos ? std::string_view() : text.substr(nul + 1));
    return 0;
}
