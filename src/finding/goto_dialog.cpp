// SPDX-License-Identifier: GPL-3.0-or-later
#include "goto_dialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "binoculars_and_list.h"
#include "captions.h"
#include "goto_line.h"
#include "widgets.h"

namespace rodwick {

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 300;
constexpr int kButtonWidth = 84;
constexpr int kButtonHeight = 26;

}  // namespace

GotoDialog::GotoDialog(RecordBook& book, platform::Platform& platform, QWidget* parent)
    : QDialog(parent), book_(book), platform_(platform) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(tr("Goto"));
    makeFixedDialog(*this, QSize(kWidth, kHeight));
    buildControls();
    nameControlsByCaptions(*this);
    load();
}

void GotoDialog::buildControls() {
    constexpr int kListWidth = kWidth - 3 * 12 - kButtonWidth;
    constexpr int kButtonLeft = kWidth - 12 - kButtonWidth;

    recordsLabel_ = new QLabel(tr("Records:"), this);
    recordsLabel_->setObjectName(QStringLiteral("Label1"));
    recordsLabel_->setGeometry(12, 8, kListWidth, 18);

    recordList_ = new QListWidget(this);
    recordList_->setObjectName(QStringLiteral("recsel"));
    recordList_->setSelectionMode(QAbstractItemView::SingleSelection);
    recordList_->setSortingEnabled(false);
    recordList_->setGeometry(12, 28, kListWidth, kHeight - 28 - 12);

    goButton_ = new QPushButton(tr("Goto"), this);
    goButton_->setObjectName(QStringLiteral("butgo"));
    goButton_->setGeometry(kButtonLeft, 28, kButtonWidth, kButtonHeight);
    // Return anywhere in the dialog, the list included, presses Goto.
    goButton_->setDefault(true);

    cancelButton_ = new QPushButton(tr("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("butcan"));
    cancelButton_->setGeometry(kButtonLeft, 28 + kButtonHeight + 8, kButtonWidth, kButtonHeight);
    cancelButton_->setAutoDefault(false);

    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("Image1"));
    picture_->setGeometry(kButtonLeft + (kButtonWidth - 32) / 2, kHeight - 12 - 32, 32, 32);
    picture_->setPixmap(listPicture(32));

    connect(goButton_, &QPushButton::clicked, this, &GotoDialog::goToSelected);
    connect(cancelButton_, &QPushButton::clicked, this, &GotoDialog::cancel);
    connect(recordList_, &QListWidget::itemDoubleClicked, this, &GotoDialog::goToDoubleClicked);
    recordList_->setFocus();
}

void GotoDialog::load() {
    centreOnScreen(*this, platform_);
    recordList_->addItems(gotoLines(book_.table()));
    const int current = book_.table().currentRecord();
    if (current < 1 || current > recordList_->count()) return;
    recordList_->setCurrentRow(current - 1);
    recordList_->scrollToItem(recordList_->currentItem());
}

void GotoDialog::goToSelected() {
    const QList<QListWidgetItem*> selected = recordList_->selectedItems();
    if (selected.isEmpty()) {
        reject();
        return;
    }
    const int record = recordList_->row(selected.first()) + 1;
    book_.show(record);  // nothing beyond the last record
    accept();
}

void GotoDialog::cancel() {
    reject();
}

void GotoDialog::goToDoubleClicked() {
    goToSelected();
}

}  // namespace rodwick
