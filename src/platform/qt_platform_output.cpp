// SPDX-License-Identifier: GPL-3.0-or-later
// The platform's printer, clipboard and processes.
#include "qt_platform.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <numeric>

namespace rodwick::platform {

namespace {

std::unique_ptr<QPrinter> defaultPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

}  // namespace

QtPlatform::QtPlatform() : QtPlatform(defaultPrinter) {}

QtPlatform::QtPlatform(PrinterFactory makePrinter) : makePrinter_(std::move(makePrinter)) {}

QtPlatform::~QtPlatform() {
    endPrintJob();
    setBusyPointer(false);
}

void QtPlatform::setPrinterFontName(const QString& fontName) {
    printerFontName_ = fontName;
}

void QtPlatform::setPrinterFontAttribute(FontAttribute attribute, bool on) {
    switch (attribute) {
        case FontAttribute::Bold:
            bold_ = on;
            break;
        case FontAttribute::Italic:
            italic_ = on;
            break;
        case FontAttribute::Underline:
            underline_ = on;
            break;
    }
}

QFont QtPlatform::printerFont() const {
    QFont font(printerFontName_, 10);
    font.setBold(bold_);
    font.setItalic(italic_);
    font.setUnderline(underline_);
    return font;
}

bool QtPlatform::startPrintJob() {
    if (painter_) return true;
    lineTop_ = 0;
    // No default printer at all is a failure like a printer that refuses the job.
    printer_ = makePrinter_ ? makePrinter_() : nullptr;
    if (!printer_) return false;
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get())) {
        painter_.reset();
        printer_.reset();
        return false;
    }
    return true;
}

bool QtPlatform::printLine(const QString& line) {
    if (!painter_) return false;

    painter_->setFont(printerFont());
    const QFontMetrics metrics = painter_->fontMetrics();
    // A line that no longer fits starts a new page; the first line of a page always prints.
    if (lineTop_ > 0 && lineTop_ + metrics.height() > printer_->height()) {
        if (!printer_->newPage()) return false;
        lineTop_ = 0;
    }
    painter_->drawText(0, lineTop_ + metrics.ascent(), line);
    lineTop_ += metrics.lineSpacing();
    return true;
}

void QtPlatform::endPrintJob() {
    if (painter_) painter_->end();
    painter_.reset();
    printer_.reset();
}

bool QtPlatform::printTable(const PrintedTable& table) {
    if (painter_) return false;
    std::unique_ptr<QPrinter> printer = makePrinter_ ? makePrinter_() : nullptr;
    if (!printer) return false;
    // Each column as wide as its widest text, in the printer's font at 9 points. A report wider
    // than the page turns the page, then takes a smaller size down to 6 points; what still does
    // not fit takes width from every column in proportion, its texts cut short with an ellipsis.
    const qsizetype columns = table.headings.size();
    const auto widthsAt = [&](int points) {
        QFont font(printerFontName_, points);
        QFont bold = font;
        bold.setBold(true);
        const QFontMetrics metrics(font, printer.get());
        const QFontMetrics boldMetrics(bold, printer.get());
        QList<int> widths(columns, 0);
        for (qsizetype c = 0; c < columns; ++c) {
            widths[c] = boldMetrics.horizontalAdvance(table.headings[c]);
            for (const QStringList& row : table.rows) {
                if (c < row.size()) {
                    widths[c] = std::max(widths[c], metrics.horizontalAdvance(row[c]));
                }
            }
        }
        return widths;
    };
    const auto across = [&](const QList<int>& widths, int gap) {
        return std::accumulate(widths.begin(), widths.end(), 0) +
               gap * static_cast<int>(std::max<qsizetype>(0, columns - 1));
    };
    const auto gapAt = [&](int points) {
        return QFontMetrics(QFont(printerFontName_, points), printer.get())
            .horizontalAdvance(QStringLiteral("  "));
    };
    int points = 9;
    if (across(widthsAt(points), gapAt(points)) > printer->width()) {
        printer->setPageOrientation(QPageLayout::Landscape);
    }
    while (points > 6 && across(widthsAt(points), gapAt(points)) > printer->width()) --points;
    QPainter painter;
    if (!painter.begin(printer.get())) return false;
    QFont font(printerFontName_, points);
    QFont bold = font;
    bold.setBold(true);
    painter.setFont(font);
    const QFontMetrics metrics(font, printer.get());
    const QFontMetrics boldMetrics(bold, printer.get());
    const int line = boldMetrics.lineSpacing();
    const int pageHeight = printer->height();
    // Measured again once printing has begun: only then does the printer measure as it prints.
    QList<int> widths = widthsAt(points);
    const int gap = gapAt(points);
    const int pageWidth = printer->width();
    const int wanted = across(widths, gap);
    if (wanted > pageWidth && columns > 0) {
        const int spaces = gap * static_cast<int>(columns - 1);
        const double scale = double(pageWidth - spaces) / (wanted - spaces);
        for (int& width : widths) width = std::max(1, int(width * scale));
    }

    // Laid out twice: once to count the pages for the foot, once to print.
    QFont title = bold;
    title.setPointSize(12);
    const int bottom = pageHeight - 2 * line;
    int pages = 0;
    const auto layOut = [&](bool print) {
        int page = 1;
        int top = 0;
        const auto drawRow = [&](const QStringList& cells, const QFontMetrics& used) {
            int left = 0;
            for (qsizetype c = 0; print && c < columns && c < cells.size(); ++c) {
                // A text measured to fit is drawn whole: eliding to its own width may cut it.
                const QString& text = cells[c];
                painter.drawText(QRect(left, top, widths[c], line),
                                 Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip,
                                 used.horizontalAdvance(text) <= widths[c]
                                     ? text
                                     : used.elidedText(text, Qt::ElideRight, widths[c]));
                left += widths[c] + gap;
            }
            top += line;
        };
        const auto startPage = [&] {
            painter.setFont(bold);
            drawRow(table.headings, boldMetrics);
            painter.setFont(font);
        };
        const auto endPage = [&] {
            if (!print) return;
            painter.drawText(
                QRect(0, pageHeight - line, pageWidth, line), Qt::AlignCenter,
                QCoreApplication::translate("PrintedTable", "Page %1 of %2").arg(page).arg(pages));
        };
        // Another page when the next line would reach the foot; false when the printer fails.
        const auto room = [&] {
            if (top + line <= bottom) return true;
            endPage();
            if (print && !printer->newPage()) return false;
            ++page;
            top = 0;
            startPage();
            return true;
        };
        if (print) {
            painter.setFont(title);
            painter.drawText(QRect(0, 0, pageWidth, 2 * line), Qt::AlignLeft | Qt::AlignVCenter,
                             table.title);
        }
        top = 2 * line;
        startPage();
        for (const QStringList& row : table.rows) {
            if (!room()) return false;
            drawRow(row, metrics);
        }
        top += line;
        for (const QString& note : table.notes) {
            if (!room()) return false;
            if (print) {
                painter.drawText(QRect(0, top, pageWidth, line), Qt::AlignLeft | Qt::AlignVCenter,
                                 note);
            }
            top += line;
        }
        endPage();
        pages = page;
        return true;
    };
    layOut(false);
    if (!layOut(true)) return false;
    return painter.end();
}

void QtPlatform::clearClipboard() {
    QGuiApplication::clipboard()->clear();
}

void QtPlatform::setClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

bool QtPlatform::startProgram(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

}  // namespace rodwick::platform
