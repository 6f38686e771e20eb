// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "platform.h"
#include "search_walk.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace rodwick {

// The search-word dialog. Okay hands the word, as typed, to the search and starts it afresh;
// Cancel, Escape and the close box leave the search as it was, so it goes on where it paused.
class FindDialog : public QDialog {
    Q_OBJECT

  public:
    FindDialog(SearchWalk& walk, platform::Platform& platform, QWidget* parent = nullptr);

    // Centres the dialog on the screen.
    void load();
    void confirm();
    void cancel();

  private:
    void buildControls();

    SearchWalk& walk_;
    platform::Platform& platform_;

    QLabel* promptLabel_ = nullptr;
    QLabel* wordLabel_ = nullptr;
    QLineEdit* wordBox_ = nullptr;
    QPushButton* okayButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QLabel* picture_ = nullptr;
};

}  // namespace rodwick
