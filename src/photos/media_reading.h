// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QSize>
#include <QString>

#include "photo_metadata.h"
#include "result.h"

namespace rodwick::photos {

// The readings that need Exiv2 and libheif, as the media module hands them over. Those two
// libraries (and the codecs libheif pulls in) cost a bare start-up several times its own
// linking, so the program loads them with the module when it first reads a photo.
struct MediaReading {
    // A module built from other sources than the program's is refused.
    int version = 0;
    Result<PhotoMetadata> (*metadataOfFile)(const QString& path) = nullptr;
    Result<PhotoMetadata> (*metadataOfBytes)(const QByteArray& bytes) = nullptr;
    bool (*isHeif)(QByteArrayView head) = nullptr;
    Result<QImage> (*decodeHeif)(const QByteArray& bytes, QSize bounds) = nullptr;
    Result<QByteArray> (*heifExif)(const QByteArray& bytes) = nullptr;
};

// Changed with every change to the table or to the types it passes.
inline constexpr int kMediaReadingVersion = 1;

// The implementation the module carries; the fuzz targets and a few tests link it directly.
// Each function is the one of the same name in photo_metadata.h and heif_files.h.
namespace reading {

Result<PhotoMetadata> readPhotoMetadata(const QString& path);
Result<PhotoMetadata> readPhotoMetadata(const QByteArray& bytes);
bool isHeif(QByteArrayView head);
Result<QImage> decodeHeif(const QByteArray& bytes, QSize bounds);
Result<QByteArray> heifExif(const QByteArray& bytes);

// The table of the functions above.
const MediaReading& mediaReadingTable();

}  // namespace reading

}  // namespace rodwick::photos

// The module's one exported symbol, a function returning the table.
#define RODWICK_MEDIA_ENTRY "rodwickMediaReading"
