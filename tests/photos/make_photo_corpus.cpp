// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the seed photos of the photo reading fuzz target: small photos of every format the
// program reads, each with the tags it looks for, so that the fuzzer starts from real ones.
// Usage: make_photo_corpus FOLDER
#include <QDir>
#include <cstdio>

#include "rodwick_test/sample_photos.h"

using rodwick::testing::PhotoFormat;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) return 1;
    const rodwick::testing::PhotoTags tags{.original = "2023:05:01 06:30:15",
                                           .subSeconds = "25",
                                           .offset = "+01:00",
                                           .orientation = 6,
                                           .latitude = "55/1 39/1 3600/100",
                                           .latitudeRef = "N",
                                           .longitude = "2/1 7/1 1200/100",
                                           .longitudeRef = "W"};
    const QImage stored = rodwick::testing::storedAs(rodwick::testing::quadrants(QSize(24, 16)), 6);
    for (const PhotoFormat format : {PhotoFormat::Jpeg, PhotoFormat::Png, PhotoFormat::PngExifChunk,
                                     PhotoFormat::WebP, PhotoFormat::Tiff, PhotoFormat::Heic}) {
        const QString name = QString::fromStdString(rodwick::testing::nameOf(format)) + "." +
                             rodwick::testing::suffixOf(format);
        const QByteArray bytes = rodwick::testing::photoBytes(stored, format, tags);
        if (!rodwick::testing::writeFile(folder.filePath(name), bytes)) return 1;
        std::printf("%s: %lld bytes\n", qPrintable(name), static_cast<long long>(bytes.size()));
    }
    return 0;
}
