// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "decimal.h"

namespace rodwick {
namespace {

struct Case {
    std::string text;
    int scale;
    std::optional<std::int64_t> expected;
};

// The editor reads prices in cents (scale 2) and temperatures in tenths (scale 1); the print
// boxes read whole numbers (scale 0). Halves go to the even neighbour, decided on the decimal
// digits, whichever sign.
TEST(ScaledWhole, RoundsHalvesToEvenOnTheDigitsForEveryScale) {
    const Case cases[] = {
        // Print boxes: whole numbers.
        {"2.5", 0, 2},
        {"3.5", 0, 4},
        {"-2.5", 0, -2},
        {"2.50001", 0, 3},
        {"2.4999", 0, 2},
        {".5", 0, 0},
        {"1.", 0, 1},
        // Prices in cents.
        {"1.005", 2, 100},
        {"1e2", 2, 10000},
        {"125e-3", 2, 12},
        // Temperatures in tenths.
        {"-12.35", 1, -124},
        {"21", 1, 210},
        {"0.000000000000000000000000005", 1, 0},
        // Not numbers, or beyond 64 bits.
        {"", 0, std::nullopt},
        {".", 0, std::nullopt},
        {"+", 0, std::nullopt},
        {"1.2.3", 0, std::nullopt},
        {"1e", 0, std::nullopt},
        {" 1", 0, std::nullopt},
        {"9223372036854775807", 0, 9223372036854775807LL},
        {"-9223372036854775808", 0, std::numeric_limits<std::int64_t>::min()},
        {"9223372036854775808", 0, std::nullopt},
        {"1e19", 0, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(scaledWhole(c.text, c.scale), c.expected)
            << '"' << c.text << "\" at scale " << c.scale;
    }
}

}  // namespace
}  // namespace rodwick
