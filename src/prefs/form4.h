#pragma once

#include <QDialog>
#include <QString>

#include "platform.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace rodwick {

class Drawing;

// The About text: a welcome line naming the product and its maker, then what it does.
QString AboutText();

// The About window; OK, Enter and Escape close it.
class Form4 : public QDialog {
    Q_OBJECT

  public:
    Form4(platform::Platform& platform, QWidget* parent = nullptr);

    void Form_Load();
    void cmdAbout_Click();

  private:
    void buildControls();

    platform::Platform& platform_;
    Drawing* Picture1_ = nullptr;
    Drawing* Image1_ = nullptr;
    QLabel* Label1_ = nullptr;
    QGroupBox* fraAbout_ = nullptr;
    QLabel* tabout_ = nullptr;
    QPushButton* cmdAbout_ = nullptr;
};

}  // namespace rodwick
