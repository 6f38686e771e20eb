// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics_window.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "filter_bar.h"
#include "other_trip_window.h"
#include "statistics_texts.h"
#include "text.h"
#include "trip_counts.h"
#include "trip_source.h"
#include "windows_locale.h"

namespace rodwick::stats {
namespace {

constexpr int kSortRole = Qt::UserRole + 1;
constexpr int kRecordRole = Qt::UserRole + 2;

QString text(const std::string& bytes) {
    return fromFileText(bytes);
}

QStandardItem* cell(const QString& text, const QVariant& sortKey = {}) {
    auto* item = new QStandardItem(text);
    item->setEditable(false);
    item->setData(sortKey.isValid() ? sortKey : QVariant(text.toLower()), kSortRole);
    return item;
}
QStandardItem* numberCell(const QString& text, double value) {
    QStandardItem* item = cell(text, value);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}
// An empty cell sorts below every number.
QStandardItem* maybeCell(const std::optional<double>& value, const QString& text) {
    return value ? numberCell(text, *value) : numberCell(QString(), -1.0);
}
QStandardItem* dateCell(const std::optional<Date>& date) {
    if (!date) return cell(QString(), 0);
    return cell(localDate(*date), date->year * 10000 + date->month * 100 + date->day);
}

// A date as typed, in the windows' language where it reads; English shows it as typed.
QString typedDate(const std::string& typed) {
    if (!windowsSpeakEnglish()) {
        if (const auto date = readDate(typed)) return localDate(*date);
    }
    return text(typed);
}

double inMajor(double minor, const UnitNames& units) {
    return minor / minorPerMajor(units);
}

}  // namespace

// One table with its notes and, where there is one, its chart.
struct StatisticsWindow::Page {
    QWidget* widget = nullptr;
    QStandardItemModel* model = nullptr;
    QSortFilterProxyModel* proxy = nullptr;
    QTableView* view = nullptr;
    QLabel* notes = nullptr;
    // Made once and refilled; none where the page has no chart or the module did not load.
    PageChart* chart = nullptr;
    // Redraws this page from the window's last figures; stale until it has done so.
    std::function<void()> fill;
    bool stale = true;

    Page(QWidget* parent, const QString& name, PageChartKind kind = PageChartKind::None,
         const ChartModule* charts = nullptr) {
        widget = new QWidget(parent);
        model = new QStandardItemModel(widget);
        proxy = new QSortFilterProxyModel(widget);
        proxy->setSourceModel(model);
        proxy->setSortRole(kSortRole);
        view = new QTableView(widget);
        view->setObjectName(name + QStringLiteral("Table"));
        view->setAccessibleName(name);
        view->setModel(proxy);
        // Rows start in the figures' own order; a click on a heading sorts by that column.
        view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
        view->setSortingEnabled(true);
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setSelectionMode(QAbstractItemView::SingleSelection);
        view->setTabKeyNavigation(false);
        view->verticalHeader()->setVisible(false);
        view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 8);
        view->horizontalHeader()->setStretchLastSection(true);
        notes = new QLabel(widget);
        notes->setObjectName(name + QStringLiteral("Notes"));
        notes->setWordWrap(true);
        notes->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
        notes->setFocusPolicy(Qt::StrongFocus);
        auto* layout = new QVBoxLayout(widget);
        if (kind != PageChartKind::None) {
            const bool chartOnTop = kind == PageChartKind::Months;
            QWidget* place = nullptr;
            if (ChartMaker* maker = charts->maker) {
                chart = chartOnTop ? maker->makeMonthChart(widget) : maker->makeValueChart(widget);
                place = chart->widget();
                place->setObjectName(name + QStringLiteral("Chart"));
            } else {
                // The tables and notes are all there; the chart's place says why it is empty.
                auto* missing =
                    new QLabel(QCoreApplication::translate("rodwick::stats::StatisticsWindow",
                                                           "Charts are not available: %1")
                                   .arg(charts->error),
                               widget);
                missing->setTextFormat(Qt::PlainText);
                missing->setObjectName(name + QStringLiteral("ChartUnavailable"));
                missing->setAlignment(Qt::AlignCenter);
                missing->setWordWrap(true);
                place = missing;
            }
            auto* split = new QSplitter(chartOnTop ? Qt::Vertical : Qt::Horizontal, widget);
            if (chartOnTop) split->addWidget(place);
            split->addWidget(view);
            if (!chartOnTop) split->addWidget(place);
            // A bar chart beside its table needs the larger share for its value labels.
            split->setStretchFactor(0, chartOnTop ? 3 : 2);
            split->setStretchFactor(1, chartOnTop ? 2 : 3);
            layout->addWidget(split, 1);
        } else {
            layout->addWidget(view, 1);
        }
        layout->addWidget(notes);
    }

    void reset(const QStringList& headings) {
        model->clear();
        model->setHorizontalHeaderLabels(headings);
    }
};

StatisticsWindow::StatisticsWindow(RecordBook& book, platform::Platform& platform,
                                   std::function<void(int record)> showRecord, QWidget* parent,
                                   const ChartModule& charts)
    : QWidget(parent, Qt::Window),
      book_(book),
      platform_(platform),
      showRecord_(std::move(showRecord)) {
    setObjectName(QStringLiteral("StatisticsWindow"));
    setWindowTitle(tr("Statistics"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(820, 620);
    source_ = new filtering::TripSource(book_, this);
    filterBar_ = new filtering::FilterBar(platform_, this);
    showing_ = new QLabel(this);
    showing_->setObjectName(QStringLiteral("StatisticsShowing"));
    showing_->setTextFormat(Qt::PlainText);

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("StatisticsPages"));
    summary_ = std::make_unique<Page>(pages_, QStringLiteral("Summary"));
    venues_ = std::make_unique<Page>(pages_, QStringLiteral("Venue"));
    bests_ = std::make_unique<Page>(pages_, QStringLiteral("Best"));
    pages_->addTab(summary_->widget, tr("&Summary"));
    pages_->addTab(venues_->widget, tr("By &venue"));
    pages_->addTab(bests_->widget, tr("Personal &bests"));
    bests_->view->setToolTip(tr("Double-click a fish to show its trip"));

    whatWorksPages_ = new QTabWidget(pages_);
    whatWorksPages_->setObjectName(QStringLiteral("WhatWorksPages"));
    const std::pair<const char*, const char*> valuePages[] = {
        {"Method", QT_TR_NOOP("&Method")},
        {"Bait", QT_TR_NOOP("B&ait")},
        {"Weather", QT_TR_NOOP("W&eather")},
        {"WaterCondition", QT_TR_NOOP("Water co&ndition")},
        {"WaterType", QT_TR_NOOP("T&ype of water")},
        {"Moon", QT_TR_NOOP("Moon")},  // no letter of it is free for a mnemonic
        {"TimeOfDay", QT_TR_NOOP("&Time of Day")},
    };
    for (const auto& [name, caption] : valuePages) {
        values_.push_back(std::make_unique<Page>(whatWorksPages_, QString::fromLatin1(name),
                                                 PageChartKind::Values, &charts));
        whatWorksPages_->addTab(values_.back()->widget, tr(caption));
    }
    pages_->addTab(whatWorksPages_, tr("&What works"));
    months_ =
        std::make_unique<Page>(pages_, QStringLiteral("Month"), PageChartKind::Months, &charts);
    months_->view->setSortingEnabled(false);
    pages_->addTab(months_->widget, tr("&Over time"));

    auto* copyButton = new QPushButton(tr("&Copy"), this);
    copyButton->setObjectName(QStringLiteral("StatisticsCopy"));
    copyButton->setToolTip(tr("Copy the table shown, to paste into a spreadsheet"));
    auto* closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName(QStringLiteral("StatisticsClose"));
    connect(copyButton, &QPushButton::clicked, this, &StatisticsWindow::copy);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    // Escape closes it as it closes every other window of the program.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    // Enter or a double-click on a row that stands for one trip shows that trip.
    connect(bests_->view, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        const int trip = index.data(kRecordRole).toInt();
        if (trip < 1 || trip > static_cast<int>(shownTrips_.size())) return;
        const filtering::TripRef& shown = shownTrips_[static_cast<std::size_t>(trip - 1)];
        if (shown.book == 0) {
            if (showRecord_) showRecord_(shown.number);
        } else if (const filtering::LogBookFile* file = source_->otherBook(shown.book)) {
            filtering::showOtherTrip(platform_, *this, file->name, shown, units_);
        }
    });
    connect(filterBar_, &filtering::FilterBar::changed, this, [this] {
        source_->setAllLogBooks(filterBar_->allLogBooks());
        refresh();
    });
    connect(source_, &filtering::TripSource::changed, this, &StatisticsWindow::refresh);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(copyButton);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(filterBar_);
    layout->addWidget(showing_);
    layout->addWidget(pages_, 1);
    layout->addLayout(buttons);

    summary_->fill = [this] { fillSummary(figures_.summary); };
    venues_->fill = [this] { fillVenues(figures_.venues); };
    bests_->fill = [this] { fillBests(figures_.bests); };
    // The fields' pages, then the moon's and the time of day's.
    constexpr std::size_t kFieldPages = std::size(kWhatWorksFields);
    for (std::size_t i = 0; i < kFieldPages; ++i) {
        values_[i]->fill = [this, i] { fillValues(i, figures_.whatWorks[i]); };
    }
    values_[kFieldPages]->fill = [this] { fillValues(kFieldPages, figures_.moonPhases); };
    values_[kFieldPages + 1]->fill = [this] { fillValues(kFieldPages + 1, figures_.timesOfDay); };
    months_->fill = [this] { fillMonths(figures_.months); };
    // Tabs change their page before anything is painted, so a stale page is filled in time.
    connect(pages_, &QTabWidget::currentChanged, this, &StatisticsWindow::fillShownPage);
    connect(whatWorksPages_, &QTabWidget::currentChanged, this, &StatisticsWindow::fillShownPage);

    refresh();
}

StatisticsWindow::~StatisticsWindow() = default;

void StatisticsWindow::showCovers(CoverOf coverOf) {
    covers_ = new BestCovers(*bests_->view, *bests_->model, std::move(coverOf));
    bests_->stale = true;
    fillShownPage();
}

void StatisticsWindow::changeEvent(QEvent* event) {
    // Back from the Photos window, where a cover may have changed.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && covers_ != nullptr) {
        covers_->recheck();
    }
    // A desktop switching between a light and a dark theme while the window is open.
    if (event->type() == QEvent::PaletteChange) {
        if (months_->chart != nullptr) months_->chart->followPalette(palette());
        for (const auto& page : values_) {
            if (page->chart != nullptr) page->chart->followPalette(palette());
        }
    }
    QWidget::changeEvent(event);
}

void StatisticsWindow::refresh() {
    QFont font = this->font();
    font.setFamily(text(book_.settings().displayFont));
    pages_->setFont(font);

    // The figures are cheap; the tables' models and the charts are not, so only the page shown
    // is rebuilt now.
    units_ = book_.settings().units;
    const std::vector<filtering::TripRef>& all = source_->trips();
    filterBar_->setChoicesFrom(all);
    const filtering::Filtered filtered =
        filtering::applyFilter(all, filterBar_->filter(), units_, filterBar_->wordTest());
    shownTrips_.clear();
    for (int index : filtered.shown) shownTrips_.push_back(all[static_cast<std::size_t>(index)]);
    showing_->setText(filtering::showingTrips(static_cast<int>(shownTrips_.size()),
                                              static_cast<int>(all.size()), filtered.undated,
                                              source_->conflictCopies()));
    figures_ = figuresOf(filtering::recordsOf(shownTrips_), units_);
    for (Page* page : {summary_.get(), venues_.get(), bests_.get(), months_.get()}) {
        page->stale = true;
    }
    for (const auto& page : values_) page->stale = true;
    fillShownPage();
}

StatisticsWindow::Page* StatisticsWindow::shownPage() const {
    QWidget* shown = pages_->currentWidget();
    if (shown == whatWorksPages_) shown = whatWorksPages_->currentWidget();
    for (Page* page : {summary_.get(), venues_.get(), bests_.get(), months_.get()}) {
        if (page->widget == shown) return page;
    }
    for (const auto& page : values_) {
        if (page->widget == shown) return page.get();
    }
    return nullptr;
}

void StatisticsWindow::fillShownPage() {
    Page* page = shownPage();
    if (page == nullptr || !page->stale || !page->fill) return;
    page->stale = false;
    page->fill();
}

void StatisticsWindow::fillSummary(const Summary& s) {
    const UnitNames& units = units_;
    const auto weight = [&](double minor) { return text(formatWeight(minor, units)); };
    const auto opt = [this](const auto& value, const auto& format) {
        return value ? format(*value) : tr("none");
    };
    const std::pair<QString, QString> rows[] = {
        {tr("Trips"), QString::number(s.trips)},
        {tr("Trips with a date"), QString::number(s.datedTrips)},
        {tr("First trip"), opt(s.firstDate, [](const Date& d) { return localDate(d); })},
        {tr("Last trip"), opt(s.lastDate, [](const Date& d) { return localDate(d); })},
        {tr("Trips with start and finish times"), QString::number(s.timedTrips)},
        {tr("Hours fished"), text(formatDuration(s.minutesFished))},
        {tr("Trips with a total weight"), QString::number(s.weighedTrips)},
        {tr("Total weight caught"), weight(s.totalCatch)},
        {tr("Average catch per trip"), opt(s.catchPerTrip, weight)},
        {tr("Average catch per hour"), opt(s.catchPerHour, weight)},
        {tr("Blank trips"), QString::number(s.blankTrips)},
        {tr("Blank trips, share"), opt(s.blankShare, [](double v) { return localShare(v); })},
        {tr("Trips with a ticket price"), QString::number(s.pricedTrips)},
        {tr("Spent on day tickets"), localMoney(static_cast<double>(s.ticketTotal))},
        {tr("Average ticket per trip"),
         opt(s.ticketPerTrip, [](double v) { return localMoney(v); })},
    };
    summary_->reset({tr("Figure"), tr("Value")});
    int order = 0;
    for (const auto& [figure, value] : rows) {
        summary_->model->appendRow({cell(figure, order), cell(value, order)});
        ++order;
    }
    summary_->view->setSortingEnabled(false);
    summary_->proxy->sort(-1);
    summary_->view->resizeColumnToContents(0);
    summary_->notes->setText(leftOutText(s.notes));
}

void StatisticsWindow::fillVenues(const VenueTable& venues) {
    const UnitNames& units = units_;
    venues_->reset({tr("Venue"), tr("Trips"), tr("Total catch"), tr("Average catch"),
                    tr("Best fish"), tr("Best weight"), tr("Average ticket"), tr("Last visit")});
    for (const VenueRow& row : venues.rows) {
        venues_->model->appendRow(
            {cell(text(row.venue)), numberCell(QString::number(row.trips), row.trips),
             numberCell(text(formatWeight(row.totalCatch, units)), row.totalCatch),
             maybeCell(row.averageCatch,
                       row.averageCatch ? text(formatWeight(*row.averageCatch, units)) : QString()),
             cell(text(row.bestFish)),
             maybeCell(row.bestWeight,
                       row.bestWeight ? text(formatWeight(*row.bestWeight, units)) : QString()),
             maybeCell(row.averageTicket,
                       row.averageTicket ? localMoney(*row.averageTicket) : QString()),
             dateCell(row.lastVisit)});
    }
    venues_->view->resizeColumnsToContents();
    venues_->notes->setText(leftOutText(venues.notes));
}

void StatisticsWindow::fillBests(const BestTable& bests) {
    std::vector<int> records;
    bests_->reset({tr("Species"), tr("Weight"), tr("Venue"), tr("Date"), tr("Record")});
    for (const BestRow& row : bests.rows) {
        // The record's number in its own log book, not its place among the trips counted.
        const filtering::TripRef& trip = shownTrips_[static_cast<std::size_t>(row.record - 1)];
        const int number = trip.number;
        records.push_back(trip.book == 0 ? number : 0);
        QList<QStandardItem*> cells = {
            cell(text(row.species)), numberCell(text(formatWeight(row.weight, units_)), row.weight),
            cell(text(row.venue)), cell(typedDate(row.date)),
            numberCell(QString::number(number), number)};
        for (QStandardItem* cell : cells) cell->setData(row.record, kRecordRole);
        bests_->model->appendRow(cells);
    }
    if (covers_ != nullptr) covers_->show(std::move(records));
    bests_->view->resizeColumnsToContents();
    bests_->notes->setText(leftOutText(bests.notes));
}

void StatisticsWindow::fillValues(std::size_t index, const ValueTable& values) {
    Page& page = *values_[index];
    const UnitNames& units = units_;
    const QString heading = whatWorksPages_->tabText(static_cast<int>(index)).remove('&');
    page.reset({heading, tr("Trips"), tr("Average catch"), tr("Blank trips")});
    ChartData chartData;
    chartData.locale = windowsLocale();
    // The moon's phases and the parts of the day are the program's words; the fields' values
    // are the angler's own.
    const bool ownWords = index >= std::size(kWhatWorksFields);
    for (const ValueRow& row : values.rows) {
        const QString value = ownWords ? almanacText(row.value) : text(row.value);
        page.model->appendRow(
            {cell(value), numberCell(QString::number(row.trips), row.trips),
             numberCell(text(formatWeight(row.averageCatch, units)), row.averageCatch),
             numberCell(QString::number(row.blankTrips), row.blankTrips)});
        chartData.categories.prepend(value);  // the first row's bar on top
        chartData.amounts.prepend(inMajor(row.averageCatch, units));
    }
    page.view->resizeColumnsToContents();
    const QString leftOut = leftOutText(values.notes);
    page.notes->setText(values.about.empty() ? leftOut
                                             : aboutText(values) + QLatin1Char('\n') + leftOut);
    chartData.amountTitle = tr("%1 per trip").arg(text(units.weightMajorUnit));
    if (page.chart != nullptr) page.chart->showData(chartData);
}

void StatisticsWindow::fillMonths(const MonthTable& months) {
    const UnitNames& units = units_;
    months_->reset({tr("Month"), tr("Trips"), tr("Total catch")});
    ChartData chartData;
    chartData.locale = windowsLocale();
    for (std::size_t i = 0; i < months.rows.size(); ++i) {
        const MonthRow& row = months.rows[i];
        const QString month = localMonth(row.year, row.month);
        // A month without trips keeps its row and its place on the chart, empty.
        const QString total =
            row.weighedTrips > 0 ? text(formatWeight(row.totalCatch, units)) : QString();
        months_->model->appendRow({cell(month), numberCell(QString::number(row.trips), row.trips),
                                   numberCell(total, row.totalCatch)});
        chartData.categories << month;
        chartData.amounts.append(inMajor(row.totalCatch, units));
        if (row.trips > 0) chartData.trips.append(QPointF(static_cast<double>(i), row.trips));
    }
    months_->view->resizeColumnsToContents();
    months_->notes->setText(leftOutText(months.notes));
    chartData.amountTitle = tr("Total catch (%1)").arg(text(units.weightMajorUnit));
    if (months_->chart != nullptr) months_->chart->showData(chartData);
}

QTableView* StatisticsWindow::visibleTable() const {
    QWidget* page = pages_->currentWidget();
    if (page == whatWorksPages_) page = whatWorksPages_->currentWidget();
    return page->findChild<QTableView*>();
}

QString StatisticsWindow::visibleTableText() const {
    const QTableView* view = visibleTable();
    const QAbstractItemModel* model = view->model();
    QStringList lines;
    QStringList cells;
    for (int c = 0; c < model->columnCount(); ++c) {
        cells << model->headerData(c, Qt::Horizontal).toString();
    }
    lines << cells.join(QLatin1Char('\t'));
    for (int r = 0; r < model->rowCount(); ++r) {
        cells.clear();
        for (int c = 0; c < model->columnCount(); ++c) {
            // A tab or line break inside a value would split the spreadsheet's cell.
            QString text = model->index(r, c).data().toString();
            text.replace(QLatin1Char('\t'), QLatin1Char(' '));
            text.replace(QLatin1Char('\n'), QLatin1Char(' '));
            cells << text;
        }
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void StatisticsWindow::copy() {
    platform_.clearClipboard();
    platform_.setClipboardText(visibleTableText());
}

}  // namespace rodwick::stats
