// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <compare>
#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "file_io.h"
#include "record_table.h"
#include "result.h"

namespace rodwick {

// The photos of a log book's trips live beside it, in a folder of their own, with an index
// that a person can read: the log book's file never changes for them. Paths, file names and
// every text of the index are UTF-8.

inline constexpr const char* kPhotoIndexName = "photos.txt";
inline constexpr const char* kPhotoIndexHeader = "Rodwick photo index 1";

// The folder of the photos of the log book at path: "DIR/NAME photos" for "DIR/NAME.RWK".
std::string photoFolderFor(const std::string& logBookPath);

// A moment as a camera or the clock shows it, local time.
struct PhotoTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    auto operator<=>(const PhotoTime&) const = default;
};
PhotoTime localPhotoTime(std::time_t time);
// "MM-DD-YYYY HH:MM:SS": the date as the program writes dates, the time to the second.
std::string formatPhotoTime(const PhotoTime& time);
// That form, or without the seconds; nothing for any other text or an impossible moment.
std::optional<PhotoTime> readPhotoTime(std::string_view text);

// The trip a photo is of, as the log book holds it: its date, start time and venue as typed
// (the file's Windows-1252 bytes as UTF-8), and which of the trips alike in those three it is,
// 1 for the first in the log book.
struct TripLink {
    std::string date;
    std::string start;
    std::string venue;
    int alike = 1;
    auto operator<=>(const TripLink&) const = default;
};
// Trip n (0-based) of trips as a link names it.
TripLink linkOf(std::span<const TripRecord> trips, std::size_t n);
// The links of all the trips, in order: one pass, for looking many photos up.
std::vector<TripLink> linksOf(std::span<const TripRecord> trips);

struct PhotoEntry {
    std::string name;  // the file's name in the photos' folder
    std::string caption;
    std::optional<PhotoTime> taken;
    bool cover = false;  // the picture that stands for its trip; one per trip at most
    // The trip it is of. A link that names no trip of the log book (changed where the program
    // did not see it) leaves a photo of no trip; nothing is deleted for it.
    std::optional<TripLink> link;
    // Its trip left the log book (deleted, or gone in a reload): the link is kept but names no
    // trip, until a trip of that text comes back (the delete undone).
    bool gone = false;
    bool operator==(const PhotoEntry&) const = default;
};

// A file name the index may hold: one name inside the folder, neither hidden nor the index.
bool isPhotoName(std::string_view name);
// Whether a file found in the folder is taken for a photo the index does not name: the
// extensions of pictures (JPEG, PNG, HEIF, WebP, TIFF, GIF, BMP, AVIF), in any case.
bool looksLikePhoto(std::string_view name);

// Reads an index as far as it goes: never fails. A block begins with its "photo:" line; lines
// it cannot read, a second block of one name and names no photo can have are passed over, and
// only the first cover of a trip stays one.
std::vector<PhotoEntry> parsePhotoIndex(std::string_view text);
std::string formatPhotoIndex(std::span<const PhotoEntry> photos);
// Tab, line ends and the backslash inside a value, written as \t, \n, \r and \\.
std::string escapeIndexValue(std::string_view text);
std::string unescapeIndexValue(std::string_view text);
// Keeps the first cover of each trip (gone photos apart from linked ones) and drops the others'.
void keepOneCoverPerTrip(std::vector<PhotoEntry>& photos);

// What a folder of photos holds: the index's photos in its order, then the photos the index
// does not name (by name, of no trip). No folder, or no index, is no photo of that kind.
struct PhotoFolder {
    std::vector<PhotoEntry> photos;
    std::optional<std::string> indexBytes;  // the index as read; nothing where there is none
};
PhotoFolder readPhotoFolder(const std::string& folder);

// Two versions of an index brought together (this machine's and another's, or a sync
// program's conflict copy), against the version both came from where it is known: every photo
// either holds is kept once, by name, but one that a side removed from base and the other left
// as it was goes (its file went among the backups of the side that removed it). For a photo
// both hold, each of its caption, time, cover and link is the side's that changed it from base,
// mine where both did; where base lacks the photo, the side that says something (a caption, a
// time, a cover, a link) over the one that says nothing, mine where both do. Mine's order,
// then theirs' other photos in theirs'.
std::vector<PhotoEntry> mergePhotoIndexes(std::span<const PhotoEntry> base,
                                          std::span<const PhotoEntry> mine,
                                          std::span<const PhotoEntry> theirs);

// The random part of new names: six letters and digits, from the system's random source.
using RandomSource = std::function<std::uint64_t()>;
RandomSource systemRandom();

// A name no other machine will give a photo: when it was taken (or added), a short random
// part, and the picked file's extension as it stands: "20240613-101530-k3f9q2.jpg". Names
// taken(name) holds (the folder's files, the index's names) are never given.
std::string photoFileName(const PhotoTime& when, std::string_view pickedName,
                          const RandomSource& random,
                          const std::function<bool(const std::string&)>& taken);

// Copies the picked file into folder (made where missing) under photoFileName: its bytes as they
// are, through a temporary file renamed into place, the picked file left where it was. The new
// name, or the reason ("PATH: reason").
Result<std::string> copyPhotoIn(const std::string& picked, const std::string& folder,
                                const PhotoTime& when, const RandomSource& random,
                                const std::function<bool(const std::string&)>& taken,
                                const FileOps& ops = FileOps::system());

}  // namespace rodwick
