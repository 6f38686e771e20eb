// SPDX-License-Identifier: GPL-3.0-or-later
// The language a start speaks, and the translators it installs for it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QString>
#include <string>

#include "field_texts.h"
#include "language_choice.h"
#include "rodwick_test/scripted_platform.h"
#include "rodwick_test/store_test_util.h"
#include "translation.h"

namespace rodwick::testing {
namespace {

QString helpEntry() {
    return QCoreApplication::translate("HelpMenu", "Switch Application &Language...");
}
// A text of Qt's own, on the standard dialogs' buttons.
QString qtCancel() {
    return QCoreApplication::translate("QPlatformTheme", "Cancel");
}

class TranslationTest : public ::testing::Test {
  protected:
    ~TranslationTest() override { installTranslations(QStringLiteral("en")); }
};

TEST_F(TranslationTest, TheChoiceKeptIsTheNextStartsLanguage) {
    TempDir dir;
    const QString file = QString::fromStdString(dir.file("rodwick/language.conf"));
    const QStringList german = {"de-DE", "de"};
    EXPECT_EQ(startLanguage(file, german), "de");
    EXPECT_EQ(startLanguage(file, {"nl-NL"}), "en");
    ASSERT_TRUE(writeLanguageChoice(file.toStdString(), "fr"));
    EXPECT_EQ(startLanguage(file, german), "fr");
    ASSERT_TRUE(writeLanguageChoice(file.toStdString(), "en"));
    EXPECT_EQ(startLanguage(file, german), "en");
    ASSERT_TRUE(writeLanguageChoice(file.toStdString(), ""));
    EXPECT_EQ(startLanguage(file, german), "de");
    writeBytes(file.toStdString(), "language=de-CH\n");
    EXPECT_EQ(startLanguage(file, {"fr-BE"}), "fr");
}

TEST_F(TranslationTest, EachLanguageInstallsTheProgramsAndQtsTranslations) {
    struct Case {
        const char* language;
        QString entry;
        QString cancel;
    };
    const Case cases[] = {
        {"de", QStringLiteral("Anwendungs&sprache wechseln..."), QStringLiteral("Abbrechen")},
        {"fr", QStringLiteral("Changer la &langue de l'application..."), QStringLiteral("Annuler")},
        // English takes every translator out again: the source texts show.
        {"en", QStringLiteral("Switch Application &Language..."), QStringLiteral("Cancel")},
        {"de", QStringLiteral("Anwendungs&sprache wechseln..."), QStringLiteral("Abbrechen")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        EXPECT_TRUE(installTranslations(QString::fromLatin1(c.language)));
        EXPECT_EQ(helpEntry(), c.entry);
        EXPECT_EQ(qtCancel(), c.cancel);
    }
    EXPECT_FALSE(installTranslations(QStringLiteral("nl")));
    EXPECT_EQ(helpEntry(), QStringLiteral("Switch Application &Language..."));
}

// Each language's own plural rule, English's among them: French counts no trip as one.
TEST_F(TranslationTest, CountsTakeEachLanguagesPluralForms) {
    struct Case {
        const char* language;
        int count;
        QString text;
    };
    const Case cases[] = {
        {"en", 0, QStringLiteral("0 blank trips")},  {"en", 1, QStringLiteral("1 blank trip")},
        {"en", 2, QStringLiteral("2 blank trips")},  {"de", 0, QStringLiteral("0 Schneidertage")},
        {"de", 1, QStringLiteral("1 Schneidertag")}, {"de", 21, QStringLiteral("21 Schneidertage")},
        {"fr", 0, QStringLiteral("0 bredouille")},   {"fr", 1, QStringLiteral("1 bredouille")},
        {"fr", 2, QStringLiteral("2 bredouilles")},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(installTranslations(QString::fromLatin1(c.language)));
        EXPECT_EQ(QCoreApplication::translate("rodwick::trips::TripListWindow", "%n blank trip(s)",
                                              nullptr, c.count),
                  c.text)
            << c.language << " " << c.count;
    }
}

// The field table's texts, marked in the store, come out in the windows' language; a heading
// drops the colon with the blank French puts before it.
TEST_F(TranslationTest, TheFieldsTextsFollowTheLanguage) {
    const UnitNames pounds = UnitNames::imperial();
    struct Case {
        const char* language;
        QString caption, editor, prompt, heading;
    };
    const Case cases[] = {
        {"en", "Venue:", "Finish Time:", "Please type in new weight in ", "Best Fish Weight (lb)"},
        {"de", "Gewässer:", "Endzeit:", "Bitte neues Gewicht eingeben in ",
         "Gewicht bester Fisch (lb)"},
        {"fr", "Lieu :", "Heure de fin :", "Veuillez saisir le nouveau poids en ",
         "Poids du plus gros poisson (lb)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        ASSERT_TRUE(installTranslations(QString::fromLatin1(c.language)));
        EXPECT_EQ(fieldCaption(Field::Venue), c.caption);
        EXPECT_EQ(fieldEditorCaption(Field::FinishTime), c.editor);
        EXPECT_EQ(fieldPrompt(Field::BestFishWeightMajor), c.prompt);
        EXPECT_EQ(fieldHeadingText(Field::BestFishWeightMajor, pounds), c.heading);
        EXPECT_EQ(fieldEditorCaption(Field::TotalWeightMinor), QString())
            << "a minor part has none";
    }
}

}  // namespace
}  // namespace rodwick::testing
