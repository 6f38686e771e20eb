// SPDX-License-Identifier: GPL-3.0-or-later
#include "readings.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace rodwick {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

char foldChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'A' && u <= 'Z') return static_cast<char>(u + 32);
    // Windows-1252 capitals: Š Œ Ž Ÿ and À..Þ except ×.
    if (u == 0x8A || u == 0x8C || u == 0x8E) return static_cast<char>(u + 16);
    if (u == 0x9F) return static_cast<char>(0xFF);
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<char>(u + 32);
    return c;
}

bool equalsFolded(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (foldChar(a[i]) != foldChar(b[i])) return false;
    }
    return true;
}

// Strips a trailing unit name (any case, blanks before it allowed); false when the text ends
// in letters that are not that name.
std::string_view withoutUnit(std::string_view text, std::string_view unit) {
    text = trim(text);
    std::size_t end = text.size();
    while (end > 0 && std::isalpha(static_cast<unsigned char>(text[end - 1]))) --end;
    const std::string_view letters = text.substr(end);
    if (letters.empty()) return text;
    if (!equalsFolded(letters, unit)) return {};
    return trim(text.substr(0, end));
}

// Reads digits at pos; -1 when there are none.
int digits(std::string_view text, std::size_t& pos, std::size_t maxCount) {
    int value = 0;
    std::size_t count = 0;
    while (pos < text.size() && isDigit(text[pos]) && count < maxCount) {
        value = value * 10 + (text[pos] - '0');
        ++pos;
        ++count;
    }
    if (pos < text.size() && isDigit(text[pos])) return -1;  // too many digits
    return count == 0 ? -1 : value;
}

std::optional<Date> validDate(int year, int month, int day) {
    using namespace std::chrono;
    if (year < 1000 || month < 1 || month > 12 || day < 1) return std::nullopt;
    const year_month_day ymd{std::chrono::year{year},
                             std::chrono::month{static_cast<unsigned>(month)},
                             std::chrono::day{static_cast<unsigned>(day)}};
    if (!ymd.ok()) return std::nullopt;
    return Date{year, month, day};
}

constexpr std::array<std::string_view, 12> kMonthNames = {
    "january", "february", "march",     "april",   "may",      "june",
    "july",    "august",   "september", "october", "november", "december"};

// 1..12 for a month name or its first three letters ("Sept" too); 0 otherwise.
int monthNumber(std::string_view word) {
    const std::string folded = foldName(word);
    if (folded.size() < 3) return 0;
    for (std::size_t m = 0; m < kMonthNames.size(); ++m) {
        const std::string_view name = kMonthNames[m];
        if (folded == name || folded == name.substr(0, 3) || (folded == "sept" && m == 8)) {
            return static_cast<int>(m) + 1;
        }
    }
    return 0;
}

// Splits a date into its words: runs of digits or of letters; blanks, commas, '-', '/', '.'
// separate them. Anything else, or ordinals ("14th"), makes the date unreadable.
bool dateWords(std::string_view text, std::array<std::string_view, 3>& words) {
    std::size_t count = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        if (isBlank(c) || c == ',' || c == '-' || c == '/' || c == '.') {
            ++pos;
            continue;
        }
        const bool digits = isDigit(c);
        if (!digits && !std::isalpha(static_cast<unsigned char>(c))) return false;
        const std::size_t start = pos;
        while (pos < text.size() &&
               (digits ? isDigit(text[pos])
                       : std::isalpha(static_cast<unsigned char>(text[pos])) != 0)) {
            ++pos;
        }
        if (count == 3) return false;
        words[count++] = text.substr(start, pos - start);
    }
    return count == 3;
}

std::optional<int> number(std::string_view word) {
    if (word.empty() || word.size() > 4 || !isDigit(word[0])) return std::nullopt;
    int value = 0;
    for (char c : word) value = value * 10 + (c - '0');
    return value;
}

}  // namespace

std::string_view trim(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string foldName(std::string_view text) {
    std::string folded(trim(text));
    for (char& c : folded) c = foldChar(c);
    return folded;
}

std::optional<double> readDecimal(std::string_view text) {
    text = trim(text);
    double whole = 0;
    double fraction = 0;
    double scale = 1;
    bool anyDigit = false;
    bool afterSeparator = false;
    std::size_t digitsAfter = 0;
    char separator = 0;
    for (char c : text) {
        if (isDigit(c)) {
            anyDigit = true;
            if (afterSeparator) {
                scale /= 10;
                fraction += (c - '0') * scale;
                ++digitsAfter;
            } else {
                whole = whole * 10 + (c - '0');
            }
        } else if ((c == '.' || c == ',') && !afterSeparator) {
            afterSeparator = true;
            separator = c;
        } else {
            return std::nullopt;
        }
    }
    if (!anyDigit) return std::nullopt;
    if (separator == ',' && digitsAfter == 3) return std::nullopt;
    return whole + fraction;
}

int minorPerMajor(const UnitNames& units) {
    return units.isMetric() ? 1000 : 16;
}

std::optional<double> readWeight(std::string_view major, std::string_view minor,
                                 const UnitNames& units) {
    major = trim(major);
    minor = trim(minor);
    if (major.empty() && minor.empty()) return std::nullopt;
    double total = 0;
    if (!major.empty()) {
        const auto value = readDecimal(withoutUnit(major, units.weightMajorUnit));
        if (!value) return std::nullopt;
        total += *value * minorPerMajor(units);
    }
    if (!minor.empty()) {
        const auto value = readDecimal(withoutUnit(minor, units.weightMinorUnit));
        if (!value) return std::nullopt;
        total += *value;
    }
    return total;
}

std::optional<int> readTime(std::string_view text) {
    std::string folded = foldName(text);
    // "a.m." and "p.m." as "am" and "pm".
    std::string compact;
    for (char c : folded) {
        if (c == '.' && !compact.empty() &&
            (compact.back() == 'a' || compact.back() == 'p' || compact.back() == 'm')) {
            continue;
        }
        compact += c;
    }
    std::string_view rest = trim(compact);
    int half = 0;  // 1 am, 2 pm
    if (rest.ends_with("am") || rest.ends_with("pm")) {
        half = rest.ends_with("am") ? 1 : 2;
        rest = trim(rest.substr(0, rest.size() - 2));
    }
    std::size_t pos = 0;
    int hour = 0;
    int minute = 0;
    if (rest.size() == 4 && half == 0 &&
        std::all_of(rest.begin(), rest.end(), [](char c) { return isDigit(c); })) {
        hour = (rest[0] - '0') * 10 + (rest[1] - '0');
        minute = (rest[2] - '0') * 10 + (rest[3] - '0');
    } else {
        hour = digits(rest, pos, 2);
        if (hour < 0) return std::nullopt;
        if (pos < rest.size()) {
            if (rest[pos] != ':' && rest[pos] != '.') return std::nullopt;
            ++pos;
            const std::size_t start = pos;
            minute = digits(rest, pos, 2);
            if (minute < 0 || pos - start != 2 || pos != rest.size()) return std::nullopt;
        } else if (half == 0) {
            return std::nullopt;  // a bare "9" could be morning or evening
        }
    }
    if (minute > 59) return std::nullopt;
    if (half != 0) {
        if (hour < 1 || hour > 12) return std::nullopt;
        hour = hour % 12 + (half == 2 ? 12 : 0);
    } else if (hour > 23) {
        return std::nullopt;
    }
    return hour * 60 + minute;
}

std::optional<Date> readDate(std::string_view text) {
    std::array<std::string_view, 3> words;
    if (!dateWords(trim(text), words)) return std::nullopt;
    const auto a = number(words[0]);
    const auto b = number(words[1]);
    const auto c = number(words[2]);
    const bool fourDigitYearLast = c && words[2].size() == 4;
    if (a && b && c) {
        if (words[0].size() == 4) return validDate(*a, *b, *c);
        if (!fourDigitYearLast) return std::nullopt;
        if (*a > 12) return validDate(*c, *b, *a);
        return validDate(*c, *a, *b);
    }
    if (!fourDigitYearLast) return std::nullopt;
    if (a && !b) {
        const int month = monthNumber(words[1]);  // 14 April 2001
        return month ? validDate(*c, month, *a) : std::nullopt;
    }
    if (!a && b) {
        const int month = monthNumber(words[0]);  // April 14, 2001
        return month ? validDate(*c, month, *b) : std::nullopt;
    }
    return std::nullopt;
}

std::optional<long long> readPrice(std::string_view text) {
    text = trim(text);
    if (foldName(text) == "free") return 0;
    const auto isSign = [](char c) {
        return c == '$' || c == static_cast<char>(0xA3) || c == static_cast<char>(0x80);
    };
    if (!text.empty() && isSign(text.front())) {
        text.remove_prefix(1);
    } else if (!text.empty() && isSign(text.back())) {
        text.remove_suffix(1);
    }
    text = trim(text);
    const std::size_t separator = text.find_first_of(".,");
    if (separator != std::string_view::npos && text.size() - separator - 1 > 2) {
        return std::nullopt;
    }
    const auto value = readDecimal(text);
    // Beyond any ticket, and beyond what the cents of a long long hold.
    if (!value || *value > 1e12) return std::nullopt;
    return static_cast<long long>(*value * 100 + 0.5);
}

int minutesFished(int start, int finish) {
    return finish >= start ? finish - start : finish + 1440 - start;
}

std::string formatWeight(double minorUnits, const UnitNames& units) {
    const long long perMajor = minorPerMajor(units);
    const long long whole = std::llround(minorUnits);
    return std::to_string(whole / perMajor) + " " + units.weightMajorUnit + " " +
           std::to_string(whole % perMajor) + " " + units.weightMinorUnit;
}

std::string formatMoney(double cents) {
    const long long whole = std::llround(cents);
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%02lld", whole / 100, whole % 100);
    return text;
}

std::string formatDuration(int minutes) {
    return std::to_string(minutes / 60) + " h " + std::to_string(minutes % 60) + " min";
}

std::string formatDate(const Date& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d-%02d-%04d", date.month, date.day, date.year);
    return text;
}

}  // namespace rodwick
