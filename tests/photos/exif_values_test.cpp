// SPDX-License-Identifier: GPL-3.0-or-later
// The Exif values as cameras and programs write them, the odd ones found in the wild among
// them.
#include <gtest/gtest.h>

#include <cmath>

#include "exif_values.h"

namespace rodwick::photos {
namespace {

TEST(ExifValues, DateTimes) {
    struct Case {
        const char* text;
        std::optional<ClockReading> read;
    };
    const Case cases[] = {
        {"2023:05:01 06:30:15", ClockReading{QDate(2023, 5, 1), QTime(6, 30, 15)}},
        // Padding to the field's fixed length.
        {"2023:05:01 06:30:15  ", ClockReading{QDate(2023, 5, 1), QTime(6, 30, 15)}},
        // ISO's marks, as some programs write them.
        {"2023-05-01T06:30:15", ClockReading{QDate(2023, 5, 1), QTime(6, 30, 15)}},
        {"2024:02:29 23:59:59", ClockReading{QDate(2024, 2, 29), QTime(23, 59, 59)}},
        // A camera whose clock was never set, a blanked field, an impossible day or hour.
        {"0000:00:00 00:00:00", std::nullopt},
        {"    :  :     :  :  ", std::nullopt},
        {"", std::nullopt},
        {"2023:02:29 10:00:00", std::nullopt},
        {"2023:05:01 24:00:00", std::nullopt},
        {"2023:13:01 10:00:00", std::nullopt},
        // Marks that do not match, a part missing or too long.
        {"2023:05-01 06:30:15", std::nullopt},
        {"2023:05:01 06:30", std::nullopt},
        {"2023:05:01 06:30:150", std::nullopt},
        {"2023:05:01+06:30:15", std::nullopt},
        {"2O23:05:01 06:30:15", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseExifDateTime(c.text), c.read) << c.text;
    }
}

TEST(ExifValues, SubSecondsAndOffsets) {
    const std::pair<const char*, int> subSeconds[] = {
        {"123", 123}, {"5", 500}, {"05", 50}, {"1234", 123}, {"", 0}, {"12a", 0}, {" 42 ", 420},
    };
    for (const auto& [text, ms] : subSeconds) EXPECT_EQ(parseSubSeconds(text), ms) << text;

    const std::pair<const char*, std::optional<int>> offsets[] = {
        {"+02:00", 7200},        {"-05:30", -19800},       {"+14:00", 50400},
        {"+00:00", 0},           {"+14:01", std::nullopt}, {"+02:60", std::nullopt},
        {"02:00", std::nullopt}, {"   :  ", std::nullopt}, {"", std::nullopt},
    };
    for (const auto& [text, seconds] : offsets) EXPECT_EQ(parseUtcOffset(text), seconds) << text;
}

TEST(ExifValues, Degrees) {
    struct Case {
        std::vector<Rational> parts;
        const char* reference;
        double max;
        std::optional<double> degrees;
    };
    const Case cases[] = {
        {{{52, 1}, {30, 1}, {1234, 100}}, "N", 90, 52.5 + 12.34 / 3600},
        {{{52, 1}, {30, 1}, {1234, 100}}, "S", 90, -(52.5 + 12.34 / 3600)},
        {{{1, 1}, {15, 1}, {0, 1}}, "W", 180, -1.25},
        {{{179, 1}, {59, 1}, {0, 1}}, "E", 180, 179 + 59.0 / 60},
        // Decimal degrees alone, and degrees with decimal minutes, as some phones write.
        {{{525123, 10000}}, "N", 90, 52.5123},
        {{{52, 1}, {305, 10}}, "N", 90, 52 + 30.5 / 60},
        // A receiver without a fix, a damaged or unknown part, beyond the pole.
        {{{0, 0}, {0, 0}, {0, 0}}, "N", 90, std::nullopt},
        {{{52, 1}, {60, 1}, {0, 1}}, "N", 90, std::nullopt},
        {{{52, 1}, {0, 1}, {60, 1}}, "N", 90, std::nullopt},
        {{{-52, 1}, {0, 1}, {0, 1}}, "N", 90, std::nullopt},
        {{{91, 1}, {0, 1}, {0, 1}}, "N", 90, std::nullopt},
        {{{52, 1}, {0, 1}, {0, 1}}, "", 90, std::nullopt},
        {{{52, 1}, {0, 1}, {0, 1}}, "X", 90, std::nullopt},
        {{}, "N", 90, std::nullopt},
        {{{1, 1}, {1, 1}, {1, 1}, {1, 1}}, "N", 90, std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<double> read = degreesOf(c.parts, c.reference, c.max);
        ASSERT_EQ(read.has_value(), c.degrees.has_value()) << c.reference << " " << c.parts.size();
        if (read) {
            EXPECT_NEAR(*read, *c.degrees, 1e-9);
        }
    }
}

}  // namespace
}  // namespace rodwick::photos
