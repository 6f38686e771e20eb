#include "record_editor.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <vector>

#include "box_text.h"
#include "captions.h"
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
constexpr int Row(int n) {
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
constexpr int kHeight = Row(11) + kMultiHeight + kMargin;

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
    {"edven", Kind::Combo, "Label1", kLeftBox, Row(0), kWide, kBoxHeight},
    {"edtype", Kind::Combo, "Label2", kLeftBox, Row(1), kWide, kBoxHeight},
    {"edday", Kind::Line, "Label3", kLeftBox, Row(2), 80, kBoxHeight},
    {"edclub", Kind::Combo, "Label4", kLeftBox, Row(3), kWide, kBoxHeight},
    {"edwa", Kind::Line, "Label5", kLeftBox, Row(4), kShort, kBoxHeight},
    {"edwb", Kind::Line, nullptr, kLeftBox + 84, Row(4), kShort, kBoxHeight},
    {"edwater", Kind::Combo, "Label8", kLeftBox, Row(5), kWide, kBoxHeight},
    {"edweather", Kind::Combo, "Label9", kLeftBox, Row(6), kWide, kBoxHeight},
    {"edtemp", Kind::Line, "Label10", kLeftBox, Row(7), kShort, kBoxHeight},
    {"edmeth", Kind::Line, "Label12", kLeftBox, Row(8), kWide, kBoxHeight},
    {"edda", Kind::Line, "Label13", kLeftBox, Row(9), kShort, kBoxHeight},
    {"eddb", Kind::Line, nullptr, kLeftBox + 84, Row(9), kShort, kBoxHeight},
    {"edbait", Kind::SortedCombo, "Label16", kLeftBox, Row(10), kWide, kBoxHeight},
    {"edspec", Kind::MultiLine, "Label17", kLeftBox, Row(11), kWide, kMultiHeight},
    {"edname", Kind::SortedCombo, "Label18", kRightBox, Row(0), kWide, kBoxHeight},
    {"edbesta", Kind::Line, "Label19", kRightBox, Row(1), kShort, kBoxHeight},
    {"edbestb", Kind::Line, nullptr, kRightBox + 84, Row(1), kShort, kBoxHeight},
    {"edrest", Kind::MultiLine, "Label22", kRightBox, Row(2), kWide, kMultiHeight},
    {"edinfo", Kind::MultiLine, "Label23", kRightBox, Row(2) + kMultiHeight + 8, kWide,
     kMultiHeight},
    {"eddat", Kind::Line, "Label24", kRightBox, Row(8) + 8, 90, kBoxHeight},
    {"edtime1", Kind::Line, "Label25", kRightBox, Row(9) + 8, 90, kBoxHeight},
    {"edtime2", Kind::Line, "Label26", kRightBox, Row(10) + 8, 90, kBoxHeight},
}};

constexpr bool CaptionedAsTheFields() {
    for (std::size_t i = 0; i < kBoxes.size(); ++i) {
        if ((kBoxes[i].caption != nullptr) == kFields[i].editorCaption.empty()) return false;
    }
    return true;
}
static_assert(CaptionedAsTheFields(), "a caption label for every field with an editor caption");

struct UnitLabel {
    const char* name;
    Field after;  // the box it stands right of
};
// In the order of unitLabels_.
constexpr std::array<UnitLabel, 6> kUnitLabels{{
    {"Label6", Field::totalWeightMajor},
    {"Label7", Field::totalWeightMinor},
    {"Label14", Field::depthMajor},
    {"Label15", Field::depthMinor},
    {"Label20", Field::bestFishWeightMajor},
    {"Label21", Field::bestFishWeightMinor},
}};

const Box& BoxOf(Field field) {
    return kBoxes[static_cast<std::size_t>(field)];
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& rect,
                  Qt::Alignment alignment) {
    QLabel* label = PlainLabel(parent, name, text);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setGeometry(rect);
    return label;
}

// Right of a box, with the gap the layout keeps between neighbours.
QRect RightOf(const Box& box, int width, int gap = kCaptionGap) {
    return QRect(box.left + box.width + gap, box.top, width, kBoxHeight);
}

}  // namespace

RecordEditor::RecordEditor(RecordBook& book, platform::Platform& platform, MainView& view,
                           EditorMode mode, QWidget* parent)
    : QDialog(parent), book_(book), platform_(platform), view_(view), mode_(mode) {
    setObjectName(QStringLiteral("Form2"));
    MakeFixedDialog(*this, QSize(kWidth, kHeight));
    buildControls();
    NameControlsByCaptions(*this);
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
                MakeTypedListBox(*combo);
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
            MakeLabel(
                this, place.caption, FromUtf8(kFields[i].editorCaption),
                QRect(captionLeft, place.top, place.left - kCaptionGap - captionLeft, kBoxHeight),
                Qt::AlignRight);
        }
    }

    auto combo = [this](Field f) { return static_cast<QComboBox*>(boxes_[static_cast<int>(f)]); };
    auto line = [this](Field f) { return static_cast<QLineEdit*>(boxes_[static_cast<int>(f)]); };
    venueBox_ = combo(Field::venue);
    waterTypeBox_ = combo(Field::waterType);
    priceBox_ = line(Field::ticketPrice);
    clubBox_ = combo(Field::club);
    waterConditionBox_ = combo(Field::waterCondition);
    weatherBox_ = combo(Field::weather);
    temperatureBox_ = line(Field::temperature);
    baitBox_ = combo(Field::bait);
    speciesBox_ = static_cast<QPlainTextEdit*>(boxes_[static_cast<int>(Field::species)]);
    bestFishBox_ = combo(Field::bestFish);
    dateBox_ = line(Field::date);

    // The starting texts of an add; an edit replaces them.
    waterTypeBox_->setEditText(QStringLiteral("River"));
    waterConditionBox_->setEditText(QStringLiteral("Satisfactory"));
    weatherBox_->setEditText(QStringLiteral("Sunny"));

    for (std::size_t i = 0; i < kUnitLabels.size(); ++i) {
        unitLabels_[i] = MakeLabel(this, kUnitLabels[i].name, QString(),
                                   RightOf(BoxOf(kUnitLabels[i].after), 32), Qt::AlignLeft);
    }
    const Box& temp = BoxOf(Field::temperature);
    MakeLabel(this, "Label11", QStringLiteral("'C"), RightOf(temp, 28), Qt::AlignLeft);

    const QRect lessRect(temp.left + temp.width + 36, temp.top, kSmallButton, kBoxHeight);
    const QRect clessRect = RightOf(BoxOf(Field::ticketPrice), kSmallButton);
    const Box& species = BoxOf(Field::species);
    const QRect selectRect(species.left + species.width + kCaptionGap, species.top, 52, 24);

    // The buttons in their tab order.
    const Box& frameAbove = BoxOf(Field::finishTime);
    auto* Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Frame1->setGeometry(kRightBox, frameAbove.top + kBoxHeight + 10, kWide, 50);
    cancelButton_ =
        Control<QPushButton>(Frame1, "cancel", QStringLiteral("Cancel"), QRect(10, 12, 85, 26));
    okayButton_ =
        Control<QPushButton>(Frame1, "okay", QStringLiteral("Okay"), QRect(105, 12, 85, 26));
    okayButton_->setDefault(true);
    todayButton_ = Control<QPushButton>(
        this, "today", QStringLiteral("Today"),
        QRect(dateBox_->geometry().right() + 1 + kCaptionGap, dateBox_->y(), 52, 24));
    temperatureDown_ = Control<QPushButton>(this, "less", QStringLiteral("-"), lessRect);
    temperatureUp_ = Control<QPushButton>(this, "more", QStringLiteral(" +"),
                                          lessRect.translated(kSmallButton + 2, 0));
    priceDown_ = Control<QPushButton>(this, "cless", QStringLiteral("-"), clessRect);
    priceUp_ = Control<QPushButton>(this, "cmore", QStringLiteral("+"),
                                    clessRect.translated(kSmallButton + 2, 0));
    speciesButton_ = Control<QPushButton>(this, "select", QStringLiteral("Select"), selectRect);

    auto* Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(kWidth - kMargin - 40, BoxOf(Field::startTime).top, 40, 40);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(32, 32));

    std::vector<QWidget*> order(boxes_.begin(), boxes_.end());
    order.insert(order.end(), {cancelButton_, okayButton_, todayButton_, temperatureDown_,
                               temperatureUp_, priceDown_, priceUp_, speciesButton_});
    SetTabOrder(order);

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
    switch (BoxOf(field).kind) {
        case Kind::Combo:
        case Kind::SortedCombo:
            return static_cast<QComboBox*>(box)->currentText();
        case Kind::Line:
            return static_cast<QLineEdit*>(box)->text();
        case Kind::MultiLine:
            return MultiLineText(*static_cast<QPlainTextEdit*>(box));
    }
    return {};
}

void RecordEditor::setBoxText(Field field, const QString& text) {
    QWidget* box = boxes_[static_cast<std::size_t>(field)];
    switch (BoxOf(field).kind) {
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
            ToFileText(LineBreaksToBlanks(boxText(static_cast<Field>(f))));
    }
    return record;
}

void RecordEditor::load() {
    const PleaseWait wait(view_, platform_);
    CentreOnScreen(*this, platform_);

    const UnitNames& units = book_.settings().units;
    for (std::size_t i = 0; i < unitLabels_.size(); ++i) {
        const Field field = kUnitLabels[i].after;
        unitLabels_[i]->setText(FromFileText(UnitName(FieldInfoOf(field).unit, units)));
        // The two boxes of a weight or depth share one caption; a screen reader tells them
        // apart by their units, which are known only now. A minor part follows its major.
        const Field major = i % 2 == 0 ? field : static_cast<Field>(static_cast<int>(field) - 1);
        NameByCaption(
            *boxes_[static_cast<std::size_t>(field)],
            FromUtf8(FieldInfoOf(major).editorCaption) + QLatin1Char(' ') + unitLabels_[i]->text());
    }

    const RecordTable& table = book_.table();
    if (mode_ == EditorMode::Edit) {
        setWindowTitle(QStringLiteral("Editing Record %1").arg(table.currentRecord()));
        const TripRecord& record = table.slot(table.currentRecord());
        for (int f = 0; f < kFieldCount; ++f) {
            setBoxText(static_cast<Field>(f), FromFileText(record.fields[static_cast<size_t>(f)]));
        }
    } else {
        setWindowTitle(QStringLiteral("Adding A Record"));
        temperatureBox_->setText(QStringLiteral("0"));
        priceBox_->setText(QStringLiteral("0"));
    }
    // Also for a text that did not change, such as an empty stored price.
    updatePriceSteps();
    updateTemperatureSteps();

    FillList(*waterTypeBox_, WaterTypeList());
    FillList(*waterConditionBox_, WaterConditionList());
    FillList(*weatherBox_, WeatherList());
    FillList(*bestFishBox_, SortedWithoutCase(SpeciesList()));
    FillList(*baitBox_, SortedWithoutCase(BaitList()));
    if (book_.settings().showVenuesOnEdit) {
        FillList(*venueBox_, BuildSuggestionList(table, Field::venue));
        FillList(*clubBox_, BuildSuggestionList(table, Field::club));
    }
    venueBox_->setFocus();
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

void TellRecordLimit(platform::Platform& platform) {
    platform.showMessage(
        {QStringLiteral(
             "Sorry, but only 250 records are allowed in one file. Please open another file!"),
         QStringLiteral("Too Many Records!!"), platform::Buttons::Ok, platform::Icon::None});
}

void RecordEditor::confirm() {
    const RecordTable& table = book_.table();
    // The table as it is now: an add editor is modeless, and records may have been deleted or
    // another file loaded since it opened.
    if (mode_ != EditorMode::Edit && table.recordCount() >= RecordTable::kMaxRecords) {
        TellRecordLimit(platform_);
        return;
    }
    if (mode_ == EditorMode::Edit) {
        const platform::Message question{
            QStringLiteral("Really change the current record?"), QStringLiteral("Edit"),
            platform::Buttons::YesNo, platform::Icon::Exclamation, platform::DefaultButton::Second};
        if (platform_.showMessage(question) != platform::Answer::Yes) return;
    }

    TripRecord record = boxesAsRecord();
    // Neither can fail here: an add is below the limit, as checked above, and the edit editor
    // is modal, so its record is still there. An empty table shows a first record as record 1.
    (void)(mode_ != EditorMode::Edit
               ? book_.appendRecords({std::move(record)})
               : book_.replaceRecord(table.currentRecord(), std::move(record)));
    accept();
}

void RecordEditor::cancel() {
    reject();
}

void RecordEditor::putToday() {
    dateBox_->setText(MonthDayYear(platform_.now().date()));
}

void RecordEditor::pickSpecies() {
    PickSpeciesForEditor(*speciesBox_, platform_, this);
}

void RecordEditor::raisePrice() {
    if (const auto text = StepUp(NumberKind::Price, priceBox_->text())) priceBox_->setText(*text);
}

void RecordEditor::lowerPrice() {
    if (const auto text = StepDown(NumberKind::Price, priceBox_->text())) priceBox_->setText(*text);
}

void RecordEditor::raiseTemperature() {
    if (const auto text = StepUp(NumberKind::Temperature, temperatureBox_->text()))
        temperatureBox_->setText(*text);
}

void RecordEditor::lowerTemperature() {
    if (const auto text = StepDown(NumberKind::Temperature, temperatureBox_->text())) {
        temperatureBox_->setText(*text);
    }
}

void RecordEditor::updatePriceSteps() {
    const bool enabled = StepsEnabled(NumberKind::Price, priceBox_->text());
    priceUp_->setEnabled(enabled);
    priceDown_->setEnabled(enabled);
}

void RecordEditor::updateTemperatureSteps() {
    const bool enabled = StepsEnabled(NumberKind::Temperature, temperatureBox_->text());
    temperatureUp_->setEnabled(enabled);
    temperatureDown_->setEnabled(enabled);
}

}  // namespace rodwick
