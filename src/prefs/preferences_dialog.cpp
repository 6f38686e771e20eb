// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences_dialog.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <utility>

#include "balance_and_float.h"
#include "drawing.h"
#include "preferences.h"
#include "program_files.h"
#include "text.h"
#include "widgets.h"

namespace rodwick {

namespace {

constexpr int kWidth = 396;
constexpr int kHeight = 236;
constexpr int kFileLabelWidth = 262;

template <typename T>
T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

}  // namespace

PreferencesDialog::PreferencesDialog(RecordBook& book, platform::Platform& platform,
                                     QWidget* parent, FileOps ops)
    : QDialog(parent), book_(book), platform_(platform), ops_(std::move(ops)) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("Preferences"));
    makeFixedDialog(*this, QSize(kWidth, kHeight));
    buildControls();
    load();
}

void PreferencesDialog::buildControls() {
    optionsGroup_ = named(new QGroupBox(tr("Options"), this), "Frame3");
    optionsGroup_->setGeometry(10, 8, kWidth - 20, 52);
    venueOption_ =
        named(new QCheckBox(tr("Show possible venues and clubs on edit."), optionsGroup_), "ven");
    venueOption_->setGeometry(14, 22, kWidth - 48, 22);

    autoloadGroup_ = named(new QGroupBox(tr("Autoload File"), this), "Frame2");
    autoloadGroup_->setGeometry(10, 66, kWidth - 20, 62);
    fileLabel_ = named(new QLabel(autoloadGroup_), "file");
    fileLabel_->setTextFormat(Qt::PlainText);
    fileLabel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    fileLabel_->setIndent(3);
    fileLabel_->setGeometry(14, 26, kFileLabelWidth, 24);
    chooseFileButton_ = named(new QPushButton(tr("Select.."), autoloadGroup_), "autosel");
    chooseFileButton_->setAutoDefault(false);
    chooseFileButton_->setGeometry(kFileLabelWidth + 22, 24, kWidth - 20 - kFileLabelWidth - 36,
                                   28);

    measurementGroup_ = named(new QGroupBox(tr("Measurement"), this), "Frame1");
    measurementGroup_->setGeometry(10, 134, 170, 88);
    metric_ = named(new QRadioButton(tr("Metric"), measurementGroup_), "mesmet");
    metric_->setGeometry(14, 26, 140, 22);
    imperial_ = named(new QRadioButton(tr("Imperial"), measurementGroup_), "mesimp");
    imperial_->setGeometry(14, 54, 140, 22);

    balancePicture_ = new Drawing("Image1", paintBalance, this);
    balancePicture_->setGeometry(196, 146, 72, 72);

    okayButton_ = named(new QPushButton(tr("Okay"), this), "okay");
    okayButton_->setDefault(true);
    okayButton_->setGeometry(kWidth - 10 - 92, 144, 92, 30);
    cancelButton_ = named(new QPushButton(tr("Cancel"), this), "cancel");
    cancelButton_->setAutoDefault(false);
    cancelButton_->setGeometry(kWidth - 10 - 92, 184, 92, 30);

    connect(chooseFileButton_, &QPushButton::clicked, this, [this] { chooseStartFile(); });
    connect(okayButton_, &QPushButton::clicked, this, [this] { confirm(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { cancel(); });
}

void PreferencesDialog::load() {
    centreOnScreen(*this, platform_);
    const PreferenceChoices choices = choicesOf(book_.settings());
    (choices.metric ? metric_ : imperial_)->setChecked(true);
    setFileCaption(fromPath(choices.autoloadFile));
    venueOption_->setChecked(choices.showVenuesOnEdit);
}

void PreferencesDialog::setFileCaption(const QString& path) {
    fileCaption_ = path;
    // A long path keeps its beginning and its file name; the whole of it is in the tip.
    const int room = fileLabel_->contentsRect().width() - 2 * fileLabel_->indent();
    fileLabel_->setText(QFontMetrics(fileLabel_->font()).elidedText(path, Qt::ElideMiddle, room));
    fileLabel_->setToolTip(path);
}

void PreferencesDialog::chooseStartFile() {
    platform::FileDialogOptions options;
    options.title = tr("Autoload File");
    options.filter = QStringLiteral("Rodwick DB (*.RWK)|*.RWK");
    options.filterIndex = 1;
    options.defaultExtension = QStringLiteral("RWK");
    const QString chosen = platform_.openFileDialog(options);
    // Cancelling hands back the name the dialog still holds: the file last chosen in this
    // window, or nothing before any was chosen.
    if (!chosen.isEmpty()) chosenFileName_ = chosen;
    setFileCaption(chosenFileName_);
}

void PreferencesDialog::cancel() {
    reject();
}

void PreferencesDialog::confirm() {
    PreferenceChoices choices;
    choices.autoloadFile = toPath(fileCaption_);
    choices.showVenuesOnEdit = venueOption_->isChecked();
    choices.metric = metric_->isChecked();
    const std::string path = locateProgramFiles(toPath(platform_.programDirectory())).settings;
    Settings settings = book_.settings();
    const Status written = confirmPreferences(settings, choices, path, ops_);
    book_.setSettings(std::move(settings));
    if (!written.ok()) {
        // The choices hold for this run all the same; the user must know they will not last.
        platform_.showMessage(writeFailure(tr("save the preferences"), fromPath(path), written,
                                           tr("They stay in force until the program ends."),
                                           tr("Preferences")));
    }
    accept();
}

}  // namespace rodwick
