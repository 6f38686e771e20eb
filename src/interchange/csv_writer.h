// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "record_table.h"
#include "settings.h"

namespace rodwick {

// The headings of a spreadsheet file's first row, UTF-8, in field order.
using CsvHeadings = std::array<std::string, kFieldCount>;

// The header row in English: the record view's captions without their colons, the split
// fields with their unit in force. The best fish's weight is named apart from the total weight
// so that a file maps back to the fields it came from.
CsvHeadings csvHeaders(const UnitNames& units);

// Whether a spreadsheet would take a text that begins so for a formula; such a text is
// written with a leading apostrophe. A text that is already an apostrophe in front of one
// counts too, so that reading removes exactly the apostrophes writing added.
bool needsFormulaGuard(std::string_view text);

// One cell of UTF-8 text: guarded against formulas, quoted when it holds the separator, a
// quote, a line break or a leading or trailing blank, quotes doubled.
std::string csvCell(std::string_view utf8, char separator = ',');

// All records in table order, after the header row: comma separated, CR LF line ends, UTF-8.
std::string csvFileBytes(const RecordTable& table, const UnitNames& units);
// The same for any trips, in the order given.
std::string csvFileBytes(std::span<const TripRecord> records, const UnitNames& units);
// The same under headings of the caller's (the windows' language).
std::string csvFileBytes(std::span<const TripRecord> records, const CsvHeadings& headings);

}  // namespace rodwick
