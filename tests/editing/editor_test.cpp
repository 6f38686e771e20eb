#include <QApplication>
#include <QFontMetrics>
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

QStringList UnitLabels(const QWidget& editor) {
    QStringList texts;
    for (const char* name : {"Label6", "Label7", "Label14", "Label15", "Label20", "Label21"})
        texts << Child<QLabel>(editor, name)->text();
    return texts;
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
    ASSERT_NE(editor, nullptr);
    ASSERT_EQ(platform.callsOf("modeless").size(), 1u);
    EXPECT_EQ(editor->windowTitle(), "Adding A Record");

    TripRecord expected;
    expected[Field::waterType] = "River";
    expected[Field::ticketPrice] = "0";
    expected[Field::waterCondition] = "Satisfactory";
    expected[Field::weather] = "Sunny";
    expected[Field::temperature] = "0";
    EXPECT_EQ(Boxes(*editor), expected);
    EXPECT_EQ(Enabled(*editor), "1111");

    EXPECT_EQ(Items(*editor, "edtype"), WaterTypeList());
    EXPECT_EQ(Items(*editor, "edwater"), WaterConditionList());
    EXPECT_EQ(Items(*editor, "edweather"), WeatherList());
    EXPECT_EQ(Items(*editor, "edbait"), QStringList({"Bread", "Fish/Shellfish", "Flies", "Maggots",
                                                     "Meat", "Pirks/Jigs", "Worms"}));
    const QStringList species = Items(*editor, "edname");
    ASSERT_EQ(species.size(), 36);
    for (qsizetype i = 1; i < species.size(); ++i)
        EXPECT_LT(species[i - 1].compare(species[i], Qt::CaseInsensitive), 0) << i;
    EXPECT_TRUE(Items(*editor, "edven").isEmpty());
    EXPECT_TRUE(Items(*editor, "edclub").isEmpty());
    EXPECT_EQ(UnitLabels(*editor), QStringList({"lb", "oz", "ft", "inch", "lb", "oz"}));
    EXPECT_EQ(Child<QLabel>(*editor, "Label11")->text(), "'C");

    // Centred, and the busy title and pointer came and went.
    EXPECT_EQ(editor->pos(), QPoint((1024 - editor->width()) / 2, (768 - editor->height()) / 2));
    EXPECT_EQ(window.windowTitle(), title);
    EXPECT_EQ(platform.busyPointerChanges, std::vector<bool>({true, false}));
}

TEST_F(EditorTest, EditShowsTheStoredTextsAndNumberButtonsFollowTheText) {
    Hold(10);
    state.table.setCurrentRecord(7);
    TripRecord stored = Tagged("r7");
    stored[Field::temperature] = "warm";
    stored[Field::ticketPrice] = "";
    stored[Field::waterType] = "Estuary";  // in no list
    state.table.slot(7) = stored;
    EditWith([&](Form2& editor) {
        EXPECT_EQ(editor.windowTitle(), "Editing Record 7");
        EXPECT_EQ(Boxes(editor), stored);
        EXPECT_EQ(Enabled(editor), "0000");
        Type(editor, "edtemp", "12");
        EXPECT_EQ(Enabled(editor), "0011");
        Type(editor, "edday", "0.25");
        EXPECT_EQ(Enabled(editor), "1111");
        Click(editor, "cless");
        EXPECT_EQ(BoxText(editor, "edday"), "-0.75");
        Click(editor, "cless");
        EXPECT_EQ(BoxText(editor, "edday"), "-0.75");
        Click(editor, "cmore");
        EXPECT_EQ(BoxText(editor, "edday"), "0.25");
        Type(editor, "edtemp", "13.5");
        Click(editor, "more");
        EXPECT_EQ(BoxText(editor, "edtemp"), "15");
        Type(editor, "edtemp", "-10");
        Click(editor, "less");
        EXPECT_EQ(BoxText(editor, "edtemp"), "-10");
        platform.clock = QDateTime(QDate(2026, 12, 5), QTime(23, 59));
        Click(editor, "today");
        EXPECT_EQ(BoxText(editor, "eddat"), "12-05-2026");
        Click(editor, "cancel");
        return editor.result();
    });
    EXPECT_EQ(state.table.slot(7), stored);
}

TEST_F(EditorTest, EveryModeButOneLoadsAndCommitsAsAnAdd) {
    Hold(2);
    for (int mode : {-1, 2}) {
        Form2 editor(state, platform, window, mode, &window);
        editor.Form_Load();
        EXPECT_EQ(editor.windowTitle(), "Adding A Record");
        Click(editor, "okay");
    }
    EXPECT_EQ(state.table.recordCount(), 4);
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(EditorTest, SuggestionListsFollowThePreference) {
    Hold(3);
    const char* venues[] = {"Usk", "usk", "Wye"};
    for (int i = 1; i <= 3; ++i) state.table.slot(i)[Field::venue] = venues[i - 1];
    state.table.slot(2)[Field::club] = "";
    for (long long preference : {1, 0}) {
        state.settings.showVenuesOnEdit = preference;
        EditWith([&](Form2& editor) {
            EXPECT_EQ(Items(editor, "edven"),
                      preference ? QStringList({"Usk", "Wye"}) : QStringList());
            EXPECT_EQ(Items(editor, "edclub"),
                      preference ? QStringList({"r1.3", "", "r3.3"}) : QStringList());
            // Filling the lists left the record's own texts in the boxes.
            EXPECT_EQ(BoxText(editor, "edven"), "Usk");
            return int(QDialog::Rejected);
        });
    }
}

TEST_F(EditorTest, SpeciesPickerAppendsToTheEditorBoxAndCancelLeavesIt) {
    Form2* editor = OpenAdd();
    Type(*editor, "edspec", "Pike");
    auto pick = [&](const char* finish) {
        platform.answerModal([finish](QDialog& dialog) {
            EXPECT_EQ(dialog.objectName(), "form10");
            EXPECT_EQ(dialog.windowTitle(), "Fish Selection");
            auto* fish = Child<QListWidget>(dialog, "fish");
            EXPECT_EQ(fish->count(), 36);
            EXPECT_EQ(fish->item(0)->text(), "Barbel");
            EXPECT_EQ(Child<QPlainTextEdit>(dialog, "fishsel")->toPlainText(), "Pike");
            for (const char* name : {"Carp", "Bream", "Carp"})
                emit fish->itemDoubleClicked(fish->findItems(name, Qt::MatchExactly).front());
            EXPECT_EQ(Child<QPlainTextEdit>(dialog, "fishsel")->toPlainText(),
                      "PikeCarp, Bream, Carp, ");
            Click(dialog, finish);
            return dialog.result();
        });
        Click(*editor, "select");
    };
    pick("cancel");
    EXPECT_EQ(BoxText(*editor, "edspec"), "Pike");
    pick("okay");
    EXPECT_EQ(BoxText(*editor, "edspec"), "PikeCarp, Bream, Carp, ");
    EXPECT_EQ(state.table.recordCount(), 0);
}

TEST_F(EditorTest, SpeciesPickerForTheCurrentRecordStoresAtOkay) {
    Hold(3);
    Action("MnuNext")->trigger();
    for (const char* finish : {"cancel", "okay"}) {
        platform.answerModal([finish](QDialog& dialog) {
            EXPECT_EQ(Child<QPlainTextEdit>(dialog, "fishsel")->toPlainText(), "r2.13");
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

TEST_F(EditorKeysTest, ReturnInASingleLineBoxOrAClosedListCommits) {
    for (const char* name : {"edven", "edmeth", "edweather"}) {
        QWidget* box = Focus(name);
        QTest::keyClicks(box, "Usk");
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_EQ(AddEditor(), nullptr) << name;
    }
    ASSERT_EQ(state.table.recordCount(), 3);
    EXPECT_EQ(state.table.slot(1)[Field::venue], "Usk");
    EXPECT_EQ(state.table.slot(2)[Field::method], "Usk");
    EXPECT_EQ(state.table.slot(3)[Field::weather], "SunnyUsk");
}

TEST_F(EditorKeysTest, TypedTextNeverEntersAList) {
    Hold(250);  // the commit refuses, so the editor stays open to be looked at
    QWidget* box = Focus("edweather");
    QTest::keyClicks(box, "Usk");
    platform.answerMessage(platform::Answer::Ok);
    QTest::keyClick(box, Qt::Key_Return);
    ASSERT_NE(AddEditor(), nullptr);
    EXPECT_EQ(Items(*editor, "edweather"), WeatherList());
}

TEST_F(EditorKeysTest, ReturnInAMultiLineBoxBreaksTheLine) {
    QWidget* box = Focus("edspec");
    QTest::keyClicks(box, "Carp");
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, "Bream");
    EXPECT_EQ(BoxText(*editor, "edspec"), "Carp\nBream");
    EXPECT_NE(AddEditor(), nullptr);
}

TEST_F(EditorKeysTest, EscapeCancelsFromEveryKindOfBox) {
    for (const char* name : {"edspec", "edven", "edmeth", "edbait"}) {
        QWidget* box = Focus(name);
        QTest::keyClicks(box, "Carp");
        QTest::keyClick(box, Qt::Key_Escape);
        EXPECT_EQ(AddEditor(), nullptr) << name;
        if (AddEditor() != nullptr) Click(*AddEditor(), "cancel");
    }
    EXPECT_EQ(state.table.recordCount(), 0);
}

TEST_F(EditorKeysTest, TabWalksTheBoxesThenTheButtons) {
    Focus("edven");
    std::vector<std::string> order;
    const std::set<QString> named = [] {
        std::set<QString> names(std::begin(kBoxNames), std::end(kBoxNames));
        for (const char* b :
             {"cancel", "okay", "today", "less", "more", "cless", "cmore", "select"})
            names.insert(b);
        return names;
    }();
    for (int step = 0; step < 31; ++step) {
        QWidget* focus = QApplication::focusWidget();
        while (focus != nullptr && !named.count(focus->objectName())) focus = focus->parentWidget();
        order.push_back(focus ? focus->objectName().toStdString() : "?");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    std::vector<std::string> expected(std::begin(kBoxNames), std::end(kBoxNames));
    for (const char* b : {"cancel", "okay", "today", "less", "more", "cless", "cmore", "select"})
        expected.push_back(b);
    expected.push_back("edven");
    EXPECT_EQ(order, expected);
}

TEST_F(EditorTest, CaptionsFitAndEveryControlLiesInsideItsWindow) {
    state.settings.units = UnitNames::Imperial();
    Form2* editor = OpenAdd();
    platform.answerModal([](QDialog& picker) {
        for (QWidget* child : picker.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            EXPECT_TRUE(picker.rect().contains(child->geometry()))
                << child->objectName().toStdString();
        return int(QDialog::Rejected);
    });
    Click(*editor, "select");
    for (QWidget* child : editor->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(editor->rect().contains(child->geometry()))
            << child->objectName().toStdString();
    // Every caption and button text fits its control and the control its frame.
    for (QWidget* child : editor->findChildren<QWidget*>()) {
        QString text;
        if (auto* label = qobject_cast<QLabel*>(child)) text = label->text();
        if (auto* button = qobject_cast<QPushButton*>(child)) text = button->text() + "  ";
        if (text.isEmpty()) continue;
        EXPECT_LE(QFontMetrics(child->font()).horizontalAdvance(text), child->width())
            << child->objectName().toStdString();
        EXPECT_TRUE(child->parentWidget()->rect().contains(child->geometry()))
            << child->objectName().toStdString();
    }
}

}  // namespace
}  // namespace rodwick::testing
