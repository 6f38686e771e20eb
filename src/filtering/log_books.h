// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "record_table.h"

namespace rodwick::filtering {

// Another log book of the open one's folder, as read from its file. It is never written.
struct LogBookFile {
    std::string path;  // UTF-8
    std::string name;  // the file's name without its folder, UTF-8
    std::vector<TripRecord> records;
    // Why the file does not read as a log book; empty when it does.
    std::string error;
};

// The open log book's folder as the list counts it.
struct FolderLogBooks {
    // Every file whose name ends in ".RWK" in any case, but the open file itself and the
    // conflict copies, sorted by name; nothing when the folder cannot be listed.
    std::vector<std::string> paths;
    // A sync program's second versions of a log book: never a log book of their own.
    int conflictCopies = 0;
};
FolderLogBooks otherLogBooks(const std::string& openPath);
LogBookFile readLogBook(const std::string& path);

}  // namespace rodwick::filtering
