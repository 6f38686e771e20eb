// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the tests of the photos' shelf share: four trips, two of them alike, a log book loaded
// with its shelf, and photos picked from a memory card.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "photo_shelf.h"
#include "rodwick_test/store_test_util.h"

namespace rodwick::testing::shelf {

namespace fs = std::filesystem;

inline const std::vector<Field> kLinkFields = {Field::Date, Field::StartTime, Field::Venue,
                                               Field::Remarks};

// Trips 2 and 3 are alike (date, start and venue): photo p is of the first, q of the second.
inline const std::vector<TripRecord> kTrips =
    tripsWith(kLinkFields, {
                               {"06-13-2024", "07:00", "Lake", "a"},
                               {"06-14-2024", "06:00", "River", "b"},
                               {"06-14-2024", "06:00", "River", "c"},
                               {"06-15-2024", "08:00", "Canal", "d"},
                           });

inline TripRecord trip(std::string date, std::string start, std::string venue, std::string remark) {
    return tripsWith(kLinkFields,
                     {{std::move(date), std::move(start), std::move(venue), std::move(remark)}})[0];
}

inline std::vector<std::string> namesOf(const std::vector<PhotoEntry>& photos) {
    std::vector<std::string> names;
    for (const PhotoEntry& photo : photos) names.push_back(photo.name);
    return names;
}

// A log book Trips.RWK loaded, its shelf, and photos picked from a memory card.
struct Shelved {
    explicit Shelved(const std::vector<TripRecord>& onDisk = kTrips) {
        writeBytes(path, databaseBytes(onDisk));
        EXPECT_TRUE(book.load(path).ok());
        open();
    }
    void open() {
        shelf = std::make_unique<PhotoShelf>(
            book, PhotoShelf::Folders{dir.file("state/untitled photos"), dir.file("backups")},
            [] { return std::time_t{1718273730}; },
            [n = std::uint64_t{0}]() mutable { return n++; });
        shelf->onWriteFailure([this](const std::string& reason) { failures.push_back(reason); });
    }
    std::string picked(const std::string& name) {
        fs::create_directories(dir.file("card"));
        writeBytes(dir.file("card/" + name), "picture " + name);
        return dir.file("card/" + name);
    }
    // A photo of record n picked from the card.
    std::string add(int n, const std::string& pickedName) {
        const auto names = shelf->addPhotos(n, {{picked(pickedName), std::nullopt}});
        EXPECT_TRUE(names.ok()) << names.error();
        return names.ok() ? names.value().at(0) : std::string();
    }
    // Another machine's save of the log book, read again as the window would.
    void reloaded(const std::vector<TripRecord>& onDisk) {
        writeBytes(path, databaseBytes(onDisk));
        RecordBook::DiskCheck check = book.checkDisk();
        ASSERT_EQ(check.state, RecordBook::FileState::Changed) << check.reason;
        ASSERT_TRUE(book.takeInDiskChange(check.change).ok());
    }
    std::string index() const { return shelf->folder() + "/" + kPhotoIndexName; }
    std::vector<PhotoEntry> onDisk() const { return parsePhotoIndex(readBytes(index())); }

    TempDir dir;
    std::string path = dir.file("Trips.RWK");
    RecordBook book;
    std::unique_ptr<PhotoShelf> shelf;
    std::vector<std::string> failures;
};

}  // namespace rodwick::testing::shelf
