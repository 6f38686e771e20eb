#include "database_file.h"

namespace rodwick {

Result<std::vector<TripRecord>> ParseDatabase(std::string_view bytes) {
    const std::vector<std::string> lines = SplitLines(bytes);
    if (lines.empty()) {
        return Result<std::vector<TripRecord>>::Fail("The file is empty.");
    }
    const long long count = ParseCount(lines[0]);
    if (count < 0) {
        return Result<std::vector<TripRecord>>::Fail("The record count is not a whole number.");
    }
    if (count > RecordTable::kMaxRecords) {
        return Result<std::vector<TripRecord>>::Fail(
            "The file holds more than " + std::to_string(RecordTable::kMaxRecords) + " records.");
    }
    const std::size_t needed = 1 + static_cast<std::size_t>(count) * kFieldCount;
    if (lines.size() < needed) {
        return Result<std::vector<TripRecord>>::Fail(
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

std::string FormatDatabase(const RecordTable& table) {
    std::string out;
    AppendTextLine(out, FormatNumber(table.recordCount()));
    for (int k = 1; k <= table.recordCount(); ++k) {
        for (const std::string& field : table.slot(k).fields) {
            AppendTextLine(out, field);
        }
    }
    return out;
}

Result<std::vector<TripRecord>> ReadDatabaseFile(const std::string& path) {
    Result<std::string> bytes = ReadFileBytes(path);
    if (!bytes) {
        return Result<std::vector<TripRecord>>::Fail(bytes.error());
    }
    Result<std::vector<TripRecord>> records = ParseDatabase(bytes.value());
    if (!records) {
        return Result<std::vector<TripRecord>>::Fail(path + ": " + records.error());
    }
    return records;
}

Status SaveDatabaseFile(const std::string& path, const RecordTable& table, const FileOps& ops) {
    return WriteFileAtomically(path, FormatDatabase(table), ops);
}

}  // namespace rodwick
