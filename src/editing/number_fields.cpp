// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_fields.h"

#include "decimal.h"

#include <QLocale>
#include <QStringView>
#include <limits>
#include <string>
#include <string_view>

namespace rodwick {

namespace {

constexpr std::int64_t kOne = 10000;  // one currency unit in ten-thousandths

// The text in C form ("-12.5e3"): the locale's digits, signs, decimal separator and exponent
// mark as ASCII, group separators dropped. Nothing for a character none of these explains.
std::optional<std::string> cLocaleForm(const QString& text, const QLocale& locale) {
    const QString point = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    const QString minus = locale.negativeSign();
    const QString plus = locale.positiveSign();
    const QString exponent = locale.exponential();
    const QString zero = locale.zeroDigit();

    std::string out;
    qsizetype i = 0;
    auto takes = [&](const QString& piece, Qt::CaseSensitivity cs = Qt::CaseSensitive) {
        if (piece.isEmpty() || !QStringView(text).mid(i).startsWith(piece, cs)) return false;
        i += piece.size();
        return true;
    };
    while (i < text.size()) {
        const char16_t c = text[i].unicode();
        if (c >= u'0' && c <= u'9') {
            out += static_cast<char>(c);
            ++i;
        } else if (zero.size() == 1 && c >= zero[0].unicode() && c < zero[0].unicode() + 10) {
            out += static_cast<char>('0' + (c - zero[0].unicode()));
            ++i;
        } else if (takes(point)) {
            out += '.';
        } else if (takes(group)) {
        } else if (takes(minus) || takes(QStringLiteral("-"))) {
            out += '-';
        } else if (takes(plus) || takes(QStringLiteral("+"))) {
            out += '+';
        } else if (takes(exponent, Qt::CaseInsensitive) ||
                   takes(QStringLiteral("e"), Qt::CaseInsensitive)) {
            out += 'e';
        } else {
            return std::nullopt;
        }
    }
    return out;
}

std::optional<std::int64_t> readScaled(const QString& text, int scale) {
    if (!isNumeric(text)) return std::nullopt;
    const std::optional<std::string> form = cLocaleForm(text.trimmed(), QLocale());
    if (!form) return std::nullopt;
    return scaledWhole(*form, scale);
}

// A number in C form written with the locale's sign, separator and digits.
QString localised(const std::string& form) {
    const QLocale locale;
    QString text;
    for (char c : form) {
        if (c == '-') {
            text += locale.negativeSign();
        } else if (c == '.') {
            text += locale.decimalPoint();
        } else {
            text += locale.toString(c - '0');
        }
    }
    return text;
}

}  // namespace

bool isNumeric(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return false;
    bool ok = false;
    QLocale().toDouble(trimmed, &ok);
    return ok;
}

std::optional<std::int16_t> readTemperature(const QString& text) {
    const std::optional<std::int64_t> value = readScaled(text, 0);
    if (!value || *value < std::numeric_limits<std::int16_t>::min() ||
        *value > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(*value);
}

std::optional<std::int64_t> readPrice(const QString& text) {
    return readScaled(text, 4);
}

QString temperatureText(std::int16_t degrees) {
    return localised(std::to_string(degrees));
}

QString priceText(std::int64_t tenThousandths) {
    const bool negative = tenThousandths < 0;
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(tenThousandths)
                                             : static_cast<std::uint64_t>(tenThousandths);
    std::string form = negative ? "-" : "";
    form += std::to_string(magnitude / kOne);
    if (const std::uint64_t fraction = magnitude % kOne; fraction != 0) {
        std::string decimals = std::to_string(fraction);
        decimals.insert(0, 4 - decimals.size(), '0');
        decimals.erase(decimals.find_last_not_of('0') + 1);
        form += '.' + decimals;
    }
    return localised(form);
}

bool stepsEnabled(NumberKind kind, const QString& text) {
    return kind == NumberKind::Temperature ? readTemperature(text).has_value()
                                           : readPrice(text).has_value();
}

std::optional<QString> steppedUp(NumberKind kind, const QString& text) {
    if (kind == NumberKind::Temperature) {
        const std::optional<std::int16_t> degrees = readTemperature(text);
        if (!degrees || *degrees >= kTemperatureCeiling) return std::nullopt;
        return temperatureText(static_cast<std::int16_t>(*degrees + 1));
    }
    const std::optional<std::int64_t> price = readPrice(text);
    if (!price || *price > std::numeric_limits<std::int64_t>::max() - kOne) return std::nullopt;
    return priceText(*price + kOne);
}

std::optional<QString> steppedDown(NumberKind kind, const QString& text) {
    if (kind == NumberKind::Temperature) {
        const std::optional<std::int16_t> degrees = readTemperature(text);
        if (!degrees || *degrees <= kTemperatureFloor) return std::nullopt;
        return temperatureText(static_cast<std::int16_t>(*degrees - 1));
    }
    const std::optional<std::int64_t> price = readPrice(text);
    if (!price || *price <= 0) return std::nullopt;
    return priceText(*price - kOne);
}

NumberBoxStart setUpNumberBox(NumberKind kind, const QString& stored) {
    if (kind == NumberKind::Temperature) {
        if (const auto degrees = readTemperature(stored)) return {temperatureText(*degrees), true};
    } else if (const auto price = readPrice(stored)) {
        return {priceText(*price), true};
    }
    return {stored, false};
}

}  // namespace rodwick
