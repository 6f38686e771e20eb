#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include "editing_fixture.h"
#include "fixed_lists.h"
#include "form10.h"

namespace rodwick::testing {
namespace {

QStringList Items(const QWidget& editor, const char* name) {
    QStringList items;
    auto* combo = Child<QComboBox>(editor, name);
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    return items;
}

// The texts of a set of labels, or whether a set of controls is enabled ("1" or "0" each).
QString Texts(const QWidget& editor, std::initializer_list<const char*> names) {
    QStringList texts;
    for (const char* name : names) texts << Child<QLabel>(editor, name)->text();
    return texts.join(' ');
}
std::string Enabled(const QWidget& editor) {
    std::string out;
    for (const char* name : {"cless", "cmore", "less", "more"})
        out += Child(editor, name)->isEnabled() ? "1" : "0";
    return out;
}

using EditorTest = EditingTest;

TEST_F(EditorTest, AddStartsFromTheStartingTextsWithTheFixedListsAndNoSuggestions) {
    state.settings.units = UnitNames::Imperial();
    const QString title = window.windowTitle();
    Form2* editor = OpenAdd();
    ASSERT_EQ(platform.callsOf("modeless").size(), 1u);
    EXPECT_EQ(editor->windowTitle(), "Adding A Record");
    TripRecord expected;
    expected[Field::waterType] = "River";
    expected[Field::waterCondition] = "Satisfactory";
    expected[Field::weather] = "Sunny";
    expected[Field::ticketPrice] = expected[Field::temperature] = "0";
    EXPECT_EQ(Boxes(*editor), expected);
    EXPECT_EQ(Enabled(*editor), "1111");

    EXPECT_EQ(Items(*editor, "edtype"), WaterTypeList());
    EXPECT_EQ(Items(*editor, "edwater"), WaterConditionList());
    EXPECT_EQ(Items(*editor, "edweather"), WeatherList());
    EXPECT_EQ(Items(*editor, "edbait").join(','),
              "Bread,Fish/Shellfish,Flies,Maggots,Meat,Pirks/Jigs,Worms");
    const QStringList species = Items(*editor, "edname");
    ASSERT_EQ(species.size(), 36);
    for (qsizetype i = 1; i < species.size(); ++i)
        EXPECT_LT(species[i - 1].compare(species[i], Qt::CaseInsensitive), 0) << i;
    EXPECT_TRUE(Items(*editor, "edven").isEmpty() && Items(*editor, "edclub").isEmpty());
    EXPECT_EQ(
        Texts(*editor, {"Label6", "Label7", "Label14", "Label15", "Label20", "Label21", "Label11"}),
        "lb oz ft inch lb oz 'C");

    // Centred, and the busy title and pointer came and went.
    EXPECT_EQ(editor->pos(), QPoint((1024 - editor->width()) / 2, (768 - editor->height()) / 2));
    EXPECT_EQ(window.windowTitle(), title);
    EXPECT_EQ(platform.busyPointerChanges, std::vector<bool>({true, false}));

    // Every mode but edit loads and commits as an add.
    Form2 other(state, platform, window, 2, &window);
    other.Form_Load();
    EXPECT_EQ(other.windowTitle(), "Adding A Record");
    Click(other, "okay");
    EXPECT_EQ(state.table.recordCount(), 1);
}

TEST_F(EditorTest, EditShowsTheStoredTextsAndTheSmallButtonsWork) {
    Hold(10);
    state.table.setCurrentRecord(7);
    TripRecord& stored = state.table.slot(7);
    stored[Field::temperature] = "warm";
    stored[Field::ticketPrice] = "";
    stored[Field::waterType] = "Estuary";  // in no list
    const TripRecord before = stored;
    EditWith([&](Form2& editor) {
        EXPECT_EQ(editor.windowTitle(), "Editing Record 7");
        EXPECT_EQ(Boxes(editor), before);
        EXPECT_EQ(Enabled(editor), "0000");
        Type(editor, "edtemp", "12");
        EXPECT_EQ(Enabled(editor), "0011");
        Type(editor, "edday", "0.25");
        EXPECT_EQ(Enabled(editor), "1111");
        // Button, and the box's text after each click.
        // clang-format off
        const std::tuple<const char*, const char*, const char*> clicks[] = {
            {"cless", "edday", "-0.75"}, {"cless", "edday", "-0.75"}, {"cmore", "edday", "0.25"},
            {"more", "edtemp", "13"}, {"less", "edtemp", "12"}};
        // clang-format on
        for (const auto& [button, box, after] : clicks) {
            Click(editor, button);
            EXPECT_EQ(BoxText(editor, box), after) << button;
        }
        platform.clock = QDateTime(QDate(2026, 12, 5), QTime(23, 59));
        Click(editor, "today");
        EXPECT_EQ(BoxText(editor, "eddat"), "12-05-2026");
        Click(editor, "cancel");
        return editor.result();
    });
    EXPECT_EQ(state.table.slot(7), before);
}

TEST_F(EditorTest, SuggestionListsFollowThePreference) {
    Hold(3);
    const char* venues[] = {"Usk", "usk", "Wye"};
    for (int i = 1; i <= 3; ++i) state.table.slot(i)[Field::venue] = venues[i - 1];
    state.table.slot(2)[Field::club] = "";
    for (long long preference : {1, 0}) {
        state.settings.showVenuesOnEdit = preference;
        EditWith([&](Form2& editor) {
            EXPECT_EQ(Items(editor, "edven").join('|'), preference ? "Usk|Wye" : "");
            EXPECT_EQ(Items(editor, "edclub").join('|'), preference ? "r1.3||r3.3" : "");
            // Filling the lists left the record's own text in the box.
            EXPECT_EQ(BoxText(editor, "edven"), "Usk");
            return int(QDialog::Rejected);
        });
    }
}

TEST_F(EditorTest, SpeciesPickerAppendsToTheEditorBoxAndCancelLeavesIt) {
    Form2* editor = OpenAdd();
    Type(*editor, "edspec", "Pike");
    for (const char* finish : {"cancel", "okay"}) {
        platform.answerModal([finish](QDialog& dialog) {
            EXPECT_EQ(dialog.objectName() + " " + dialog.windowTitle(), "form10 Fish Selection");
            auto* fish = Child<QListWidget>(dialog, "fish");
            EXPECT_EQ(fish->count(), 36);
            EXPECT_EQ(fish->item(0)->text(), "Barbel");
            EXPECT_EQ(BoxText(dialog, "fishsel"), "Pike");
            for (const char* name : {"Carp", "Bream", "Carp"})
                emit fish->itemDoubleClicked(fish->findItems(name, Qt::MatchExactly).front());
            EXPECT_EQ(BoxText(dialog, "fishsel"), "PikeCarp, Bream, Carp, ");
            Click(dialog, finish);
            return dialog.result();
        });
        Click(*editor, "select");
    }
    EXPECT_EQ(BoxText(*editor, "edspec"), "PikeCarp, Bream, Carp, ");
    EXPECT_EQ(platform.callsOf("modal").size(), 2u);
    EXPECT_EQ(state.table.recordCount(), 0);
}

TEST_F(EditorTest, SpeciesPickerForTheCurrentRecordStoresAtOkay) {
    Hold(3);
    Action("MnuNext")->trigger();
    for (const char* finish : {"cancel", "okay"}) {
        platform.answerModal([finish](QDialog& dialog) {
            EXPECT_EQ(BoxText(dialog, "fishsel"), "r2.13");
            Type(dialog, "fishsel", "Tench\nRudd, ");
            Click(dialog, finish);
            return dialog.result();
        });
        PickSpeciesForCurrentRecord(state, platform, window, &window);
        const std::string expected = finish == std::string("okay") ? "Tench Rudd, " : "r2.13";
        EXPECT_EQ(state.table.slot(2)[Field::species], expected);
        EXPECT_EQ(Text("ObSpec").toStdString(), expected);
    }
}

class EditorKeysTest : public EditingTest {
  protected:
    // Shows the add editor for real, so that focus and keys work, with the focus in a box.
    QWidget* Focus(const char* name) {
        editor = OpenAdd();
        editor->show();
        QApplication::setActiveWindow(editor);
        EXPECT_TRUE(QTest::qWaitForWindowActive(editor));
        QWidget* box = Child(*editor, name);
        if (auto* combo = qobject_cast<QComboBox*>(box)) box = combo->lineEdit();
        box->setFocus();
        return box;
    }
    Form2* editor = nullptr;
};

TEST_F(EditorKeysTest, ReturnInALineOrAClosedListCommitsAndEscapeCancels) {
    const std::pair<const char*, Qt::Key> presses[] = {
        {"edven", Qt::Key_Return}, {"edmeth", Qt::Key_Return}, {"edweather", Qt::Key_Return},
        {"edven", Qt::Key_Escape}, {"edbait", Qt::Key_Escape}, {"edspec", Qt::Key_Escape}};
    for (const auto& [name, key] : presses) {
        QWidget* box = Focus(name);
        QTest::keyClicks(box, "Usk");
        QTest::keyClick(box, key);
        EXPECT_EQ(AddEditor(), nullptr) << name;
    }
    ASSERT_EQ(state.table.recordCount(), 3);
    EXPECT_EQ(state.table.slot(1)[Field::venue] + state.table.slot(2)[Field::method] +
                  state.table.slot(3)[Field::weather],
              "UskUskSunnyUsk");
}

TEST_F(EditorKeysTest, ReturnBreaksAMultiLineBoxAndTypedTextNeverEntersAList) {
    Hold(250);  // the commit refuses, so the editor stays open to be looked at
    QWidget* box = Focus("edspec");
    QTest::keyClicks(box, "Carp");
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, "Bream");
    EXPECT_EQ(BoxText(*editor, "edspec"), "Carp\nBream");
    QWidget* weather = Child<QComboBox>(*editor, "edweather")->lineEdit();
    weather->setFocus();
    QTest::keyClicks(weather, "Usk");
    platform.answerMessage(platform::Answer::Ok);
    QTest::keyClick(weather, Qt::Key_Return);
    ASSERT_EQ(AddEditor(), editor);
    EXPECT_EQ(Items(*editor, "edweather"), WeatherList());
}

TEST_F(EditorKeysTest, TabWalksTheBoxesThenTheButtons) {
    const std::vector<std::string> buttons = {"cancel", "okay",  "today", "less",
                                              "more",   "cless", "cmore", "select"};
    std::vector<std::string> expected(std::begin(kBoxNames), std::end(kBoxNames));
    expected.insert(expected.end(), buttons.begin(), buttons.end());
    expected.push_back("edven");
    const std::set<std::string> named(expected.begin(), expected.end());
    Focus("edven");
    std::vector<std::string> order;
    for (std::size_t step = 0; step < expected.size(); ++step) {
        QWidget* focus = QApplication::focusWidget();
        while (focus != nullptr && !named.count(focus->objectName().toStdString()))
            focus = focus->parentWidget();
        order.push_back(focus ? focus->objectName().toStdString() : "?");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order, expected);
}

}  // namespace
}  // namespace rodwick::testing
