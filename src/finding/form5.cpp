#include "form5.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <limits>

#include "look.h"
#include "main_view.h"

namespace rodwick {

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 150;

}  // namespace

Form5::Form5(SearchWalk& walk, platform::Platform& platform, QWidget* parent)
    : QDialog(parent), walk_(walk), platform_(platform) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Search"));
    MakeFixedDialog(*this, QSize(kWidth, kHeight));
    buildControls();
    Form_Load();
}

void Form5::buildControls() {
    Image1_ = new QLabel(this);
    Image1_->setObjectName(QStringLiteral("Image1"));
    Image1_->setGeometry(14, 14, 32, 32);
    Image1_->setPixmap(BinocularsPicture(32));

    Label1_ = new QLabel(
        QStringLiteral("Please type in the word for me to search for. I will search all fields in "
                       "all records for the word you specify. Upper and lower case are no problem "
                       "for me!"),
        this);
    Label1_->setObjectName(QStringLiteral("Label1"));
    Label1_->setTextFormat(Qt::PlainText);
    Label1_->setWordWrap(true);
    Label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1_->setGeometry(60, 12, kWidth - 72, 56);

    Label2_ = new QLabel(QStringLiteral("Word:"), this);
    Label2_->setObjectName(QStringLiteral("Label2"));
    Label2_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label2_->setGeometry(14, 76, 40, 22);

    find_ = new QLineEdit(this);
    find_->setObjectName(QStringLiteral("find"));
    find_->setGeometry(60, 76, kWidth - 72, 22);
    // A field can be longer than a line box's usual limit; a word cut short would be found
    // where the whole word is not.
    find_->setMaxLength(std::numeric_limits<int>::max());

    okay_ = new QPushButton(QStringLiteral("Okay"), this);
    okay_->setObjectName(QStringLiteral("okay"));
    okay_->setGeometry(kWidth - 12 - 2 * 84 - 8, kHeight - 12 - 26, 84, 26);
    okay_->setDefault(true);

    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("cancel"));
    cancel_->setGeometry(kWidth - 12 - 84, kHeight - 12 - 26, 84, 26);
    cancel_->setAutoDefault(false);

    connect(okay_, &QPushButton::clicked, this, &Form5::okay_Click);
    connect(cancel_, &QPushButton::clicked, this, &Form5::cancel_Click);
    find_->setFocus();
}

void Form5::Form_Load() {
    CentreOnScreen(*this, platform_);
}

void Form5::okay_Click() {
    walk_.StartWord(find_->text());
    accept();
}

void Form5::cancel_Click() {
    reject();
}

}  // namespace rodwick
