// SPDX-License-Identifier: GPL-3.0-or-later
#include "recovery.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "database_file.h"

namespace rodwick {

namespace {

constexpr std::string_view kMark = "Rodwick recovery copy";
constexpr std::string_view kLineEnd = "\r\n";

std::string baseName(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// FNV-1a: the same name for the same path in every build and run.
std::uint64_t pathHash(const std::string& path) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const unsigned char c : path) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

// The next header line from pos; nullopt when the bytes end first.
std::optional<std::string> headerLine(std::string_view bytes, std::size_t& pos) {
    const std::size_t end = bytes.find(kLineEnd, pos);
    if (end == std::string_view::npos) return std::nullopt;
    std::string line(bytes.substr(pos, end - pos));
    pos = end + kLineEnd.size();
    return line;
}

}  // namespace

std::time_t systemTime() {
    return std::time(nullptr);
}

std::string dateTimeText(std::time_t time) {
    std::tm local{};
    ::localtime_r(&time, &local);
    char text[64];
    std::snprintf(text, sizeof text, "%02d-%02d-%04d %02d:%02d", local.tm_mon + 1, local.tm_mday,
                  local.tm_year + 1900, local.tm_hour, local.tm_min);
    return text;
}

std::string recoveryFileFor(const std::string& folder, const std::string& path) {
    if (path.empty()) return folder + "/untitled.recovery";
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(pathHash(path)));
    return folder + "/" + hash + "-" + baseName(path) + ".recovery";
}

std::string formatRecoveryCopy(const std::string& path, const std::string& time,
                               const RecordTable& table) {
    std::string bytes;
    bytes.reserve(64 + path.size() + static_cast<std::size_t>(table.recordCount()) * 512);
    bytes.append(kMark).append(kLineEnd);
    bytes.append(path).append(kLineEnd);
    bytes.append(time).append(kLineEnd);
    bytes += formatDatabase(table);
    return bytes;
}

Result<RecoveryCopy> parseRecoveryCopy(std::string_view bytes) {
    std::size_t pos = 0;
    const auto mark = headerLine(bytes, pos);
    if (!mark || *mark != kMark) return Result<RecoveryCopy>::fail("not a recovery copy");
    auto path = headerLine(bytes, pos);
    auto time = headerLine(bytes, pos);
    if (!path || !time) return Result<RecoveryCopy>::fail("the recovery copy is cut short");
    Result<std::vector<TripRecord>> records = parseDatabase(bytes.substr(pos));
    if (!records.ok()) return Result<RecoveryCopy>::fail(records.error());
    return RecoveryCopy{std::move(*path), std::move(*time), std::move(records).value()};
}

Recovery::Recovery(RecordBook& book, std::string folder, WallClock clock, FileOps ops)
    : book_(book), folder_(std::move(folder)), clock_(std::move(clock)), ops_(std::move(ops)) {
    // The copy stands in for a program that was killed, not for a machine that lost its power:
    // renamed into place without waiting for the disk, so that no edit waits for one either.
    ops_.fsync = [](int) { return 0; };
    subscription_ = book_.subscribe([this](const RecordBook::Changes& changes) {
        if (!changes.records) return;
        // A table loaded, emptied by New or taken over is what its file (or nothing) holds:
        // whatever an earlier copy kept stays where it is.
        if (changes.fileName) {
            written_.reset();
            return;
        }
        keep();
    });
}

std::string Recovery::keyPath() const {
    return book_.isUntitled() ? std::string() : book_.fileName();
}

void Recovery::keep() {
    const std::string key = keyPath();
    const std::string bytes = formatRecoveryCopy(key, dateTimeText(clock_()), book_.table());
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    Status written = folder_.empty() ? Status::fail("no home folder is known")
                     : error         ? Status::fail(error.message())
                             : writeFileAtomically(recoveryFileFor(folder_, key), bytes, ops_);
    if (written.ok()) {
        written_ = key;
        failureTold_ = false;
        return;
    }
    if (failureTold_) return;
    failureTold_ = true;
    if (failed_) failed_(written.message());
}

void Recovery::tableSaved() {
    if (written_) discard(*written_);
    discard(keyPath());
    written_.reset();
}

std::optional<RecoveryCopy> Recovery::pendingFor(const std::string& path) const {
    if (folder_.empty()) return std::nullopt;
    const Result<std::string> bytes = readFileBytes(recoveryFileFor(folder_, path));
    if (!bytes.ok()) return std::nullopt;
    Result<RecoveryCopy> copy = parseRecoveryCopy(bytes.value());
    // A copy of another path under the same name (a hash collision) is not this file's.
    if (!copy.ok() || copy.value().path != path) return std::nullopt;
    if (path.empty()) {
        if (copy.value().records.empty()) return std::nullopt;
    } else if (const auto onFile = readDatabaseFile(path);
               onFile.ok() && onFile.value() == copy.value().records) {
        return std::nullopt;
    }
    return std::move(copy).value();
}

void Recovery::discard(const std::string& path) {
    if (folder_.empty()) return;
    ::unlink(recoveryFileFor(folder_, path).c_str());
}

}  // namespace rodwick
