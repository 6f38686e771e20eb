// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include "chart_maker.h"

namespace rodwick::stats {

class ChartsPlugin : public QObject, public ChartMaker {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID RODWICK_CHART_MAKER_IID)
    Q_INTERFACES(rodwick::stats::ChartMaker)

  public:
    PageChart* makeValueChart(QWidget* parent) override;
    PageChart* makeMonthChart(QWidget* parent) override;
};

}  // namespace rodwick::stats
