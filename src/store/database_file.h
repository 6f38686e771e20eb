#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "record_table.h"
#include "result.h"

namespace rodwick {

// Lines of a text file: CR LF or a lone CR ends a line; a lone LF stays in the text.
// A final line without an ending still counts; an empty input has no lines.
std::vector<std::string> SplitLines(std::string_view bytes);

// Appends text as one line ended by CR LF. A CR or CR LF inside the text, which would end the
// line on reading, is written as one blank; a lone LF is written as it stands.
void AppendTextLine(std::string& out, std::string_view text);

// A number as the program writes it: one space, the digits (with '-' if negative), one space.
std::string FormatNumber(long long n);
// A whole number from 0 up, surrounding spaces ignored; -1 when the line is anything else.
long long ParseCount(std::string_view line);

// Parses a whole database file. Fails on an unreadable or negative count, a count above 250
// and a file that ends before the last record is complete. Lines after it are ignored.
Result<std::vector<TripRecord>> ParseDatabase(std::string_view bytes);
// The file image of slots 1..recordCount. A CR or CR LF inside a field, which would end the
// line on reading, is written as one blank; a lone LF is written as it stands.
std::string FormatDatabase(const RecordTable& table);

bool FileExists(const std::string& path);
Result<std::string> ReadFileBytes(const std::string& path);
Result<std::vector<TripRecord>> ReadDatabaseFile(const std::string& path);

// The system calls a safe save is made of, replaceable so that tests can make them fail.
struct FileOps {
    std::function<long(int fd, const char* data, std::size_t size)> write;
    std::function<int(int fd)> fsync;
    std::function<int(const char* from, const char* to)> rename;

    static const FileOps& System();
};

// Writes to a temporary file in the target's folder, flushes it to disk and renames it over
// the target. On any failure the target is untouched and the temporary file is removed.
Status WriteFileAtomically(const std::string& path, std::string_view bytes,
                           const FileOps& ops = FileOps::System());
Status SaveDatabaseFile(const std::string& path, const RecordTable& table,
                        const FileOps& ops = FileOps::System());

}  // namespace rodwick
