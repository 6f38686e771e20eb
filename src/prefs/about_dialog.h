// SPDX-License-Identifier: GPL-3.0-or-later
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
QString aboutText();

// The About window; OK, Enter and Escape close it.
class AboutDialog : public QDialog {
    Q_OBJECT

  public:
    AboutDialog(platform::Platform& platform, QWidget* parent = nullptr);

    void load();
    void dismiss();

  private:
    void buildControls();

    platform::Platform& platform_;
    Drawing* fishPicture_ = nullptr;
    Drawing* floatPicture_ = nullptr;
    QLabel* makerLabel_ = nullptr;
    QGroupBox* aboutFrame_ = nullptr;
    QLabel* aboutText_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

}  // namespace rodwick
