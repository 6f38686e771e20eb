#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>

#include "qt_platform.h"
#include "store_test_util.h"
#include "text.h"

namespace rodwick::platform {
namespace {

TEST(FileText, Windows1252BothWaysAndQuestionMarksForTheRest) {
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes.push_back(static_cast<char>(b));
    ASSERT_EQ(FromFileText(bytes).size(), 256);
    EXPECT_EQ(ToFileText(FromFileText(bytes)), bytes);
    EXPECT_EQ(FromFileText("\x80 \x93Tench\x94 Br\xE8me \x81"),
              QStringLiteral("€ “Tench” Brème \u0081"));
    EXPECT_EQ(ToFileText(QStringLiteral("12 € – “ Barbel” Żółw Ω carp 🐟!")),
              "12 \x80 \x96 \x93 Barbel\x94 ?\xF3?w ? carp ?!");
}

TEST(LinePrinter, EachJobIsADocumentAndAMissingPrinterIsReported) {
    testing::TempDir dir;
    enum { Working, Missing, Refusing } mode = Working;
    int jobs = 0;
    const auto fileOf = [&](int job) {
        return QString::fromStdString(dir.File("job" + std::to_string(job) + ".pdf"));
    };
    QtPlatform platform([&]() -> std::unique_ptr<QPrinter> {
        ++jobs;
        if (mode == Missing) return nullptr;
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(
            mode == Refusing ? QString::fromStdString(dir.File("none/job.pdf")) : fileOf(jobs));
        return printer;
    });
    const auto pagesOf = [&](int job) {
        QFile file(fileOf(job));
        if (!file.open(QIODevice::ReadOnly)) return -1;
        return static_cast<int>(
            QString::fromLatin1(file.readAll()).count(QRegularExpression("/Type\\s*/Page(?!s)")));
    };

    EXPECT_FALSE(platform.printLine("Venue: Early")) << "a line before the job starts";
    ASSERT_TRUE(platform.startPrintJob());
    for (int i = 1; i <= 300; ++i) {
        ASSERT_TRUE(platform.printLine(QStringLiteral("Venue: Lake %1").arg(i)));
    }
    EXPECT_TRUE(platform.startPrintJob()) << "starting again goes on with the open job";
    EXPECT_LT(pagesOf(1), 1) << "the job was handed over before it ended";
    platform.endPrintJob();
    EXPECT_GE(pagesOf(1), 3) << "300 lines fill several pages";
    EXPECT_LE(pagesOf(1), 10) << "not one page per line";
    platform.endPrintJob();
    EXPECT_EQ(jobs, 1) << "one job, and ending with no job open starts nothing";

    for (auto failing : {Missing, Refusing}) {
        mode = failing;
        EXPECT_FALSE(platform.startPrintJob());
        EXPECT_FALSE(platform.printLine("Venue: Nowhere")) << "no job is open after a failure";
        platform.endPrintJob();
    }
    EXPECT_EQ(jobs, 3) << "each start tries the printer again";
    mode = Working;
    ASSERT_TRUE(platform.startPrintJob()) << "a printer that is back works again";
    EXPECT_TRUE(platform.printLine("Venue: Back"));
    platform.endPrintJob();
    EXPECT_EQ(pagesOf(4), 1);
}

TEST(BusyPointer, OneNormalCallUndoesAnyNumberOfBusyCalls) {
    const auto pointer = [] {
        const QCursor* cursor = QApplication::overrideCursor();
        return cursor ? static_cast<int>(cursor->shape()) : -1;
    };
    ASSERT_EQ(pointer(), -1);
    {
        QtPlatform platform;
        platform.setBusyPointer(true);
        platform.setBusyPointer(true);
        EXPECT_EQ(pointer(), Qt::WaitCursor);
        platform.setBusyPointer(false);
        EXPECT_EQ(pointer(), -1);
        QApplication::setOverrideCursor(Qt::CrossCursor);
        platform.setBusyPointer(false);
        EXPECT_EQ(pointer(), Qt::CrossCursor) << "normal while not busy leaves others' pointers";
        QApplication::restoreOverrideCursor();
        platform.setBusyPointer(true);
    }
    EXPECT_EQ(pointer(), -1) << "a busy pointer outlived the platform";
}

}  // namespace
}  // namespace rodwick::platform
