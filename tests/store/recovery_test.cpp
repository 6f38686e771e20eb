// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery copy that keeps unsaved trips, and the dated backups a save leaves.
#include "recovery.h"

#include <gtest/gtest.h>

#include <sys/mount.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <string>

#include "backups.h"
#include "database_file.h"
#include "rodwick_test/store_test_util.h"

namespace rodwick::testing {
namespace {

// A fixed moment, so that the copies' times and the backups' names are known.
constexpr std::time_t kNoon = 1718280000;  // 06-13-2024, 12:00 UTC

struct RecoveryTest : ::testing::Test {
    RecoveryTest() {
        ::setenv("TZ", "UTC", 1);
        ::tzset();
        writeBytes(dir.file("a.rwk"), databaseBytes(trips(1, 3)));
    }
    std::string copyOf(const std::string& path) const {
        return readBytes(recoveryFileFor(dir.file("state"), path));
    }
    TempDir dir;
    RecordBook book;
    Recovery recovery{book, dir.file("state"), [] { return kNoon; }};
};

TEST_F(RecoveryTest, EveryChangeIsKeptUntilTheTableIsSaved) {
    const std::string a = dir.file("a.rwk");
    ASSERT_TRUE(book.load(a).ok());
    EXPECT_FALSE(fileExists(recoveryFileFor(dir.file("state"), a)))
        << "a load is what the file holds";
    ASSERT_TRUE(book.deleteCurrent().ok());
    EXPECT_EQ(copyOf(a), "Rodwick recovery copy\r\n" + a + "\r\n06-13-2024 12:00\r\n" +
                             databaseBytes(trips(2, 3)));
    EXPECT_EQ(readBytes(a), databaseBytes(trips(1, 3))) << "the database is never written";

    // New and Open drop the table, not its copy; the table then edited goes to its own copy.
    book.newDatabase();
    EXPECT_EQ(parseRecoveryCopy(copyOf(a)).value().records, trips(2, 3));
    ASSERT_TRUE(book.appendRecords(trips(7, 7)).ok());
    EXPECT_EQ(parseRecoveryCopy(copyOf("")).value().records, trips(7, 7));
    // New redone drops the table as New does, not its copy.
    book.newDatabase();
    ASSERT_TRUE(book.undo().ok());
    ASSERT_TRUE(book.redo().ok());
    EXPECT_EQ(parseRecoveryCopy(copyOf("")).value().records, trips(7, 7));
    ASSERT_TRUE(book.undo().ok());
    ASSERT_TRUE(book.saveAs(dir.file("b.rwk")).ok());
    recovery.tableSaved();
    EXPECT_FALSE(fileExists(recoveryFileFor(dir.file("state"), ""))) << "saved";
    EXPECT_TRUE(fileExists(recoveryFileFor(dir.file("state"), a))) << "another table's copy";

    // A table loaded and then saved under another name takes its copy with it.
    ASSERT_TRUE(book.load(a).ok());
    ASSERT_TRUE(book.appendRecords(trips(8, 8)).ok());
    ASSERT_TRUE(book.saveAs(dir.file("c.rwk")).ok());
    recovery.tableSaved();
    EXPECT_FALSE(fileExists(recoveryFileFor(dir.file("state"), a)));
}

TEST_F(RecoveryTest, ACopyIsOfferedOnlyWhenItHoldsOtherTrips) {
    const std::string a = dir.file("a.rwk");
    const auto keep = [&](const std::string& path, const std::vector<TripRecord>& records) {
        std::filesystem::create_directories(dir.file("state"));
        writeBytes(recoveryFileFor(dir.file("state"), path),
                   formatRecoveryCopy(path, "01-02-2024 03:04", tableOf(records)));
    };
    // What is kept for which path, and whether it is offered for a.
    const struct {
        const char* label;
        std::string keptFor;
        std::vector<TripRecord> kept;
        std::string askedFor;
        bool offered;
    } cases[] = {
        {"nothing kept", "", {}, a, false},
        {"the file's own trips", a, trips(1, 3), a, false},
        {"other trips", a, trips(1, 4), a, true},
        {"no trips left", a, {}, a, true},
        {"another file's copy", dir.file("b.rwk"), trips(9, 9), a, false},
        {"a missing file's copy", dir.file("gone.rwk"), trips(9, 9), dir.file("gone.rwk"), true},
        {"a table never saved", "", trips(1, 1), "", true},
        {"an empty table never saved", "", {}, "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        std::filesystem::remove_all(dir.file("state"));
        if (c.label != std::string("nothing kept")) keep(c.keptFor, c.kept);
        const auto offered = recovery.pendingFor(c.askedFor);
        ASSERT_EQ(offered.has_value(), c.offered);
        if (offered) {
            EXPECT_EQ(offered->records, c.kept);
            EXPECT_EQ(offered->time, "01-02-2024 03:04");
        }
    }
    recovery.discard(dir.file("gone.rwk"));
    EXPECT_FALSE(recovery.pendingFor(dir.file("gone.rwk")));
}

TEST_F(RecoveryTest, ACopyThatCannotBeWrittenStopsNoEditAndIsToldOnce) {
    std::vector<std::string> told;
    RecordBook other;
    // The folder is a file: no copy can go there.
    writeBytes(dir.file("blocked"), "");
    Recovery blocked(other, dir.file("blocked") + "/state", [] { return kNoon; });
    blocked.onWriteFailure([&](const std::string& reason) { told.push_back(reason); });
    Recovery full(
        other, dir.file("full"), [] { return kNoon; }, writeFailsAfter(100));
    full.onWriteFailure([&](const std::string& reason) { told.push_back(reason); });
    ASSERT_TRUE(other.appendRecords(trips(1, 1)).ok());
    ASSERT_TRUE(other.appendRecords(trips(2, 2)).ok());
    EXPECT_EQ(other.recordCount(), 2);
    EXPECT_EQ(told, (std::vector<std::string>{std::strerror(ENOTDIR), std::strerror(ENOSPC)}));
}

// The system's own failures on a small file system of the test's own (mounted where the test
// may, as root does in CI): full, then read-only. The edit and the database are untouched, the
// reason is the system's, and nothing half written is left in the folders.
TEST_F(RecoveryTest, AFullOrReadOnlyFileSystemKeepsNoCopyAndNoHalfFile) {
    const std::string small = dir.file("small");
    std::filesystem::create_directory(small);
    if (::mount("tmpfs", small.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "no file system of our own here: " << std::strerror(errno);
    }
    const std::shared_ptr<void> unmount(nullptr,
                                        [&](void*) { ::umount2(small.c_str(), MNT_DETACH); });
    const std::string a = dir.file("a.rwk");
    {
        std::FILE* filler = std::fopen((small + "/filler").c_str(), "wb");
        ASSERT_NE(filler, nullptr);
        const std::string block(4096, 'x');
        while (std::fwrite(block.data(), 1, block.size(), filler) == block.size()) {
        }
        std::fclose(filler);
    }
    for (const int expected : {ENOSPC, EROFS}) {
        SCOPED_TRACE(std::strerror(expected));
        if (expected == EROFS) {
            std::filesystem::remove(small + "/filler");
            ASSERT_EQ(::mount(nullptr, small.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
        }
        std::vector<std::string> told;
        RecordBook other;
        ASSERT_TRUE(other.load(a).ok());
        Recovery kept(other, small + "/state", [] { return kNoon; });
        kept.onWriteFailure([&](const std::string& reason) { told.push_back(reason); });
        ASSERT_TRUE(other.deleteCurrent().ok());
        EXPECT_EQ(other.recordCount(), 2) << "the edit went on";
        EXPECT_EQ(told, std::vector<std::string>{std::strerror(expected)});
        EXPECT_EQ(backUpBeforeSave(a, small + "/backups", kNoon).message(),
                  std::strerror(expected));
        EXPECT_EQ(readBytes(a), databaseBytes(trips(1, 3)));
        std::vector<std::string> left;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(small)) {
            if (entry.is_regular_file()) left.push_back(entry.path().filename().string());
        }
        EXPECT_EQ(left, expected == ENOSPC ? std::vector<std::string>{"filler"}
                                           : std::vector<std::string>{});
    }
}

TEST_F(RecoveryTest, BackupsAreDatedAndTheLastTwentyKept) {
    const std::string a = dir.file("FISH.RWK"), folder = dir.file("backups");
    // A log book of the same name in another folder keeps its own backups.
    const std::string namesake = dir.file("club/FISH.RWK");
    writeBytes(a, databaseBytes(trips(1, 1)));
    std::filesystem::create_directory(dir.file("club"));
    writeBytes(namesake, databaseBytes(trips(1, 7)));
    writeBytes(dir.file("FISH-2.RWK"), databaseBytes(trips(1, 2)));
    ASSERT_TRUE(backUpBeforeSave(dir.file("FISH-2.RWK"), folder, kNoon).ok());
    ASSERT_TRUE(backUpBeforeSave(namesake, folder, kNoon - 60).ok());
    for (int save = 0; save < 25; ++save) {
        writeBytes(a, databaseBytes(trips(1, save + 1)));
        ASSERT_TRUE(backUpBeforeSave(a, folder, kNoon + save * 61).ok());
    }
    const std::vector<Backup> kept = listBackups(a, folder);
    ASSERT_EQ(kept.size(), 20u);
    EXPECT_EQ(kept.front().stamp, "20240613-122424");
    EXPECT_EQ(kept.front().trips, 25);
    EXPECT_EQ(kept.front().size, databaseBytes(trips(1, 25)).size());
    EXPECT_EQ(kept.back().path, folder + "/FISH-20240613-120505.RWK");
    EXPECT_EQ(kept.back().trips, 6);
    EXPECT_EQ(listBackups(dir.file("FISH-2.RWK"), folder).size(), 1u) << "FISH-2's own";
    ASSERT_EQ(listBackups(namesake, folder).size(), 1u) << "the namesake's own, still kept";
    EXPECT_EQ(listBackups(namesake, folder)[0].trips, 7);
    std::filesystem::create_directory_symlink(dir.path, dir.file("link"));
    EXPECT_EQ(listBackups(dir.file("link/FISH.RWK"), folder).size(), 20u) << "one file, two names";
    EXPECT_TRUE(backUpBeforeSave(dir.file("none.rwk"), folder, kNoon).ok()) << "nothing to keep";
    // Two saves within one second keep two copies.
    ASSERT_TRUE(backUpBeforeSave(a, folder, kNoon + 3600).ok());
    ASSERT_TRUE(backUpBeforeSave(a, folder, kNoon + 3600).ok());
    EXPECT_EQ(listBackups(a, folder)[0].stamp, "20240613-130001");
    EXPECT_EQ(listBackups(a, folder)[1].stamp, "20240613-130000");

    // A full disk or a folder that cannot be made: the reason, and the database untouched.
    EXPECT_EQ(backUpBeforeSave(a, folder, kNoon + 9999, writeFailsAfter(10)).message(),
              std::strerror(ENOSPC));
    EXPECT_EQ(backUpBeforeSave(a, a + "/backups", kNoon).message(), std::strerror(ENOTDIR));
    EXPECT_EQ(readBytes(a), databaseBytes(trips(1, 25)));
    EXPECT_EQ(listBackups(a, folder).size(), 20u);
}

// A sync program's conflict copy, once merged, leaves the synced folder for the backups: listed
// there by its time among the dated backups, and never rotated out by later saves.
TEST_F(RecoveryTest, AConflictCopyIsKeptAmongTheBackupsAndNeverRotatedOut) {
    const std::string a = dir.file("FISH.RWK"), folder = dir.file("backups");
    const std::string copyName = "FISH.sync-conflict-20240613-121500-ABCDEF1.RWK";
    const std::string copy = dir.file(copyName);
    writeBytes(a, databaseBytes(trips(1, 2)));
    writeBytes(copy, databaseBytes(trips(1, 3)));
    const auto at = [](std::time_t time) {
        return std::filesystem::file_time_type::clock::from_sys(
            std::chrono::system_clock::from_time_t(time));
    };
    std::filesystem::last_write_time(copy, at(kNoon + 900));

    ASSERT_TRUE(backUpBeforeSave(a, folder, kNoon).ok());
    ASSERT_TRUE(keepConflictCopy(copy, a, folder).ok());
    EXPECT_FALSE(fileExists(copy)) << "moved, not copied: the synced folder no longer holds it";
    ASSERT_TRUE(backUpBeforeSave(a, folder, kNoon + 1800).ok());
    std::vector<Backup> listed = listBackups(a, folder);
    ASSERT_EQ(listed.size(), 3u);
    EXPECT_EQ(listed[1].path, folder + "/" + copyName) << "between the two saves, by its time";
    EXPECT_EQ(listed[1].stamp, "20240613-121500");
    EXPECT_TRUE(listed[1].conflictCopy);
    EXPECT_EQ(listed[1].trips, 3);
    EXPECT_FALSE(listed[0].conflictCopy || listed[2].conflictCopy);
    EXPECT_TRUE(listBackups(dir.file("club/FISH.RWK"), folder).empty())
        << "a namesake in another folder: the index names the log book the copy came from";

    for (int save = 1; save <= 25; ++save)
        ASSERT_TRUE(backUpBeforeSave(a, folder, kNoon + 3600 * save).ok());
    listed = listBackups(a, folder);
    EXPECT_EQ(listed.size(), 21u) << "twenty dated backups and the copy";
    EXPECT_TRUE(listed.back().conflictCopy);

    // The sync program brings the same copy back: it is kept once. Another of that name stays
    // where it is, with the reason.
    writeBytes(copy, databaseBytes(trips(1, 3)));
    EXPECT_TRUE(keepConflictCopy(copy, a, folder).ok());
    EXPECT_FALSE(fileExists(copy));
    writeBytes(copy, databaseBytes(trips(1, 4)));
    EXPECT_FALSE(keepConflictCopy(copy, a, folder).ok());
    EXPECT_EQ(readBytes(copy), databaseBytes(trips(1, 4)));
    EXPECT_EQ(readBytes(folder + "/" + copyName), databaseBytes(trips(1, 3)));
}

}  // namespace
}  // namespace rodwick::testing
