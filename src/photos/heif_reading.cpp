// SPDX-License-Identifier: GPL-3.0-or-later
#include "media_reading.h"

#include <libheif/heif.h>

#include <QImageReader>
#include <QtEndian>
#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include "media_libraries.h"

namespace rodwick::photos::reading {

namespace {

struct ContextFree {
    void operator()(heif_context* context) const { heif_context_free(context); }
};
struct HandleRelease {
    void operator()(heif_image_handle* handle) const { heif_image_handle_release(handle); }
};
struct ImageRelease {
    void operator()(heif_image* image) const { heif_image_release(image); }
};
struct OptionsFree {
    void operator()(heif_decoding_options* options) const { heif_decoding_options_free(options); }
};
using Context = std::unique_ptr<heif_context, ContextFree>;
using Handle = std::unique_ptr<heif_image_handle, HandleRelease>;
using Image = std::unique_ptr<heif_image, ImageRelease>;
using Options = std::unique_ptr<heif_decoding_options, OptionsFree>;

std::string damaged(const heif_error& error) {
    return std::string("The HEIF file is damaged: ") + (error.message ? error.message : "");
}

// The file's context and its primary image, read from bytes the caller keeps alive.
struct Primary {
    Context context;
    Handle handle;
};

Result<Primary> openPrimary(const QByteArray& bytes) {
    prepareMediaLibraries();
    Context context(heif_context_alloc());
    if (!context) return Result<Primary>::fail("Out of memory");
    heif_error error = heif_context_read_from_memory_without_copy(
        context.get(), bytes.constData(), static_cast<size_t>(bytes.size()), nullptr);
    if (error.code != heif_error_Ok) return Result<Primary>::fail(damaged(error));
    heif_image_handle* primary = nullptr;
    error = heif_context_get_primary_image_handle(context.get(), &primary);
    if (error.code != heif_error_Ok) return Result<Primary>::fail(damaged(error));
    return Primary{std::move(context), Handle(primary)};
}

QSize sizeOf(const heif_image_handle* handle) {
    return {heif_image_handle_get_width(handle), heif_image_handle_get_height(handle)};
}

QSize fitted(QSize size, QSize bounds) {
    if (!bounds.isValid() || (size.width() <= bounds.width() && size.height() <= bounds.height())) {
        return size;
    }
    return size.scaled(bounds, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

// The smallest thumbnail the file carries that is at least the size asked for, else none.
Handle thumbnailAtLeast(heif_image_handle* primary, QSize wanted) {
    const int count = heif_image_handle_get_number_of_thumbnails(primary);
    if (count <= 0 || count > 16) return {};
    heif_item_id ids[16];
    const int listed = heif_image_handle_get_list_of_thumbnail_IDs(primary, ids, count);
    Handle best;
    for (int i = 0; i < listed; ++i) {
        heif_image_handle* thumbnail = nullptr;
        if (heif_image_handle_get_thumbnail(primary, ids[i], &thumbnail).code != heif_error_Ok) {
            continue;
        }
        Handle candidate(thumbnail);
        const QSize size = sizeOf(thumbnail);
        if (size.width() < wanted.width() || size.height() < wanted.height()) continue;
        if (!best || size.width() < sizeOf(best.get()).width()) best = std::move(candidate);
    }
    return best;
}

// The pixels of a picture QImageReader's allocation limit allows; none where it sets none.
std::optional<qint64> pixelBudget() {
    const qint64 limitBytes = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
    if (limitBytes <= 0) return std::nullopt;
    return limitBytes / 4;
}

}  // namespace

bool isHeif(QByteArrayView head) {
    prepareMediaLibraries();
    const auto* data = reinterpret_cast<const uint8_t*>(head.data());
    return heif_check_filetype(data, static_cast<int>(head.size())) == heif_filetype_yes_supported;
}

Result<QImage> decodeHeif(const QByteArray& bytes, QSize bounds) {
    Result<Primary> primary = openPrimary(bytes);
    if (!primary) return Result<QImage>::fail(primary.error());
    heif_image_handle* handle = primary.value().handle.get();
    const QSize full = sizeOf(handle);
    const QSize wanted = fitted(full, bounds);
    Handle thumbnail = full != wanted ? thumbnailAtLeast(handle, wanted) : Handle();
    if (thumbnail) handle = thumbnail.get();
    // libheif 1.15 decodes a grid of tiles at the size the grid claims, whatever size the
    // picture declares: a file of 1 KB had it allocate 800 MB. Its one limit is a side, for
    // width and height alike: the decoding is held to the declared longest side (with room for
    // a tile's padding), and a picture whose square on that side exceeds four times the
    // allocation limit (a panorama past about 16000 pixels under Qt's 256 MB) is refused.
    const QSize declared = sizeOf(handle);
    const qint64 side = std::max(declared.width(), declared.height()) + 256;
    const std::optional<qint64> budget = pixelBudget();
    if (declared.isEmpty())
        return Result<QImage>::fail("The HEIF file is damaged: no picture in it");
    if (budget &&
        (qint64(declared.width()) * declared.height() > *budget || side * side > 4 * *budget)) {
        return Result<QImage>::fail("The picture is too large to be shown");
    }
    heif_context_set_maximum_image_size_limit(primary.value().context.get(), int(side));

    const bool alpha = heif_image_handle_has_alpha_channel(handle) != 0;
    Options options(heif_decoding_options_alloc());
    if (!options) return Result<QImage>::fail("Out of memory");
    options->convert_hdr_to_8bit = 1;
    heif_image* decoded = nullptr;
    const heif_error error = heif_decode_image(
        handle, &decoded, heif_colorspace_RGB,
        alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, options.get());
    if (error.code != heif_error_Ok) return Result<QImage>::fail(damaged(error));
    const Image image(decoded);
    int stride = 0;
    const uint8_t* plane =
        heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
    const int width = heif_image_get_width(decoded, heif_channel_interleaved);
    const int height = heif_image_get_height(decoded, heif_channel_interleaved);
    if (!plane || width <= 0 || height <= 0 || stride < width * (alpha ? 4 : 3)) {
        return Result<QImage>::fail("The HEIF file is damaged: no picture in it");
    }
    // A view of libheif's pixels, copied before the image is released.
    const QImage view(plane, width, height, stride,
                      alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    const QSize target = fitted(view.size(), bounds);
    QImage picture = target == view.size()
                         ? view.copy()
                         : view.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (picture.isNull()) return Result<QImage>::fail("Out of memory");
    return picture.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

Result<QByteArray> heifExif(const QByteArray& bytes) {
    Result<Primary> primary = openPrimary(bytes);
    if (!primary) return Result<QByteArray>::fail(primary.error());
    heif_image_handle* handle = primary.value().handle.get();
    heif_item_id id = 0;
    if (heif_image_handle_get_list_of_metadata_block_IDs(handle, "Exif", &id, 1) < 1) {
        return QByteArray();
    }
    // The block lies inside the file: a larger size is a damaged index, not a block to allocate.
    const size_t size = heif_image_handle_get_metadata_size(handle, id);
    if (size < 4 || size > static_cast<size_t>(bytes.size())) {
        return Result<QByteArray>::fail("The HEIF file's Exif block is damaged");
    }
    QByteArray block(static_cast<qsizetype>(size), Qt::Uninitialized);
    const heif_error error = heif_image_handle_get_metadata(handle, id, block.data());
    if (error.code != heif_error_Ok) return Result<QByteArray>::fail(damaged(error));
    // HEIF puts the distance to the TIFF header first; some writers leave the "Exif\0\0" of a
    // JPEG segment in front of it as well.
    const quint32 skip = qFromBigEndian<quint32>(block.constData());
    if (skip > size - 4) return Result<QByteArray>::fail("The HEIF file's Exif block is damaged");
    QByteArray exif = block.mid(4 + skip);
    if (exif.startsWith(QByteArrayView("Exif\0\0", 6))) exif.remove(0, 6);
    return exif;
}

}  // namespace rodwick::photos::reading
