// SPDX-License-Identifier: GPL-3.0-or-later
#include "rodwick_test/sample_photos.h"

#include <libheif/heif.h>

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QtEndian>
#include <array>
#include <cstdint>
#include <cstring>
#include <exiv2/exiv2.hpp>
#include <memory>
#include <stdexcept>
#include <vector>

namespace rodwick::testing {

namespace {
// Each format's name for tests and its file name suffix, in the order of PhotoFormat.
const char* const kFormatNames[][2] = {{"jpeg", "jpg"},  {"png", "png"},  {"png_exif_chunk", "png"},
                                       {"webp", "webp"}, {"tiff", "tif"}, {"heic", "heic"}};
}  // namespace

std::string nameOf(PhotoFormat format) {
    return kFormatNames[static_cast<int>(format)][0];
}

QString suffixOf(PhotoFormat format) {
    return QString::fromLatin1(kFormatNames[static_cast<int>(format)][1]);
}

QImage quadrants(QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    QPainter painter(&picture);
    const int halfWidth = size.width() / 2, halfHeight = size.height() / 2;
    painter.fillRect(0, 0, halfWidth, halfHeight, kQuadrantColours[0]);
    painter.fillRect(halfWidth, 0, size.width() - halfWidth, halfHeight, kQuadrantColours[1]);
    painter.fillRect(0, halfHeight, halfWidth, size.height() - halfHeight, kQuadrantColours[2]);
    painter.fillRect(halfWidth, halfHeight, size.width() - halfWidth, size.height() - halfHeight,
                     kQuadrantColours[3]);
    return picture;
}

int quadrantColour(const QImage& picture, int quadrant) {
    const int x = picture.width() * (quadrant % 2 == 0 ? 1 : 3) / 4;
    const int y = picture.height() * (quadrant < 2 ? 1 : 3) / 4;
    const QColor seen = picture.pixelColor(x, y);
    for (int i = 0; i < 4; ++i) {
        const QColor& c = kQuadrantColours[i];
        // Lossy formats move a colour a little, never to another of the four.
        if (std::abs(seen.red() - c.red()) < 60 && std::abs(seen.green() - c.green()) < 60 &&
            std::abs(seen.blue() - c.blue()) < 60) {
            return i;
        }
    }
    return -1;
}

QImage storedAs(const QImage& upright, int orientation) {
    const int width = upright.width(), height = upright.height();
    const bool onSide = orientation >= 5 && orientation <= 8;
    QImage stored(onSide ? height : width, onSide ? width : height, upright.format());
    // Where each stored pixel lies in the upright picture: 5 to 8 swap rows and columns; 2, 3,
    // 6 and 7 then read the columns from the right side, 3, 4, 7 and 8 the rows from the bottom.
    const bool fromRight =
        orientation == 2 || orientation == 3 || orientation == 6 || orientation == 7;
    const bool fromBottom =
        orientation == 3 || orientation == 4 || orientation == 7 || orientation == 8;
    for (int sy = 0; sy < stored.height(); ++sy) {
        for (int sx = 0; sx < stored.width(); ++sx) {
            const int ux = onSide ? sy : sx, uy = onSide ? sx : sy;
            stored.setPixel(
                sx, sy,
                upright.pixel(fromRight ? width - 1 - ux : ux, fromBottom ? height - 1 - uy : uy));
        }
    }
    return stored;
}

namespace {

QByteArray savedByQt(const QImage& picture, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, format, 95)) throw std::runtime_error("Qt cannot write the format");
    return bytes;
}

void setTags(Exiv2::ExifData& exif, const PhotoTags& tags) {
    const auto text = [&](const char* key, const std::string& value) {
        if (!value.empty()) exif[key] = value;
    };
    text("Exif.Photo.DateTimeOriginal", tags.original);
    text("Exif.Photo.DateTimeDigitized", tags.digitized);
    text("Exif.Image.DateTime", tags.changed);
    text("Exif.Photo.SubSecTimeOriginal", tags.subSeconds);
    text("Exif.Photo.OffsetTimeOriginal", tags.offset);
    if (tags.orientation != 0) exif["Exif.Image.Orientation"] = uint16_t(tags.orientation);
    const auto rationals = [&](const char* key, const std::string& value) {
        if (value.empty()) return;
        Exiv2::URationalValue parts;
        parts.read(value);
        exif[key] = parts;
    };
    rationals("Exif.GPSInfo.GPSLatitude", tags.latitude);
    text("Exif.GPSInfo.GPSLatitudeRef", tags.latitudeRef);
    rationals("Exif.GPSInfo.GPSLongitude", tags.longitude);
    text("Exif.GPSInfo.GPSLongitudeRef", tags.longitudeRef);
    text("Exif.GPSInfo.GPSStatus", tags.gpsStatus);
}

// The tags written into the file by Exiv2, as it writes them into any format it knows.
QByteArray withTags(const QByteArray& file, const PhotoTags& tags) {
    auto image = Exiv2::ImageFactory::open(reinterpret_cast<const Exiv2::byte*>(file.constData()),
                                           static_cast<long>(file.size()));
    image->readMetadata();
    setTags(image->exifData(), tags);
    image->writeMetadata();
    Exiv2::BasicIo& io = image->io();
    io.seek(0, Exiv2::BasicIo::beg);
    const Exiv2::DataBuf written = io.read(static_cast<long>(io.size()));
    return QByteArray(reinterpret_cast<const char*>(written.pData_), written.size_);
}

// The tags as an Exif block from its TIFF header on, as Exiv2 encodes it.
QByteArray exifBlock(const PhotoTags& tags) {
    Exiv2::ExifData exif;
    setTags(exif, tags);
    Exiv2::Blob blob;
    if (exif.empty()) return {};
    Exiv2::ExifParser::encode(blob, Exiv2::bigEndian, exif);
    return QByteArray(reinterpret_cast<const char*>(blob.data()), qsizetype(blob.size()));
}

quint32 crc32(const QByteArray& bytes) {
    quint32 crc = 0xFFFFFFFF;
    for (const char c : bytes) {
        crc ^= static_cast<unsigned char>(c);
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

// The Exif in a PNG eXIf chunk, placed before the picture data as the PNG standard asks.
QByteArray withExifChunk(QByteArray png, const PhotoTags& tags) {
    const QByteArray body = "eXIf" + exifBlock(tags);
    QByteArray chunk(4, '\0');
    qToBigEndian<quint32>(quint32(body.size() - 4), chunk.data());
    chunk += body;
    QByteArray crc(4, '\0');
    qToBigEndian<quint32>(crc32(body), crc.data());
    chunk += crc;
    const qsizetype data = png.indexOf("IDAT") - 4;
    if (data < 8) throw std::runtime_error("no picture data in the PNG");
    return png.insert(data, chunk);
}

void check(heif_error error) {
    if (error.code != heif_error_Ok) throw std::runtime_error(error.message);
}

QByteArray heicBytes(const QImage& stored, const PhotoTags& tags) {
    const std::unique_ptr<heif_context, decltype(&heif_context_free)> context(heif_context_alloc(),
                                                                              heif_context_free);
    heif_encoder* rawEncoder = nullptr;
    check(heif_context_get_encoder_for_format(context.get(), heif_compression_HEVC, &rawEncoder));
    const std::unique_ptr<heif_encoder, decltype(&heif_encoder_release)> encoder(
        rawEncoder, heif_encoder_release);
    check(heif_encoder_set_lossy_quality(encoder.get(), 90));

    const QImage rgb = stored.convertToFormat(QImage::Format_RGB888);
    heif_image* rawImage = nullptr;
    check(heif_image_create(rgb.width(), rgb.height(), heif_colorspace_RGB,
                            heif_chroma_interleaved_RGB, &rawImage));
    const std::unique_ptr<heif_image, decltype(&heif_image_release)> image(rawImage,
                                                                           heif_image_release);
    check(
        heif_image_add_plane(image.get(), heif_channel_interleaved, rgb.width(), rgb.height(), 8));
    int stride = 0;
    uint8_t* plane = heif_image_get_plane(image.get(), heif_channel_interleaved, &stride);
    for (int y = 0; y < rgb.height(); ++y) {
        std::memcpy(plane + y * stride, rgb.constScanLine(y), rgb.width() * 3);
    }
    const std::unique_ptr<heif_encoding_options, decltype(&heif_encoding_options_free)> options(
        heif_encoding_options_alloc(), heif_encoding_options_free);
    if (tags.orientation >= 1 && tags.orientation <= 8) {
        options->image_orientation = static_cast<heif_orientation>(tags.orientation);
    }
    heif_image_handle* rawHandle = nullptr;
    check(heif_context_encode_image(context.get(), image.get(), encoder.get(), options.get(),
                                    &rawHandle));
    const std::unique_ptr<heif_image_handle, decltype(&heif_image_handle_release)> handle(
        rawHandle, heif_image_handle_release);
    if (const QByteArray exif = exifBlock(tags); !exif.isEmpty()) {
        check(heif_context_add_exif_metadata(context.get(), handle.get(), exif.constData(),
                                             int(exif.size())));
    }

    QByteArray bytes;
    heif_writer writer{};
    writer.writer_api_version = 1;
    writer.write = [](heif_context*, const void* data, size_t size, void* out) {
        static_cast<QByteArray*>(out)->append(static_cast<const char*>(data), qsizetype(size));
        return heif_error{heif_error_Ok, heif_suberror_Unspecified, "Success"};
    };
    check(heif_context_write(context.get(), &writer, &bytes));
    return bytes;
}

}  // namespace

QByteArray photoBytes(const QImage& stored, PhotoFormat format, const PhotoTags& tags) {
    switch (format) {
        case PhotoFormat::Jpeg:
            return withTags(savedByQt(stored, "jpeg"), tags);
        case PhotoFormat::Png:
            return withTags(savedByQt(stored, "png"), tags);
        case PhotoFormat::PngExifChunk:
            return withExifChunk(savedByQt(stored, "png"), tags);
        case PhotoFormat::WebP:
            return withTags(savedByQt(stored, "webp"), tags);
        case PhotoFormat::Tiff:
            return withTags(savedByQt(stored, "tiff"), tags);
        case PhotoFormat::Heic:
            return heicBytes(stored, tags);
    }
    return {};
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace rodwick::testing
