// SPDX-License-Identifier: GPL-3.0-or-later
#include "export_dialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "export_files.h"
#include "page_printer_clipboard.h"
#include "please_wait.h"
#include "text.h"
#include "widgets.h"

namespace rodwick {

QString ExportDialog::exportFilter() {
    return tr("Rodwick Db PC (*.RWK)") + QStringLiteral("|*.RWK|") + tr("Text File (*.TXT)") +
           QStringLiteral("|*.TXT|") + tr("Rodwick Db ST (*.PRO)") + QStringLiteral("|*.PRO|") +
           tr("All Files (*.*)") + QStringLiteral("|*.*");
}

ExportDialog::ExportDialog(RecordBook& book, platform::Platform& platform, QWidget* parent,
                           FileOps ops)
    : QDialog(parent), book_(book), platform_(platform), ops_(std::move(ops)) {
    makeFixedDialog(*this, "export", tr("Export"), QSize(382, 136));

    recordsGroup_ = new QGroupBox(tr("Records"), this);
    recordsGroup_->setObjectName(QStringLiteral("Frame2"));
    recordsGroup_->setGeometry(12, 10, 96, 76);
    allRecords_ = control<QRadioButton>(recordsGroup_, "all", tr("All "), QRect(12, 22, 78, 20));
    currentRecord_ =
        control<QRadioButton>(recordsGroup_, "current", tr("Current"), QRect(12, 46, 78, 20));

    formatGroup_ = new QGroupBox(tr("Save as"), this);
    formatGroup_->setObjectName(QStringLiteral("Frame1"));
    formatGroup_->setGeometry(118, 10, 156, 102);
    nativeFormat_ =
        control<QRadioButton>(formatGroup_, "RWKPC", tr("Rodwick DB PC"), QRect(12, 22, 138, 20));
    textFormat_ =
        control<QRadioButton>(formatGroup_, "Nort", tr("ASCII Text"), QRect(12, 46, 138, 20));
    sisterFormat_ = control<QRadioButton>(formatGroup_, "RWKST", tr("Rodwick DB Pro ST"),
                                          QRect(12, 70, 138, 20));

    okayButton_ = control<QPushButton>(this, "okay", tr("Export.."), QRect(286, 16, 84, 26));
    cancelButton_ = control<QPushButton>(this, "cancel", tr("Cancel"), QRect(286, 50, 84, 26));
    cancelButton_->setDefault(true);

    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("Image1"));
    picture_->setGeometry(44, 92, 32, 32);
    picture_->setPixmap(exportPicture(picture_->size()));

    onSelect(nativeFormat_, this, [this] { chooseNativeFormat(); });
    onSelect(sisterFormat_, this, [this] { chooseSisterFormat(); });
    onSelect(textFormat_, this, [this] { chooseTextFormat(); });
    onSelect(allRecords_, this, [this] { chooseAllRecords(); });
    onSelect(currentRecord_, this, [this] { chooseCurrentRecord(); });
    connect(okayButton_, &QPushButton::clicked, this, [this] { confirm(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { cancel(); });

    load();
}

void ExportDialog::load() {
    centreOnScreen(*this, platform_);
    nativeFormat_->setChecked(true);
    currentRecord_->setChecked(true);
    allRecords_->setEnabled(false);
}

void ExportDialog::chooseNativeFormat() {
    currentRecord_->setChecked(true);
    allRecords_->setEnabled(false);
}

void ExportDialog::chooseSisterFormat() {
    nativeFormat_->setEnabled(true);
    allRecords_->setEnabled(true);
}

void ExportDialog::chooseTextFormat() {
    chooseSisterFormat();
}

void ExportDialog::chooseAllRecords() {
    if (!nativeFormat_->isChecked()) return;
    textFormat_->setChecked(true);
    nativeFormat_->setEnabled(false);
}

void ExportDialog::chooseCurrentRecord() {
    nativeFormat_->setEnabled(true);
}

void ExportDialog::cancel() {
    reject();
}

void ExportDialog::confirm() {
    exportAll_ = allRecords_->isChecked();

    // Every field set here: the platform's defaults are for database files.
    platform::FileDialogOptions options;
    options.filter = exportFilter();
    options.filterIndex = 4;
    options.title = QString();
    options.defaultExtension = QString();  // the name is used exactly as chosen
    exportFileName_ = platform_.saveFileDialog(options);

    // A cancelled dialog writes nothing and says nothing.
    if (!exportFileName_.isEmpty()) {
        if (nativeFormat_->isChecked()) writeNativeFile();
        if (textFormat_->isChecked()) writeTextFile();
        if (sisterFormat_->isChecked()) writeSisterFile();
    }
    accept();
}

void ExportDialog::writeNativeFile() {
    writeExport(nativeFileBytes(book_.table()));
}

void ExportDialog::writeTextFile() {
    writeExport(textFileBytes(book_.table(), exportAll_));
}

void ExportDialog::writeSisterFile() {
    writeExport(sisterFileBytes(book_.table(), exportAll_));
}

void ExportDialog::writeExport(const std::string& bytes) {
    // Written as the database is saved: a failed export leaves no half-written file behind.
    const Status written = [&] {
        const BusyPointer busy(platform_);
        return writeFileAtomically(toPath(exportFileName_), bytes, ops_);
    }();
    if (written.ok()) return;

    // Not silent: the user would otherwise take the export for done.
    platform_.showMessage(writeFailure(tr("export"), exportFileName_, written,
                                       tr("No file was written."), tr("Export")));
}

}  // namespace rodwick
