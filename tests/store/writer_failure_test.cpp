// Every file the program writes goes through one atomic write, here failed at each of its
// steps: the old file stays byte for byte, no temporary file is left, the reason is given.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>

#include "database_file.h"
#include "rodwick_test/store_test_util.h"

namespace rodwick {
namespace {

using namespace testing;

const RecordTable kTable = TableOf(Trips(1, 4));

// A folder that takes no new file.
FileOps NoTemporaryFile(int error = EACCES, FileOps ops = FileOps::System()) {
    ops.mkstemp = [error](char*) { return Fail(error); };
    return ops;
}

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// Saves over an old file with ops; the failure must leave everything as it was and name reason.
void ExpectRefused(const FileOps& ops, int reason) {
    TempDir dir;
    const std::string path = dir.File("OLD FILE"), old = "old content\r\n";
    WriteBytes(path, old);
    const Status status = SaveDatabaseFile(path, kTable, ops);
    EXPECT_EQ(status.ok() ? "written" : status.message(), std::strerror(reason));
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(dir.Names(), std::set<std::string>{"OLD FILE"});
}

TEST(WriterFailureTest, EachStepFailedLeavesTheOldFileAndNoTemporaryFile) {
    FileOps openFails = NoTemporaryFile(EMFILE), fsyncFails = FileOps::System();
    FileOps renameFails = fsyncFails, inPlaceFsyncFails = NoTemporaryFile();
    FileOps noProgress = fsyncFails, readOnly = fsyncFails;
    openFails.open = [](const char*, int) { return Fail(EMFILE); };
    fsyncFails.fsync = inPlaceFsyncFails.fsync = [](int) { return Fail(EIO); };
    renameFails.rename = [](const char*, const char*) { return Fail(EBUSY); };
    // A write that makes no progress must end, not be retried for ever.
    noProgress.write = [](int, const char*, std::size_t) -> long { return 0; };
    // Tests run as root, where permission bits stop nothing: the check is told to refuse.
    readOnly.access = [](const char*, int) { return Fail(EACCES); };
    const std::tuple<const char*, FileOps, int> steps[] = {
        {"open", openFails, EMFILE},
        {"fsync", fsyncFails, EIO},
        {"rename", renameFails, EBUSY},
        {"in place, fsync", inPlaceFsyncFails, EIO},
        {"write without progress", noProgress, EIO},
        {"file not writable", readOnly, EACCES},
    };
    for (const auto& [step, ops, reason] : steps) {
        SCOPED_TRACE(std::string("fails at ") + step);
        ExpectRefused(ops, reason);
    }
}

TEST(WriterFailureTest, AWriteCutShortAfterAnyNumberOfBytesChangesNothing) {
    const std::size_t size = FormatDatabase(kTable).size();
    // Every byte count up to the end, in steps that reach the last byte too.
    for (std::size_t n = 0; n < size; n += size / 40 + 1) {
        for (const bool inPlace : {false, true}) {
            SCOPED_TRACE((inPlace ? "in place, " : "") + std::to_string(n) + " bytes written");
            ExpectRefused(
                inPlace ? WriteFailsAfter(n, 61, NoTemporaryFile()) : WriteFailsAfter(n, 61),
                ENOSPC);
        }
    }
    ExpectRefused(WriteFailsAfter(size - 1), ENOSPC);
}

TEST(WriterFailureTest, WhereTheSaveGoesAndWithWhichPermissions) {
    TempDir dir;
    const std::string path = dir.File("TRIPS.RWK");
    EXPECT_EQ(SaveDatabaseFile(dir.File("nowhere/TRIPS.RWK"), kTable).message(),
              std::strerror(ENOENT));
    EXPECT_EQ(WriteFileAtomically(dir.path + "/", "x").message(), std::strerror(EISDIR));
    EXPECT_EQ(WriteFileAtomically(path, "x", NoTemporaryFile()).message(), std::strerror(EACCES))
        << "no file to write in place";
    EXPECT_TRUE(dir.Names().empty());

    // A new file takes the user's umask; short writes are continued to the end.
    const mode_t oldMask = ::umask(027);
    EXPECT_TRUE(SaveDatabaseFile(path, kTable, WriteFailsAfter(1 << 20, 7)).ok());
    ::umask(oldMask);
    EXPECT_EQ(ReadBytes(path), FormatDatabase(kTable));
    EXPECT_EQ(ModeOf(path), 0640u);

    // Where the folder takes no temporary file, the file itself is rewritten, shorter too.
    ASSERT_TRUE(SaveDatabaseFile(path, TableOf(Trips(1, 1, "s")), NoTemporaryFile()).ok());
    EXPECT_EQ(ReadBytes(path), DatabaseBytes(Trips(1, 1, "s")));
    EXPECT_EQ(ModeOf(path), 0640u);
    EXPECT_EQ(dir.Names(), std::set<std::string>{"TRIPS.RWK"});
}

}  // namespace
}  // namespace rodwick
