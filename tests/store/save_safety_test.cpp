#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <memory>

#include "database_file.h"
#include "store_test_util.h"

namespace rodwick {
namespace {

using testing::TempDir;
using Names = std::vector<std::string>;

const std::string kOld = " 0 \r\n";

// The real system calls, except those a test replaces.
FileOps Real() {
    return FileOps::System();
}

// Writes at most chunk bytes per call and fails once limit bytes have gone out.
FileOps WriteFailsAfter(std::size_t limit, std::size_t chunk) {
    FileOps ops = Real();
    auto sent = std::make_shared<std::size_t>(0);
    ops.write = [=](int fd, const char* data, std::size_t size) -> long {
        if (*sent >= limit) {
            errno = ENOSPC;
            return -1;
        }
        const std::size_t n = std::min({size, chunk, limit - *sent});
        const long written = FileOps::System().write(fd, data, n);
        if (written > 0) *sent += static_cast<std::size_t>(written);
        return written;
    };
    return ops;
}

RecordTable TableOf(int n) {
    RecordTable table;
    EXPECT_TRUE(table.ReplaceFromFile(testing::TaggedRecords(n)));
    return table;
}

class SaveSafetyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        path_ = dir_.File("TRIPS.RWK");
        testing::WriteBytes(path_, kOld);
    }

    // A failed save reports why, leaves the old file as it was and no stray file beside it.
    void ExpectFailedCleanly(const Status& status) {
        EXPECT_FALSE(status.ok());
        EXPECT_FALSE(status.message().empty());
        EXPECT_EQ(testing::ReadBytes(path_), kOld);
        EXPECT_EQ(dir_.Names(), Names{"TRIPS.RWK"});
    }

    TempDir dir_;
    std::string path_;
};

TEST_F(SaveSafetyTest, WriteFailingPartWay) {
    ExpectFailedCleanly(SaveDatabaseFile(path_, TableOf(5), WriteFailsAfter(100, 64)));
}

TEST_F(SaveSafetyTest, WriteFailingAtOnce) {
    ExpectFailedCleanly(SaveDatabaseFile(path_, TableOf(1), WriteFailsAfter(0, 64)));
}

TEST_F(SaveSafetyTest, WriteMakingNoProgress) {
    FileOps ops = Real();
    int calls = 0;
    ops.write = [&calls](int, const char*, std::size_t) -> long {
        // A save that kept retrying would never end; stop it here and say so.
        if (++calls > 100) {
            ADD_FAILURE() << "save keeps writing after no progress";
            return -1;
        }
        return 0;
    };
    ExpectFailedCleanly(SaveDatabaseFile(path_, TableOf(1), ops));
}

TEST_F(SaveSafetyTest, FsyncFailing) {
    FileOps ops = Real();
    ops.fsync = [](int) {
        errno = EIO;
        return -1;
    };
    ExpectFailedCleanly(SaveDatabaseFile(path_, TableOf(3), ops));
}

TEST_F(SaveSafetyTest, RenameFailing) {
    FileOps ops = Real();
    ops.rename = [](const char*, const char*) {
        errno = EXDEV;
        return -1;
    };
    ExpectFailedCleanly(SaveDatabaseFile(path_, TableOf(3), ops));
}

TEST_F(SaveSafetyTest, ShortWritesStillWriteEverything) {
    const RecordTable table = TableOf(3);
    const Status status = SaveDatabaseFile(path_, table, WriteFailsAfter(1 << 20, 7));
    ASSERT_TRUE(status.ok()) << status.message();
    EXPECT_EQ(testing::ReadBytes(path_), FormatDatabase(table));
    EXPECT_EQ(dir_.Names(), Names{"TRIPS.RWK"});
}

TEST_F(SaveSafetyTest, MissingDirectoryFailsWithoutCreatingAnything) {
    const Status status = SaveDatabaseFile(dir_.File("nowhere/TRIPS.RWK"), TableOf(1));
    EXPECT_FALSE(status.ok());
    EXPECT_FALSE(status.message().empty());
    EXPECT_EQ(dir_.Names(), Names{"TRIPS.RWK"});
    EXPECT_EQ(testing::ReadBytes(path_), kOld);
}

TEST_F(SaveSafetyTest, ReplacingKeepsThePermissionBits) {
    ASSERT_EQ(::chmod(path_.c_str(), 0640), 0);
    ASSERT_TRUE(SaveDatabaseFile(path_, TableOf(2)).ok());
    struct stat st {};
    ASSERT_EQ(::stat(path_.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST_F(SaveSafetyTest, NewFileGetsTheUsualPermissionBits) {
    const mode_t oldMask = ::umask(022);
    const Status status = SaveDatabaseFile(dir_.File("NEW.RWK"), TableOf(2));
    ::umask(oldMask);
    ASSERT_TRUE(status.ok()) << status.message();
    struct stat st {};
    ASSERT_EQ(::stat(dir_.File("NEW.RWK").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0644u);
    EXPECT_EQ(dir_.Names(), (Names{"NEW.RWK", "TRIPS.RWK"}));
}

TEST_F(SaveSafetyTest, SavingThroughALinkReplacesTheLinkedFile) {
    const std::string link = dir_.File("LINK.RWK");
    std::filesystem::create_symlink(path_, link);
    const RecordTable table = TableOf(1);
    ASSERT_TRUE(SaveDatabaseFile(link, table).ok());
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(testing::ReadBytes(path_), FormatDatabase(table));
}

TEST_F(SaveSafetyTest, AFileNameIsNeeded) {
    EXPECT_FALSE(WriteFileAtomically(dir_.path() + "/", "x").ok());
    EXPECT_EQ(dir_.Names(), Names{"TRIPS.RWK"});
}

}  // namespace
}  // namespace rodwick
