// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics of a full log book: every figure the window shows, and the window opening.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTabWidget>
#include <string>

#include "figures.h"
#include "record_book.h"
#include "rodwick_test/scripted_platform.h"
#include "statistics_window.h"

namespace rodwick {
namespace {

// 250 trips over 25 venues and two years, typed with the usual variety.
RecordTable fullTable() {
    const char* methods[] = {"Float", "Ledger", "Pole", "Feeder", "Lure"};
    const char* baits[] = {"Maggot", "Worm", "Boilie", "Sweetcorn", "Bread", "Caster"};
    const char* weathers[] = {"Sunny", "Cloudy", "Rain", "Windy"};
    const char* species[] = {"Carp", "Roach", "Tench", "Bream", "Perch", "Chub", "Barbel"};
    std::vector<TripRecord> trips;
    for (int k = 0; k < RecordTable::kMaxRecords; ++k) {
        TripRecord t;
        t[Field::Venue] = (k % 3 ? "Venue " : " venue ") + std::to_string(k % 25);
        t[Field::WaterType] = k % 2 ? "Lake" : "River";
        t[Field::TicketPrice] = k % 4 ? "\xA3"
                                        "5.50"
                                      : "free";
        t[Field::TotalWeightMajor] = std::to_string(k % 30);
        t[Field::TotalWeightMinor] = std::to_string(k % 16);
        t[Field::WaterCondition] = k % 3 ? "Clear" : "Coloured";
        t[Field::Weather] = weathers[k % 4];
        t[Field::Method] = methods[k % 5];
        t[Field::Bait] = baits[k % 6];
        t[Field::BestFish] = species[k % 7];
        t[Field::BestFishWeightMajor] = std::to_string(k % 12);
        t[Field::BestFishWeightMinor] = std::to_string(k % 16);
        t[Field::Date] = "0" + std::to_string(k % 9 + 1) + "-" + std::to_string(10 + k % 18) + "-" +
                         std::to_string(2000 + k % 2);
        t[Field::StartTime] = k % 2 ? "6:30" : "9.15am";
        t[Field::FinishTime] = k % 5 ? "14:00" : "1.30am";
        trips.push_back(t);
    }
    RecordTable table;
    table.replaceAll(trips);
    return table;
}

void BM_EveryFigure250(benchmark::State& s) {
    const RecordTable table = fullTable();
    const UnitNames units = UnitNames::imperial();
    for (auto _ : s) benchmark::DoNotOptimize(stats::figuresOf(stats::tripsOf(table), units));
}
BENCHMARK(BM_EveryFigure250)->Unit(benchmark::kMicrosecond);

// Built, filled, shown and painted; with every page painted in turn when asked, so that each
// chart is drawn once.
void BM_OpenWindow250(benchmark::State& s) {
    RecordBook book;
    book.adopt(fullTable(), "bench.RWK");
    Settings settings;
    settings.units = UnitNames::imperial();
    book.setSettings(settings);
    testing::ScriptedPlatform platform;
    const bool everyPage = s.range(0) != 0;
    for (auto _ : s) {
        auto* window = new stats::StatisticsWindow(book, platform, nullptr);
        window->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window->grab());
        if (everyPage) {
            for (const char* name : {"StatisticsPages", "WhatWorksPages"}) {
                auto* pages = window->findChild<QTabWidget*>(QString::fromLatin1(name));
                for (int i = 0; i < pages->count(); ++i) {
                    pages->setCurrentIndex(i);
                    benchmark::DoNotOptimize(window->grab());
                }
            }
        }
        delete window;
    }
}
BENCHMARK(BM_OpenWindow250)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// What a change costs while the window is open, on the first page or with the largest chart
// shown.
void BM_Refresh250(benchmark::State& s) {
    RecordBook book;
    book.adopt(fullTable(), "bench.RWK");
    Settings settings;
    settings.units = UnitNames::imperial();
    book.setSettings(settings);
    testing::ScriptedPlatform platform;
    stats::StatisticsWindow window(book, platform, nullptr);
    window.findChild<QTabWidget*>(QStringLiteral("StatisticsPages"))
        ->setCurrentIndex(static_cast<int>(s.range(0)));
    window.show();
    QApplication::processEvents();
    for (auto _ : s) {
        window.refresh();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_Refresh250)->Arg(0)->Arg(4)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace rodwick
