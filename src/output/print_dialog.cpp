// SPDX-License-Identifier: GPL-3.0-or-later
#include "print_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <limits>

#include "captions.h"
#include "page_printer_clipboard.h"
#include "please_wait.h"
#include "widgets.h"

namespace rodwick {

PrintDialog::PrintDialog(RecordBook& book, platform::Platform& platform, QWidget* parent)
    : QDialog(parent), book_(book), platform_(platform) {
    makeFixedDialog(*this, "diaprint", tr("Print"), QSize(332, 232));

    // One group of four options, top to bottom; all is first in the tab order.
    allRecords_ = control<QRadioButton>(this, "all", tr("All"), QRect(16, 12, 150, 20));
    currentRecord_ = control<QRadioButton>(this, "current", tr("Current"), QRect(16, 36, 150, 20));
    noteSheet_ = control<QRadioButton>(this, "note", tr("Note Sheet"), QRect(16, 60, 150, 20));
    range_ = control<QRadioButton>(this, "record", tr("Records from"), QRect(16, 84, 112, 20));
    rangeFrom_ = control<QLineEdit>(this, "from", QString(), QRect(130, 83, 44, 22));
    toLabel_ = control<QLabel>(this, "Label1", tr("to"), QRect(180, 83, 20, 22));
    toLabel_->setAlignment(Qt::AlignCenter);
    rangeTo_ = control<QLineEdit>(this, "gto", QString(), QRect(204, 83, 44, 22));

    optionsGroup_ = control<QGroupBox>(this, "Frame1", tr("Options"), QRect(12, 116, 162, 104));
    includeTime_ =
        control<QCheckBox>(optionsGroup_, "ft", tr("Include Time"), QRect(12, 22, 144, 20));
    includeDate_ =
        control<QCheckBox>(optionsGroup_, "fd", tr("Include Date"), QRect(12, 48, 144, 20));
    includeFileName_ =
        control<QCheckBox>(optionsGroup_, "ff", tr("Include Filename"), QRect(12, 74, 144, 20));
    includeFileName_->setChecked(true);

    copiesLabel_ = control<QLabel>(this, "Label2", tr("Copies:"), QRect(188, 140, 52, 22));
    copiesLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    copies_ = control<QLineEdit>(this, "cop", QStringLiteral("1"), QRect(244, 140, 44, 22));

    printButton_ = control<QPushButton>(this, "Print", tr("Print"), QRect(236, 12, 84, 26));
    cancelButton_ = control<QPushButton>(this, "cancel", tr("Cancel"), QRect(236, 46, 84, 26));
    cancelButton_->setDefault(true);

    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("Image1"));
    picture_->setGeometry(262, 178, 40, 40);
    picture_->setPixmap(printerPicture(picture_->size()));

    // A number is read from the whole text, leading zeros and all; a line box's usual limit
    // of 32767 characters would read another number from what is left.
    for (QLineEdit* box : {rangeFrom_, rangeTo_, copies_})
        box->setMaxLength(std::numeric_limits<int>::max());

    chainTabOrder({allRecords_, currentRecord_, noteSheet_, range_, rangeFrom_, rangeTo_,
                   includeTime_, includeDate_, includeFileName_, copies_, printButton_,
                   cancelButton_});
    nameByCaption(*rangeFrom_, range_->text());
    nameControlsByCaptions(*this);

    onSelect(allRecords_, this, [this] { chooseAllRecords(); });
    onSelect(currentRecord_, this, [this] { chooseCurrentRecord(); });
    onSelect(noteSheet_, this, [this] { chooseNoteSheet(); });
    onSelect(range_, this, [this] { chooseRange(); });
    connect(printButton_, &QPushButton::clicked, this, [this] { printChosen(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { cancel(); });

    load();
}

void PrintDialog::load() {
    centreOnScreen(*this, platform_);
    // all takes the focus when the window opens, and an option that takes the focus is
    // selected.
    allRecords_->setChecked(true);
    allRecords_->setFocus();
    enableRange(false);
}

void PrintDialog::enableRange(bool enabled) {
    rangeFrom_->setEnabled(enabled);
    rangeTo_->setEnabled(enabled);
}

void PrintDialog::chooseAllRecords() {
    enableRange(false);
}

void PrintDialog::chooseCurrentRecord() {
    enableRange(false);
}

void PrintDialog::chooseNoteSheet() {
    enableRange(false);
}

void PrintDialog::chooseRange() {
    enableRange(true);
}

void PrintDialog::cancel() {
    reject();
}

void PrintDialog::printChosen() {
    printAll();
    setWindowTitle(tr("Print"));
    accept();
}

void PrintDialog::printAll() {
    BusyPointer busy(platform_);
    setWindowTitle(tr("Printing. Please Wait..."));

    PrintRequest request;
    request.includeFileName = includeFileName_->isChecked();
    request.includeDate = includeDate_->isChecked();
    request.includeTime = includeTime_->isChecked();
    request.copies = copies_->text();
    const RecordTable& table = book_.table();
    if (allRecords_->isChecked()) {
        request.printFrom = QStringLiteral("1");
        request.printTo = QString::number(table.recordCount());
        printRecords(platform_, busy, book_, request);
    }
    if (currentRecord_->isChecked()) {
        request.printFrom = request.printTo = QString::number(table.currentRecord());
        printRecords(platform_, busy, book_, request);
    }
    if (range_->isChecked()) {
        request.printFrom = rangeFrom_->text();
        request.printTo = rangeTo_->text();
        printRecords(platform_, busy, book_, request);
    }
    if (noteSheet_->isChecked()) printNoteSheet(platform_, busy, request.copies);
}

}  // namespace rodwick
