// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "csv_reader.h"
#include "record_table.h"
#include "settings.h"

namespace rodwick {

// How a file is to be read: the user sees each of these and may change it.
struct CsvImportChoice {
    char separator = ',';
    CsvEncoding encoding = CsvEncoding::Utf8;
    bool firstRowIsHeader = true;
    // Per column of the file: the field (0..21) it goes into, or kLeaveOut.
    std::vector<int> mapping;
    // The units in force, which a weight or a depth is split into.
    UnitNames units;
};
inline constexpr int kLeaveOut = -1;

// A cell the import stores other than as written, or keeps as written where the user might
// expect otherwise; the preview tells which and why.
struct CsvCellNote {
    enum class Kind {
        // A weight or a depth split into its two boxes.
        Split,
        // A weight or a depth in the other unit system, kept as written in the major box.
        OtherSystem,
        // A spreadsheet's time ("07:30:00 AM") stored as the record view shows times.
        Time,
    };
    std::size_t record = 0;
    Field field = Field::Venue;
    Kind kind = Kind::Split;
    // The field's text as the file gives it (Windows-1252).
    std::string asWritten;
};

// What importing would add, known before the user confirms.
struct CsvImportPlan {
    // The trips of the rows kept (never more than the table can take, plus one).
    std::vector<TripRecord> records;
    // Every trip in the file, kept or not.
    std::size_t tripCount = 0;
    // Characters the database file cannot hold, each stored as '?'.
    std::size_t replacedCharacters = 0;
    // Rows whose cells are more or fewer than the first row's.
    std::size_t rowsOfOtherWidth = 0;
    bool unclosedQuote = false;
    // In record order, for the records kept.
    std::vector<CsvCellNote> notes;
    std::size_t otherSystemValues = 0;
};

// The rows of a whole file, byte-order mark left out. Only as many rows are kept as an
// import into an empty table could ever use.
CsvRows readImportRows(std::string_view fileBytes, char separator);
// The widest kept row.
std::size_t columnCount(const CsvRows& rows);

// A heading that names a field besides the English ones: the field's heading in another
// language the program speaks, in which a file may have been exported.
struct FieldHeading {
    std::string heading;
    Field field = Field::Venue;
};

// The field a column heading names: our own headers, the field names and the names other log
// books and spreadsheets use, then the headings of more, compared without regard to case,
// blanks, punctuation and letters beyond ASCII (so that UTF-8 and Windows-1252 agree).
std::optional<Field> fieldForHeading(std::string_view heading,
                                     std::span<const FieldHeading> more = {});
// Columns mapped from the heading row, or, without one, to the fields in their order.
std::vector<int> initialMapping(const CsvRows& rows, bool firstRowIsHeader,
                                std::span<const FieldHeading> more = {});

// A cell as the program shows it (UTF-8).
std::string cellAsUtf8(std::string_view cell, CsvEncoding encoding);
// A cell as a record holds it: Windows-1252 bytes, the apostrophe a writer put before a
// formula-like text removed, each line break one blank. Characters Windows-1252 cannot hold
// become '?' and are added to replaced.
std::string cellAsRecordText(std::string_view cell, CsvEncoding encoding, std::size_t& replaced);

// The trips of the rows. A weight or a depth whose major box alone is mapped is split into its
// two boxes (splitValue), a bare number taken in the unit its column heading names; a start or
// finish time in a spreadsheet's form is stored as the record view shows times.
CsvImportPlan planImport(const CsvRows& rows, const CsvImportChoice& choice);

}  // namespace rodwick
