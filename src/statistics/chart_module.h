// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "chart_maker.h"

namespace rodwick::stats {

// The charts module as loaded: its maker, or why there is none.
struct ChartModule {
    ChartMaker* maker = nullptr;
    QString error;
};

// The module beside the executable (the build tree) or in its installed folder, loaded on the
// first call; every later call answers the same.
const ChartModule& chartModule();

// The module in that file, whatever it holds.
ChartModule loadChartModule(const QString& file);

}  // namespace rodwick::stats
