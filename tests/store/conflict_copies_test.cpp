// SPDX-License-Identifier: GPL-3.0-or-later
// The names sync programs give the losing version of a log book, and the listing of a log book's
// conflict copies beside it.
#include "conflict_copies.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "rodwick_test/store_test_util.h"

namespace rodwick::testing {
namespace {

TEST(ConflictCopies, NamesOfTheSyncPrograms) {
    const struct {
        const char* name;
        const char* logBook;  // nullptr: not a conflict copy
    } kCases[] = {
        // Syncthing
        {"Trips.sync-conflict-20261207-101530-ABCDEF1.RWK", "Trips.RWK"},
        {"My Trips.sync-conflict-20240229-235959-Z7Q2M4K.rwk", "My Trips.rwk"},
        {"Trips.2025.sync-conflict-20260101-000000-7777777.Rwk", "Trips.2025.Rwk"},
        {"Trips.sync-conflict-20261307-101530-ABCDEF1.RWK", nullptr},  // month 13
        {"Trips.sync-conflict-20230229-101530-ABCDEF1.RWK", nullptr},  // no 29 February in 2023
        {"Trips.sync-conflict-20261207-241530-ABCDEF1.RWK", nullptr},  // hour 24
        {"Trips.sync-conflict-20261207-101560-ABCDEF1.RWK", nullptr},  // second 60
        {"Trips.sync-conflict-20261207-101530-ABCDEF.RWK", nullptr},   // six-letter device
        {"Trips.sync-conflict-20261207-101530-abcdef1.RWK", nullptr},  // device ids are capitals
        {"Trips.sync-conflict-20261207_101530-ABCDEF1.RWK", nullptr},
        {".sync-conflict-20261207-101530-ABCDEF1.RWK", nullptr},  // no name before it
        {"Trips.sync-conflict-20261207-101530-ABCDEF1.txt", nullptr},
        {"Trips.sync-conflict-20261207-101530-ABCDEF1.RWK.bak", nullptr},
        // Nextcloud and ownCloud
        {"Trips (conflicted copy 2026-12-07 101530).RWK", "Trips.RWK"},
        {"Sea (2026) (conflicted copy 2026-02-28 000000).rwk", "Sea (2026).rwk"},
        {"Trips (conflicted copy 2026-12-32 101530).RWK", nullptr},  // day 32
        {"Trips (conflicted copy 2026-12-07 1015).RWK", nullptr},
        {"Trips (conflicted copy 2026-12-07 106030).RWK", nullptr},        // minute 60
        {"Trips (conflicted copy 2026-12-07 101530) notes.RWK", nullptr},  // a log book's own name
        {"Trips(conflicted copy 2026-12-07 101530).RWK", nullptr},
        {"(conflicted copy 2026-12-07 101530).RWK", nullptr},
        {"Trips (conflicted copy 2026-12-07 101530).csv", nullptr},
        // Dropbox
        {"Trips (Jo's conflicted copy 2026-12-07).RWK", "Trips.RWK"},
        {"Trips (2026) (Jo's Laptop's conflicted copy 2026-12-07).RWK", "Trips (2026).RWK"},
        {"Trips (Jo's conflicted copy 2026-02-30).RWK", nullptr},
        {"Trips (Jo's conflicted copy 26-12-07).RWK", nullptr},
        {"Trips (conflicted copy 2026-12-07).RWK", nullptr},  // whose copy is missing
        {"Trips ( conflicted copy 2026-12-07).RWK", nullptr},
        {"Trips (Jo's conflicted copy 2026-12-07).RWK.txt", nullptr},
        // Neither
        {"Trips.RWK", nullptr},
        {".RWK", nullptr},
        {"", nullptr},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        const std::optional<std::string> logBook = conflictCopyOf(c.name);
        if (c.logBook == nullptr) {
            EXPECT_EQ(logBook, std::nullopt);
        } else {
            EXPECT_EQ(logBook, c.logBook);
        }
    }
}

TEST(ConflictCopies, ListedBesideTheirLogBookInOrderOfName) {
    TempDir dir;
    for (const char* name : {"Trips.RWK", "Trips.sync-conflict-20261207-101530-ABCDEF1.RWK",
                             "Trips (conflicted copy 2026-12-06 090000).RWK",
                             "Trips (Jo's conflicted copy 2026-12-07).rwk",
                             "Trips.sync-conflict-20261205-101530-ABCDEF1.RWK",
                             "Other.sync-conflict-20261207-101530-ABCDEF1.RWK",
                             "Trips.sync-conflict-20261313-101530-ABCDEF1.RWK", "trips.RWK"})
        writeBytes(dir.file(name), databaseBytes(trips(1, 1)));
    // A folder of a copy's name is no copy.
    std::filesystem::create_directory(dir.file("Trips.sync-conflict-20261208-101530-ABCDEF1.RWK"));

    EXPECT_EQ(listConflictCopies(dir.file("Trips.RWK")),
              (std::vector<std::string>{
                  dir.file("Trips (conflicted copy 2026-12-06 090000).RWK"),
                  dir.file("Trips.sync-conflict-20261205-101530-ABCDEF1.RWK"),
                  dir.file("Trips.sync-conflict-20261207-101530-ABCDEF1.RWK"),
              }));
    EXPECT_EQ(listConflictCopies(dir.file("Trips.rwk")),
              (std::vector<std::string>{dir.file("Trips (Jo's conflicted copy 2026-12-07).rwk")}));
    EXPECT_EQ(
        listConflictCopies(dir.file("Other.RWK")),
        (std::vector<std::string>{dir.file("Other.sync-conflict-20261207-101530-ABCDEF1.RWK")}));
    EXPECT_TRUE(listConflictCopies(dir.file("Missing/Trips.RWK")).empty());
}

// The photos' index beside the photos gets copies of the same forms, and is no log book.
TEST(ConflictCopies, OfThePhotosIndex) {
    TempDir dir;
    for (const char* name : {"photos.txt", "photos.sync-conflict-20261207-101530-ABCDEF1.txt",
                             "photos (conflicted copy 2026-12-06 090000).txt",
                             "photos (Jo's conflicted copy 2026-12-07).TXT",
                             "photos.sync-conflict-20261207-101530-ABCDEF1.RWK",
                             "other.sync-conflict-20261207-101530-ABCDEF1.txt"})
        writeBytes(dir.file(name), "photo: a.jpg\n");
    EXPECT_EQ(listConflictCopies(dir.file("photos.txt")),
              (std::vector<std::string>{
                  dir.file("photos (conflicted copy 2026-12-06 090000).txt"),
                  dir.file("photos.sync-conflict-20261207-101530-ABCDEF1.txt"),
              }));
    EXPECT_EQ(conflictCopyOf("photos (Jo's conflicted copy 2026-12-07).TXT", ".txt"), "photos.TXT");
    EXPECT_EQ(conflictCopyOf("photos.sync-conflict-20261207-101530-ABCDEF1.txt"), std::nullopt);
}

}  // namespace
}  // namespace rodwick::testing
