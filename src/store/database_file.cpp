// SPDX-License-Identifier: GPL-3.0-or-later
#include "database_file.h"

namespace rodwick {

Result<std::vector<TripRecord>> parseDatabase(std::string_view bytes) {
    const std::vector<std::string> lines = splitLines(bytes);
    if (lines.empty()) {
        return Result<std::vector<TripRecord>>::fail("The file is empty.");
    }
    const long long count = parseCount(lines[0]);
    if (count < 0) {
        return Result<std::vector<TripRecord>>::fail("The record count is not a whole number.");
    }
    if (count > RecordTable::kMaxRecords) {
        return Result<std::vector<TripRecord>>::fail(
            "The file holds more than " + std::to_string(RecordTable::kMaxRecords) + " records.");
    }
    const std::size_t needed = 1 + static_cast<std::size_t>(count) * kFieldCount;
    if (lines.size() < needed) {
        return Result<std::vector<TripRecord>>::fail(
            "The file ends before record " + std::to_string((lines.size() - 1) / kFieldCount + 1) +
            " is complete.");
    }
    std::vector<TripRecord> records(static_cast<std::size_t>(count));
    std::size_t line = 1;
    for (TripRecord& record : records) {
        for (std::string& field : record.fields) {
            field = lines[line++];
        }
    }
    return records;
}

std::string formatDatabase(const RecordTable& table) {
    std::string out;
    appendTextLine(out, formatNumber(table.recordCount()));
    for (int k = 1; k <= table.recordCount(); ++k) {
        for (const std::string& field : table.slot(k).fields) {
            appendTextLine(out, field);
        }
    }
    return out;
}

Result<std::vector<TripRecord>> readDatabaseFile(const std::string& path) {
    Result<std::string> bytes = readFileBytes(path);
    if (!bytes) {
        return Result<std::vector<TripRecord>>::fail(bytes.error());
    }
    return parseDatabaseFile(path, bytes.value());
}

Result<std::vector<TripRecord>> parseDatabaseFile(const std::string& path, std::string_view bytes) {
    Result<std::vector<TripRecord>> records = parseDatabase(bytes);
    if (!records) {
        return Result<std::vector<TripRecord>>::fail(path + ": " + records.error());
    }
    return records;
}

Status saveDatabaseFile(const std::string& path, const RecordTable& table, const FileOps& ops) {
    return writeFileAtomically(path, formatDatabase(table), ops);
}

}  // namespace rodwick
