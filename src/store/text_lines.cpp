// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_lines.h"

#include <climits>

namespace rodwick {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

}  // namespace

std::vector<std::string> splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::string current;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            lines.push_back(std::move(current));
            current.clear();
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        } else {
            current.push_back(bytes[i]);
        }
    }
    if (!current.empty()) {
        lines.push_back(std::move(current));
    }
    return lines;
}

void appendTextLine(std::string& out, std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out.push_back(' ');
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out.push_back(text[i]);
        }
    }
    out.append("\r\n");
}

std::string formatNumber(long long n) {
    // The sign's place is a blank for positive numbers.
    const std::string digits = std::to_string(n);
    return (n < 0 ? "" : " ") + digits + " ";
}

long long parseCount(std::string_view line) {
    const std::string_view digits = trimBlanks(line);
    if (digits.empty()) return -1;
    long long value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return -1;
        if (value > (LLONG_MAX - (c - '0')) / 10) return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace rodwick
