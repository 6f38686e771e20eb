// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QThreadPool>
#include <atomic>
#include <optional>

#include "thumbnails.h"

namespace rodwick::photos {

// Makes the thumbnails of a list of photos on threads of its own, through the cache, and hands
// each to the thread it lives in as soon as it is ready, by a queued signal. It keeps none of
// them: the receiver holds what it shows. A new list, cancel() and the loader's end drop what
// is still to come of the list before; nothing is delivered after them, and nothing of the
// loader is touched by a thread after its end.
class ThumbnailLoader : public QObject {
    Q_OBJECT

  public:
    // Without a cache every thumbnail is made anew, and none is kept.
    explicit ThumbnailLoader(std::optional<ThumbnailCache> cache,
                             ThumbnailSize size = ThumbnailSize::Large, QObject* parent = nullptr);
    // Waits for the thumbnails being made at that moment (one per thread at most); those not
    // begun are dropped.
    ~ThumbnailLoader() override;

    // Starts on the photos, in their order, dropping the list before.
    void load(const QStringList& paths);
    void cancel();
    // The photos of the list still to be delivered.
    int pending() const { return pending_; }

  signals:
    // The thumbnail of the photo at index of the list given to load(); a null image and the
    // reason where the photo gave none.
    void thumbnailReady(int index, const QImage& thumbnail, const QString& reason);
    // Every photo of the list was delivered.
    void finished();

  private:
    void deliver(quint64 list, int index, const QImage& thumbnail, const QString& reason);

    const std::optional<ThumbnailCache> cache_;
    const ThumbnailSize size_;
    // Which list the work belongs to: work of an earlier one is dropped when it finishes.
    std::atomic<quint64> list_ = 0;
    int pending_ = 0;
    // Last, so that it is the first to go: its end waits for the work still running, while
    // the members the work reads are still there.
    QThreadPool pool_;
};

}  // namespace rodwick::photos
