// Files under names the shell and other programs find awkward, behind symbolic links, and
// names that are no regular file.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <functional>

#include "database_file.h"
#include "rodwick_test/store_test_util.h"
#include "settings.h"

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
        "with spaces .RWK",
        "it's \"quoted\".RWK",
        "fish & chips; $HOME `x`.RWK",
        "Br\xC3\xA8me \xC3\x86r\xC3\xB8 \xE6\x97\xA5\xE6\x9C\xAC.RWK",  // UTF-8 letters
        "-leading dash.RWK",
        "--",
        Repeat("a", 251) + ".RWK",         // the longest name a folder takes
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
        {"relative link", "real/TRIPS.RWK", true},
        {"link to a link", "SECOND.LNK", true},
        {"link to a file not yet made", "real/TRIPS.RWK", false},
        {"link with dots", "./real/../real/TRIPS.RWK", false},
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

// Whether work ends within five seconds: reading a named pipe would wait for a writer for
// ever, so the work runs in a child process that an alarm ends.
bool FinishesInTime(const std::function<bool()>& work) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(5);
        ::_exit(work() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

TEST(OddPathsTest, NamesThatAreNoRegularFileCountAsMissing) {
    TempDir dir;
    const std::string folder = dir.File("folder.RWK"), pipe = dir.File("pipe.RWK");
    fs::create_directory(folder);
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    for (const std::string& path : {folder, pipe, std::string("/dev/null")}) {
        SCOPED_TRACE(path);
        EXPECT_TRUE(FinishesInTime([&path] { return !FileExists(path); }));
    }

    // The settings file beside the program: a folder or a pipe of that name gives the defaults.
    for (const auto make : {+[](const std::string& p) { fs::create_directory(p); },
                            +[](const std::string& p) { ::mkfifo(p.c_str(), 0644); }}) {
        TempDir program;
        make(SettingsPath(program.path));
        SCOPED_TRACE(fs::status(SettingsPath(program.path)).type() == fs::file_type::fifo
                         ? "pipe"
                         : "folder");
        EXPECT_TRUE(FinishesInTime([&program] {
            return ReadSettingsFile(program.path) == DefaultSettings(program.path);
        }));
    }
}

}  // namespace
}  // namespace rodwick
