// SPDX-License-Identifier: GPL-3.0-or-later
#include "csv_import.h"

#include <algorithm>
#include <array>
#include <utility>

#include "codec.h"
#include "csv_values.h"
#include "csv_writer.h"
#include "fields.h"

namespace rodwick {

namespace {

// Headings as compared: ASCII letters and digits only, in lower case.
std::string normalised(std::string_view heading) {
    std::string key;
    for (const char c : heading) {
        if (c >= 'A' && c <= 'Z') {
            key += static_cast<char>(c - 'A' + 'a');
        } else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
            key += c;
        }
    }
    return key;
}

// Whether a normalised heading names the field: our own heading in either unit system, the
// field's name, or a heading other programs give it.
bool names(std::string_view key, const FieldInfo& info) {
    if (key == normalised(fieldHeading(info.field, UnitNames::imperial())) ||
        key == normalised(fieldHeading(info.field, UnitNames::metric())) ||
        key == normalised(info.name)) {
        return true;
    }
    std::string_view others = info.otherHeadings;
    while (!others.empty()) {
        const std::size_t blank = others.find(' ');
        if (key == others.substr(0, blank)) return true;
        others = blank == std::string_view::npos ? std::string_view() : others.substr(blank + 1);
    }
    return false;
}

// Windows-1252 text with each line break (CR LF, CR or LF) made one blank.
std::string lineBreaksToBlanks(std::string text) {
    if (text.find_first_of("\r\n") == std::string::npos) return text;
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            out += ' ';
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

CsvRows readImportRows(std::string_view fileBytes, char separator) {
    // A heading row and one trip more than an empty table takes: enough to tell "too many".
    return readCsvRows(withoutBom(fileBytes), separator, RecordTable::kMaxRecords + 2);
}

std::size_t columnCount(const CsvRows& rows) {
    std::size_t width = 0;
    for (const auto& row : rows.rows) width = std::max(width, row.size());
    return width;
}

std::optional<Field> fieldForHeading(std::string_view heading, std::span<const FieldHeading> more) {
    const std::string key = normalised(heading);
    for (const FieldInfo& info : kFields) {
        if (names(key, info)) return info.field;
    }
    for (const FieldHeading& other : more) {
        if (key == normalised(other.heading)) return other.field;
    }
    return std::nullopt;
}

std::vector<int> initialMapping(const CsvRows& rows, bool firstRowIsHeader,
                                std::span<const FieldHeading> more) {
    const std::size_t width = columnCount(rows);
    std::vector<int> mapping(width, kLeaveOut);
    for (std::size_t c = 0; c < width; ++c) {
        if (!firstRowIsHeader) {
            mapping[c] =
                c < static_cast<std::size_t>(kFieldCount) ? static_cast<int>(c) : kLeaveOut;
        } else if (c < rows.rows.front().size()) {
            if (const auto field = fieldForHeading(rows.rows.front()[c], more)) {
                mapping[c] = static_cast<int>(*field);
            }
        }
    }
    return mapping;
}

std::string cellAsUtf8(std::string_view cell, CsvEncoding encoding) {
    return encoding == CsvEncoding::Windows1252 ? cp1252ToUtf8(cell) : std::string(cell);
}

std::string cellAsRecordText(std::string_view cell, CsvEncoding encoding, std::size_t& replaced) {
    std::string text;
    if (encoding == CsvEncoding::Windows1252) {
        text = cell;
    } else {
        text = utf8ToCp1252Lossy(cell);
        // The codec maps '?' to itself, so every '?' more is a character replaced.
        replaced += static_cast<std::size_t>(std::count(text.begin(), text.end(), '?') -
                                             std::count(cell.begin(), cell.end(), '?'));
    }
    if (!text.empty() && text.front() == '\'' &&
        needsFormulaGuard(std::string_view(text).substr(1))) {
        text.erase(0, 1);
    }
    return lineBreaksToBlanks(std::move(text));
}

CsvImportPlan planImport(const CsvRows& rows, const CsvImportChoice& choice) {
    CsvImportPlan plan;
    plan.unclosedQuote = rows.unclosedQuote;
    const std::size_t first = choice.firstRowIsHeader ? 1 : 0;
    plan.tripCount = rows.totalRows > first ? rows.totalRows - first : 0;
    if (rows.rows.empty()) return plan;

    // Which fields get more than their cells: a weight or a depth whose minor box no column
    // fills (our own export fills both, and each keeps its own cell), and the two times.
    std::array<int, kFieldCount> columns{};
    std::array<std::optional<CellUnit>, kFieldCount> unitOfColumn;
    for (std::size_t c = 0; c < choice.mapping.size(); ++c) {
        const int field = choice.mapping[c];
        if (field < 0 || field >= kFieldCount) continue;
        ++columns[field];
        if (choice.firstRowIsHeader && c < rows.rows.front().size()) {
            unitOfColumn[field] = headingUnit(rows.rows.front()[c], kFields[field].unit);
        }
    }
    std::vector<Field> splitFields;
    for (const FieldInfo& info : kFields) {
        const int f = static_cast<int>(info.field);
        if ((info.unit == UnitKind::WeightMajor || info.unit == UnitKind::DepthMajor) &&
            columns[f] > 0 && columns[f + 1] == 0) {
            splitFields.push_back(info.field);
            // Two columns joined into one box: neither heading speaks for the joined text.
            if (columns[f] > 1) unitOfColumn[f].reset();
        }
    }

    const std::size_t width = rows.rows.front().size();
    // One trip more than an empty table takes tells "too many"; without a heading row the
    // rows read hold one more.
    const std::size_t last = std::min(rows.rows.size(), first + RecordTable::kMaxRecords + 1);
    for (std::size_t r = first; r < last; ++r) {
        const auto& cells = rows.rows[r];
        if (cells.size() != width) ++plan.rowsOfOtherWidth;
        TripRecord record;
        for (std::size_t c = 0; c < cells.size() && c < choice.mapping.size(); ++c) {
            const int field = choice.mapping[c];
            if (field < 0 || field >= kFieldCount) continue;
            std::string text = cellAsRecordText(cells[c], choice.encoding, plan.replacedCharacters);
            std::string& into = record.fields[field];
            // Two columns for one field are joined; an empty one adds nothing.
            if (text.empty()) continue;
            into = into.empty() ? std::move(text) : into + "; " + text;
        }
        const std::size_t index = plan.records.size();
        for (const Field field : splitFields) {
            std::string& major = record[field];
            if (major.empty()) continue;
            const int f = static_cast<int>(field);
            SplitValue split = splitValue(major, kFields[f].unit, choice.units, unitOfColumn[f]);
            if (split.outcome == SplitValue::Outcome::Split) {
                plan.notes.push_back({index, field, CsvCellNote::Kind::Split, major});
                major = std::move(split.major);
                record.fields[f + 1] = std::move(split.minor);
            } else if (split.outcome == SplitValue::Outcome::OtherSystem) {
                plan.notes.push_back({index, field, CsvCellNote::Kind::OtherSystem, major});
                ++plan.otherSystemValues;
            }
        }
        for (const Field field : {Field::StartTime, Field::FinishTime}) {
            std::string& time = record[field];
            if (columns[static_cast<int>(field)] == 0 || time.empty()) continue;
            if (auto shown = spreadsheetTime(time); shown && *shown != time) {
                plan.notes.push_back({index, field, CsvCellNote::Kind::Time, time});
                time = std::move(*shown);
            }
        }
        plan.records.push_back(std::move(record));
    }
    return plan;
}

}  // namespace rodwick
