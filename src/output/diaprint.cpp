#include "diaprint.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <limits>

#include "main_view.h"
#include "output_art.h"

namespace rodwick {

namespace {

const QString kCaption = QStringLiteral("Print");

}  // namespace

diaprint::diaprint(RecordBook& book, platform::Platform& platform, QWidget* parent)
    : QDialog(parent), book_(book), platform_(platform) {
    SetUpFixedDialog(*this, "diaprint", kCaption, QSize(332, 232));

    // One group of four options, top to bottom; all is first in the tab order.
    all_ = Control<QRadioButton>(this, "all", QStringLiteral("All"), QRect(16, 12, 150, 20));
    current_ =
        Control<QRadioButton>(this, "current", QStringLiteral("Current"), QRect(16, 36, 150, 20));
    note_ =
        Control<QRadioButton>(this, "note", QStringLiteral("Note Sheet"), QRect(16, 60, 150, 20));
    record_ = Control<QRadioButton>(this, "record", QStringLiteral("Records from"),
                                    QRect(16, 84, 112, 20));
    from_ = Control<QLineEdit>(this, "from", QString(), QRect(130, 83, 44, 22));
    Label1_ = Control<QLabel>(this, "Label1", QStringLiteral("to"), QRect(180, 83, 20, 22));
    Label1_->setAlignment(Qt::AlignCenter);
    gto_ = Control<QLineEdit>(this, "gto", QString(), QRect(204, 83, 44, 22));

    Frame1_ =
        Control<QGroupBox>(this, "Frame1", QStringLiteral("Options"), QRect(12, 116, 162, 104));
    ft_ = Control<QCheckBox>(Frame1_, "ft", QStringLiteral("Include Time"), QRect(12, 22, 144, 20));
    fd_ = Control<QCheckBox>(Frame1_, "fd", QStringLiteral("Include Date"), QRect(12, 48, 144, 20));
    ff_ = Control<QCheckBox>(Frame1_, "ff", QStringLiteral("Include Filename"),
                             QRect(12, 74, 144, 20));
    ff_->setChecked(true);

    Label2_ = Control<QLabel>(this, "Label2", QStringLiteral("Copies:"), QRect(188, 140, 52, 22));
    Label2_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cop_ = Control<QLineEdit>(this, "cop", QStringLiteral("1"), QRect(244, 140, 44, 22));

    Print_ = Control<QPushButton>(this, "Print", QStringLiteral("Print"), QRect(236, 12, 84, 26));
    cancel_ =
        Control<QPushButton>(this, "cancel", QStringLiteral("Cancel"), QRect(236, 46, 84, 26));
    cancel_->setDefault(true);

    Image1_ = new QLabel(this);
    Image1_->setObjectName(QStringLiteral("Image1"));
    Image1_->setGeometry(262, 178, 40, 40);
    Image1_->setPixmap(PrinterPicture(Image1_->size()));

    // A number is read from the whole text, leading zeros and all; a line box's usual limit
    // of 32767 characters would read another number from what is left.
    for (QLineEdit* box : {from_, gto_, cop_}) box->setMaxLength(std::numeric_limits<int>::max());

    SetTabOrder(
        {all_, current_, note_, record_, from_, gto_, ft_, fd_, ff_, cop_, Print_, cancel_});

    const auto onSelect = [this](QRadioButton* option, void (diaprint::*handler)()) {
        connect(option, &QRadioButton::toggled, this, [this, handler](bool on) {
            if (on) (this->*handler)();
        });
    };
    onSelect(all_, &diaprint::all_Click);
    onSelect(current_, &diaprint::current_Click);
    onSelect(note_, &diaprint::note_Click);
    onSelect(record_, &diaprint::record_Click);
    connect(Print_, &QPushButton::clicked, this, [this] { Print_Click(); });
    connect(cancel_, &QPushButton::clicked, this, [this] { cancel_Click(); });

    Form_Load();
}

void diaprint::Form_Load() {
    CentreOnScreen(*this, platform_);
    // all takes the focus when the window opens, and an option that takes the focus is
    // selected.
    all_->setChecked(true);
    all_->setFocus();
    EnableRange(false);
}

void diaprint::EnableRange(bool enabled) {
    from_->setEnabled(enabled);
    gto_->setEnabled(enabled);
}

void diaprint::all_Click() {
    EnableRange(false);
}

void diaprint::current_Click() {
    EnableRange(false);
}

void diaprint::note_Click() {
    EnableRange(false);
}

void diaprint::record_Click() {
    EnableRange(true);
}

void diaprint::cancel_Click() {
    reject();
}

void diaprint::Print_Click() {
    platform_.setBusyPointer(true);
    setWindowTitle(QStringLiteral("Printing. Please Wait..."));

    PrintRequest request;
    request.includeFileName = ff_->isChecked();
    request.includeDate = fd_->isChecked();
    request.includeTime = ft_->isChecked();
    request.copies = cop_->text();
    const RecordTable& table = book_.table();
    if (all_->isChecked()) {
        request.printFrom = QStringLiteral("1");
        request.printTo = QString::number(table.recordCount());
        PrintRecords(platform_, book_, request);
    }
    if (current_->isChecked()) {
        request.printFrom = request.printTo = QString::number(table.currentRecord());
        PrintRecords(platform_, book_, request);
    }
    if (record_->isChecked()) {
        request.printFrom = from_->text();
        request.printTo = gto_->text();
        PrintRecords(platform_, book_, request);
    }
    if (note_->isChecked()) PrintNoteSheet(platform_, request.copies);

    platform_.setBusyPointer(false);
    setWindowTitle(kCaption);
    accept();
}

}  // namespace rodwick
