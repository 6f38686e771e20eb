#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "csv_reader.h"
#include "record_table.h"

namespace rodwick {

// How a file is to be read: the user sees each of these and may change it.
struct CsvImportChoice {
    char separator = ',';
    CsvEncoding encoding = CsvEncoding::Utf8;
    bool firstRowIsHeader = true;
    // Per column of the file: the field (0..21) it goes into, or kLeaveOut.
    std::vector<int> mapping;
};
inline constexpr int kLeaveOut = -1;

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
};

// The rows of a whole file, byte-order mark left out. Only as many rows are kept as an
// import into an empty table could ever use.
CsvRows readImportRows(std::string_view fileBytes, char separator);
// The widest kept row.
std::size_t columnCount(const CsvRows& rows);

// The field a column heading names: our own headers, the field names and the names other log
// books and spreadsheets use, compared without regard to case, blanks and punctuation.
std::optional<Field> fieldForHeading(std::string_view heading);
// Columns mapped from the heading row, or, without one, to the fields in their order.
std::vector<int> initialMapping(const CsvRows& rows, bool firstRowIsHeader);

// A cell as the program shows it (UTF-8).
std::string cellAsUtf8(std::string_view cell, CsvEncoding encoding);
// A cell as a record holds it: Windows-1252 bytes, the apostrophe a writer put before a
// formula-like text removed, each line break one blank. Characters Windows-1252 cannot hold
// become '?' and are added to replaced.
std::string cellAsRecordText(std::string_view cell, CsvEncoding encoding, std::size_t& replaced);

CsvImportPlan planImport(const CsvRows& rows, const CsvImportChoice& choice);

}  // namespace rodwick
