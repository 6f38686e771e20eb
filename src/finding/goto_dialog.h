// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "platform.h"
#include "record_book.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace rodwick {

// The goto list: one line per record ("2. River Usk on 12/05/01 at 07:30"); Goto, Return or a
// double-click makes the selected record current.
class GotoDialog : public QDialog {
    Q_OBJECT

  public:
    GotoDialog(RecordBook& book, platform::Platform& platform, QWidget* parent = nullptr);

    // Centres the dialog, fills the list and selects the current record's line.
    void load();
    void goToSelected();
    void cancel();
    void goToDoubleClicked();

  private:
    void buildControls();

    RecordBook& book_;
    platform::Platform& platform_;

    QLabel* recordsLabel_ = nullptr;
    QListWidget* recordList_ = nullptr;
    QPushButton* goButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QLabel* picture_ = nullptr;
};

}  // namespace rodwick
