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
using rodwick::fuzz::Require;

namespace {

constexpr std::int64_t kOne = 10000;  // one currency unit in ten-thousandths

void CheckTemperature(const QString& text) {
    const std::optional<std::int16_t> degrees = ReadTemperature(text);
    Require(StepsEnabled(NumberKind::Temperature, text) == degrees.has_value(),
            "temperature steps are enabled exactly for a temperature");
    if (degrees) {
        Require(IsNumeric(text), "a temperature passes the numeric test");
        Require(ReadTemperature(TemperatureText(*degrees)) == degrees,
                "a temperature's text reads back");
    }
    if (const std::optional<QString> up = StepUp(NumberKind::Temperature, text)) {
        const std::optional<std::int16_t> after = ReadTemperature(*up);
        Require(degrees && after && *after == *degrees + 1, "+ adds one degree");
        Require(*after <= kTemperatureCeiling, "+ stays within the ceiling");
    } else {
        Require(!degrees || *degrees >= kTemperatureCeiling, "+ works below the ceiling");
    }
    if (const std::optional<QString> down = StepDown(NumberKind::Temperature, text)) {
        const std::optional<std::int16_t> after = ReadTemperature(*down);
        Require(degrees && after && *after == *degrees - 1, "- takes one degree");
        Require(*after >= kTemperatureFloor, "- stays within the floor");
    } else {
        Require(!degrees || *degrees <= kTemperatureFloor, "- works above the floor");
    }
    const NumberBoxStart start = SetUpNumberBox(NumberKind::Temperature, text);
    Require(start.stepsEnabled == degrees.has_value() &&
                (degrees ? start.text == TemperatureText(*degrees) : start.text == text),
            "a temperature box starts from its plain form or the text as stored");
}

void CheckPrice(const QString& text) {
    const std::optional<std::int64_t> price = ReadPrice(text);
    Require(StepsEnabled(NumberKind::Price, text) == price.has_value(),
            "price steps are enabled exactly for a price");
    if (price) {
        Require(IsNumeric(PriceText(*price)), "a price's text passes the numeric test");
        Require(ReadPrice(PriceText(*price)) == price, "a price's text reads back");
    }
    if (const std::optional<QString> up = StepUp(NumberKind::Price, text)) {
        const std::optional<std::int64_t> after = ReadPrice(*up);
        Require(price && after && *after == *price + kOne, "+ adds one to the price");
    }
    if (const std::optional<QString> down = StepDown(NumberKind::Price, text)) {
        const std::optional<std::int64_t> after = ReadPrice(*down);
        Require(price && *price > 0, "- lowers only a price above 0");
        Require(after && *after == *price - kOne && *after > -kOne, "- takes one off the price");
    } else {
        Require(!price || *price <= 0, "- works on a price above 0");
    }
}

void CheckWholeNumber(std::string_view text) {
    const std::optional<int> value = WholeNumber16(text);
    if (!value) return;
    Require(*value >= -32768 && *value <= 32767, "a box number fits 16 bits");
    Require(WholeNumber16(std::to_string(*value)) == value, "a box number prints and reads back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Box texts are short; longer inputs only slow the search.
    if (size > 256) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const QString text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    CheckTemperature(text);
    CheckPrice(text);
    CheckWholeNumber(bytes);
    return 0;
}
