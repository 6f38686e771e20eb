// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_files.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "rodwick_test/store_test_util.h"

namespace rodwick {
namespace {

using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

// A file system of named folders, some of them writable.
FolderProbe folders(std::set<std::string> existing, std::set<std::string> writable) {
    return {[existing](const std::string& p) { return existing.count(p) > 0; },
            [writable](const std::string& p) { return writable.count(p) > 0; }};
}

TEST(ProgramFilesTest, FilesStayBesideTheProgramWhereItsFolderIsWritable) {
    const UserFolders user{"/home/ann", "", "", ""};
    const std::string share = "/usr/share/rodwick";
    // What is the case, the executable's folder, the folders that exist, the writable ones, and
    // the folder the settings, example and manual are expected in.
    using Folder = std::set<std::string>;
    // clang-format off
    const std::tuple<const char*, std::string, Folder, Folder, std::string> cases[] = {
        {"build tree", "/src/build/bin", {"/src/build/bin"}, {"/src/build/bin"}, "/src/build/bin"},
        {"build tree, trailing slash", "/src/build/bin/", {}, {"/src/build/bin"}, "/src/build/bin"},
        {"user install", "/home/ann/.local/bin", {"/home/ann/.local/share/rodwick"},
         {"/home/ann/.local/share/rodwick"}, "/home/ann/.local/share/rodwick"},
        {"a folder that is not bin", "/opt/rodwick", {"/opt/share/rodwick"}, {"/opt/rodwick"}, "/opt/rodwick"},
        {"bin at the root", "/bin", {"/share/rodwick"}, {"/share/rodwick"}, "/share/rodwick"},
    };
    // clang-format on
    for (const auto& [label, exeDir, existing, writable, folder] : cases) {
        SCOPED_TRACE(label);
        const ProgramFiles expected{folder + "/ANGLEBOX.INI", folder + "/EXAMPLE.RWK",
                                    folder + "/EXAMPLE.RWK", folder + "/ANGLEBOX.doc"};
        EXPECT_EQ(locateProgramFiles(exeDir, user, folders(existing, writable)), expected);
    }
}

TEST(ProgramFilesTest, ASystemInstallGivesTheUserFilesOfTheirOwn) {
    const std::string share = "/usr/share/rodwick";
    // What is the case, HOME, XDG_CONFIG_HOME, XDG_DATA_HOME, and the settings and example
    // expected; the manual and the shipped example always stay in the shared folder.
    const std::string homeConfig = "/home/ann/.config/rodwick/ANGLEBOX.INI",
                      homeData = "/home/ann/.local/share/rodwick/EXAMPLE.RWK",
                      xdgConfig = "/cfg/rodwick/ANGLEBOX.INI", xdgData = "/dat/rodwick/EXAMPLE.RWK";
    // clang-format off
    // The user's recovery copies and backups follow the same rules.
    const std::string homeState = "/home/ann/.local/state/rodwick",
                      homeBackups = "/home/ann/.local/share/rodwick/backups";
    const std::tuple<const char*, UserFolders, std::string, std::string, std::string, std::string>
        cases[] = {
        {"home only", {"/home/ann", "", "", ""}, homeConfig, homeData, homeState, homeBackups},
        {"home with a trailing slash", {"/home/ann/", "", "", ""}, homeConfig, homeData, homeState,
         homeBackups},
        {"the XDG folders", {"/home/ann", "/cfg", "/dat/", "/st"}, xdgConfig, xdgData,
         "/st/rodwick", "/dat/rodwick/backups"},
        {"relative XDG folders are ignored", {"/home/ann", "cfg", "dat", "st"}, homeConfig,
         homeData, homeState, homeBackups},
        {"XDG folders without a home", {"", "/cfg", "/dat", "/st"}, xdgConfig, xdgData,
         "/st/rodwick", "/dat/rodwick/backups"},
        {"no home at all", {"", "", "", ""}, share + "/ANGLEBOX.INI", share + "/EXAMPLE.RWK", "", ""},
        {"a relative home", {"ann", "", "", ""}, share + "/ANGLEBOX.INI", share + "/EXAMPLE.RWK",
         "", ""},
    };
    // clang-format on
    for (const auto& [label, user, settings, example, state, backups] : cases) {
        SCOPED_TRACE(label);
        const ProgramFiles expected{settings, example, share + "/EXAMPLE.RWK",
                                    share + "/ANGLEBOX.doc"};
        EXPECT_EQ(locateProgramFiles("/usr/bin", user, folders({share}, {"/home/ann"})), expected);
        EXPECT_EQ(recoveryFolder(user), state);
        EXPECT_EQ(backupFolder(user), backups);
        EXPECT_EQ(untitledPhotoFolder(user), state.empty() ? state : state + "/untitled photos");
    }
}

TEST(ProgramFilesTest, TheUserGetsACopyOfTheExampleOnceAndKeepsTheirChanges) {
    TempDir dir;
    const std::string shipped = dir.file("share/EXAMPLE.RWK");
    std::filesystem::create_directories(dir.file("share"));
    writeBytes(shipped, "shipped");
    const ProgramFiles files{dir.file("cfg/rodwick/ANGLEBOX.INI"),
                             dir.file("data/rodwick/EXAMPLE.RWK"), shipped,
                             dir.file("share/ANGLEBOX.doc")};

    ASSERT_TRUE(provideUserFiles(files, FileOps::system()));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("cfg/rodwick")))
        << "the preferences are written there later";
    EXPECT_EQ(readBytes(files.example), "shipped");

    writeBytes(files.example, "the user's trips");
    ASSERT_TRUE(provideUserFiles(files, FileOps::system()));
    EXPECT_EQ(readBytes(files.example), "the user's trips");

    // Beside the program there is nothing to provide, even where the example is missing.
    const ProgramFiles beside{dir.file("p/ANGLEBOX.INI"), dir.file("p/EXAMPLE.RWK"),
                              dir.file("p/EXAMPLE.RWK"), dir.file("p/ANGLEBOX.doc")};
    ASSERT_TRUE(provideUserFiles(beside, FileOps::system()));
    EXPECT_FALSE(std::filesystem::exists(dir.file("p")));
}

TEST(ProgramFilesTest, AFailedCopySaysWhereAndWhy) {
    TempDir dir;
    writeBytes(dir.file("EXAMPLE.RWK"), "shipped");
    writeBytes(dir.file("plain file"), "");
    const std::string copy = dir.file("data/EXAMPLE.RWK");
    const ProgramFiles files{dir.file("cfg/ANGLEBOX.INI"), copy, dir.file("EXAMPLE.RWK"), ""};

    const Status full = provideUserFiles(files, testing::writeFailsAfter(0));
    EXPECT_EQ(full.message(), copy + ": No space left on device");
    EXPECT_FALSE(fileExists(copy));

    ProgramFiles blocked = files;
    blocked.settings = dir.file("plain file/ANGLEBOX.INI");
    const Status notAFolder = provideUserFiles(blocked, FileOps::system());
    EXPECT_FALSE(notAFolder);
    EXPECT_EQ(notAFolder.message().rfind(dir.file("plain file") + ": ", 0), 0u)
        << notAFolder.message();
}

}  // namespace
}  // namespace rodwick
