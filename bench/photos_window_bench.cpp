// SPDX-License-Identifier: GPL-3.0-or-later
// The Photos window at work, in the program's own windows over log books made here:
// - PhotosWindowLoading: a trip of 50 twelve-megapixel JPEGs opened with an empty thumbnail
//   cache. open_ms is the window's building and first paint; first_ms and all_ms the first and
//   the last thumbnail shown, from the window's building; longest_turn_ms the longest a timer
//   due while they load waited for the event loop (how long a key pressed then waits at worst),
//   longest_turn_cpu_ms the most time the window's own thread ran between two of the timer's
//   runs (the rest of a long wait is that thread waiting for a core: two cores, two threads
//   making thumbnails, and whatever else the machine runs).
// - PhotosMemory: a log book of 250 trips with 4 photos each (1,000 photos of 1024 x 768), in
//   the main window. The resident memory added by the Photos window following every trip in
//   turn, by the trip list's cover tooltip of every row, and by all 1,000 thumbnails held at
//   once as a window would hold them; held_MB is what those thumbnails' pixels take, peak_MB the
//   most the process was ever resident (the pictures being decoded on the loader's threads;
//   run it alone, --benchmark_filter=Memory, for the figure to be this benchmark's).
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <time.h>
#include <unistd.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "main_window.h"
#include "photo_log_book.h"
#include "photo_shelf.h"
#include "photos_window.h"
#include "record_book.h"
#include "rodwick_test/scripted_platform.h"
#include "text.h"
#include "thumbnail_loader.h"

namespace rodwick {
namespace {

// The user's folders (thumbnails, state, data) in a folder of the benchmark's own.
struct UserFolders {
    UserFolders() {
        qputenv("XDG_CACHE_HOME", home.filePath("cache").toLocal8Bit());
        qputenv("XDG_STATE_HOME", home.filePath("state").toLocal8Bit());
        qputenv("XDG_DATA_HOME", home.filePath("data").toLocal8Bit());
    }
    void dropThumbnails() const { QDir(home.filePath("cache/thumbnails")).removeRecursively(); }
    QTemporaryDir home;
};
const UserFolders& userFolders() {
    static const UserFolders kFolders;
    return kFolders;
}

std::vector<TripRecord> tripsOn(int count) {
    std::vector<TripRecord> trips;
    for (int k = 1; k <= count; ++k) {
        TripRecord trip;
        trip[Field::Venue] = "Gravel Pit";
        trip[Field::Date] = "05-" + std::to_string(k % 28 + 1) + "-2023";
        trip[Field::StartTime] = std::to_string(5 + k % 12) + ":00";
        trips.push_back(trip);
    }
    return trips;
}

// Runs the event loop until `done`, or 60 s.
bool waitFor(const std::function<bool()>& done) {
    QElapsedTimer limit;
    limit.start();
    while (!done()) {
        if (limit.elapsed() > 60000) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// The time this thread has run, in ms.
double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double residentMb() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / 1e6;
}
// The most the process was ever resident (VmHWM).
double peakMb() {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == "VmHWM:") {
            double kb = 0;
            status >> kb;
            return kb * 1024 / 1e6;
        }
    }
    return 0;
}

// What is resident after the freed memory went back to the system.
double settledMb() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    malloc_trim(0);
    return residentMb();
}

// One trip of 50 photos as a camera of twelve megapixels takes them.
struct BigTrip {
    BigTrip() {
        userFolders();
        const QByteArray photo = cameraJpeg(photoLike(QSize(4000, 3000)));
        path = makePhotoLogBook(dir.path().toStdString(), "Big", tripsOn(1), 50, {photo});
        ok = book.load(path).ok() && shelf.photosOf(1).size() == 50;
    }
    QTemporaryDir dir;
    std::string path;
    RecordBook book;
    PhotoShelf shelf{book,
                     {.untitled = dir.filePath("untitled").toStdString(),
                      .backups = dir.filePath("backups").toStdString()}};
    testing::ScriptedPlatform platform;
    bool ok = false;
};

void BM_PhotosWindowLoading(benchmark::State& state) {
    static BigTrip trip;
    if (!trip.ok) {
        state.SkipWithError("the trip's photos were not made");
        return;
    }
    double openSum = 0, firstSum = 0, allSum = 0, turnMax = 0, turnSum = 0, cpuMax = 0;
    for (auto _ : state) {
        userFolders().dropThumbnails();
        QElapsedTimer clock;
        clock.start();
        auto window = std::make_unique<photos::PhotosWindow>(trip.book, trip.shelf, trip.platform);
        window->show();
        benchmark::DoNotOptimize(window->grab());
        const double openMs = clock.nsecsElapsed() / 1e6;
        // A probe every 5 ms finds how late the event loop let it run, and how much of this
        // thread's time went by since the last: a loop kept busy would take a core from the
        // threads making thumbnails, so the probe leaves it idle between its runs.
        constexpr int kProbeMs = 5;
        double firstMs = -1;
        double allMs = -1;
        double longest = 0;
        double longestCpu = 0;
        qint64 lastProbe = clock.nsecsElapsed();
        double lastCpu = threadCpuMs();
        QEventLoop loop;
        QTimer probe;
        probe.setTimerType(Qt::PreciseTimer);
        probe.setInterval(kProbeMs);
        QObject::connect(&probe, &QTimer::timeout, [&] {
            const qint64 now = clock.nsecsElapsed();
            const double cpu = threadCpuMs();
            longest = std::max(longest, (now - lastProbe) / 1e6 - kProbeMs);
            longestCpu = std::max(longestCpu, cpu - lastCpu);
            lastProbe = now;
            lastCpu = cpu;
        });
        // Each thumbnail shown changes its row.
        QObject::connect(window->list().model(), &QAbstractItemModel::dataChanged, [&] {
            const double now = clock.nsecsElapsed() / 1e6;
            if (firstMs < 0) firstMs = now;
            if (window->thumbnailsPending() == 0 && allMs < 0) {
                allMs = now;
                loop.quit();
            }
        });
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        probe.start();
        loop.exec();
        probe.stop();
        if (allMs < 0) {
            state.SkipWithError("the thumbnails never came");
            break;
        }
        state.SetIterationTime(allMs / 1000);
        openSum += openMs;
        firstSum += firstMs;
        allSum += allMs;
        turnSum += longest;
        turnMax = std::max(turnMax, longest);
        cpuMax = std::max(cpuMax, longestCpu);
    }
    const double runs = double(state.iterations());
    state.counters["open_ms"] = openSum / runs;
    state.counters["first_ms"] = firstSum / runs;
    state.counters["all_ms"] = allSum / runs;
    state.counters["longest_turn_ms"] = turnSum / runs;
    state.counters["worst_turn_ms"] = turnMax;
    state.counters["longest_turn_cpu_ms"] = cpuMax;
}
BENCHMARK(BM_PhotosWindowLoading)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

QAction* actionOf(MainWindow& window, const char* name) {
    return window.findChild<QAction*>(QString::fromLatin1(name));
}

void BM_PhotosMemory(benchmark::State& state) {
    userFolders();
    QTemporaryDir dir;
    std::vector<QByteArray> jpegs;
    for (int seed = 1; seed <= 4; ++seed) jpegs.push_back(cameraJpeg(photoLike({1024, 768}, seed)));
    const std::string path = makePhotoLogBook(dir.path().toStdString(), "Season",
                                              tripsOn(RecordTable::kMaxRecords), 4, jpegs);
    userFolders().dropThumbnails();
    for (auto _ : state) {
        RecordBook book;
        testing::ScriptedPlatform platform;
        MainWindow window(book, platform);
        window.show();
        if (!book.load(path).ok()) {
            state.SkipWithError("the log book did not load");
            break;
        }
        const double start = settledMb();

        // The Photos window following the trips, every thumbnail made and shown.
        actionOf(window, "MnuPhotos")->trigger();
        auto* photosWindow = window.findChild<photos::PhotosWindow*>();
        if (photosWindow == nullptr) {
            state.SkipWithError("the Photos window never opened");
            break;
        }
        for (int n = 1; n <= RecordTable::kMaxRecords; ++n) {
            (void)book.show(n);
            waitFor([&] { return photosWindow->thumbnailsPending() == 0; });
        }
        const double afterPhotos = settledMb();
        state.counters["photos_window_MB"] = afterPhotos - start;

        // The trip list's tooltip of every row, drawn as the tooltip draws it.
        actionOf(window, "MnuTrips")->trigger();
        QWidget* list = platform.modelessShown.back();
        auto* view = list->findChild<QAbstractItemView*>();
        for (int row = 0; row < view->model()->rowCount(); ++row) {
            QLabel tip(view->model()->index(row, 0).data(Qt::ToolTipRole).toString());
            benchmark::DoNotOptimize(tip.grab());
        }
        const double afterTips = settledMb();
        state.counters["trip_list_tips_MB"] = afterTips - afterPhotos;

        // Every thumbnail of the log book held at once, as icons.
        QStringList paths;
        const QDir folder(dir.filePath("Season photos"));
        for (const QString& name : folder.entryList({"*.jpg"}, QDir::Files, QDir::Name))
            paths << folder.filePath(name);
        std::vector<QIcon> held(static_cast<std::size_t>(paths.size()));
        double heldBytes = 0;
        photos::ThumbnailLoader loader(photos::ThumbnailCache::standard(),
                                       photos::ThumbnailSize::Normal);
        QObject::connect(&loader, &photos::ThumbnailLoader::thumbnailReady,
                         [&](int index, const QImage& thumbnail, const QString&) {
                             heldBytes += double(thumbnail.sizeInBytes());
                             held[static_cast<std::size_t>(index)] =
                                 QIcon(QPixmap::fromImage(thumbnail));
                         });
        loader.load(paths);
        waitFor([&] { return loader.pending() == 0; });
        state.counters["all_thumbnails_MB"] = settledMb() - afterTips;
        state.counters["held_MB"] = heldBytes / 1e6;
        state.counters["thumbnails"] = double(paths.size());
        state.counters["peak_MB"] = peakMb();
        state.counters["start_MB"] = start;
    }
}
BENCHMARK(BM_PhotosMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace rodwick
