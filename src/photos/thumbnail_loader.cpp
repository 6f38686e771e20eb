// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbnail_loader.h"

#include <QMetaObject>
#include <QThread>
#include <exception>

namespace rodwick::photos {

ThumbnailLoader::ThumbnailLoader(std::optional<ThumbnailCache> cache, ThumbnailSize size,
                                 QObject* parent)
    : QObject(parent), cache_(std::move(cache)), size_(size) {
    pool_.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
}

ThumbnailLoader::~ThumbnailLoader() {
    cancel();
    pool_.waitForDone();
}

void ThumbnailLoader::cancel() {
    ++list_;
    pool_.clear();
    pending_ = 0;
}

void ThumbnailLoader::load(const QStringList& paths) {
    cancel();
    const quint64 list = list_;
    pending_ = int(paths.size());
    for (int index = 0; index < paths.size(); ++index) {
        pool_.start([this, list, index, path = paths[index]] {
            if (list_ != list) return;
            // Nothing may leave the pool's thread: a photo too large for the memory left is one
            // more photo without a thumbnail.
            Result<QImage> thumbnail = Result<QImage>::fail("Out of memory");
            try {
                thumbnail = thumbnailOf(path, size_, cache_ ? &*cache_ : nullptr);
            } catch (const std::exception&) {
            }
            if (list_ != list) return;
            const QImage image = thumbnail ? thumbnail.value() : QImage();
            const QString reason =
                thumbnail ? QString() : QString::fromStdString(thumbnail.error());
            // Queued to the loader's thread; dropped by Qt if the loader is gone by then.
            QMetaObject::invokeMethod(
                this, [this, list, index, image, reason] { deliver(list, index, image, reason); },
                Qt::QueuedConnection);
        });
    }
    if (paths.isEmpty()) emit finished();
}

void ThumbnailLoader::deliver(quint64 list, int index, const QImage& thumbnail,
                              const QString& reason) {
    // A list replaced after the thumbnail was sent.
    if (list != list_) return;
    --pending_;
    emit thumbnailReady(index, thumbnail, reason);
    if (pending_ == 0 && list == list_) emit finished();
}

}  // namespace rodwick::photos
