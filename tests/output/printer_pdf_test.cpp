#include <gtest/gtest.h>

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

#include "please_wait.h"
#include "print_job.h"
#include "qt_platform.h"
#include "rodwick_test/store_test_util.h"

namespace rodwick::testing {
namespace {

// Runs a poppler tool on a file; its output, or a failure when it cannot run.
QString Poppler(const char* tool, const QStringList& arguments) {
    QProcess process;
    process.start(QString::fromLatin1(tool), arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << tool << " failed (is poppler-utils installed?): "
                      << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The real line printer, rendering to a PDF file, read back as text: every line in order, a
// new page when the page is full, the header in the bold face of the font name given.
TEST(PrinterToPdf, RecordPrintoutReadsBackLineForLine) {
    TempDir dir;
    const QString pdf = QString::fromStdString(dir.File("printout.pdf"));
    platform::QtPlatform platform([&] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return printer;
    });

    RecordBook book;
    ASSERT_TRUE(book.replaceRecords(Trips(1, 40)).ok());
    SetText(book, 2, Field::ticketPrice, {'\xA3', '5'});
    book.adopt(book.table(), "/logs/June.RWK");
    ChangeSettings(book, [&](Settings& s) { s.displayFont = "Liberation Mono"; });
    BusyPointer busy(platform);
    ASSERT_TRUE(
        PrintRecords(platform, busy, book,
                     {.includeFileName = true, .printFrom = "1", .printTo = "40", .copies = "1"}));

    QStringList expected{QStringLiteral("/logs/June.RWK -")};
    for (int k = 1; k <= 40; ++k) {
        QString lines = QStringLiteral(
            "Venue: #0|Type of Water: #1|Day Ticket Price: #2|Club: #3|Total Weight: #4.#5 Kg|"
            "Water Conditions: #6|Weather: #7|Temperature: #8|Method: #9|Depth: #10.#11 m|"
            "Best Bait, etc :#12|Species Caught: #13|Best Fish: #14 Weight: #15.#16 Kg|"
            "Restrictions: #17|Remarks: #18|Date: #19|Start Time: #20|Finish Time: #21");
        lines.replace('#', QStringLiteral("r%1.").arg(k));
        if (k == 2) lines.replace(QStringLiteral("r2.2|"), QStringLiteral("\u00a35|"));
        expected << lines.split('|');
    }
    const QString text =
        Poppler("pdftotext", {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QStringList lines;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.simplified();  // runs of blanks as one; the separators become empty
        if (!line.isEmpty()) lines << line;
    }
    EXPECT_EQ(lines, expected);
    EXPECT_GE(text.count(QLatin1Char('\f')), 3) << "761 lines take several pages";

    const QString fonts = Poppler("pdffonts", {pdf});
    EXPECT_TRUE(fonts.contains(QRegularExpression("LiberationMono-Bold\\b")))
        << fonts.toStdString();
    EXPECT_TRUE(fonts.contains(QRegularExpression("LiberationMono\\s"))) << fonts.toStdString();
    EXPECT_FALSE(fonts.contains(QStringLiteral("Serif"))) << fonts.toStdString();
}

}  // namespace
}  // namespace rodwick::testing
