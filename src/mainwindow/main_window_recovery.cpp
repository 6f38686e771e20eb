// SPDX-License-Identifier: GPL-3.0-or-later
// Nothing typed is lost: the recovery copy of unsaved trips, offered again when their database
// is loaded, and the dated backup every save keeps of the file it replaces.
#include <ctime>

#include "backups.h"
#include "backups_dialog.h"
#include "file_watch.h"
// By its path from here, so that the translation tools find the class and its context.
#include "include/main_window.h"
#include "photo_shelf.h"
#include "photo_watch.h"
#include "program_files.h"
#include "recovery.h"
#include "text.h"
#include "toolbar.h"

namespace rodwick {

void MainWindow::keepUnsavedTrips() {
    const UserFolders user = userFoldersFromEnvironment();
    backupFolder_ = backupFolder(user);
    recovery_ = std::make_unique<Recovery>(book_, recoveryFolder(user));
    recovery_->onWriteFailure([this](const std::string& reason) {
        toolbar_->showStatus(
            tr("Changes are not being kept in a recovery copy: %1.").arg(fromPath(reason)));
    });
    fileWatch_ =
        new FileWatch(book_, platform_,
                      {.showStatus = [this](const QString& text) { toolbar_->showStatus(text); },
                       .backupFolder = backupFolder_},
                      this);
    new PhotoWatch(book_, *photos_, platform_,
                   {.showStatus = [this](const QString& text) { toolbar_->showStatus(text); }},
                   this);
}

std::unique_ptr<PhotoShelf> MainWindow::makePhotoShelf(RecordBook& book) {
    const UserFolders user = userFoldersFromEnvironment();
    auto shelf = std::make_unique<PhotoShelf>(
        book,
        PhotoShelf::Folders{.untitled = untitledPhotoFolder(user), .backups = backupFolder(user)});
    shelf->onWriteFailure([this](const std::string& reason) {
        if (toolbar_ != nullptr)
            toolbar_->showStatus(tr("The photos could not be kept: %1.").arg(fromPath(reason)));
    });
    return shelf;
}

void MainWindow::offerRecovery(const std::string& path) {
    const auto copy = recovery_->pendingFor(path);
    if (!copy) return;
    const QString name = path.empty() ? tr("Untitled") : fromPath(path);
    const platform::Message question{tr("%1 has unsaved changes from %2. Recover them?")
                                         .arg(name, QString::fromStdString(copy->time)),
                                     tr("Recover"), platform::Buttons::YesNo,
                                     platform::Icon::Question};
    if (platform_.showMessage(question) != platform::Answer::Yes) {
        recovery_->discard(path);
        return;
    }
    if (!path.empty()) {
        // The recovered trips are the loaded file's, still unsaved: its copy stays until a save.
        (void)book_.replaceRecords(copy->records, RecordBook::StepName::Recovery);
        return;
    }
    // A table never saved comes back untitled, so that Save asks where it goes.
    RecordTable table;
    (void)table.replaceAll(copy->records);
    book_.adopt(std::move(table), RecordTable::kUntitled);
}

void MainWindow::offerUnsavedTable() {
    offerRecovery({});
}

Status MainWindow::backUp(const std::string& path) {
    return backUpBeforeSave(path, backupFolder_, std::time(nullptr));
}

void MainWindow::tableSaved(const Status& backedUp) {
    recovery_->tableSaved();
    if (backedUp.ok()) return;
    platform_.showMessage(
        {tr("The database was saved, but the file it replaced could not be kept as a backup in "
            "%1: %2.")
             .arg(fromPath(backupFolder_), fromPath(backedUp.message())),
         tr("Save"), platform::Buttons::Ok, platform::Icon::Exclamation});
}

void MainWindow::showBackups() {
    const std::vector<Backup> backups =
        book_.isUntitled() ? std::vector<Backup>{} : listBackups(book_.fileName(), backupFolder_);
    const auto chosen = chooseBackup(platform_, *this, backups);
    if (!chosen) return;
    loadDatabase(*chosen);
    if (fileExists(book_.fileName())) addToFileList();
}

}  // namespace rodwick
