// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts_plugin.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QHorizontalBarSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>

namespace rodwick::stats {
namespace {

// The charts' words belong to the statistics window, which holds them.
QString windowText(const char* text) {
    return QCoreApplication::translate("rodwick::stats::StatisticsWindow", text);
}

// Axis numbers in the windows' language: "2,5" under German. English keeps the plain form the
// labels have always had.
void useLocale(QChart& chart, QLocale locale) {
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    chart.setLocale(locale);
    chart.setLocalizeNumbers(locale.language() != QLocale::English);
}

QChart* newChart(QChartView* view) {
    auto* chart = new QChart();
    chart->legend()->setVisible(false);
    chart->setMargins(QMargins(2, 2, 2, 2));
    // The view gives up the chart it held without deleting it.
    QChart* old = view->chart();
    view->setChart(chart);
    delete old;
    return chart;
}

// The charts draw from their own theme, not the widget palette: they take the dark theme under a
// dark desktop and the light one otherwise, and series colours that keep 3:1 against that plot.
void followPalette(QChart& chart, const QPalette& palette) {
    const bool dark = palette.color(QPalette::Window).lightness() < 128;
    chart.setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    const QColor bars = dark ? QColor(0x5e, 0xb8, 0xff) : QColor(0x1f, 0x6f, 0xb2);
    const QColor points = dark ? QColor(0xff, 0xc8, 0x57) : QColor(0xc2, 0x4e, 0x00);
    for (QAbstractSeries* series : chart.series()) {
        if (auto* barSeries = qobject_cast<QAbstractBarSeries*>(series)) {
            for (QBarSet* set : barSeries->barSets()) {
                set->setColor(bars);
                set->setBorderColor(bars);
            }
        } else if (auto* scatter = qobject_cast<QScatterSeries*>(series)) {
            scatter->setColor(points);
            scatter->setBorderColor(points);
        }
    }
}

// The view with the chart's parts, made once and refilled: a new chart with its series and axes
// costs far more than new values in the old ones.
class ChartPage : public QChartView, public PageChart {
  public:
    // The view takes its height before its chart, which is made to the view's size.
    ChartPage(QWidget* parent, int minimumHeight) : QChartView(parent) {
        setRenderHint(QPainter::Antialiasing);
        setMinimumHeight(minimumHeight);
        setFocusPolicy(Qt::NoFocus);
    }
    QWidget* widget() override { return this; }
    void followPalette(const QPalette& palette) override {
        stats::followPalette(*chart(), palette);
    }

  protected:
    QBarSet* set_ = nullptr;
    QBarCategoryAxis* categories_ = nullptr;
    QValueAxis* amounts_ = nullptr;
};

class ValueChart : public ChartPage {
  public:
    // Beside its table.
    explicit ValueChart(QWidget* parent) : ChartPage(parent, 160) {
        QChart* plot = newChart(this);
        set_ = new QBarSet(
            windowText(QT_TRANSLATE_NOOP("rodwick::stats::StatisticsWindow", "Average catch")));
        auto* bars = new QHorizontalBarSeries();
        bars->append(set_);
        plot->addSeries(bars);
        categories_ = new QBarCategoryAxis();
        plot->addAxis(categories_, Qt::AlignLeft);
        bars->attachAxis(categories_);
        amounts_ = new QValueAxis();
        plot->addAxis(amounts_, Qt::AlignBottom);
        bars->attachAxis(amounts_);
        ChartPage::followPalette(palette());
    }

    void showData(const ChartData& data) override {
        useLocale(*chart(), data.locale);
        qreal most = 0;
        for (qreal amount : data.amounts) most = std::max(most, amount);
        // Replaced at once: an attached axis left empty would make up categories of its own.
        categories_->setCategories(data.categories);
        set_->remove(0, set_->count());
        set_->append(data.amounts);
        // The tick count nice numbers chose last time would change what they choose now.
        amounts_->setTickCount(5);
        amounts_->setRange(0, most > 0 ? most * 1.1 : 1);
        amounts_->applyNiceNumbers();
        amounts_->setTitleText(data.amountTitle);
        // Whole numbers once the bars are long enough, so that the labels do not crowd.
        amounts_->setLabelFormat(most >= 5 ? QStringLiteral("%.0f") : QStringLiteral("%.1f"));
    }
};

class MonthChart : public ChartPage {
  public:
    // Above its table, the larger.
    explicit MonthChart(QWidget* parent) : ChartPage(parent, 260) {
        QChart* plot = newChart(this);
        plot->legend()->setVisible(true);
        plot->legend()->setAlignment(Qt::AlignTop);
        set_ = new QBarSet(
            windowText(QT_TRANSLATE_NOOP("rodwick::stats::StatisticsWindow", "Total catch")));
        auto* bars = new QBarSeries();
        bars->append(set_);
        plot->addSeries(bars);
        points_ = new QScatterSeries();
        points_->setName(
            windowText(QT_TRANSLATE_NOOP("rodwick::stats::StatisticsWindow", "Trips")));
        points_->setMarkerSize(9);
        plot->addSeries(points_);
        categories_ = new QBarCategoryAxis();
        plot->addAxis(categories_, Qt::AlignBottom);
        bars->attachAxis(categories_);
        points_->attachAxis(categories_);
        amounts_ = new QValueAxis();
        amounts_->setLabelFormat(QStringLiteral("%.0f"));
        plot->addAxis(amounts_, Qt::AlignLeft);
        bars->attachAxis(amounts_);
        counts_ = new QValueAxis();
        counts_->setLabelFormat(QStringLiteral("%.0f"));
        counts_->setTitleText(
            windowText(QT_TRANSLATE_NOOP("rodwick::stats::StatisticsWindow", "Trips")));
        plot->addAxis(counts_, Qt::AlignRight);
        points_->attachAxis(counts_);
        ChartPage::followPalette(palette());
    }

    void showData(const ChartData& data) override {
        useLocale(*chart(), data.locale);
        qreal mostCatch = 0;
        for (qreal amount : data.amounts) mostCatch = std::max(mostCatch, amount);
        int mostTrips = 0;
        for (const QPointF& point : data.trips) {
            mostTrips = std::max(mostTrips, static_cast<int>(point.y()));
        }
        categories_->setCategories(data.categories);
        // Upright month labels would be cut short beyond half a year.
        categories_->setLabelsAngle(data.categories.size() > 6 ? -90 : 0);
        set_->remove(0, set_->count());
        set_->append(data.amounts);
        points_->replace(data.trips);
        amounts_->setTickCount(5);
        amounts_->setRange(0, mostCatch > 0 ? mostCatch * 1.1 : 1);
        amounts_->applyNiceNumbers();
        amounts_->setTitleText(data.amountTitle);
        counts_->setRange(0, mostTrips + 1);
        counts_->setTickCount(std::min(mostTrips + 2, 6));
    }

  private:
    QScatterSeries* points_ = nullptr;
    QValueAxis* counts_ = nullptr;
};

}  // namespace

PageChart* ChartsPlugin::makeValueChart(QWidget* parent) {
    return new ValueChart(parent);
}

PageChart* ChartsPlugin::makeMonthChart(QWidget* parent) {
    return new MonthChart(parent);
}

}  // namespace rodwick::stats
