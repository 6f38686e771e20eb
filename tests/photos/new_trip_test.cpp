// SPDX-License-Identifier: GPL-3.0-or-later
// Record, New Trip from Photos: the add editor opened with the date, start and finish the
// photos recorded, and the photos copied in as the new trip's only when Okay adds it.
#include <QCoreApplication>
#include <QListWidget>
#include <algorithm>
#include <filesystem>

#include "photos_window.h"
#include "program_files.h"
#include "rodwick_test/editing_fixture.h"
#include "rodwick_test/sample_photos.h"

namespace rodwick::testing {
namespace {

// The captions of the photos picked for a morning on the Tweed (below), sorted.
const std::vector<std::string> kTweedCaptions{"IMG_0002.JPG", "IMG_0003.JPG", "broken.jpg",
                                              "scan.jpg", "swim.png"};

class NewTripFromPhotosTest : public EditingTest {
  protected:
    // The log book of three trips, loaded as the user opens it.
    void openLogBook() {
        window_.loadDatabase(writeDatabase("LOG.RWK", 1, 3));
        ASSERT_EQ(book_.recordCount(), 3);
    }

    // A photo as a camera leaves it, in the folder the user picks from.
    QString camera(const char* name, PhotoFormat format, const PhotoTags& tags = {}) {
        std::filesystem::create_directories(dir_.file("camera"));
        const QString path = QString::fromStdString(dir_.file("camera/") + name);
        EXPECT_TRUE(writeFile(path, photoBytes(quadrants(QSize(64, 48)), format, tags)));
        return path;
    }
    QString taken(const char* name, PhotoFormat format, const char* when) {
        return camera(name, format, {.original = when});
    }
    QString damaged() {
        std::filesystem::create_directories(dir_.file("camera"));
        const QString path = QString::fromStdString(dir_.file("camera/broken.jpg"));
        EXPECT_TRUE(writeFile(path, QByteArray::fromHex("ffd8ffe0") + " not a picture"));
        return path;
    }
    // A morning on the Tweed: photos picked out of order, a PNG among JPEGs, one recording where
    // it was taken, one without a time and one that is no picture at all.
    QStringList morningOnTheTweed() {
        return {taken("IMG_0002.JPG", PhotoFormat::Jpeg, "2024:06:13 10:15:30"),
                taken("swim.png", PhotoFormat::Png, "2024:06:13 07:05:10"),
                camera("IMG_0003.JPG", PhotoFormat::Jpeg,
                       {.original = "2024:06:13 16:40:59",
                        .latitude = "55/1 39/1 3600/100",
                        .latitudeRef = "N",
                        .longitude = "2/1 7/1 1200/100",
                        .longitudeRef = "W"}),
                camera("scan.jpg", PhotoFormat::Jpeg), damaged()};
    }

    // Picks the photos in the command's file dialog; the add editor it opened, or null.
    RecordEditor* newTripFrom(const QStringList& photos) {
        platform_.answerOpenFilesDialog(photos);
        action("MnuNewTripFromPhotos")->trigger();
        return addEditor();
    }
    // The boxes a plain Add starts with.
    TripRecord addStartsWith() {
        RecordEditor* editor = openAdd();
        const TripRecord start = boxes(*editor);
        click(*editor, "cancel");
        return start;
    }

    // The photos as the next start of the program finds them: a shelf of its own, reading the
    // folder beside the log book (or the untitled table's).
    std::vector<PhotoEntry> photosFound(int n) {
        const UserFolders user = userFoldersFromEnvironment();
        const PhotoShelf found(
            book_, {.untitled = untitledPhotoFolder(user), .backups = backupFolder(user)});
        return found.photosOf(n);
    }
    static std::vector<std::string> captions(const std::vector<PhotoEntry>& photos) {
        std::vector<std::string> texts;
        for (const PhotoEntry& photo : photos) texts.push_back(photo.caption);
        std::sort(texts.begin(), texts.end());
        return texts;
    }
    std::vector<std::string> heldCaptions() {
        std::vector<std::string> all;
        for (int n = 1; n <= book_.recordCount(); ++n) {
            const auto of = captions(photosFound(n));
            all.insert(all.end(), of.begin(), of.end());
        }
        return all;
    }
    bool photoFolderMade() { return std::filesystem::exists(dir_.file("LOG photos")); }
};

TEST_F(NewTripFromPhotosTest, TheEditorAddsTheTripWithTheTimesItsPhotosRecordedAndThePhotos) {
    openLogBook();
    const TripRecord start = addStartsWith();
    RecordEditor* editor = newTripFrom(morningOnTheTweed());
    ASSERT_NE(editor, nullptr);

    // The photos are picked as Add Photos picks them.
    ASSERT_EQ(platform_.callsOf("open files").size(), 1u);
    const platform::FileDialogOptions dialog = platform_.callsOf("open files")[0].fileOptions;
    EXPECT_EQ(dialog.title, "New Trip from Photos");
    EXPECT_TRUE(dialog.filter.startsWith("Photos (*.jpg *.jpeg *.png"))
        << dialog.filter.toStdString();
    EXPECT_TRUE(dialog.filter.contains("*.heic"));

    // An add, modeless, with the earliest and latest recorded times; the rest as Add leaves
    // them, the remarks too although a photo told where it was taken.
    EXPECT_EQ(editor->mode(), EditorMode::Add);
    EXPECT_EQ(editor->windowTitle(), "Adding A Record");
    EXPECT_EQ(platform_.modelessShown.back(), editor);
    TripRecord expected = start;
    expected[Field::Date] = "06-13-2024";
    expected[Field::StartTime] = "07:05";
    expected[Field::FinishTime] = "16:40";
    EXPECT_EQ(boxes(*editor), expected);
    EXPECT_FALSE(photoFolderMade()) << "nothing is copied before the trip is added";

    type(*editor, "edven", "River Tweed, Kelso");
    click(*editor, "okay");
    ASSERT_EQ(book_.recordCount(), 4);
    EXPECT_EQ(book_.table().slot(4)[Field::Venue], "River Tweed, Kelso");
    EXPECT_EQ(book_.table().slot(4)[Field::StartTime], "07:05");

    // Every photo picked is the new trip's, those without a time and the damaged one too, and
    // no other trip has any; the picked files stay where they were.
    EXPECT_EQ(captions(photosFound(4)), kTweedCaptions);
    EXPECT_EQ(heldCaptions(), kTweedCaptions);
    EXPECT_TRUE(std::filesystem::exists(dir_.file("camera/swim.png")));
    for (const PhotoEntry& photo : photosFound(4)) {
        EXPECT_TRUE(std::filesystem::exists(dir_.file("LOG photos/") + photo.name)) << photo.name;
        EXPECT_EQ(photo.taken.has_value(),
                  photo.caption != "scan.jpg" && photo.caption != "broken.jpg")
            << photo.caption;
    }

    // The log book's file holds the trips alone: untouched until saved, then the four trips.
    EXPECT_EQ(readBytes(dir_.file("LOG.RWK")), databaseBytes(trips(1, 3)));
    window_.save();
    std::vector<TripRecord> held = trips(1, 3);
    held.push_back(book_.table().slot(4));
    EXPECT_EQ(readBytes(dir_.file("LOG.RWK")), databaseBytes(held));
}

TEST_F(NewTripFromPhotosTest, NothingIsCopiedUnlessTheTripIsAdded) {
    openLogBook();
    // The file dialog cancelled: no editor.
    EXPECT_EQ(newTripFrom({}), nullptr);
    EXPECT_TRUE(platform_.modelessShown.empty());

    // The editor cancelled, or closed by Escape: no trip, no photos.
    for (const bool escape : {false, true}) {
        RecordEditor* editor = newTripFrom(morningOnTheTweed());
        ASSERT_NE(editor, nullptr);
        if (escape) {
            QTest::keyClick(editor, Qt::Key_Escape);
        } else {
            click(*editor, "cancel");
        }
        EXPECT_EQ(addEditor(), nullptr);
        EXPECT_EQ(book_.recordCount(), 3);
        EXPECT_FALSE(photoFolderMade()) << (escape ? "escape" : "cancel");
    }

    // A plain Add afterwards adds a trip without them.
    RecordEditor* editor = openAdd();
    type(*editor, "edven", "Mill Pond");
    click(*editor, "okay");
    ASSERT_EQ(book_.recordCount(), 4);
    EXPECT_FALSE(photoFolderMade());
    EXPECT_TRUE(heldCaptions().empty());
}

TEST_F(NewTripFromPhotosTest, PhotosWithoutATimeLeaveTheBoxesAsAddDoesAndAreStillAttached) {
    openLogBook();
    const TripRecord start = addStartsWith();
    RecordEditor* editor = newTripFrom({camera("scan.jpg", PhotoFormat::Jpeg), damaged()});
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(boxes(*editor), start);
    EXPECT_EQ(editor->boxText(Field::Date), "");
    click(*editor, "okay");
    ASSERT_EQ(book_.recordCount(), 4);
    EXPECT_EQ(captions(photosFound(4)), (std::vector<std::string>{"broken.jpg", "scan.jpg"}));
}

TEST_F(NewTripFromPhotosTest, AnOpenAddEditorIsBroughtToTheFrontWithoutPickingPhotos) {
    openLogBook();
    RecordEditor* editor = openAdd();
    type(*editor, "edven", "typed before");
    // No file dialog is answered: the scripted platform fails the test if one is asked for.
    action("MnuNewTripFromPhotos")->trigger();
    EXPECT_TRUE(platform_.callsOf("open files").empty());
    EXPECT_EQ(addEditor(), editor);
    EXPECT_EQ(platform_.modelessShown, std::vector<QWidget*>(2, editor));
    EXPECT_EQ(editor->boxText(Field::Venue), "typed before");
    click(*editor, "okay");
    EXPECT_FALSE(photoFolderMade());
}

TEST_F(NewTripFromPhotosTest, TheFirstTripOfATableNeverSavedShowsItsPhotosInTheOpenWindow) {
    // The Photos window opened on a trip, which is then deleted: the table is empty, the window
    // stays, and the trip from photos becomes record 1, shown there with its photos.
    hold(1);
    action("MnuPhotos")->trigger();
    auto* photos = window_.findChild<photos::PhotosWindow*>();
    ASSERT_NE(photos, nullptr);
    ASSERT_TRUE(book_.deleteCurrent().ok());
    ASSERT_EQ(book_.recordCount(), 0);

    RecordEditor* editor = newTripFrom({taken("a.jpg", PhotoFormat::Jpeg, "2024:07:01 05:30:00"),
                                        taken("b.png", PhotoFormat::Png, "2024:07:01 09:45:00")});
    ASSERT_NE(editor, nullptr);
    click(*editor, "okay");
    ASSERT_EQ(book_.recordCount(), 1);
    EXPECT_EQ(book_.currentRecord(), 1);
    EXPECT_EQ(book_.table().slot(1)[Field::FinishTime], "09:45");
    EXPECT_EQ(photos->shownNames().size(), 2);
    EXPECT_EQ(captions(photosFound(1)), (std::vector<std::string>{"a.jpg", "b.png"}));
    const std::string untitled = untitledPhotoFolder(userFoldersFromEnvironment());
    for (const PhotoEntry& photo : photosFound(1))
        EXPECT_TRUE(std::filesystem::exists(untitled + "/" + photo.name)) << photo.name;
}

}  // namespace
}  // namespace rodwick::testing
