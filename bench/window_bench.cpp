// SPDX-License-Identifier: GPL-3.0-or-later
// Each window from its command to built and painted once, over a full table of 250 varied
// records; and the main window's redraw after Next. The aim is one frame (16 ms) each.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdlib>
#include <functional>
#include <string>

#include "editing_area.h"
#include "main_window.h"
#include "photo_log_book.h"
#include "record_book.h"
#include "rodwick_test/scripted_platform.h"

namespace rodwick {
namespace {

QAction* actionOf(MainWindow& window, const char* name) {
    return window.findChild<QAction*>(QString::fromLatin1(name));
}
QDialog* addEditor(MainWindow& window) {
    return window.findChild<EditingArea*>()->commands().addEditor();
}
QLabel* valueLabel(MainWindow& window, const char* name) {
    return window.findChild<QLabel*>(QString::fromLatin1(name));
}

// 250 trips whose values differ in length and kind, as a real log book's do.
std::vector<TripRecord> variedTrips() {
    const char* const venues[] = {"Usk", "River Wye at Hay-on-Wye, the long pool below the bridge",
                                  "Caf\xe9 Lake", "Tay"};
    const char* const remarks[] = {"", "Windy.",
                                   "Bream on the feeder all day; the tench came late.",
                                   "A long remark that runs on over several lines of the record ",
                                   "view, with details of swims, baits and the weather."};
    std::vector<TripRecord> trips;
    for (int k = 1; k <= RecordTable::kMaxRecords; ++k) {
        TripRecord trip;
        for (int f = 0; f < kFieldCount; ++f) trip.fields[f] = std::to_string(k * 7 % 23 + f);
        trip[Field::Venue] = venues[k % 4];
        trip[Field::Club] = "Club " + std::to_string(k % 17);
        trip[Field::Species] = k % 3 ? "Roach, Perch" : "Bream, Tench, Carp, Rudd";
        trip[Field::Remarks] = remarks[k % 4];
        trip[Field::Restrictions] = remarks[(k + 1) % 4];
        trip[Field::Date] = "04-" + std::to_string(k % 28 + 1) + "-2001";
        trips.push_back(trip);
    }
    return trips;
}

// The full table as a log book on disk, alone or with 1,000 photos beside it (4 a trip, copies
// of four JPEGs of 1024 x 768, linked by the program's own photo shelf). Made once.
const std::string& logBookFile(bool withPhotos) {
    static const QTemporaryDir kDir;
    static const std::string kAlone =
        makePhotoLogBook(kDir.filePath("alone").toStdString(), "Trips 2001", variedTrips(), 0, {});
    static const std::string kWithPhotos = [] {
        std::vector<QByteArray> jpegs;
        for (int seed = 1; seed <= 4; ++seed) {
            jpegs.push_back(cameraJpeg(photoLike({1024, 768}, seed)));
        }
        return makePhotoLogBook(kDir.filePath("photos").toStdString(), "Trips 2001", variedTrips(),
                                4, jpegs);
    }();
    return withPhotos ? kWithPhotos : kAlone;
}

// A main window over the full table, its dialogs answered by painting them once and closing.
struct Bench {
    Bench() : window(book, platform) {
        RecordTable table;
        table.replaceAll(variedTrips());
        book.adopt(table, "/home/angler/Trips 2001.RWK");
        book.show(125);
        window.show();
    }
    // Over the log book file, loaded as the program loads it.
    explicit Bench(const std::string& file) : window(book, platform) {
        window.show();
        if (!book.load(file).ok()) std::abort();
        book.show(125);
    }
    // Runs `open` once with a modal dialog painted and closed as soon as it stands.
    void modal(benchmark::State& s, const std::function<void()>& open) {
        platform.answerModal([](QDialog& dialog) {
            benchmark::DoNotOptimize(dialog.grab());
            return static_cast<int>(QDialog::Rejected);
        });
        open();
        if (!platform.allAnswersUsed()) s.SkipWithError("the window never opened");
        platform.clearCalls();
    }
    void doubleClick(const char* label) {
        QLabel* target = valueLabel(window, label);
        const QPointF at(4, 4);
        QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QMouseEvent twice(QEvent::MouseButtonDblClick, at, target->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &twice);
    }

    RecordBook book;
    testing::ScriptedPlatform platform;
    MainWindow window;
};

void byCommand(benchmark::State& s, const char* command) {
    Bench bench;
    for (auto _ : s) bench.modal(s, [&] { actionOf(bench.window, command)->trigger(); });
}
BENCHMARK_CAPTURE(byCommand, RecordEditorEdit, "MnuEdit")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(byCommand, Find, "MnuFind")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(byCommand, Goto, "MnuGoto")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(byCommand, Export, "MnuExp")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(byCommand, Print, "MnuPrint")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(byCommand, Copy, "MnuCopy")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(byCommand, Preferences, "MnuPref")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(byCommand, About, "MnuAbo")->Unit(benchmark::kMillisecond);

// A window that stays open beside the main window, from its command to painted once; closed
// after each run so that the next builds a new one.
void byModeless(benchmark::State& s, const char* command) {
    Bench bench;
    for (auto _ : s) {
        actionOf(bench.window, command)->trigger();
        if (bench.platform.modelessShown.empty()) {
            s.SkipWithError("the window never opened");
            break;
        }
        QWidget* shown = bench.platform.modelessShown.back();
        benchmark::DoNotOptimize(shown->grab());
        delete shown;
        bench.platform.modelessShown.clear();
        bench.platform.clearCalls();
    }
}
BENCHMARK_CAPTURE(byModeless, TripList, "MnuTrips")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(byModeless, Statistics, "MnuStats")->Unit(benchmark::kMillisecond);

// The same over the log book's file, with and without its photos folder beside it: the trip
// list counts each trip's photos, the statistics window's bests look up their covers.
void byModelessOnFile(benchmark::State& s, const char* command) {
    const bool withPhotos = s.range(0) != 0;
    Bench bench(logBookFile(withPhotos));
    for (auto _ : s) {
        actionOf(bench.window, command)->trigger();
        if (bench.platform.modelessShown.empty()) {
            s.SkipWithError("the window never opened");
            break;
        }
        QWidget* shown = bench.platform.modelessShown.back();
        benchmark::DoNotOptimize(shown->grab());
        delete shown;
        bench.platform.modelessShown.clear();
        bench.platform.clearCalls();
    }
    s.SetLabel(withPhotos ? "1000 photos" : "no photos");
}
BENCHMARK_CAPTURE(byModelessOnFile, TripList, "MnuTrips")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(byModelessOnFile, Statistics, "MnuStats")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

// The yardstick of the windows above: a bare Qt dialog, a line of text and a button, built and
// painted once.
void BM_BareDialog(benchmark::State& s) {
    for (auto _ : s) {
        QDialog dialog;
        auto* text = new QLabel(QStringLiteral("A bare dialog"), &dialog);
        text->move(12, 12);
        auto* button = new QPushButton(QStringLiteral("OK"), &dialog);
        button->move(12, 40);
        dialog.resize(420, 260);
        benchmark::DoNotOptimize(dialog.grab());
    }
}
BENCHMARK(BM_BareDialog)->Unit(benchmark::kMillisecond);

void byDoubleClick(benchmark::State& s, const char* label) {
    Bench bench;
    for (auto _ : s) bench.modal(s, [&] { bench.doubleClick(label); });
}
BENCHMARK_CAPTURE(byDoubleClick, QuickEditVenue, "obVen")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(byDoubleClick, SpeciesPicker, "ObSpec")->Unit(benchmark::kMillisecond);

void BM_RecordEditorAdd(benchmark::State& s) {
    Bench bench;
    for (auto _ : s) {
        actionOf(bench.window, "MnuAdd")->trigger();
        QDialog* editor = addEditor(bench.window);
        benchmark::DoNotOptimize(editor->grab());
        // Closed as Cancel closes it, so that the next Add builds a new one.
        editor->reject();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        bench.platform.clearCalls();
    }
}
BENCHMARK(BM_RecordEditorAdd)->Unit(benchmark::kMillisecond);

void BM_MainWindow(benchmark::State& s) {
    RecordBook book;
    RecordTable table;
    table.replaceAll(variedTrips());
    book.adopt(table, RecordTable::kUntitled);
    testing::ScriptedPlatform platform;
    for (auto _ : s) {
        MainWindow window(book, platform);
        window.setRecordCommands(true);
        window.showCurrentRecord();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_MainWindow)->Unit(benchmark::kMillisecond);

// The main window built and its log book loaded from disk, as at start-up, with and without
// the photos folder beside it (the photo shelf reads its index and lists its files).
void BM_MainWindowLoading(benchmark::State& s) {
    const bool withPhotos = s.range(0) != 0;
    const std::string& file = logBookFile(withPhotos);
    testing::ScriptedPlatform platform;
    for (auto _ : s) {
        RecordBook book;
        MainWindow window(book, platform);
        if (!book.load(file).ok()) {
            s.SkipWithError("the log book did not load");
            break;
        }
        window.setRecordCommands(true);
        window.showCurrentRecord();
        benchmark::DoNotOptimize(window.grab());
    }
    s.SetLabel(withPhotos ? "1000 photos" : "no photos");
}
BENCHMARK(BM_MainWindowLoading)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_MainWindowNext(benchmark::State& s) {
    Bench bench;
    for (auto _ : s) {
        if (bench.book.currentRecord() == RecordTable::kMaxRecords) bench.book.show(1);
        actionOf(bench.window, "MnuNext")->trigger();
        benchmark::DoNotOptimize(bench.window.grab());
    }
}
BENCHMARK(BM_MainWindowNext)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace rodwick
