// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace rodwick {

// value * 10^scale of a decimal number in C form ([+-]digits[.digits][e[+-]digits]), rounded to
// a whole number with halves to the even neighbour, computed from the digits so that nothing is
// lost on the way. Nothing when the form is not a plain decimal number or the result does not
// fit 64 bits.
std::optional<std::int64_t> scaledWhole(std::string_view s, int scale);

}  // namespace rodwick
