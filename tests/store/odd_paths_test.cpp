// SPDX-License-Identifier: GPL-3.0-or-later
// Files under names the shell and other programs find awkward, behind symbolic links, and
// names that are no regular file.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "database_file.h"
#include "rodwick_test/store_test_util.h"

namespace rodwick {
namespace {

using namespace testing;
namespace fs = std::filesystem;

std::string repeat(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

TEST(OddPathsTest, AwkwardNamesAreSavedLoadedAndSavedAgainInPlaceOfThemselves) {
    const std::string names[] = {
        "it's \"quoted\" $HOME.RWK", "--",
        std::string(251, 'a') + ".RWK",    // the longest name a folder takes
        repeat("\xC3\xA9", 125) + ".RWK",  // as long, in two-byte letters
    };
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        TempDir dir;
        const std::string path = dir.file(name);
        ASSERT_TRUE(saveDatabaseFile(path, tableOf(trips(1, 2))).ok());
        EXPECT_TRUE(fileExists(path));
        ASSERT_TRUE(saveDatabaseFile(path, tableOf(trips(3, 5))).ok()) << "over the old file";
        const auto loaded = readDatabaseFile(path);
        ASSERT_TRUE(loaded.ok()) << loaded.error();
        EXPECT_EQ(loaded.value(), trips(3, 5));
        EXPECT_EQ(dir.names(), std::set<std::string>{name});
    }
}

// The file behind the link is replaced from a temporary file in its own folder (a rename never
// crosses file systems), keeping its permission bits.
TEST(OddPathsTest, SavingThroughALinkWritesItsFileAndKeepsTheLink) {
    // Label, the link's text (relative to the folder) and whether the file exists beforehand.
    const std::tuple<const char*, std::string, bool> links[] = {
        {"link to a link", "SECOND.LNK", true},
        {"link with dots to a file not yet made", "./real/../real/TRIPS.RWK", false},
    };
    for (const auto& [label, text, exists] : links) {
        SCOPED_TRACE(label);
        TempDir dir;
        fs::create_directory(dir.file("real"));
        const std::string real = dir.file("real/TRIPS.RWK"), link = dir.file("LINK.RWK");
        if (exists) {
            writeBytes(real, "old");
            fs::permissions(real, fs::perms(0604));
        }
        fs::create_symlink("real/TRIPS.RWK", dir.file("SECOND.LNK"));
        fs::create_symlink(text, link);
        FileOps ops = FileOps::system();
        std::string renamedFrom;
        ops.rename = [&renamedFrom](const char* from, const char* to) {
            renamedFrom = from;
            return FileOps::system().rename(from, to);
        };

        ASSERT_TRUE(saveDatabaseFile(link, tableOf(trips(1, 2)), ops).ok());
        EXPECT_TRUE(fs::equivalent(fs::path(renamedFrom).parent_path(), dir.file("real")))
            << renamedFrom;
        EXPECT_EQ(fs::is_symlink(link) ? fs::read_symlink(link).string() : "no link", text);
        EXPECT_EQ(readBytes(real), databaseBytes(trips(1, 2)));
        if (exists) {
            EXPECT_EQ(fs::status(real).permissions(), fs::perms(0604));
        }
        const auto loaded = readDatabaseFile(link);
        ASSERT_TRUE(loaded.ok()) << loaded.error();
        EXPECT_EQ(loaded.value(), trips(1, 2));
        EXPECT_EQ(dir.names(), (std::set<std::string>{"LINK.RWK", "SECOND.LNK", "real"}));
    }
}

TEST(OddPathsTest, ALoopOfLinksIsRefusedAndStaysALoop) {
    TempDir dir;
    fs::create_symlink("B.LNK", dir.file("A.LNK"));
    fs::create_symlink("A.LNK", dir.file("B.LNK"));
    const Status status = saveDatabaseFile(dir.file("A.LNK"), tableOf(trips(1, 1)));
    EXPECT_EQ(status.ok() ? "saved" : status.message(), std::strerror(ELOOP));
    EXPECT_TRUE(fs::is_symlink(dir.file("A.LNK")));
    EXPECT_EQ(dir.names(), (std::set<std::string>{"A.LNK", "B.LNK"}));
    EXPECT_FALSE(readDatabaseFile(dir.file("A.LNK")).ok());
}

// A pipe that a wrong read would wait on for ever feeds a file's bytes instead.
TEST(OddPathsTest, NamesThatAreNoRegularFileCountAsMissing) {
    TempDir dir;
    const std::string folder = dir.file("folder.RWK");
    fs::create_directory(folder);
    const FeedingPipe pipe(dir.file("pipe.RWK"), databaseBytes(trips(1, 1)));
    std::vector<std::string> paths{folder, pipe.path()};
    // Only where /dev/null is still a device: a tool run as root may have replaced it.
    if (fs::is_character_file("/dev/null")) paths.emplace_back("/dev/null");
    for (const std::string& path : paths) {
        EXPECT_FALSE(fileExists(path)) << path;
    }
}

}  // namespace
}  // namespace rodwick
