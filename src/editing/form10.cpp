#include "form10.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

#include "box_text.h"
#include "fixed_lists.h"
#include "main_view.h"
#include "text.h"

namespace rodwick {

namespace {

constexpr int kWidth = 260;
constexpr int kMargin = 10;
constexpr int kInner = kWidth - 2 * kMargin;
constexpr int kListHeight = 190;
constexpr int kSelectionTop = kMargin + kListHeight + 6;
constexpr int kSelectionHeight = 62;
constexpr int kButtonTop = kSelectionTop + kSelectionHeight + 10;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 26;
constexpr int kHeight = kButtonTop + kButtonHeight + kMargin;

}  // namespace

form10::form10(QPlainTextEdit& edspec, platform::Platform& platform, MainView& view,
               QWidget* parent)
    : form10(nullptr, &edspec, platform, view, parent) {}

form10::form10(RecordBook& book, platform::Platform& platform, MainView& view, QWidget* parent)
    : form10(&book, nullptr, platform, view, parent) {}

form10::form10(RecordBook* book, QPlainTextEdit* edspec, platform::Platform& platform,
               MainView& view, QWidget* parent)
    : QDialog(parent), book_(book), edspec_(edspec), platform_(platform), view_(view) {
    setObjectName(QStringLiteral("form10"));
    setWindowTitle(QStringLiteral("Fish Selection"));
    MakeFixedDialog(*this, QSize(kWidth, kHeight));
    buildControls();
}

void form10::buildControls() {
    fish_ = new QListWidget(this);
    fish_->setObjectName(QStringLiteral("fish"));
    fish_->setGeometry(kMargin, kMargin, kInner, kListHeight);

    fishsel_ = new QPlainTextEdit(this);
    fishsel_->setObjectName(QStringLiteral("fishsel"));
    fishsel_->setGeometry(kMargin, kSelectionTop, kInner, kSelectionHeight);
    fishsel_->setTabChangesFocus(true);

    okay_ = new QPushButton(QStringLiteral("Okay"), this);
    okay_->setObjectName(QStringLiteral("okay"));
    okay_->setGeometry(kMargin, kButtonTop, kButtonWidth, kButtonHeight);

    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("cancel"));
    cancel_->setGeometry(kWidth - kMargin - kButtonWidth, kButtonTop, kButtonWidth, kButtonHeight);

    SetTabOrder({fish_, fishsel_, okay_, cancel_});

    connect(fish_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { fish_DblClick(*item); });
    connect(okay_, &QPushButton::clicked, this, [this] { okay_Click(); });
    connect(cancel_, &QPushButton::clicked, this, [this] { cancel_Click(); });
}

void form10::Form_Load() {
    CentreOnScreen(*this, platform_);
    if (book_ != nullptr) {
        const RecordTable& table = book_->table();
        fishsel_->setPlainText(FromFileText(table.slot(table.currentRecord())[Field::species]));
    } else {
        fishsel_->setPlainText(MultiLineText(*edspec_));
    }
    fish_->addItems(SortedWithoutCase(SpeciesList()));
    fish_->setFocus();
}

void form10::fish_DblClick(const QListWidgetItem& item) {
    fishsel_->setPlainText(MultiLineText(*fishsel_) + item.text() + QStringLiteral(", "));
    fishsel_->moveCursor(QTextCursor::End);
}

void form10::okay_Click() {
    const QString selection = MultiLineText(*fishsel_);
    if (book_ != nullptr) {
        (void)book_->setField(Field::species, ToFileText(LineBreaksToBlanks(selection)));
    } else {
        edspec_->setPlainText(selection);
    }
    accept();
}

void form10::cancel_Click() {
    reject();
}

void PickSpeciesForEditor(QPlainTextEdit& edspec, platform::Platform& platform, MainView& view,
                          QWidget* parent) {
    form10 picker(edspec, platform, view, parent);
    picker.Form_Load();
    platform.showModal(picker);
}

void PickSpeciesForCurrentRecord(RecordBook& book, platform::Platform& platform, MainView& view,
                                 QWidget* parent) {
    if (book.currentRecord() < 1) return;
    form10 picker(book, platform, view, parent);
    picker.Form_Load();
    platform.showModal(picker);
}

}  // namespace rodwick
