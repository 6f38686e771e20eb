// SPDX-License-Identifier: GPL-3.0-or-later
#include "photo_index.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <system_error>
#include <tuple>

#include "codec.h"
#include "conflict_copies.h"
#include "text_lines.h"

namespace rodwick {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kPhotoKey = "photo";
constexpr std::string_view kCaptionKey = "caption";
constexpr std::string_view kTakenKey = "taken";
constexpr std::string_view kCoverKey = "cover";
constexpr std::string_view kDateKey = "trip date";
constexpr std::string_view kStartKey = "trip start";
constexpr std::string_view kVenueKey = "trip venue";
constexpr std::string_view kAlikeKey = "trip alike";
constexpr std::string_view kGoneKey = "trip gone";
constexpr std::string_view kYes = "yes";
constexpr long long kMostAlike = 999'999;

// What the index says of itself, for the person who opens it.
constexpr std::string_view kExplanation =
    "# One block per photo of this folder: its file, its caption, when it was taken, whether\n"
    "# it is its trip's cover, and the trip it is of: the trip's date, start time and venue as\n"
    "# the log book holds them, and which of the trips alike in those three it is (1 for the\n"
    "# first in the log book). \"trip gone: yes\" marks a photo whose trip left the log book.\n";

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// The number written in exactly `digits` digits at text[at], or -1.
int digitsAt(std::string_view text, std::size_t at, std::size_t digits) {
    if (at + digits > text.size()) return -1;
    int n = 0;
    for (std::size_t k = at; k < at + digits; ++k) {
        if (text[k] < '0' || text[k] > '9') return -1;
        n = n * 10 + (text[k] - '0');
    }
    return n;
}

bool isMoment(const PhotoTime& t) {
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (t.year < 1 || t.month < 1 || t.month > 12 || t.day < 1 || t.day > kDays[t.month - 1])
        return false;
    const bool leap = (t.year % 4 == 0 && t.year % 100 != 0) || t.year % 400 == 0;
    if (t.month == 2 && t.day == 29 && !leap) return false;
    return t.hour >= 0 && t.hour < 24 && t.minute >= 0 && t.minute < 60 && t.second >= 0 &&
           t.second < 60;
}

// The extension of a picked file's name, dot included, where it is a plain one.
std::string extensionOf(std::string_view picked) {
    const std::size_t slash = picked.rfind('/');
    const std::string_view name =
        slash == std::string_view::npos ? picked : picked.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0 || dot + 1 == name.size()) return {};
    const std::string_view extension = name.substr(dot);
    if (extension.size() > 16) return {};
    const bool plain = std::all_of(extension.begin() + 1, extension.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    });
    return plain ? std::string(extension) : std::string();
}

void appendLine(std::string& out, std::string_view key, std::string_view value) {
    out.append(key).append(": ").append(escapeIndexValue(value)).push_back('\n');
}

// One photo's fields compared with the version it came from.
template <typename T>
const T& changedSide(const T& base, const T& mine, const T& theirs) {
    return mine == base ? theirs : mine;
}

// Where base lacks the photo: the side that says something.
template <typename T>
const T& sayingSide(const T& mine, const T& theirs, const T& nothing) {
    return mine == nothing ? theirs : mine;
}

using LinkKey = std::tuple<std::string, std::string, std::string>;

LinkKey keyOf(const TripRecord& trip) {
    return {cp1252ToUtf8(trip[Field::Date]), cp1252ToUtf8(trip[Field::StartTime]),
            cp1252ToUtf8(trip[Field::Venue])};
}

}  // namespace

std::string photoFolderFor(const std::string& logBookPath) {
    const std::size_t slash = logBookPath.rfind('/');
    const std::size_t nameAt = slash == std::string::npos ? 0 : slash + 1;
    std::string stem = logBookPath.substr(nameAt);
    const std::size_t dot = stem.rfind('.');
    if (dot != std::string::npos && dot > 0) stem.erase(dot);
    return logBookPath.substr(0, nameAt) + stem + " photos";
}

PhotoTime localPhotoTime(std::time_t time) {
    std::tm local{};
    ::localtime_r(&time, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     std::min(local.tm_sec, 59)};
}

std::string formatPhotoTime(const PhotoTime& t) {
    char text[64];
    std::snprintf(text, sizeof text, "%02d-%02d-%04d %02d:%02d:%02d", t.month, t.day, t.year,
                  t.hour, t.minute, t.second);
    return text;
}

std::optional<PhotoTime> readPhotoTime(std::string_view text) {
    // MM-DD-YYYY HH:MM[:SS]
    if (text.size() != 16 && text.size() != 19) return std::nullopt;
    if (text[2] != '-' || text[5] != '-' || text[10] != ' ' || text[13] != ':') return std::nullopt;
    if (text.size() == 19 && text[16] != ':') return std::nullopt;
    const PhotoTime t{digitsAt(text, 6, 4),  digitsAt(text, 0, 2),
                      digitsAt(text, 3, 2),  digitsAt(text, 11, 2),
                      digitsAt(text, 14, 2), text.size() == 19 ? digitsAt(text, 17, 2) : 0};
    if (!isMoment(t)) return std::nullopt;
    return t;
}

TripLink linkOf(std::span<const TripRecord> trips, std::size_t n) {
    const LinkKey key = keyOf(trips[n]);
    int alike = 1;
    for (std::size_t k = 0; k < n; ++k) alike += keyOf(trips[k]) == key ? 1 : 0;
    auto [date, start, venue] = key;
    return {std::move(date), std::move(start), std::move(venue), alike};
}

std::vector<TripLink> linksOf(std::span<const TripRecord> trips) {
    std::map<LinkKey, int> seen;
    std::vector<TripLink> links;
    links.reserve(trips.size());
    for (const TripRecord& trip : trips) {
        LinkKey key = keyOf(trip);
        const int alike = ++seen[key];
        auto& [date, start, venue] = key;
        links.push_back({std::move(date), std::move(start), std::move(venue), alike});
    }
    return links;
}

bool isPhotoName(std::string_view name) {
    if (name.empty() || name.size() > NAME_MAX || name.front() == '.') return false;
    if (std::any_of(name.begin(), name.end(),
                    [](char c) { return c == '/' || static_cast<unsigned char>(c) < 0x20; }))
        return false;
    return name != kPhotoIndexName && conflictCopyOf(name, ".txt") != kPhotoIndexName;
}

bool looksLikePhoto(std::string_view name) {
    static constexpr std::string_view kExtensions[] = {".jpg",  ".jpeg", ".jpe",  ".png",
                                                       ".heic", ".heif", ".webp", ".tif",
                                                       ".tiff", ".gif",  ".bmp",  ".avif"};
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(), lowerAscii);
    return std::any_of(std::begin(kExtensions), std::end(kExtensions),
                       [&](std::string_view e) { return lower.ends_with(e); });
}

std::string escapeIndexValue(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out.push_back(c);
        }
    }
    return out;
}

std::string unescapeIndexValue(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const char meant = next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
        // A backslash before anything else is a backslash typed by hand.
        if (text[i] == '\\' && (next == '\\' || meant != next)) {
            out.push_back(meant);
            ++i;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

void keepOneCoverPerTrip(std::vector<PhotoEntry>& photos) {
    std::set<std::pair<bool, TripLink>> covered;
    for (PhotoEntry& photo : photos) {
        if (!photo.cover) continue;
        photo.cover = photo.link && covered.emplace(photo.gone, *photo.link).second;
    }
}

std::vector<PhotoEntry> parsePhotoIndex(std::string_view text) {
    std::vector<PhotoEntry> photos;
    std::set<std::string, std::less<>> names;
    PhotoEntry* photo = nullptr;  // the block being read; none after a photo line not taken
    const auto link = [&]() -> TripLink& {
        if (!photo->link) photo->link.emplace();
        return *photo->link;
    };
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(at, end - at);
        at = end + 1;
        if (line.ends_with('\r')) line.remove_suffix(1);
        const std::size_t colon = line.find(':');
        if (line.empty() || line.front() == '#' || colon == std::string_view::npos) continue;
        std::string key(trimBlanks(line.substr(0, colon)));
        std::transform(key.begin(), key.end(), key.begin(), lowerAscii);
        std::string_view raw = line.substr(colon + 1);
        if (raw.starts_with(' ')) raw.remove_prefix(1);
        std::string value = unescapeIndexValue(raw);

        if (key == kPhotoKey) {
            photo = nullptr;
            if (!isPhotoName(value) || !names.insert(value).second) continue;
            photo = &photos.emplace_back();
            photo->name = std::move(value);
        } else if (photo == nullptr) {
            continue;
        } else if (key == kCaptionKey) {
            photo->caption = std::move(value);
        } else if (key == kTakenKey) {
            if (const auto taken = readPhotoTime(trimBlanks(value))) photo->taken = taken;
        } else if (key == kCoverKey || key == kGoneKey) {
            const std::string_view answer = trimBlanks(value);
            if (answer != kYes && answer != "no") continue;
            (key == kCoverKey ? photo->cover : photo->gone) = answer == kYes;
        } else if (key == kDateKey) {
            link().date = std::move(value);
        } else if (key == kStartKey) {
            link().start = std::move(value);
        } else if (key == kVenueKey) {
            link().venue = std::move(value);
        } else if (key == kAlikeKey) {
            const long long alike = parseCount(value);
            if (alike >= 1 && alike <= kMostAlike) link().alike = static_cast<int>(alike);
        }
    }
    for (PhotoEntry& p : photos) p.gone = p.gone && p.link;
    keepOneCoverPerTrip(photos);
    return photos;
}

std::string formatPhotoIndex(std::span<const PhotoEntry> photos) {
    std::string out;
    out.append(kPhotoIndexHeader).push_back('\n');
    out.append(kExplanation);
    for (const PhotoEntry& photo : photos) {
        out.push_back('\n');
        appendLine(out, kPhotoKey, photo.name);
        appendLine(out, kCaptionKey, photo.caption);
        if (photo.taken) appendLine(out, kTakenKey, formatPhotoTime(*photo.taken));
        if (photo.cover) appendLine(out, kCoverKey, kYes);
        if (photo.link) {
            appendLine(out, kDateKey, photo.link->date);
            appendLine(out, kStartKey, photo.link->start);
            appendLine(out, kVenueKey, photo.link->venue);
            appendLine(out, kAlikeKey, std::to_string(photo.link->alike));
            if (photo.gone) appendLine(out, kGoneKey, kYes);
        }
    }
    return out;
}

PhotoFolder readPhotoFolder(const std::string& folder) {
    PhotoFolder read;
    if (Result<std::string> bytes = readFileBytes(folder + "/" + kPhotoIndexName); bytes.ok()) {
        read.photos = parsePhotoIndex(bytes.value());
        read.indexBytes = std::move(bytes).value();
    }
    std::set<std::string> named;
    for (const PhotoEntry& photo : read.photos) named.insert(photo.name);
    std::vector<std::string> found;
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    for (const fs::directory_iterator end; !error && entries != end; entries.increment(error)) {
        std::string name = entries->path().filename().string();
        std::error_code typeError;
        if (!isPhotoName(name) || !looksLikePhoto(name) || named.contains(name) ||
            !entries->is_regular_file(typeError))
            continue;
        found.push_back(std::move(name));
    }
    std::sort(found.begin(), found.end());
    for (std::string& name : found) {
        PhotoEntry& photo = read.photos.emplace_back();
        photo.name = std::move(name);
    }
    return read;
}

std::vector<PhotoEntry> mergePhotoIndexes(std::span<const PhotoEntry> base,
                                          std::span<const PhotoEntry> mine,
                                          std::span<const PhotoEntry> theirs) {
    const auto byName = [](std::span<const PhotoEntry> photos) {
        std::map<std::string_view, const PhotoEntry*> map;
        for (const PhotoEntry& photo : photos) map.emplace(photo.name, &photo);
        return map;
    };
    const auto inBase = byName(base), inMine = byName(mine), inTheirs = byName(theirs);
    const auto find = [](const auto& map, std::string_view name) -> const PhotoEntry* {
        const auto it = map.find(name);
        return it == map.end() ? nullptr : it->second;
    };

    std::vector<PhotoEntry> merged;
    // A photo one side holds alone: kept, unless the other side removed it as base had it.
    const auto single = [&](const PhotoEntry& photo) {
        const PhotoEntry* was = find(inBase, photo.name);
        if (was == nullptr || *was != photo) merged.push_back(photo);
    };
    for (const PhotoEntry& photo : mine) {
        const PhotoEntry* other = find(inTheirs, photo.name);
        if (other == nullptr) {
            single(photo);
            continue;
        }
        PhotoEntry both = photo;
        if (const PhotoEntry* was = find(inBase, photo.name)) {
            both.caption = changedSide(was->caption, photo.caption, other->caption);
            both.taken = changedSide(was->taken, photo.taken, other->taken);
            both.cover = changedSide(was->cover, photo.cover, other->cover);
            const auto linkWas = std::pair(was->link, was->gone);
            const auto linkMine = std::pair(photo.link, photo.gone);
            const auto linkTheirs = std::pair(other->link, other->gone);
            std::tie(both.link, both.gone) = changedSide(linkWas, linkMine, linkTheirs);
        } else {
            both.caption = sayingSide(photo.caption, other->caption, std::string());
            both.taken = sayingSide(photo.taken, other->taken, std::optional<PhotoTime>());
            both.cover = photo.cover || other->cover;
            if (!photo.link) {
                both.link = other->link;
                both.gone = other->gone;
            }
        }
        merged.push_back(std::move(both));
    }
    for (const PhotoEntry& photo : theirs) {
        if (find(inMine, photo.name) == nullptr) single(photo);
    }
    keepOneCoverPerTrip(merged);
    return merged;
}

RandomSource systemRandom() {
    auto engine = std::make_shared<std::mt19937_64>(std::random_device{}());
    return [engine] { return (*engine)(); };
}

std::string photoFileName(const PhotoTime& when, std::string_view pickedName,
                          const RandomSource& random,
                          const std::function<bool(const std::string&)>& taken) {
    static constexpr std::string_view kAlphabet = "abcdefghijklmnopqrstuvwxyz0123456789";
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d-", when.year, when.month,
                  when.day, when.hour, when.minute, when.second);
    const std::string extension = extensionOf(pickedName);
    for (int attempt = 0;; ++attempt) {
        std::uint64_t bits = random();
        std::string name = stamp;
        for (int k = 0; k < 6; ++k) {
            name.push_back(kAlphabet[bits % kAlphabet.size()]);
            bits /= kAlphabet.size();
        }
        // A source that keeps repeating itself (a test's) still ends.
        if (attempt >= 16) name += "-" + std::to_string(attempt);
        name += extension;
        if (!taken(name)) return name;
    }
}

Result<std::string> copyPhotoIn(const std::string& picked, const std::string& folder,
                                const PhotoTime& when, const RandomSource& random,
                                const std::function<bool(const std::string&)>& taken,
                                const FileOps& ops) {
    Result<std::string> bytes = readFileBytes(picked);
    if (!bytes.ok()) return Result<std::string>::fail(bytes.error());
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) return Result<std::string>::fail(folder + ": " + error.message());
    std::string name = photoFileName(when, picked, random, [&](const std::string& candidate) {
        return taken(candidate) || fs::exists(folder + "/" + candidate, error);
    });
    const std::string target = folder + "/" + name;
    if (Status written = writeFileAtomically(target, bytes.value(), ops); !written.ok())
        return Result<std::string>::fail(target + ": " + written.message());
    return name;
}

}  // namespace rodwick
