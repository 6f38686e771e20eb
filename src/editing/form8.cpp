#include "form8.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

#include "box_text.h"
#include "list_box.h"
#include "main_view.h"
#include "suggestions.h"
#include "text.h"

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

Form8::Form8(RecordBook& book, platform::Platform& platform, MainView& view, int quickEditField,
             QWidget* parent)
    : QDialog(parent),
      book_(book),
      platform_(platform),
      view_(view),
      row_([quickEditField]() -> const QuickEditRow* {
          const QuickEditRow* row = QuickEditRowOf(quickEditField);
          return row != nullptr && OpensForm8(row->editor) ? row : nullptr;
      }()) {
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Quickedit"));
    MakeFixedDialog(*this, QSize(kWidth, kHeight));
    buildControls();
}

void Form8::buildControls() {
    auto* Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(kMargin, kMargin, kImage, kImage);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(32, 32));

    mess_ = new QLabel(this);
    mess_->setObjectName(QStringLiteral("mess"));
    mess_->setTextFormat(Qt::PlainText);
    mess_->setWordWrap(true);
    mess_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    mess_->setGeometry(kLeft, kMargin, kWidth - kMargin - kLeft, kMessHeight);

    ots_ = new QComboBox(this);
    ots_->setObjectName(QStringLiteral("ots"));
    MakeTypedListBox(*ots_);
    ots_->setGeometry(kLeft, kEditorTop, kWidth - kMargin - kLeft, kBoxHeight);

    ind_ = new QLineEdit(this);
    ind_->setObjectName(QStringLiteral("ind"));
    ind_->setMaxLength(kNoLengthLimit);
    ind_->setGeometry(kLeft, kEditorTop, 110, kBoxHeight);

    // + above - left of the number, the degree mark right of it.
    const int stepTop = kEditorTop + kBoxHeight / 2 - kStepHeight;
    more_ = Control<QPushButton>(this, "more", QStringLiteral("+"),
                                 QRect(kLeft, stepTop, kStepWidth, kStepHeight));
    less_ = Control<QPushButton>(this, "less", QStringLiteral("-"),
                                 QRect(kLeft, stepTop + kStepHeight, kStepWidth, kStepHeight));
    hoco_ = new QLineEdit(this);
    hoco_->setObjectName(QStringLiteral("hoco"));
    hoco_->setMaxLength(kNoLengthLimit);
    hoco_->setGeometry(kLeft + kStepWidth + 6, kEditorTop, 90, kBoxHeight);
    LabCel_ = new QLabel(QStringLiteral("'c"), this);
    LabCel_->setObjectName(QStringLiteral("LabCel"));
    LabCel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    LabCel_->setGeometry(hoco_->geometry().right() + 5, kEditorTop, 24, kBoxHeight);

    enttext_ = new QPlainTextEdit(this);
    enttext_->setObjectName(QStringLiteral("enttext"));
    // Tab walks on to the buttons instead of going into the text.
    enttext_->setTabChangesFocus(true);
    enttext_->setGeometry(kMargin, kTextTop, kWidth - 2 * kMargin, kButtonTop - 10 - kTextTop);

    okay_ = Control<QPushButton>(this, "okay", QStringLiteral("Okay"),
                                 QRect(kMargin, kButtonTop, kButtonWidth, kButtonHeight));
    okay_->setDefault(true);
    putdate_ = Control<QPushButton>(
        this, "putdate", QStringLiteral("Today"),
        QRect((kWidth - kButtonWidth) / 2, kButtonTop, kButtonWidth, kButtonHeight));
    cancel_ = Control<QPushButton>(
        this, "cancel", QStringLiteral("Cancel"),
        QRect(kWidth - kMargin - kButtonWidth, kButtonTop, kButtonWidth, kButtonHeight));

    // Only the mode's editor is shown when the dialog loads; the list shows until then.
    for (QWidget* hidden :
         std::initializer_list<QWidget*>{ind_, putdate_, hoco_, more_, less_, LabCel_, enttext_}) {
        hidden->hide();
    }

    SetTabOrder({ots_, ind_, hoco_, more_, less_, enttext_, okay_, putdate_, cancel_});

    connect(okay_, &QPushButton::clicked, this, [this] { okay_Click(); });
    connect(cancel_, &QPushButton::clicked, this, [this] { cancel_Click(); });
    connect(putdate_, &QPushButton::clicked, this, [this] { putdate_Click(); });
    connect(more_, &QPushButton::clicked, this, [this] { more_Click(); });
    connect(less_, &QPushButton::clicked, this, [this] { less_Click(); });
    connect(hoco_, &QLineEdit::textChanged, this, [this] { hoco_Change(); });
}

NumberKind Form8::numberKind() const {
    return row_ != nullptr && row_->editor == QuickEditor::TemperatureBox ? NumberKind::Temperature
                                                                          : NumberKind::Price;
}

void Form8::Form_Load() {
    const PleaseWait wait(view_, platform_);
    CentreOnScreen(*this, platform_);
    const RecordTable& table = book_.table();
    if (row_ == nullptr || table.currentRecord() < 1) return;

    mess_->setText(QuickEditPrompt(*row_, book_.settings().units));
    const QString stored = FromFileText(table.slot(table.currentRecord())[row_->field]);
    QWidget* editor = ots_;
    switch (row_->editor) {
        case QuickEditor::FixedList:
            ots_->setEditText(stored);
            FillList(*ots_, row_->list());
            break;
        case QuickEditor::Suggestions:
            ots_->setEditText(stored);
            if (book_.settings().showVenuesOnEdit == 1) {
                FillList(*ots_, BuildSuggestionList(table, row_->field));
            }
            break;
        case QuickEditor::DateBox:
            ind_->setText(stored);
            putdate_->show();
            editor = ind_;
            break;
        case QuickEditor::TemperatureBox:
        case QuickEditor::PriceBox: {
            const NumberBoxStart start = SetUpNumberBox(numberKind(), stored);
            hoco_->setText(start.text);
            more_->setEnabled(start.stepsEnabled);
            less_->setEnabled(start.stepsEnabled);
            more_->show();
            less_->show();
            LabCel_->setVisible(row_->editor == QuickEditor::TemperatureBox);
            editor = hoco_;
            break;
        }
        case QuickEditor::TextBox:
            enttext_->setPlainText(stored);
            editor = enttext_;
            break;
        case QuickEditor::InputBox:
        case QuickEditor::SpeciesPicker:
            break;
    }
    if (editor != ots_) {
        ots_->hide();
        editor->show();
    }
    editor->setFocus();
}

QString Form8::editorText() const {
    if (row_ == nullptr) return ots_->currentText();
    switch (row_->editor) {
        case QuickEditor::DateBox:
            return ind_->text();
        case QuickEditor::TemperatureBox:
        case QuickEditor::PriceBox:
            return hoco_->text();
        case QuickEditor::TextBox:
            return MultiLineText(*enttext_);
        default:
            return ots_->currentText();
    }
}

void Form8::okay_Click() {
    if (row_ != nullptr && book_.currentRecord() >= 1) {
        (void)book_.setField(row_->field, ToFileText(LineBreaksToBlanks(editorText())));
    }
    accept();
}

void Form8::cancel_Click() {
    reject();
}

void Form8::putdate_Click() {
    ind_->setText(MonthDayYear(platform_.now().date()));
}

void Form8::more_Click() {
    if (const auto text = StepUp(numberKind(), hoco_->text())) hoco_->setText(*text);
}

void Form8::less_Click() {
    if (const auto text = StepDown(numberKind(), hoco_->text())) hoco_->setText(*text);
}

void Form8::hoco_Change() {
    const bool enabled = StepsEnabled(numberKind(), hoco_->text());
    more_->setEnabled(enabled);
    less_->setEnabled(enabled);
}

void QuickEditInDialog(RecordBook& book, platform::Platform& platform, MainView& view,
                       int quickEditField, QWidget* parent) {
    if (book.currentRecord() < 1) return;
    Form8 dialog(book, platform, view, quickEditField, parent);
    dialog.Form_Load();
    platform.showModal(dialog);
}

}  // namespace rodwick
