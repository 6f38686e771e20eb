// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <optional>

#include "result.h"

namespace rodwick::photos {

// The photo at path upright, as the camera recorded it, scaled down to fit within bounds while
// it is read (a JPEG is decoded at the smaller size); a photo that fits already keeps its size,
// and so does every photo for invalid bounds. JPEG, PNG, WebP, TIFF, GIF, BMP and HEIF. Where
// there is no picture to show, the reason, in a sentence for the place it would have taken.
Result<QImage> readFittedPicture(const QString& path, QSize bounds);
// The same, of a photo held in memory.
Result<QImage> readFittedPicture(const QByteArray& bytes, QSize bounds);

// The two sizes of the desktop's thumbnail cache: 128 and 256 pixels on the longer side.
enum class ThumbnailSize { Normal, Large };
int edgeOf(ThumbnailSize size);

// A new thumbnail of the photo, without the cache.
Result<QImage> makeThumbnail(const QString& path, ThumbnailSize size);

// The file's URI as the thumbnail cache names files: "file://" and the absolute path's bytes,
// every one outside RFC 2396's path characters percent-encoded (as GLib writes it, so that
// the desktop's other programs find the same thumbnails).
QByteArray fileUri(const QString& path);

// What a thumbnail is made of: the photo's modification time (whole seconds since the epoch,
// as stat gives it) and size, taken before the photo is read.
struct PhotoFileState {
    qint64 modified = 0;
    qint64 size = 0;
    bool operator==(const PhotoFileState&) const = default;

    // None for a file that is missing or no regular file.
    static std::optional<PhotoFileState> of(const QString& path);
};

// The thumbnail cache the desktop's file managers and photo programs share: PNGs in the
// folder's normal/ and large/, named by the MD5 of the photo's URI, each telling in its
// Thumb::URI and Thumb::MTime which photo and which version of it it shows.
class ThumbnailCache {
  public:
    explicit ThumbnailCache(QString folder);
    // $XDG_CACHE_HOME/thumbnails, else ~/.cache/thumbnails.
    static ThumbnailCache standard();

    const QString& folder() const { return folder_; }
    // Where the thumbnail of the photo is kept.
    QString fileFor(const QString& photoPath, ThumbnailSize size) const;
    // The kept thumbnail, only where it was made of this photo as it is now (its URI, time and,
    // where the thumbnail tells it, size).
    std::optional<QImage> find(const QString& photoPath, ThumbnailSize size,
                               const PhotoFileState& now) const;
    // Keeps a thumbnail made of the photo as it was: written to a temporary file that is
    // renamed into place, so that no reader sees half of it, readable by the user alone
    // (folders 0700, files 0600). The photos inside the cache itself are not kept.
    Status store(const QString& photoPath, ThumbnailSize size, const QImage& thumbnail,
                 const PhotoFileState& read) const;

  private:
    QString folder_;
};

// The photo's thumbnail: from the cache where it holds one of the photo as it is, else made
// (and kept in the cache, where one is given and can be written; a cache that cannot be
// written costs the next look the making again, nothing more).
Result<QImage> thumbnailOf(const QString& path, ThumbnailSize size, const ThumbnailCache* cache);

// The place of a picture still to come or one that cannot be shown: a dashed frame, edge
// pixels square, clear inside; without the frame, a place merely held (rows kept aligned).
QPixmap picturePlace(int edge, bool framed = true);

}  // namespace rodwick::photos
