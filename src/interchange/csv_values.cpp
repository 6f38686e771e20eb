// SPDX-License-Identifier: GPL-3.0-or-later
#include "csv_values.h"

#include <array>
#include <cmath>
#include <vector>

#include "readings.h"

namespace rodwick {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string lowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

struct UnitWords {
    CellUnit unit;
    // Blank-separated, lower case.
    std::string_view words;
};

// The names spreadsheets and people write; the feet and inch marks as well, since "7' 6\""
// is how many write a depth.
constexpr std::array<UnitWords, 4> kWeightWords{{
    {{true, false}, "kg kgs kilo kilos kilogram kilograms"},
    {{true, true}, "g gr gram grams gramme grammes"},
    {{false, false}, "lb lbs pound pounds"},
    {{false, true}, "oz ounce ounces"},
}};
constexpr std::array<UnitWords, 4> kDepthWords{{
    {{true, false}, "m metre metres meter meters"},
    {{true, true}, "cm centimetre centimetres centimeter centimeters"},
    {{false, false}, "ft foot feet '"},
    {{false, true}, "in inch inches \""},
}};

std::optional<CellUnit> unitOfWord(std::string_view word, UnitKind kind) {
    const std::string lower = lowerAscii(word);
    const auto& table =
        kind == UnitKind::DepthMajor || kind == UnitKind::DepthMinor ? kDepthWords : kWeightWords;
    for (const UnitWords& entry : table) {
        std::string_view words = entry.words;
        while (!words.empty()) {
            const std::size_t blank = words.find(' ');
            if (words.substr(0, blank) == lower) return entry.unit;
            words = blank == std::string_view::npos ? std::string_view() : words.substr(blank + 1);
        }
    }
    return std::nullopt;
}

int minorPerMajor(UnitKind kind, bool metric) {
    if (kind == UnitKind::DepthMajor || kind == UnitKind::DepthMinor) return metric ? 100 : 12;
    return metric ? 1000 : 16;
}

// A number and the unit written after it, if any.
struct Part {
    std::string_view number;
    std::optional<CellUnit> unit;
};

// The parts of "12,5", "12.5kg", "5 lb 8 oz", "7' 6\""; nothing when the text holds anything
// else: a word that is no unit of the kind, a sign, a third part.
std::optional<std::vector<Part>> partsOf(std::string_view text, UnitKind kind) {
    std::vector<Part> parts;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        if (isBlank(c)) {
            ++pos;
        } else if (isDigit(c) || c == '.' || c == ',') {
            const std::size_t start = pos;
            while (pos < text.size() &&
                   (isDigit(text[pos]) || text[pos] == '.' || text[pos] == ','))
                ++pos;
            if (parts.size() == 2) return std::nullopt;
            parts.push_back({text.substr(start, pos - start), std::nullopt});
        } else {
            const std::size_t start = pos;
            if (isLetter(c)) {
                while (pos < text.size() && isLetter(text[pos])) ++pos;
            } else {
                ++pos;
            }
            const auto unit = unitOfWord(text.substr(start, pos - start), kind);
            if (!unit || parts.empty() || parts.back().unit) return std::nullopt;
            parts.back().unit = unit;
        }
    }
    if (parts.empty()) return std::nullopt;
    return parts;
}

}  // namespace

std::optional<CellUnit> headingUnit(std::string_view heading, UnitKind kind) {
    std::vector<CellUnit> found;
    bool inAsWord = false;
    for (std::size_t pos = 0; pos < heading.size();) {
        if (!isLetter(heading[pos])) {
            ++pos;
            continue;
        }
        const std::size_t start = pos;
        while (pos < heading.size() && isLetter(heading[pos])) ++pos;
        const std::string_view word = heading.substr(start, pos - start);
        // "Depth in m": "in" names the inch only where no other unit is named.
        if (lowerAscii(word) == "in") {
            inAsWord = true;
            continue;
        }
        if (const auto unit = unitOfWord(word, kind)) found.push_back(*unit);
    }
    if (found.empty() && inAsWord) return unitOfWord("in", kind);
    if (found.empty()) return std::nullopt;
    CellUnit chosen = found.front();
    for (const CellUnit& unit : found) {
        if (unit.metric != chosen.metric) return std::nullopt;
        if (!unit.minor) chosen = unit;
    }
    return chosen;
}

SplitValue splitValue(std::string_view text, UnitKind kind, const UnitNames& units,
                      std::optional<CellUnit> columnUnit) {
    SplitValue value;
    value.major = text;
    const auto parts = partsOf(text, kind);
    if (!parts) return value;
    const bool metric = units.isMetric();
    const CellUnit inForce{metric, false};

    bool otherSystem = false;
    double total = 0;  // in minor units of the system the value is written in
    const int perMajor =
        minorPerMajor(kind, parts->front().unit ? parts->front().unit->metric
                                                : columnUnit.value_or(inForce).metric);
    for (std::size_t k = 0; k < parts->size(); ++k) {
        const Part& part = (*parts)[k];
        CellUnit unit = part.unit.value_or(columnUnit.value_or(inForce));
        if (parts->size() == 2) {
            // A major part with its unit, then the minor part of the same system: "5 lb 8 oz",
            // "5 lb 8".
            const std::optional<CellUnit> first = (*parts)[0].unit;
            if (!first || first->minor) return value;
            if (k == 1 && !part.unit) unit = {first->metric, true};
            if (k == 1 && (unit.metric != first->metric || !unit.minor)) return value;
        }
        const auto number = readDecimal(part.number);
        if (!number) return value;
        otherSystem = otherSystem || unit.metric != metric;
        total += unit.minor ? *number : *number * perMajor;
    }
    // Beyond any weight or depth, and beyond what a whole number holds exactly.
    if (total > 1e12) return value;
    if (otherSystem) {
        value.outcome = SplitValue::Outcome::OtherSystem;
        return value;
    }
    const long long whole = std::llround(total);
    value.major = std::to_string(whole / perMajor);
    value.minor = whole % perMajor == 0 ? std::string() : std::to_string(whole % perMajor);
    value.outcome = value.major == text && value.minor.empty() ? SplitValue::Outcome::Unchanged
                                                               : SplitValue::Outcome::Split;
    return value;
}

std::optional<std::string> spreadsheetTime(std::string_view text) {
    text = trim(text);
    std::size_t pos = 0;
    auto twoDigits = [&](bool oneWillDo) -> int {
        const std::size_t start = pos;
        while (pos < text.size() && isDigit(text[pos]) && pos - start < 2) ++pos;
        const std::size_t count = pos - start;
        if (count == 0 || (count == 1 && !oneWillDo)) return -1;
        return count == 1 ? text[start] - '0' : (text[start] - '0') * 10 + (text[start + 1] - '0');
    };
    const int hour = twoDigits(true);
    if (hour < 0 || pos >= text.size() || text[pos++] != ':') return std::nullopt;
    const int minute = twoDigits(false);
    if (minute < 0 || minute > 59) return std::nullopt;
    bool seconds = false;
    if (pos < text.size() && text[pos] == ':') {
        // A log book keeps minutes: seconds other than none are not dropped on a guess.
        if (text.substr(pos + 1, 2) != "00") return std::nullopt;
        pos += 3;
        seconds = true;
    }
    // A spreadsheet puts a blank before the marker; "7:30pm" is typed, and kept.
    const std::size_t markerAt = pos;
    while (pos < text.size() && isBlank(text[pos])) ++pos;
    const std::string marker = pos > markerAt ? lowerAscii(text.substr(pos)) : std::string();
    if (pos == markerAt && pos < text.size()) return std::nullopt;
    int hour24 = hour;
    if (marker == "am" || marker == "pm") {
        if (hour < 1 || hour > 12) return std::nullopt;
        hour24 = hour % 12 + (marker == "pm" ? 12 : 0);
    } else if (!marker.empty() || hour > 23) {
        return std::nullopt;
    }
    // "7:30 pm" is how people type a time too, and what they typed is kept.
    if (!seconds) return std::nullopt;
    std::string shown = "00:00";
    shown[0] = static_cast<char>('0' + hour24 / 10);
    shown[1] = static_cast<char>('0' + hour24 % 10);
    shown[3] = static_cast<char>('0' + minute / 10);
    shown[4] = static_cast<char>('0' + minute % 10);
    return shown;
}

}  // namespace rodwick
