// SPDX-License-Identifier: GPL-3.0-or-later
#include "about_dialog.h"

#include <QCoreApplication>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "balance_and_float.h"
#include "drawing.h"
#include "fish_rod_reel.h"
#include "widgets.h"

namespace rodwick {

namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 300;

}  // namespace

QString aboutText() {
    return QCoreApplication::translate(
        "rodwick::AboutDialog",
        "Welcome to The Rodwick Database, by Harrowby Software.\n"
        "Keep a log of every fishing trip you make: where you fished, the water and the "
        "weather, the method and bait that worked, and what you caught, down to the weight of "
        "your best fish. The more trips you record, the more the log tells you: search it for "
        "a species, for example, and it shows you every place where that fish has been caught. "
        "Everything the program can do is explained in the manual, the file ANGLEBOX.doc "
        "beside the program.");
}

AboutDialog::AboutDialog(platform::Platform& platform, QWidget* parent)
    : QDialog(parent), platform_(platform) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(tr("About"));
    makeFixedDialog(*this, QSize(kWidth, kHeight));
    buildControls();
    load();
}

void AboutDialog::buildControls() {
    fishPicture_ = new Drawing("Picture1", paintFish, this);
    fishPicture_->setGeometry(14, 10, 72, 64);

    QFont maker(QStringLiteral("Times New Roman"));
    maker.setStyleHint(QFont::Serif);
    maker.setPointSize(16);
    maker.setItalic(true);
    makerLabel_ = new QLabel(QStringLiteral("Harrowby Software"), this);
    makerLabel_->setObjectName(QStringLiteral("Label1"));
    makerLabel_->setFont(maker);
    makerLabel_->setAlignment(Qt::AlignCenter);
    makerLabel_->setGeometry(94, 22, kWidth - 188, 40);

    floatPicture_ = new Drawing("Image1", paintFloat, this);
    floatPicture_->setGeometry(kWidth - 14 - 72, 10, 72, 64);

    aboutFrame_ = new QGroupBox(this);
    aboutFrame_->setObjectName(QStringLiteral("fraAbout"));
    aboutFrame_->setGeometry(14, 80, kWidth - 28, 166);
    aboutText_ = new QLabel(aboutFrame_);
    aboutText_->setObjectName(QStringLiteral("tabout"));
    aboutText_->setTextFormat(Qt::PlainText);
    aboutText_->setWordWrap(true);
    aboutText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    aboutText_->setGeometry(12, 10, kWidth - 28 - 24, 150);

    okButton_ = new QPushButton(tr("OK"), this);
    okButton_->setObjectName(QStringLiteral("cmdAbout"));
    okButton_->setDefault(true);
    okButton_->setGeometry((kWidth - 92) / 2, kHeight - 44, 92, 30);
    connect(okButton_, &QPushButton::clicked, this, [this] { dismiss(); });
}

void AboutDialog::load() {
    centreOnScreen(*this, platform_);
    aboutText_->setText(aboutText());
}

void AboutDialog::dismiss() {
    accept();
}

}  // namespace rodwick
