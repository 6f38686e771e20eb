// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "file_io.h"
#include "record_table.h"
#include "result.h"
#include "text_lines.h"

namespace rodwick {

// The database file: a count line, then 22 lines per record, Windows-1252, CR LF.

// Parses a whole database file. Fails on an unreadable or negative count, a count above 250
// and a file that ends before the last record is complete. Lines after it are ignored.
Result<std::vector<TripRecord>> parseDatabase(std::string_view bytes);
// The file image of slots 1..recordCount. A CR or CR LF inside a field, which would end the
// line on reading, is written as one blank; a lone LF is written as it stands.
std::string formatDatabase(const RecordTable& table);

// parseDatabase with the path in front of its message, as every reader of a file reports it.
Result<std::vector<TripRecord>> parseDatabaseFile(const std::string& path, std::string_view bytes);
Result<std::vector<TripRecord>> readDatabaseFile(const std::string& path);
// Writes the table safely (WriteFileAtomically); the message on failure is the system's reason.
Status saveDatabaseFile(const std::string& path, const RecordTable& table,
                        const FileOps& ops = FileOps::system());

}  // namespace rodwick
