// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "record_table.h"

namespace rodwick {

// The three export formats as file images: 8-bit text, every line ended by CR LF. "Current"
// is the record currentRecord, an empty record while the table is empty.

// A database file of one record, the current one, that loading and merging read as any other.
std::string nativeFileBytes(const RecordTable& table);

// Labelled text: per record 19 lines of a label and its value, then a line of two blanks.
// The current record, or all records (none for an empty table) when exportAll is set.
std::string textFileBytes(const RecordTable& table, bool exportAll);

// The sister edition's ".PRO" file: a header line, then per record the number of records
// exported and the 19 values. The records chosen as for the text file.
std::string sisterFileBytes(const RecordTable& table, bool exportAll);

}  // namespace rodwick
