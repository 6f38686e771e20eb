// Files under names the shell and other programs find awkward, behind symbolic links, and
// names that are no regular file.
#include <gtest/gtest.h>

#include <cstring>

#include "database_file.h"
#include "rodwick_test/store_test_util.h"

namespace rodwick {
namespace {

using namespace testing;
namespace fs = std::filesystem;

std::string Repeat(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

TEST(OddPathsTest, AwkwardNamesAreSavedLoadedAndSavedAgainInPlaceOfThemselves) {
    const std::string names[] = {
        "it's \"quoted\" $HOME.RWK", "--",
        std::string(251, 'a') + ".RWK",    // the longest name a folder takes
        Repeat("\xC3\xA9", 125) + ".RWK",  // as long, in two-byte letters
    };
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        TempDir dir;
        const std::string path = dir.File(name);
        ASSERT_TRUE(SaveDatabaseFile(path, TableOf(Trips(1, 2))).ok());
        EXPECT_TRUE(FileExists(path));
        ASSERT_TRUE(SaveDatabaseFile(path, TableOf(Trips(3, 5))).ok()) << "over the old file";
        const auto loaded = ReadDatabaseFile(path);
        ASSERT_TRUE(loaded.ok()) << loaded.error();
        EXPECT_EQ(loaded.value(), Trips(3, 5));
        EXPECT_EQ(dir.Names(), std::set<std::string>{name});
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
        fs::create_directory(dir.File("real"));
        const std::string real = dir.File("real/TRIPS.RWK"), link = dir.File("LINK.RWK");
        if (exists) {
            WriteBytes(real, "old");
            fs::permissions(real, fs::perms(0604));
        }
        fs::create_symlink("real/TRIPS.RWK", dir.File("SECOND.LNK"));
        fs::create_symlink(text, link);
        FileOps ops = FileOps::System();
        std::string renamedFrom;
        ops.rename = [&renamedFrom](const char* from, const char* to) {
            renamedFrom = from;
            return FileOps::System().rename(from, to);
        };

        ASSERT_TRUE(SaveDatabaseFile(link, TableOf(Trips(1, 2)), ops).ok());
        EXPECT_TRUE(fs::equivalent(fs::path(renamedFrom).parent_path(), dir.File("real")))
            << renamedFrom;
        EXPECT_EQ(fs::is_symlink(link) ? fs::read_symlink(link).string() : "no link", text);
        EXPECT_EQ(ReadBytes(real), DatabaseBytes(Trips(1, 2)));
        if (exists) {
            EXPECT_EQ(fs::status(real).permissions(), fs::perms(0604));
        }
        const auto loaded = ReadDatabaseFile(link);
        ASSERT_TRUE(loaded.ok()) << loaded.error();
        EXPECT_EQ(loaded.value(), Trips(1, 2));
        EXPECT_EQ(dir.Names(), (std::set<std::string>{"LINK.RWK", "SECOND.LNK", "real"}));
    }
}

TEST(OddPathsTest, ALoopOfLinksIsRefusedAndStaysALoop) {
    TempDir dir;
    fs::create_symlink("B.LNK", dir.File("A.LNK"));
    fs::create_symlink("A.LNK", dir.File("B.LNK"));
    const Status status = SaveDatabaseFile(dir.File("A.LNK"), TableOf(Trips(1, 1)));
    EXPECT_EQ(status.ok() ? "saved" : status.message(), std::strerror(ELOOP));
    EXPECT_TRUE(fs::is_symlink(dir.File("A.LNK")));
    EXPECT_EQ(dir.Names(), (std::set<std::string>{"A.LNK", "B.LNK"}));
    EXPECT_FALSE(ReadDatabaseFile(dir.File("A.LNK")).ok());
}

// A pipe that a wrong read would wait on for ever feeds a file's bytes instead.
TEST(OddPathsTest, NamesThatAreNoRegularFileCountAsMissing) {
    TempDir dir;
    const std::string folder = dir.File("folder.RWK");
    fs::create_directory(folder);
    const FeedingPipe pipe(dir.File("pipe.RWK"), DatabaseBytes(Trips(1, 1)));
    for (const std::string& path : {folder, pipe.path(), std::string("/dev/null")}) {
        EXPECT_FALSE(FileExists(path)) << path;
    }
}

}  // namespace
}  // namespace rodwick
