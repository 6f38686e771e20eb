#include <gtest/gtest.h>

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "print_job.h"
#include "qt_platform.h"
#include "store_test_util.h"

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
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("printout.pdf"));
    platform::QtPlatform platform([&] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return printer;
    });

    AppState state;
    ASSERT_TRUE(state.table.ReplaceFromFile(TaggedRecords(40)));
    state.table.slot(2)[Field::ticketPrice] =
        "\xA3"
        "5";
    state.table.setCurrentFileName("/logs/June.RWK");
    state.settings.displayFont = "Liberation Mono";
    PrintRequest request;
    request.includeFileName = true;
    request.printFrom = QStringLiteral("1");
    request.printTo = QStringLiteral("40");
    request.copies = QStringLiteral("1");
    ASSERT_TRUE(PrintRecords(platform, state, request));

    QStringList expected{QStringLiteral("/logs/June.RWK -")};
    for (int k = 1; k <= 40; ++k) {
        const QString t = QStringLiteral("r%1.").arg(k);
        expected << "Venue: " + t + "0"
                 << "Type of Water: " + t + "1"
                 << (k == 2 ? QStringLiteral("Day Ticket Price: \u00a35")
                            : "Day Ticket Price: " + t + "2")
                 << "Club: " + t + "3"
                 << "Total Weight: " + t + "4." + t + "5 Kg"
                 << "Water Conditions: " + t + "6"
                 << "Weather: " + t + "7"
                 << "Temperature: " + t + "8"
                 << "Method: " + t + "9"
                 << "Depth: " + t + "10." + t + "11 m"
                 << "Best Bait, etc :" + t + "12"
                 << "Species Caught: " + t + "13"
                 << "Best Fish: " + t + "14 Weight: " + t + "15." + t + "16 Kg"
                 << "Restrictions: " + t + "17"
                 << "Remarks: " + t + "18"
                 << "Date: " + t + "19"
                 << "Start Time: " + t + "20"
                 << "Finish Time: " + t + "21";
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
