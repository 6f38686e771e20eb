#include "form7.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

#include "main_view.h"
#include "output_art.h"
#include "record_text.h"
#include "text.h"

namespace rodwick {

Form7::Form7(RecordBook& book, platform::Platform& platform, QWidget* parent)
    : QDialog(parent), book_(book), platform_(platform) {
    SetUpFixedDialog(*this, "Form7", QStringLiteral("Copy"), QSize(372, 228));

    Label1_ = new QLabel(QStringLiteral("Copy what?"), this);
    Label1_->setObjectName(QStringLiteral("Label1"));
    Label1_->setGeometry(12, 8, 200, 20);

    cot_ = new QPlainTextEdit(this);
    cot_->setObjectName(QStringLiteral("cot"));
    cot_->setGeometry(12, 30, 252, 186);
    cot_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab moves on to the buttons rather than into the text.
    cot_->setTabChangesFocus(true);

    okay_ = new QPushButton(QStringLiteral("Copy"), this);
    okay_->setObjectName(QStringLiteral("okay"));
    okay_->setGeometry(276, 30, 84, 26);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("cancel"));
    cancel_->setGeometry(276, 64, 84, 26);

    Image1_ = new QLabel(this);
    Image1_->setObjectName(QStringLiteral("Image1"));
    Image1_->setGeometry(298, 170, 40, 40);
    Image1_->setPixmap(ClipboardPicture(Image1_->size()));

    SetTabOrder({cot_, okay_, cancel_});
    connect(okay_, &QPushButton::clicked, this, [this] { okay_Click(); });
    connect(cancel_, &QPushButton::clicked, this, [this] { cancel_Click(); });

    Form_Load();
}

void Form7::Form_Load() {
    CentreOnScreen(*this, platform_);
    const RecordTable& table = book_.table();
    cot_->setPlainText(FromFileText(ClipboardText(table.slot(table.currentRecord()))));
    cot_->selectAll();
    cot_->setFocus();
}

QString Form7::SelectedText() const {
    // The text box keeps its lines apart by paragraph separators, whatever ended them.
    QString text = cot_->textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return text;
}

void Form7::okay_Click() {
    platform_.clearClipboard();
    platform_.setClipboardText(SelectedText());
    accept();
}

void Form7::cancel_Click() {
    reject();
}

}  // namespace rodwick
