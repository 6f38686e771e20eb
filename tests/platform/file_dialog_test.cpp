#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileSystemModel>
#include <QListView>
#include <QTemporaryDir>
#include <QTimer>

#include "qt_platform.h"

namespace rodwick::platform {
namespace {

const QString kExportFilter = QStringLiteral(
    "Rodwick Db PC (*.RWK)|*.RWK|Text File (*.TXT)|*.TXT|Rodwick Db ST (*.PRO)|*.PRO|"
    "All Files (*.*)|*.*");

TEST(NameFilters, KeepDescriptionsAsWrittenAndShowEveryPattern) {
    EXPECT_EQ(NameFilters(kDatabaseFilter), (QStringList{QStringLiteral("Rodwick DB (*.RWK)"),
                                                         QStringLiteral("All files (*.*)")}));
    EXPECT_EQ(NameFilters(kExportFilter).value(3), QStringLiteral("All Files (*.*)"));
    EXPECT_EQ(NameFilters(kExportFilter).size(), 4);
    EXPECT_TRUE(NameFilters(QString()).isEmpty());
    // Qt takes the patterns from the brackets at the end, so a description lacking them gets
    // them; one without a pattern stays as it is.
    EXPECT_EQ(
        NameFilters(QStringLiteral("Logs|*.RWK;*.PRO|Notes (*.TXT)|*.TXT;*.DOC|All (*)")),
        (QStringList{QStringLiteral("Logs (*.RWK *.PRO)"),
                     QStringLiteral("Notes (*.TXT) (*.TXT *.DOC)"), QStringLiteral("All (*)")}));
}

TEST(FileDialog, PreselectsTheFilterEntryAndTakesTheTitle) {
    FileDialogOptions options;
    options.filter = kExportFilter;
    options.filterIndex = 4;
    options.defaultExtension.clear();
    auto save = MakeFileDialog(options, true);
    EXPECT_EQ(save->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(save->selectedNameFilter(), QStringLiteral("All Files (*.*)"));

    options.filterIndex = 2;
    options.title = QStringLiteral("Merge with..");
    auto merge = MakeFileDialog(options, true);
    EXPECT_EQ(merge->selectedNameFilter(), QStringLiteral("Text File (*.TXT)"));
    EXPECT_EQ(merge->windowTitle(), QStringLiteral("Merge with.."));

    // An index outside the list selects the first entry.
    options.filterIndex = 9;
    auto open = MakeFileDialog(options, false);
    EXPECT_EQ(open->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(open->selectedNameFilter(), QStringLiteral("Rodwick Db PC (*.RWK)"));
}

class FileDialogInFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        for (const char* name : {"a.rwk", "b.RWK", "c.txt"}) {
            QFile file(dir_.filePath(QString::fromLatin1(name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }

    // Points the dialog at the folder and waits until its list is filled.
    void showFolder(QFileDialog& dialog) {
        auto* model = dialog.findChild<QFileSystemModel*>();
        ASSERT_NE(model, nullptr);
        bool loaded = false;
        QEventLoop loop;
        QObject::connect(model, &QFileSystemModel::directoryLoaded, &loop,
                         [&](const QString& path) {
                             if (QDir(path) == QDir(dir_.path())) {
                                 loaded = true;
                                 loop.quit();
                             }
                         });
        // Only a guard against hanging when the folder is never read.
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        dialog.setDirectory(dir_.path());
        if (!loaded) loop.exec();
        ASSERT_TRUE(loaded) << "the folder was never listed";
    }

    // Chooses a filter entry as the user does and waits until the list follows it: the model
    // filters again when it next sorts, which it does from the event loop.
    static void chooseFilter(QFileDialog& dialog, const QString& nameFilter) {
        auto* model = dialog.findChild<QFileSystemModel*>();
        ASSERT_NE(model, nullptr);
        bool sorted = false;
        QEventLoop loop;
        QObject::connect(model, &QAbstractItemModel::layoutChanged, &loop, [&] {
            sorted = true;
            loop.quit();
        });
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);  // guard against hanging
        dialog.selectNameFilter(nameFilter);
        if (!sorted) loop.exec();
        ASSERT_TRUE(sorted) << "the list never followed the filter";
        ASSERT_EQ(dialog.selectedNameFilter(), nameFilter);
    }

    // The names the dialog's list offers for choosing.
    static QStringList listedNames(QFileDialog& dialog) {
        auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
        if (!view) return {QStringLiteral("<no list view>")};
        QStringList names;
        const QAbstractItemModel* model = view->model();
        for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
            const QModelIndex index = model->index(row, 0, view->rootIndex());
            if (model->flags(index) & Qt::ItemIsEnabled) names << index.data().toString();
        }
        names.sort();
        return names;
    }

    // Accepts the dialog as the user's Open or Save button does. A question the dialog asks on
    // the way is answered No and reported.
    static bool acceptAskingNothing(QFileDialog& dialog) {
        bool asked = false;
        QTimer::singleShot(0, &dialog, [&] {
            if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != &dialog) {
                asked = true;
                if (auto* box = qobject_cast<QMessageBox*>(modal)) box->done(QMessageBox::No);
            }
        });
        static_cast<QDialog&>(dialog).accept();
        QApplication::processEvents();
        return !asked;
    }

    QTemporaryDir dir_;
};

TEST_F(FileDialogInFolder, DatabaseFilterListsSmallAndCapitalExtensions) {
    for (bool save : {false, true}) {
        SCOPED_TRACE(save ? "save" : "open");
        auto dialog = MakeFileDialog(FileDialogOptions{}, save);
        showFolder(*dialog);
        EXPECT_EQ(listedNames(*dialog),
                  (QStringList{QStringLiteral("a.rwk"), QStringLiteral("b.RWK")}));

        chooseFilter(*dialog, QStringLiteral("All files (*.*)"));
        EXPECT_EQ(listedNames(*dialog),
                  (QStringList{QStringLiteral("a.rwk"), QStringLiteral("b.RWK"),
                               QStringLiteral("c.txt")}));
    }
}

TEST_F(FileDialogInFolder, TypedNameWithoutExtensionGetsTheDefaultOne) {
    auto dialog = MakeFileDialog(FileDialogOptions{}, true);
    showFolder(*dialog);
    dialog->selectFile(QStringLiteral("trip"));
    EXPECT_EQ(dialog->selectedFiles(), QStringList{dir_.filePath(QStringLiteral("trip.RWK"))});
    dialog->selectFile(QStringLiteral("trip.old"));
    EXPECT_EQ(dialog->selectedFiles(), QStringList{dir_.filePath(QStringLiteral("trip.old"))});

    FileDialogOptions noExtension;
    noExtension.defaultExtension.clear();
    auto plain = MakeFileDialog(noExtension, true);
    showFolder(*plain);
    plain->selectFile(QStringLiteral("trip"));
    EXPECT_EQ(plain->selectedFiles(), QStringList{dir_.filePath(QStringLiteral("trip"))});
}

TEST_F(FileDialogInFolder, AcceptsAnyNameWithoutQuestions) {
    // Save takes an existing file without asking to replace it: the command asks itself.
    auto save = MakeFileDialog(FileDialogOptions{}, true);
    showFolder(*save);
    save->selectFile(QStringLiteral("b.RWK"));
    EXPECT_TRUE(acceptAskingNothing(*save));
    EXPECT_EQ(save->result(), QDialog::Accepted);

    // Open takes a name with no file behind it: loading such a path changes nothing.
    auto open = MakeFileDialog(FileDialogOptions{}, false);
    showFolder(*open);
    open->selectFile(QStringLiteral("missing"));
    EXPECT_TRUE(acceptAskingNothing(*open));
    EXPECT_EQ(open->result(), QDialog::Accepted);
    EXPECT_EQ(open->selectedFiles(), QStringList{dir_.filePath(QStringLiteral("missing.RWK"))});
}

}  // namespace
}  // namespace rodwick::platform
