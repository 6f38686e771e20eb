// SPDX-License-Identifier: GPL-3.0-or-later
#include "decimal.h"

#include <algorithm>
#include <limits>
#include <string>

namespace rodwick {

std::optional<std::int64_t> scaledWhole(std::string_view s, int scale) {
    std::size_t p = 0;
    bool negative = false;
    if (p < s.size() && (s[p] == '+' || s[p] == '-')) negative = s[p++] == '-';

    std::string digits;
    long long fractionDigits = 0;
    bool point = false;
    for (; p < s.size(); ++p) {
        if (s[p] >= '0' && s[p] <= '9') {
            digits += s[p];
            if (point) ++fractionDigits;
        } else if (s[p] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits.empty()) return std::nullopt;

    long long exponent = 0;
    if (p < s.size() && s[p] == 'e') {
        ++p;
        bool negativeExponent = false;
        if (p < s.size() && (s[p] == '+' || s[p] == '-')) negativeExponent = s[p++] == '-';
        const std::size_t start = p;
        // Far beyond any 64-bit result either way; the cap keeps the sums below in range.
        for (; p < s.size() && s[p] >= '0' && s[p] <= '9'; ++p) {
            exponent = std::min(exponent * 10 + (s[p] - '0'), 1'000'000'000LL);
        }
        if (p == start) return std::nullopt;
        if (negativeExponent) exponent = -exponent;
    }
    if (p != s.size()) return std::nullopt;

    const std::size_t firstSignificant = digits.find_first_not_of('0');
    if (firstSignificant == std::string::npos) return 0;
    digits.erase(0, firstSignificant);

    // The result is digits * 10^shift.
    const long long shift = exponent - fractionDigits + scale;
    constexpr long long kMaxDigits = 19;  // 19 nines still fit an unsigned 64-bit number
    std::string whole;
    char firstDropped = '0';
    bool restNonZero = false;
    const long long count = static_cast<long long>(digits.size());
    if (shift >= 0) {
        if (count + shift > kMaxDigits) return std::nullopt;
        whole = digits + std::string(static_cast<std::size_t>(shift), '0');
    } else if (count + shift >= 0) {
        const auto keep = static_cast<std::size_t>(count + shift);
        whole = digits.substr(0, keep);
        firstDropped = digits[keep];
        restNonZero = digits.find_first_not_of('0', keep + 1) != std::string::npos;
        if (static_cast<long long>(whole.size()) > kMaxDigits) return std::nullopt;
    }
    // Otherwise every digit lies below the first dropped place, a zero: the result rounds to 0.

    std::uint64_t magnitude = 0;
    for (char digit : whole) magnitude = magnitude * 10 + static_cast<std::uint64_t>(digit - '0');
    if (firstDropped > '5' || (firstDropped == '5' && (restNonZero || magnitude % 2 == 1))) {
        ++magnitude;
    }
    if (magnitude == 0) return 0;
    constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (magnitude > (negative ? kMax + 1 : kMax)) return std::nullopt;
    return negative ? -static_cast<std::int64_t>(magnitude - 1) - 1
                    : static_cast<std::int64_t>(magnitude);
}

}  // namespace rodwick
