// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <ostream>
#include <string>

namespace rodwick::testing {

// Photos the tests make themselves: a picture drawn with QImage, saved by Qt (HEIC by libheif),
// its Exif tags written by Exiv2's own writer as a camera's would be.

enum class PhotoFormat { Jpeg, Png, PngExifChunk, WebP, Tiff, Heic };
// "jpeg", "png", "png-exif-chunk", ... for test names and file names.
std::string nameOf(PhotoFormat format);
inline void PrintTo(PhotoFormat format, std::ostream* out) {
    *out << nameOf(format);
}
// The file name suffix a camera or phone gives the format.
QString suffixOf(PhotoFormat format);

// The tags written, as their texts: empty ones are left out. The GPS coordinates are written as
// Exiv2 reads rationals ("52/1 30/1 1234/100").
struct PhotoTags {
    std::string original{};      // Exif.Photo.DateTimeOriginal
    std::string digitized{};     // Exif.Photo.DateTimeDigitized
    std::string changed{};       // Exif.Image.DateTime
    std::string subSeconds{};    // Exif.Photo.SubSecTimeOriginal
    std::string offset{};        // Exif.Photo.OffsetTimeOriginal
    int orientation = 0;         // Exif.Image.Orientation, 0 for none
    std::string latitude{};      // Exif.GPSInfo.GPSLatitude
    std::string latitudeRef{};   // "N" or "S"
    std::string longitude{};     // Exif.GPSInfo.GPSLongitude
    std::string longitudeRef{};  // "E" or "W"
    std::string gpsStatus{};     // Exif.GPSInfo.GPSStatus
};

// A picture no turn or mirror leaves alike: red top left, green top right, blue bottom left,
// yellow bottom right.
QImage quadrants(QSize size);
// The colour of each corner's quadrant, in the order above.
inline const QColor kQuadrantColours[4] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
// Which of kQuadrantColours the picture's quadrant (0 top left .. 3 bottom right) is nearest,
// read at the quadrant's middle; -1 where it is none of them.
int quadrantColour(const QImage& picture, int quadrant);

// The upright picture stored as a camera stores it under the Exif orientation (1 to 8), taken
// pixel by pixel from the orientation's definition: where its first row and column lie.
QImage storedAs(const QImage& upright, int orientation);

// The photo's bytes in the format with the tags written. PngExifChunk carries the Exif in a
// PNG eXIf chunk (Exiv2 itself writes a text chunk); Heic is also told the orientation as its
// own rotation boxes, as a phone writes both.
QByteArray photoBytes(const QImage& stored, PhotoFormat format, const PhotoTags& tags = {});

// Writes bytes to a file; false where it cannot be written.
bool writeFile(const QString& path, const QByteArray& bytes);

}  // namespace rodwick::testing
