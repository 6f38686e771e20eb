#include <gtest/gtest.h>

#include <QApplication>
#include <QListView>
#include <QPushButton>
#include <QTimer>
#include <vector>

#include "qt_platform.h"
#include "store_test_util.h"

namespace rodwick::platform {
namespace {

using SB = QMessageBox::StandardButton;

TEST(MessageBox, ButtonSetsWithTheirDefaultAndEscapeButtons) {
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
}

TEST(MessageBox, ShowsPlainTextTitleAndIcon) {
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

}  // namespace
}  // namespace rodwick::platform
