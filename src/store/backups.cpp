// SPDX-License-Identifier: GPL-3.0-or-later
#include "backups.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>

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

// The backups of name in folder as (stamp, path), oldest first.
std::vector<std::pair<std::string, std::string>> backupsOf(const std::string& name,
                                                           const std::string& folder) {
    std::vector<std::pair<std::string, std::string>> found;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        std::string stamp = stampOf(entry.path().filename().string(), name);
        if (!stamp.empty()) found.emplace_back(std::move(stamp), entry.path().string());
    }
    std::sort(found.begin(), found.end());
    return found;
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
    if (Status written =
            writeFileAtomically(folder + "/" + backupNameFor(path, stamp), bytes.value(), ops);
        !written.ok())
        return written;
    const auto kept = backupsOf(databaseName(path), folder);
    for (std::size_t i = 0; i + kBackupsKept < kept.size(); ++i) ::unlink(kept[i].second.c_str());
    return Status::success();
}

std::vector<Backup> listBackups(const std::string& path, const std::string& folder) {
    std::vector<Backup> backups;
    if (folder.empty()) return backups;
    const auto found = backupsOf(databaseName(path), folder);
    for (auto it = found.rbegin(); it != found.rend(); ++it) {
        Backup backup{.path = it->second, .stamp = it->first};
        std::error_code error;
        backup.size = std::filesystem::file_size(backup.path, error);
        if (const auto records = readDatabaseFile(backup.path); records.ok())
            backup.trips = static_cast<int>(records.value().size());
        backups.push_back(std::move(backup));
    }
    return backups;
}

}  // namespace rodwick
