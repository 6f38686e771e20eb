// SPDX-License-Identifier: GPL-3.0-or-later
// Any text in the price and temperature boxes and the print boxes' number boxes: a number
// read, stepped and printed is always a text that reads back as that number, and a step
// never leaves its range.
#include <QString>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "number_fields.h"
#include "record_text.h"

using namespace rodwick;
using rodwick::fuzz::require;

namespace {

constexpr std::int64_t kOne = 10000;  // one currency unit in ten-thousandths

void checkTemperature(const QString& text) {
    const std::optional<std::int16_t> degrees = readTemperature(text);
    require(stepsEnabled(NumberKind::Temperature, text) == degrees.has_value(),
            "temperature steps are enabled exactly for a temperature");
    if (degrees) {
        require(isNumeric(text), "a temperature passes the numeric test");
        require(readTemperature(temperatureText(*degrees)) == degrees,
                "a temperature's text reads back");
    }
    if (const std::optional<QString> up = steppedUp(NumberKind::Temperature, text)) {
        const std::optional<std::int16_t> after = readTemperature(*up);
        require(degrees && after && *after == *degrees + 1, "+ adds one degree");
        require(*after <= kTemperatureCeiling, "+ stays within the ceiling");
    } else {
        require(!degrees || *degrees >= kTemperatureCeiling, "+ works below the ceiling");
    }
    if (const std::optional<QString> down = steppedDown(NumberKind::Temperature, text)) {
        const std::optional<std::int16_t> after = readTemperature(*down);
        require(degrees && after && *after == *degrees - 1, "- takes one degree");
        require(*after >= kTemperatureFloor, "- stays within the floor");
    } else {
        require(!degrees || *degrees <= kTemperatureFloor, "- works above the floor");
    }
    const NumberBoxStart start = setUpNumberBox(NumberKind::Temperature, text);
    require(start.stepsEnabled == degrees.has_value() &&
                (degrees ? start.text == temperatureText(*degrees) : start.text == text),
            "a temperature box starts from its plain form or the text as stored");
}

void checkPrice(const QString& text) {
    const std::optional<std::int64_t> price = readPrice(text);
    require(stepsEnabled(NumberKind::Price, text) == price.has_value(),
            "price steps are enabled exactly for a price");
    if (price) {
        require(isNumeric(priceText(*price)), "a price's text passes the numeric test");
        require(readPrice(priceText(*price)) == price, "a price's text reads back");
    }
    if (const std::optional<QString> up = steppedUp(NumberKind::Price, text)) {
        const std::optional<std::int64_t> after = readPrice(*up);
        require(price && after && *after == *price + kOne, "+ adds one to the price");
    }
    if (const std::optional<QString> down = steppedDown(NumberKind::Price, text)) {
        const std::optional<std::int64_t> after = readPrice(*down);
        require(price && *price > 0, "- lowers only a price above 0");
        require(after && *after == *price - kOne && *after > -kOne, "- takes one off the price");
    } else {
        require(!price || *price <= 0, "- works on a price above 0");
    }
}

void checkWholeNumber(std::string_view text) {
    const std::optional<int> value = wholeNumber16(text);
    if (!value) return;
    require(*value >= -32768 && *value <= 32767, "a box number fits 16 bits");
    require(wholeNumber16(std::to_string(*value)) == value, "a box number prints and reads back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Box texts are short; longer inputs only slow the search.
    if (size > 256) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const QString text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    checkTemperature(text);
    checkPrice(text);
    checkWholeNumber(bytes);
    return 0;
}
