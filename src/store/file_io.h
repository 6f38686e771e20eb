// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "result.h"

namespace rodwick {

// Whole-file input and output for every file the program reads or writes. Paths are UTF-8.

bool fileExists(const std::string& path);
Result<std::string> readFileBytes(const std::string& path);

// What the system says of a file without reading it: enough to tell cheaply that it has not
// been written since, as long as it was not written twice within one tick of its clock.
struct FileStamp {
    std::uintmax_t size = 0;
    std::int64_t modifiedNs = 0;  // since the epoch
    bool operator==(const FileStamp&) const = default;
};
// The stamp of the regular file at path (a link is followed); nothing where there is none (a
// missing file, a folder, a pipe). The message on failure is the system's reason.
Result<std::optional<FileStamp>> fileStamp(const std::string& path);

struct FileContent {
    std::string bytes;
    FileStamp stamp;
};
// Reads a whole file as readFileBytes does, with its stamp taken before the first byte is read:
// a write during or after the reading then shows as a stamp other than this one.
Result<FileContent> readFileContent(const std::string& path);

// The system's clock, as file times count: nanoseconds since the epoch.
std::int64_t wallClockNs();

// The system calls a safe save is made of, replaceable so that tests can make them fail.
// Each returns what the system call returns and sets errno on failure. Start from System()
// and replace the calls that are to fail.
struct FileOps {
    std::function<long(int fd, const char* data, std::size_t size)> write;
    std::function<int(int fd)> fsync;
    std::function<int(const char* from, const char* to)> rename;
    std::function<int(const char* path, int mode)> access;
    std::function<int(char* pattern)> mkstemp;
    // Opens the target itself, only where it is rewritten in place.
    std::function<int(const char* path, int flags)> open;

    static const FileOps& system();
};

// Writes to a temporary file in the target's folder, flushes it to disk and renames it over
// the target. An existing file the user may not write is refused. Where the folder takes no
// temporary file, an existing writable file is written in place instead. On any failure the
// target keeps its content and no temporary file is left; the message is the system's reason
// ("No space left on device"), to follow "path: " in a sentence.
Status writeFileAtomically(const std::string& path, std::string_view bytes,
                           const FileOps& ops = FileOps::system());

}  // namespace rodwick
