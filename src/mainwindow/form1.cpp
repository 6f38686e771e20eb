#include "form1.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWidget>
#include <algorithm>

#include "artwork.h"
#include "database_file.h"
#include "text.h"

namespace rodwick {

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int Px(int twips) {
    return twips / kTwipsPerPixel;
}

const QString kTitlePrefix = QStringLiteral("Rodwick DB: ");
const QString kUntitledTitle = QStringLiteral("Rodwick DB: Untitled");

// Window geometry in pixels. The strip at the top keeps its left part free for the row of
// nine 32x32 toolbar pictures; the bottom row is kept for the status line and the clock.
constexpr int kMargin = 12;
constexpr int kToolbarRight = kMargin + 9 * 34;  // nine 32x32 pictures, 2 apart
constexpr int kStripHeight = 46;
constexpr int kFrameWidth = 9360 / kTwipsPerPixel;
constexpr int kFrameHeight = 4800 / kTwipsPerPixel;
constexpr int kFrameTop = kStripHeight;
constexpr int kChrecTop = kFrameTop + kFrameHeight + 6;
constexpr int kChrecHeight = 17;
constexpr int kTotalTop = kChrecTop + kChrecHeight + 4;
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
constexpr int kRemarksField = static_cast<int>(Field::remarks);

struct Caption {
    const char* name;
    const char* text;  // UTF-8
    int left;
    int top;
    int width;
    int valueLeft;  // left edge of the value the caption stands before
};

constexpr std::array<Caption, 19> kCaptions{{
    {"Label1", "Venue:", 600, 360, 615, 1305},
    {"Label5", "Type of water:", 5040, 360, 1335, 6360},
    {"Label6", "Day Ticket \u00a3", 120, 720, 1215, 1305},
    {"Label7", "Club:", 5880, 720, 495, 6360},
    {"Label8", "Weight:", 480, 1080, 735, 1305},
    {"Label9", "Water Conditions:", 4800, 1080, 1575, 6360},
    {"Label10", "Weather:", 360, 1440, 855, 1320},
    {"Label11", "Temperature:", 5160, 1440, 1215, 6360},
    {"Label12", "Method:", 480, 1800, 735, 1320},
    {"Label13", "Depth:", 5640, 1800, 615, 6360},
    {"Label15", "Species:", 480, 2160, 735, 1320},
    {"Label14", "Best Bait,etc:", 5040, 2160, 1215, 6360},
    {"Label18", "Restrictions:", 120, 2520, 1095, 1320},
    {"Label19", "Remarks:", 360, 2880, 855, 1320},
    {"Label16", "Best Fish:", 240, 3720, 975, 1320},
    {"Label17", "Weight:", 5520, 3720, 735, 6345},
    {"Label21", "Start Time:", 240, 4320, 975, 1320},
    {"Label22", "Finish:", 3480, 4320, 615, 4065},
    {"Label20", "Date:", 6960, 4320, 495, 7560},
}};

// Unit labels in the order of unitLabels_.
constexpr std::array<Place, 6> kUnitPlaces{{
    {"mesw1", 2040, 1080, 255},
    {"mesw2", 3120, 1080, 375},
    {"mesw3", 7080, 3720, 255},
    {"mesw4", 8160, 3720, 375},
    {"mesl1", 7080, 1800, 255},
    {"mesl2", 8160, 1800, 375},
}};

const char* const kCaptionFamily = "MS Sans Serif";
const char* const kValueFamily = "Times New Roman";

QFont CaptionFont() {
    QFont font;
    // Where the old system font is missing, a face of the same width stands in for it
    // rather than whatever wide default the platform would pick.
    font.setFamilies({QString::fromLatin1(kCaptionFamily), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans")});
    font.setPointSize(8);
    return font;
}

QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

// A caption ends a few pixels before its value, even where its width would reach into it,
// and grows to the left rather than be cut off when its text needs more room in the font
// at hand.
void PlaceCaption(QLabel* label, const Caption& caption) {
    const int left = Px(caption.left);
    const int right = std::min(left + Px(caption.width), Px(caption.valueLeft) - kCaptionGap);
    const int needed = QFontMetrics(label->font()).horizontalAdvance(label->text()) + 2;
    const int width = std::max(right - left, needed);
    label->setGeometry(std::max(0, right - width), Px(caption.top), width, Px(kLabelHeight));
}

QLabel* SmallLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(CaptionFont());
    return label;
}

// The name part of a title "Rodwick DB: name"; the whole title when it has no such prefix.
std::string NameFromTitle(const QString& title) {
    return ToPath(title.startsWith(kTitlePrefix) ? title.mid(kTitlePrefix.size()) : title);
}

// A path shown as a menu caption: '&' would otherwise be taken as an access key.
QString MenuCaptionFor(const QString& path) {
    QString caption = path;
    caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return caption;
}

}  // namespace

form1::form1(AppState& state, platform::Platform& platform, QWidget* parent)
    : QMainWindow(parent), state_(state), platform_(platform) {
    setObjectName(QStringLiteral("form1"));
    setWindowTitle(kUntitledTitle);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("form1Client"));
    // The client area holds the focus so that the arrow keys reach Form_KeyDown.
    central->setFocusPolicy(Qt::StrongFocus);
    central->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(central);

    buildMenus();
    connectEditingCommands();
    buildDecorations();
    buildRecordPanel();
    connectQuickEditGestures();

    adjustSize();
    central->setFocus();

    // A table handed over with records shows its panel; an empty one shows Label25.
    SetRecordCommands(state_.table.recordCount() > 0);
}

void form1::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("form1MenuBar"));

    auto addMenu = [&](const char* name, const QString& caption) {
        QMenu* menu = bar->addMenu(caption);
        menu->setObjectName(QString::fromLatin1(name));
        return menu;
    };
    auto addEntry = [&](QMenu* menu, const char* name, const QString& caption,
                        const QKeySequence& shortcut = QKeySequence()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        if (!shortcut.isEmpty()) action->setShortcut(shortcut);
        return action;
    };
    auto addSeparator = [&](QMenu* menu, const char* name) {
        QAction* separator = menu->addSeparator();
        separator->setObjectName(QString::fromLatin1(name));
        return separator;
    };

    MnuFile_ = addMenu("MnuFile", QStringLiteral("&File"));
    QAction* MnuNew = addEntry(MnuFile_, "MnuNew", QStringLiteral("Ne&w"), QKeySequence("Ctrl+W"));
    QAction* MnuOpen =
        addEntry(MnuFile_, "MnuOpen", QStringLiteral("&Open..."), QKeySequence("Ctrl+O"));
    QAction* MnuSave =
        addEntry(MnuFile_, "MnuSave", QStringLiteral("&Save"), QKeySequence("Ctrl+S"));
    QAction* MnuSas =
        addEntry(MnuFile_, "MnuSas", QStringLiteral("Save As..   "), QKeySequence("Ctrl+Y"));
    addEntry(MnuFile_, "MnuExp", QStringLiteral("E&xport..."));
    QAction* MnuMer =
        addEntry(MnuFile_, "MnuMer", QStringLiteral("&Merge"), QKeySequence("Ctrl+M"));
    addSeparator(MnuFile_, "Empty1");
    QAction* MnuPrint =
        addEntry(MnuFile_, "MnuPrint", QStringLiteral("&Print..."), QKeySequence("Ctrl+P"));
    QAction* MnuExit =
        addEntry(MnuFile_, "MnuExit", QStringLiteral("Exit"), QKeySequence("Ctrl+X"));
    mnufilearray0_ = addSeparator(MnuFile_, "mnufilearray");
    mnufilearray0_->setProperty("index", 0);
    mnufilearray0_->setVisible(false);

    QMenu* MnuTed = addMenu("MnuTed", QStringLiteral("&Edit"));
    QAction* MnuCopy = addEntry(MnuTed, "MnuCopy", QStringLiteral("&Copy To Clipboard   "),
                                QKeySequence("Ctrl+C"));
    addSeparator(MnuTed, "empty3");
    QAction* MnuEdit =
        addEntry(MnuTed, "MnuEdit", QStringLiteral("&Edit Record..."), QKeySequence("Ctrl+E"));
    QAction* MnuDel = addEntry(MnuTed, "MnuDel", QStringLiteral("&Delete Record...  "),
                               QKeySequence(Qt::Key_Delete));
    addEntry(MnuTed, "MnuAdd", QStringLiteral("&Add Record..."), QKeySequence("Ctrl+A"));
    QAction* MnuDup =
        addEntry(MnuTed, "MnuDup", QStringLiteral("D&uplicate Record"), QKeySequence("Ctrl+T"));

    QMenu* MnuOption = addMenu("MnuOption", QStringLiteral("&Options"));
    QAction* MnuFind =
        addEntry(MnuOption, "MnuFind", QStringLiteral("&Find..."), QKeySequence("Ctrl+F"));
    addEntry(MnuOption, "MnuPref", QStringLiteral("Preferences...   "), QKeySequence("Ctrl+U"));
    addEntry(MnuOption, "MnuFont", QStringLiteral("Font..."));

    QMenu* MnuRecord = addMenu("MnuRecord", QStringLiteral("&Record"));
    QAction* MnuFirst = addEntry(MnuRecord, "MnuFirst", QStringLiteral("Firs&t"));
    QAction* MnuLast = addEntry(MnuRecord, "MnuLast", QStringLiteral("&Last"));
    QAction* MnuNext = addEntry(MnuRecord, "MnuNext", QStringLiteral("&Next"));
    QAction* MnuPrev = addEntry(MnuRecord, "MnuPrev", QStringLiteral("Pre&vious "));
    QAction* MnuGoto =
        addEntry(MnuRecord, "MnuGoto", QStringLiteral("&Goto..."), QKeySequence("Ctrl+G"));

    QMenu* crap = addMenu("crap", QStringLiteral("&Help"));
    addEntry(crap, "MnuHelp", QStringLiteral("Contents"), QKeySequence("Ctrl+H"));
    addSeparator(crap, "crap3");
    addEntry(crap, "MnuAbo", QStringLiteral("About..."));

    recordCommands_ = {MnuEdit, MnuDel,  MnuDup,   MnuFirst, MnuLast, MnuNext,
                       MnuPrev, MnuGoto, MnuPrint, MnuCopy,  MnuFind};

    connect(MnuNew, &QAction::triggered, this, [this] { MnuNew_Click(); });
    connect(MnuOpen, &QAction::triggered, this, [this] { MnuOpen_Click(); });
    connect(MnuSave, &QAction::triggered, this, [this] { MnuSave_Click(); });
    connect(MnuSas, &QAction::triggered, this, [this] { MnuSas_Click(); });
    connect(MnuMer, &QAction::triggered, this, [this] { MnuMer_Click(); });
    connect(MnuExit, &QAction::triggered, this, [this] { MnuExit_Click(); });
    connect(MnuFirst, &QAction::triggered, this, [this] { MnuFirst_Click(); });
    connect(MnuLast, &QAction::triggered, this, [this] { MnuLast_Click(); });
    connect(MnuNext, &QAction::triggered, this, [this] { MnuNext_Click(); });
    connect(MnuPrev, &QAction::triggered, this, [this] { MnuPrev_Click(); });
}

void form1::buildDecorations() {
    QWidget* client = centralWidget();

    // Right of the toolbar row, ending flush with the panel: reel, rod, name plate, fish.
    constexpr int right = kMargin + kFrameWidth;
    const QRect fishRect(right - 44, 3, 44, 40);
    const QRect plateRect(fishRect.left() - 6 - 150, 3, 150, 40);
    const QRect rodRect(plateRect.left() - 4 - 72, 5, 72, 36);
    const QRect reelRect(rodRect.left() - 2 - 32, 7, 32, 32);
    static_assert(right - 44 - 6 - 150 - 4 - 72 - 2 - 32 >= kToolbarRight,
                  "the decorations must leave the toolbar row free");

    auto picture = [&](const char* name, const QRect& rect, const QPixmap& pixmap) {
        auto* image = new QLabel(client);
        image->setObjectName(QString::fromLatin1(name));
        image->setGeometry(rect);
        image->setPixmap(pixmap);
    };
    picture("Image3", reelRect, ReelPicture(reelRect.size()));
    picture("Image2", rodRect, RodPicture(rodRect.size()));
    picture("Image1", fishRect, FishPicture(fishRect.size()));

    auto* Shape1 = new QFrame(client);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Shape1->setLineWidth(1);
    Shape1->setGeometry(plateRect);

    const QRect inside = plateRect.adjusted(5, 2, -5, -2);
    auto* Label2 = new QLabel(QStringLiteral("Rodwick Database"), client);
    Label2->setObjectName(QStringLiteral("Label2"));
    QFont titleFont(QString::fromLatin1(kValueFamily));
    titleFont.setPointSize(11);
    titleFont.setBold(true);
    titleFont.setItalic(true);
    Label2->setFont(titleFont);
    Label2->setGeometry(inside.left(), inside.top(), inside.width(), 20);

    auto* Label3 = SmallLabel(client, "Label3", QStringLiteral("Harrowby Software"));
    Label3->setGeometry(inside.left(), inside.top() + 20, inside.width() - 30, 15);

    auto* Label4 = SmallLabel(client, "Label4", QStringLiteral("v.1.8"));
    Label4->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label4->setGeometry(inside.right() - 29, inside.top() + 20, 30, 15);
}

void form1::buildRecordPanel() {
    QWidget* client = centralWidget();
    const QRect panelRect(kMargin, kFrameTop, kFrameWidth, kFrameHeight);

    // Label25 lies in the panel's place, beneath it, and is seen while the panel is hidden.
    Label25_ = new QLabel(QStringLiteral("No records loaded. Please open a file or add a record."),
                          client);
    Label25_->setObjectName(QStringLiteral("Label25"));
    Label25_->setTextFormat(Qt::PlainText);
    Label25_->setAlignment(Qt::AlignCenter);
    Label25_->setWordWrap(true);
    QFont noticeFont = CaptionFont();
    noticeFont.setPointSize(10);
    Label25_->setFont(noticeFont);
    Label25_->setGeometry(panelRect);

    Frame1_ = new QFrame(client);
    Frame1_->setObjectName(QStringLiteral("Frame1"));
    Frame1_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Frame1_->setLineWidth(1);
    Frame1_->setAutoFillBackground(true);
    Frame1_->setGeometry(panelRect);

    QFont valueFont(QString::fromLatin1(kValueFamily));
    valueFont.setPointSize(10);
    QPalette fieldPalette = Frame1_->palette();
    fieldPalette.setColor(QPalette::Window, Qt::white);
    fieldPalette.setColor(QPalette::WindowText, Qt::black);

    for (int i = 0; i < kFieldCount; ++i) {
        const Place& place = kValuePlaces[static_cast<size_t>(i)];
        const bool remarks = i == kRemarksField;
        auto* label = new QLabel(Frame1_);
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
            TwipsRect(place.left, place.top, place.width, remarks ? kRemarksHeight : kLabelHeight));
        valueLabels_[static_cast<size_t>(i)] = label;
    }

    for (const Caption& caption : kCaptions) {
        QLabel* label = SmallLabel(Frame1_, caption.name, QString::fromUtf8(caption.text));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        PlaceCaption(label, caption);
    }

    for (size_t i = 0; i < kUnitPlaces.size(); ++i) {
        const Place& place = kUnitPlaces[i];
        QLabel* label = SmallLabel(Frame1_, place.name, QString());
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setGeometry(TwipsRect(place.left, place.top, place.width, kLabelHeight));
        unitLabels_[i] = label;
    }
    QLabel* Label24 = SmallLabel(Frame1_, "Label24", QStringLiteral("'c"));
    Label24->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label24->setGeometry(TwipsRect(7200, 1440, 255, kLabelHeight));
    ShowUnitNames();

    chrec_ = new QScrollBar(Qt::Horizontal, client);
    chrec_->setObjectName(QStringLiteral("chrec"));
    chrec_->setGeometry(kMargin, kChrecTop, kFrameWidth, kChrecHeight);
    chrec_->setRange(1, 1);
    chrec_->setValue(1);
    chrec_->setSingleStep(1);
    chrec_->setPageStep(10);
    // The view follows the thumb only when it is released, not while it is dragged.
    chrec_->setTracking(false);
    chrec_->setFocusPolicy(Qt::StrongFocus);
    chrec_->installEventFilter(this);
    connect(chrec_, &QScrollBar::valueChanged, this, [this] { chrec_Change(); });

    total_ = new QLabel(QStringLiteral("No records available"), client);
    total_->setObjectName(QStringLiteral("total"));
    total_->setTextFormat(Qt::PlainText);
    total_->setFont(CaptionFont());
    total_->setGeometry(kMargin, kTotalTop, kFrameWidth, kTotalHeight);
}

void form1::ShowCurrentRecord() {
    const RecordTable& table = state_.table;
    const int count = table.recordCount();
    const int current = table.currentRecord();
    {
        // The range stays valid with no records (the minimum is 1), and setting it here must
        // not come back as a scroll-bar change with a clamped value.
        const QSignalBlocker block(chrec_);
        chrec_->setRange(1, std::max(1, count));
        chrec_->setValue(current);
    }

    const TripRecord& record = table.slot(current);
    for (int i = 0; i < kFieldCount; ++i) {
        valueLabels_[static_cast<size_t>(i)]->setText(
            FromFileText(record.fields[static_cast<size_t>(i)]));
    }
    total_->setText(QStringLiteral("Record %1 of %2").arg(current).arg(count));
}

void form1::SetRecordCommands(bool enabled) {
    for (QAction* action : recordCommands_) action->setEnabled(enabled);
    chrec_->setEnabled(enabled);
    // The toolbar pictures that need records (edit, delete, duplicate, search, copy) are
    // switched here too, with their normal or greyed pictures, once the toolbar exists.
    Frame1_->setVisible(enabled);
    Label25_->setVisible(!enabled);
}

void form1::LoadDatabase(std::optional<std::string> previousFileName) {
    RecordTable& table = state_.table;
    platform_.setBusyPointer(true);
    const QString rememberedTitle = windowTitle();
    setWindowTitle(QStringLiteral("Loading. Please wait..."));

    const std::string path = table.currentFileName();
    bool loaded = false;
    if (!FileExists(path)) {
        // Nothing to read: the table stays and the name goes back to the one the title shows.
        table.setCurrentFileName(NameFromTitle(rememberedTitle));
    } else {
        // Read into a scratch list first, so that a file that fails half-way leaves the
        // records held before it as they were.
        Result<std::vector<TripRecord>> records = ReadDatabaseFile(path);
        if (records.ok() && table.ReplaceFromFile(records.value())) {
            loaded = true;
        } else {
            table.setCurrentFileName(previousFileName ? *previousFileName
                                                      : NameFromTitle(rememberedTitle));
        }
    }

    if (loaded) {
        SetRecordCommands(true);
        setWindowTitle(kTitlePrefix + FromPath(table.currentFileName()));
        ShowCurrentRecord();
    } else {
        setWindowTitle(rememberedTitle);
    }
    platform_.setBusyPointer(false);
    SetRecordCommands(table.recordCount() > 0);
}

bool form1::SaveDatabase() {
    const RecordTable& table = state_.table;
    platform_.setBusyPointer(true);
    const QString rememberedTitle = windowTitle();
    setWindowTitle(QStringLiteral("Saving. Please wait..."));
    const Status saved = SaveDatabaseFile(table.currentFileName(), table);
    platform_.setBusyPointer(false);
    setWindowTitle(rememberedTitle);
    if (saved.ok()) return true;

    // Unlike the other file failures this one is reported: a save that fails silently
    // loses the user's work without warning.
    platform_.showMessage({QStringLiteral("Could not save the database to ") +
                               FromPath(table.currentFileName()) +
                               QStringLiteral(". The file on disk was not changed."),
                           QStringLiteral("Save"), platform::Buttons::Ok, platform::Icon::Stop});
    return false;
}

void form1::MergeDatabase(const std::string& path) {
    RecordTable& table = state_.table;
    if (!FileExists(path)) return;
    Result<std::vector<TripRecord>> records = ReadDatabaseFile(path);
    if (!records.ok()) return;
    if (!table.AppendRecords(records.value())) return;
    ShowCurrentRecord();
    if (table.recordCount() > 0) SetRecordCommands(true);
}

void form1::AddToFileList() {
    mnufilearray0_->setVisible(true);
    const QString name = FromPath(state_.table.currentFileName());
    // Element 0 is the separator heading the list; its caption is "-".
    if (name.compare(QStringLiteral("-"), Qt::CaseInsensitive) == 0) return;
    for (QAction* entry : mnufilearray_) {
        if (name.compare(entry->data().toString(), Qt::CaseInsensitive) == 0) return;
    }

    const int index = static_cast<int>(mnufilearray_.size()) + 1;
    auto* entry = new QAction(MenuCaptionFor(name), MnuFile_);
    entry->setObjectName(QStringLiteral("mnufilearray"));
    entry->setProperty("index", index);
    entry->setData(name);
    entry->setVisible(true);
    MnuFile_->addAction(entry);
    connect(entry, &QAction::triggered, this, [this, index] { mnufilearray_Click(index); });
    mnufilearray_.push_back(entry);
}

QStringList form1::fileListCaptions() const {
    QStringList captions;
    for (const QAction* entry : mnufilearray_) captions << entry->data().toString();
    return captions;
}

void form1::ApplyDisplayFont(const QString& family) {
    for (QLabel* label : valueLabels_) {
        QFont font = label->font();
        font.setFamily(family);
        label->setFont(font);
    }
}

void form1::ShowUnitNames() {
    const UnitNames& units = state_.settings.units;
    const std::array<const std::string*, 6> names{&units.weightMajorUnit, &units.weightMinorUnit,
                                                  &units.weightMajorUnit, &units.weightMinorUnit,
                                                  &units.depthMajorUnit,  &units.depthMinorUnit};
    for (size_t i = 0; i < unitLabels_.size(); ++i) {
        unitLabels_[i]->setText(FromFileText(*names[i]));
    }
}

void form1::ShowBusyTitle(const QString& text) {
    titleBeforeBusy_ = windowTitle();
    setWindowTitle(text);
}

void form1::ShowFileTitle() {
    setWindowTitle(titleBeforeBusy_);
}

void form1::SetChrecMaximum() {
    const QSignalBlocker block(chrec_);
    chrec_->setRange(1, std::max(1, state_.table.recordCount()));
}

void form1::OpenPath(const std::string& path) {
    std::string previous = state_.table.currentFileName();
    state_.table.setCurrentFileName(path);
    LoadDatabase(std::move(previous));
}

// File menu.

void form1::MnuNew_Click() {
    const platform::Message question{QStringLiteral("Really clear all records from memory??"),
                                     QStringLiteral("New"), platform::Buttons::YesNo,
                                     platform::Icon::Exclamation, platform::DefaultButton::Second};
    if (platform_.showMessage(question) != platform::Answer::Yes) return;

    state_.table.ClearTable();
    setWindowTitle(kUntitledTitle);
    ShowCurrentRecord();
    SetRecordCommands(false);
}

void form1::MnuOpen_Click() {
    const QString chosen = platform_.openFileDialog(platform::FileDialogOptions());
    if (chosen.isEmpty()) return;
    OpenPath(ToPath(chosen));
    if (FileExists(state_.table.currentFileName())) AddToFileList();
}

void form1::MnuSave_Click() {
    // The title alone marks an untitled database: New keeps the old file name.
    if (windowTitle() == kUntitledTitle) {
        MnuSas_Click();
        return;
    }
    SaveDatabase();
}

void form1::MnuSas_Click() {
    const QString chosen = platform_.saveFileDialog(platform::FileDialogOptions());
    if (chosen.isEmpty()) return;
    const std::string path = ToPath(chosen);
    if (FileExists(path)) {
        const platform::Message question{
            QStringLiteral("This file already exists. Overwrite the file"),
            QStringLiteral("Save as"), platform::Buttons::YesNo, platform::Icon::Exclamation};
        if (platform_.showMessage(question) != platform::Answer::Yes) return;
    }

    RecordTable& table = state_.table;
    std::string previous = table.currentFileName();
    table.setCurrentFileName(path);
    // A Save As that failed must not send later Saves to the new path.
    if (!SaveDatabase()) table.setCurrentFileName(std::move(previous));
}

void form1::MnuMer_Click() {
    platform::FileDialogOptions options;
    options.title = QStringLiteral("Merge with..");
    const QString chosen = platform_.saveFileDialog(options);
    if (chosen.isEmpty()) return;
    MergeDatabase(ToPath(chosen));
}

bool form1::AskToLeave() {
    const platform::Message question{
        QStringLiteral("Really leave The Rodwick Database by Harrowby Software"),
        QStringLiteral("Exit"), platform::Buttons::YesNo, platform::Icon::Question};
    return platform_.showMessage(question) == platform::Answer::Yes;
}

void form1::MnuExit_Click() {
    if (!AskToLeave()) return;

    // Closing by code: the window's own close question has just been answered.
    closingByCode_ = true;
    close();
    closingByCode_ = false;
    QCoreApplication::quit();
}

void form1::mnufilearray_Click(int index) {
    if (index < 1 || index > static_cast<int>(mnufilearray_.size())) return;
    OpenPath(ToPath(mnufilearray_[static_cast<size_t>(index - 1)]->data().toString()));
}

// Record menu: every command checks its bound and does nothing beyond it.

void form1::MnuFirst_Click() {
    if (state_.table.recordCount() == 0) return;
    state_.table.setCurrentRecord(1);
    ShowCurrentRecord();
}

void form1::MnuLast_Click() {
    if (state_.table.recordCount() == 0) return;
    state_.table.setCurrentRecord(state_.table.recordCount());
    ShowCurrentRecord();
}

void form1::MnuNext_Click() {
    if (state_.table.currentRecord() >= state_.table.recordCount()) return;
    state_.table.setCurrentRecord(state_.table.currentRecord() + 1);
    ShowCurrentRecord();
}

void form1::MnuPrev_Click() {
    if (state_.table.currentRecord() <= 1) return;
    state_.table.setCurrentRecord(state_.table.currentRecord() - 1);
    ShowCurrentRecord();
}

void form1::chrec_Change() {
    const int count = state_.table.recordCount();
    if (count == 0) return;
    state_.table.setCurrentRecord(std::clamp(chrec_->value(), 1, count));
    ShowCurrentRecord();
}

bool form1::chrec_KeyDown(int key) {
    switch (key) {
        case Qt::Key_Up:
            MnuFirst_Click();
            return true;
        case Qt::Key_Down:
            MnuLast_Click();
            return true;
        default:
            return false;
    }
}

void form1::Form_KeyDown(int key) {
    switch (key) {
        case Qt::Key_Left:
            MnuPrev_Click();
            break;
        case Qt::Key_Right:
            MnuNext_Click();
            break;
        case Qt::Key_Up:
            MnuFirst_Click();
            break;
        case Qt::Key_Down:
            MnuLast_Click();
            break;
        default:
            break;
    }
}

void form1::Form_QueryUnload(bool& cancel, int unloadMode) {
    if (unloadMode != 0) return;
    if (!AskToLeave()) cancel = true;
}

void form1::closeEvent(QCloseEvent* event) {
    const bool byUser = !closingByCode_;
    bool cancel = false;
    Form_QueryUnload(cancel, byUser ? 0 : 1);
    if (cancel) {
        event->ignore();
        return;
    }
    event->accept();
    // Leaving the main window ends the program; Exit asks for that itself.
    if (byUser) QCoreApplication::quit();
}

void form1::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            Form_KeyDown(event->key());
            event->accept();
            break;
        default:
            QMainWindow::keyPressEvent(event);
            break;
    }
}

bool form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == chrec_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (chrec_KeyDown(key)) return true;
        // Qt's scroll bar inverts its controls for the vertical case, which also turns the
        // arrow keys of a horizontal one round; Left must go back one record, Right forward.
        if (key == Qt::Key_Left || key == Qt::Key_Right) {
            chrec_->triggerAction(key == Qt::Key_Left ? QAbstractSlider::SliderSingleStepSub
                                                      : QAbstractSlider::SliderSingleStepAdd);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace rodwick
