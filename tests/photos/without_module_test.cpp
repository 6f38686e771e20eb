// SPDX-License-Identifier: GPL-3.0-or-later
// Without the media module every reading of a photo fails with the reason, and the Photos
// window shows it in each photo's place and goes on: nothing stops, no message interrupts.
// Every test here points the readings at the same missing file before the first one.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "heif_files.h"
#include "media_module.h"
#include "photo_metadata.h"
#include "photos_window.h"
#include "rodwick_test/sample_photos.h"
#include "rodwick_test/scripted_platform.h"
#include "rodwick_test/store_test_util.h"
#include "thumbnails.h"

namespace rodwick::testing {
namespace {

const QString kMissing = QStringLiteral(RODWICK_MISSING_MODULE);
const std::string kReason = "The photo reading module is missing: ";

class WithoutTheMediaModule : public ::testing::Test {
  protected:
    WithoutTheMediaModule() {
        photos::useMediaModuleFile(kMissing);
        qputenv("XDG_CACHE_HOME", QByteArray::fromStdString(dir_.file("cache")));
    }
    QString photo(const char* name, PhotoFormat format) {
        const QString path = QString::fromStdString(dir_.file(name));
        EXPECT_TRUE(writeFile(path, photoBytes(quadrants(QSize(64, 48)), format,
                                               {.original = "2024:06:13 10:15:30"})));
        return path;
    }
    static void expectReason(const std::string& error, const char* what) {
        EXPECT_EQ(error.rfind(kReason, 0), 0u) << what << ": " << error;
        EXPECT_NE(error.find(kMissing.toStdString()), std::string::npos) << what << ": " << error;
    }

    TempDir dir_;
};

TEST_F(WithoutTheMediaModule, EveryReadingGivesTheReason) {
    const QString jpeg = photo("a.jpg", PhotoFormat::Jpeg);
    const QString heic = photo("b.heic", PhotoFormat::Heic);
    QFile file(heic);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray heifBytes = file.readAll();
    const struct {
        const char* what;
        std::string error;
    } cases[] = {
        {"metadata of a file", photos::readPhotoMetadata(jpeg).error()},
        {"metadata of bytes", photos::readPhotoMetadata(heifBytes).error()},
        {"picture of a JPEG file", photos::readFittedPicture(jpeg, QSize(32, 32)).error()},
        {"picture of a HEIF file", photos::readFittedPicture(heic, QSize(32, 32)).error()},
        {"picture of bytes", photos::readFittedPicture(heifBytes, QSize(32, 32)).error()},
        {"HEIF picture", photos::decodeHeif(heifBytes, QSize(32, 32)).error()},
        {"HEIF Exif", photos::heifExif(heifBytes).error()},
    };
    for (const auto& c : cases) expectReason(c.error, c.what);
    EXPECT_FALSE(photos::isHeif(heifBytes.left(64)));
    EXPECT_FALSE(photos::mediaModuleReady().ok());
}

TEST_F(WithoutTheMediaModule, ThePhotosWindowShowsWhyInEachPhotosPlace) {
    writeBytes(dir_.file("LOG.RWK"), databaseBytes(trips(1, 3)));
    RecordBook book;
    ASSERT_TRUE(book.load(dir_.file("LOG.RWK")).ok());
    ASSERT_TRUE(book.show(2));
    PhotoShelf shelf{book, {.untitled = dir_.file("untitled"), .backups = dir_.file("backups")}};
    ScriptedPlatform platform;
    photos::PhotosWindow window(book, shelf, platform);
    window.show();
    platform.answerOpenFilesDialog(
        {photo("IMG_0001.JPG", PhotoFormat::Jpeg), photo("IMG_0002.HEIC", PhotoFormat::Heic)});
    window.findChild<QPushButton*>("PhotoAdd")->click();

    // Added all the same: the photos are copied in, only their reading waits for the module.
    ASSERT_EQ(window.list().count(), 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.thumbnailsPending() == 0; }, 10000));
    for (int row = 0; row < 2; ++row) {
        expectReason(window.list().item(row)->toolTip().toStdString(), "placeholder");
        EXPECT_EQ(window.spokenText(row).endsWith("Time not recorded"), true)
            << window.spokenText(row).toStdString();
    }
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_TRUE(window.isVisible());
}

}  // namespace
}  // namespace rodwick::testing
