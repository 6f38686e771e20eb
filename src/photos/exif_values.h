// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QImage>
#include <QTime>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace rodwick::photos {

// The values cameras and programs write into a photo's Exif tags, read as they are written and
// as the odd ones found in the wild are: blank or zeroed fields, impossible dates, a fraction
// over zero. A value that cannot be read is none, never a guess.

// A moment as the camera's clock read it.
struct ClockReading {
    QDate date;
    QTime time;
    bool operator==(const ClockReading&) const = default;
};

// "YYYY:MM:DD HH:MM:SS" (a '-' between the date's parts and a 'T' before the time are taken
// too; trailing blanks and NULs are padding). Blank and zeroed fields are none.
std::optional<ClockReading> parseExifDateTime(std::string_view text);
// A SubSecTime tag ("123", "5"): the digits are a decimal fraction of a second, in ms.
int parseSubSeconds(std::string_view text);
// An OffsetTime tag ("+02:00", "-05:30") in seconds east of UTC; none where blank or absurd.
std::optional<int> parseUtcOffset(std::string_view text);

// One unsigned rational as Exif keeps it.
using Rational = std::pair<std::int64_t, std::int64_t>;
// Degrees from the degrees, minutes and seconds of a GPS latitude or longitude (fewer parts are
// taken as written: decimal degrees alone, or degrees and decimal minutes) and its reference
// letter: 'S' and 'W' turn it negative. None for a zero denominator, a negative part, minutes
// or seconds of 60 or more, an unknown reference, or beyond maxDegrees (90 or 180).
std::optional<double> degreesOf(const std::vector<Rational>& parts, std::string_view reference,
                                double maxDegrees);

// The picture stored under an Exif orientation (1 to 8) turned upright: mirrored or flipped as
// the orientation says, then turned a quarter clockwise for 5 to 8. Other values leave it.
QImage turnUpright(const QImage& stored, int orientation);
// Whether the orientation stores the picture on its side (5 to 8: width and height swapped).
bool storedOnItsSide(int orientation);

}  // namespace rodwick::photos
