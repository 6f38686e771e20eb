#include "form6.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "goto_line.h"
#include "look.h"

namespace rodwick {

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 300;
constexpr int kButtonWidth = 84;
constexpr int kButtonHeight = 26;

}  // namespace

Form6::Form6(RecordBook& book, platform::Platform& platform, MainView& view, QWidget* parent)
    : QDialog(parent), book_(book), platform_(platform), view_(view) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Goto"));
    MakeFixedDialog(*this, QSize(kWidth, kHeight));
    buildControls();
    Form_Load();
}

void Form6::buildControls() {
    constexpr int listWidth = kWidth - 3 * 12 - kButtonWidth;
    constexpr int buttonLeft = kWidth - 12 - kButtonWidth;

    Label1_ = new QLabel(QStringLiteral("Records:"), this);
    Label1_->setObjectName(QStringLiteral("Label1"));
    Label1_->setGeometry(12, 8, listWidth, 18);

    recsel_ = new QListWidget(this);
    recsel_->setObjectName(QStringLiteral("recsel"));
    recsel_->setSelectionMode(QAbstractItemView::SingleSelection);
    recsel_->setSortingEnabled(false);
    recsel_->setGeometry(12, 28, listWidth, kHeight - 28 - 12);

    butgo_ = new QPushButton(QStringLiteral("Goto"), this);
    butgo_->setObjectName(QStringLiteral("butgo"));
    butgo_->setGeometry(buttonLeft, 28, kButtonWidth, kButtonHeight);
    // Return anywhere in the dialog, the list included, presses Goto.
    butgo_->setDefault(true);

    butcan_ = new QPushButton(QStringLiteral("Cancel"), this);
    butcan_->setObjectName(QStringLiteral("butcan"));
    butcan_->setGeometry(buttonLeft, 28 + kButtonHeight + 8, kButtonWidth, kButtonHeight);
    butcan_->setAutoDefault(false);

    Image1_ = new QLabel(this);
    Image1_->setObjectName(QStringLiteral("Image1"));
    Image1_->setGeometry(buttonLeft + (kButtonWidth - 32) / 2, kHeight - 12 - 32, 32, 32);
    Image1_->setPixmap(ListPicture(32));

    connect(butgo_, &QPushButton::clicked, this, &Form6::butgo_Click);
    connect(butcan_, &QPushButton::clicked, this, &Form6::butcan_Click);
    connect(recsel_, &QListWidget::itemDoubleClicked, this, &Form6::recsel_DblClick);
    recsel_->setFocus();
}

void Form6::Form_Load() {
    CentreOnScreen(*this, platform_);
    recsel_->addItems(GotoLines(book_.table()));
    const int current = book_.table().currentRecord();
    if (current < 1 || current > recsel_->count()) return;
    recsel_->setCurrentRow(current - 1);
    recsel_->scrollToItem(recsel_->currentItem());
}

void Form6::butgo_Click() {
    const QList<QListWidgetItem*> selected = recsel_->selectedItems();
    if (selected.isEmpty()) {
        reject();
        return;
    }
    const int record = recsel_->row(selected.first()) + 1;
    book_.show(record);  // nothing beyond the last record
    accept();
}

void Form6::butcan_Click() {
    reject();
}

void Form6::recsel_DblClick() {
    butgo_Click();
}

}  // namespace rodwick
