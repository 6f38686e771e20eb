// SPDX-License-Identifier: GPL-3.0-or-later
#include "media_reading.h"

namespace rodwick::photos::reading {

const MediaReading& mediaReadingTable() {
    static constexpr MediaReading kTable{
        .version = kMediaReadingVersion,
        .metadataOfFile = [](const QString& path) { return readPhotoMetadata(path); },
        .metadataOfBytes = [](const QByteArray& bytes) { return readPhotoMetadata(bytes); },
        .isHeif = isHeif,
        .decodeHeif = decodeHeif,
        .heifExif = heifExif,
    };
    return kTable;
}

}  // namespace rodwick::photos::reading
