// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the index of a log book's photos: read without failing, what is read names only
// files the folder may hold, a cover or a gone mark only with a trip, one cover per trip; what is
// read, written and read again is the same, and written a second time gives the same bytes. A
// value escaped reads back as it was, and a version merged with itself is itself.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string_view>
#include <utility>

#include "fuzz_check.h"
#include "photo_index.h"

using namespace rodwick;
using rodwick::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<PhotoEntry> read = parsePhotoIndex(bytes);
    std::set<std::string> names;
    std::set<std::pair<bool, TripLink>> covers;
    for (const PhotoEntry& photo : read) {
        require(isPhotoName(photo.name), "every name read is one a photo can have");
        require(names.insert(photo.name).second, "every photo read once");
        require(!photo.gone || photo.link.has_value(), "gone only with a trip");
        require(!photo.cover || photo.link.has_value(), "a cover only with a trip");
        if (photo.cover)
            require(covers.emplace(photo.gone, *photo.link).second, "one cover a trip");
    }

    const std::string written = formatPhotoIndex(read);
    const std::vector<PhotoEntry> again = parsePhotoIndex(written);
    require(again == read, "an index written reads back the same");
    require(formatPhotoIndex(again) == written, "written twice gives the same bytes");

    require(unescapeIndexValue(escapeIndexValue(bytes)) == bytes, "an escaped value reads back");
    require(mergePhotoIndexes(read, read, read) == read, "merged with itself, itself");
    require(mergePhotoIndexes({}, read, {}) == read, "merged with nothing, itself");
    return 0;
}
