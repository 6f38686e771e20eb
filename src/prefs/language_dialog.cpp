// SPDX-License-Identifier: GPL-3.0-or-later
#include "language_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <utility>
#include <vector>

#include "language_choice.h"
#include "program_files.h"
#include "widgets.h"

namespace rodwick {

namespace {

// The options top to bottom: the language each keeps ("" for the system's) and its name.
struct Option {
    const char* language;
    const char* objectName;
};
constexpr Option kOptions[] = {{"", "LanguageSystem"},
                               {"en", "LanguageEnglish"},
                               {"de", "LanguageGerman"},
                               {"fr", "LanguageFrench"}};

}  // namespace

QString languageName(const QString& language) {
    if (language == QLatin1String("de")) return QStringLiteral("Deutsch");
    if (language == QLatin1String("fr")) return QStringLiteral("Français");
    return QStringLiteral("English");
}

LanguageDialog::LanguageDialog(platform::Platform& platform, std::string choiceFile,
                               const QString& systemLanguage, QWidget* parent)
    : QDialog(parent), platform_(platform), choiceFile_(std::move(choiceFile)) {
    setObjectName(QStringLiteral("LanguageDialog"));
    setWindowTitle(tr("Switch Application Language"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(captionFont());

    auto* layout = new QVBoxLayout(this);
    auto* heading = plainLabel(this, "LanguageHeading", tr("Language of the windows:"));
    layout->addWidget(heading);
    // The names of the languages stay in their own language; the access keys are the
    // translator's to choose for the first option, the others keep their first letter.
    const QString captions[] = {tr("&System language (%1)").arg(languageName(systemLanguage)),
                                QStringLiteral("&English"), QStringLiteral("&Deutsch"),
                                QStringLiteral("&Français")};
    const std::string chosen = readLanguageChoice(choiceFile_);
    for (int k = 0; k < 4; ++k) {
        options_[k] = new QRadioButton(captions[k], this);
        options_[k]->setObjectName(QString::fromLatin1(kOptions[k].objectName));
        options_[k]->setChecked(chosen == kOptions[k].language);
        layout->addWidget(options_[k]);
    }
    noteLabel_ = plainLabel(this, "LanguageNote",
                            tr("The language changes the next time the program starts."));
    noteLabel_->setWordWrap(true);
    layout->addSpacing(6);
    layout->addWidget(noteLabel_);

    auto* buttons = new QDialogButtonBox(this);
    okButton_ = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    okButton_->setObjectName(QStringLiteral("LanguageOk"));
    okButton_->setDefault(true);
    cancelButton_ = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancelButton_->setObjectName(QStringLiteral("LanguageCancel"));
    layout->addWidget(buttons);
    connect(okButton_, &QPushButton::clicked, this, &LanguageDialog::confirm);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    chainTabOrder({options_[0], options_[1], options_[2], options_[3], okButton_, cancelButton_});

    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));
    centreOnScreen(*this, platform_);
}

void LanguageDialog::confirm() {
    std::string language;
    for (int k = 0; k < 4; ++k) {
        if (options_[k]->isChecked()) language = kOptions[k].language;
    }
    if (Status written = writeLanguageChoice(choiceFile_, language); !written) {
        platform_.showMessage({tr("Could not keep the language in %1: %2. The language stays as "
                                  "it was.")
                                   .arg(QString::fromStdString(choiceFile_),
                                        QString::fromStdString(written.message())),
                               tr("Switch Application Language"), platform::Buttons::Ok,
                               platform::Icon::Stop});
        return;
    }
    accept();
}

void switchApplicationLanguage(platform::Platform& platform, QWidget& parent) {
    std::vector<std::string> system;
    for (const QString& tag : QLocale::system().uiLanguages()) system.push_back(tag.toStdString());
    LanguageDialog dialog(platform, languageChoiceFile(userFoldersFromEnvironment()),
                          QString::fromStdString(languageToUse("", system)), &parent);
    platform.showModal(dialog);
}

}  // namespace rodwick
