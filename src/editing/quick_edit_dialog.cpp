// SPDX-License-Identifier: GPL-3.0-or-later
#include "quick_edit_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

#include "box_text.h"
#include "captions.h"
#include "list_box.h"
#include "please_wait.h"
#include "suggestions.h"
#include "text.h"
#include "widgets.h"

namespace rodwick {

namespace {

// Pixel layout: the prompt across the top beside the picture, the editor's row below it, the
// buttons along the bottom; the multi-line box fills everything between prompt and buttons.
constexpr int kWidth = 340;
constexpr int kHeight = 176;
constexpr int kMargin = 10;
constexpr int kImage = 32;
constexpr int kLeft = kMargin + kImage + 10;
constexpr int kMessHeight = 32;
constexpr int kEditorTop = kMargin + kMessHeight + 12;
constexpr int kBoxHeight = 22;
constexpr int kStepWidth = 24;
constexpr int kStepHeight = 17;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 26;
constexpr int kButtonTop = kHeight - kMargin - kButtonHeight;
constexpr int kTextTop = kMargin + kMessHeight + 6;

}  // namespace

QuickEditDialog::QuickEditDialog(RecordBook& book, platform::Platform& platform, MainView& view,
                                 const QuickEditRow& row, QWidget* parent)
    : QDialog(parent),
      book_(book),
      platform_(platform),
      view_(view),
      row_(opensQuickEditDialog(row.editor) ? &row : nullptr) {
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(tr("Quickedit"));
    makeFixedDialog(*this, QSize(kWidth, kHeight));
    buildControls();
}

void QuickEditDialog::buildControls() {
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(kMargin, kMargin, kImage, kImage);
    picture->setAlignment(Qt::AlignCenter);
    picture->setPixmap(style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(32, 32));

    prompt_ = new QLabel(this);
    prompt_->setObjectName(QStringLiteral("mess"));
    prompt_->setTextFormat(Qt::PlainText);
    prompt_->setWordWrap(true);
    prompt_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    prompt_->setGeometry(kLeft, kMargin, kWidth - kMargin - kLeft, kMessHeight);

    listBox_ = new QComboBox(this);
    listBox_->setObjectName(QStringLiteral("ots"));
    makeTypedListBox(*listBox_);
    listBox_->setGeometry(kLeft, kEditorTop, kWidth - kMargin - kLeft, kBoxHeight);

    dateBox_ = new QLineEdit(this);
    dateBox_->setObjectName(QStringLiteral("ind"));
    dateBox_->setMaxLength(kNoLengthLimit);
    dateBox_->setGeometry(kLeft, kEditorTop, 110, kBoxHeight);

    // + above - left of the number, the degree mark right of it.
    const int stepTop = kEditorTop + kBoxHeight / 2 - kStepHeight;
    upButton_ = control<QPushButton>(this, "more", QStringLiteral("+"),
                                     QRect(kLeft, stepTop, kStepWidth, kStepHeight));
    downButton_ =
        control<QPushButton>(this, "less", QStringLiteral("-"),
                             QRect(kLeft, stepTop + kStepHeight, kStepWidth, kStepHeight));
    numberBox_ = new QLineEdit(this);
    numberBox_->setObjectName(QStringLiteral("hoco"));
    numberBox_->setMaxLength(kNoLengthLimit);
    numberBox_->setGeometry(kLeft + kStepWidth + 6, kEditorTop, 90, kBoxHeight);
    degreeLabel_ = new QLabel(QStringLiteral("'c"), this);
    degreeLabel_->setObjectName(QStringLiteral("LabCel"));
    degreeLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    degreeLabel_->setGeometry(numberBox_->geometry().right() + 5, kEditorTop, 24, kBoxHeight);

    textBox_ = new QPlainTextEdit(this);
    textBox_->setObjectName(QStringLiteral("enttext"));
    // Tab walks on to the buttons instead of going into the text.
    textBox_->setTabChangesFocus(true);
    textBox_->setGeometry(kMargin, kTextTop, kWidth - 2 * kMargin, kButtonTop - 10 - kTextTop);

    okayButton_ = control<QPushButton>(this, "okay", tr("Okay"),
                                       QRect(kMargin, kButtonTop, kButtonWidth, kButtonHeight));
    okayButton_->setDefault(true);
    todayButton_ = control<QPushButton>(
        this, "putdate", tr("Today"),
        QRect((kWidth - kButtonWidth) / 2, kButtonTop, kButtonWidth, kButtonHeight));
    cancelButton_ = control<QPushButton>(
        this, "cancel", tr("Cancel"),
        QRect(kWidth - kMargin - kButtonWidth, kButtonTop, kButtonWidth, kButtonHeight));

    // Only the mode's editor is shown when the dialog loads; the list shows until then.
    for (QWidget* hidden : std::initializer_list<QWidget*>{
             dateBox_, todayButton_, numberBox_, upButton_, downButton_, degreeLabel_, textBox_}) {
        hidden->hide();
    }

    chainTabOrder({listBox_, dateBox_, numberBox_, upButton_, downButton_, textBox_, okayButton_,
                   todayButton_, cancelButton_});

    connect(okayButton_, &QPushButton::clicked, this, [this] { confirm(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { cancel(); });
    connect(todayButton_, &QPushButton::clicked, this, [this] { putToday(); });
    connect(upButton_, &QPushButton::clicked, this, [this] { stepUp(); });
    connect(downButton_, &QPushButton::clicked, this, [this] { stepDown(); });
    connect(numberBox_, &QLineEdit::textChanged, this, [this] { updateSteps(); });
}

NumberKind QuickEditDialog::numberKind() const {
    return row_ != nullptr && row_->editor == QuickEditor::TemperatureBox ? NumberKind::Temperature
                                                                          : NumberKind::Price;
}

void QuickEditDialog::load() {
    const PleaseWait wait(view_, platform_);
    centreOnScreen(*this, platform_);
    const RecordTable& table = book_.table();
    if (row_ == nullptr || table.currentRecord() < 1) return;

    prompt_->setText(quickEditPrompt(*row_, book_.settings().units));
    nameControlsByCaptions(*this);
    const QString stored = fromFileText(table.slot(table.currentRecord())[row_->field]);
    QWidget* editor = listBox_;
    switch (row_->editor) {
        case QuickEditor::FixedList:
            listBox_->setEditText(stored);
            fillList(*listBox_, row_->list());
            break;
        case QuickEditor::Suggestions:
            listBox_->setEditText(stored);
            if (book_.settings().showVenuesOnEdit) {
                fillList(*listBox_, buildSuggestionList(table, row_->field));
            }
            break;
        case QuickEditor::DateBox:
            dateBox_->setText(stored);
            todayButton_->show();
            editor = dateBox_;
            break;
        case QuickEditor::TemperatureBox:
        case QuickEditor::PriceBox: {
            const NumberBoxStart start = setUpNumberBox(numberKind(), stored);
            numberBox_->setText(start.text);
            upButton_->setEnabled(start.stepsEnabled);
            downButton_->setEnabled(start.stepsEnabled);
            upButton_->show();
            downButton_->show();
            degreeLabel_->setVisible(row_->editor == QuickEditor::TemperatureBox);
            editor = numberBox_;
            break;
        }
        case QuickEditor::TextBox:
            textBox_->setPlainText(stored);
            editor = textBox_;
            break;
        case QuickEditor::InputBox:
        case QuickEditor::SpeciesPicker:
            break;
    }
    if (editor != listBox_) {
        listBox_->hide();
        editor->show();
    }
    editor->setFocus();
}

QString QuickEditDialog::editorText() const {
    if (row_ == nullptr) return listBox_->currentText();
    switch (row_->editor) {
        case QuickEditor::DateBox:
            return dateBox_->text();
        case QuickEditor::TemperatureBox:
        case QuickEditor::PriceBox:
            return numberBox_->text();
        case QuickEditor::TextBox:
            return multiLineText(*textBox_);
        default:
            return listBox_->currentText();
    }
}

void QuickEditDialog::confirm() {
    if (row_ != nullptr && book_.currentRecord() >= 1) {
        (void)book_.setField(row_->field, toFileText(lineBreaksToBlanks(editorText())));
    }
    accept();
}

void QuickEditDialog::cancel() {
    reject();
}

void QuickEditDialog::putToday() {
    dateBox_->setText(monthDayYear(platform_.now().date()));
}

void QuickEditDialog::stepUp() {
    if (const auto text = steppedUp(numberKind(), numberBox_->text())) numberBox_->setText(*text);
}

void QuickEditDialog::stepDown() {
    if (const auto text = steppedDown(numberKind(), numberBox_->text())) numberBox_->setText(*text);
}

void QuickEditDialog::updateSteps() {
    const bool enabled = stepsEnabled(numberKind(), numberBox_->text());
    upButton_->setEnabled(enabled);
    downButton_->setEnabled(enabled);
}

void quickEditInDialog(RecordBook& book, platform::Platform& platform, MainView& view,
                       const QuickEditRow& row, QWidget* parent) {
    if (book.currentRecord() < 1) return;
    QuickEditDialog dialog(book, platform, view, row, parent);
    dialog.load();
    platform.showModal(dialog);
}

}  // namespace rodwick
