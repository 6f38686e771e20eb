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

ExportDialog::ExportDialog(RecordBook& book, platform::Platform& platform, QWidget* parent,
                           FileOps ops)
    : QDialog(parent), book_(book), platform_(platform), ops_(std::move(ops)) {
    MakeFixedDialog(*this, "export", QStringLiteral("Export"), QSize(382, 136));

    Frame2_ = new QGroupBox(QStringLiteral("Records"), this);
    Frame2_->setObjectName(QStringLiteral("Frame2"));
    Frame2_->setGeometry(12, 10, 96, 76);
    allRecords_ =
        Control<QRadioButton>(Frame2_, "all", QStringLiteral("All "), QRect(12, 22, 78, 20));
    currentRecord_ =
        Control<QRadioButton>(Frame2_, "current", QStringLiteral("Current"), QRect(12, 46, 78, 20));

    Frame1_ = new QGroupBox(QStringLiteral("Save as"), this);
    Frame1_->setObjectName(QStringLiteral("Frame1"));
    Frame1_->setGeometry(118, 10, 156, 102);
    nativeFormat_ = Control<QRadioButton>(Frame1_, "RWKPC", QStringLiteral("Rodwick DB PC"),
                                          QRect(12, 22, 138, 20));
    textFormat_ = Control<QRadioButton>(Frame1_, "Nort", QStringLiteral("ASCII Text"),
                                        QRect(12, 46, 138, 20));
    sisterFormat_ = Control<QRadioButton>(Frame1_, "RWKST", QStringLiteral("Rodwick DB Pro ST"),
                                          QRect(12, 70, 138, 20));

    okayButton_ =
        Control<QPushButton>(this, "okay", QStringLiteral("Export.."), QRect(286, 16, 84, 26));
    cancelButton_ =
        Control<QPushButton>(this, "cancel", QStringLiteral("Cancel"), QRect(286, 50, 84, 26));
    cancelButton_->setDefault(true);

    Image1_ = new QLabel(this);
    Image1_->setObjectName(QStringLiteral("Image1"));
    Image1_->setGeometry(44, 92, 32, 32);
    Image1_->setPixmap(ExportPicture(Image1_->size()));

    OnSelect(nativeFormat_, this, [this] { chooseNativeFormat(); });
    OnSelect(sisterFormat_, this, [this] { chooseSisterFormat(); });
    OnSelect(textFormat_, this, [this] { chooseTextFormat(); });
    OnSelect(allRecords_, this, [this] { chooseAllRecords(); });
    OnSelect(currentRecord_, this, [this] { chooseCurrentRecord(); });
    connect(okayButton_, &QPushButton::clicked, this, [this] { confirm(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { cancel(); });

    load();
}

void ExportDialog::load() {
    CentreOnScreen(*this, platform_);
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
    options.filter = QString::fromLatin1(kExportFilter);
    options.filterIndex = 4;
    options.title = QString();
    options.defaultExtension = QString();  // the name is used exactly as chosen
    exportFileName_ = platform_.saveFileDialog(options);

    // A cancelled dialog writes nothing and says nothing.
    if (!exportFileName_.isEmpty()) {
        if (nativeFormat_->isChecked()) WriteNativeFile();
        if (textFormat_->isChecked()) WriteTextFile();
        if (sisterFormat_->isChecked()) WriteSisterFile();
    }
    accept();
}

void ExportDialog::WriteNativeFile() {
    WriteExport(NativeFileBytes(book_.table()));
}

void ExportDialog::WriteTextFile() {
    WriteExport(TextFileBytes(book_.table(), exportAll_));
}

void ExportDialog::WriteSisterFile() {
    WriteExport(SisterFileBytes(book_.table(), exportAll_));
}

void ExportDialog::WriteExport(const std::string& bytes) {
    // Written as the database is saved: a failed export leaves no half-written file behind.
    const Status written = [&] {
        const BusyPointer busy(platform_);
        return WriteFileAtomically(ToPath(exportFileName_), bytes, ops_);
    }();
    if (written.ok()) return;

    // Not silent: the user would otherwise take the export for done.
    platform_.showMessage(WriteFailure(QStringLiteral("export"), exportFileName_, written,
                                       QStringLiteral("No file was written."),
                                       QStringLiteral("Export")));
}

}  // namespace rodwick
