// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>
#include <string>

#include "platform.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace rodwick {

// The name of a language the program speaks, in that language: "English", "Deutsch",
// "Français". Never translated: the user must find their own language whatever is shown.
QString languageName(const QString& language);

// Help, Switch Application Language...: the system's language, English, Deutsch or Français
// for the windows from the next start on. The choice goes to the user's own configuration
// (choiceFile); the settings file other versions read is left alone. systemLanguage is the
// language the system's settings give ("de"), named beside the first option.
class LanguageDialog : public QDialog {
    Q_OBJECT

  public:
    LanguageDialog(platform::Platform& platform, std::string choiceFile,
                   const QString& systemLanguage, QWidget* parent = nullptr);

    // Keeps the option chosen and closes; a failed write is said, and the dialog stays open.
    void confirm();

  private:
    platform::Platform& platform_;
    std::string choiceFile_;
    // System, English, German, French, in the order of kLanguages in the source.
    QRadioButton* options_[4] = {};
    QLabel* noteLabel_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

// Shows the dialog for this user and this system.
void switchApplicationLanguage(platform::Platform& platform, QWidget& parent);

}  // namespace rodwick
