// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QLocale>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QtPlugin>

class QPalette;
class QWidget;

namespace rodwick::stats {

// What one chart shows: an amount for each category, and for the month chart the trips of
// each month as points (x: the category's index, y: its trips).
struct ChartData {
    QStringList categories;
    QList<qreal> amounts;
    QString amountTitle;
    QList<QPointF> trips;
    // The axes' numbers are written in it.
    QLocale locale = QLocale(QLocale::English);
};

// A chart on a statistics page, drawn by the charts module. Its widget belongs to the parent it
// was made with, and this object lives exactly as long as that widget.
class PageChart {
  public:
    virtual ~PageChart() = default;
    virtual QWidget* widget() = 0;
    // Replaces what the chart shows.
    virtual void showData(const ChartData& data) = 0;
    // Takes the dark chart theme under a dark window colour and the light one otherwise.
    virtual void followPalette(const QPalette& palette) = 0;
};

// The charts module's one object. Qt Charts (and the OpenGL libraries it pulls in) are loaded
// with the module only, so that the program's first window does not wait for them.
class ChartMaker {
  public:
    virtual ~ChartMaker() = default;
    // Horizontal bars of an average catch for each value, the first category at the bottom.
    virtual PageChart* makeValueChart(QWidget* parent) = 0;
    // The catch of each month as bars, its trips as points on an axis of their own.
    virtual PageChart* makeMonthChart(QWidget* parent) = 0;
};

}  // namespace rodwick::stats

// A module built from other sources than the program's refuses to load.
#define RODWICK_CHART_MAKER_IID "org.rodwick.Rodwick.ChartMaker/1"
Q_DECLARE_INTERFACE(rodwick::stats::ChartMaker, RODWICK_CHART_MAKER_IID)
