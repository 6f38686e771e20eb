#include "print_job.h"

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
    bool Attempt(const Step& step) {
        while (!step()) {
            const auto answer =
                busy_.Normal([this] { return platform_.showMessage(PrinterMessage()); });
            if (answer != platform::Answer::Retry) return false;
        }
        return true;
    }

    bool Line(const QString& text) {
        if (!started_ && !Attempt([this] { return platform_.startPrintJob(); })) return false;
        started_ = true;
        return Attempt([&] { return platform_.printLine(text); });
    }

    // A box's text as a whole number within low..high; a failed step when it is none.
    bool Read(const QString& text, int low, int high, int& value) {
        return Attempt([&] {
            const std::optional<int> number = WholeNumber16(text.toStdString());
            if (!number || *number < low || *number > high) return false;
            value = *number;
            return true;
        });
    }

    // Hands the lines over to the printer; nothing when none was printed.
    void End() {
        if (started_) platform_.endPrintJob();
        started_ = false;
    }

    // Ends a request the user cancelled: the lines printed so far go to the printer rather
    // than stay pending in front of the next request.
    bool Cancel() {
        End();
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

platform::Message PrinterMessage() {
    return {QStringLiteral("Your printer is off line or is not responding. Please fix this "
                           "problem and click on Retry to try again."),
            QStringLiteral("Printer"), platform::Buttons::RetryCancel, platform::Icon::Stop};
}

QString PrintHeader(const PrintRequest& request, const std::string& fileName,
                    const QDateTime& now) {
    const QString separator = QStringLiteral(" - ");
    QString header;
    if (request.includeFileName) header += FromPath(fileName) + separator;
    if (request.includeDate) header += MonthDayYear(now.date()) + separator;
    if (request.includeTime) header += now.time().toString(QStringLiteral("HH:mm:ss"));
    return header;
}

bool PrintRecords(platform::Platform& platform, BusyPointer& busy, const RecordBook& book,
                  const PrintRequest& request) {
    PrintRun run(platform, busy);
    const QString font = FromFileText(book.settings().displayFont);
    platform.setPrinterFontName(font);

    platform.setPrinterFontAttribute(platform::FontAttribute::Bold, true);
    const bool headerPrinted = run.Line(PrintHeader(request, book.fileName(), platform.now()));
    platform.setPrinterFontAttribute(platform::FontAttribute::Bold, false);
    if (!headerPrinted) return run.Cancel();

    int copies = 0;
    if (!run.Read(request.copies, kNoCount, kAnyCount, copies)) return run.Cancel();
    if (copies > 0) {
        const RecordTable& table = book.table();
        int from = 0;
        int to = 0;
        if (!run.Read(request.printFrom, 0, RecordTable::kMaxRecords, from) ||
            !run.Read(request.printTo, 0, RecordTable::kMaxRecords, to)) {
            return run.Cancel();
        }
        // Slot 0 and the slots past the last record hold no record: they print nothing.
        const int first = std::max(from, 1);
        const int last = std::min(to, table.recordCount());
        for (int copy = 1; copy <= copies; ++copy) {
            for (int i = first; i <= last; ++i) {
                for (const std::string& line :
                     RecordPrintLines(table.slot(i), book.settings().units)) {
                    if (!run.Line(FromFileText(line))) return run.Cancel();
                }
            }
        }
    }
    run.End();
    platform.setPrinterFontName(font);
    return true;
}

bool PrintNoteSheet(platform::Platform& platform, BusyPointer& busy, const QString& copiesText) {
    PrintRun run(platform, busy);
    int copies = 0;
    if (!run.Read(copiesText, kNoCount, kAnyCount, copies)) return run.Cancel();
    for (int copy = 1; copy <= copies; ++copy) {
        for (const std::string& line : NoteSheetLines()) {
            if (!run.Line(QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())))) {
                return run.Cancel();
            }
        }
    }
    run.End();
    return true;
}

}  // namespace rodwick
