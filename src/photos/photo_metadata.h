// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <optional>

#include "photo_index.h"
#include "result.h"

namespace rodwick::photos {

// Which of a photo's recorded times was found. The shutter's moment is the surest; the moment
// it became digital data is the same on a camera (and the scan, on film); the moment a program
// last changed the file is the least sure, so a caller may weigh it less.
enum class TimeSource { Original, Digitized, Changed };

// A photo's time as the camera's clock read it, in the camera's zone.
struct PhotoTime {
    QDate date;
    QTime time;                           // to the millisecond where the camera gave one
    std::optional<int> utcOffsetSeconds;  // where the camera recorded its zone (Exif 2.31)
    TimeSource source = TimeSource::Original;

    // The moment, in its zone where known, else as local time.
    QDateTime dateTime() const;
    // The camera's clock to the second, as an angler writes a trip's times: the zone is not
    // applied, so that photos of a trip abroad keep the times of where they were taken.
    rodwick::PhotoTime clockTime() const;
    bool operator==(const PhotoTime&) const = default;
};

// Where the photo was taken, in decimal degrees: north and east positive.
struct GeoPosition {
    double latitude = 0;
    double longitude = 0;
    bool operator==(const GeoPosition&) const = default;
};

struct PhotoMetadata {
    // From Exif.Photo.DateTimeOriginal, else DateTimeDigitized, else Exif.Image.DateTime; with
    // the matching SubSecTime and OffsetTime tags. Never the file's modification time, which a
    // copy or a sync program changes.
    std::optional<PhotoTime> taken;
    // Exif.Image.Orientation: how the stored picture is turned from upright, 1 to 8; 1 where
    // the photo has none or a value outside them.
    int orientation = 1;
    // From the GPS tags, where the photo has a complete and possible position.
    std::optional<GeoPosition> position;
    bool operator==(const PhotoMetadata&) const = default;
};

// Reads the time, orientation and position of the photo at path (JPEG, PNG, WebP, TIFF, HEIF,
// and the raw formats Exiv2 knows). A photo without them is no failure: its fields stay empty.
// A file that cannot be opened, is no photo or is damaged beyond its metadata gives the reason.
Result<PhotoMetadata> readPhotoMetadata(const QString& path);
// The same, of a photo held in memory.
Result<PhotoMetadata> readPhotoMetadata(const QByteArray& bytes);

}  // namespace rodwick::photos
