// SPDX-License-Identifier: GPL-3.0-or-later
#include "trip_list_window.h"

#include <QFileInfo>

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>
#include <filesystem>

#include "filter_bar.h"
#include "other_trip_window.h"
#include "program_files.h"
#include "readings.h"
#include "text.h"
#include "thumbnails.h"
#include "trip_counts.h"
#include "trip_list_model.h"
#include "trip_source.h"
#include "windows_locale.h"

namespace rodwick::trips {
namespace {

constexpr auto kLayoutGroup = "TripList";
// The widest a column is first made: a long remark or venue cannot push the others out of sight.
constexpr int kWidestColumn = 220;

// " (2 without times)" where some trips were left out of a total; source is one of the
// texts marked below.
QString without(int count, const char* source) {
    return count == 0 ? QString()
                      : QCoreApplication::translate("rodwick::trips::TripListWindow", source,
                                                    nullptr, count);
}
constexpr const char* kWithoutTimes =
    QT_TRANSLATE_N_NOOP("rodwick::trips::TripListWindow", " (%n without times)");
constexpr const char* kWithoutWeight =
    QT_TRANSLATE_N_NOOP("rodwick::trips::TripListWindow", " (%n without a total weight)");
constexpr const char* kWithoutPrice =
    QT_TRANSLATE_N_NOOP("rodwick::trips::TripListWindow", " (%n without a ticket price)");

}  // namespace

std::string windowLayoutFile() {
    const UserFolders folders = userFoldersFromEnvironment();
    const std::string config = !folders.configHome.empty() ? folders.configHome
                               : !folders.home.empty()     ? folders.home + "/.config"
                                                           : std::string();
    return config.empty() ? std::string() : config + "/rodwick/windows.conf";
}

TripListWindow::TripListWindow(RecordBook& book, platform::Platform& platform,
                               std::string layoutFile, ExportTrips exportTrips, QWidget* parent)
    : QWidget(parent, Qt::Window),
      book_(book),
      platform_(platform),
      layoutFile_(std::move(layoutFile)),
      exportTrips_(std::move(exportTrips)) {
    setObjectName(QStringLiteral("TripListWindow"));
    setWindowTitle(tr("Trips"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(900, 520);

    source_ = new filtering::TripSource(book_, this);
    filterBar_ = new filtering::FilterBar(platform_, this);
    model_ = new TripListModel(this);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("TripTable"));
    table_->setAccessibleName(tr("Trips"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);
    table_->setWordWrap(false);
    table_->verticalHeader()->setVisible(false);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    QHeaderView* header = table_->horizontalHeader();
    header->setSectionsMovable(true);
    header->setHighlightSections(false);
    // Widths from the rows in sight and a few more, not from every trip: a full log book
    // would cost the window its quick start.
    header->setResizeContentsPrecision(20);
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    // Rows start in record order; a click on a heading sorts by that column.
    header->setSortIndicator(-1, Qt::AscendingOrder);
    table_->setSortingEnabled(true);

    totals_ = new QLabel(this);
    totals_->setObjectName(QStringLiteral("TripTotals"));
    totals_->setTextFormat(Qt::PlainText);
    totals_->setWordWrap(true);
    totals_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    totals_->setFocusPolicy(Qt::StrongFocus);
    leftOut_ = new QLabel(this);
    leftOut_->setObjectName(QStringLiteral("TripFilesLeftOut"));
    leftOut_->setTextFormat(Qt::PlainText);
    leftOut_->setWordWrap(true);
    leftOut_->setVisible(false);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("TripFolderProgress"));
    progress_->setAccessibleName(tr("Reading the log books of the folder"));
    progress_->setVisible(false);

    auto* exportButton = new QPushButton(tr("Export Shown Trips (CSV)..."), this);
    exportButton->setObjectName(QStringLiteral("TripExport"));
    auto* printButton = new QPushButton(tr("Print Shown Trips..."), this);
    printButton->setObjectName(QStringLiteral("TripPrint"));
    auto* closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName(QStringLiteral("TripClose"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(progress_, 1);
    buttons->addStretch(0);
    buttons->addWidget(exportButton);
    buttons->addWidget(printButton);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(filterBar_);
    layout->addWidget(table_, 1);
    layout->addWidget(totals_);
    layout->addWidget(leftOut_);
    layout->addLayout(buttons);

    connect(exportButton, &QPushButton::clicked, this, &TripListWindow::exportShown);
    connect(printButton, &QPushButton::clicked, this, &TripListWindow::printShown);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    // Return or a double-click.
    connect(table_, &QAbstractItemView::activated, this,
            [this](const QModelIndex& index) { showTrip(index.row()); });
    connect(header, &QWidget::customContextMenuRequested, this, [this, header](const QPoint& at) {
        showColumnMenu(header->mapToGlobal(at), header->logicalIndexAt(at));
    });
    // The same menu from the keyboard (the menu key or Shift+F10 on the table), on the column
    // of the current cell.
    table_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(table_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        showColumnMenu(table_->viewport()->mapToGlobal(at), table_->currentIndex().column());
    });
    connect(filterBar_, &filtering::FilterBar::changed, this, [this] {
        source_->setAllLogBooks(filterBar_->allLogBooks());
        refresh();
    });
    connect(source_, &filtering::TripSource::changed, this, &TripListWindow::refresh);

    const bool restored = restoreLayout();
    refresh();
    if (!restored) {
        // First opened: each column as wide as its heading and its texts, up to a limit a long
        // remark or venue cannot push the others out of sight with.
        table_->resizeColumnsToContents();
        for (int column = 0; column < kColumnCount; ++column) {
            header->resizeSection(column, std::min(header->sectionSize(column), kWidestColumn));
        }
    }
    if (model_->rowCount() > 0) {
        // The trip the main window shows, so the list opens where the user is.
        const int row = model_->rowOf(0, book_.current());
        table_->selectRow(row < 0 ? 0 : row);
    }
}

TripListWindow::~TripListWindow() = default;

void TripListWindow::showPhotos(PhotoShelf& shelf) {
    photos_ = &shelf;
    model_->setPhotos(
        [this](const filtering::TripRef& trip) {
            // The folder's other log books keep photos of their own, not shown here.
            if (trip.book != 0 || trip.number < 1 ||
                trip.number > static_cast<int>(photoCounts_.size()))
                return -1;
            return photoCounts_[static_cast<std::size_t>(trip.number - 1)];
        },
        [this](const filtering::TripRef& trip) { return coverTip(trip); });
    photosChanged_ = shelf.subscribe([this] { countPhotos(); });
    countPhotos();
}

void TripListWindow::countPhotos() {
    if (photos_ == nullptr) return;
    std::vector<int> counts = photos_->photoCounts();
    if (counts == photoCounts_) return;
    photoCounts_ = std::move(counts);
    model_->photosChanged();
}

QString TripListWindow::coverTip(const filtering::TripRef& trip) const {
    if (photos_ == nullptr || trip.book != 0) return {};
    const auto cover = photos_->coverOf(trip.number);
    if (!cover) return {};
    // The desktop's thumbnail of it where there is one, made now where there is none: a
    // tooltip never decodes a whole photo.
    const QString photo = fromPath(photos_->pathOf(cover->name));
    const photos::ThumbnailCache cache = photos::ThumbnailCache::standard();
    const QString thumbnail = cache.fileFor(photo, photos::ThumbnailSize::Normal);
    if (!QFileInfo::exists(thumbnail) &&
        !photos::thumbnailOf(photo, photos::ThumbnailSize::Normal, &cache).ok())
        return {};
    return QStringLiteral("<img src=\"%1\"><br>%2")
        .arg(QFileInfo::exists(thumbnail) ? thumbnail : photo,
             fromUtf8(cover->caption).toHtmlEscaped());
}

void TripListWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) countPhotos();
}

void TripListWindow::refresh() {
    countPhotos();
    const std::vector<filtering::TripRef>& trips = source_->trips();
    filterBar_->setChoicesFrom(trips);
    model_->setTrips(trips, source_->bookNames(), filterBar_->filter(), filterBar_->wordTest(),
                     book_.settings().units);
    const int logBook = static_cast<int>(Column::LogBook);
    table_->setColumnHidden(logBook, !source_->allLogBooks());
    // The column was hidden when the widths were first set (or last kept), so it has none of
    // its own: it takes its texts' width when first shown. A width the user gave it stays.
    QHeaderView* header = table_->horizontalHeader();
    if (source_->allLogBooks() && header->sectionSize(logBook) < header->minimumSectionSize()) {
        table_->resizeColumnToContents(logBook);
        header->resizeSection(logBook, std::min(header->sectionSize(logBook), kWidestColumn));
    }
    totals_->setText(totalsText());
    // A name replaces a label's text for a screen reader: it carries the figures, as the
    // record view's names carry their values.
    totals_->setAccessibleName(tr("Totals: %1").arg(totals_->text()));

    const std::vector<std::string> leftOut = source_->leftOutFiles();
    QStringList lines;
    for (const std::string& file : leftOut) lines << fromPath(file);
    leftOut_->setText(tr("Left out, not read as a log book:\n") + lines.join(QLatin1Char('\n')));
    leftOut_->setVisible(!lines.isEmpty());
    const int toRead = source_->filesToRead();
    progress_->setVisible(toRead > 0);
    progress_->setRange(0, source_->filesInFolder());
    progress_->setValue(source_->filesInFolder() - toRead);
}

QString TripListWindow::totalsText() const {
    const std::vector<filtering::TripRef> shown = model_->shownTrips();
    std::vector<int> all(shown.size());
    for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<int>(i);
    const Totals totals = totalsOf(shown, all, model_->units());
    const UnitNames& units = model_->units();
    QStringList parts;
    parts << filtering::showingTrips(static_cast<int>(shown.size()), model_->tripCount(),
                                     model_->filtered().undated, source_->conflictCopies());
    parts << tr("%1 fished").arg(fromFileText(formatDuration(totals.minutesFished))) +
                 without(totals.untimed, kWithoutTimes);
    parts << tr("%1 caught").arg(fromFileText(formatWeight(totals.totalCatch, units))) +
                 without(totals.unweighed, kWithoutWeight);
    parts << tr("%n blank trip(s)", nullptr, totals.blankTrips) +
                 without(totals.unweighed, kWithoutWeight);
    parts
        << tr("\u00a3%1 on day tickets").arg(localMoney(static_cast<double>(totals.ticketCents))) +
               without(totals.unpriced, kWithoutPrice);
    return parts.join(QStringLiteral("; "));
}

void TripListWindow::showTrip(int row) {
    if (row < 0 || row >= model_->rowCount()) return;
    const filtering::TripRef& trip = model_->tripAt(row);
    if (trip.book == 0) {
        (void)book_.show(trip.number);
        return;
    }
    if (const filtering::LogBookFile* file = source_->otherBook(trip.book)) {
        filtering::showOtherTrip(platform_, *this, file->name, trip, book_.settings().units);
    }
}

void TripListWindow::exportShown() {
    if (exportTrips_) exportTrips_(filtering::recordsOf(model_->shownTrips()), model_->units());
}

void TripListWindow::printShown() {
    platform::PrintedTable report;
    report.title = filtering::describeFilter(filterBar_->filter());
    if (source_->allLogBooks()) {
        report.title +=
            tr(", in every log book of %1")
                .arg(fromPath(std::filesystem::path(book_.fileName()).parent_path().string()));
    }
    const QHeaderView* header = table_->horizontalHeader();
    std::vector<int> columns;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (header->isSectionHidden(logical)) continue;
        columns.push_back(logical);
        report.headings << model_->headerData(logical, Qt::Horizontal).toString();
    }
    for (int row = 0; row < model_->rowCount(); ++row) {
        QStringList cells;
        for (int column : columns) cells << model_->index(row, column).data().toString();
        report.rows << cells;
    }
    report.notes << totals_->text();
    if (!source_->leftOutFiles().empty()) report.notes << leftOut_->text().split('\n');
    while (!platform_.printTable(report)) {
        const platform::Message failed{
            tr("The printer is not ready or the report could not be printed."),
            tr("Print Shown Trips"), platform::Buttons::RetryCancel, platform::Icon::Exclamation};
        if (platform_.showMessage(failed) != platform::Answer::Retry) return;
    }
}

void TripListWindow::showColumnMenu(const QPoint& globalAt, int column) {
    QMenu menu(this);
    QHeaderView* header = table_->horizontalHeader();
    addColumnChoices(menu);
    if (column < 0) {
        menu.exec(globalAt);
        return;
    }
    // The column moves past its next shown neighbour; hidden columns are stepped over.
    const int at = header->visualIndex(column);
    const auto shownNeighbour = [header, at](int step) {
        for (int visual = at + step; visual >= 0 && visual < header->count(); visual += step) {
            if (!header->isSectionHidden(header->logicalIndex(visual))) return visual;
        }
        return -1;
    };
    menu.addSeparator();
    for (const auto& [caption, step] : {std::pair{"Move Left", -1}, std::pair{"Move Right", 1}}) {
        const int to = shownNeighbour(step);
        QAction* move = menu.addAction(QString::fromLatin1(caption));
        move->setEnabled(to >= 0);
        connect(move, &QAction::triggered, this, [this, header, at, to] {
            header->moveSection(at, to);
            saveLayout();
        });
    }
    menu.exec(globalAt);
}

void TripListWindow::addColumnChoices(QMenu& menu) {
    QHeaderView* header = table_->horizontalHeader();
    for (int column = 0; column < kColumnCount; ++column) {
        if (column == static_cast<int>(Column::LogBook) && !source_->allLogBooks()) continue;
        QAction* action = menu.addAction(model_->headerData(column, Qt::Horizontal).toString());
        action->setCheckable(true);
        action->setChecked(!header->isSectionHidden(column));
        connect(action, &QAction::toggled, this, [this, header, column](bool shown) {
            // One column always stays, so that the list never becomes an empty frame.
            if (!shown && header->count() - header->hiddenSectionCount() <= 1) return;
            header->setSectionHidden(column, !shown);
            saveLayout();
        });
    }
}

void TripListWindow::closeEvent(QCloseEvent* event) {
    saveLayout();
    QWidget::closeEvent(event);
}

void TripListWindow::saveLayout() const {
    if (layoutFile_.empty()) return;
    QSettings layout(fromPath(layoutFile_), QSettings::IniFormat);
    layout.beginGroup(QLatin1String(kLayoutGroup));
    layout.setValue(QStringLiteral("columns"), table_->horizontalHeader()->saveState());
    layout.endGroup();
}

bool TripListWindow::restoreLayout() {
    if (layoutFile_.empty()) return false;
    const QSettings layout(fromPath(layoutFile_), QSettings::IniFormat);
    const QByteArray columns =
        layout.value(QLatin1String(kLayoutGroup) + QStringLiteral("/columns")).toByteArray();
    QHeaderView* header = table_->horizontalHeader();
    if (columns.isEmpty() || !header->restoreState(columns)) return false;
    // Rows open in record order whatever order was last chosen.
    header->setSortIndicator(-1, Qt::AscendingOrder);
    return true;
}

}  // namespace rodwick::trips
