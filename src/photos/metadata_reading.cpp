// SPDX-License-Identifier: GPL-3.0-or-later
#include "media_reading.h"

#include <QFile>
#include <QFileInfo>
#include <exception>
#include <exiv2/exiv2.hpp>
#include <exiv2/webpimage.hpp>
#include <memory>
#include <string>
#include <vector>

#include "exif_values.h"
#include "media_libraries.h"

namespace rodwick::photos::reading {

namespace {

// Photos larger than this are no photos this program keeps with a trip.
constexpr qint64 kLargestFile = qint64(512) * 1024 * 1024;

// One field read where the tags may be damaged: a tag that makes Exiv2 throw is taken as
// absent, and the other fields are still read.
template <typename Read>
auto guarded(Read read) -> decltype(read()) {
    try {
        return read();
    } catch (const Exiv2::AnyError&) {
    } catch (const std::exception&) {
    }
    return {};
}

Exiv2::ExifData::const_iterator find(const Exiv2::ExifData& exif, const char* key) {
    return exif.findKey(Exiv2::ExifKey(key));
}

std::string textOf(const Exiv2::ExifData& exif, const char* key) {
    const auto it = find(exif, key);
    if (it == exif.end() || it->count() == 0) return {};
    return it->toString();
}

struct TimeTags {
    const char* dateTime;
    const char* subSeconds;
    const char* offset;
    TimeSource source;
};

// Surest first. TIFF/EP writers keep the shutter's moment in the first IFD.
constexpr TimeTags kTimeTags[] = {
    {"Exif.Photo.DateTimeOriginal", "Exif.Photo.SubSecTimeOriginal",
     "Exif.Photo.OffsetTimeOriginal", TimeSource::Original},
    {"Exif.Image.DateTimeOriginal", "Exif.Photo.SubSecTimeOriginal",
     "Exif.Photo.OffsetTimeOriginal", TimeSource::Original},
    {"Exif.Photo.DateTimeDigitized", "Exif.Photo.SubSecTimeDigitized",
     "Exif.Photo.OffsetTimeDigitized", TimeSource::Digitized},
    {"Exif.Image.DateTime", "Exif.Photo.SubSecTime", "Exif.Photo.OffsetTime", TimeSource::Changed},
};

std::optional<PhotoTime> takenOf(const Exiv2::ExifData& exif) {
    for (const TimeTags& tags : kTimeTags) {
        const auto reading =
            guarded([&] { return parseExifDateTime(textOf(exif, tags.dateTime)); });
        if (!reading) continue;
        const int ms = guarded([&] { return parseSubSeconds(textOf(exif, tags.subSeconds)); });
        const QTime time(reading->time.hour(), reading->time.minute(), reading->time.second(), ms);
        const auto offset = guarded([&] { return parseUtcOffset(textOf(exif, tags.offset)); });
        return PhotoTime{reading->date, time, offset, tags.source};
    }
    return std::nullopt;
}

int orientationOf(const Exiv2::ExifData& exif) {
    const auto it = find(exif, "Exif.Image.Orientation");
    if (it == exif.end() || it->count() == 0) return 1;
    const long value = it->toLong(0);
    return value >= 1 && value <= 8 ? static_cast<int>(value) : 1;
}

// The rationals of a GPS coordinate, as written; none where the tag is of another type.
std::vector<Rational> rationalsOf(const Exiv2::ExifData& exif, const char* key) {
    const auto it = find(exif, key);
    if (it == exif.end()) return {};
    std::vector<Rational> parts;
    const Exiv2::Value& value = it->value();
    if (const auto* unsignedParts = dynamic_cast<const Exiv2::URationalValue*>(&value)) {
        for (const auto& [numerator, denominator] : unsignedParts->value_) {
            parts.emplace_back(numerator, denominator);
        }
    } else if (const auto* signedParts = dynamic_cast<const Exiv2::RationalValue*>(&value)) {
        for (const auto& [numerator, denominator] : signedParts->value_) {
            parts.emplace_back(numerator, denominator);
        }
    }
    return parts;
}

std::optional<GeoPosition> positionOf(const Exiv2::ExifData& exif) {
    // A receiver that had no fix marks its measurement void.
    if (const std::string status = textOf(exif, "Exif.GPSInfo.GPSStatus");
        !status.empty() && status[0] == 'V') {
        return std::nullopt;
    }
    const auto latitude = degreesOf(rationalsOf(exif, "Exif.GPSInfo.GPSLatitude"),
                                    textOf(exif, "Exif.GPSInfo.GPSLatitudeRef"), 90);
    const auto longitude = degreesOf(rationalsOf(exif, "Exif.GPSInfo.GPSLongitude"),
                                     textOf(exif, "Exif.GPSInfo.GPSLongitudeRef"), 180);
    if (!latitude || !longitude) return std::nullopt;
    return GeoPosition{*latitude, *longitude};
}

PhotoMetadata metadataOf(const Exiv2::ExifData& exif) {
    PhotoMetadata metadata;
    metadata.taken = guarded([&] { return takenOf(exif); });
    metadata.orientation = guarded([&] { return std::optional(orientationOf(exif)); }).value_or(1);
    metadata.position = guarded([&] { return positionOf(exif); });
    return metadata;
}

std::string reasonOf(const Exiv2::AnyError& error) {
    if (error.code() == Exiv2::kerFileContainsUnknownImageType) {
        return "Not a photo this program can read";
    }
    return std::string("The photo's metadata is damaged: ") + error.what();
}

// Runs one reading through Exiv2, whose failures come as exceptions, and gives them as values.
template <typename Read>
Result<PhotoMetadata> caught(Read read) {
    prepareMediaLibraries();
    try {
        return read();
    } catch (const Exiv2::AnyError& error) {
        return Result<PhotoMetadata>::fail(reasonOf(error));
    } catch (const std::bad_alloc&) {
        return Result<PhotoMetadata>::fail("The photo's metadata is too large to be read");
    } catch (const std::exception& error) {
        return Result<PhotoMetadata>::fail(std::string("The photo's metadata is damaged: ") +
                                           error.what());
    }
}

// The photo formats read (DNG and the raw formats built on TIFF among them). Debian's Exiv2
// reads videos too, and its QuickTime reader takes a box's size on trust (0.27.6 asks for 2 GB
// for a file of 83 bytes): a file that is no photo never reaches it.
bool isPhotoType(int type) {
    return type == Exiv2::ImageType::jpeg || type == Exiv2::ImageType::png ||
           type == Exiv2::ImageType::webp || type == Exiv2::ImageType::tiff;
}

Result<PhotoMetadata> fromImage(std::unique_ptr<Exiv2::Image> image) {
    if (!image || !isPhotoType(image->imageType())) {
        return Result<PhotoMetadata>::fail("Not a photo this program can read");
    }
    image->readMetadata();
    return metadataOf(image->exifData());
}

Result<PhotoMetadata> fromHeif(const QByteArray& bytes) {
    const Result<QByteArray> block = heifExif(bytes);
    if (!block) return Result<PhotoMetadata>::fail(block.error());
    if (block.value().isEmpty()) return PhotoMetadata{};
    return caught([&] {
        Exiv2::ExifData exif;
        Exiv2::ExifParser::decode(exif, reinterpret_cast<const Exiv2::byte*>(block.value().data()),
                                  static_cast<uint32_t>(block.value().size()));
        return Result<PhotoMetadata>(metadataOf(exif));
    });
}

Result<PhotoMetadata> fromMemory(const QByteArray& bytes) {
    const auto* data = reinterpret_cast<const Exiv2::byte*>(bytes.constData());
    const auto size = static_cast<long>(bytes.size());
    // Exiv2 reports bytes too few to tell a type by as a failed read; both are no photo.
    const int type = guarded([&] {
                         return std::optional(Exiv2::ImageFactory::getType(data, size));
                     }).value_or(Exiv2::ImageType::none);
    if (type == Exiv2::ImageType::none) {
        return Result<PhotoMetadata>::fail("Not a photo this program can read");
    }
    return caught([&] {
        return fromImage(
            std::unique_ptr<Exiv2::Image>(Exiv2::ImageFactory::open(data, size).release()));
    });
}

// The formats Exiv2 reads from a file piece by piece; it maps the others (TIFF and the raw
// formats built on it) into memory, where a file cut short under it, on a card pulled out or
// by a sync program, would end the program instead of the reading.
bool readInPieces(QByteArrayView head) {
    return head.startsWith("\xFF\xD8\xFF") || head.startsWith("\x89PNG\r\n\x1A\n") ||
           (head.startsWith("RIFF") && head.size() >= 12 && head.sliced(8, 4) == "WEBP");
}

}  // namespace

Result<PhotoMetadata> readPhotoMetadata(const QByteArray& bytes) {
    if (isHeif(bytes.left(64))) return fromHeif(bytes);
    return fromMemory(bytes);
}

Result<PhotoMetadata> readPhotoMetadata(const QString& path) {
    // A named pipe would hold the reading until something wrote to it.
    if (const QFileInfo info(path); info.exists() && !info.isFile()) {
        return Result<PhotoMetadata>::fail("Not a photo file");
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Result<PhotoMetadata>::fail(file.errorString().toStdString());
    }
    const QByteArray head = file.peek(64);
    if (readInPieces(head)) {
        // By name, made absolute: Exiv2 takes a name such as "-" or "data:..." for another
        // source than a file.
        const QByteArray name = QFile::encodeName(QFileInfo(file).absoluteFilePath());
        return caught([&] {
            return fromImage(std::unique_ptr<Exiv2::Image>(
                Exiv2::ImageFactory::open(name.toStdString(), false).release()));
        });
    }
    if (file.size() > kLargestFile) return Result<PhotoMetadata>::fail("The file is too large");
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return Result<PhotoMetadata>::fail(file.errorString().toStdString());
    }
    return readPhotoMetadata(bytes);
}

}  // namespace rodwick::photos::reading
