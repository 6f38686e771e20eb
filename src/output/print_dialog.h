// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "platform.h"
#include "print_job.h"
#include "record_book.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace rodwick {

// The print window ("diaprint"): all records, the current one, a range or the blank note
// sheet, with header options and copies, on the default printer.
class PrintDialog : public QDialog {
    Q_OBJECT

  public:
    PrintDialog(RecordBook& book, platform::Platform& platform, QWidget* parent = nullptr);

    void load();
    void chooseAllRecords();
    void chooseCurrentRecord();
    void chooseNoteSheet();
    void chooseRange();
    void cancel();
    void printChosen();

  private:
    void enableRange(bool enabled);
    // Prints each chosen part under the busy pointer.
    void printAll();

    RecordBook& book_;
    platform::Platform& platform_;

    QRadioButton* allRecords_ = nullptr;
    QRadioButton* currentRecord_ = nullptr;
    QRadioButton* noteSheet_ = nullptr;
    QRadioButton* range_ = nullptr;
    QLineEdit* rangeFrom_ = nullptr;
    QLabel* toLabel_ = nullptr;
    QLineEdit* rangeTo_ = nullptr;
    QGroupBox* optionsGroup_ = nullptr;
    QCheckBox* includeTime_ = nullptr;
    QCheckBox* includeDate_ = nullptr;
    QCheckBox* includeFileName_ = nullptr;
    QLabel* copiesLabel_ = nullptr;
    QLineEdit* copies_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QLabel* picture_ = nullptr;
};

}  // namespace rodwick
