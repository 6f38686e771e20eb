// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures read upright and fitted, and the desktop's thumbnail cache.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>

#include "rodwick_test/sample_photos.h"
#include "rodwick_test/store_test_util.h"
#include "thumbnails.h"

namespace rodwick::photos {
namespace {

using testing::PhotoFormat;

constexpr PhotoFormat kFormats[] = {PhotoFormat::Jpeg, PhotoFormat::Png,  PhotoFormat::PngExifChunk,
                                    PhotoFormat::WebP, PhotoFormat::Tiff, PhotoFormat::Heic};

// An input kept among the seeds of the photo reading fuzz target.
QByteArray seed(const char* name) {
    QFile file(QStringLiteral(RODWICK_PHOTO_SEEDS "/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

// Which quadrant colour lies in each quadrant of the picture, top left first.
std::vector<int> quadrantsOf(const QImage& picture) {
    std::vector<int> seen;
    for (int q = 0; q < 4; ++q) seen.push_back(testing::quadrantColour(picture, q));
    return seen;
}
const std::vector<int> kUpright = {0, 1, 2, 3};

// Every orientation a camera records comes out upright, from every format: Qt turns JPEG and
// TIFF itself, the orientation of PNG and WebP comes from Exiv2, HEIF turns by its own boxes
// (and its Exif orientation, written alike, is not applied a second time).
TEST(FittedPicture, EveryOrientationComesOutUpright) {
    const QImage upright = testing::quadrants(QSize(96, 64));
    for (const PhotoFormat format : kFormats) {
        for (int orientation = 1; orientation <= 8; ++orientation) {
            SCOPED_TRACE(testing::nameOf(format) + " orientation " + std::to_string(orientation));
            const QByteArray bytes = testing::photoBytes(
                testing::storedAs(upright, orientation), format,
                {.original = "2023:05:01 06:30:15", .orientation = orientation});
            const Result<QImage> read = readFittedPicture(bytes, QSize());
            ASSERT_TRUE(read.ok()) << read.error();
            EXPECT_EQ(read.value().size(), upright.size());
            EXPECT_EQ(quadrantsOf(read.value()), kUpright);
        }
    }
}

// Fitted to a size as the picture stands upright, also for one stored on its side, and never
// enlarged.
TEST(FittedPicture, FitsTheUprightPicture) {
    const QImage upright = testing::quadrants(QSize(1200, 900));
    const std::pair<QSize, QSize> fits[] = {
        {QSize(256, 256), QSize(256, 192)}, {QSize(120, 1000), QSize(120, 90)},
        {QSize(1000, 60), QSize(80, 60)},   {QSize(2000, 2000), QSize(1200, 900)},
        {QSize(), QSize(1200, 900)},
    };
    const QTemporaryDir dir;
    for (const PhotoFormat format : {PhotoFormat::Jpeg, PhotoFormat::Png, PhotoFormat::Heic}) {
        const QString path = dir.filePath("side." + testing::suffixOf(format));
        ASSERT_TRUE(testing::writeFile(
            path, testing::photoBytes(testing::storedAs(upright, 6), format, {.orientation = 6})));
        for (const auto& [bounds, size] : fits) {
            SCOPED_TRACE(testing::nameOf(format) + " in " + std::to_string(bounds.width()) + "x" +
                         std::to_string(bounds.height()));
            const Result<QImage> read = readFittedPicture(path, bounds);
            ASSERT_TRUE(read.ok()) << read.error();
            EXPECT_EQ(read.value().size(), size);
            EXPECT_EQ(quadrantsOf(read.value()), kUpright);
        }
    }
}

// A file that is no picture, or a damaged one, gives the reason in its place.
TEST(FittedPicture, DamagedFilesGiveAReason) {
    const QImage picture = testing::quadrants(QSize(64, 48));
    const QByteArray jpeg = testing::photoBytes(picture, PhotoFormat::Jpeg);
    const QByteArray heic = testing::photoBytes(picture, PhotoFormat::Heic);
    const QByteArray png = testing::photoBytes(picture, PhotoFormat::Png);
    struct Case {
        const char* what;
        QByteArray bytes;
        std::string reason;  // its beginning
    };
    const Case cases[] = {
        {"empty", QByteArray(), "Not a picture this program can show"},
        {"text", QByteArray("Trip to the Tweed\n"), "Not a picture this program can show"},
        {"jpeg header alone", jpeg.left(40), "The picture cannot be read"},
        {"png header alone", png.left(40), "The picture cannot be read"},
        {"heic cut short", heic.left(heic.size() - 40), "The HEIF file is damaged"},
        {"heic header alone", heic.left(40), "The HEIF file is damaged"},
        // A grid claiming 16400 x 16408 pixels in a picture declared 24 x 16.
        {"heic grid beyond its size", seed("heic_grid_beyond_its_size"),
         "The HEIF file is damaged"},
        // The same grid in a picture declared 24 x 16400, which a limit on one side lets by.
        {"heic grid beyond its area", seed("heic_grid_beyond_its_area"),
         "The picture is too large to be shown"},
    };
    const QTemporaryDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = dir.filePath("damaged");
        ASSERT_TRUE(testing::writeFile(path, c.bytes));
        // From memory and from the file alike.
        for (const Result<QImage>& read : {readFittedPicture(c.bytes, QSize(128, 128)),
                                           readFittedPicture(path, QSize(128, 128))}) {
            ASSERT_FALSE(read.ok());
            EXPECT_EQ(read.error().substr(0, c.reason.size()), c.reason) << read.error();
        }
    }
    EXPECT_EQ(readFittedPicture(dir.filePath("gone.jpg"), QSize()).error(),
              "No such file or directory");
    EXPECT_EQ(readFittedPicture(dir.path(), QSize()).error(), "Not a photo file");
    const rodwick::testing::FeedingPipe pipe(dir.filePath("pipe.jpg").toStdString(),
                                             jpeg.toStdString());
    EXPECT_EQ(readFittedPicture(QString::fromStdString(pipe.path()), QSize()).error(),
              "Not a photo file");
}

TEST(ThumbnailCache, FileUris) {
    const std::pair<QString, QByteArray> uris[] = {
        {"/home/jens/photos/me.png", "file:///home/jens/photos/me.png"},
        {"/a/./b/../c.jpg", "file:///a/c.jpg"},
        {"/photos/a b;c#d%e?f.jpg", "file:///photos/a%20b%3Bc%23d%25e%3Ff.jpg"},
        {"/photos/[1]{2}<3>\"4\"|^`\\.jpg",
         "file:///photos/%5B1%5D%7B2%7D%3C3%3E%224%22%7C%5E%60%5C.jpg"},
        {"/photos/(1)!~*'&=+$,:@-_.jpg", "file:///photos/(1)!~*'&=+$,:@-_.jpg"},
        {QString::fromUtf8("/Fänge/Hecht.jpg"), "file:///F%C3%A4nge/Hecht.jpg"},
    };
    for (const auto& [path, uri] : uris) EXPECT_EQ(fileUri(path), uri) << path.toStdString();
    EXPECT_EQ(fileUri("relative.jpg"), fileUri(QDir::currentPath() + "/relative.jpg"));

    // The thumbnail standard's own example.
    const ThumbnailCache cache("/cache/thumbnails");
    EXPECT_EQ(cache.fileFor("/home/jens/photos/me.png", ThumbnailSize::Normal),
              "/cache/thumbnails/normal/c6ee772d9e49320e97ec29a7eb5b1697.png");
    EXPECT_EQ(cache.fileFor("/home/jens/photos/me.png", ThumbnailSize::Large),
              "/cache/thumbnails/large/c6ee772d9e49320e97ec29a7eb5b1697.png");
}

TEST(ThumbnailCache, StandardFolder) {
    const QByteArray home = qgetenv("HOME"), cacheHome = qgetenv("XDG_CACHE_HOME");
    qputenv("HOME", "/home/angler");
    const std::pair<const char*, QString> folders[] = {
        {"/var/cache/angler", "/var/cache/angler/thumbnails"},
        {"relative/cache", "/home/angler/.cache/thumbnails"},
        {"", "/home/angler/.cache/thumbnails"},
    };
    for (const auto& [variable, folder] : folders) {
        qputenv("XDG_CACHE_HOME", variable);
        EXPECT_EQ(ThumbnailCache::standard().folder(), folder) << variable;
    }
    qputenv("HOME", home);
    qputenv("XDG_CACHE_HOME", cacheHome);
}

int modeOf(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return -1;
    return st.st_mode & 07777;
}

bool setModified(const QString& path, qint64 seconds) {
    QFile file(path);
    return file.open(QIODevice::ReadWrite) &&
           file.setFileTime(QDateTime::fromSecsSinceEpoch(seconds),
                            QFileDevice::FileModificationTime);
}

class CachedThumbnails : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(testing::writeFile(
            photo_, testing::photoBytes(testing::storedAs(testing::quadrants(QSize(640, 480)), 6),
                                        PhotoFormat::Jpeg, {.orientation = 6})));
        ASSERT_TRUE(setModified(photo_, 1'700'000'000));
    }

    QTemporaryDir dir_;
    QString photo_ = dir_.filePath("photos/trip 1; pike.jpg");
    ThumbnailCache cache_{dir_.filePath("cache/thumbnails")};
    const bool folderMade_ = QDir(dir_.path()).mkpath("photos");
};

// The first look makes the thumbnail and keeps it as the standard asks: named by the URI's MD5,
// carrying the URI, time and size of the photo, readable by the user alone.
TEST_F(CachedThumbnails, KeptAsTheStandardAsks) {
    for (const ThumbnailSize size : {ThumbnailSize::Normal, ThumbnailSize::Large}) {
        const Result<QImage> thumbnail = thumbnailOf(photo_, size, &cache_);
        ASSERT_TRUE(thumbnail.ok()) << thumbnail.error();
        const int edge = edgeOf(size);
        EXPECT_EQ(thumbnail.value().size(), QSize(edge, edge * 3 / 4));
        EXPECT_EQ(quadrantsOf(thumbnail.value()), kUpright);

        const QString kept = cache_.fileFor(photo_, size);
        const QString name = QString::fromLatin1(
            QCryptographicHash::hash(fileUri(photo_), QCryptographicHash::Md5).toHex());
        EXPECT_EQ(kept, cache_.folder() + (size == ThumbnailSize::Large ? "/large/" : "/normal/") +
                            name + ".png");
        QImageReader reader(kept, "png");
        const QImage read = reader.read();
        ASSERT_FALSE(read.isNull());
        EXPECT_EQ(read.size(), thumbnail.value().size());
        EXPECT_EQ(read.text("Thumb::URI").toLatin1(), fileUri(photo_));
        EXPECT_EQ(read.text("Thumb::MTime"), "1700000000");
        EXPECT_EQ(read.text("Thumb::Size"), QString::number(QFileInfo(photo_).size()));
        EXPECT_EQ(modeOf(kept), 0600);
        EXPECT_EQ(modeOf(QFileInfo(kept).path()), 0700);
        // Nothing but the thumbnails: no temporary file left beside them.
        EXPECT_EQ(QDir(QFileInfo(kept).path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{name + ".png"});
    }
    EXPECT_EQ(modeOf(cache_.folder()), 0700);
}

// A kept thumbnail is used while it shows the photo as it is; another time, size or URI makes
// it anew.
TEST_F(CachedThumbnails, UsedOnlyWhileItMatches) {
    const auto state = PhotoFileState::of(photo_);
    ASSERT_TRUE(state.has_value());
    EXPECT_EQ(state->modified, 1'700'000'000);
    QImage marker(64, 48, QImage::Format_RGB32);
    marker.fill(Qt::magenta);
    const auto makesAnew = [&](PhotoFileState kept) {
        EXPECT_TRUE(cache_.store(photo_, ThumbnailSize::Normal, marker, kept).ok());
        const Result<QImage> thumbnail = thumbnailOf(photo_, ThumbnailSize::Normal, &cache_);
        EXPECT_TRUE(thumbnail.ok());
        return thumbnail.value().pixelColor(0, 0) != QColor(Qt::magenta);
    };
    EXPECT_FALSE(makesAnew(*state));
    EXPECT_TRUE(makesAnew({state->modified - 1, state->size}));
    EXPECT_TRUE(makesAnew({state->modified + 1, state->size}));
    EXPECT_TRUE(makesAnew({state->modified, state->size + 1}));

    // The photo changed after its thumbnail was kept.
    EXPECT_TRUE(cache_.store(photo_, ThumbnailSize::Normal, marker, *state).ok());
    ASSERT_TRUE(setModified(photo_, 1'700'000'060));
    const Result<QImage> changed = thumbnailOf(photo_, ThumbnailSize::Normal, &cache_);
    ASSERT_TRUE(changed.ok());
    EXPECT_EQ(quadrantsOf(changed.value()), kUpright);
    EXPECT_EQ(QImage(cache_.fileFor(photo_, ThumbnailSize::Normal)).text("Thumb::MTime"),
              "1700000060");

    // Another photo's thumbnail under this photo's name.
    const QString other = dir_.filePath("photos/other.jpg");
    ASSERT_TRUE(QFile::copy(photo_, other));
    ASSERT_TRUE(setModified(other, 1'700'000'060));
    ASSERT_TRUE(
        cache_.store(other, ThumbnailSize::Normal, marker, *PhotoFileState::of(other)).ok());
    ASSERT_TRUE(QFile::remove(cache_.fileFor(photo_, ThumbnailSize::Normal)));
    ASSERT_TRUE(QFile::rename(cache_.fileFor(other, ThumbnailSize::Normal),
                              cache_.fileFor(photo_, ThumbnailSize::Normal)));
    EXPECT_FALSE(
        cache_.find(photo_, ThumbnailSize::Normal, *PhotoFileState::of(photo_)).has_value());
}

// A cache that cannot be written still gives the thumbnail; a damaged photo gives its reason
// and leaves nothing in the cache; the cache's own files are not thumbnailed into it.
TEST_F(CachedThumbnails, FailuresLeaveNoThumbnail) {
    // A file where the folder of the large thumbnails would be.
    ASSERT_TRUE(QDir().mkpath(cache_.folder()));
    ASSERT_TRUE(testing::writeFile(cache_.folder() + "/large", "not a folder"));
    const Result<QImage> unkept = thumbnailOf(photo_, ThumbnailSize::Large, &cache_);
    ASSERT_TRUE(unkept.ok()) << unkept.error();
    EXPECT_EQ(unkept.value().size(), QSize(256, 192));
    EXPECT_FALSE(
        cache_.store(photo_, ThumbnailSize::Large, unkept.value(), *PhotoFileState::of(photo_))
            .ok());

    const QString damaged = dir_.filePath("photos/damaged.jpg");
    ASSERT_TRUE(testing::writeFile(damaged, "\xFF\xD8\xFF\xE0 not much of a photo"));
    const Result<QImage> failed = thumbnailOf(damaged, ThumbnailSize::Normal, &cache_);
    ASSERT_FALSE(failed.ok());
    EXPECT_FALSE(failed.error().empty());
    EXPECT_FALSE(QFile::exists(cache_.fileFor(damaged, ThumbnailSize::Normal)));

    const Result<QImage> made = thumbnailOf(photo_, ThumbnailSize::Normal, &cache_);
    ASSERT_TRUE(made.ok());
    const QString kept = cache_.fileFor(photo_, ThumbnailSize::Normal);
    EXPECT_FALSE(
        cache_.store(kept, ThumbnailSize::Normal, made.value(), *PhotoFileState::of(kept)).ok());
    EXPECT_FALSE(QFile::exists(cache_.fileFor(kept, ThumbnailSize::Normal)));
}

}  // namespace
}  // namespace rodwick::photos
