// SPDX-License-Identifier: GPL-3.0-or-later
// The media module loaded from a file: refused with the loader's reason where the file is
// missing or is no module of this version, and reading photos where it is the one built.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

#include "media_module.h"
#include "rodwick_test/sample_photos.h"
#include "rodwick_test/store_test_util.h"

namespace rodwick::photos {
namespace {

using testing::PhotoFormat;

TEST(MediaModule, OnlyAModuleOfThisVersionIsLoaded) {
    testing::TempDir dir;
    testing::writeBytes(dir.file("librodwick_media.so"), "not a module");
    const struct {
        const char* what;
        QString file;
        QString reason;
    } cases[] = {
        {"missing", QString::fromStdString(dir.file("gone/librodwick_media.so")), "No such file"},
        {"not a library", QString::fromStdString(dir.file("librodwick_media.so")), ""},
        {"a library without the entry",
         QLibraryInfo::path(QLibraryInfo::LibrariesPath) + "/libQt6Core.so.6",
         "is not a media module of this version"},
        {"another version", QStringLiteral(RODWICK_OTHER_VERSION_MODULE),
         "is not a media module of this version"},
    };
    for (const auto& c : cases) {
        const MediaModule module = loadMediaModule(c.file);
        EXPECT_EQ(module.reading, nullptr) << c.what;
        EXPECT_TRUE(module.error.contains(c.file)) << c.what << ": " << module.error.toStdString();
        EXPECT_TRUE(module.error.contains(c.reason))
            << c.what << ": " << module.error.toStdString();
    }
}

TEST(MediaModule, IsFoundBesideTheProgramElseInTheInstalledFolder) {
    testing::TempDir dir;
    const QString bin = QString::fromStdString(dir.file("usr/bin"));
    const QString beside = bin + "/librodwick_media.so";
    ASSERT_TRUE(QDir().mkpath(bin));
    const QString installed = QDir::cleanPath(findMediaModule(bin));
    EXPECT_TRUE(installed.startsWith(QString::fromStdString(dir.file("usr/lib"))))
        << installed.toStdString();
    EXPECT_TRUE(installed.endsWith("/rodwick/librodwick_media.so")) << installed.toStdString();

    ASSERT_TRUE(QDir().mkpath(QFileInfo(installed).path()));
    testing::writeBytes(installed.toStdString(), "");
    EXPECT_EQ(QDir::cleanPath(findMediaModule(bin)), installed);
    // In the build tree the module built beside the program is the one.
    testing::writeBytes(beside.toStdString(), "");
    EXPECT_EQ(findMediaModule(bin), beside);
}

TEST(MediaModule, TheBuiltModuleReadsPhotos) {
    const MediaModule module = loadMediaModule(QStringLiteral(RODWICK_MEDIA_MODULE_FILE));
    ASSERT_NE(module.reading, nullptr) << module.error.toStdString();
    EXPECT_EQ(module.reading->version, kMediaReadingVersion);
    // The readings look for it beside the program, and find this one.
    EXPECT_EQ(mediaModule().reading, module.reading) << mediaModule().error.toStdString();
    EXPECT_TRUE(mediaModuleReady().ok());

    const QImage picture = testing::quadrants(QSize(64, 48));
    const testing::PhotoTags tags{.original = "2023:05:01 06:30:15", .orientation = 6};
    const QByteArray jpeg = testing::photoBytes(picture, PhotoFormat::Jpeg, tags);
    const QByteArray heic = testing::photoBytes(picture, PhotoFormat::Heic, tags);
    EXPECT_FALSE(module.reading->isHeif(jpeg.left(64)));
    EXPECT_TRUE(module.reading->isHeif(heic.left(64)));
    for (const QByteArray& bytes : {jpeg, heic}) {
        const Result<PhotoMetadata> read = module.reading->metadataOfBytes(bytes);
        ASSERT_TRUE(read.ok()) << read.error();
        EXPECT_EQ(read.value().orientation, 6);
        ASSERT_TRUE(read.value().taken.has_value());
        EXPECT_EQ(read.value().taken->date, QDate(2023, 5, 1));
    }
    const Result<QImage> decoded = module.reading->decodeHeif(heic, QSize(32, 32));
    ASSERT_TRUE(decoded.ok()) << decoded.error();
    // Stored on its side by the writer, and turned by the file's own boxes.
    EXPECT_EQ(decoded.value().size(), QSize(24, 32));
    EXPECT_FALSE(module.reading->heifExif(heic).value().isEmpty());
}

}  // namespace
}  // namespace rodwick::photos
