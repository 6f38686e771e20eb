// SPDX-License-Identifier: GPL-3.0-or-later
#include "exif_values.h"

#include <QTransform>
#include <cmath>

namespace rodwick::photos {

namespace {

// Exif pads its texts with blanks and NULs to a fixed length.
std::string_view trimmed(std::string_view text) {
    const auto padding = [](char c) { return c == ' ' || c == '\0' || c == '\t'; };
    while (!text.empty() && padding(text.back())) text.remove_suffix(1);
    while (!text.empty() && padding(text.front())) text.remove_prefix(1);
    return text;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The number of count digits at text[at], or -1 where any of them is not a digit.
int digitsAt(std::string_view text, std::size_t at, std::size_t count) {
    if (at + count > text.size()) return -1;
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (!isDigit(text[i])) return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

}  // namespace

std::optional<ClockReading> parseExifDateTime(std::string_view text) {
    text = trimmed(text);
    // YYYY:MM:DD HH:MM:SS
    if (text.size() != 19) return std::nullopt;
    const char dateMark = text[4];
    if ((dateMark != ':' && dateMark != '-') || text[7] != dateMark) return std::nullopt;
    if ((text[10] != ' ' && text[10] != 'T') || text[13] != ':' || text[16] != ':') {
        return std::nullopt;
    }
    const int year = digitsAt(text, 0, 4), month = digitsAt(text, 5, 2), day = digitsAt(text, 8, 2);
    const int hour = digitsAt(text, 11, 2), minute = digitsAt(text, 14, 2);
    const int second = digitsAt(text, 17, 2);
    if (year < 1 || month < 0 || day < 0 || hour < 0 || minute < 0 || second < 0) {
        return std::nullopt;
    }
    const QDate date(year, month, day);
    const QTime time(hour, minute, second);
    if (!date.isValid() || !time.isValid()) return std::nullopt;
    return ClockReading{date, time};
}

int parseSubSeconds(std::string_view text) {
    text = trimmed(text);
    int ms = 0;
    int scale = 100;
    for (const char c : text) {
        if (!isDigit(c)) return 0;
        ms += (c - '0') * scale;
        scale /= 10;
    }
    return ms;
}

std::optional<int> parseUtcOffset(std::string_view text) {
    text = trimmed(text);
    if (text.size() != 6 || (text[0] != '+' && text[0] != '-') || text[3] != ':') {
        return std::nullopt;
    }
    const int hours = digitsAt(text, 1, 2), minutes = digitsAt(text, 4, 2);
    // The zones of the world lie between -12:00 and +14:00.
    if (hours < 0 || minutes < 0 || minutes >= 60 || hours * 60 + minutes > 14 * 60) {
        return std::nullopt;
    }
    const int seconds = (hours * 60 + minutes) * 60;
    return text[0] == '-' ? -seconds : seconds;
}

std::optional<double> degreesOf(const std::vector<Rational>& parts, std::string_view reference,
                                double maxDegrees) {
    reference = trimmed(reference);
    if (parts.empty() || parts.size() > 3 || reference.size() != 1) return std::nullopt;
    double sign = 0;
    switch (reference[0]) {
        case 'N':
        case 'E':
            sign = 1;
            break;
        case 'S':
        case 'W':
            sign = -1;
            break;
        default:
            return std::nullopt;
    }
    constexpr double kUnits[] = {1.0, 60.0, 3600.0};
    double degrees = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const auto [numerator, denominator] = parts[i];
        if (denominator <= 0 || numerator < 0) return std::nullopt;
        const double value = static_cast<double>(numerator) / static_cast<double>(denominator);
        if (i > 0 && value >= 60) return std::nullopt;
        degrees += value / kUnits[i];
    }
    if (!std::isfinite(degrees) || degrees > maxDegrees) return std::nullopt;
    return sign * degrees;
}

bool storedOnItsSide(int orientation) {
    return orientation >= 5 && orientation <= 8;
}

QImage turnUpright(const QImage& stored, int orientation) {
    // Whether the stored rows run right to left, bottom to top, before the quarter turn.
    bool mirror = false, flip = false;
    switch (orientation) {
        case 2:
            mirror = true;
            break;
        case 3:
            mirror = flip = true;
            break;
        case 4:
        case 5:
            flip = true;
            break;
        case 7:
            mirror = true;
            break;
        case 8:
            mirror = flip = true;
            break;
        default:
            break;
    }
    QImage image = (mirror || flip) ? stored.mirrored(mirror, flip) : stored;
    if (storedOnItsSide(orientation)) image = image.transformed(QTransform().rotate(90));
    return image;
}

}  // namespace rodwick::photos
