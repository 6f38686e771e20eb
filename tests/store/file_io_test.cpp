#include "file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>

#include "database_file.h"
#include "rodwick_test/store_test_util.h"

namespace rodwick {
namespace {

using namespace testing;

// A folder that takes no new file.
FileOps NoTemporaryFile() {
    FileOps ops = FileOps::System();
    ops.mkstemp = [](char*) { return Fail(EACCES); };
    return ops;
}

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

TEST(SaveSafetyTest, AFailedSaveLeavesTheOldFileAndNoTemporaryFileAndSaysWhy) {
    FileOps noProgress = FileOps::System(), fsyncFails = noProgress, renameFails = noProgress;
    FileOps readOnly = noProgress, inPlaceFsyncFails = NoTemporaryFile();
    int writes = 0;
    noProgress.write = [&writes](int, const char*, std::size_t) -> long {
        if (++writes > 100) ADD_FAILURE() << "a save that makes no progress keeps retrying";
        return writes > 100 ? -1 : 0;
    };
    fsyncFails.fsync = inPlaceFsyncFails.fsync = [](int) { return Fail(EIO); };
    renameFails.rename = [](const char*, const char*) { return Fail(EXDEV); };
    // Tests run as root, where permission bits stop nothing: the check is told to refuse.
    readOnly.access = [](const char*, int) { return Fail(EACCES); };
    const std::tuple<const char*, FileOps, int> cases[] = {
        {"write fails part-way", WriteFailsAfter(100, 64), ENOSPC},
        {"write fails at once", WriteFailsAfter(0, 64), ENOSPC},
        {"write makes no progress", noProgress, EIO},
        {"fsync fails", fsyncFails, EIO},
        {"rename fails", renameFails, EXDEV},
        {"file not writable", readOnly, EACCES},
        {"in place, write fails part-way", WriteFailsAfter(100, 64, NoTemporaryFile()), ENOSPC},
        {"in place, fsync fails", inPlaceFsyncFails, EIO},
    };
    const std::string old = DatabaseBytes(Trips(1, 2, "old"));
    for (const auto& [label, ops, reason] : cases) {
        SCOPED_TRACE(label);
        TempDir dir;
        const std::string path = dir.File("TRIPS.RWK");
        WriteBytes(path, old);
        const Status status = SaveDatabaseFile(path, TableOf(Trips(1, 5)), ops);
        EXPECT_EQ(status.ok() ? "saved" : status.message(), std::strerror(reason));
        EXPECT_EQ(ReadBytes(path), old);
        EXPECT_EQ(dir.Names(), std::set<std::string>{"TRIPS.RWK"});
    }
}

TEST(SaveSafetyTest, WhereTheSaveGoesAndWithWhichPermissions) {
    TempDir dir;
    const std::string path = dir.File("TRIPS.RWK");
    const RecordTable table = TableOf(Trips(1, 3));
    EXPECT_EQ(SaveDatabaseFile(dir.File("nowhere/TRIPS.RWK"), table).message(),
              std::strerror(ENOENT));
    EXPECT_EQ(WriteFileAtomically(dir.path + "/", "x").message(), std::strerror(EISDIR));
    EXPECT_EQ(WriteFileAtomically(path, "x", NoTemporaryFile()).message(), std::strerror(EACCES))
        << "no file to write in place";
    EXPECT_TRUE(dir.Names().empty());
    EXPECT_FALSE(FileExists(dir.path));
    EXPECT_FALSE(ReadFileBytes(dir.path).ok());

    // A new file takes the user's umask; short writes are continued to the end.
    const mode_t oldMask = ::umask(027);
    EXPECT_TRUE(SaveDatabaseFile(path, table, WriteFailsAfter(1 << 20, 7)).ok());
    ::umask(oldMask);
    EXPECT_EQ(ReadBytes(path), FormatDatabase(table));
    EXPECT_EQ(ModeOf(path), 0640u);
    EXPECT_TRUE(FileExists(path));

    // Saving through a link replaces the file it points to, from a temporary file in that
    // file's folder (a rename never crosses file systems), keeping its permission bits.
    std::filesystem::create_directory(dir.File("real"));
    const std::string real = dir.File("real/TRIPS.RWK");
    WriteBytes(real, "old");
    ASSERT_EQ(::chmod(real.c_str(), 0604), 0);
    std::filesystem::create_symlink(real, dir.File("LINK.RWK"));
    FileOps ops = FileOps::System();
    std::string renamedFrom;
    ops.rename = [&renamedFrom](const char* from, const char* to) {
        renamedFrom = from;
        return FileOps::System().rename(from, to);
    };
    ASSERT_TRUE(SaveDatabaseFile(dir.File("LINK.RWK"), TableOf(Trips(1, 1)), ops).ok());
    EXPECT_EQ(std::filesystem::path(renamedFrom).parent_path(), dir.File("real"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("LINK.RWK")));
    EXPECT_EQ(ReadBytes(real), DatabaseBytes(Trips(1, 1)));
    EXPECT_EQ(ModeOf(real), 0604u);

    // Where the folder takes no temporary file, the file itself is rewritten, shorter too.
    ASSERT_TRUE(SaveDatabaseFile(path, TableOf(Trips(1, 1, "s")), NoTemporaryFile()).ok());
    EXPECT_EQ(ReadBytes(path), DatabaseBytes(Trips(1, 1, "s")));
    EXPECT_EQ(ModeOf(path), 0640u);
    EXPECT_EQ(dir.Names(), (std::set<std::string>{"LINK.RWK", "TRIPS.RWK", "real"}));
}

}  // namespace
}  // namespace rodwick
