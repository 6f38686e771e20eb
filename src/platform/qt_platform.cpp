// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDialog>
#include <QFontDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <limits>
#include <numeric>
#include <vector>

namespace rodwick::platform {

namespace {

using SB = QMessageBox::StandardButton;

// The buttons of each set in the order the user reads them, which is the order the default
// button counts in.
std::vector<SB> buttonsOf(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok:
            return {SB::Ok};
        case Buttons::OkCancel:
            return {SB::Ok, SB::Cancel};
        case Buttons::AbortRetryIgnore:
            return {SB::Abort, SB::Retry, SB::Ignore};
        case Buttons::YesNoCancel:
            return {SB::Yes, SB::No, SB::Cancel};
        case Buttons::YesNo:
            return {SB::Yes, SB::No};
        case Buttons::RetryCancel:
            return {SB::Retry, SB::Cancel};
    }
    return {SB::Ok};
}

// Escape (and closing the box) backs out: Cancel where there is one, otherwise No, otherwise
// Abort; a lone Ok is simply acknowledged.
SB escapeButtonOf(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok:
            return SB::Ok;
        case Buttons::AbortRetryIgnore:
            return SB::Abort;
        case Buttons::YesNo:
            return SB::No;
        case Buttons::OkCancel:
        case Buttons::YesNoCancel:
        case Buttons::RetryCancel:
            return SB::Cancel;
    }
    return SB::Cancel;
}

QMessageBox::Icon iconOf(Icon icon) {
    switch (icon) {
        case Icon::None:
            return QMessageBox::NoIcon;
        case Icon::Stop:
            return QMessageBox::Critical;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::Exclamation:
            return QMessageBox::Warning;
        case Icon::Information:
            return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

std::size_t indexOf(DefaultButton button) {
    switch (button) {
        case DefaultButton::First:
            return 0;
        case DefaultButton::Second:
            return 1;
        case DefaultButton::Third:
            return 2;
    }
    return 0;
}

// The patterns Qt reads from the end of a name filter, as in "Text (*.txt *.asc)".
QStringList bracketedPatterns(const QString& description) {
    static const QRegularExpression kTail(QStringLiteral("\\(([^()]*)\\)\\s*$"));
    const QRegularExpressionMatch match = kTail.match(description);
    if (!match.hasMatch()) return {};
    return match.captured(1).split(QRegularExpression(QStringLiteral("[\\s;]+")),
                                   Qt::SkipEmptyParts);
}

bool samePatterns(const QStringList& a, const QStringList& b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i].compare(b[i], Qt::CaseInsensitive) != 0) return false;
    }
    return true;
}

// The window a platform dialog belongs to, so that it opens over the program's windows.
QWidget* dialogParent() {
    return QApplication::activeWindow();
}

std::unique_ptr<QPrinter> defaultPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

}  // namespace

std::unique_ptr<QMessageBox> makeMessageBox(const Message& message, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setTextFormat(Qt::PlainText);
    box->setText(message.text);
    box->setWindowTitle(message.title);
    box->setIcon(iconOf(message.icon));

    const std::vector<SB> buttons = buttonsOf(message.buttons);
    QMessageBox::StandardButtons set;
    for (SB button : buttons) set |= button;
    box->setStandardButtons(set);

    // A default beyond the set falls back to the first button.
    std::size_t index = indexOf(message.defaultButton);
    if (index >= buttons.size()) index = 0;
    box->setDefaultButton(buttons[index]);
    box->setEscapeButton(escapeButtonOf(message.buttons));
    return box;
}

Answer answerFor(QMessageBox::StandardButton button) {
    switch (button) {
        case SB::Ok:
            return Answer::Ok;
        case SB::Abort:
            return Answer::Abort;
        case SB::Retry:
            return Answer::Retry;
        case SB::Ignore:
            return Answer::Ignore;
        case SB::Yes:
            return Answer::Yes;
        case SB::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

QStringList nameFilters(const QString& filter) {
    QStringList result;
    if (filter.isEmpty()) return result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QStringList patterns = i + 1 < parts.size()
                                         ? parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)
                                         : QStringList();
        if (patterns.isEmpty() || samePatterns(bracketedPatterns(description), patterns)) {
            result << description;
        } else {
            result << description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                          QLatin1Char(')');
        }
    }
    return result;
}

std::unique_ptr<QFileDialog> makeFileDialog(const FileDialogOptions& options, bool save,
                                            QWidget* parent) {
    auto dialog = std::make_unique<QFileDialog>(parent);
    // Qt's own dialog behaves the same on every desktop, and its filters can be told to
    // ignore letter case: database files come with ".RWK" and ".rwk" alike.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::AnyFile);
    // Before the name filters: the model builds its matchers when they are set.
    dialog->setFilter(dialog->filter() & ~QDir::CaseSensitive);

    const QStringList filters = nameFilters(options.filter);
    if (!filters.isEmpty()) {
        dialog->setNameFilters(filters);
        const qsizetype index = options.filterIndex - 1;
        dialog->selectNameFilter(filters[index >= 0 && index < filters.size() ? index : 0]);
    }
    if (!options.title.isEmpty()) dialog->setWindowTitle(options.title);
    dialog->setDefaultSuffix(options.defaultExtension);
    return dialog;
}

QtPlatform::QtPlatform() : QtPlatform(defaultPrinter) {}

QtPlatform::QtPlatform(PrinterFactory makePrinter) : makePrinter_(std::move(makePrinter)) {}

QtPlatform::~QtPlatform() {
    endPrintJob();
    setBusyPointer(false);
}

Answer QtPlatform::showMessage(const Message& message) {
    auto box = makeMessageBox(message, dialogParent());
    return answerFor(static_cast<SB>(box->exec()));
}

QString QtPlatform::inputBox(const QString& prompt, const QString& title,
                             const QString& defaultText) {
    QInputDialog dialog(dialogParent());
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setInputMode(QInputDialog::TextInput);
    // A stored field can be longer than a line box's usual limit of 32767 characters, and an
    // answer confirmed unchanged must be stored whole. The limit goes before the text is set.
    if (auto* line = dialog.findChild<QLineEdit*>()) {
        line->setMaxLength(std::numeric_limits<int>::max());
    }
    dialog.setTextValue(defaultText);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

QString QtPlatform::runFileDialog(const FileDialogOptions& options, bool save) {
    auto dialog = makeFileDialog(options, save, dialogParent());
    if (dialog->exec() != QDialog::Accepted) return {};
    const QStringList files = dialog->selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

QString QtPlatform::openFileDialog(const FileDialogOptions& options) {
    return runFileDialog(options, false);
}

QString QtPlatform::saveFileDialog(const FileDialogOptions& options) {
    return runFileDialog(options, true);
}

QString QtPlatform::fontDialog(const QString& currentFont) {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, QFont(currentFont, 8), dialogParent());
    return ok ? font.family() : QString();
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
            painter.drawText(QRect(0, pageHeight - line, pageWidth, line), Qt::AlignCenter,
                             QStringLiteral("Page %1 of %2").arg(page).arg(pages));
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

QDateTime QtPlatform::now() const {
    return QDateTime::currentDateTime();
}

QSize QtPlatform::screenSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize();
}

void QtPlatform::setBusyPointer(bool busy) {
    // One override of ours at most, so that a single call to normal always undoes it.
    if (busy == busy_) return;
    busy_ = busy;
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

QString QtPlatform::programDirectory() const {
    return QCoreApplication::applicationDirPath();
}

int QtPlatform::showModal(QDialog& dialog) {
    return dialog.exec();
}

void QtPlatform::showModeless(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
    // A question still waiting for its answer (a recovery offer at start-up, when the splash
    // hands over to the main window) stays in front of the window that appeared meanwhile.
    QWidget* waiting = QApplication::activeModalWidget();
    if (waiting && waiting != &window && !waiting->isAncestorOf(&window)) {
        waiting->raise();
        waiting->activateWindow();
    }
}

}  // namespace rodwick::platform
