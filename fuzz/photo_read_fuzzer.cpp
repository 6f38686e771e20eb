// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a photo: the metadata through Exiv2 (or libheif and Exiv2's Exif parser) and the
// picture through Qt's readers on a buffer (or libheif) give values or a reason, never a crash,
// and what they give is possible: an orientation of 1 to 8, a valid date, a position on the
// globe, a picture within the size asked for.
#include <QBuffer>
#include <QImageReader>
#include <QtGlobal>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "fuzz_check.h"
#include "media_module.h"
#include "photo_metadata.h"
#include "thumbnails.h"

using namespace rodwick::photos;
using rodwick::fuzz::require;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The readings are linked in, instrumented, rather than loaded from the media module.
    useMediaReading(reading::mediaReadingTable());
    // A header may claim any size: a small allocation limit keeps each run quick, and the
    // refusal of a large picture is part of what is tried.
    QImageReader::setAllocationLimit(16);
    // The readers' complaints about damaged data would drown libFuzzer's own output.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const rodwick::Result<PhotoMetadata> metadata = readPhotoMetadata(bytes);
    if (metadata) {
        const PhotoMetadata& read = metadata.value();
        require(read.orientation >= 1 && read.orientation <= 8, "orientation within 1..8");
        if (read.taken) {
            require(read.taken->date.isValid() && read.taken->time.isValid(), "a valid time");
        }
        if (read.position) {
            require(std::fabs(read.position->latitude) <= 90, "latitude on the globe");
            require(std::fabs(read.position->longitude) <= 180, "longitude on the globe");
        }
    } else {
        require(!metadata.error().empty(), "a failed metadata reading has a reason");
    }

    const QSize bounds(64, 64);
    const rodwick::Result<QImage> picture = readFittedPicture(bytes, bounds);
    if (picture) {
        require(!picture.value().isNull(), "a picture read is no null image");
        require(picture.value().width() <= bounds.width() &&
                    picture.value().height() <= bounds.height(),
                "a picture fitted within its bounds");
    } else {
        require(!picture.error().empty(), "a picture not read has a reason");
    }
    return 0;
}
