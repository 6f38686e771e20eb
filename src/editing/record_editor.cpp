// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_editor.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <vector>

#include "box_text.h"
#include "captions.h"
#include "field_texts.h"
#include "fields.h"
#include "fixed_lists.h"
#include "list_box.h"
#include "number_fields.h"
#include "please_wait.h"
#include "species_picker.h"
#include "suggestions.h"
#include "text.h"
#include "widgets.h"

namespace rodwick {

namespace {

enum class Kind { Combo, SortedCombo, Line, MultiLine };

// Pixel layout: two columns of caption, box and extras.
constexpr int kMargin = 10;
constexpr int kRow = 27;
constexpr int row(int n) {
    return kMargin + n * kRow;
}
constexpr int kBoxHeight = 22;
constexpr int kMultiHeight = 76;
constexpr int kLeftCaption = 8;
constexpr int kLeftBox = 112;
constexpr int kRightCaption = 376;
constexpr int kRightBox = 460;
constexpr int kCaptionGap = 4;
constexpr int kWide = 200;
constexpr int kShort = 48;
constexpr int kSmallButton = 24;
constexpr int kWidth = kRightBox + kWide + kMargin;
constexpr int kHeight = row(11) + kMultiHeight + kMargin;

struct Box {
    const char* name;
    Kind kind;
    const char* caption;  // the caption label; null for the minor part of a weight or depth
    int left;
    int top;
    int width;
    int height;
};

// In field order, which is also the tab order. The captions' texts are the fields' own.
constexpr std::array<Box, kFieldCount> kBoxes{{
    {"edven", Kind::Combo, "Label1", kLeftBox, row(0), kWide, kBoxHeight},
    {"edtype", Kind::Combo, "Label2", kLeftBox, row(1), kWide, kBoxHeight},
    {"edday", Kind::Line, "Label3", kLeftBox, row(2), 80, kBoxHeight},
    {"edclub", Kind::Combo, "Label4", kLeftBox, row(3), kWide, kBoxHeight},
    {"edwa", Kind::Line, "Label5", kLeftBox, row(4), kShort, kBoxHeight},
    {"edwb", Kind::Line, nullptr, kLeftBox + 84, row(4), kShort, kBoxHeight},
    {"edwater", Kind::Combo, "Label8", kLeftBox, row(5), kWide, kBoxHeight},
    {"edweather", Kind::Combo, "Label9", kLeftBox, row(6), kWide, kBoxHeight},
    {"edtemp", Kind::Line, "Label10", kLeftBox, row(7), kShort, kBoxHeight},
    {"edmeth", Kind::Line, "Label12", kLeftBox, row(8), kWide, kBoxHeight},
    {"edda", Kind::Line, "Label13", kLeftBox, row(9), kShort, kBoxHeight},
    {"eddb", Kind::Line, nullptr, kLeftBox + 84, row(9), kShort, kBoxHeight},
    {"edbait", Kind::SortedCombo, "Label16", kLeftBox, row(10), kWide, kBoxHeight},
    {"edspec", Kind::MultiLine, "Label17", kLeftBox, row(11), kWide, kMultiHeight},
    {"edname", Kind::SortedCombo, "Label18", kRightBox, row(0), kWide, kBoxHeight},
    {"edbesta", Kind::Line, "Label19", kRightBox, row(1), kShort, kBoxHeight},
    {"edbestb", Kind::Line, nullptr, kRightBox + 84, row(1), kShort, kBoxHeight},
    {"edrest", Kind::MultiLine, "Label22", kRightBox, row(2), kWide, kMultiHeight},
    {"edinfo", Kind::MultiLine, "Label23", kRightBox, row(2) + kMultiHeight + 8, kWide,
     kMultiHeight},
    {"eddat", Kind::Line, "Label24", kRightBox, row(8) + 8, 90, kBoxHeight},
    {"edtime1", Kind::Line, "Label25", kRightBox, row(9) + 8, 90, kBoxHeight},
    {"edtime2", Kind::Line, "Label26", kRightBox, row(10) + 8, 90, kBoxHeight},
}};

constexpr bool captionedAsTheFields() {
    for (std::size_t i = 0; i < kBoxes.size(); ++i) {
        if ((kBoxes[i].caption != nullptr) == kFields[i].editorCaption.empty()) return false;
    }
    return true;
}
static_assert(captionedAsTheFields(), "a caption label for every field with an editor caption");

struct UnitLabel {
    const char* name;
    Field after;  // the box it stands right of
};
// In the order of unitLabels_.
constexpr std::array<UnitLabel, 6> kUnitLabels{{
    {"Label6", Field::TotalWeightMajor},
    {"Label7", Field::TotalWeightMinor},
    {"Label14", Field::DepthMajor},
    {"Label15", Field::DepthMinor},
    {"Label20", Field::BestFishWeightMajor},
    {"Label21", Field::BestFishWeightMinor},
}};

const Box& boxOf(Field field) {
    return kBoxes[static_cast<std::size_t>(field)];
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& rect,
                  Qt::Alignment alignment) {
    QLabel* label = plainLabel(parent, name, text);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setGeometry(rect);
    return label;
}

// Right of a box, with the gap the layout keeps between neighbours.
QRect rightOf(const Box& box, int width, int gap = kCaptionGap) {
    return QRect(box.left + box.width + gap, box.top, width, kBoxHeight);
}

}  // namespace

RecordEditor::RecordEditor(RecordBook& book, platform::Platform& platform, MainView& view,
                           EditorMode mode, QWidget* parent)
    : QDialog(parent), book_(book), platform_(platform), view_(view), mode_(mode) {
    setObjectName(QStringLiteral("Form2"));
    makeFixedDialog(*this, QSize(kWidth, kHeight));
    buildControls();
    nameControlsByCaptions(*this);
}

void RecordEditor::buildControls() {
    for (std::size_t i = 0; i < kBoxes.size(); ++i) {
        const Box& place = kBoxes[i];
        const QRect rect(place.left, place.top, place.width, place.height);
        QWidget* box = nullptr;
        switch (place.kind) {
            case Kind::Combo:
            case Kind::SortedCombo: {
                auto* combo = new QComboBox(this);
                makeTypedListBox(*combo);
                box = combo;
                break;
            }
            case Kind::Line: {
                auto* line = new QLineEdit(this);
                line->setMaxLength(kNoLengthLimit);
                box = line;
                break;
            }
            case Kind::MultiLine: {
                auto* multi = new QPlainTextEdit(this);
                // Tab walks on to the next box instead of going into the text.
                multi->setTabChangesFocus(true);
                box = multi;
                break;
            }
        }
        box->setObjectName(QString::fromLatin1(place.name));
        box->setGeometry(rect);
        boxes_[i] = box;

        if (place.caption != nullptr) {
            const int captionLeft = place.left == kLeftBox ? kLeftCaption : kRightCaption;
            makeLabel(
                this, place.caption, fieldEditorCaption(kFields[i].field),
                QRect(captionLeft, place.top, place.left - kCaptionGap - captionLeft, kBoxHeight),
                Qt::AlignRight);
        }
    }

    auto combo = [this](Field f) { return static_cast<QComboBox*>(boxes_[static_cast<int>(f)]); };
    auto line = [this](Field f) { return static_cast<QLineEdit*>(boxes_[static_cast<int>(f)]); };
    venueBox_ = combo(Field::Venue);
    waterTypeBox_ = combo(Field::WaterType);
    priceBox_ = line(Field::TicketPrice);
    clubBox_ = combo(Field::Club);
    waterConditionBox_ = combo(Field::WaterCondition);
    weatherBox_ = combo(Field::Weather);
    temperatureBox_ = line(Field::Temperature);
    baitBox_ = combo(Field::Bait);
    speciesBox_ = static_cast<QPlainTextEdit*>(boxes_[static_cast<int>(Field::Species)]);
    bestFishBox_ = combo(Field::BestFish);
    dateBox_ = line(Field::Date);

    // The starting texts of an add; an edit replaces them.
    waterTypeBox_->setEditText(QStringLiteral("River"));
    waterConditionBox_->setEditText(QStringLiteral("Satisfactory"));
    weatherBox_->setEditText(QStringLiteral("Sunny"));

    for (std::size_t i = 0; i < kUnitLabels.size(); ++i) {
        unitLabels_[i] = makeLabel(this, kUnitLabels[i].name, QString(),
                                   rightOf(boxOf(kUnitLabels[i].after), 32), Qt::AlignLeft);
    }
    const Box& temp = boxOf(Field::Temperature);
    makeLabel(this, "Label11", QStringLiteral("'C"), rightOf(temp, 28), Qt::AlignLeft);

    const QRect lessRect(temp.left + temp.width + 36, temp.top, kSmallButton, kBoxHeight);
    const QRect clessRect = rightOf(boxOf(Field::TicketPrice), kSmallButton);
    const Box& species = boxOf(Field::Species);
    const QRect selectRect(species.left + species.width + kCaptionGap, species.top, 52, 24);

    // The buttons in their tab order.
    const Box& frameAbove = boxOf(Field::FinishTime);
    auto* buttonFrame = new QFrame(this);
    buttonFrame->setObjectName(QStringLiteral("Frame1"));
    buttonFrame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    buttonFrame->setGeometry(kRightBox, frameAbove.top + kBoxHeight + 10, kWide, 50);
    cancelButton_ =
        control<QPushButton>(buttonFrame, "cancel", tr("Cancel"), QRect(10, 12, 85, 26));
    okayButton_ = control<QPushButton>(buttonFrame, "okay", tr("Okay"), QRect(105, 12, 85, 26));
    okayButton_->setDefault(true);
    todayButton_ = control<QPushButton>(
        this, "today", tr("Today"),
        QRect(dateBox_->geometry().right() + 1 + kCaptionGap, dateBox_->y(), 52, 24));
    temperatureDown_ = control<QPushButton>(this, "less", QStringLiteral("-"), lessRect);
    temperatureUp_ = control<QPushButton>(this, "more", QStringLiteral(" +"),
                                          lessRect.translated(kSmallButton + 2, 0));
    priceDown_ = control<QPushButton>(this, "cless", QStringLiteral("-"), clessRect);
    priceUp_ = control<QPushButton>(this, "cmore", QStringLiteral("+"),
                                    clessRect.translated(kSmallButton + 2, 0));
    speciesButton_ = control<QPushButton>(this, "select", tr("Select"), selectRect);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(kWidth - kMargin - 40, boxOf(Field::StartTime).top, 40, 40);
    picture->setAlignment(Qt::AlignCenter);
    picture->setPixmap(style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(32, 32));

    std::vector<QWidget*> order(boxes_.begin(), boxes_.end());
    order.insert(order.end(), {cancelButton_, okayButton_, todayButton_, temperatureDown_,
                               temperatureUp_, priceDown_, priceUp_, speciesButton_});
    chainTabOrder(order);

    connect(okayButton_, &QPushButton::clicked, this, [this] { confirm(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { cancel(); });
    connect(todayButton_, &QPushButton::clicked, this, [this] { putToday(); });
    connect(speciesButton_, &QPushButton::clicked, this, [this] { pickSpecies(); });
    connect(priceUp_, &QPushButton::clicked, this, [this] { raisePrice(); });
    connect(priceDown_, &QPushButton::clicked, this, [this] { lowerPrice(); });
    connect(temperatureUp_, &QPushButton::clicked, this, [this] { raiseTemperature(); });
    connect(temperatureDown_, &QPushButton::clicked, this, [this] { lowerTemperature(); });
    connect(priceBox_, &QLineEdit::textChanged, this, [this] { updatePriceSteps(); });
    connect(temperatureBox_, &QLineEdit::textChanged, this, [this] { updateTemperatureSteps(); });
}

QString RecordEditor::boxText(Field field) const {
    QWidget* box = boxes_[static_cast<std::size_t>(field)];
    switch (boxOf(field).kind) {
        case Kind::Combo:
        case Kind::SortedCombo:
            return static_cast<QComboBox*>(box)->currentText();
        case Kind::Line:
            return static_cast<QLineEdit*>(box)->text();
        case Kind::MultiLine:
            return multiLineText(*static_cast<QPlainTextEdit*>(box));
    }
    return {};
}

void RecordEditor::setBoxText(Field field, const QString& text) {
    QWidget* box = boxes_[static_cast<std::size_t>(field)];
    switch (boxOf(field).kind) {
        case Kind::Combo:
        case Kind::SortedCombo:
            static_cast<QComboBox*>(box)->setEditText(text);
            break;
        case Kind::Line:
            static_cast<QLineEdit*>(box)->setText(text);
            break;
        case Kind::MultiLine:
            static_cast<QPlainTextEdit*>(box)->setPlainText(text);
            break;
    }
}

TripRecord RecordEditor::boxesAsRecord() const {
    TripRecord record;
    for (int f = 0; f < kFieldCount; ++f) {
        record.fields[static_cast<std::size_t>(f)] =
            toFileText(lineBreaksToBlanks(boxText(static_cast<Field>(f))));
    }
    return record;
}

void RecordEditor::load() {
    const PleaseWait wait(view_, platform_);
    centreOnScreen(*this, platform_);

    const UnitNames& units = book_.settings().units;
    for (std::size_t i = 0; i < unitLabels_.size(); ++i) {
        const Field field = kUnitLabels[i].after;
        unitLabels_[i]->setText(fromFileText(unitName(fieldInfoOf(field).unit, units)));
        // The two boxes of a weight or depth share one caption; a screen reader tells them
        // apart by their units, which are known only now. A minor part follows its major.
        const Field major = i % 2 == 0 ? field : static_cast<Field>(static_cast<int>(field) - 1);
        nameByCaption(*boxes_[static_cast<std::size_t>(field)],
                      fieldEditorCaption(major) + QLatin1Char(' ') + unitLabels_[i]->text());
    }

    const RecordTable& table = book_.table();
    if (mode_ == EditorMode::Edit) {
        setWindowTitle(tr("Editing Record %1").arg(table.currentRecord()));
        const TripRecord& record = table.slot(table.currentRecord());
        for (int f = 0; f < kFieldCount; ++f) {
            setBoxText(static_cast<Field>(f), fromFileText(record.fields[static_cast<size_t>(f)]));
        }
    } else {
        setWindowTitle(tr("Adding A Record"));
        temperatureBox_->setText(QStringLiteral("0"));
        priceBox_->setText(QStringLiteral("0"));
    }
    // Also for a text that did not change, such as an empty stored price.
    updatePriceSteps();
    updateTemperatureSteps();

    fillList(*waterTypeBox_, waterTypeList());
    fillList(*waterConditionBox_, waterConditionList());
    fillList(*weatherBox_, weatherList());
    fillList(*bestFishBox_, sortedWithoutCase(speciesList()));
    fillList(*baitBox_, sortedWithoutCase(baitList()));
    if (book_.settings().showVenuesOnEdit) {
        fillList(*venueBox_, buildSuggestionList(table, Field::Venue));
        fillList(*clubBox_, buildSuggestionList(table, Field::Club));
    }
    venueBox_->setFocus();
}

void RecordEditor::fill(const FieldTexts& texts) {
    for (const auto& [field, text] : texts) setBoxText(field, fromFileText(text));
}

std::ostream& operator<<(std::ostream& out, EditorMode mode) {
    switch (mode) {
        case EditorMode::Add:
            return out << "EditorMode::Add";
        case EditorMode::Edit:
            return out << "EditorMode::Edit";
    }
    return out << "EditorMode(" << static_cast<int>(mode) << ")";
}

void tellRecordLimit(platform::Platform& platform) {
    platform.showMessage(
        {QCoreApplication::translate(
             "rodwick::RecordEditor",
             "Sorry, but only 250 records are allowed in one file. Please open another file!"),
         QCoreApplication::translate("rodwick::RecordEditor", "Too Many Records!!"),
         platform::Buttons::Ok, platform::Icon::None});
}

void RecordEditor::confirm() {
    const RecordTable& table = book_.table();
    // The table as it is now: an add editor is modeless, and records may have been deleted or
    // another file loaded since it opened.
    if (mode_ != EditorMode::Edit && table.recordCount() >= RecordTable::kMaxRecords) {
        tellRecordLimit(platform_);
        return;
    }
    if (mode_ == EditorMode::Edit) {
        const platform::Message question{tr("Really change the current record?"), tr("Edit"),
                                         platform::Buttons::YesNo, platform::Icon::Exclamation,
                                         platform::DefaultButton::Second};
        if (platform_.showMessage(question) != platform::Answer::Yes) return;
    }

    TripRecord record = boxesAsRecord();
    // Neither can fail here: an add is below the limit, as checked above, and the edit editor
    // is modal, so its record is still there. An empty table shows a first record as record 1.
    if (mode_ != EditorMode::Edit) {
        if (book_.appendRecords({std::move(record)}).ok()) emit added(table.recordCount());
    } else {
        (void)book_.replaceRecord(table.currentRecord(), std::move(record));
    }
    accept();
}

void RecordEditor::cancel() {
    reject();
}

void RecordEditor::putToday() {
    dateBox_->setText(monthDayYear(platform_.now().date()));
}

void RecordEditor::pickSpecies() {
    pickSpeciesForEditor(*speciesBox_, platform_, this);
}

void RecordEditor::raisePrice() {
    if (const auto text = steppedUp(NumberKind::Price, priceBox_->text()))
        priceBox_->setText(*text);
}

void RecordEditor::lowerPrice() {
    if (const auto text = steppedDown(NumberKind::Price, priceBox_->text()))
        priceBox_->setText(*text);
}

void RecordEditor::raiseTemperature() {
    if (const auto text = steppedUp(NumberKind::Temperature, temperatureBox_->text()))
        temperatureBox_->setText(*text);
}

void RecordEditor::lowerTemperature() {
    if (const auto text = steppedDown(NumberKind::Temperature, temperatureBox_->text())) {
        temperatureBox_->setText(*text);
    }
}

void RecordEditor::updatePriceSteps() {
    const bool enabled = stepsEnabled(NumberKind::Price, priceBox_->text());
    priceUp_->setEnabled(enabled);
    priceDown_->setEnabled(enabled);
}

void RecordEditor::updateTemperatureSteps() {
    const bool enabled = stepsEnabled(NumberKind::Temperature, temperatureBox_->text());
    temperatureUp_->setEnabled(enabled);
    temperatureDown_->setEnabled(enabled);
}

}  // namespace rodwick
