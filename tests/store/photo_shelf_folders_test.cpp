// SPDX-License-Identifier: GPL-3.0-or-later
// The photos' folder follows its log book: an untitled table's photos at its first save and at
// Save As, another log book opened, no folder without photos; two machines adding photos to one
// folder; an index that cannot be written.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "photo_shelf_fixture.h"

namespace rodwick::testing::shelf {
namespace {

TEST(PhotoShelf, AnUntitledTablesPhotosMoveBesideItAtItsFirstSave) {
    TempDir dir;
    RecordBook book;
    ASSERT_TRUE(book.appendRecords(kTrips).ok());
    const std::string untitled = dir.file("state/untitled photos");
    PhotoShelf shelf(book, {untitled, dir.file("backups")});
    std::vector<std::string> failures;
    shelf.onWriteFailure([&](const std::string& reason) { failures.push_back(reason); });
    writeBytes(dir.file("p.jpg"), "picture");
    const auto added = shelf.addPhotos(2, {{dir.file("p.jpg"), std::nullopt}});
    ASSERT_TRUE(added.ok()) << added.error();
    const std::string p = added.value().at(0);
    EXPECT_EQ(shelf.folder(), untitled);
    EXPECT_EQ(readBytes(untitled + "/" + p), "picture");

    ASSERT_TRUE(book.saveAs(dir.file("Trips.RWK")).ok());
    EXPECT_EQ(shelf.folder(), dir.file("Trips photos"));
    EXPECT_EQ(readBytes(shelf.pathOf(p)), "picture");
    EXPECT_EQ(shelf.recordOf(p), 2);
    EXPECT_FALSE(fs::exists(untitled + "/" + p)) << "moved, not copied";
    EXPECT_FALSE(fs::exists(untitled + "/" + kPhotoIndexName));
    EXPECT_EQ(parsePhotoIndex(readBytes(shelf.folder() + "/" + kPhotoIndexName)), shelf.photos());

    // Save As: the photos and the index beside the new name too; later changes go there.
    ASSERT_TRUE(book.saveAs(dir.file("Copy.RWK")).ok());
    EXPECT_EQ(shelf.folder(), dir.file("Copy photos"));
    EXPECT_EQ(readBytes(shelf.pathOf(p)), "picture");
    EXPECT_EQ(readBytes(dir.file("Trips photos/") + p), "picture");
    ASSERT_TRUE(shelf.setCaption(p, "copy's").ok());
    EXPECT_EQ(parsePhotoIndex(readBytes(dir.file("Copy photos/photos.txt")))[0].caption, "copy's");
    EXPECT_EQ(parsePhotoIndex(readBytes(dir.file("Trips photos/photos.txt")))[0].caption, "p.jpg");

    // New: a table without a file again; undone, the log book's photos are back.
    book.newDatabase();
    EXPECT_EQ(shelf.folder(), untitled);
    EXPECT_TRUE(shelf.photos().empty());
    ASSERT_TRUE(book.undo().ok());
    EXPECT_EQ(shelf.folder(), dir.file("Copy photos"));
    EXPECT_EQ(shelf.recordOf(p), 2);
    EXPECT_TRUE(failures.empty());
}

TEST(PhotoShelf, SaveAsOverAnotherLogBookKeepsItsPhotosToo) {
    Shelved s;
    const std::string p = s.add(2, "p.jpg");
    fs::create_directories(s.dir.file("Old photos"));
    writeBytes(s.dir.file("Old photos/") + p, "a photo of the same name");
    writeBytes(s.dir.file("Old photos/old.jpg"), "old");
    ASSERT_TRUE(s.book.saveAs(s.dir.file("Old.RWK")).ok());
    const std::vector<PhotoEntry> photos = s.shelf->photos();
    ASSERT_EQ(photos.size(), 3u);
    EXPECT_EQ(readBytes(s.shelf->pathOf(p)), "a photo of the same name");
    EXPECT_EQ(readBytes(s.shelf->pathOf(photos[0].name)), "picture p.jpg") << "given a new name";
    EXPECT_EQ(s.shelf->recordOf(photos[0].name), 2);
    EXPECT_EQ(s.shelf->recordOf(p), 0);
    EXPECT_EQ(readBytes(s.shelf->pathOf("old.jpg")), "old");
}

TEST(PhotoShelf, AnotherLogBookOpenedShowsItsOwnPhotos) {
    Shelved s;
    const std::string p = s.add(2, "p.jpg");
    writeBytes(s.dir.file("Other.RWK"), databaseBytes(kTrips));
    ASSERT_TRUE(s.book.load(s.dir.file("Other.RWK")).ok());
    EXPECT_EQ(s.shelf->folder(), s.dir.file("Other photos"));
    EXPECT_TRUE(s.shelf->photos().empty());
    EXPECT_FALSE(fs::exists(s.dir.file("Other photos")));
    ASSERT_TRUE(s.book.load(s.path).ok());
    EXPECT_EQ(s.shelf->recordOf(p), 2);
}

TEST(PhotoShelf, ALogBookWithoutPhotosGetsNoFolder) {
    Shelved s;
    setText(s.book, 2, Field::Date, "06-20-2024");
    ASSERT_TRUE(s.book.saveAs(s.dir.file("Other.RWK")).ok());
    setText(s.book, 1, Field::Date, "06-20-2024");
    EXPECT_EQ(s.dir.names(), (std::set<std::string>{"Other.RWK", "Trips.RWK"}));
}

// Both machines add photos to the synced folder: the other machine's index is merged, never
// written over, and the index's conflict copies are merged and put among the backups.
TEST(PhotoShelf, TwoMachinesAddPhotosToOneFolder) {
    Shelved s;
    const std::string mine = s.add(2, "mine.jpg");
    // The other machine added a photo to trip 3 and captioned ours.
    std::vector<PhotoEntry> theirs = s.onDisk();
    theirs[0].caption = "theirs";
    PhotoEntry added;
    added.name = "20240614-070000-zzzzzz.jpg";
    added.link = linkOf(kTrips, 2);
    theirs.push_back(added);
    writeBytes(s.index(), formatPhotoIndex(theirs));
    writeBytes(s.shelf->pathOf(added.name), "theirs");

    const std::string next = s.add(4, "next.jpg");
    EXPECT_EQ(namesOf(s.shelf->photos()), (std::vector<std::string>{mine, next, added.name}));
    EXPECT_EQ(s.shelf->photosOf(2)[0].caption, "theirs");
    EXPECT_EQ(s.shelf->recordOf(added.name), 3);
    EXPECT_EQ(s.onDisk(), s.shelf->photos());

    // A conflict copy: a caption and a photo of the other machine's, its file synced first.
    std::vector<PhotoEntry> copy = s.onDisk();
    copy[1].caption = "from the copy";
    PhotoEntry third;
    third.name = "20240615-080000-yyyyyy.jpg";
    third.link = linkOf(kTrips, 3);
    copy.push_back(third);
    const std::string copyPath =
        s.shelf->folder() + "/photos.sync-conflict-20240616-101530-ABCDEF1.txt";
    writeBytes(copyPath, formatPhotoIndex(copy));
    writeBytes(s.shelf->pathOf(third.name), "third");
    writeBytes(s.shelf->pathOf("dropped in.jpg"), "by hand");
    ASSERT_TRUE(s.shelf->takeInSyncedChanges().ok());
    EXPECT_EQ(namesOf(s.shelf->photos()),
              (std::vector<std::string>{mine, next, added.name, third.name, "dropped in.jpg"}));
    EXPECT_EQ(s.shelf->photosOf(4)[0].caption, "from the copy");
    EXPECT_EQ(s.shelf->recordOf(third.name), 4);
    EXPECT_EQ(s.shelf->recordOf("dropped in.jpg"), 0);
    EXPECT_FALSE(fs::exists(copyPath));
    EXPECT_EQ(
        readBytes(s.dir.file("backups/photos/photos.sync-conflict-20240616-101530-ABCDEF1.txt")),
        formatPhotoIndex(copy));
    EXPECT_EQ(s.onDisk(), s.shelf->photos());
}

// A conflict copy is the other machine's version from before it saw the photos added here
// since: those keep their trips and captions, while its own changes are taken in.
TEST(PhotoShelf, AConflictCopyKeepsThePhotosItNeverSaw) {
    Shelved s;
    const std::string first = s.add(1, "first.jpg");
    std::vector<PhotoEntry> copy = s.onDisk();
    copy[0].caption = "theirs";
    PhotoEntry third;
    third.name = "20240615-080000-yyyyyy.jpg";
    third.link = linkOf(kTrips, 2);
    copy.push_back(third);
    const std::string second = s.add(2, "second.jpg");
    writeBytes(s.shelf->pathOf(third.name), "third");
    writeBytes(s.shelf->folder() + "/photos.sync-conflict-20240616-101530-ABCDEF1.txt",
               formatPhotoIndex(copy));
    ASSERT_TRUE(s.shelf->takeInSyncedChanges().ok());
    EXPECT_EQ(namesOf(s.shelf->photos()), (std::vector<std::string>{first, second, third.name}));
    EXPECT_EQ(s.shelf->photoCounts(), (std::vector<int>{1, 1, 1, 0}));
    ASSERT_EQ(s.shelf->recordOf(second), 2);
    EXPECT_EQ(s.shelf->photosOf(1).at(0).caption, "theirs");
    EXPECT_EQ(s.shelf->photosOf(2).at(0).caption, "second.jpg");
    EXPECT_EQ(s.shelf->recordOf(third.name), 3);
    EXPECT_EQ(s.onDisk(), s.shelf->photos());
}

// The windows that show photos are told when the other machine's photos came in and when a
// photo is linked again; a look that finds nothing new, as after the shelf's own write, tells
// nothing, and an ended subscription is told no more.
TEST(PhotoShelf, ItTellsOfPhotosTakenInFromDiskAndLinkedAgain) {
    Shelved s;
    int told = 0;
    auto subscription = s.shelf->subscribe([&] { ++told; });
    const std::string mine = s.add(1, "mine.jpg");
    ASSERT_TRUE(s.shelf->takeInSyncedChanges().ok());
    EXPECT_EQ(told, 0) << "the shelf's own index is nothing new";

    std::vector<PhotoEntry> theirs = s.onDisk();
    PhotoEntry added;
    added.name = "20240615-080000-zzzzzz.jpg";
    added.link = linkOf(kTrips, 3);
    theirs.push_back(added);
    writeBytes(s.shelf->pathOf(added.name), "theirs");
    writeBytes(s.index(), formatPhotoIndex(theirs));
    ASSERT_TRUE(s.shelf->takeInSyncedChanges().ok());
    EXPECT_EQ(told, 1);
    EXPECT_EQ(s.shelf->recordOf(added.name), 4);
    ASSERT_TRUE(s.shelf->takeInSyncedChanges().ok());
    EXPECT_EQ(told, 1);

    ASSERT_TRUE(s.shelf->relink(added.name, 2).ok());
    EXPECT_EQ(told, 2);
    subscription.reset();
    ASSERT_TRUE(s.shelf->relink(added.name, 1).ok());
    EXPECT_EQ(told, 2);
    EXPECT_EQ(s.shelf->photoCounts(), (std::vector<int>{2, 0, 0, 0}));
}

TEST(PhotoShelf, AnIndexThatCannotBeWrittenIsToldAndWrittenAtTheNextChange) {
    Shelved s;
    const std::string p = s.add(2, "p.jpg");
    const std::string before = readBytes(s.index());
    auto full = std::make_shared<bool>(true);
    FileOps ops = FileOps::system();
    ops.write = [full](int fd, const char* data, std::size_t size) -> long {
        return *full ? fail(ENOSPC) : FileOps::system().write(fd, data, size);
    };
    s.shelf = std::make_unique<PhotoShelf>(
        s.book, PhotoShelf::Folders{s.dir.file("state"), s.dir.file("backups")}, systemTime,
        systemRandom(), ops);
    s.shelf->onWriteFailure([&](const std::string& reason) { s.failures.push_back(reason); });
    setText(s.book, 2, Field::Venue, "Weir");
    EXPECT_EQ(s.failures, std::vector<std::string>{s.index() + ": " + std::strerror(ENOSPC)});
    EXPECT_EQ(readBytes(s.index()), before);
    EXPECT_EQ(s.shelf->recordOf(p), 2);

    *full = false;
    setText(s.book, 1, Field::Remarks, "any change");
    const std::vector<PhotoEntry> photos = s.shelf->photos();
    s.open();
    EXPECT_EQ(s.shelf->photos(), photos) << "read from the index written at last";
    EXPECT_EQ(s.shelf->recordOf(p), 2);
}

}  // namespace
}  // namespace rodwick::testing::shelf
