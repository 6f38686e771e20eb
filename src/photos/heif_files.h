// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QSize>

#include "result.h"

namespace rodwick::photos {

// HEIF files (the HEIC photos of phones, AVIF) read through libheif: Qt has no reader of its
// own for them here, and Exiv2 0.27 does not find the Exif of every HEIF layout.

// Whether the first bytes of a file (a dozen are enough) begin a HEIF file libheif can read.
bool isHeif(QByteArrayView head);

// The primary picture upright (the file's own rotation and mirroring applied, as HEIF asks;
// its Exif orientation is not applied again), scaled down to fit within bounds where it is
// larger; an invalid bounds keeps its size. A thumbnail the file carries is used where it is
// large enough. A picture beyond QImageReader's allocation limit is refused, as Qt refuses one,
// and so is one whose longest side is past twice that of the largest square the limit allows
// (about 16000 pixels under Qt's 256 MB).
Result<QImage> decodeHeif(const QByteArray& bytes, QSize bounds);

// The primary picture's Exif block, from its TIFF header on (as Exif parsers take it); empty
// where the file has none.
Result<QByteArray> heifExif(const QByteArray& bytes);

}  // namespace rodwick::photos
