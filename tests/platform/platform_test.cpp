// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QInputDialog>
#include <QLocale>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>
#include <tuple>
#include <vector>

#include "qt_platform.h"
#include "rodwick_test/marking_translator.h"
#include "rodwick_test/store_test_util.h"
#include "text.h"

namespace rodwick::platform {
namespace {

TEST(FileText, Windows1252BothWaysAndQuestionMarksForTheRest) {
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes.push_back(static_cast<char>(b));
    ASSERT_EQ(fromFileText(bytes).size(), 256);
    EXPECT_EQ(toFileText(fromFileText(bytes)), bytes);
    EXPECT_EQ(fromFileText("\x80 \x93Tench\x94 Br\xE8me \x81"),
              QStringLiteral("€ “Tench” Brème \u0081"));
    EXPECT_EQ(toFileText(QStringLiteral("12 € – “ Barbel” Żółw Ω carp 🐟!")),
              "12 \x80 \x96 \x93 Barbel\x94 ?\xF3?w ? carp ?!");
}

// The matcher skips the way through Unicode for ASCII fields where the locale allows it; it
// must answer as the rule it stands for: field and word upper-cased through the locale after
// the codec, then an ordinal substring test. Turkish capitalises i to a dotted capital, so it
// must not take the short way.
TEST(WordMatcher, AnswersAsTheLocaleRule) {
    // The locale, the field in Windows-1252, the word as typed and whether the field holds it.
    const QLocale c = QLocale::c(), turkish(QLocale::Turkish);
    const std::tuple<QLocale, const char*, const char*, bool> cases[] = {
        {c, "Common Carp", "cArP", true},       {c, "common  carp", "n c", false},
        {c, "Caf\xe9 pool", "CAF\u00c9", true}, {c, "Gro\xdf", "SS", true},
        {c, "odd \x81 byte", "\u0081", true},   {turkish, "fish", "FISH", false},
        {turkish, "fish", "F\u0130SH", true},   {turkish, "FISH", "f\u0131sh", true},
    };
    for (const auto& [locale, field, word, holds] : cases) {
        WordMatcher matcher(locale);
        matcher.setWord(locale.toUpper(QString::fromUtf8(word)));
        EXPECT_EQ(matcher.fieldHolds(field), holds) << locale.name().toStdString() << " " << field;
    }
}

TEST(LinePrinter, EachJobIsADocumentAndAMissingPrinterIsReported) {
    testing::TempDir dir;
    enum { Working, Missing, Refusing } mode = Working;
    int jobs = 0;
    const auto fileOf = [&](int job) {
        return QString::fromStdString(dir.file("job" + std::to_string(job) + ".pdf"));
    };
    QtPlatform platform([&]() -> std::unique_ptr<QPrinter> {
        ++jobs;
        if (mode == Missing) return nullptr;
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(
            mode == Refusing ? QString::fromStdString(dir.file("none/job.pdf")) : fileOf(jobs));
        return printer;
    });
    const auto pagesOf = [&](int job) {
        QFile file(fileOf(job));
        if (!file.open(QIODevice::ReadOnly)) return -1;
        return static_cast<int>(
            QString::fromLatin1(file.readAll()).count(QRegularExpression("/Type\\s*/Page(?!s)")));
    };

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

// The foot of a report's pages is a text for the reader: it goes through the translation.
TEST(TablePrinter, PageFootInTheWindowsLanguage) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    testing::TempDir dir;
    const QString pdf = QString::fromStdString(dir.file("report.pdf"));
    QtPlatform platform([&] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return printer;
    });
    {
        testing::MarkingTranslator marking;
        ASSERT_TRUE(platform.printTable(
            {QStringLiteral("Trips"), {QStringLiteral("Venue")}, {{QStringLiteral("Canal")}}, {}}));
    }
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(reader.waitForFinished(30000));
    const QString text = QString::fromUtf8(reader.readAllStandardOutput());
    ASSERT_TRUE(text.contains(QStringLiteral("Canal"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("[PrintedTable]Page 1 of 1"))) << text.toStdString();
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

using SB = QMessageBox::StandardButton;

TEST(MessageBox, ButtonSetsDefaultAndEscapeButtons) {
    // A set, its buttons in the order the default button counts in, and the one Escape presses.
    // clang-format off
    const std::tuple<Buttons, std::vector<SB>, SB> sets[] = {
        {Buttons::Ok, {SB::Ok}, SB::Ok}, {Buttons::OkCancel, {SB::Ok, SB::Cancel}, SB::Cancel},
        {Buttons::AbortRetryIgnore, {SB::Abort, SB::Retry, SB::Ignore}, SB::Abort},
        {Buttons::YesNoCancel, {SB::Yes, SB::No, SB::Cancel}, SB::Cancel},
        {Buttons::YesNo, {SB::Yes, SB::No}, SB::No}, {Buttons::RetryCancel, {SB::Retry, SB::Cancel}, SB::Cancel}};
    // clang-format on
    for (const auto& [buttons, inOrder, escape] : sets) {
        QMessageBox::StandardButtons all;
        for (SB b : inOrder) all |= b;
        for (std::size_t d = 0; d < 3; ++d) {
            SCOPED_TRACE(::testing::Message() << static_cast<int>(buttons) << ", default " << d);
            auto box =
                makeMessageBox({"t", "T", buttons, Icon::None, static_cast<DefaultButton>(d)});
            EXPECT_EQ(box->standardButtons(), all);
            // A default beyond the set is the first button.
            EXPECT_EQ(box->standardButton(box->defaultButton()),
                      inOrder[d < inOrder.size() ? d : 0]);
            EXPECT_EQ(box->standardButton(box->escapeButton()), escape);
        }
    }
}

// A window that appears while a question waits (the main window after the splash, with a
// recovery question still open) must not hide the question.
TEST(MessageBox, StaysInFrontOfAWindowShownWhileItWaits) {
    QtPlatform platform;
    QWidget window;
    QWidget* front = nullptr;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr) << "the question is not open";
        platform.showModeless(window);
        QCoreApplication::processEvents();
        front = QApplication::activeWindow();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(platform.showMessage({"Recover them?", "Recover", Buttons::YesNo, Icon::Question}),
              Answer::No);
    EXPECT_TRUE(window.isVisible());
    EXPECT_NE(front, nullptr);
    EXPECT_NE(front, &window) << "the new window came in front of the question";
}

const QString kDatabaseFilter = QStringLiteral("Rodwick DB (*.RWK)|*.RWK|All files (*.*)|*.*");
const QString kExportFilter = QStringLiteral(
    "Rodwick Db PC (*.RWK)|*.RWK|Text File (*.TXT)|*.TXT|Rodwick Db ST (*.PRO)|*.PRO|"
    "All Files (*.*)|*.*");

TEST(FileDialog, FiltersAreTranslatedAndPreselected) {
    EXPECT_EQ(nameFilters(kDatabaseFilter), (QStringList{"Rodwick DB (*.RWK)", "All files (*.*)"}));
    EXPECT_TRUE(nameFilters(QString()).isEmpty());
    // A description without its patterns in brackets gets them; one without patterns stays.
    EXPECT_EQ(nameFilters("Logs|*.RWK;*.PRO|Notes (*.TXT)|*.TXT;*.DOC|All (*)"),
              (QStringList{"Logs (*.RWK *.PRO)", "Notes (*.TXT) (*.TXT *.DOC)", "All (*)"}));

    const auto chosen = [](int filterIndex, bool save) {
        return makeFileDialog({kExportFilter, filterIndex, {}, {}}, save)->selectedNameFilter();
    };
    EXPECT_EQ(chosen(4, true), "All Files (*.*)");
    EXPECT_EQ(chosen(2, false), "Text File (*.TXT)");
    EXPECT_EQ(chosen(9, true), "Rodwick Db PC (*.RWK)") << "outside the list: the first entry";
}

// Answers the next input box the platform shows with OK or Cancel; the box's title goes to
// `title`, so a box never shown is seen.
void answerInputBox(bool ok, QString* title) {
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        *title = box->windowTitle();
        ok ? box->accept() : box->reject();
    });
}

// A stored field can be longer than a line box takes by default.
TEST(InputBox, LongAnswersComeBackWholeAndCancelIsEmpty) {
    QtPlatform platform;
    const QString stored(100000, QLatin1Char('w'));
    for (const bool ok : {true, false}) {
        QString title;
        answerInputBox(ok, &title);
        const QString got = platform.inputBox(QStringLiteral("Venue:"), "Quickedit", stored);
        EXPECT_EQ(title, "Quickedit") << "the box never opened";
        EXPECT_EQ(got.size(), ok ? stored.size() : 0);
        EXPECT_TRUE(got == (ok ? stored : QString()));
    }
}

}  // namespace
}  // namespace rodwick::platform
