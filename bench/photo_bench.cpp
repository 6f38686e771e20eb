// SPDX-License-Identifier: GPL-3.0-or-later
// The thumbnails of a trip's photos: 50 twelve-megapixel JPEGs (4000 x 3000, stored on their
// side as a phone held upright stores them), made once in a temporary folder. first_ms is the
// time from load() to the first thumbnail delivered, all_ms to the last; cold with an empty
// thumbnail cache (the photos' own bytes are in the system's file cache after the first run),
// warm with every thumbnail kept.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>

#include "photo_log_book.h"
#include "rodwick_test/sample_photos.h"
#include "thumbnail_loader.h"
#include "thumbnails.h"

namespace {

using namespace rodwick::photos;

constexpr int kPhotos = 50;

// The photos, made at the first use and removed at the end of the program.
struct TripPhotos {
    TripPhotos() {
        const QByteArray photo = rodwick::cameraJpeg(rodwick::photoLike(QSize(4000, 3000)));
        for (int i = 0; i < kPhotos; ++i) {
            paths << dir.filePath(QString("IMG_%1.jpg").arg(1000 + i));
            rodwick::testing::writeFile(paths.back(), photo);
        }
        bytes = photo.size();
    }
    QTemporaryDir dir;
    QStringList paths;
    qint64 bytes = 0;
};

const TripPhotos& tripPhotos() {
    static const TripPhotos kTrip;
    return kTrip;
}

// One load of the whole list through the loader; the times of the first and the last thumbnail.
std::pair<double, double> loadAll(const ThumbnailCache& cache) {
    ThumbnailLoader loader(cache, ThumbnailSize::Large);
    QEventLoop loop;
    QElapsedTimer timer;
    double firstMs = -1;
    int delivered = 0;
    QObject::connect(&loader, &ThumbnailLoader::thumbnailReady,
                     [&](int, const QImage& thumbnail, const QString&) {
                         if (firstMs < 0) firstMs = timer.nsecsElapsed() / 1e6;
                         if (!thumbnail.isNull()) ++delivered;
                     });
    QObject::connect(&loader, &ThumbnailLoader::finished, &loop, &QEventLoop::quit);
    timer.start();
    loader.load(tripPhotos().paths);
    loop.exec();
    const double allMs = timer.nsecsElapsed() / 1e6;
    if (delivered != kPhotos) return {-1, -1};
    return {firstMs, allMs};
}

void loaderBenchmark(benchmark::State& state, bool warm) {
    const TripPhotos& trip = tripPhotos();
    QTemporaryDir cacheDir;
    const ThumbnailCache cache(cacheDir.filePath("thumbnails"));
    if (warm) loadAll(cache);
    double firstSum = 0, allSum = 0;
    for (auto _ : state) {
        if (!warm) QDir(cache.folder()).removeRecursively();
        const auto [firstMs, allMs] = loadAll(cache);
        if (allMs < 0) {
            state.SkipWithError("a thumbnail was not made");
            break;
        }
        firstSum += firstMs;
        allSum += allMs;
        state.SetIterationTime(allMs / 1000);
    }
    const double runs = double(state.iterations());
    state.counters["first_ms"] = firstSum / runs;
    state.counters["all_ms"] = allSum / runs;
    state.counters["photo_MB"] = double(trip.bytes) / 1e6;
}

void BM_ThumbnailsCold(benchmark::State& state) {
    loaderBenchmark(state, false);
}
void BM_ThumbnailsWarm(benchmark::State& state) {
    loaderBenchmark(state, true);
}
BENCHMARK(BM_ThumbnailsCold)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThumbnailsWarm)->UseManualTime()->Unit(benchmark::kMillisecond);

// One thumbnail on one thread, made from the photo and from the cache.
void BM_OneThumbnailMade(benchmark::State& state) {
    const QString photo = tripPhotos().paths.front();
    for (auto _ : state) {
        benchmark::DoNotOptimize(makeThumbnail(photo, ThumbnailSize::Large));
    }
}
BENCHMARK(BM_OneThumbnailMade)->Unit(benchmark::kMillisecond);

void BM_OneThumbnailKept(benchmark::State& state) {
    const QString photo = tripPhotos().paths.front();
    QTemporaryDir cacheDir;
    const ThumbnailCache cache(cacheDir.filePath("thumbnails"));
    (void)thumbnailOf(photo, ThumbnailSize::Large, &cache);
    for (auto _ : state) {
        benchmark::DoNotOptimize(thumbnailOf(photo, ThumbnailSize::Large, &cache));
    }
}
BENCHMARK(BM_OneThumbnailKept)->Unit(benchmark::kMillisecond);

}  // namespace
