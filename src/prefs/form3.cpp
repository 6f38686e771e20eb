#include "form3.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <utility>

#include "pictures.h"
#include "preferences.h"
#include "program_files.h"
#include "text.h"

namespace rodwick {

namespace {

constexpr int kWidth = 396;
constexpr int kHeight = 236;
constexpr int kFileLabelWidth = 262;

template <typename T>
T* Named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

}  // namespace

Form3::Form3(RecordBook& book, platform::Platform& platform, MainView& view, QWidget* parent,
             FileOps ops)
    : QDialog(parent), book_(book), platform_(platform), view_(view), ops_(std::move(ops)) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Preferences"));
    MakeFixedDialog(*this, QSize(kWidth, kHeight));
    buildControls();
    Form_Load();
}

void Form3::buildControls() {
    Frame3_ = Named(new QGroupBox(QStringLiteral("Options"), this), "Frame3");
    Frame3_->setGeometry(10, 8, kWidth - 20, 52);
    ven_ = Named(new QCheckBox(QStringLiteral("Show possible venues and clubs on edit."), Frame3_),
                 "ven");
    ven_->setGeometry(14, 22, kWidth - 48, 22);

    Frame2_ = Named(new QGroupBox(QStringLiteral("Autoload File"), this), "Frame2");
    Frame2_->setGeometry(10, 66, kWidth - 20, 62);
    file_ = Named(new QLabel(Frame2_), "file");
    file_->setTextFormat(Qt::PlainText);
    file_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    file_->setIndent(3);
    file_->setGeometry(14, 26, kFileLabelWidth, 24);
    autosel_ = Named(new QPushButton(QStringLiteral("Select.."), Frame2_), "autosel");
    autosel_->setAutoDefault(false);
    autosel_->setGeometry(kFileLabelWidth + 22, 24, kWidth - 20 - kFileLabelWidth - 36, 28);

    Frame1_ = Named(new QGroupBox(QStringLiteral("Measurement"), this), "Frame1");
    Frame1_->setGeometry(10, 134, 170, 88);
    mesmet_ = Named(new QRadioButton(QStringLiteral("Metric"), Frame1_), "mesmet");
    mesmet_->setGeometry(14, 26, 140, 22);
    mesimp_ = Named(new QRadioButton(QStringLiteral("Imperial"), Frame1_), "mesimp");
    mesimp_->setGeometry(14, 54, 140, 22);

    Image1_ = new Drawing("Image1", PaintBalance, this);
    Image1_->setGeometry(196, 146, 72, 72);

    okay_ = Named(new QPushButton(QStringLiteral("Okay"), this), "okay");
    okay_->setDefault(true);
    okay_->setGeometry(kWidth - 10 - 92, 144, 92, 30);
    cancel_ = Named(new QPushButton(QStringLiteral("Cancel"), this), "cancel");
    cancel_->setAutoDefault(false);
    cancel_->setGeometry(kWidth - 10 - 92, 184, 92, 30);

    connect(autosel_, &QPushButton::clicked, this, [this] { autosel_Click(); });
    connect(okay_, &QPushButton::clicked, this, [this] { okay_Click(); });
    connect(cancel_, &QPushButton::clicked, this, [this] { cancel_Click(); });
}

void Form3::Form_Load() {
    CentreOnScreen(*this, platform_);
    const PreferenceChoices choices = ChoicesOf(book_.settings());
    (choices.metric ? mesmet_ : mesimp_)->setChecked(true);
    setFileCaption(FromPath(choices.autoloadFile));
    ven_->setChecked(choices.showVenuesOnEdit);
}

void Form3::setFileCaption(const QString& path) {
    fileCaption_ = path;
    // A long path keeps its beginning and its file name; the whole of it is in the tip.
    const int room = file_->contentsRect().width() - 2 * file_->indent();
    file_->setText(QFontMetrics(file_->font()).elidedText(path, Qt::ElideMiddle, room));
    file_->setToolTip(path);
}

void Form3::autosel_Click() {
    platform::FileDialogOptions options;
    options.title = QStringLiteral("Autoload File");
    options.filter = QStringLiteral("Rodwick DB (*.RWK)|*.RWK");
    options.filterIndex = 1;
    options.defaultExtension = QStringLiteral("RWK");
    const QString chosen = platform_.openFileDialog(options);
    // Cancelling hands back the name the dialog still holds: the file last chosen in this
    // window, or nothing before any was chosen.
    if (!chosen.isEmpty()) CMDialog1FileName_ = chosen;
    setFileCaption(CMDialog1FileName_);
}

void Form3::cancel_Click() {
    reject();
}

void Form3::okay_Click() {
    PreferenceChoices choices;
    choices.autoloadFile = ToPath(fileCaption_);
    choices.showVenuesOnEdit = ven_->isChecked();
    choices.metric = mesmet_->isChecked();
    const std::string path = LocateProgramFiles(ToPath(platform_.programDirectory())).settings;
    Settings settings = book_.settings();
    const Status written = ConfirmPreferences(settings, choices, path, ops_);
    book_.setSettings(std::move(settings));
    if (!written.ok()) {
        // The choices hold for this run all the same; the user must know they will not last.
        platform_.showMessage(
            {QStringLiteral("Could not save the preferences to ") + FromPath(path) +
                 QStringLiteral(": ") + QString::fromStdString(written.message()) +
                 QStringLiteral(". They stay in force until the program ends."),
             QStringLiteral("Preferences"), platform::Buttons::Ok, platform::Icon::Stop});
    }
    accept();
}

}  // namespace rodwick
