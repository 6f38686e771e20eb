// Every file the program writes (database, export, settings), failed at each step of the
// write: the old file stays byte for byte, no temporary file is left, the reason is given.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <cstring>
#include <functional>

#include "database_file.h"
#include "export_files.h"
#include "rodwick_test/store_test_util.h"
#include "settings.h"

namespace rodwick {
namespace {

using namespace testing;

struct Writer {
    const char* label;
    std::string bytes;  // what the writer puts into the file
    std::function<Status(const std::string& path, const FileOps& ops)> write;
};

std::vector<Writer> Writers() {
    const RecordTable table = TableOf(Trips(1, 4));
    Settings settings = DefaultSettings("/opt/rodwick");
    settings.displayFont = "Times New Roman";
    const std::string text = TextFileBytes(table, true), ini = FormatSettings(settings);
    return {
        {"database", FormatDatabase(table),
         [table](const std::string& path, const FileOps& ops) {
             return SaveDatabaseFile(path, table, ops);
         }},
        {"export", text,
         [text](const std::string& path, const FileOps& ops) {
             return WriteFileAtomically(path, text, ops);
         }},
        {"settings", ini,
         [ini](const std::string& path, const FileOps& ops) {
             return WriteFileAtomically(path, ini, ops);
         }},
    };
}

// A folder that takes no new file.
FileOps NoTemporaryFile(int error = EACCES, FileOps ops = FileOps::System()) {
    ops.mkstemp = [error](char*) { return Fail(error); };
    return ops;
}

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// Writes writer's bytes over an old file with ops; the failure must leave everything as it was
// and name reason.
void ExpectRefused(const Writer& writer, const FileOps& ops, int reason) {
    TempDir dir;
    const std::string path = dir.File("OLD FILE"), old = "old content\r\n";
    WriteBytes(path, old);
    const Status status = writer.write(path, ops);
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
    for (const Writer& writer : Writers()) {
        for (const auto& [step, ops, reason] : steps) {
            SCOPED_TRACE(std::string(writer.label) + ", fails at " + step);
            ExpectRefused(writer, ops, reason);
        }
    }
}

TEST(WriterFailureTest, AWriteCutShortAfterAnyNumberOfBytesChangesNothing) {
    for (const Writer& writer : Writers()) {
        // Every byte count up to the end, in steps that reach the last byte too.
        const std::size_t step = writer.bytes.size() / 40 + 1;
        for (std::size_t n = 0; n < writer.bytes.size(); n += step) {
            for (const bool inPlace : {false, true}) {
                SCOPED_TRACE(std::string(writer.label) + (inPlace ? ", in place" : "") +
                             ", disk full after " + std::to_string(n) + " bytes");
                const FileOps ops =
                    inPlace ? WriteFailsAfter(n, 61, NoTemporaryFile()) : WriteFailsAfter(n, 61);
                ExpectRefused(writer, ops, ENOSPC);
            }
        }
        SCOPED_TRACE(writer.label);
        ExpectRefused(writer, WriteFailsAfter(writer.bytes.size() - 1), ENOSPC);
    }
}

TEST(WriterFailureTest, WhereTheSaveGoesAndWithWhichPermissions) {
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

// A small tmpfs of the test's own; skipped where the test may not mount one.
class TmpfsTest : public ::testing::Test {
  protected:
    // False (the test skipped) where no file system could be mounted.
    bool Mount(const std::string& options) {
        if (::mount("tmpfs", dir.path.c_str(), "tmpfs", 0, options.c_str()) != 0) {
            return false;
        }
        mounted = true;
        return true;
    }
    Status Remount(unsigned long flags) {
        if (::mount("tmpfs", dir.path.c_str(), "tmpfs", MS_REMOUNT | flags, nullptr) == 0) {
            return Status::Ok();
        }
        return Status::Fail(std::strerror(errno));
    }
    ~TmpfsTest() override {
        if (mounted) ::umount2(dir.path.c_str(), MNT_DETACH);
    }
    // Fills the file system with one file until no byte more fits.
    void Fill(const std::string& name) {
        const std::string block(4096, 'f');
        FILE* f = std::fopen(dir.File(name).c_str(), "wb");
        ASSERT_NE(f, nullptr);
        ::setvbuf(f, nullptr, _IONBF, 0);
        while (std::fwrite(block.data(), 1, block.size(), f) == block.size()) {
        }
        std::fclose(f);
    }
    TempDir dir;
    bool mounted = false;
};

#define MOUNT_OR_SKIP(options)                                                     \
    if (!Mount(options)) {                                                         \
        GTEST_SKIP() << "no tmpfs could be mounted here (" << std::strerror(errno) \
                     << "): mounting needs root where mounts are permitted";       \
    }

TEST_F(TmpfsTest, AFullFileSystemRefusesEveryWriterAndKeepsTheOldFile) {
    MOUNT_OR_SKIP("size=64k");
    const std::string path = dir.File("OLD"), old = "old content\r\n";
    WriteBytes(path, old);
    Fill("filler");
    for (const Writer& writer : Writers()) {
        SCOPED_TRACE(writer.label);
        const Status status = writer.write(path, FileOps::System());
        EXPECT_EQ(status.ok() ? "written" : status.message(), std::strerror(ENOSPC));
        EXPECT_EQ(ReadBytes(path), old);
        EXPECT_EQ(dir.Names(), (std::set<std::string>{"OLD", "filler"}));
    }
}

TEST_F(TmpfsTest, WithoutRoomForATemporaryFileTheOldFileIsPutBack) {
    // One file beside the root folder and one page of room: the temporary file cannot be made,
    // and the file rewritten in place cannot grow past the page.
    MOUNT_OR_SKIP("size=4k,nr_inodes=2");
    const std::string path = dir.File("OLD"), old = "old content\r\n";
    WriteBytes(path, old);
    ASSERT_EQ(ReadBytes(path), old);
    const std::string big = DatabaseBytes(Trips(1, 40));
    ASSERT_GT(big.size(), 4096u);
    const Status status = WriteFileAtomically(path, big);
    EXPECT_EQ(status.ok() ? "written" : status.message(), std::strerror(ENOSPC));
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(dir.Names(), std::set<std::string>{"OLD"});

    // What fits is written in place.
    EXPECT_TRUE(WriteFileAtomically(path, "new\r\n").ok());
    EXPECT_EQ(ReadBytes(path), "new\r\n");
}

TEST_F(TmpfsTest, AFileOnAReadOnlyMountLoadsButIsNeverWritten) {
    MOUNT_OR_SKIP("size=256k");
    const std::string path = dir.File("TRIPS.RWK"), old = DatabaseBytes(Trips(1, 3));
    WriteBytes(path, old);
    const Status readOnly = Remount(MS_RDONLY);
    if (!readOnly.ok())
        GTEST_SKIP() << "the mount cannot be made read-only: " << readOnly.message();

    const auto loaded = ReadDatabaseFile(path);
    ASSERT_TRUE(loaded.ok()) << loaded.error();
    EXPECT_EQ(loaded.value(), Trips(1, 3));
    for (const Writer& writer : Writers()) {
        for (const std::string& target : {path, dir.File("NEW")}) {
            SCOPED_TRACE(std::string(writer.label) + " to " + target);
            const Status status = writer.write(target, FileOps::System());
            EXPECT_EQ(status.ok() ? "written" : status.message(), std::strerror(EROFS));
        }
    }
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(dir.Names(), std::set<std::string>{"TRIPS.RWK"});
}

}  // namespace
}  // namespace rodwick
