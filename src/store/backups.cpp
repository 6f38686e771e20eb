// SPDX-License-Identifier: GPL-3.0-or-later
#include "backups.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <map>
#include <tuple>

#include "conflict_copies.h"
#include "database_file.h"

namespace rodwick {

namespace {

constexpr std::string_view kExtension = ".RWK";
constexpr std::size_t kStampLength = 15;  // YYYYMMDD-HHMMSS

std::string databaseName(const std::string& path) {
    const auto slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const auto dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return name;
}

// The stamp of a backup named NAME-stamp.RWK; "" for any other file.
std::string stampOf(const std::string& fileName, const std::string& name) {
    const std::size_t length = name.size() + 1 + kStampLength + kExtension.size();
    if (fileName.size() != length || !fileName.starts_with(name + "-") ||
        !fileName.ends_with(kExtension))
        return {};
    std::string stamp = fileName.substr(name.size() + 1, kStampLength);
    for (std::size_t i = 0; i < stamp.size(); ++i) {
        const bool dash = i == 8;
        if (dash ? stamp[i] != '-' : !std::isdigit(static_cast<unsigned char>(stamp[i]))) return {};
    }
    return stamp;
}

// Which database each backup was taken from, so that log books of one name in different
// folders keep their own twenty and their own list: "FILE\0DATABASE\0" records, FILE the
// backup's name in the folder. A backup the index does not name counts for every database of
// its name.
constexpr std::string_view kOriginsFile = "origins";

// One database reached by different names (a link, a relative path) is one origin.
std::string originOf(const std::string& path) {
    std::error_code error;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(path, error);
    return error ? path : canonical.string();
}

std::map<std::string, std::string> readOrigins(const std::string& folder) {
    std::map<std::string, std::string> origins;
    const Result<std::string> bytes = readFileBytes(folder + "/" + std::string(kOriginsFile));
    if (!bytes.ok()) return origins;
    const std::string& text = bytes.value();
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t fileEnd = text.find('\0', at);
        const std::size_t pathEnd =
            fileEnd == std::string::npos ? fileEnd : text.find('\0', fileEnd + 1);
        if (pathEnd == std::string::npos) break;
        origins[text.substr(at, fileEnd - at)] = text.substr(fileEnd + 1, pathEnd - fileEnd - 1);
        at = pathEnd + 1;
    }
    return origins;
}

// YYYYMMDD-HHMMSS of a file's modification time, local time.
std::string modificationStamp(const std::filesystem::path& file) {
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0) return "00000000-000000";
    std::tm local{};
    ::localtime_r(&status.st_mtime, &local);
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return stamp;
}

// The files of folder that belong to the database at path, as (stamp, path), oldest first:
// its dated backups, or the conflict copies of it kept here.
std::vector<std::pair<std::string, std::string>> filesOf(const std::string& path,
                                                         const std::string& folder,
                                                         bool conflictCopies) {
    const std::string name = databaseName(path), origin = originOf(path);
    const std::map<std::string, std::string> origins = readOrigins(folder);
    std::vector<std::pair<std::string, std::string>> found;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string fileName = entry.path().filename().string();
        std::string stamp;
        if (!conflictCopies) {
            stamp = stampOf(fileName, name);
        } else if (const auto of = conflictCopyOf(fileName); of && databaseName(*of) == name) {
            stamp = modificationStamp(entry.path());
        }
        if (stamp.empty()) continue;
        if (const auto known = origins.find(fileName);
            known != origins.end() && known->second != origin)
            continue;
        found.emplace_back(std::move(stamp), entry.path().string());
    }
    std::sort(found.begin(), found.end());
    return found;
}

// The dated backups alone: the twenty kept are counted among these.
std::vector<std::pair<std::string, std::string>> backupsOf(const std::string& path,
                                                           const std::string& folder) {
    return filesOf(path, folder, false);
}

// Names the new backup's database in the index, and forgets backups that are gone. The backup
// stands whether or not the index can be written: it is then listed for every database of its
// name, as before the index.
void recordOrigin(const std::string& folder, const std::string& fileName, const std::string& path,
                  const FileOps& ops) {
    std::map<std::string, std::string> origins = readOrigins(folder);
    origins[fileName] = originOf(path);
    std::string bytes;
    for (const auto& [file, database] : origins) {
        if (!fileExists(folder + "/" + file)) continue;
        bytes += file + '\0' + database + '\0';
    }
    (void)writeFileAtomically(folder + "/" + std::string(kOriginsFile), bytes, ops);
}

}  // namespace

std::string backupNameFor(const std::string& path, std::time_t time) {
    std::tm local{};
    ::localtime_r(&time, &local);
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return databaseName(path) + "-" + stamp + std::string(kExtension);
}

Status backUpBeforeSave(const std::string& path, const std::string& folder, std::time_t time,
                        const FileOps& ops) {
    if (!fileExists(path)) return Status::success();
    if (folder.empty()) return Status::fail("no home folder is known");
    const Result<std::string> bytes = readFileBytes(path);
    if (!bytes.ok()) return Status::fail(bytes.error());
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) return Status::fail(error.message());
    // A second save within the same second takes the next free second rather than replacing
    // the copy the first one kept.
    std::time_t stamp = time;
    while (fileExists(folder + "/" + backupNameFor(path, stamp))) ++stamp;
    const std::string fileName = backupNameFor(path, stamp);
    if (Status written = writeFileAtomically(folder + "/" + fileName, bytes.value(), ops);
        !written.ok())
        return written;
    recordOrigin(folder, fileName, path, ops);
    const auto kept = backupsOf(path, folder);
    for (std::size_t i = 0; i + kBackupsKept < kept.size(); ++i) ::unlink(kept[i].second.c_str());
    return Status::success();
}

Status keepConflictCopy(const std::string& copyPath, const std::string& path,
                        const std::string& folder, const FileOps& ops) {
    if (folder.empty()) return Status::fail("no home folder is known");
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) return Status::fail(error.message());
    const std::string fileName = std::filesystem::path(copyPath).filename().string();
    const std::string target = folder + "/" + fileName;
    const Result<std::string> bytes = readFileBytes(copyPath);
    if (!bytes.ok()) return Status::fail(bytes.error());
    if (fileExists(target)) {
        // Kept before (a copy the sync program brought back): the one here stays.
        const Result<std::string> kept = readFileBytes(target);
        if (!kept.ok() || kept.value() != bytes.value())
            return Status::fail("another file named " + fileName + " is kept there already");
    } else if (ops.rename(copyPath.c_str(), target.c_str()) != 0) {
        // Another file system: a copy written safely, then the original removed.
        if (Status written = writeFileAtomically(target, bytes.value(), ops); !written.ok())
            return written;
    }
    recordOrigin(folder, fileName, path, ops);
    if (fileExists(copyPath) && ::unlink(copyPath.c_str()) != 0)
        return Status::fail(std::strerror(errno));
    return Status::success();
}

std::vector<Backup> listBackups(const std::string& path, const std::string& folder) {
    std::vector<Backup> backups;
    if (folder.empty()) return backups;
    // Newest first, the conflict copies kept placed by their times among the dated backups.
    std::vector<std::tuple<std::string, std::string, bool>> found;
    for (auto& [stamp, file] : backupsOf(path, folder)) found.emplace_back(stamp, file, false);
    for (auto& [stamp, file] : filesOf(path, folder, true)) found.emplace_back(stamp, file, true);
    std::sort(found.begin(), found.end());
    for (auto it = found.rbegin(); it != found.rend(); ++it) {
        const auto& [stamp, file, copy] = *it;
        Backup backup{.path = file, .stamp = stamp, .conflictCopy = copy};
        std::error_code error;
        backup.size = std::filesystem::file_size(backup.path, error);
        if (const auto records = readDatabaseFile(backup.path); records.ok())
            backup.trips = static_cast<int>(records.value().size());
        backups.push_back(std::move(backup));
    }
    return backups;
}

}  // namespace rodwick
