// SPDX-License-Identifier: GPL-3.0-or-later
#include "csv_reader.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace rodwick {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Strict UTF-8: shortest forms only, no surrogates, nothing above U+10FFFF.
bool isUtf8(std::string_view bytes) {
    std::size_t i = 0;
    const std::size_t n = bytes.size();
    while (i < n) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (b >= 0xC2 && b <= 0xDF) {
            length = 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            if (b == 0xE0) low = 0xA0;
            if (b == 0xED) high = 0x9F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            if (b == 0xF0) low = 0x90;
            if (b == 0xF4) high = 0x8F;
        } else {
            return false;
        }
        if (i + length > n) return false;
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        if (second < low || second > high) return false;
        for (std::size_t k = 2; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if (next < 0x80 || next > 0xBF) return false;
        }
        i += length;
    }
    return true;
}

}  // namespace

CsvRows readCsvRows(std::string_view bytes, char separator, std::size_t maxRows) {
    CsvRows out;
    std::vector<std::string> row;
    std::string cell;
    // A quote opens a quoted cell only as the cell's first character.
    bool cellStarted = false;
    bool rowHasContent = false;
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    auto keeping = [&] { return out.totalRows < maxRows; };

    auto endCell = [&] {
        if (keeping()) row.push_back(std::move(cell));
        cell.clear();
        cellStarted = false;
    };
    auto endRow = [&] {
        endCell();
        if (rowHasContent) {
            if (keeping()) out.rows.push_back(std::move(row));
            ++out.totalRows;
        }
        row.clear();
        rowHasContent = false;
    };

    while (i < n) {
        const char c = bytes[i];
        if (c == '"' && !cellStarted) {
            // Everything up to the closing quote, separators and line breaks included.
            rowHasContent = cellStarted = true;
            ++i;
            bool closed = false;
            while (i < n) {
                const std::size_t quote = bytes.find('"', i);
                if (quote == std::string_view::npos) break;
                if (keeping()) cell.append(bytes.substr(i, quote - i));
                if (quote + 1 < n && bytes[quote + 1] == '"') {
                    if (keeping()) cell += '"';
                    i = quote + 2;
                    continue;
                }
                i = quote + 1;
                closed = true;
                break;
            }
            if (!closed) {
                if (keeping()) cell.append(bytes.substr(i));
                out.unclosedQuote = true;
                i = n;
            }
            // Text between the closing quote and the next separator belongs to the cell.
            continue;
        }
        if (c == separator) {
            rowHasContent = true;
            endCell();
            ++i;
            continue;
        }
        if (c == '\r' || c == '\n') {
            endRow();
            i += (c == '\r' && i + 1 < n && bytes[i + 1] == '\n') ? 2 : 1;
            continue;
        }
        // Plain text up to the next separator or line end in one step; a quote in it is a
        // character.
        std::size_t end = i + 1;
        while (end < n && bytes[end] != separator && bytes[end] != '\r' && bytes[end] != '\n') {
            ++end;
        }
        rowHasContent = cellStarted = true;
        if (keeping()) cell.append(bytes.substr(i, end - i));
        i = end;
    }
    if (rowHasContent) endRow();
    return out;
}

CsvEncoding detectEncoding(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Bom)) return CsvEncoding::Utf8WithBom;
    return isUtf8(bytes) ? CsvEncoding::Utf8 : CsvEncoding::Windows1252;
}

std::string_view withoutBom(std::string_view bytes) {
    return bytes.starts_with(kUtf8Bom) ? bytes.substr(kUtf8Bom.size()) : bytes;
}

char detectSeparator(std::string_view bytes) {
    constexpr std::size_t kSampleRows = 20;
    constexpr std::array<char, 3> kCandidates{',', ';', '\t'};
    char best = ',';
    std::tuple<std::size_t, std::size_t> bestScore{0, 0};
    for (const char separator : kCandidates) {
        const CsvRows sample = readCsvRows(bytes, separator, kSampleRows);
        if (sample.rows.empty() || sample.rows.front().size() < 2) continue;
        const std::size_t width = sample.rows.front().size();
        const auto agreeing = static_cast<std::size_t>(
            std::count_if(sample.rows.begin(), sample.rows.end(),
                          [&](const auto& r) { return r.size() == width; }));
        const std::tuple<std::size_t, std::size_t> score{agreeing, width};
        if (score > bestScore) {
            bestScore = score;
            best = separator;
        }
    }
    return best;
}

bool looksBinary(std::string_view bytes) {
    constexpr std::size_t kProbe = 64 * 1024;
    return bytes.substr(0, kProbe).find('\0') != std::string_view::npos;
}

}  // namespace rodwick
