#include "export_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "export_files.h"
#include "main_view.h"
#include "output_art.h"
#include "text.h"

namespace rodwick {

namespace {

// Runs a handler when an option becomes selected, by the user or by code.
void OnSelect(QRadioButton* option, QObject* context, std::function<void()> handler) {
    QObject::connect(option, &QRadioButton::toggled, context,
                     [handler = std::move(handler)](bool on) {
                         if (on) handler();
                     });
}

}  // namespace

export_::export_(RecordBook& book, platform::Platform& platform, QWidget* parent, FileOps ops)
    : QDialog(parent), book_(book), platform_(platform), ops_(std::move(ops)) {
    SetUpFixedDialog(*this, "export", QStringLiteral("Export"), QSize(382, 136));

    Frame2_ = new QGroupBox(QStringLiteral("Records"), this);
    Frame2_->setObjectName(QStringLiteral("Frame2"));
    Frame2_->setGeometry(12, 10, 96, 76);
    all_ = Control<QRadioButton>(Frame2_, "all", QStringLiteral("All "), QRect(12, 22, 78, 20));
    current_ =
        Control<QRadioButton>(Frame2_, "current", QStringLiteral("Current"), QRect(12, 46, 78, 20));

    Frame1_ = new QGroupBox(QStringLiteral("Save as"), this);
    Frame1_->setObjectName(QStringLiteral("Frame1"));
    Frame1_->setGeometry(118, 10, 156, 102);
    RWKPC_ = Control<QRadioButton>(Frame1_, "RWKPC", QStringLiteral("Rodwick DB PC"),
                                   QRect(12, 22, 138, 20));
    Nort_ = Control<QRadioButton>(Frame1_, "Nort", QStringLiteral("ASCII Text"),
                                  QRect(12, 46, 138, 20));
    RWKST_ = Control<QRadioButton>(Frame1_, "RWKST", QStringLiteral("Rodwick DB Pro ST"),
                                   QRect(12, 70, 138, 20));

    okay_ = Control<QPushButton>(this, "okay", QStringLiteral("Export.."), QRect(286, 16, 84, 26));
    cancel_ =
        Control<QPushButton>(this, "cancel", QStringLiteral("Cancel"), QRect(286, 50, 84, 26));
    cancel_->setDefault(true);

    Image1_ = new QLabel(this);
    Image1_->setObjectName(QStringLiteral("Image1"));
    Image1_->setGeometry(44, 92, 32, 32);
    Image1_->setPixmap(ExportPicture(Image1_->size()));

    OnSelect(RWKPC_, this, [this] { RWKPC_Click(); });
    OnSelect(RWKST_, this, [this] { RWKST_Click(); });
    OnSelect(Nort_, this, [this] { Nort_Click(); });
    OnSelect(all_, this, [this] { all_Click(); });
    OnSelect(current_, this, [this] { current_Click(); });
    connect(okay_, &QPushButton::clicked, this, [this] { okay_Click(); });
    connect(cancel_, &QPushButton::clicked, this, [this] { cancel_Click(); });

    Form_Load();
}

void export_::Form_Load() {
    CentreOnScreen(*this, platform_);
    RWKPC_->setChecked(true);
    current_->setChecked(true);
    all_->setEnabled(false);
}

void export_::RWKPC_Click() {
    current_->setChecked(true);
    all_->setEnabled(false);
}

void export_::RWKST_Click() {
    RWKPC_->setEnabled(true);
    all_->setEnabled(true);
}

void export_::Nort_Click() {
    RWKST_Click();
}

void export_::all_Click() {
    if (!RWKPC_->isChecked()) return;
    Nort_->setChecked(true);
    RWKPC_->setEnabled(false);
}

void export_::current_Click() {
    RWKPC_->setEnabled(true);
}

void export_::cancel_Click() {
    reject();
}

void export_::okay_Click() {
    exportAll_ = all_->isChecked();

    // Every field set here: the platform's defaults are for database files.
    platform::FileDialogOptions options;
    options.filter = QString::fromLatin1(kExportFilter);
    options.filterIndex = 4;
    options.title = QString();
    options.defaultExtension = QString();  // the name is used exactly as chosen
    exportFileName_ = platform_.saveFileDialog(options);

    // A cancelled dialog writes nothing and says nothing.
    if (!exportFileName_.isEmpty()) {
        if (RWKPC_->isChecked()) WriteNativeFile();
        if (Nort_->isChecked()) WriteTextFile();
        if (RWKST_->isChecked()) WriteSisterFile();
    }
    accept();
}

void export_::WriteNativeFile() {
    WriteExport(NativeFileBytes(book_.table()));
}

void export_::WriteTextFile() {
    WriteExport(TextFileBytes(book_.table(), exportAll_));
}

void export_::WriteSisterFile() {
    WriteExport(SisterFileBytes(book_.table(), exportAll_));
}

void export_::WriteExport(const std::string& bytes) {
    // Written as the database is saved: a failed export leaves no half-written file behind.
    platform_.setBusyPointer(true);
    const Status written = WriteFileAtomically(ToPath(exportFileName_), bytes, ops_);
    platform_.setBusyPointer(false);
    if (written.ok()) return;

    // Not silent: the user would otherwise take the export for done.
    platform_.showMessage({QStringLiteral("Could not export to ") + exportFileName_ +
                               QStringLiteral(": ") + QString::fromStdString(written.message()) +
                               QStringLiteral(". No file was written."),
                           QStringLiteral("Export"), platform::Buttons::Ok, platform::Icon::Stop});
}

}  // namespace rodwick
