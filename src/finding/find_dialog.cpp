// SPDX-License-Identifier: GPL-3.0-or-later
#include "find_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <limits>

#include "binoculars_and_list.h"
#include "captions.h"
#include "widgets.h"

namespace rodwick {

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 150;

}  // namespace

FindDialog::FindDialog(SearchWalk& walk, platform::Platform& platform, QWidget* parent)
    : QDialog(parent), walk_(walk), platform_(platform) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(tr("Search"));
    makeFixedDialog(*this, QSize(kWidth, kHeight));
    buildControls();
    nameControlsByCaptions(*this);
    load();
}

void FindDialog::buildControls() {
    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("Image1"));
    picture_->setGeometry(14, 14, 32, 32);
    picture_->setPixmap(binocularsPicture(32));

    promptLabel_ =
        new QLabel(tr("Please type in the word for me to search for. I will search all fields in "
                      "all records for the word you specify. Upper and lower case are no problem "
                      "for me!"),
                   this);
    promptLabel_->setObjectName(QStringLiteral("Label1"));
    promptLabel_->setTextFormat(Qt::PlainText);
    promptLabel_->setWordWrap(true);
    promptLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    promptLabel_->setGeometry(60, 12, kWidth - 72, 56);

    wordLabel_ = new QLabel(tr("Word:"), this);
    wordLabel_->setObjectName(QStringLiteral("Label2"));
    wordLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    wordLabel_->setGeometry(14, 76, 40, 22);

    wordBox_ = new QLineEdit(this);
    wordBox_->setObjectName(QStringLiteral("find"));
    wordBox_->setGeometry(60, 76, kWidth - 72, 22);
    // A field can be longer than a line box's usual limit; a word cut short would be found
    // where the whole word is not.
    wordBox_->setMaxLength(std::numeric_limits<int>::max());

    okayButton_ = new QPushButton(tr("Okay"), this);
    okayButton_->setObjectName(QStringLiteral("okay"));
    okayButton_->setGeometry(kWidth - 12 - 2 * 84 - 8, kHeight - 12 - 26, 84, 26);
    okayButton_->setDefault(true);

    cancelButton_ = new QPushButton(tr("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("cancel"));
    cancelButton_->setGeometry(kWidth - 12 - 84, kHeight - 12 - 26, 84, 26);
    cancelButton_->setAutoDefault(false);

    connect(okayButton_, &QPushButton::clicked, this, &FindDialog::confirm);
    connect(cancelButton_, &QPushButton::clicked, this, &FindDialog::cancel);
    wordBox_->setFocus();
}

void FindDialog::load() {
    centreOnScreen(*this, platform_);
}

void FindDialog::confirm() {
    walk_.startWord(wordBox_->text());
    accept();
}

void FindDialog::cancel() {
    reject();
}

}  // namespace rodwick
