// SPDX-License-Identifier: GPL-3.0-or-later
#include "conflict_copies.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace rodwick {

namespace {

namespace fs = std::filesystem;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

// The number written in text's digits, or -1 when one is not a digit.
int number(std::string_view text) {
    int n = 0;
    for (const char c : text) {
        if (!isDigit(c)) return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

bool isDate(int year, int month, int day) {
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > kDays[month - 1]) return false;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month != 2 || day <= 28 || leap;
}

// YYYYMMDD, or YYYY-MM-DD with dashes.
bool isDateText(std::string_view text, bool dashes) {
    const std::size_t step = dashes ? 1 : 0;
    if (text.size() != 8 + 2 * step) return false;
    if (dashes && (text[4] != '-' || text[7] != '-')) return false;
    return isDate(number(text.substr(0, 4)), number(text.substr(4 + step, 2)),
                  number(text.substr(6 + 2 * step, 2)));
}

// HHMMSS.
bool isTimeText(std::string_view text) {
    if (text.size() != 6) return false;
    const int hour = number(text.substr(0, 2)), minute = number(text.substr(2, 2)),
              second = number(text.substr(4, 2));
    return hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60;
}

// Syncthing's short device id (seven characters, where the name places it): capitals and
// digits.
bool isDeviceId(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return (c >= 'A' && c <= 'Z') || isDigit(c); });
}

// The log book's name without its extension, from a copy's name without its extension; empty
// where the name is no conflict copy.
std::string_view originalStem(std::string_view stem) {
    // NAME.sync-conflict-YYYYMMDD-HHMMSS-XXXXXXX
    constexpr std::string_view kSyncthing = ".sync-conflict-";
    constexpr std::size_t kSyncthingTail = kSyncthing.size() + 8 + 1 + 6 + 1 + 7;
    if (stem.size() > kSyncthingTail) {
        const std::string_view name = stem.substr(0, stem.size() - kSyncthingTail);
        const std::string_view tail = stem.substr(name.size());
        if (tail.starts_with(kSyncthing) && isDateText(tail.substr(15, 8), false) &&
            tail[23] == '-' && isTimeText(tail.substr(24, 6)) && tail[30] == '-' &&
            isDeviceId(tail.substr(31)))
            return name;
    }
    if (!stem.ends_with(')')) return {};
    // NAME (conflicted copy YYYY-MM-DD HHMMSS)
    constexpr std::string_view kNextcloud = " (conflicted copy ";
    constexpr std::size_t kNextcloudTail = kNextcloud.size() + 10 + 1 + 6 + 1;
    if (stem.size() > kNextcloudTail) {
        const std::string_view name = stem.substr(0, stem.size() - kNextcloudTail);
        const std::string_view tail = stem.substr(name.size());
        if (tail.starts_with(kNextcloud) && isDateText(tail.substr(18, 10), true) &&
            tail[28] == ' ' && isTimeText(tail.substr(29, 6)))
            return name;
    }
    // NAME (WHO conflicted copy YYYY-MM-DD): WHO is a person's or a machine's name.
    constexpr std::string_view kDropbox = " conflicted copy ";
    constexpr std::size_t kDropboxTail = kDropbox.size() + 10 + 1;
    if (stem.size() > kDropboxTail) {
        const std::string_view head = stem.substr(0, stem.size() - kDropboxTail);
        const std::string_view tail = stem.substr(head.size());
        const std::size_t open = head.rfind(" (");
        if (tail.starts_with(kDropbox) && isDateText(tail.substr(17, 10), true) &&
            open != std::string_view::npos && open > 0 && open + 2 < head.size())
            return head.substr(0, open);
    }
    return {};
}

}  // namespace

std::optional<std::string> conflictCopyOf(std::string_view fileName, std::string_view kind) {
    if (fileName.size() <= kind.size()) return std::nullopt;
    const std::string_view extension = fileName.substr(fileName.size() - kind.size());
    if (!std::equal(extension.begin(), extension.end(), kind.begin(),
                    [](char a, char b) { return lowerAscii(a) == b; }))
        return std::nullopt;
    const std::string_view name = originalStem(fileName.substr(0, fileName.size() - kind.size()));
    if (name.empty()) return std::nullopt;
    return std::string(name) + std::string(extension);
}

std::vector<std::string> listConflictCopies(const std::string& logBookPath) {
    const fs::path book(logBookPath);
    const std::string bookName = book.filename().string();
    const fs::path folder = book.parent_path();
    std::string kind = book.extension().string();
    std::transform(kind.begin(), kind.end(), kind.begin(), lowerAscii);
    std::error_code error;
    fs::directory_iterator entries(folder.empty() ? fs::path(".") : folder, error);
    if (error) return {};
    std::vector<std::string> names;
    for (const fs::directory_iterator end; entries != end; entries.increment(error)) {
        if (error) break;
        std::string name = entries->path().filename().string();
        std::error_code typeError;
        if (conflictCopyOf(name, kind) != bookName || !entries->is_regular_file(typeError))
            continue;
        names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    std::vector<std::string> paths;
    for (const std::string& name : names) paths.push_back((folder / name).string());
    return paths;
}

}  // namespace rodwick
