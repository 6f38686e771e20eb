// SPDX-License-Identifier: GPL-3.0-or-later
#include "csv_import_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

#include "csv_headings.h"
#include "fields.h"
#include "text.h"
#include "widgets.h"

namespace rodwick {

namespace {

constexpr char kSeparators[] = {',', ';', '\t'};
constexpr CsvEncoding kEncodings[] = {CsvEncoding::Utf8WithBom, CsvEncoding::Utf8,
                                      CsvEncoding::Windows1252};
// A cell of many pages would make the preview crawl; the window shows its start.
constexpr qsizetype kShownCellLength = 200;

int indexOf(char separator) {
    for (int i = 0; i < 3; ++i) {
        if (kSeparators[i] == separator) return i;
    }
    return 0;
}

QString shortened(QString text) {
    if (text.size() > kShownCellLength) text = text.left(kShownCellLength) + QChar(0x2026);
    return text;
}

}  // namespace

CsvImportWindow::CsvImportWindow(std::string_view fileBytes, const UnitNames& units, int room,
                                 platform::Platform& platform, QWidget* parent)
    : QDialog(parent), fileBytes_(fileBytes), room_(room) {
    setObjectName(QStringLiteral("CsvImport"));
    setWindowTitle(tr("Import from Spreadsheet (CSV)"));
    setFont(captionFont());
    for (const std::string& name : csvHeadingsInLanguage(units))
        fieldNames_.push_back(QString::fromStdString(name));

    auto* layout = new QVBoxLayout(this);
    auto* reading = new QHBoxLayout;
    separator_ = new QComboBox(this);
    separator_->setObjectName(QStringLiteral("separator"));
    separator_->addItems({tr("Comma"), tr("Semicolon"), tr("Tab")});
    encoding_ = new QComboBox(this);
    encoding_->setObjectName(QStringLiteral("encoding"));
    // The encodings' own names are no words to translate.
    encoding_->addItems({tr("UTF-8 with byte-order mark"), QStringLiteral("UTF-8"),
                         QStringLiteral("Windows-1252")});
    header_ = new QCheckBox(tr("First row is a &header"), this);
    header_->setObjectName(QStringLiteral("header"));
    auto* separatorLabel = new QLabel(tr("&Separator:"), this);
    separatorLabel->setBuddy(separator_);
    auto* encodingLabel = new QLabel(tr("&Encoding:"), this);
    encodingLabel->setBuddy(encoding_);
    reading->addWidget(separatorLabel);
    reading->addWidget(separator_);
    reading->addSpacing(12);
    reading->addWidget(encodingLabel);
    reading->addWidget(encoding_);
    reading->addSpacing(12);
    reading->addWidget(header_);
    reading->addStretch();
    layout->addLayout(reading);

    layout->addWidget(new QLabel(tr("Columns of the file and the field each goes into:"), this));
    columnsArea_ = new QScrollArea(this);
    columnsArea_->setObjectName(QStringLiteral("columns"));
    columnsArea_->setWidgetResizable(true);
    layout->addWidget(columnsArea_, 1);

    layout->addWidget(new QLabel(tr("The first trips as they will be stored:"), this));
    preview_ = new QTableWidget(this);
    preview_->setObjectName(QStringLiteral("preview"));
    preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    preview_->setFocusPolicy(Qt::NoFocus);
    preview_->verticalHeader()->setVisible(false);
    layout->addWidget(preview_, 1);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("summary"));
    summary_->setWordWrap(true);
    layout->addWidget(summary_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    okay_ = new QPushButton(tr("&Import"), this);
    okay_->setObjectName(QStringLiteral("okay"));
    okay_->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    buttons->addWidget(okay_);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    // What the file itself suggests, before any handler is connected.
    choice_.units = units;
    choice_.separator = detectSeparator(withoutBom(fileBytes_));
    choice_.encoding = detectEncoding(fileBytes_);
    separator_->setCurrentIndex(indexOf(choice_.separator));
    encoding_->setCurrentIndex(static_cast<int>(choice_.encoding));
    header_->setChecked(true);
    readRows();

    connect(separator_, &QComboBox::currentIndexChanged, this, [this](int index) {
        choice_.separator = kSeparators[index];
        readRows();
    });
    connect(encoding_, &QComboBox::currentIndexChanged, this, [this](int index) {
        choice_.encoding = kEncodings[index];
        // The headings' texts change with the encoding, the mapping does not.
        buildColumnBoxes();
        replan();
    });
    connect(header_, &QCheckBox::toggled, this, [this](bool on) {
        choice_.firstRowIsHeader = on;
        choice_.mapping = initialMapping(rows_, on, shippedLanguageHeadings());
        buildColumnBoxes();
        replan();
    });
    connect(okay_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    resize(760, 560);
    centreOnScreen(*this, platform);
}

void CsvImportWindow::readRows() {
    rows_ = readImportRows(fileBytes_, choice_.separator);
    choice_.mapping = initialMapping(rows_, choice_.firstRowIsHeader, shippedLanguageHeadings());
    buildColumnBoxes();
    replan();
}

void CsvImportWindow::buildColumnBoxes() {
    // The old boxes go with their container; none of them is asked anything after this.
    columnBoxes_.clear();
    auto* boxes = new QWidget;
    auto* grid = new QGridLayout(boxes);
    const std::vector<std::string>* headings =
        choice_.firstRowIsHeader && !rows_.rows.empty() ? &rows_.rows.front() : nullptr;
    const int shown =
        static_cast<int>(std::min<std::size_t>(choice_.mapping.size(), kMaxMappedColumns));
    for (int c = 0; c < shown; ++c) {
        QString caption = tr("Column %1").arg(c + 1);
        if (headings && static_cast<std::size_t>(c) < headings->size()) {
            //: %1 is the column's number and name ("Column 3"), %2 its heading in the file.
            caption = tr("%1: %2").arg(
                caption,
                shortened(QString::fromStdString(cellAsUtf8((*headings)[c], choice_.encoding))));
        }
        auto* label = new QLabel(caption, boxes);
        auto* box = new QComboBox(boxes);
        box->setObjectName(QStringLiteral("column%1").arg(c + 1));
        box->addItem(tr("(leave out)"));
        for (const QString& name : fieldNames_) box->addItem(name);
        box->setCurrentIndex(choice_.mapping[c] + 1);
        connect(box, &QComboBox::currentIndexChanged, this, [this, c](int index) {
            choice_.mapping[c] = index - 1;
            replan();
        });
        grid->addWidget(label, c / 2, (c % 2) * 2);
        grid->addWidget(box, c / 2, (c % 2) * 2 + 1);
        columnBoxes_.push_back(box);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(grid->rowCount(), 1);
    columnsArea_->setWidget(boxes);
}

void CsvImportWindow::replan() {
    plan_ = planImport(rows_, choice_);
    showPreview();
    showSummary();
}

void CsvImportWindow::showPreview() {
    const auto mapped = [this](int f) {
        return std::find(choice_.mapping.begin(), choice_.mapping.end(), f) !=
               choice_.mapping.end();
    };
    // A minor box is shown beside its major where a split may fill it.
    std::vector<int> fields;
    for (int f = 0; f < kFieldCount; ++f) {
        const UnitKind unit = kFields[f].unit;
        const bool minor = unit == UnitKind::WeightMinor || unit == UnitKind::DepthMinor;
        if (mapped(f) || (minor && mapped(f - 1))) fields.push_back(f);
    }
    const int rows = static_cast<int>(std::min<std::size_t>(plan_.records.size(), kPreviewRows));
    preview_->clear();
    preview_->setColumnCount(static_cast<int>(fields.size()));
    preview_->setRowCount(rows);
    QStringList captions;
    for (const int f : fields) captions << fieldNames_[f];
    preview_->setHorizontalHeaderLabels(captions);
    for (int r = 0; r < rows; ++r) {
        for (int k = 0; k < static_cast<int>(fields.size()); ++k) {
            const std::string& text = plan_.records[r].fields[fields[k]];
            preview_->setItem(r, k, new QTableWidgetItem(shortened(fromFileText(text))));
        }
    }
    for (const CsvCellNote& note : plan_.notes) {
        if (note.record >= static_cast<std::size_t>(rows)) break;
        const auto column = std::find(fields.begin(), fields.end(), static_cast<int>(note.field));
        if (column == fields.end()) continue;
        markCell(*preview_->item(static_cast<int>(note.record),
                                 static_cast<int>(column - fields.begin())),
                 note);
    }
    preview_->resizeColumnsToContents();
}

void CsvImportWindow::markCell(QTableWidgetItem& item, const CsvCellNote& note) const {
    const QString written = fromFileText(note.asWritten);
    QString why;
    switch (note.kind) {
        case CsvCellNote::Kind::Split:
            //: %1 is the cell's text as the file gives it.
            why = tr("Split into its two boxes from \u201C%1\u201D.").arg(written);
            break;
        case CsvCellNote::Kind::Time:
            //: %1 is the cell's text as the file gives it.
            why = tr("Read as a time from \u201C%1\u201D.").arg(written);
            break;
        case CsvCellNote::Kind::OtherSystem:
            why = choice_.units.isMetric()
                      ? tr("Kept as written: the value is in imperial units, the metric units "
                           "are in force, and weights and depths are never converted.")
                      : tr("Kept as written: the value is in metric units, the imperial units "
                           "are in force, and weights and depths are never converted.");
            // Seen at a glance, not only when pointed at.
            item.setBackground(palette().color(QPalette::ToolTipBase));
            item.setForeground(palette().color(QPalette::ToolTipText));
            break;
    }
    item.setToolTip(why);
    item.setData(Qt::AccessibleDescriptionRole, why);
}

void CsvImportWindow::showSummary() {
    QStringList lines;
    const auto count = [](std::size_t n) { return static_cast<int>(n); };
    const std::size_t trips = plan_.tripCount;
    lines << (trips == 0 ? tr("No trips will be added.")
                         : tr("%n trip(s) will be added.", nullptr, count(trips)));
    if (trips > static_cast<std::size_t>(room_)) {
        lines << tr("Only %n more fit in the table (250 records at most): nothing can be added.",
                    nullptr, room_);
    }
    if (plan_.replacedCharacters > 0) {
        lines << tr("%n character(s) the database file cannot hold will be stored as \"?\".",
                    nullptr, count(plan_.replacedCharacters));
    }
    if (plan_.rowsOfOtherWidth > 0) {
        lines << tr(
            "%n row(s) have more or fewer cells than the first row: missing cells stay "
            "empty.",
            nullptr, count(plan_.rowsOfOtherWidth));
    }
    if (plan_.otherSystemValues > 0) {
        lines << tr(
            "%n weight(s) or depth(s) are in the other unit system and will be kept as "
            "written.",
            nullptr, count(plan_.otherSystemValues));
    }
    if (plan_.unclosedQuote) {
        lines << tr("A quote is never closed: its cell runs to the end of the file.");
    }
    if (choice_.mapping.size() > static_cast<std::size_t>(kMaxMappedColumns)) {
        lines << tr("Columns after the %1th are left out.").arg(kMaxMappedColumns);
    }
    summary_->setText(lines.join(QLatin1Char(' ')));
    okay_->setEnabled(trips > 0);
}

}  // namespace rodwick
