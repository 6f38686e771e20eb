// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's look: the layout tables, the menus, the decorations and the record panel.
#include <QAction>
#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QScrollBar>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "accessible_names.h"
#include "clock.h"
#include "field_texts.h"
#include "fields.h"
#include "fish_rod_reel.h"
// By its path from here, so that the translation tools find the class and its context.
#include "include/main_window.h"
#include "text.h"
#include "toolbar.h"
#include "version.h"
#include "widgets.h"

namespace rodwick {

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int px(int twips) {
    return twips / kTwipsPerPixel;
}

// Window geometry in pixels. The strip at the top keeps its left part free for the row of
// nine 32x32 toolbar pictures; the bottom row is kept for the status line and the clock.
constexpr int kMargin = 12;
constexpr int kToolbarRight = kMargin + 9 * 34;  // nine 32x32 pictures, 2 apart
constexpr int kStripHeight = 46;
constexpr int kFrameWidth = 9360 / kTwipsPerPixel;
constexpr int kFrameHeight = 4800 / kTwipsPerPixel;
constexpr int kFrameTop = kStripHeight;
constexpr int kScrollBarTop = kFrameTop + kFrameHeight + 6;
constexpr int kScrollBarHeight = 17;
constexpr int kTotalTop = kScrollBarTop + kScrollBarHeight + 4;
constexpr int kTotalHeight = 20;
constexpr int kStatusRowTop = kTotalTop + kTotalHeight + 6;
constexpr int kStatusRowHeight = 20;
constexpr int kClientWidth = kFrameWidth + 2 * kMargin;
constexpr int kClientHeight = kStatusRowTop + kStatusRowHeight + 6;

constexpr int kLabelHeight = 255;
constexpr int kRemarksHeight = 495;
constexpr int kCaptionGap = 5;

struct Place {
    const char* name;
    int left;
    int top;
    int width;
};

// Value labels in field order, positions in twips within Frame1.
constexpr std::array<Place, kFieldCount> kValuePlaces{{
    {"obVen", 1305, 360, 3255},     {"ObType", 6360, 360, 2775},     {"ObDay", 1305, 720, 975},
    {"ObClub", 6360, 720, 2775},    {"ObWeighta", 1305, 1080, 615},  {"ObWeightb", 2400, 1080, 615},
    {"ObWater", 6360, 1080, 2775},  {"ObWeather", 1320, 1440, 1935}, {"ObTemp", 6360, 1440, 735},
    {"ObMethod", 1320, 1800, 3660}, {"ObDepthA", 6360, 1785, 615},   {"ObDepthB", 7440, 1800, 615},
    {"ObBait", 6360, 2160, 2775},   {"ObSpec", 1320, 2175, 3660},    {"ObName", 1320, 3720, 3135},
    {"ObBestA", 6345, 3720, 615},   {"ObBestB", 7440, 3720, 615},    {"ObRest", 1320, 2520, 7815},
    {"ObInfo", 1320, 2880, 7815},   {"ObDat", 7560, 4320, 1455},     {"ObTime1", 1320, 4320, 975},
    {"ObTime2", 4065, 4320, 1215},
}};
constexpr int kRemarksField = static_cast<int>(Field::Remarks);

struct Caption {
    const char* name;
    Field field;  // the field whose caption it shows
    int left;
    int top;
    int width;
    int valueLeft;  // left edge of the value the caption stands before
};

// One caption per row: a weight's or a depth's minor part stands under its major's.
constexpr std::array<Caption, 19> kCaptions{{
    {"Label1", Field::Venue, 600, 360, 615, 1305},
    {"Label5", Field::WaterType, 5040, 360, 1335, 6360},
    {"Label6", Field::TicketPrice, 120, 720, 1215, 1305},
    {"Label7", Field::Club, 5880, 720, 495, 6360},
    {"Label8", Field::TotalWeightMajor, 480, 1080, 735, 1305},
    {"Label9", Field::WaterCondition, 4800, 1080, 1575, 6360},
    {"Label10", Field::Weather, 360, 1440, 855, 1320},
    {"Label11", Field::Temperature, 5160, 1440, 1215, 6360},
    {"Label12", Field::Method, 480, 1800, 735, 1320},
    {"Label13", Field::DepthMajor, 5640, 1800, 615, 6360},
    {"Label15", Field::Species, 480, 2160, 735, 1320},
    {"Label14", Field::Bait, 5040, 2160, 1215, 6360},
    {"Label18", Field::Restrictions, 120, 2520, 1095, 1320},
    {"Label19", Field::Remarks, 360, 2880, 855, 1320},
    {"Label16", Field::BestFish, 240, 3720, 975, 1320},
    {"Label17", Field::BestFishWeightMajor, 5520, 3720, 735, 6345},
    {"Label21", Field::StartTime, 240, 4320, 975, 1320},
    {"Label22", Field::FinishTime, 3480, 4320, 615, 4065},
    {"Label20", Field::Date, 6960, 4320, 495, 7560},
}};

struct UnitPlace {
    const char* name;
    Field field;  // the value it names the unit of
    int left;
    int top;
    int width;
};

// Unit labels in the order of unitLabels_.
constexpr std::array<UnitPlace, 6> kUnitPlaces{{
    {"mesw1", Field::TotalWeightMajor, 2040, 1080, 255},
    {"mesw2", Field::TotalWeightMinor, 3120, 1080, 375},
    {"mesw3", Field::BestFishWeightMajor, 7080, 3720, 255},
    {"mesw4", Field::BestFishWeightMinor, 8160, 3720, 375},
    {"mesl1", Field::DepthMajor, 7080, 1800, 255},
    {"mesl2", Field::DepthMinor, 8160, 1800, 375},
}};

// The menu bar, left to right; the areas fill the menus with their commands.
const std::vector<MenuHead> kMenuBar = {{kFileMenu, QT_TRANSLATE_NOOP("MenuBar", "&File")},
                                        {kEditMenu, QT_TRANSLATE_NOOP("MenuBar", "&Edit")},
                                        {kOptionsMenu, QT_TRANSLATE_NOOP("MenuBar", "&Options")},
                                        {kRecordMenu, QT_TRANSLATE_NOOP("MenuBar", "&Record")},
                                        {kHelpMenu, QT_TRANSLATE_NOOP("MenuBar", "&Help")}};

const char* const kValueFamily = "Times New Roman";

QRect twipsRect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

// A caption ends a few pixels before its value, even where its width would reach into it,
// and grows to the left rather than be cut off when its text needs more room in the font
// at hand.
void placeCaption(QLabel* label, const Caption& caption) {
    const int left = px(caption.left);
    const int right = std::min(left + px(caption.width), px(caption.valueLeft) - kCaptionGap);
    const int needed = QFontMetrics(label->font()).horizontalAdvance(label->text()) + 2;
    const int width = std::max(right - left, needed);
    // Grown leftwards only, never under its box: a caption too long for the window's edge is
    // cut where the tests see it, not hidden behind the value.
    const int x = std::max(0, right - width);
    label->setGeometry(x, px(caption.top), right - x, px(kLabelHeight));
}

QLabel* smallLabel(QWidget* parent, const char* name, const QString& text) {
    QLabel* label = plainLabel(parent, name, text);
    label->setFont(captionFont());
    return label;
}

}  // namespace

void MainWindow::buildWindow() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("form1Client"));
    // The client area holds the focus so that the arrow keys reach windowKeyDown.
    central->setFocusPolicy(Qt::StrongFocus);
    central->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(central);

    buildMenus();
    buildDecorations();
    buildRecordPanel();
    buildToolbar();

    adjustSize();
    central->setFocus();
}

void MainWindow::buildToolbar() {
    static_assert(Toolbar::kRowWidth <= kToolbarRight - kMargin, "the strip keeps the row's room");
    constexpr int kClockWidth = 184;
    const QRect statusRect(kMargin, kStatusRowTop, kFrameWidth - kClockWidth - 6, kStatusRowHeight);
    const QRect clockRect(kMargin + kFrameWidth - kClockWidth, kStatusRowTop, kClockWidth,
                          kStatusRowHeight);
    toolbar_ = new Toolbar(*this, commands_, centralWidget(), recordPanel_,
                           QPoint(kMargin, (kStripHeight - kToolbarPictureSize) / 2), statusRect);
    clock_ = new Clock(centralWidget(), clockRect, platform_);
}

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("form1MenuBar"));
    // A row the areas got wrong is a fault of the program: it must not start with menus
    // that are missing entries.
    if (const Status built = commands_.buildMenus(*bar, kMenuBar, *this); !built)
        qFatal("%s", built.message().c_str());
    fileMenu_ = &commands_.menu(kFileMenu);
    // Element 0 of the opened-files list, the separator that heads it, hidden until a file is
    // listed.
    fileListHead_ = &commands_.action(kFileListHead);
    fileListHead_->setProperty("index", 0);
    fileListHead_->setVisible(false);
}

void MainWindow::buildDecorations() {
    QWidget* client = centralWidget();

    // Right of the toolbar row, ending flush with the panel: reel, rod, name plate, fish.
    constexpr int kRight = kMargin + kFrameWidth;
    const QRect fishRect(kRight - 44, 3, 44, 40);
    const QRect plateRect(fishRect.left() - 6 - 150, 3, 150, 40);
    const QRect rodRect(plateRect.left() - 4 - 72, 5, 72, 36);
    const QRect reelRect(rodRect.left() - 2 - 32, 7, 32, 32);
    static_assert(kRight - 44 - 6 - 150 - 4 - 72 - 2 - 32 >= kToolbarRight,
                  "the decorations must leave the toolbar row free");

    auto picture = [&](const char* name, const QRect& rect, const QPixmap& pixmap) {
        auto* image = new QLabel(client);
        image->setObjectName(QString::fromLatin1(name));
        image->setGeometry(rect);
        image->setPixmap(pixmap);
    };
    picture("Image3", reelRect, reelPicture(reelRect.size()));
    picture("Image2", rodRect, rodPicture(rodRect.size()));
    picture("Image1", fishRect, fishPicture(fishRect.size()));

    auto* plate = new QFrame(client);
    plate->setObjectName(QStringLiteral("Shape1"));
    plate->setFrameStyle(QFrame::Box | QFrame::Plain);
    plate->setLineWidth(1);
    plate->setGeometry(plateRect);

    const QRect inside = plateRect.adjusted(5, 2, -5, -2);
    auto* title = new QLabel(QStringLiteral("Rodwick Database"), client);
    title->setObjectName(QStringLiteral("Label2"));
    QFont titleFont(QString::fromLatin1(kValueFamily));
    titleFont.setPointSize(11);
    titleFont.setBold(true);
    titleFont.setItalic(true);
    title->setFont(titleFont);
    title->setGeometry(inside.left(), inside.top(), inside.width(), 20);

    auto* maker = smallLabel(client, "Label3", QStringLiteral("Harrowby Software"));
    maker->setGeometry(inside.left(), inside.top() + 20, inside.width() - 30, 15);

    auto* version = smallLabel(client, "Label4", QStringLiteral("v." RODWICK_VERSION));
    version->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    version->setGeometry(inside.right() - 29, inside.top() + 20, 30, 15);
}

void MainWindow::buildRecordPanel() {
    QWidget* client = centralWidget();
    const QRect panelRect(kMargin, kFrameTop, kFrameWidth, kFrameHeight);

    // Label25 lies in the panel's place, beneath it, and is seen while the panel is hidden.
    noRecordsNotice_ =
        new QLabel(tr("No records loaded. Please open a file or add a record."), client);
    noRecordsNotice_->setObjectName(QStringLiteral("Label25"));
    noRecordsNotice_->setTextFormat(Qt::PlainText);
    noRecordsNotice_->setAlignment(Qt::AlignCenter);
    noRecordsNotice_->setWordWrap(true);
    QFont noticeFont = captionFont();
    noticeFont.setPointSize(10);
    noRecordsNotice_->setFont(noticeFont);
    noRecordsNotice_->setGeometry(panelRect);

    recordPanel_ = new QFrame(client);
    recordPanel_->setObjectName(QStringLiteral("Frame1"));
    recordPanel_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    recordPanel_->setLineWidth(1);
    recordPanel_->setAutoFillBackground(true);
    recordPanel_->setGeometry(panelRect);

    QFont valueFont(QString::fromLatin1(kValueFamily));
    valueFont.setPointSize(10);
    QPalette fieldPalette = recordPanel_->palette();
    fieldPalette.setColor(QPalette::Window, Qt::white);
    fieldPalette.setColor(QPalette::WindowText, Qt::black);

    for (int i = 0; i < kFieldCount; ++i) {
        const Place& place = kValuePlaces[static_cast<size_t>(i)];
        const bool remarks = i == kRemarksField;
        auto* label = new QLabel(recordPanel_);
        label->setObjectName(QString::fromLatin1(place.name));
        label->setTextFormat(Qt::PlainText);
        label->setFont(valueFont);
        label->setAutoFillBackground(true);
        label->setPalette(fieldPalette);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
        label->setIndent(3);
        label->setWordWrap(remarks);
        label->setAlignment(remarks ? Qt::AlignLeft | Qt::AlignTop
                                    : Qt::AlignLeft | Qt::AlignVCenter);
        label->setGeometry(
            twipsRect(place.left, place.top, place.width, remarks ? kRemarksHeight : kLabelHeight));
        valueLabels_[static_cast<size_t>(i)] = label;
    }

    for (const Caption& caption : kCaptions) {
        QLabel* label = smallLabel(recordPanel_, caption.name, fieldCaption(caption.field));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        placeCaption(label, caption);
    }

    for (size_t i = 0; i < kUnitPlaces.size(); ++i) {
        const UnitPlace& place = kUnitPlaces[i];
        QLabel* label = smallLabel(recordPanel_, place.name, QString());
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setGeometry(twipsRect(place.left, place.top, place.width, kLabelHeight));
        unitLabels_[i] = label;
    }
    QLabel* degreeMark = smallLabel(recordPanel_, "Label24", QStringLiteral("'c"));
    degreeMark->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    degreeMark->setGeometry(twipsRect(7200, 1440, 255, kLabelHeight));
    showUnitNames();

    scrollBar_ = new QScrollBar(Qt::Horizontal, client);
    scrollBar_->setObjectName(QStringLiteral("chrec"));
    scrollBar_->setGeometry(kMargin, kScrollBarTop, kFrameWidth, kScrollBarHeight);
    scrollBar_->setRange(1, 1);
    scrollBar_->setValue(1);
    scrollBar_->setSingleStep(1);
    scrollBar_->setPageStep(10);
    // The view follows the thumb only when it is released, not while it is dragged.
    scrollBar_->setTracking(false);
    scrollBar_->setFocusPolicy(Qt::StrongFocus);
    scrollBar_->installEventFilter(this);
    connect(scrollBar_, &QScrollBar::valueChanged, this, [this] { scrollBarMoved(); });
    showUnitNames();

    position_ = new QLabel(tr("No records available"), client);
    position_->setObjectName(QStringLiteral("total"));
    position_->setTextFormat(Qt::PlainText);
    position_->setFont(captionFont());
    position_->setGeometry(kMargin, kTotalTop, kFrameWidth, kTotalHeight);
}

void MainWindow::applyDisplayFont(const QString& family) {
    for (QLabel* label : valueLabels_) {
        QFont font = label->font();
        font.setFamily(family);
        label->setFont(font);
    }
}

void MainWindow::showUnitNames() {
    const UnitNames& units = book_.settings().units;
    for (size_t i = 0; i < unitLabels_.size(); ++i) {
        unitLabels_[i]->setText(
            fromFileText(unitName(fieldInfoOf(kUnitPlaces[i].field).unit, units)));
    }
    // The panel's names carry the units; the scroll bar is made after the first call.
    if (scrollBar_ != nullptr) {
        nameRecordPanel(valueLabels_, *scrollBar_, units, book_.currentRecord(),
                        book_.recordCount());
    }
}

}  // namespace rodwick
