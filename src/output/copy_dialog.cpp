// SPDX-License-Identifier: GPL-3.0-or-later
#include "copy_dialog.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

#include "captions.h"
#include "page_printer_clipboard.h"
#include "record_text.h"
#include "text.h"
#include "widgets.h"

namespace rodwick {

CopyDialog::CopyDialog(RecordBook& book, platform::Platform& platform, QWidget* parent)
    : QDialog(parent), book_(book), platform_(platform) {
    makeFixedDialog(*this, "Form7", tr("Copy"), QSize(372, 228));

    whatLabel_ = new QLabel(tr("Copy what?"), this);
    whatLabel_->setObjectName(QStringLiteral("Label1"));
    whatLabel_->setGeometry(12, 8, 200, 20);

    recordText_ = new QPlainTextEdit(this);
    recordText_->setObjectName(QStringLiteral("cot"));
    recordText_->setGeometry(12, 30, 252, 186);
    recordText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab moves on to the buttons rather than into the text.
    recordText_->setTabChangesFocus(true);
    nameControlsByCaptions(*this);

    copyButton_ = new QPushButton(tr("Copy"), this);
    copyButton_->setObjectName(QStringLiteral("okay"));
    copyButton_->setGeometry(276, 30, 84, 26);
    cancelButton_ = new QPushButton(tr("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("cancel"));
    cancelButton_->setGeometry(276, 64, 84, 26);

    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("Image1"));
    picture_->setGeometry(298, 170, 40, 40);
    picture_->setPixmap(clipboardPicture(picture_->size()));

    chainTabOrder({recordText_, copyButton_, cancelButton_});
    connect(copyButton_, &QPushButton::clicked, this, [this] { confirm(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { cancel(); });

    load();
}

void CopyDialog::load() {
    centreOnScreen(*this, platform_);
    const RecordTable& table = book_.table();
    recordText_->setPlainText(fromFileText(clipboardText(table.slot(table.currentRecord()))));
    recordText_->selectAll();
    recordText_->setFocus();
}

QString CopyDialog::selectedText() const {
    // The text box keeps its lines apart by paragraph separators, whatever ended them.
    QString text = recordText_->textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return text;
}

void CopyDialog::confirm() {
    platform_.clearClipboard();
    platform_.setClipboardText(selectedText());
    accept();
}

void CopyDialog::cancel() {
    reject();
}

}  // namespace rodwick
