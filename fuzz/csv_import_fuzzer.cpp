// SPDX-License-Identifier: GPL-3.0-or-later
// Any header and rows, mapped by their headings or at random, planned as an import: every trip
// of the plan is one the database file holds as it stands (no line break in a field), the plan
// keeps one trip more than an empty table takes and counts the rest, a weight split into its
// boxes reads as a weight, and a time made over reads as a time.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "csv_import.h"
#include "database_file.h"
#include "fields.h"
#include "fuzz_check.h"
#include "readings.h"

using namespace rodwick;
using rodwick::fuzz::require;

namespace {

constexpr std::array<char, 3> kSeparators{',', ';', '\t'};
constexpr std::array<CsvEncoding, 3> kEncodings{CsvEncoding::Utf8, CsvEncoding::Utf8WithBom,
                                                CsvEncoding::Windows1252};

void checkRecords(const CsvImportPlan& plan) {
    for (const TripRecord& record : plan.records) {
        for (const std::string& field : record.fields) {
            require(field.find_first_of("\r\n") == std::string::npos,
                    "no field of a planned trip holds a line break");
        }
    }
    // The trips an empty table takes are saved and loaded back as they were planned.
    const std::size_t fit =
        std::min(plan.records.size(), static_cast<std::size_t>(RecordTable::kMaxRecords));
    const std::vector<TripRecord> kept(plan.records.begin(),
                                       plan.records.begin() + static_cast<std::ptrdiff_t>(fit));
    const auto table = std::make_unique<RecordTable>();
    require(table->replaceAll(kept), "the trips that fit are taken");
    const Result<std::vector<TripRecord>> loaded = parseDatabase(formatDatabase(*table));
    require(loaded.ok() && loaded.value() == kept, "planned trips are saved and load unchanged");
}

void checkNotes(const CsvImportPlan& plan, const UnitNames& units) {
    std::size_t otherSystem = 0;
    for (const CsvCellNote& note : plan.notes) {
        require(note.record < plan.records.size(), "a note is on a planned trip");
        const TripRecord& record = plan.records[note.record];
        const int f = static_cast<int>(note.field);
        const UnitKind unit = kFields[f].unit;
        switch (note.kind) {
            case CsvCellNote::Kind::Split:
                require(unit == UnitKind::WeightMajor || unit == UnitKind::DepthMajor,
                        "only a weight or a depth is split");
                require(!record.fields[f].empty() && record.fields[f] != note.asWritten,
                        "a split changes the major box");
                if (unit == UnitKind::WeightMajor) {
                    require(readWeight(record.fields[f], record.fields[f + 1], units).has_value(),
                            "a split weight reads as a weight in the units in force");
                }
                break;
            case CsvCellNote::Kind::OtherSystem:
                ++otherSystem;
                require(record.fields[f] == note.asWritten, "another system's value is kept");
                break;
            case CsvCellNote::Kind::Time:
                require(note.field == Field::StartTime || note.field == Field::FinishTime,
                        "only the start and finish times are made over");
                require(record.fields[f].size() == 5 && readTime(record.fields[f]),
                        "a time made over reads as HH:MM");
                break;
        }
    }
    require(otherSystem == plan.otherSystemValues, "every value of the other system is counted");
}

}  // namespace

// Byte 0 chooses the separator, encoding, units and whether the first row is a header and
// whether the headings map the columns; byte 1 adds up to 510 short rows, so that tables of
// any size up to past the limit are tried; the rest is the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto flags = static_cast<unsigned char>(bytes[0]);
    const int extraRows = 2 * static_cast<unsigned char>(bytes[1]);
    const std::string_view body = bytes.substr(2);

    CsvImportChoice choice;
    choice.separator = kSeparators[flags % 3];
    choice.encoding = kEncodings[(flags / 3) % 3];
    choice.firstRowIsHeader = (flags & 0x10) == 0;
    choice.units = flags & 0x20 ? UnitNames::imperial() : UnitNames::metric();
    std::string file(body);
    for (int k = 0; k < extraRows; ++k) {
        file += "7";
        file += choice.separator;
        file += "8\r\n";
    }
    const CsvRows rows = readImportRows(file, choice.separator);
    choice.mapping = initialMapping(rows, choice.firstRowIsHeader);
    require(choice.mapping.size() == columnCount(rows), "every column is mapped or left out");
    if (flags & 0x40 && !body.empty()) {
        for (std::size_t c = 0; c < choice.mapping.size(); ++c) {
            choice.mapping[c] = static_cast<unsigned char>(body[c % body.size()]) % 23 - 1;
        }
    }

    const CsvImportPlan plan = planImport(rows, choice);
    const std::size_t first = choice.firstRowIsHeader ? 1 : 0;
    const std::size_t trips = rows.totalRows > first ? rows.totalRows - first : 0;
    require(plan.tripCount == trips, "every trip of the file is counted");
    require(plan.records.size() ==
                std::min(trips, static_cast<std::size_t>(RecordTable::kMaxRecords + 1)),
            "the plan keeps one trip more than a table takes, and no more");
    require(plan.unclosedQuote == rows.unclosedQuote, "an unclosed quote is told");
    checkRecords(plan);
    checkNotes(plan, choice.units);
    return 0;
}
