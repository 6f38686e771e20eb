// SPDX-License-Identifier: GPL-3.0-or-later
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

const RecordTable kTable = tableOf(trips(1, 4));

// A folder that takes no new file.
FileOps noTemporaryFile(int error = EACCES, FileOps ops = FileOps::system()) {
    ops.mkstemp = [error](char*) { return fail(error); };
    return ops;
}

mode_t modeOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// Saves over an old file with ops; the failure must leave everything as it was and name reason.
void expectRefused(const FileOps& ops, int reason) {
    TempDir dir;
    const std::string path = dir.file("OLD FILE"), old = "old content\r\n";
    writeBytes(path, old);
    const Status status = saveDatabaseFile(path, kTable, ops);
    EXPECT_EQ(status.ok() ? "written" : status.message(), std::strerror(reason));
    EXPECT_EQ(readBytes(path), old);
    EXPECT_EQ(dir.names(), std::set<std::string>{"OLD FILE"});
}

TEST(WriterFailureTest, EachStepFailedLeavesTheOldFileAndNoTemporaryFile) {
    FileOps openFails = noTemporaryFile(EMFILE), fsyncFails = FileOps::system();
    FileOps renameFails = fsyncFails, inPlaceFsyncFails = noTemporaryFile();
    FileOps noProgress = fsyncFails, readOnly = fsyncFails;
    openFails.open = [](const char*, int) { return fail(EMFILE); };
    fsyncFails.fsync = inPlaceFsyncFails.fsync = [](int) { return fail(EIO); };
    renameFails.rename = [](const char*, const char*) { return fail(EBUSY); };
    // A write that makes no progress must end, not be retried for ever.
    noProgress.write = [](int, const char*, std::size_t) -> long { return 0; };
    // Tests run as root, where permission bits stop nothing: the check is told to refuse.
    readOnly.access = [](const char*, int) { return fail(EACCES); };
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
        expectRefused(ops, reason);
    }
}

TEST(WriterFailureTest, AWriteCutShortAfterAnyNumberOfBytesChangesNothing) {
    const std::size_t size = formatDatabase(kTable).size();
    // Every byte count up to the end, in steps that reach the last byte too.
    for (std::size_t n = 0; n < size; n += size / 40 + 1) {
        for (const bool inPlace : {false, true}) {
            SCOPED_TRACE((inPlace ? "in place, " : "") + std::to_string(n) + " bytes written");
            expectRefused(
                inPlace ? writeFailsAfter(n, 61, noTemporaryFile()) : writeFailsAfter(n, 61),
                ENOSPC);
        }
    }
    expectRefused(writeFailsAfter(size - 1), ENOSPC);
}

TEST(WriterFailureTest, WhereTheSaveGoesAndWithWhichPermissions) {
    TempDir dir;
    const std::string path = dir.file("TRIPS.RWK");
    EXPECT_EQ(saveDatabaseFile(dir.file("nowhere/TRIPS.RWK"), kTable).message(),
              std::strerror(ENOENT));
    EXPECT_EQ(writeFileAtomically(dir.path + "/", "x").message(), std::strerror(EISDIR));
    EXPECT_EQ(writeFileAtomically(path, "x", noTemporaryFile()).message(), std::strerror(EACCES))
        << "no file to write in place";
    EXPECT_TRUE(dir.names().empty());

    // A new file takes the user's umask; short writes are continued to the end.
    const mode_t oldMask = ::umask(027);
    EXPECT_TRUE(saveDatabaseFile(path, kTable, writeFailsAfter(1 << 20, 7)).ok());
    ::umask(oldMask);
    EXPECT_EQ(readBytes(path), formatDatabase(kTable));
    EXPECT_EQ(modeOf(path), 0640u);

    // Where the folder takes no temporary file, the file itself is rewritten, shorter too.
    ASSERT_TRUE(saveDatabaseFile(path, tableOf(trips(1, 1, "s")), noTemporaryFile()).ok());
    EXPECT_EQ(readBytes(path), databaseBytes(trips(1, 1, "s")));
    EXPECT_EQ(modeOf(path), 0640u);
    EXPECT_EQ(dir.names(), std::set<std::string>{"TRIPS.RWK"});
}

}  // namespace
}  // namespace rodwick
