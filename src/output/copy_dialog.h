// SPDX-License-Identifier: GPL-3.0-or-later
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
class CopyDialog : public QDialog {
    Q_OBJECT

  public:
    CopyDialog(RecordBook& book, platform::Platform& platform, QWidget* parent = nullptr);

    void load();
    void confirm();
    void cancel();

    // The text selected in cot, with CR LF between its lines.
    QString selectedText() const;

  private:
    RecordBook& book_;
    platform::Platform& platform_;

    QLabel* whatLabel_ = nullptr;
    QPlainTextEdit* recordText_ = nullptr;
    QPushButton* copyButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QLabel* picture_ = nullptr;
};

}  // namespace rodwick
