#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "qt_platform.h"

namespace rodwick::platform {
namespace {

// Each print job goes to a PDF file of its own: job1.pdf, job2.pdf, ...
struct PdfPrinters {
    enum class Mode { Working, Missing, Refusing };

    QtPlatform::PrinterFactory factory() {
        return [this]() -> std::unique_ptr<QPrinter> {
            ++jobs;
            if (mode == Mode::Missing) return nullptr;
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            // A file in a folder that does not exist makes the printer refuse the job.
            printer->setOutputFileName(mode == Mode::Refusing
                                           ? dir.filePath(QStringLiteral("none/job.pdf"))
                                           : fileOfJob(jobs));
            return printer;
        };
    }

    QString fileOfJob(int job) const { return dir.filePath(QStringLiteral("job%1.pdf").arg(job)); }

    // Pages written for a job so far; -1 when it has no file.
    int pagesOfJob(int job) const {
        QFile file(fileOfJob(job));
        if (!file.open(QIODevice::ReadOnly)) return -1;
        static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
        return static_cast<int>(QString::fromLatin1(file.readAll()).count(page));
    }

    QTemporaryDir dir;
    int jobs = 0;
    Mode mode = Mode::Working;
};

TEST(LinePrinter, LinesRunOntoNewPagesAndEachJobIsADocumentOfItsOwn) {
    PdfPrinters printers;
    QtPlatform platform(printers.factory());
    platform.setPrinterFontAttribute(FontAttribute::Bold, true);
    platform.printLine(QStringLiteral("C:\\FISH\\TRIPS.RWK - "));
    platform.setPrinterFontAttribute(FontAttribute::Bold, false);
    EXPECT_TRUE(platform.printerAvailable());
    EXPECT_LT(printers.pagesOfJob(1), 1) << "the job was handed over before it ended";
    platform.endPrintJob();
    EXPECT_EQ(printers.pagesOfJob(1), 1);

    // 300 lines of 10 points fill several pages, not one page per line.
    for (int i = 1; i <= 300; ++i) platform.printLine(QStringLiteral("Venue: Lake %1").arg(i));
    platform.endPrintJob();
    const int pages = printers.pagesOfJob(2);
    EXPECT_GE(pages, 3);
    EXPECT_LE(pages, 10);

    platform.endPrintJob();  // with no job open: starts nothing
    EXPECT_EQ(printers.jobs, 2);
}

TEST(LinePrinter, WithoutAPrinterTheLinesGoNowhereAndTheCallerCanTell) {
    PdfPrinters printers;
    QtPlatform platform(printers.factory());
    for (auto mode : {PdfPrinters::Mode::Missing, PdfPrinters::Mode::Refusing}) {
        printers.mode = mode;
        const int jobsBefore = printers.jobs;
        platform.printLine(QStringLiteral("Venue: Nowhere"));
        platform.printLine(QStringLiteral("Club: None"));
        EXPECT_FALSE(platform.printerAvailable());
        EXPECT_EQ(printers.jobs, jobsBefore + 1) << "one job, not one attempt per line";
        platform.endPrintJob();
        EXPECT_FALSE(platform.printerAvailable()) << "the last job still counts after it ended";
    }

    // The next job finds the printer again.
    printers.mode = PdfPrinters::Mode::Working;
    platform.printLine(QStringLiteral("Venue: Back"));
    EXPECT_TRUE(platform.printerAvailable());
    platform.endPrintJob();
    EXPECT_EQ(printers.pagesOfJob(3), 1);
}

TEST(BusyPointer, OneNormalCallUndoesAnyNumberOfBusyCalls) {
    ASSERT_EQ(QApplication::overrideCursor(), nullptr);
    {
        QtPlatform platform;
        platform.setBusyPointer(true);
        platform.setBusyPointer(true);
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        platform.setBusyPointer(false);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);

        // Normal while not busy leaves someone else's pointer alone.
        QApplication::setOverrideCursor(Qt::CrossCursor);
        platform.setBusyPointer(false);
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::CrossCursor);
        QApplication::restoreOverrideCursor();

        platform.setBusyPointer(true);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "a busy pointer outlived the platform";
}

}  // namespace
}  // namespace rodwick::platform
