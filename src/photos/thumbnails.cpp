// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbnails.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <cerrno>
#include <cstring>
#include <functional>
#include <string>

#include "exif_values.h"
#include "heif_files.h"
#include "media_module.h"
#include "photo_metadata.h"

namespace rodwick::photos {

namespace {

constexpr char kNotAPicture[] = "Not a picture this program can show";
// Photos larger than this are no photos this program keeps with a trip.
constexpr qint64 kLargestFile = qint64(512) * 1024 * 1024;

QSize fitted(QSize size, QSize bounds) {
    if (!bounds.isValid() || (size.width() <= bounds.width() && size.height() <= bounds.height())) {
        return size;
    }
    return size.scaled(bounds, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

// Qt's readers turn what they know to be turned (JPEG and TIFF read their orientation
// themselves); for the others (PNG's eXIf, WebP's Exif) the orientation comes from Exiv2.
Result<QImage> readWithQt(QIODevice* device, QSize bounds,
                          const std::function<int()>& exifOrientation) {
    QImageReader reader(device);
    if (!reader.canRead()) {
        if (reader.error() == QImageReader::UnsupportedFormatError) {
            return Result<QImage>::fail(kNotAPicture);
        }
        return Result<QImage>::fail("The picture cannot be read: " +
                                    reader.errorString().toStdString());
    }
    const bool qtTurns = reader.supportsOption(QImageIOHandler::ImageTransformation);
    int orientation = 1;
    bool onItsSide = false;
    if (qtTurns) {
        onItsSide = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
    } else {
        orientation = exifOrientation();
        onItsSide = storedOnItsSide(orientation);
    }
    // The scaled size is the stored picture's, before it is turned upright.
    const QSize stored = reader.size();
    bool scaledWhileRead = false;
    if (stored.isValid() && bounds.isValid()) {
        const QSize upright = onItsSide ? stored.transposed() : stored;
        const QSize target = fitted(upright, bounds);
        if (target != upright) {
            reader.setScaledSize(onItsSide ? target.transposed() : target);
        }
        scaledWhileRead = true;
    }
    reader.setAutoTransform(qtTurns);
    QImage picture;
    if (!reader.read(&picture)) {
        return Result<QImage>::fail("The picture cannot be read: " +
                                    reader.errorString().toStdString());
    }
    if (!qtTurns) picture = turnUpright(picture, orientation);
    if (!scaledWhileRead) {
        const QSize target = fitted(picture.size(), bounds);
        if (target != picture.size()) {
            picture = picture.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
    }
    if (picture.isNull()) return Result<QImage>::fail("Out of memory");
    return picture;
}

Result<QByteArray> readWhole(QFile& file) {
    if (file.size() > kLargestFile) return Result<QByteArray>::fail("The file is too large");
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return Result<QByteArray>::fail(file.errorString().toStdString());
    }
    return bytes;
}

}  // namespace

Result<QImage> readFittedPicture(const QByteArray& bytes, QSize bounds) {
    // Without Exiv2 a PNG or WebP would be shown unturned: no picture rather than a wrong one.
    if (const Status ready = mediaModuleReady(); !ready)
        return Result<QImage>::fail(ready.message());
    if (isHeif(bytes.left(64))) return decodeHeif(bytes, bounds);
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly)) return Result<QImage>::fail(kNotAPicture);
    return readWithQt(&buffer, bounds, [&] {
        const Result<PhotoMetadata> metadata = readPhotoMetadata(bytes);
        return metadata ? metadata.value().orientation : 1;
    });
}

Result<QImage> readFittedPicture(const QString& path, QSize bounds) {
    if (const Status ready = mediaModuleReady(); !ready)
        return Result<QImage>::fail(ready.message());
    // A named pipe would hold the reading until something wrote to it.
    if (const QFileInfo info(path); info.exists() && !info.isFile()) {
        return Result<QImage>::fail("Not a photo file");
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Result<QImage>::fail(file.errorString().toStdString());
    if (isHeif(file.peek(64))) {
        const Result<QByteArray> bytes = readWhole(file);
        if (!bytes) return Result<QImage>::fail(bytes.error());
        return decodeHeif(bytes.value(), bounds);
    }
    return readWithQt(&file, bounds, [&] {
        const Result<PhotoMetadata> metadata = readPhotoMetadata(path);
        return metadata ? metadata.value().orientation : 1;
    });
}

int edgeOf(ThumbnailSize size) {
    return size == ThumbnailSize::Large ? 256 : 128;
}

Result<QImage> makeThumbnail(const QString& path, ThumbnailSize size) {
    return readFittedPicture(path, QSize(edgeOf(size), edgeOf(size)));
}

QByteArray fileUri(const QString& path) {
    // RFC 2396's unreserved characters and those a path segment allows unescaped. ';' starts a
    // parameter there, so it is escaped as well.
    static constexpr char kKept[] = "-_.!~*'()/:@&=+$,";
    const QByteArray bytes = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    QByteArray uri = "file://";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
            (byte >= '0' && byte <= '9') || (byte != 0 && std::strchr(kKept, byte))) {
            uri += c;
        } else {
            static constexpr char kHex[] = "0123456789ABCDEF";
            uri += '%';
            uri += kHex[byte >> 4];
            uri += kHex[byte & 0xF];
        }
    }
    return uri;
}

std::optional<PhotoFileState> PhotoFileState::of(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return std::nullopt;
    }
    return PhotoFileState{static_cast<qint64>(st.st_mtime), static_cast<qint64>(st.st_size)};
}

ThumbnailCache::ThumbnailCache(QString folder) : folder_(std::move(folder)) {}

ThumbnailCache ThumbnailCache::standard() {
    // The base folder is taken only as an absolute path, as the XDG base directories say.
    QString base = qEnvironmentVariable("XDG_CACHE_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base)) base = QDir::homePath() + "/.cache";
    return ThumbnailCache(base + "/thumbnails");
}

QString ThumbnailCache::fileFor(const QString& photoPath, ThumbnailSize size) const {
    const QByteArray md5 = QCryptographicHash::hash(fileUri(photoPath), QCryptographicHash::Md5);
    return folder_ + (size == ThumbnailSize::Large ? "/large/" : "/normal/") +
           QString::fromLatin1(md5.toHex()) + ".png";
}

std::optional<QImage> ThumbnailCache::find(const QString& photoPath, ThumbnailSize size,
                                           const PhotoFileState& now) const {
    QImageReader reader(fileFor(photoPath, size), "png");
    QImage thumbnail;
    if (!reader.read(&thumbnail)) return std::nullopt;
    if (thumbnail.text("Thumb::URI").toLatin1() != fileUri(photoPath)) return std::nullopt;
    bool ok = false;
    if (thumbnail.text("Thumb::MTime").toLongLong(&ok) != now.modified || !ok) return std::nullopt;
    if (const QString bytes = thumbnail.text("Thumb::Size");
        !bytes.isEmpty() && bytes.toLongLong() != now.size) {
        return std::nullopt;
    }
    // Another program's thumbnail larger than the size names is made again.
    if (std::max(thumbnail.width(), thumbnail.height()) > edgeOf(size)) return std::nullopt;
    return thumbnail;
}

namespace {

std::string systemReason(int error) {
    return std::strerror(error);
}

// Each folder from the cache's own down, made where missing, readable by the user alone.
Status makeFolders(const QString& folder) {
    const QStringList parts = QDir::cleanPath(folder).split('/', Qt::SkipEmptyParts);
    QString path;
    for (const QString& part : parts) {
        path += '/' + part;
        const QByteArray name = QFile::encodeName(path);
        if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST) {
            return Status::fail(systemReason(errno));
        }
    }
    return Status::success();
}

// Written beside the target and renamed over it: a reader finds the old thumbnail or the new
// one, never a part. No fsync: a thumbnail lost to a crash is made again.
Status writeReplacing(const QString& target, const QByteArray& bytes) {
    QByteArray pattern = QFile::encodeName(target) + ".XXXXXX";
    const int fd = ::mkstemp(pattern.data());  // mode 0600
    if (fd < 0) return Status::fail(systemReason(errno));
    qsizetype written = 0;
    int error = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            error = n < 0 ? errno : ENOSPC;
            break;
        }
        written += n;
    }
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(pattern.constData(), QFile::encodeName(target).constData()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(pattern.constData());
        return Status::fail(systemReason(error));
    }
    return Status::success();
}

}  // namespace

Status ThumbnailCache::store(const QString& photoPath, ThumbnailSize size, const QImage& thumbnail,
                             const PhotoFileState& read) const {
    const QString photo = QFileInfo(photoPath).absoluteFilePath();
    const QString cache = QDir::cleanPath(QFileInfo(folder_).absoluteFilePath());
    if (photo.startsWith(cache + '/')) return Status::fail("The photo lies inside the cache");
    const QString target = fileFor(photoPath, size);
    if (Status made = makeFolders(QFileInfo(target).path()); !made) return made;

    QImage tagged = thumbnail;
    tagged.setText("Thumb::URI", QString::fromLatin1(fileUri(photoPath)));
    tagged.setText("Thumb::MTime", QString::number(read.modified));
    tagged.setText("Thumb::Size", QString::number(read.size));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    // zlib's level 4 rather than its default 6: a third of the time for a tenth more bytes.
    writer.setQuality(50);
    if (!writer.write(tagged)) return Status::fail(writer.errorString().toStdString());
    return writeReplacing(target, png);
}

Result<QImage> thumbnailOf(const QString& path, ThumbnailSize size, const ThumbnailCache* cache) {
    // Taken before the photo is read, so that a change while it is read shows as a newer
    // photo than the thumbnail kept.
    const std::optional<PhotoFileState> state = PhotoFileState::of(path);
    if (cache && state) {
        if (std::optional<QImage> kept = cache->find(path, size, *state)) return *kept;
    }
    Result<QImage> made = makeThumbnail(path, size);
    if (made && cache && state) {
        // A cache that cannot be written leaves the thumbnail made all the same.
        (void)cache->store(path, size, made.value(), *state);
    }
    return made;
}

QPixmap picturePlace(int edge, bool framed) {
    QPixmap place(edge, edge);
    place.fill(Qt::transparent);
    if (framed) {
        QPainter painter(&place);
        painter.setPen(QPen(Qt::gray, 1, Qt::DashLine));
        painter.drawRect(place.rect().adjusted(0, 0, -1, -1));
    }
    return place;
}

}  // namespace rodwick::photos
