// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's texts that change with what the user does, in each language: Undo and Redo
// naming their step (kept in English in the history), the record's place, the title, and the
// counts of a merge; and the same texts under English as they have always been.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <string>
#include <vector>

#include "editing_area.h"
#include "main_window.h"
#include "record_book.h"
#include "rodwick_test/scripted_platform.h"
#include "rodwick_test/store_test_util.h"
#include "translation.h"

namespace rodwick::testing {
namespace {

class TranslatedMainWindow : public ::testing::Test {
  protected:
    ~TranslatedMainWindow() override { installTranslations(QStringLiteral("en")); }
};

TEST_F(TranslatedMainWindow, StepsAreShownInTheLanguageWithTheirCounts) {
    struct Case {
        const char* language;
        std::string step;
        QString shown;
    };
    const std::vector<Case> cases = {
        {"en", "Delete", "Delete"},
        {"en", "Import of 1 Trip", "Import of 1 Trip"},
        {"en", "Import of 12 Trips", "Import of 12 Trips"},
        {"en", "Merge of Conflicted Copy", "Merge of Conflicted Copy"},
        {"de", "Delete", "Löschen"},
        {"de", "Remove Photo", "Foto entfernen"},
        {"de", "Import of 1 Trip", "Import von 1 Angeltag"},
        {"de", "Import of 12 Trips", "Import von 12 Angeltagen"},
        {"fr", "Reload", "Rechargement"},
        {"fr", "Import of 1 Trip", "Importation de 1 sortie"},
        {"fr", "Import of 0 Trips", "Importation de 0 sortie"},
        // A step no table knows, or a count that does not read, is shown as the book names it.
        {"de", "Sorting", "Sorting"},
        {"de", "Import of many Trips", "Import of many Trips"},
        {"de", "Import of 3 Fish", "Import of 3 Fish"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(installTranslations(QString::fromLatin1(c.language)));
        EXPECT_EQ(stepCaption(c.step), c.shown) << c.language << ": " << c.step;
    }
}

TEST_F(TranslatedMainWindow, TheWindowFollowsTheLanguageItWasBuiltIn) {
    struct Case {
        const char* language;
        QString undo;
        QString redo;
        QString place;
        QString title;
        QString newButton;  // a toolbar picture's name, read by screen readers
    };
    const std::vector<Case> cases = {
        {"en", "&Undo Delete", "&Redo", "Record 1 of 2", "Rodwick DB: Untitled", "New Database"},
        {"de", "&Rückgängig: Löschen", "&Wiederholen", "Angeltag 1 von 2", "Rodwick DB: Unbenannt",
         "Neues Fangbuch"},
        {"fr", "A&nnuler : Suppression", "&Rétablir", "Sortie 1 sur 2", "Rodwick DB : Sans titre",
         "Nouveau carnet"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(installTranslations(QString::fromLatin1(c.language)));
        RecordBook book;
        ScriptedPlatform platform;
        MainWindow window(book, platform);
        ASSERT_TRUE(book.replaceRecords(trips(1, 3)).ok());
        ASSERT_TRUE(book.show(3));
        ASSERT_TRUE(book.deleteCurrent().ok());
        EXPECT_EQ(window.findChild<QAction*>("MnuUndo")->text(), c.undo) << c.language;
        EXPECT_EQ(window.findChild<QAction*>("MnuRedo")->text(), c.redo) << c.language;
        EXPECT_EQ(window.findChild<QLabel*>("total")->text(), c.place) << c.language;
        EXPECT_EQ(window.windowTitle(), c.title) << c.language;
        EXPECT_EQ(window.findChild<QWidget*>("ButNew")->accessibleName(), c.newButton)
            << c.language;
    }
}

}  // namespace
}  // namespace rodwick::testing
