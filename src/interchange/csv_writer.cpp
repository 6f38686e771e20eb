// SPDX-License-Identifier: GPL-3.0-or-later
#include "csv_writer.h"

#include "codec.h"
#include "fields.h"

namespace rodwick {

namespace {

// Spreadsheet programs take a file without a byte-order mark for their own 8-bit code page
// and show every accent and "£" wrongly; with it they read UTF-8.
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A sign, digits and at most one decimal point or comma: a spreadsheet reads it as a number
// and never as a formula, so it is written as it is.
bool isPlainNumber(std::string_view text) {
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) ++pos;
    bool digits = false;
    bool point = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (isDigit(c)) {
            digits = true;
        } else if ((c == '.' || c == ',') && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digits;
}

}  // namespace

CsvHeadings csvHeaders(const UnitNames& units) {
    CsvHeadings headers;
    for (const FieldInfo& info : kFields) {
        headers[static_cast<std::size_t>(info.field)] = fieldHeading(info.field, units);
    }
    return headers;
}

bool needsFormulaGuard(std::string_view text) {
    if (text.empty()) return false;
    switch (text.front()) {
        case '=':
        case '+':
        case '-':
        case '@':
        case '\t':
            return !isPlainNumber(text);
        case '\'':
            return needsFormulaGuard(text.substr(1));
        default:
            return false;
    }
}

std::string csvCell(std::string_view utf8, char separator) {
    std::string text;
    if (needsFormulaGuard(utf8)) text = "'";
    text += utf8;
    const bool quote =
        !text.empty() &&
        (text.front() == ' ' || text.back() == ' ' ||
         text.find_first_of(std::string{separator, '"', '\r', '\n'}) != std::string::npos);
    if (!quote) return text;
    std::string cell = "\"";
    for (const char c : text) {
        if (c == '"') cell += '"';
        cell += c;
    }
    cell += '"';
    return cell;
}

std::string csvFileBytes(const RecordTable& table, const UnitNames& units) {
    return csvFileBytes(std::span<const TripRecord>(&table.slot(1), table.recordCount()), units);
}

std::string csvFileBytes(std::span<const TripRecord> records, const UnitNames& units) {
    return csvFileBytes(records, csvHeaders(units));
}

std::string csvFileBytes(std::span<const TripRecord> records, const CsvHeadings& headings) {
    std::string bytes(kUtf8Bom);
    bytes.reserve((records.size() + 1) * 512);
    auto row = [&bytes](const auto& cells) {
        bool first = true;
        for (const std::string& cell : cells) {
            if (!first) bytes += ',';
            first = false;
            bytes += cell;
        }
        bytes += "\r\n";
    };
    std::array<std::string, kFieldCount> cells;
    for (int f = 0; f < kFieldCount; ++f) cells[f] = csvCell(headings[f]);
    row(cells);
    for (const TripRecord& record : records) {
        for (int f = 0; f < kFieldCount; ++f) cells[f] = csvCell(cp1252ToUtf8(record.fields[f]));
        row(cells);
    }
    return bytes;
}

}  // namespace rodwick
