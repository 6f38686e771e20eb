#pragma once

#include <QDialog>
#include <QString>

#include "platform.h"
#include "record_book.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace rodwick {

// The copy window ("Form7"): the current record's values as text, all selected; Copy puts the
// selection on the clipboard.
class Form7 : public QDialog {
    Q_OBJECT

  public:
    Form7(RecordBook& book, platform::Platform& platform, QWidget* parent = nullptr);

    void Form_Load();
    void okay_Click();
    void cancel_Click();

    // The text selected in cot, with CR LF between its lines.
    QString SelectedText() const;

  private:
    RecordBook& book_;
    platform::Platform& platform_;

    QLabel* Label1_ = nullptr;
    QPlainTextEdit* cot_ = nullptr;
    QPushButton* okay_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QLabel* Image1_ = nullptr;
};

}  // namespace rodwick
