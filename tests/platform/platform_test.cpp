#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QListView>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <vector>

#include "qt_platform.h"
#include "rodwick_test/store_test_util.h"
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

using SB = QMessageBox::StandardButton;

TEST(MessageBox, ButtonSetsDefaultAndEscapeButtonsPlainTextTitleAndIcon) {
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
                MakeMessageBox({"t", "T", buttons, Icon::None, static_cast<DefaultButton>(d)});
            EXPECT_EQ(box->standardButtons(), all);
            // A default beyond the set is the first button.
            EXPECT_EQ(box->standardButton(box->defaultButton()),
                      inOrder[d < inOrder.size() ? d : 0]);
            EXPECT_EQ(box->standardButton(box->escapeButton()), escape);
        }
    }

    const QString text = QStringLiteral("<b>Really</b> clear all records from memory??");
    auto box = MakeMessageBox({text, "New", Buttons::YesNo, Icon::None, DefaultButton::Second});
    EXPECT_EQ(box->text(), text);
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("New"));
    // clang-format off
    const std::pair<Icon, QMessageBox::Icon> icons[] = {
        {Icon::None, QMessageBox::NoIcon}, {Icon::Stop, QMessageBox::Critical},
        {Icon::Question, QMessageBox::Question}, {Icon::Exclamation, QMessageBox::Warning},
        {Icon::Information, QMessageBox::Information}};
    // clang-format on
    for (const auto& [icon, qtIcon] : icons) {
        EXPECT_EQ(MakeMessageBox({text, {}, Buttons::Ok, icon, DefaultButton::First})->icon(),
                  qtIcon);
    }
}

const QString kDatabaseFilter = QStringLiteral("Rodwick DB (*.RWK)|*.RWK|All files (*.*)|*.*");
const QString kExportFilter = QStringLiteral(
    "Rodwick Db PC (*.RWK)|*.RWK|Text File (*.TXT)|*.TXT|Rodwick Db ST (*.PRO)|*.PRO|"
    "All Files (*.*)|*.*");

TEST(FileDialog, FiltersAreTranslatedAndPreselected) {
    EXPECT_EQ(NameFilters(kDatabaseFilter), (QStringList{"Rodwick DB (*.RWK)", "All files (*.*)"}));
    EXPECT_EQ(NameFilters(kExportFilter).size(), 4);
    EXPECT_TRUE(NameFilters(QString()).isEmpty());
    // A description without its patterns in brackets gets them; one without patterns stays.
    EXPECT_EQ(NameFilters("Logs|*.RWK;*.PRO|Notes (*.TXT)|*.TXT;*.DOC|All (*)"),
              (QStringList{"Logs (*.RWK *.PRO)", "Notes (*.TXT) (*.TXT *.DOC)", "All (*)"}));

    const auto chosen = [](int filterIndex, bool save) {
        auto dialog = MakeFileDialog({kExportFilter, filterIndex, "Merge with..", {}}, save);
        EXPECT_EQ(dialog->windowTitle(), "Merge with..");
        EXPECT_EQ(dialog->acceptMode(), save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        return dialog->selectedNameFilter();
    };
    EXPECT_EQ(chosen(4, true), "All Files (*.*)");
    EXPECT_EQ(chosen(2, false), "Text File (*.TXT)");
    EXPECT_EQ(chosen(9, true), "Rodwick Db PC (*.RWK)") << "outside the list: the first entry";
}

// The names the dialog's list offers for choosing, sorted, as soon as they are the names
// expected; the event loop runs meanwhile, and a guard ends a hang.
std::string Listed(QFileDialog& dialog, const std::string& expected) {
    QTimer guard;
    guard.setSingleShot(true);
    guard.start(30000);
    auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
    if (!view) return "<no list view>";
    for (;;) {
        QStringList names;
        for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row) {
            const QModelIndex index = view->model()->index(row, 0, view->rootIndex());
            if (view->model()->flags(index) & Qt::ItemIsEnabled) names << index.data().toString();
        }
        names.sort();
        if (names.join(' ').toStdString() == expected || !guard.isActive()) {
            return names.join(' ').toStdString();
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

class FileDialogInFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"a.rwk", "b.RWK", "c.txt"})
            testing::WriteBytes(dir.File(name), "");
    }
    std::unique_ptr<QFileDialog> Dialog(bool save, const QString& extension = "RWK") {
        auto dialog = MakeFileDialog({kDatabaseFilter, 1, {}, extension}, save);
        dialog->setDirectory(QString::fromStdString(dir.path));
        return dialog;
    }
    QString PathOf(const char* name) const { return QString::fromStdString(dir.File(name)); }
    testing::TempDir dir;
};

TEST_F(FileDialogInFolder, DatabaseFilterListsSmallAndCapitalExtensions) {
    for (bool save : {false, true}) {
        auto dialog = Dialog(save);
        EXPECT_EQ(Listed(*dialog, "a.rwk b.RWK"), "a.rwk b.RWK");
        dialog->selectNameFilter("All files (*.*)");
        EXPECT_EQ(Listed(*dialog, "a.rwk b.RWK c.txt"), "a.rwk b.RWK c.txt");
    }
}

TEST_F(FileDialogInFolder, TypedNamesGetTheDefaultExtensionAndNoQuestion) {
    auto save = Dialog(true);
    save->selectFile("trip");
    EXPECT_EQ(save->selectedFiles(), QStringList{PathOf("trip.RWK")});
    save->selectFile("trip.old");
    EXPECT_EQ(save->selectedFiles(), QStringList{PathOf("trip.old")});
    auto plain = Dialog(true, {});
    plain->selectFile("trip");
    EXPECT_EQ(plain->selectedFiles(), QStringList{PathOf("trip")});

    // Save takes an existing file and Open a missing one: the commands check for themselves.
    for (auto [isSave, name] : {std::pair(true, "b.RWK"), std::pair(false, "missing")}) {
        auto dialog = Dialog(isSave);
        dialog->selectFile(name);
        bool asked = false;
        QTimer::singleShot(0, dialog.get(), [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                asked = true;
                box->done(QMessageBox::No);
            }
        });
        static_cast<QDialog&>(*dialog).accept();
        QApplication::processEvents();
        EXPECT_FALSE(asked) << name;
        EXPECT_EQ(dialog->result(), QDialog::Accepted) << name;
    }
}

// Answers the next input box the platform shows: types `typed` after its text when given,
// then presses OK or Cancel; the box's title goes to `title`, so a box never shown is seen.
void AnswerInputBox(const QString& typed, bool ok, QString* title) {
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        *title = box->windowTitle();
        auto* line = box->findChild<QLineEdit*>();
        line->end(false);
        if (!typed.isEmpty()) line->insert(typed);
        ok ? box->accept() : box->reject();
    });
}

TEST(InputBox, LongAnswersComeBackWholeAndCancelIsEmpty) {
    QtPlatform platform;
    const QString stored(100000, QLatin1Char('w'));
    // The default answer, what is typed after it, OK or Cancel, and the answer.
    const std::tuple<QString, QString, bool, QString> cases[] = {
        {stored, {}, true, stored},
        {stored, QStringLiteral("bream"), true, stored + QStringLiteral("bream")},
        {stored, {}, false, {}},
    };
    for (const auto& [defaultText, typed, ok, answer] : cases) {
        SCOPED_TRACE(::testing::Message() << defaultText.size() << " + " << typed.size() << ", "
                                          << (ok ? "OK" : "Cancel"));
        QString title;
        AnswerInputBox(typed, ok, &title);
        const QString got = platform.inputBox(QStringLiteral("Venue:"), "Quickedit", defaultText);
        EXPECT_EQ(title, "Quickedit") << "the box never opened";
        EXPECT_EQ(got.size(), answer.size());
        EXPECT_TRUE(got == answer);
    }
}

}  // namespace
}  // namespace rodwick::platform
