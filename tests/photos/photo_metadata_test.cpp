// SPDX-License-Identifier: GPL-3.0-or-later
// A photo's time, orientation and position, read through Exiv2 from photos of every format
// whose tags Exiv2 wrote, and from damaged ones.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>

#include "photo_metadata.h"
#include "rodwick_test/sample_photos.h"
#include "rodwick_test/store_test_util.h"

namespace rodwick::photos {

void PrintTo(const PhotoTime& t, std::ostream* out) {
    *out << t.date.toString(Qt::ISODate).toStdString() << ' '
         << t.time.toString("hh:mm:ss.zzz").toStdString() << " offset "
         << (t.utcOffsetSeconds ? std::to_string(*t.utcOffsetSeconds) : "none") << " source "
         << static_cast<int>(t.source);
}
void PrintTo(const GeoPosition& p, std::ostream* out) {
    *out << '(' << p.latitude << ", " << p.longitude << ')';
}

namespace {

using testing::PhotoFormat;
using testing::PhotoTags;

// An input kept among the seeds of the photo reading fuzz target.
QByteArray seed(const char* name) {
    QFile file(QStringLiteral(RODWICK_PHOTO_SEEDS "/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

const QImage& smallPicture() {
    static const QImage kPicture = testing::quadrants(QSize(64, 48));
    return kPicture;
}

// A fishing morning on the Tweed, as a phone records it.
PhotoTags morningOnTheTweed() {
    return {.original = "2023:05:01 06:30:15",
            .digitized = "2023:05:01 06:30:15",
            .changed = "2023:06:11 20:00:00",
            .subSeconds = "25",
            .offset = "+01:00",
            .orientation = 6,
            .latitude = "55/1 39/1 3600/100",
            .latitudeRef = "N",
            .longitude = "2/1 7/1 1200/100",
            .longitudeRef = "W"};
}

class EveryFormat : public ::testing::TestWithParam<PhotoFormat> {};

TEST_P(EveryFormat, ReadsTimeOrientationAndPosition) {
    const QByteArray bytes = testing::photoBytes(smallPicture(), GetParam(), morningOnTheTweed());
    const QTemporaryDir dir;
    const QString path = dir.filePath("photo." + testing::suffixOf(GetParam()));
    ASSERT_TRUE(testing::writeFile(path, bytes));

    // From the file and from memory alike.
    for (const Result<PhotoMetadata>& read : {readPhotoMetadata(path), readPhotoMetadata(bytes)}) {
        ASSERT_TRUE(read.ok()) << read.error();
        const PhotoMetadata& metadata = read.value();
        ASSERT_TRUE(metadata.taken.has_value());
        EXPECT_EQ(*metadata.taken, (PhotoTime{QDate(2023, 5, 1), QTime(6, 30, 15, 250), 3600,
                                              TimeSource::Original}));
        EXPECT_EQ(metadata.taken->dateTime().toUTC(),
                  QDateTime(QDate(2023, 5, 1), QTime(5, 30, 15, 250), QTimeZone::utc()));
        EXPECT_EQ(metadata.orientation, 6);
        ASSERT_TRUE(metadata.position.has_value());
        EXPECT_NEAR(metadata.position->latitude, 55.66, 1e-9);
        EXPECT_NEAR(metadata.position->longitude, -(2 + 7 / 60.0 + 12 / 3600.0), 1e-9);
    }
}

TEST_P(EveryFormat, PhotoWithoutTagsHasNone) {
    const QByteArray bytes = testing::photoBytes(smallPicture(), GetParam());
    const Result<PhotoMetadata> read = readPhotoMetadata(bytes);
    ASSERT_TRUE(read.ok()) << read.error();
    EXPECT_EQ(read.value(), PhotoMetadata{});
}

INSTANTIATE_TEST_SUITE_P(Photos, EveryFormat,
                         ::testing::Values(PhotoFormat::Jpeg, PhotoFormat::Png,
                                           PhotoFormat::PngExifChunk, PhotoFormat::WebP,
                                           PhotoFormat::Tiff, PhotoFormat::Heic),
                         [](const auto& info) { return testing::nameOf(info.param); });

// Which tag the time comes from, and which position is believed, as tags go missing or are
// written wrongly.
TEST(PhotoMetadata, FallbacksAndOddTags) {
    struct Case {
        const char* what;
        PhotoTags tags;
        std::optional<PhotoTime> taken;
        int orientation = 1;
        std::optional<GeoPosition> position = std::nullopt;
    };
    const QDate may1(2023, 5, 1);
    const Case cases[] = {
        {"digitized alone",
         {.digitized = "2023:05:01 07:00:00"},
         PhotoTime{may1, QTime(7, 0), std::nullopt, TimeSource::Digitized}},
        {"changed alone",
         {.changed = "2023:05:01 08:00:00"},
         PhotoTime{may1, QTime(8, 0), std::nullopt, TimeSource::Changed}},
        {"original never set, digitized kept",
         {.original = "0000:00:00 00:00:00",
          .digitized = "2023:05:01 07:00:00",
          .changed = "2023:05:02 08:00:00"},
         PhotoTime{may1, QTime(7, 0), std::nullopt, TimeSource::Digitized}},
        {"original before changed",
         {.original = "2023:05:01 06:00:00", .changed = "2023:05:02 08:00:00", .offset = "-04:00"},
         PhotoTime{may1, QTime(6, 0), -14400, TimeSource::Original}},
        {"orientation out of range", {.orientation = 9}, std::nullopt},
        {"southern and eastern",
         {.orientation = 8,
          .latitude = "33/1 51/1 0/1",
          .latitudeRef = "S",
          .longitude = "151/1 12/1 0/1",
          .longitudeRef = "E"},
         std::nullopt,
         8,
         GeoPosition{-(33 + 51 / 60.0), 151.2}},
        {"void fix",
         {.latitude = "52/1 0/1 0/1",
          .latitudeRef = "N",
          .longitude = "1/1 0/1 0/1",
          .longitudeRef = "E",
          .gpsStatus = "V"},
         std::nullopt},
        {"no hemisphere",
         {.latitude = "52/1 0/1 0/1", .longitude = "1/1 0/1 0/1", .longitudeRef = "E"},
         std::nullopt},
        {"no fix written as zeros",
         {.latitude = "0/0 0/0 0/0",
          .latitudeRef = "N",
          .longitude = "0/0 0/0 0/0",
          .longitudeRef = "E"},
         std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Result<PhotoMetadata> read =
            readPhotoMetadata(testing::photoBytes(smallPicture(), PhotoFormat::Jpeg, c.tags));
        ASSERT_TRUE(read.ok()) << read.error();
        EXPECT_EQ(read.value().taken, c.taken);
        EXPECT_EQ(read.value().orientation, c.orientation);
        ASSERT_EQ(read.value().position.has_value(), c.position.has_value());
        if (c.position) {
            EXPECT_NEAR(read.value().position->latitude, c.position->latitude, 1e-9);
            EXPECT_NEAR(read.value().position->longitude, c.position->longitude, 1e-9);
        }
    }
}

// A damaged or foreign file gives a reason, never a crash; what can still be read is read.
TEST(PhotoMetadata, DamagedFiles) {
    const QByteArray jpeg =
        testing::photoBytes(smallPicture(), PhotoFormat::Jpeg, morningOnTheTweed());
    const QByteArray heic =
        testing::photoBytes(smallPicture(), PhotoFormat::Heic, morningOnTheTweed());
    QByteArray garbledExif = jpeg;
    // The Exif segment's entries overwritten, its header kept.
    for (qsizetype i = 20; i < 80 && i < garbledExif.size(); ++i) garbledExif[i] = char(0xFF);

    struct Case {
        const char* what;
        QByteArray bytes;
        std::string reason;  // its beginning; none where what can be read is read
    };
    const std::string notAPhoto = "Not a photo this program can read";
    const std::string damaged = "The photo's metadata is damaged";
    const std::string damagedHeif = "The HEIF file is damaged";
    const Case cases[] = {
        {"empty", QByteArray(), notAPhoto},
        {"text", QByteArray("Trip to the Tweed, 1 May\n"), notAPhoto},
        {"jpeg's first bytes", jpeg.left(3), damaged},
        {"jpeg cut in its Exif", jpeg.left(40), damaged},
        {"heic cut in half", heic.left(heic.size() / 2), damagedHeif},
        {"heic's first bytes", heic.left(40), damagedHeif},
        {"garbled Exif", garbledExif, ""},
        // A video's box that claims 4 GB, which Exiv2's QuickTime reader would allocate.
        {"video", seed("video_box_of_gigabytes"), notAPhoto},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Result<PhotoMetadata> read = readPhotoMetadata(c.bytes);
        ASSERT_EQ(read.ok(), c.reason.empty()) << (read.ok() ? std::string() : read.error());
        if (read.ok()) {
            EXPECT_GE(read.value().orientation, 1);
            EXPECT_LE(read.value().orientation, 8);
        } else {
            EXPECT_EQ(read.error().substr(0, c.reason.size()), c.reason) << read.error();
        }
    }
    const QTemporaryDir dir;
    const Result<PhotoMetadata> missing = readPhotoMetadata(dir.filePath("gone.jpg"));
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error(), "No such file or directory");
    EXPECT_EQ(readPhotoMetadata(dir.path()).error(), "Not a photo file");
    const rodwick::testing::FeedingPipe pipe(dir.filePath("pipe.jpg").toStdString(),
                                             jpeg.toStdString());
    EXPECT_EQ(readPhotoMetadata(QString::fromStdString(pipe.path())).error(), "Not a photo file");
}

}  // namespace
}  // namespace rodwick::photos
