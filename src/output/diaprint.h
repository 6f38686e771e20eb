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
class diaprint : public QDialog {
    Q_OBJECT

  public:
    diaprint(RecordBook& book, platform::Platform& platform, QWidget* parent = nullptr);

    void Form_Load();
    void all_Click();
    void current_Click();
    void note_Click();
    void record_Click();
    void cancel_Click();
    void Print_Click();

  private:
    void EnableRange(bool enabled);

    RecordBook& book_;
    platform::Platform& platform_;

    QRadioButton* all_ = nullptr;
    QRadioButton* current_ = nullptr;
    QRadioButton* note_ = nullptr;
    QRadioButton* record_ = nullptr;
    QLineEdit* from_ = nullptr;
    QLabel* Label1_ = nullptr;
    QLineEdit* gto_ = nullptr;
    QGroupBox* Frame1_ = nullptr;
    QCheckBox* ft_ = nullptr;
    QCheckBox* fd_ = nullptr;
    QCheckBox* ff_ = nullptr;
    QLabel* Label2_ = nullptr;
    QLineEdit* cop_ = nullptr;
    QPushButton* Print_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QLabel* Image1_ = nullptr;
};

}  // namespace rodwick
