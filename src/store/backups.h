// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "file_io.h"
#include "result.h"

namespace rodwick {

// The dated copies a save keeps of the file it replaces, NAME-YYYYMMDD-HHMMSS.RWK in the
// backup folder (NAME: the database's base name without its extension).
inline constexpr int kBackupsKept = 20;

struct Backup {
    std::string path;
    std::string stamp;  // YYYYMMDD-HHMMSS, local time
    int trips = -1;     // -1 where the copy cannot be read
    std::uintmax_t size = 0;
};

// The backup's file name for the database at path, made at time.
std::string backupNameFor(const std::string& path, std::time_t time);
// Copies the file at path, when there is one, into folder as a dated backup, and removes the
// oldest of that name beyond the last kBackupsKept. The message on failure is the system's
// reason; the save goes on without the backup.
Status backUpBeforeSave(const std::string& path, const std::string& folder, std::time_t time,
                        const FileOps& ops = FileOps::system());
// The backups of the database at path, newest first.
std::vector<Backup> listBackups(const std::string& path, const std::string& folder);

}  // namespace rodwick
