// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace rodwick {

enum class CsvEncoding { Utf8WithBom, Utf8, Windows1252 };

// Cells of a separated-values file as the file's own bytes (no byte-order mark, quotes
// removed). Rows past the first maxRows are counted but not kept, so that a huge file costs
// no more memory than the rows that can ever be used.
struct CsvRows {
    std::vector<std::vector<std::string>> rows;
    std::size_t totalRows = 0;
    // A quote opened and never closed: its cell runs to the end of the file.
    bool unclosedQuote = false;
};

// Reads RFC 4180 text: cells quoted or not, quotes doubled inside quoted cells, line ends
// CR LF, LF or CR. A quote inside an unquoted cell is taken as a character. Lines with
// nothing on them are skipped.
CsvRows readCsvRows(std::string_view bytes, char separator, std::size_t maxRows = SIZE_MAX);

// UTF-8 with or without a byte-order mark when the bytes are valid UTF-8, Windows-1252
// otherwise.
CsvEncoding detectEncoding(std::string_view bytes);
// The bytes after the byte-order mark, if any.
std::string_view withoutBom(std::string_view bytes);

// Comma, semicolon or tab: the one that splits the first rows into the same number of cells,
// most of them; a comma when none splits anything.
char detectSeparator(std::string_view bytes);

// A NUL byte near the start: the file is not text (or is text in an encoding not read here).
bool looksBinary(std::string_view bytes);

}  // namespace rodwick
