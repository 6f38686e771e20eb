#include <QLabel>
#include <QListWidget>

#include "rodwick_test/editing_fixture.h"

namespace rodwick::testing {
namespace {

// Whether the price's and the temperature's - and + are enabled, "1" or "0" each.
std::string Enabled(const QWidget& editor) {
    std::string out;
    for (const char* name : {"cless", "cmore", "less", "more"})
        out += Child(editor, name)->isEnabled() ? "1" : "0";
    return out;
}

using EditorTest = EditingTest;

TEST_F(EditorTest, AddStartsFromTheStartingTextsWithTheFixedListsAndNoSuggestions) {
    ChangeSettings(book, [&](Settings& s) { s.units = UnitNames::Imperial(); });
    const QString title = window.windowTitle();
    RecordEditor* editor = OpenAdd();
    EXPECT_EQ(platform.modelessShown, std::vector<QWidget*>{editor});
    EXPECT_EQ(editor->windowTitle(), "Adding A Record");
    TripRecord expected;
    expected[Field::waterType] = "River";
    expected[Field::waterCondition] = "Satisfactory";
    expected[Field::weather] = "Sunny";
    expected[Field::ticketPrice] = expected[Field::temperature] = "0";
    EXPECT_EQ(Boxes(*editor), expected);
    EXPECT_EQ(Enabled(*editor), "1111");

    EXPECT_EQ(Items(*editor, "edbait").join(','),
              "Bread,Fish/Shellfish,Flies,Maggots,Meat,Pirks/Jigs,Worms");
    QStringList species = SpeciesList();
    species.sort(Qt::CaseInsensitive);
    EXPECT_EQ(Items(*editor, "edname"), species);
    EXPECT_TRUE(Items(*editor, "edven").isEmpty() && Items(*editor, "edclub").isEmpty());
    QStringList units;
    for (const char* name :
         {"Label6", "Label7", "Label14", "Label15", "Label20", "Label21", "Label11"})
        units << Child<QLabel>(*editor, name)->text();
    EXPECT_EQ(units.join(' '), "lb oz ft inch lb oz 'C");

    // The busy title and pointer came and went.
    EXPECT_EQ(window.windowTitle(), title);
    EXPECT_EQ(platform.busyPointerChanges, std::vector<bool>({true, false}));
}

TEST_F(EditorTest, EditShowsTheStoredTextsAndTheSmallButtonsWork) {
    Hold(10, 7);
    SetText(book, 7, Field::temperature, "warm");
    SetText(book, 7, Field::ticketPrice, "");
    SetText(book, 7, Field::waterType, "Estuary");  // in no list
    const TripRecord before = book.table().slot(7);
    platform.clock = QDateTime(QDate(2026, 12, 5), QTime(23, 59));
    EditWith([&](RecordEditor& editor) {
        EXPECT_EQ(editor.windowTitle(), "Editing Record 7");
        EXPECT_EQ(Boxes(editor), before);
        EXPECT_EQ(Enabled(editor), "0000");
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
            button ? Click(editor, button) : Type(editor, box, text);
            EXPECT_EQ(BoxText(editor, box) + " " + Enabled(editor).c_str(),
                      QString(text) + " " + enabled);
        }
        Click(editor, "cancel");
    });
    EXPECT_EQ(book.table().slot(7), before);
}

TEST_F(EditorTest, SpeciesPickerAppendsToTheEditorBoxAndCancelLeavesIt) {
    RecordEditor* editor = OpenAdd();
    Type(*editor, "edspec", "Pike");
    for (const char* finish : {"cancel", "okay"}) {
        platform.answerModal([finish](QDialog& dialog) {
            auto* fish = Child<QListWidget>(dialog, "fish");
            EXPECT_EQ(fish->count(), 36);
            EXPECT_EQ(fish->item(0)->text(), "Barbel");
            EXPECT_EQ(BoxText(dialog, "fishsel"), "Pike");
            dialog.show();
            for (const char* name : {"Carp", "Bream", "Carp"}) {
                const QRect row = fish->visualItemRect(fish->findItems(name, Qt::MatchExactly)[0]);
                QTest::mouseClick(fish->viewport(), Qt::LeftButton, {}, row.center());
                QTest::mouseDClick(fish->viewport(), Qt::LeftButton, {}, row.center());
            }
            EXPECT_EQ(BoxText(dialog, "fishsel"), "PikeCarp, Bream, Carp, ");
            Click(dialog, finish);
            return dialog.result();
        });
        Click(*editor, "select");
    }
    EXPECT_EQ(BoxText(*editor, "edspec"), "PikeCarp, Bream, Carp, ");
    EXPECT_EQ(book.table().recordCount(), 0);
}

using EditorKeysTest = EditingTest;

TEST_F(EditorKeysTest, ReturnInALineOrAClosedListCommitsAndEscapeCancels) {
    const std::pair<const char*, Qt::Key> presses[] = {
        {"edven", Qt::Key_Return}, {"edmeth", Qt::Key_Return}, {"edweather", Qt::Key_Return},
        {"edven", Qt::Key_Escape}, {"edbait", Qt::Key_Escape}, {"edspec", Qt::Key_Escape}};
    for (const auto& [name, key] : presses) {
        TypeAndPress(*OpenAdd(), "Usk", key, name);
        EXPECT_EQ(AddEditor(), nullptr) << name;
    }
    ASSERT_EQ(book.table().recordCount(), 3);
    EXPECT_EQ(Held()[0][Field::venue] + Held()[1][Field::method] + Held()[2][Field::weather],
              "UskUskSunnyUsk");
}

TEST_F(EditorKeysTest, ReturnBreaksAMultiLineBoxAndTypedTextNeverEntersAList) {
    Hold(250);  // the commit refuses, so the editor stays open to be looked at
    RecordEditor* editor = OpenAdd();
    QTest::keyClicks(TypeAndPress(*editor, "Carp", Qt::Key_Return, "edspec"), "Bream");
    EXPECT_EQ(BoxText(*editor, "edspec"), "Carp\nBream");
    platform.answerMessage(platform::Answer::Ok);
    TypeAndPress(*editor, "Usk", Qt::Key_Return, "edweather");
    ASSERT_EQ(AddEditor(), editor);
    EXPECT_EQ(Items(*editor, "edweather"), WeatherList());
}

}  // namespace
}  // namespace rodwick::testing
