// SPDX-License-Identifier: GPL-3.0-or-later
// The Photos window as a user works it: photos added from the file dialog and by a drop,
// following the trip shown, captioned in place, made the cover, seen large and upright, removed
// and brought back by Edit, Undo; a photo that cannot be read shows why.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "database_file.h"
#include "photo_view.h"
#include "photos_window.h"
#include "rodwick_test/sample_photos.h"
#include "rodwick_test/scripted_platform.h"
#include "rodwick_test/store_test_util.h"

namespace rodwick::testing {
namespace {

using photos::PhotosWindow;
using photos::PhotoView;

class PhotosWindowTest : public ::testing::Test {
  protected:
    PhotosWindowTest() {
        qputenv("XDG_CACHE_HOME", QByteArray::fromStdString(dir_.file("cache")));
        writeBytes(dir_.file("LOG.RWK"), databaseBytes(trips(1, 3)));
        EXPECT_TRUE(book_.load(dir_.file("LOG.RWK")).ok());
        EXPECT_TRUE(book_.show(2));
        window_ = new PhotosWindow(book_, shelf_, platform_);
    }
    ~PhotosWindowTest() override { delete window_; }

    // A photo as a camera leaves it, in the folder the user picks from.
    QString camera(const QString& name, PhotoFormat format, const PhotoTags& tags = {},
                   int orientation = 1) {
        const QString path = QString::fromStdString(dir_.file("camera/")) + name;
        std::filesystem::create_directories(dir_.file("camera"));
        PhotoTags written = tags;
        written.orientation = orientation;
        EXPECT_TRUE(writeFile(
            path, photoBytes(storedAs(quadrants(QSize(160, 120)), orientation), format, written)));
        return path;
    }
    static PhotoTags onTheTweed() {
        // A zone far from the machine's: the camera's clock is shown, not this machine's.
        return {.original = "2024:06:13 10:15:30",
                .offset = "+09:30",
                .latitude = "55/1 39/1 3600/100",
                .latitudeRef = "N",
                .longitude = "2/1 7/1 1200/100",
                .longitudeRef = "W"};
    }
    QStringList shownCaptions() const {
        QStringList captions;
        for (int row = 0; row < window_->list().count(); ++row)
            captions << window_->list().item(row)->data(Qt::UserRole + 1).toString();
        return captions;
    }
    QPushButton* button(const char* name) const {
        return window_->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    void waitForThumbnails() {
        ASSERT_TRUE(QTest::qWaitFor([this] { return window_->thumbnailsPending() == 0; }, 10000));
    }

    TempDir dir_;
    RecordBook book_;
    PhotoShelf shelf_{book_, {.untitled = dir_.file("untitled"), .backups = dir_.file("backups")}};
    ScriptedPlatform platform_;
    PhotosWindow* window_ = nullptr;
};

TEST_F(PhotosWindowTest, PhotosAreAddedToTheTripShownAndFollowIt) {
    EXPECT_EQ(window_->windowTitle(), "Photos");
    EXPECT_EQ(window_->list().count(), 0);
    platform_.answerOpenFilesDialog({camera("IMG_0001.JPG", PhotoFormat::Jpeg, onTheTweed()),
                                     camera("swim.png", PhotoFormat::Png)});
    button("PhotoAdd")->click();
    ASSERT_EQ(platform_.callsOf("open files").size(), 1u);
    EXPECT_TRUE(platform_.callsOf("open files")[0].fileOptions.filter.contains("*.heic"));
    // Captioned with the file's name until the user gives one; the time the camera recorded.
    EXPECT_EQ(shownCaptions(), (QStringList{"IMG_0001.JPG", "swim.png"}));
    EXPECT_EQ(window_->spokenText(0), "IMG_0001.JPG, 06-13-2024 10:15:30");
    EXPECT_EQ(window_->spokenText(1), "swim.png, Time not recorded");
    for (const QString& name : window_->shownNames()) {
        EXPECT_TRUE(fileExists(dir_.file("LOG photos/") + name.toStdString()))
            << name.toStdString();
    }
    EXPECT_TRUE(fileExists(dir_.file("camera/IMG_0001.JPG"))) << "copied in, never moved";
    EXPECT_EQ(readBytes(dir_.file("LOG.RWK")), databaseBytes(trips(1, 3)))
        << "the log book's file is never changed for its photos";

    // The place the photo recorded, with a link that opens it on a map.
    window_->list().setCurrentRow(0);
    auto* place = window_->findChild<QLabel*>("PhotoPlace");
    EXPECT_TRUE(place->text().startsWith("Taken at 55.66000\u00b0 N, 2.12000\u00b0 W"))
        << place->text().toStdString();
    emit place->linkActivated("https://www.openstreetmap.org/?mlat=55.666667&mlon=-2.120000");
    ASSERT_EQ(platform_.startedPrograms.size(), 1u);
    EXPECT_EQ(platform_.startedPrograms[0].first(), "xdg-open");

    // Another trip has none; back on this one, they are there again, and so after an edit that
    // moves the trip's date (its link moves with it).
    ASSERT_TRUE(book_.show(1));
    EXPECT_EQ(window_->list().count(), 0);
    ASSERT_TRUE(book_.show(2));
    ASSERT_TRUE(book_.setField(Field::Date, "06-14-2024").ok());
    EXPECT_EQ(shownCaptions(), (QStringList{"IMG_0001.JPG", "swim.png"}));
    ASSERT_TRUE(book_.show(1));
    ASSERT_TRUE(book_.duplicateCurrent().ok());
    EXPECT_EQ(window_->list().count(), 0);
}

TEST_F(PhotosWindowTest, ACaptionIsEditedInPlaceAndOneCoverMarked) {
    platform_.answerOpenFilesDialog(
        {camera("a.jpg", PhotoFormat::Jpeg, onTheTweed()), camera("b.jpg", PhotoFormat::Jpeg)});
    window_->addPhotos();
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_));
    QListWidget& list = window_->list();
    list.setCurrentRow(1);
    list.editItem(list.item(1));
    auto* editor = list.findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "b.jpg") << "the caption alone, without its time";
    editor->setText("Barbel, 9 lb 2 oz");
    // A thumbnail arriving while the caption is typed leaves what was typed.
    list.item(1)->setIcon(QIcon(QPixmap(4, 4)));
    EXPECT_EQ(editor->text(), "Barbel, 9 lb 2 oz");
    QTest::keyClick(editor, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([this] { return shownCaptions()[1] != "b.jpg"; }, 5000));
    EXPECT_EQ(shownCaptions(), (QStringList{"a.jpg", "Barbel, 9 lb 2 oz"}));
    EXPECT_EQ(shelf_.photosOf(2)[1].caption, "Barbel, 9 lb 2 oz");

    for (const int row : {1, 0}) {
        list.setCurrentRow(row);
        button("PhotoCover")->click();
        ASSERT_TRUE(shelf_.coverOf(2).has_value());
        EXPECT_EQ(QString::fromStdString(shelf_.coverOf(2)->name), window_->shownNames()[row]);
        EXPECT_TRUE(window_->spokenText(row).endsWith(", cover"));
        EXPECT_FALSE(window_->spokenText(1 - row).endsWith(", cover")) << "one cover a trip";
    }
}

TEST_F(PhotosWindowTest, ARemovedPhotoComesBackWithUndo) {
    platform_.answerOpenFilesDialog(
        {camera("a.jpg", PhotoFormat::Jpeg), camera("b.jpg", PhotoFormat::Jpeg)});
    window_->addPhotos();
    const QStringList both = window_->shownNames();
    window_->list().setCurrentRow(0);
    window_->list().setFocus();
    QTest::keyClick(&window_->list(), Qt::Key_Delete);
    EXPECT_EQ(window_->shownNames(), QStringList{both[1]});
    EXPECT_FALSE(fileExists(dir_.file("LOG photos/") + both[0].toStdString()));
    EXPECT_EQ(book_.undoName(), "Remove Photo");
    ASSERT_TRUE(book_.undo().ok());
    EXPECT_EQ(window_->shownNames(), both);
    EXPECT_TRUE(fileExists(dir_.file("LOG photos/") + both[0].toStdString()));
    ASSERT_TRUE(book_.redo().ok());
    EXPECT_EQ(window_->shownNames(), QStringList{both[1]});
    EXPECT_EQ(formatDatabase(book_.table()), databaseBytes(trips(1, 3)))
        << "the trips are untouched by the photos' steps";
}

TEST_F(PhotosWindowTest, APhotoIsSeenLargeUprightAndLeftRightGoThroughTheTrip) {
    // Stored on its side, as a phone held upright stores it.
    platform_.answerOpenFilesDialog(
        {camera("side.jpg", PhotoFormat::Jpeg, {}, 6), camera("next.png", PhotoFormat::Png)});
    window_->addPhotos();
    window_->list().setCurrentRow(0);
    platform_.answerModal([](QDialog& dialog) {
        auto& view = dynamic_cast<PhotoView&>(dialog);
        EXPECT_EQ(view.windowTitle(), "side.jpg (1 of 2)");
        const QPixmap shown = view.findChild<QLabel*>("PhotoPicture")->pixmap();
        EXPECT_FALSE(shown.isNull());
        const QImage picture = shown.toImage();
        EXPECT_GT(picture.width(), picture.height()) << "upright: wider than high again";
        for (int quadrant = 0; quadrant < 4; ++quadrant)
            EXPECT_EQ(quadrantColour(picture, quadrant), quadrant) << "quadrant " << quadrant;
        QTest::keyClick(&view, Qt::Key_Right);
        EXPECT_EQ(view.windowTitle(), "next.png (2 of 2)");
        QTest::keyClick(&view, Qt::Key_Right);
        EXPECT_EQ(view.current(), 1) << "the last stays the last";
        return QDialog::Accepted;
    });
    window_->list().setFocus();
    emit window_->list().itemActivated(window_->list().item(0));  // a double-click or Return
    EXPECT_EQ(window_->list().currentRow(), 1) << "the list follows the photo seen last";
}

TEST_F(PhotosWindowTest, ADropAddsPicturesAndAPhotoThatCannotBeReadSaysWhy) {
    const QString damaged = QString::fromStdString(dir_.file("camera/broken.jpg"));
    std::filesystem::create_directories(dir_.file("camera"));
    ASSERT_TRUE(writeFile(damaged, QByteArray::fromHex("ffd8ffe0") + " not a picture"));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(camera("drop.webp", PhotoFormat::WebP)),
                  QUrl::fromLocalFile(damaged),
                  QUrl::fromLocalFile(QString::fromStdString(dir_.file("LOG.RWK")))});
    // As a file manager's drag arrives: entering the window, then let go over it.
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window_, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window_, &drop);
    EXPECT_EQ(shownCaptions(), (QStringList{"drop.webp", "broken.jpg"})) << "no log book";
    waitForThumbnails();
    EXPECT_TRUE(window_->list().item(0)->toolTip().isEmpty());
    EXPECT_FALSE(window_->list().item(1)->toolTip().isEmpty()) << "the reason, for the user";
}

// A photo that cannot be added says so, with the reason, and the trip keeps what it had.
TEST_F(PhotosWindowTest, APhotoThatCannotBeAddedIsToldWithItsReason) {
    platform_.answerMessage(platform::Answer::Ok);
    window_->addFiles({QString::fromStdString(dir_.file("camera/gone.jpg"))});
    const std::vector<PlatformCall> messages = platform_.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith("The photo could not be added: "))
        << messages[0].text.toStdString();
    EXPECT_TRUE(messages[0].text.contains("gone.jpg")) << messages[0].text.toStdString();
    EXPECT_TRUE(messages[0].text.endsWith('.')) << messages[0].text.toStdString();
    EXPECT_EQ(messages[0].title, "Photos");
    EXPECT_TRUE(shownCaptions().isEmpty());
}

}  // namespace
}  // namespace rodwick::testing
