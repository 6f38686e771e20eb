// SPDX-License-Identifier: GPL-3.0-or-later
// The File menu: New, Open, Save, Save As, Merge, Exit and the list of opened files, with
// the load, save and merge routines and the title that carries the file's state.
#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include "command_registry.h"
#include "database_file.h"
#include "file_watch.h"
// By its path from here, so that the translation tools find the class and its context.
#include "include/main_window.h"
#include "please_wait.h"
#include "text.h"
#include "widgets.h"

namespace rodwick {

namespace {

// Open, Save As and Merge all offer database files first.
platform::FileDialogOptions databaseDialog(const QString& title = QString()) {
    return {QCoreApplication::translate("rodwick::MainWindow",
                                        "Rodwick DB (*.RWK)|*.RWK|All files (*.*)|*.*"),
            1, title, QStringLiteral("RWK")};
}

// A path shown as a menu caption: '&' would otherwise be taken as an access key.
QString menuCaptionFor(const QString& path) {
    QString caption = path;
    caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return caption;
}

}  // namespace

void MainWindow::registerFileCommands() {
    const auto row = [this](const char* name, const char* caption, const char* shortcut, int order,
                            void (MainWindow::*command)()) {
        return CommandRow{.name = name,
                          .caption = caption,
                          .shortcut = shortcut,
                          .menu = kFileMenu,
                          .order = order,
                          .handler = [this, command] { (this->*command)(); }};
    };
    // The last entry heads the list of opened files, which grows beneath it.
    commands_.add({
        row(kNewEntry, QT_TRANSLATE_NOOP("FileMenu", "Ne&w"), "Ctrl+W", 10,
            &MainWindow::newDatabase),
        row(kOpenEntry, QT_TRANSLATE_NOOP("FileMenu", "&Open..."), "Ctrl+O", 20,
            &MainWindow::openDatabase),
        row(kSaveEntry, QT_TRANSLATE_NOOP("FileMenu", "&Save"), "Ctrl+S", 30, &MainWindow::save),
        row(kSaveAsEntry, QT_TRANSLATE_NOOP("FileMenu", "Save As..   "), "Ctrl+Y", 40,
            &MainWindow::saveAs),
        row(kMergeEntry, QT_TRANSLATE_NOOP("FileMenu", "&Merge"), "Ctrl+M", 60, &MainWindow::merge),
        {.name = kBackupsEntry,
         .caption = QT_TRANSLATE_NOOP("FileMenu", "Backups..."),
         .menu = kFileMenu,
         .after = kCsvImportEntry,
         .handler = [this] { showBackups(); }},
        {.name = kFileSeparator, .menu = kFileMenu, .order = 70},
        row(kExitEntry, QT_TRANSLATE_NOOP("FileMenu", "Exit"), "Ctrl+X", 90, &MainWindow::leave),
        {.name = kFileListHead, .menu = kFileMenu, .order = 100},
    });
}

void MainWindow::drawTitle() {
    // "Untitled" is the book's mark for no name, shown in the window's language.
    const QString name = book_.isUntitled() ? tr("Untitled") : fromPath(book_.titleName());
    setWindowTitle(busyTitle_.isEmpty() ? tr("Rodwick DB: %1").arg(name) : busyTitle_);
}

void MainWindow::showBusyTitle(const QString& text) {
    busyTitle_ = text;
    drawTitle();
}

void MainWindow::showFileTitle() {
    busyTitle_.clear();
    drawTitle();
}

void MainWindow::loadDatabase(const std::string& path) {
    const PleaseWait wait(*this, platform_, tr("Loading. Please wait..."));
    // Silent by design: a missing or unreadable file leaves what the book held.
    if (!book_.load(path).ok()) return;
    offerRecovery(path);
    fileWatch_->loaded();
}

void MainWindow::tellSaveFailed(const std::string& path, const Status& saved) {
    // Unlike the other file failures this one is reported: a save that fails silently
    // loses the user's work without warning.
    platform_.showMessage(writeFailure(tr("save the database"), fromPath(path), saved,
                                       tr("The file on disk was not changed."), tr("Save")));
}

bool MainWindow::saveDatabase() {
    // What another program wrote since the last load or save is merged first, never lost.
    if (!fileWatch_->readyToSave()) return false;
    Status backedUp = Status::success();
    const Status saved = [this, &backedUp] {
        const PleaseWait wait(*this, platform_, tr("Saving. Please wait..."));
        backedUp = backUp(book_.fileName());
        return book_.save();
    }();
    if (!saved.ok()) tellSaveFailed(book_.fileName(), saved);
    if (saved.ok()) tableSaved(backedUp);
    return saved.ok();
}

void MainWindow::mergeDatabase(const std::string& path) {
    // All or nothing, and silent when nothing is merged.
    (void)book_.merge(path);
}

void MainWindow::addToFileList() {
    fileListHead_->setVisible(true);
    const QString name = fromPath(book_.fileName());
    // Element 0 is the separator heading the list; its caption is "-".
    if (name.compare(QStringLiteral("-"), Qt::CaseInsensitive) == 0) return;
    for (QAction* entry : fileList_) {
        if (name.compare(entry->data().toString(), Qt::CaseInsensitive) == 0) return;
    }

    const int index = static_cast<int>(fileList_.size()) + 1;
    auto* entry = new QAction(menuCaptionFor(name), fileMenu_);
    entry->setObjectName(QStringLiteral("mnufilearray"));
    entry->setProperty("index", index);
    entry->setData(name);
    entry->setVisible(true);
    fileMenu_->addAction(entry);
    connect(entry, &QAction::triggered, this, [this, index] { openListedFile(index); });
    fileList_.push_back(entry);
}

QStringList MainWindow::fileListCaptions() const {
    QStringList captions;
    for (const QAction* entry : fileList_) captions << entry->data().toString();
    return captions;
}

void MainWindow::newDatabase() {
    const platform::Message question{tr("Really clear all records from memory??"), tr("New"),
                                     platform::Buttons::YesNo, platform::Icon::Exclamation,
                                     platform::DefaultButton::Second};
    if (platform_.showMessage(question) != platform::Answer::Yes) return;

    // The file name stays: only the title marks the database as untitled.
    book_.newDatabase();
}

void MainWindow::openDatabase() {
    const QString chosen = platform_.openFileDialog(databaseDialog());
    if (chosen.isEmpty()) return;
    loadDatabase(toPath(chosen));
    if (fileExists(book_.fileName())) addToFileList();
}

void MainWindow::save() {
    if (book_.isUntitled()) {
        saveAs();
        return;
    }
    saveDatabase();
}

void MainWindow::saveAs() {
    const QString chosen = platform_.saveFileDialog(databaseDialog());
    if (chosen.isEmpty()) return;
    const std::string path = toPath(chosen);
    if (fileExists(path)) {
        const platform::Message question{tr("This file already exists. Overwrite the file"),
                                         tr("Save as"), platform::Buttons::YesNo,
                                         platform::Icon::Exclamation};
        if (platform_.showMessage(question) != platform::Answer::Yes) return;
    }

    // A Save As that failed does not send later Saves to the new path.
    Status backedUp = Status::success();
    const Status saved = [&] {
        const PleaseWait wait(*this, platform_, tr("Saving. Please wait..."));
        backedUp = backUp(path);
        return book_.saveAs(path);
    }();
    if (!saved.ok()) tellSaveFailed(path, saved);
    if (saved.ok()) tableSaved(backedUp);
}

void MainWindow::merge() {
    const QString chosen = platform_.saveFileDialog(databaseDialog(tr("Merge with..")));
    if (chosen.isEmpty()) return;
    mergeDatabase(toPath(chosen));
}

void MainWindow::leave() {
    if (!askToLeave()) return;

    // Closing by code: the window's own close question has just been answered.
    closeReason_ = CloseReason::ByCode;
    close();
    closeReason_ = CloseReason::ByUser;
    QCoreApplication::quit();
}

void MainWindow::openListedFile(int index) {
    if (index < 1 || index > static_cast<int>(fileList_.size())) return;
    loadDatabase(toPath(fileList_[static_cast<size_t>(index - 1)]->data().toString()));
}

}  // namespace rodwick
