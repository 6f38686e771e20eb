// SPDX-License-Identifier: GPL-3.0-or-later
#include "species_picker.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

#include "box_text.h"
#include "captions.h"
#include "fixed_lists.h"
#include "text.h"
#include "widgets.h"

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

SpeciesPicker::SpeciesPicker(QPlainTextEdit& speciesBox, platform::Platform& platform,
                             QWidget* parent)
    : SpeciesPicker(nullptr, &speciesBox, platform, parent) {}

SpeciesPicker::SpeciesPicker(RecordBook& book, platform::Platform& platform, QWidget* parent)
    : SpeciesPicker(&book, nullptr, platform, parent) {}

SpeciesPicker::SpeciesPicker(RecordBook* book, QPlainTextEdit* speciesBox,
                             platform::Platform& platform, QWidget* parent)
    : QDialog(parent), book_(book), editorBox_(speciesBox), platform_(platform) {
    setObjectName(QStringLiteral("form10"));
    setWindowTitle(tr("Fish Selection"));
    makeFixedDialog(*this, QSize(kWidth, kHeight));
    buildControls();
    nameByCaption(*speciesList_, windowTitle());
    nameByCaption(*selection_, tr("Species Caught:"));
}

void SpeciesPicker::buildControls() {
    speciesList_ = new QListWidget(this);
    speciesList_->setObjectName(QStringLiteral("fish"));
    speciesList_->setGeometry(kMargin, kMargin, kInner, kListHeight);

    selection_ = new QPlainTextEdit(this);
    selection_->setObjectName(QStringLiteral("fishsel"));
    selection_->setGeometry(kMargin, kSelectionTop, kInner, kSelectionHeight);
    selection_->setTabChangesFocus(true);

    okayButton_ = new QPushButton(tr("Okay"), this);
    okayButton_->setObjectName(QStringLiteral("okay"));
    okayButton_->setGeometry(kMargin, kButtonTop, kButtonWidth, kButtonHeight);

    cancelButton_ = new QPushButton(tr("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("cancel"));
    cancelButton_->setGeometry(kWidth - kMargin - kButtonWidth, kButtonTop, kButtonWidth,
                               kButtonHeight);

    chainTabOrder({speciesList_, selection_, okayButton_, cancelButton_});

    connect(speciesList_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { appendSpecies(*item); });
    connect(okayButton_, &QPushButton::clicked, this, [this] { confirm(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { cancel(); });
}

void SpeciesPicker::load() {
    centreOnScreen(*this, platform_);
    if (book_ != nullptr) {
        const RecordTable& table = book_->table();
        selection_->setPlainText(fromFileText(table.slot(table.currentRecord())[Field::Species]));
    } else {
        selection_->setPlainText(multiLineText(*editorBox_));
    }
    speciesList_->addItems(sortedWithoutCase(speciesList()));
    speciesList_->setFocus();
}

void SpeciesPicker::appendSpecies(const QListWidgetItem& item) {
    selection_->setPlainText(multiLineText(*selection_) + item.text() + QStringLiteral(", "));
    selection_->moveCursor(QTextCursor::End);
}

void SpeciesPicker::confirm() {
    const QString selection = multiLineText(*selection_);
    if (book_ != nullptr) {
        (void)book_->setField(Field::Species, toFileText(lineBreaksToBlanks(selection)),
                              RecordBook::StepName::Species);
    } else {
        editorBox_->setPlainText(selection);
    }
    accept();
}

void SpeciesPicker::cancel() {
    reject();
}

void pickSpeciesForEditor(QPlainTextEdit& speciesBox, platform::Platform& platform,
                          QWidget* parent) {
    SpeciesPicker picker(speciesBox, platform, parent);
    picker.load();
    platform.showModal(picker);
}

void pickSpeciesForCurrentRecord(RecordBook& book, platform::Platform& platform, QWidget* parent) {
    if (book.currentRecord() < 1) return;
    SpeciesPicker picker(book, platform, parent);
    picker.load();
    platform.showModal(picker);
}

}  // namespace rodwick
