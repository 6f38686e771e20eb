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
class Form5 : public QDialog {
    Q_OBJECT

  public:
    Form5(SearchWalk& walk, platform::Platform& platform, QWidget* parent = nullptr);

    // Centres the dialog on the screen.
    void Form_Load();
    void okay_Click();
    void cancel_Click();

  private:
    void buildControls();

    SearchWalk& walk_;
    platform::Platform& platform_;

    QLabel* Label1_ = nullptr;
    QLabel* Label2_ = nullptr;
    QLineEdit* find_ = nullptr;
    QPushButton* okay_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QLabel* Image1_ = nullptr;
};

}  // namespace rodwick
