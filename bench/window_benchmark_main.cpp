// SPDX-License-Identifier: GPL-3.0-or-later
// The main() of the benchmarks that build windows: they need a QApplication before any
// benchmark runs, and it must be main's own, so that it goes before the modules the windows
// load (the charts) are unloaded at exit.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
    // Windows are built and painted without a screen.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
