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
    // A sync program's conflict copy of the database, kept here after its trips were merged:
    // it keeps its own name, its stamp is its modification time, and it is never rotated out.
    bool conflictCopy = false;
};

// The backup's file name for the database at path, made at time.
std::string backupNameFor(const std::string& path, std::time_t time);
// Copies the file at path, when there is one, into folder as a dated backup, and removes the
// oldest of that name beyond the last kBackupsKept. The message on failure is the system's
// reason; the save goes on without the backup.
Status backUpBeforeSave(const std::string& path, const std::string& folder, std::time_t time,
                        const FileOps& ops = FileOps::system());
// Moves a sync program's conflict copy of the database at path out of the synced folder into
// the backup folder, under its own name, where the backups list shows it; nothing is deleted.
// A file of that name already there with the same bytes is the copy kept before. The message
// on failure is the system's reason; the copy then stays where it was.
Status keepConflictCopy(const std::string& copyPath, const std::string& path,
                        const std::string& folder, const FileOps& ops = FileOps::system());
// The backups of the database at path, newest first, the conflict copies kept among them.
std::vector<Backup> listBackups(const std::string& path, const std::string& folder);

}  // namespace rodwick
