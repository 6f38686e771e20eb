// SPDX-License-Identifier: GPL-3.0-or-later
#include "log_books.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "conflict_copies.h"
#include "database_file.h"

namespace rodwick::filtering {
namespace {

namespace fs = std::filesystem;

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

bool hasLogBookSuffix(const std::string& name) {
    constexpr std::string_view kSuffix = ".rwk";
    if (name.size() <= kSuffix.size()) return false;
    return std::equal(kSuffix.begin(), kSuffix.end(), name.end() - kSuffix.size(),
                      [](char a, char b) { return a == lowerAscii(b); });
}

// Names in the order a reader expects: letters without regard to case, then as written.
bool nameBefore(const std::string& a, const std::string& b) {
    const auto folded = [](const std::string& name) {
        std::string text = name;
        for (char& c : text) c = lowerAscii(c);
        return text;
    };
    const std::string fa = folded(a);
    const std::string fb = folded(b);
    return fa != fb ? fa < fb : a < b;
}

// Whether the entry is the open file itself, under whatever name reaches it.
bool isOpenFile(const fs::path& entry, const fs::path& open, const fs::path& openCanonical) {
    std::error_code error;
    const bool same = fs::equivalent(entry, open, error);
    if (!error) return same;
    const fs::path canonical = fs::weakly_canonical(entry, error);
    return !error && !openCanonical.empty() && canonical == openCanonical;
}

}  // namespace

FolderLogBooks otherLogBooks(const std::string& openPath) {
    if (openPath.empty()) return {};
    const fs::path open(openPath);
    const fs::path folder = open.parent_path();
    std::error_code error;
    fs::path openCanonical = fs::weakly_canonical(open, error);
    if (error) openCanonical.clear();
    fs::directory_iterator entries(folder.empty() ? fs::path(".") : folder, error);
    if (error) return {};
    FolderLogBooks listed;
    std::vector<std::pair<std::string, std::string>> found;  // name, path
    for (const fs::directory_iterator end; entries != end; entries.increment(error)) {
        if (error) return {};
        const fs::directory_entry& entry = *entries;
        std::string name = entry.path().filename().string();
        std::error_code typeError;
        if (!hasLogBookSuffix(name) || !entry.is_regular_file(typeError) || typeError) continue;
        if (isOpenFile(entry.path(), open, openCanonical)) continue;
        if (conflictCopyOf(name)) {
            ++listed.conflictCopies;
            continue;
        }
        found.emplace_back(std::move(name), (folder / entry.path().filename()).string());
    }
    if (error) return {};
    std::ranges::sort(found,
                      [](const auto& a, const auto& b) { return nameBefore(a.first, b.first); });
    listed.paths.reserve(found.size());
    for (auto& [name, path] : found) listed.paths.push_back(std::move(path));
    return listed;
}

LogBookFile readLogBook(const std::string& path) {
    LogBookFile book;
    book.path = path;
    book.name = fs::path(path).filename().string();
    Result<std::vector<TripRecord>> records = readDatabaseFile(path);
    if (records) {
        book.records = std::move(records).value();
    } else {
        // The list names the file already: its path before the reason would say it twice.
        book.error = records.error();
        if (book.error.starts_with(path + ": ")) book.error.erase(0, path.size() + 2);
    }
    return book;
}

}  // namespace rodwick::filtering
