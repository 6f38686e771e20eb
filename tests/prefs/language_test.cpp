// SPDX-License-Identifier: GPL-3.0-or-later
// Help, Switch Application Language...: the choice kept in the user's configuration for the
// next start, never in the settings file.
#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <QRadioButton>
#include <functional>
#include <string>

#include "language_choice.h"
#include "language_dialog.h"
#include "rodwick_test/main_window_fixture.h"

namespace rodwick::testing {
namespace {

// The main window with the user's configuration folder in a fresh folder.
class LanguageTest : public MainWindowTest {
  protected:
    LanguageTest() : formerConfig_(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(dir_.file("config")));
        platform_.programDir = QString::fromStdString(dir_.path);
    }
    ~LanguageTest() override { qputenv("XDG_CONFIG_HOME", formerConfig_); }

    std::string choiceFile() const { return dir_.file("config/rodwick/language.conf"); }

    // Opens the dialog from the Help menu, lets act work it, and returns its result.
    int switchLanguage(const std::function<void(QDialog&)>& act) {
        int result = -1;
        platform_.answerModal([&](QDialog& dialog) {
            act(dialog);
            result = dialog.result();
            return result;
        });
        action("MnuLanguage")->trigger();
        return result;
    }

    static void choose(QDialog& dialog, const char* option) {
        child<QRadioButton>(dialog, option)->setChecked(true);
        child<QAbstractButton>(dialog, "LanguageOk")->click();
    }

    static QString checked(QDialog& dialog) {
        for (QRadioButton* option : dialog.findChildren<QRadioButton*>()) {
            if (option->isChecked()) return option->objectName();
        }
        return {};
    }

    QByteArray formerConfig_;
};

TEST_F(LanguageTest, EachChoiceIsKeptForTheNextStartAndSystemRemovesIt) {
    const std::pair<const char*, std::string> cases[] = {
        {"LanguageGerman", "de"},
        {"LanguageFrench", "fr"},
        {"LanguageEnglish", "en"},
        {"LanguageSystem", ""},
    };
    QString shownBefore = "LanguageSystem";
    for (const auto& [option, language] : cases) {
        SCOPED_TRACE(option);
        QString shown;
        EXPECT_EQ(switchLanguage([&](QDialog& dialog) {
                      shown = checked(dialog);
                      choose(dialog, option);
                  }),
                  QDialog::Accepted);
        // The dialog opens on the choice kept before.
        EXPECT_EQ(shown, shownBefore);
        EXPECT_EQ(readLanguageChoice(choiceFile()), language);
        shownBefore = option;
    }
    EXPECT_FALSE(fileExists(choiceFile()));
    EXPECT_EQ(dir_.names(), std::set<std::string>({"config"})) << "no settings file written";
    EXPECT_TRUE(platform_.messages().empty());
}

TEST_F(LanguageTest, CancelKeepsTheFormerChoice) {
    ASSERT_TRUE(writeLanguageChoice(choiceFile(), "fr"));
    EXPECT_EQ(switchLanguage([](QDialog& dialog) {
                  EXPECT_EQ(checked(dialog), "LanguageFrench");
                  child<QRadioButton>(dialog, "LanguageGerman")->setChecked(true);
                  child<QAbstractButton>(dialog, "LanguageCancel")->click();
              }),
              QDialog::Rejected);
    EXPECT_EQ(readLanguageChoice(choiceFile()), "fr");
}

TEST_F(LanguageTest, AFailedWriteIsSaidAndTheDialogStaysOpen) {
    // A file where the folder should be: the choice cannot be written.
    writeBytes(dir_.file("config"), "in the way");
    EXPECT_EQ(switchLanguage([this](QDialog& dialog) {
                  platform_.answerMessage(platform::Answer::Ok);
                  choose(dialog, "LanguageGerman");
                  EXPECT_NE(dialog.result(), QDialog::Accepted);
                  EXPECT_EQ(platform_.messages().size(), 1u);
                  child<QAbstractButton>(dialog, "LanguageCancel")->click();
              }),
              QDialog::Rejected);
    const std::string said = lastMessage();
    EXPECT_EQ(said.rfind("Switch Application Language | Could not keep the language in " +
                             choiceFile() + ": ",
                         0),
              0u)
        << said;
    EXPECT_NE(said.find(". The language stays as it was. | "), std::string::npos) << said;
}

TEST(LanguageDialog, TheFirstOptionNamesTheSystemsLanguageInItsOwnWords) {
    ScriptedPlatform platform;
    for (const auto& [system, caption] : {std::pair{"de", "&System language (Deutsch)"},
                                          std::pair{"fr", "&System language (Français)"},
                                          std::pair{"en", "&System language (English)"}}) {
        LanguageDialog dialog(platform, "", QString::fromLatin1(system));
        EXPECT_EQ(child<QRadioButton>(dialog, "LanguageSystem")->text(),
                  QString::fromUtf8(caption));
        EXPECT_TRUE(child<QRadioButton>(dialog, "LanguageSystem")->isChecked());
    }
}

}  // namespace
}  // namespace rodwick::testing
