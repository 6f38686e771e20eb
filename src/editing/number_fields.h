// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace rodwick {

// The numeric test of the price and temperature boxes: the system locale's number parser
// accepts the whole text, blanks before and after allowed. Empty text is not numeric.
bool isNumeric(const QString& text);

// The kinds of number behind the + and - buttons of the record editor and the quick edit.
enum class NumberKind {
    // A 16-bit signed whole number; a fraction rounds to the nearest, halves to the even one.
    Temperature,
    // Fixed point with four decimals: a 64-bit count of ten-thousandths.
    Price,
};

inline constexpr int kTemperatureCeiling = 45;  // + raises only below this
inline constexpr int kTemperatureFloor = -10;   // - lowers only above this

// The number a text stands for, or nothing when it is not numeric or lies outside the type.
// Prices are read exactly from the text's digits (more than four decimals round half to even).
std::optional<std::int16_t> readTemperature(const QString& text);
std::optional<std::int64_t> readPrice(const QString& text);  // ten-thousandths

// Plain forms: a minus sign when negative, no group separators, no trailing zeros after the
// decimal separator and none at all for whole numbers (30000 ten-thousandths give "3").
// The separator, sign and digits are the system locale's, so the numeric test reads them back.
QString temperatureText(std::int16_t degrees);
QString priceText(std::int64_t tenThousandths);

// Whether the + and - buttons of a box holding this text are enabled: the text is a number
// of the kind. A number outside the type's range counts as not a number.
bool stepsEnabled(NumberKind kind, const QString& text);

// The text after + or -, or nothing when the text must stay exactly as it is: not a number
// of the kind, or at a bound. Temperature: + only below 45, - only above -10. Price: - only
// above 0; + has no bound but the type's own (at its top the text stays).
std::optional<QString> steppedUp(NumberKind kind, const QString& text);
std::optional<QString> steppedDown(NumberKind kind, const QString& text);

// How a quick-edit number box starts from a stored field: a number shows in its plain form
// with + and - enabled; anything else shows unchanged with them disabled.
struct NumberBoxStart {
    QString text;
    bool stepsEnabled = false;
};
NumberBoxStart setUpNumberBox(NumberKind kind, const QString& stored);

}  // namespace rodwick
