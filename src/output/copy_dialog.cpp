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
    MakeFixedDialog(*this, "Form7", QStringLiteral("Copy"), QSize(372, 228));

    Label1_ = new QLabel(QStringLiteral("Copy what?"), this);
    Label1_->setObjectName(QStringLiteral("Label1"));
    Label1_->setGeometry(12, 8, 200, 20);

    recordText_ = new QPlainTextEdit(this);
    recordText_->setObjectName(QStringLiteral("cot"));
    recordText_->setGeometry(12, 30, 252, 186);
    recordText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab moves on to the buttons rather than into the text.
    recordText_->setTabChangesFocus(true);
    NameControlsByCaptions(*this);

    copyButton_ = new QPushButton(QStringLiteral("Copy"), this);
    copyButton_->setObjectName(QStringLiteral("okay"));
    copyButton_->setGeometry(276, 30, 84, 26);
    cancelButton_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("cancel"));
    cancelButton_->setGeometry(276, 64, 84, 26);

    Image1_ = new QLabel(this);
    Image1_->setObjectName(QStringLiteral("Image1"));
    Image1_->setGeometry(298, 170, 40, 40);
    Image1_->setPixmap(ClipboardPicture(Image1_->size()));

    SetTabOrder({recordText_, copyButton_, cancelButton_});
    connect(copyButton_, &QPushButton::clicked, this, [this] { confirm(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { cancel(); });

    load();
}

void CopyDialog::load() {
    CentreOnScreen(*this, platform_);
    const RecordTable& table = book_.table();
    recordText_->setPlainText(FromFileText(ClipboardText(table.slot(table.currentRecord()))));
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
