// SPDX-License-Identifier: GPL-3.0-or-later
#include "print_job.h"

#include <QCoreApplication>
#include <algorithm>
#include <optional>

#include "please_wait.h"
#include "record_text.h"
#include "text.h"
#include "widgets.h"

namespace rodwick {

namespace {

// One print request on the platform's line printer. The job starts with the first line, so
// that a request that prints nothing sends no empty page.
class PrintRun {
  public:
    PrintRun(platform::Platform& platform, BusyPointer& busy) : platform_(platform), busy_(busy) {}

    // Runs a step until it works; false once the user gives up.
    template <typename Step>
    bool attempt(const Step& step) {
        while (!step()) {
            const auto answer =
                busy_.normal([this] { return platform_.showMessage(printerMessage()); });
            if (answer != platform::Answer::Retry) return false;
        }
        return true;
    }

    bool line(const QString& text) {
        if (!started_ && !attempt([this] { return platform_.startPrintJob(); })) return false;
        started_ = true;
        return attempt([&] { return platform_.printLine(text); });
    }

    // A box's text as a whole number within low..high; a failed step when it is none.
    bool read(const QString& text, int low, int high, int& value) {
        return attempt([&] {
            const std::optional<int> number = wholeNumber16(text.toStdString());
            if (!number || *number < low || *number > high) return false;
            value = *number;
            return true;
        });
    }

    // Hands the lines over to the printer; nothing when none was printed.
    void end() {
        if (started_) platform_.endPrintJob();
        started_ = false;
    }

    // Ends a request the user cancelled: the lines printed so far go to the printer rather
    // than stay pending in front of the next request.
    bool cancel() {
        end();
        return false;
    }

  private:
    platform::Platform& platform_;
    BusyPointer& busy_;
    bool started_ = false;
};

constexpr int kAnyCount = 32767;
constexpr int kNoCount = -32768;

}  // namespace

platform::Message printerMessage() {
    return {QCoreApplication::translate("PrintJob",
                                        "Your printer is off line or is not responding. Please "
                                        "fix this problem and click on Retry to try again."),
            QCoreApplication::translate("PrintJob", "Printer"), platform::Buttons::RetryCancel,
            platform::Icon::Stop};
}

QString printHeader(const PrintRequest& request, const std::string& fileName,
                    const QDateTime& now) {
    const QString separator = QStringLiteral(" - ");
    QString header;
    if (request.includeFileName) header += fromPath(fileName) + separator;
    if (request.includeDate) header += monthDayYear(now.date()) + separator;
    if (request.includeTime) header += now.time().toString(QStringLiteral("HH:mm:ss"));
    return header;
}

bool printRecords(platform::Platform& platform, BusyPointer& busy, const RecordBook& book,
                  const PrintRequest& request) {
    PrintRun run(platform, busy);
    const QString font = fromFileText(book.settings().displayFont);
    platform.setPrinterFontName(font);

    platform.setPrinterFontAttribute(platform::FontAttribute::Bold, true);
    const bool headerPrinted = run.line(printHeader(request, book.fileName(), platform.now()));
    platform.setPrinterFontAttribute(platform::FontAttribute::Bold, false);
    if (!headerPrinted) return run.cancel();

    int copies = 0;
    if (!run.read(request.copies, kNoCount, kAnyCount, copies)) return run.cancel();
    if (copies > 0) {
        const RecordTable& table = book.table();
        int from = 0;
        int to = 0;
        if (!run.read(request.printFrom, 0, RecordTable::kMaxRecords, from) ||
            !run.read(request.printTo, 0, RecordTable::kMaxRecords, to)) {
            return run.cancel();
        }
        // Slot 0 and the slots past the last record hold no record: they print nothing.
        const int first = std::max(from, 1);
        const int last = std::min(to, table.recordCount());
        for (int copy = 1; copy <= copies; ++copy) {
            for (int i = first; i <= last; ++i) {
                for (const std::string& line :
                     recordPrintLines(table.slot(i), book.settings().units)) {
                    if (!run.line(fromFileText(line))) return run.cancel();
                }
            }
        }
    }
    run.end();
    platform.setPrinterFontName(font);
    return true;
}

bool printNoteSheet(platform::Platform& platform, BusyPointer& busy, const QString& copiesText) {
    PrintRun run(platform, busy);
    int copies = 0;
    if (!run.read(copiesText, kNoCount, kAnyCount, copies)) return run.cancel();
    for (int copy = 1; copy <= copies; ++copy) {
        for (const std::string& line : noteSheetLines()) {
            if (!run.line(QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())))) {
                return run.cancel();
            }
        }
    }
    run.end();
    return true;
}

}  // namespace rodwick
