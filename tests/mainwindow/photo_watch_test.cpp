// SPDX-License-Identifier: GPL-3.0-or-later
// The photos' folder of the open log book synced from another machine: its photos and index,
// and the index's conflict copies, taken in while the program runs, and shown at once in the
// open Photos window.
#include <QTest>
#include <cstdio>
#include <filesystem>

#include "photo_index.h"
#include "photo_watch.h"
#include "photos_window.h"
#include "program_files.h"
#include "rodwick_test/main_window_fixture.h"

namespace rodwick::testing {
namespace {

namespace fs = std::filesystem;

class PhotoWatchTest : public MainWindowTest {
  protected:
    PhotoWatchTest() {
        qputenv("XDG_CACHE_HOME", QByteArray::fromStdString(dir_.file("cache")));
        path_ = writeDatabase("LOG.RWK", 1, 3);
    }

    photos::PhotosWindow& openPhotos(int n) {
        EXPECT_TRUE(book_.show(n));
        action("MnuPhotos")->trigger();
        return *find<photos::PhotosWindow>("Photos");
    }
    std::string folder() const { return dir_.file("LOG photos"); }
    std::string index() const { return folder() + "/" + kPhotoIndexName; }
    // A photo of trip n (1-based) as the other machine names it.
    static PhotoEntry theirs(const std::string& name, int n) {
        PhotoEntry photo;
        photo.name = name;
        photo.caption = "from the other machine";
        photo.link = linkOf(trips(1, 3), static_cast<std::size_t>(n - 1));
        return photo;
    }
    static std::string indexOf(const std::vector<PhotoEntry>& photos) {
        return formatPhotoIndex(photos);
    }
    // As a sync program writes: the photo first, then the file, each renamed into place.
    void bring(const std::string& file, const std::string& bytes) {
        fs::create_directories(folder());
        const std::string part = folder() + "/.syncthing.part.tmp";
        writeBytes(part, bytes);
        ASSERT_EQ(std::rename(part.c_str(), file.c_str()), 0);
    }
    static bool waitFor(const photos::PhotosWindow& window, int count) {
        return QTest::qWaitFor([&] { return window.shownNames().size() == count; }, 5000);
    }

    std::string path_;
};

TEST_F(PhotoWatchTest, TheOtherMachinesPhotosAndConflictCopiesShowWithoutARestart) {
    window_.loadDatabase(path_);
    // The look at a newly loaded log book's photos done first: what follows is seen arriving.
    auto* watch = find<PhotoWatch>("PhotoWatch");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !watch->due(); }, 5000));
    // The first photos of the log book come from the other machine, folder and all.
    photos::PhotosWindow& window = openPhotos(2);
    ASSERT_TRUE(window.shownNames().isEmpty());
    const std::string first = "20240614-070000-aaaaaa.jpg";
    bring(folder() + "/" + first, "picture");
    bring(index(), indexOf({theirs(first, 2)}));
    ASSERT_TRUE(waitFor(window, 1));
    EXPECT_EQ(window.shownNames(), QStringList{QString::fromStdString(first)});

    // Then one more in the index as it now is.
    const std::string second = "20240614-080000-bbbbbb.jpg";
    bring(folder() + "/" + second, "picture");
    bring(index(), indexOf({theirs(first, 2), theirs(second, 2)}));
    ASSERT_TRUE(waitFor(window, 2));

    // Both machines changed the index while apart: the sync program's conflict copy holds the
    // other's photo, merged in and then kept among the backups.
    const std::string third = "20240614-090000-cccccc.jpg";
    const std::string copy = folder() + "/photos.sync-conflict-20240616-101530-ABCDEF1.txt";
    bring(folder() + "/" + third, "picture");
    bring(copy, indexOf({theirs(first, 2), theirs(third, 2)}));
    ASSERT_TRUE(waitFor(window, 3));
    EXPECT_EQ(window.shownNames(),
              (QStringList{QString::fromStdString(first), QString::fromStdString(second),
                           QString::fromStdString(third)}));
    EXPECT_FALSE(fs::exists(copy));
    EXPECT_TRUE(fs::exists(backupFolder(userFoldersFromEnvironment()) +
                           "/photos/photos.sync-conflict-20240616-101530-ABCDEF1.txt"));
    EXPECT_EQ(parsePhotoIndex(readBytes(index())).size(), 3u) << "the merge written";
    EXPECT_EQ(readBytes(path_), databaseBytes(trips(1, 3))) << "the log book untouched";
    EXPECT_TRUE(platform_.messages().empty());
}

// A conflict copy that came while the program was closed is merged when the log book loads.
TEST_F(PhotoWatchTest, AConflictCopyFoundAtLoadIsMerged) {
    const std::string mine = "20240614-070000-aaaaaa.jpg";
    const std::string other = "20240614-080000-bbbbbb.jpg";
    bring(folder() + "/" + mine, "picture");
    bring(folder() + "/" + other, "picture");
    bring(index(), indexOf({theirs(mine, 3)}));
    const std::string copy = folder() + "/photos.sync-conflict-20240616-101530-ABCDEF1.txt";
    bring(copy, indexOf({theirs(other, 1)}));
    window_.loadDatabase(path_);
    photos::PhotosWindow& window = openPhotos(1);
    ASSERT_TRUE(waitFor(window, 1));
    EXPECT_EQ(window.shownNames(), QStringList{QString::fromStdString(other)});
    EXPECT_FALSE(fs::exists(copy));
}

}  // namespace
}  // namespace rodwick::testing
