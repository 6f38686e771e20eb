// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLabel>
#include <QListWidget>

#include "rodwick_test/editing_fixture.h"

namespace rodwick::testing {
namespace {

// Whether the price's and the temperature's - and + are enabled, "1" or "0" each.
std::string enabledOf(const QWidget& editor) {
    std::string out;
    for (const char* name : {"cless", "cmore", "less", "more"})
        out += child(editor, name)->isEnabled() ? "1" : "0";
    return out;
}

using EditorTest = EditingTest;

TEST_F(EditorTest, AddStartsFromTheStartingTextsWithTheFixedListsAndNoSuggestions) {
    changeSettings(book_, [&](Settings& s) { s.units = UnitNames::imperial(); });
    const QString title = window_.windowTitle();
    RecordEditor* editor = openAdd();
    EXPECT_EQ(platform_.modelessShown, std::vector<QWidget*>{editor});
    EXPECT_EQ(editor->windowTitle(), "Adding A Record");
    TripRecord expected;
    expected[Field::WaterType] = "River";
    expected[Field::WaterCondition] = "Satisfactory";
    expected[Field::Weather] = "Sunny";
    expected[Field::TicketPrice] = expected[Field::Temperature] = "0";
    EXPECT_EQ(boxes(*editor), expected);
    EXPECT_EQ(enabledOf(*editor), "1111");

    EXPECT_EQ(items(*editor, "edbait").join(','),
              "Bread,Fish/Shellfish,Flies,Maggots,Meat,Pirks/Jigs,Worms");
    QStringList species = speciesList();
    species.sort(Qt::CaseInsensitive);
    EXPECT_EQ(items(*editor, "edname"), species);
    EXPECT_TRUE(items(*editor, "edven").isEmpty() && items(*editor, "edclub").isEmpty());
    QStringList units;
    for (const char* name :
         {"Label6", "Label7", "Label14", "Label15", "Label20", "Label21", "Label11"})
        units << child<QLabel>(*editor, name)->text();
    EXPECT_EQ(units.join(' '), "lb oz ft inch lb oz 'C");

    // The busy title and pointer came and went.
    EXPECT_EQ(window_.windowTitle(), title);
    EXPECT_EQ(platform_.busyPointerChanges, std::vector<bool>({true, false}));
}

TEST_F(EditorTest, EditShowsTheStoredTextsAndTheSmallButtonsWork) {
    hold(10, 7);
    setText(book_, 7, Field::Temperature, "warm");
    setText(book_, 7, Field::TicketPrice, "");
    setText(book_, 7, Field::WaterType, "Estuary");  // in no list
    const TripRecord before = book_.table().slot(7);
    platform_.clock = QDateTime(QDate(2026, 12, 5), QTime(23, 59));
    editWith([&](RecordEditor& editor) {
        EXPECT_EQ(editor.windowTitle(), "Editing Record 7");
        EXPECT_EQ(boxes(editor), before);
        EXPECT_EQ(enabledOf(editor), "0000");
        // A button clicked (none: the text typed into the box), the box's text and the
        // buttons enabled afterwards.
        // clang-format off
        const std::tuple<const char*, const char*, const char*, const char*> steps[] = {
            {nullptr, "edtemp", "12", "0011"}, {nullptr, "edday", "0.25", "1111"},
            {"cless", "edday", "-0.75", "1111"}, {"cless", "edday", "-0.75", "1111"},
            {"cmore", "edday", "0.25", "1111"}, {"more", "edtemp", "13", "1111"},
            {"less", "edtemp", "12", "1111"}, {"today", "eddat", "12-05-2026", "1111"}};
        // clang-format on
        for (const auto& [button, box, text, enabled] : steps) {
            button ? click(editor, button) : type(editor, box, text);
            EXPECT_EQ(boxText(editor, box) + " " + enabledOf(editor).c_str(),
                      QString(text) + " " + enabled);
        }
        click(editor, "cancel");
    });
    EXPECT_EQ(book_.table().slot(7), before);
}

TEST_F(EditorTest, SpeciesPickerAppendsToTheEditorBoxAndCancelLeavesIt) {
    RecordEditor* editor = openAdd();
    type(*editor, "edspec", "Pike");
    for (const char* finish : {"cancel", "okay"}) {
        platform_.answerModal([finish](QDialog& dialog) {
            auto* fish = child<QListWidget>(dialog, "fish");
            EXPECT_EQ(fish->count(), 36);
            EXPECT_EQ(fish->item(0)->text(), "Barbel");
            EXPECT_EQ(boxText(dialog, "fishsel"), "Pike");
            dialog.show();
            for (const char* name : {"Carp", "Bream", "Carp"}) {
                const QRect row = fish->visualItemRect(fish->findItems(name, Qt::MatchExactly)[0]);
                QTest::mouseClick(fish->viewport(), Qt::LeftButton, {}, row.center());
                QTest::mouseDClick(fish->viewport(), Qt::LeftButton, {}, row.center());
            }
            EXPECT_EQ(boxText(dialog, "fishsel"), "PikeCarp, Bream, Carp, ");
            click(dialog, finish);
            return dialog.result();
        });
        click(*editor, "select");
    }
    EXPECT_EQ(boxText(*editor, "edspec"), "PikeCarp, Bream, Carp, ");
    EXPECT_EQ(book_.table().recordCount(), 0);
}

using EditorKeysTest = EditingTest;

TEST_F(EditorKeysTest, ReturnInALineOrAClosedListCommitsAndEscapeCancels) {
    const std::pair<const char*, Qt::Key> presses[] = {
        {"edven", Qt::Key_Return}, {"edmeth", Qt::Key_Return}, {"edweather", Qt::Key_Return},
        {"edven", Qt::Key_Escape}, {"edbait", Qt::Key_Escape}, {"edspec", Qt::Key_Escape}};
    for (const auto& [name, key] : presses) {
        typeAndPress(*openAdd(), "Usk", key, name);
        EXPECT_EQ(addEditor(), nullptr) << name;
    }
    ASSERT_EQ(book_.table().recordCount(), 3);
    EXPECT_EQ(heldTrips()[0][Field::Venue] + heldTrips()[1][Field::Method] +
                  heldTrips()[2][Field::Weather],
              "UskUskSunnyUsk");
}

TEST_F(EditorKeysTest, ReturnBreaksAMultiLineBoxAndTypedTextNeverEntersAList) {
    hold(250);  // the commit refuses, so the editor stays open to be looked at
    RecordEditor* editor = openAdd();
    QTest::keyClicks(typeAndPress(*editor, "Carp", Qt::Key_Return, "edspec"), "Bream");
    EXPECT_EQ(boxText(*editor, "edspec"), "Carp\nBream");
    platform_.answerMessage(platform::Answer::Ok);
    typeAndPress(*editor, "Usk", Qt::Key_Return, "edweather");
    ASSERT_EQ(addEditor(), editor);
    EXPECT_EQ(items(*editor, "edweather"), weatherList());
}

}  // namespace
}  // namespace rodwick::testing
