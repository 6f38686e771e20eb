#include <QApplication>
#include <QLabel>
#include <QTest>
#include <memory>

#include "editing_fixture.h"
#include "fixed_lists.h"
#include "form8.h"
#include "text.h"

namespace rodwick::testing {
namespace {

// Which of Form8's optional controls show: the mode's editor.
std::string ShownEditor(const QWidget& dialog) {
    std::string shown;
    for (const char* name :
         {"ots", "ind", "putdate", "hoco", "more", "less", "LabCel", "enttext"}) {
        if (Child(dialog, name)->isVisibleTo(&dialog))
            shown += std::string(shown.empty() ? "" : " ") + name;
    }
    return shown;
}

QStringList Items(const QWidget& dialog) {
    QStringList items;
    auto* ots = Child<QComboBox>(dialog, "ots");
    for (int i = 0; i < ots->count(); ++i) items << ots->itemText(i);
    return items;
}

class QuickEditTest : public EditingTest {
  protected:
    // Record 2 of 3 shown in a window on screen, so that the labels take real mouse events.
    void SetUp() override {
        Hold(3);
        Action("MnuNext")->trigger();
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void DoubleClick(const char* label) { QTest::mouseDClick(Find<QLabel>(label), Qt::LeftButton); }
    void SingleClick(const char* label) { QTest::mouseClick(Find<QLabel>(label), Qt::LeftButton); }
    // The field of record 2, as stored and as its label shows it.
    std::string Stored(Field field) { return state.table.slot(2)[field]; }
    std::string Label(const char* label) { return Text(label).toStdString(); }
    // Form8 loaded on record 2 under a code, as the main window opens it.
    std::unique_ptr<Form8> Open(int code) {
        auto dialog = std::make_unique<Form8>(state, platform, window, code, &window);
        dialog->Form_Load();
        return dialog;
    }
};

TEST_F(QuickEditTest, EveryLabelOpensItsEditorWithItsPrompt) {
    state.settings.units = UnitNames::Metric();
    struct Row {
        const char* label;
        bool click;  // a single click opens it, not a double-click
        Field field;
        int code;           // quickEditField while it is open
        const char* opens;  // what opens, and its prompt
        const char* shown;  // Form8's editor
    };
    // clang-format off
    const Row rows[] = {
        {"obVen", false, Field::venue, 5, "Form8 Quickedit Please select new venue!", "ots"},
        {"ObType", false, Field::waterType, 3, "Form8 Quickedit Please select type of water.", "ots"},
        {"ObDay", true, Field::ticketPrice, 8, "Form8 Quickedit Please type in new ticket price.", "hoco more less"},
        {"ObClub", false, Field::club, 6, "Form8 Quickedit Please select new club", "ots"},
        {"ObWeighta", false, Field::totalWeightMajor, 0, "input Quick Edit Please type in new Total Weight in Kg:", ""},
        {"ObWeightb", false, Field::totalWeightMinor, 0, "input Quick Edit Please type in new Total Weight in g:", ""},
        {"ObWater", false, Field::waterCondition, 1, "Form8 Quickedit Please select new water conditions!", "ots"},
        {"ObWeather", false, Field::weather, 2, "Form8 Quickedit Please select new weather!", "ots"},
        {"ObTemp", false, Field::temperature, 7, "Form8 Quickedit Please select new temperature.", "hoco more less LabCel"},
        {"ObMethod", false, Field::method, 0, "input Quick Edit Please type in new Method of Fishing:", ""},
        {"ObDepthA", false, Field::depthMajor, 0, "input Quick Edit Please type in new depth in m:", ""},
        {"ObDepthB", false, Field::depthMinor, 0, "input Quick Edit Please type in new depth in cm:", ""},
        {"ObBait", false, Field::bait, 12, "Form8 Quickedit Please select new best Bait:", "ots"},
        {"ObSpec", false, Field::species, 9, "form10 Fish Selection ", ""},
        {"ObName", false, Field::bestFish, 11, "Form8 Quickedit Please select new best fish:", "ots"},
        {"ObBestA", false, Field::bestFishWeightMajor, 0, "input Quick Edit Please type in new weight in Kg:", ""},
        {"ObBestB", false, Field::bestFishWeightMinor, 0, "input Quick Edit Please type in new weight in g:", ""},
        {"ObRest", false, Field::restrictions, 14, "Form8 Quickedit Please enter new restrictions:", "enttext"},
        {"ObInfo", false, Field::remarks, 13, "Form8 Quickedit Please enter new remarks:", "enttext"},
        {"ObDat", false, Field::date, 4, "Form8 Quickedit Please type in new date.", "ind putdate"},
        {"ObTime1", false, Field::startTime, 0, "input Quick Edit Please type in new Start Time:", ""},
        {"ObTime2", false, Field::finishTime, 0, "input Quick Edit Please type in new Finish Time:", ""},
    };
    // clang-format on
    const TripRecord before = state.table.slot(2);
    const QString title = window.windowTitle();
    int code = window.quickEditField();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        // A single click on a double-click label, or the right button, opens nothing: nobody
        // would answer it.
        if (!row.click) SingleClick(row.label);
        QTest::mouseDClick(Find<QLabel>(row.label), Qt::RightButton);
        ASSERT_TRUE(platform.calls().empty());

        const QString stored = FromFileText(Stored(row.field));
        const bool input = std::string(row.opens).starts_with("input");
        std::string opened, shown;
        int during = -1;
        if (input) {
            platform.answerInput(QString());
        } else {
            platform.answerModal([&](QDialog& dialog) {
                during = window.quickEditField();
                opened = dialog.objectName().toStdString() + " " +
                         dialog.windowTitle().toStdString() + " ";
                if (auto* form8 = qobject_cast<Form8*>(&dialog)) {
                    opened += Child<QLabel>(dialog, "mess")->text().toStdString();
                    shown = ShownEditor(dialog);
                    EXPECT_EQ(form8->editorText(), stored);
                    EXPECT_EQ(dialog.pos(),
                              QPoint((1024 - dialog.width()) / 2, (768 - dialog.height()) / 2));
                } else {
                    EXPECT_EQ(BoxText(dialog, "fishsel"), stored);
                }
                return int(QDialog::Rejected);
            });
        }
        row.click ? SingleClick(row.label) : DoubleClick(row.label);

        if (input) {
            const std::vector<PlatformCall> asked = platform.callsOf("input");
            ASSERT_EQ(asked.size(), 1u);
            opened = "input " + asked[0].title.toStdString() + " " + asked[0].text.toStdString();
            EXPECT_EQ(asked[0].defaultText, stored);
        } else {
            EXPECT_EQ(during, row.code);
            // Form8's code stays set after it closes; the species picker's goes back to 0.
            code = row.code == 9 ? 0 : row.code;
        }
        EXPECT_EQ(opened, row.opens);
        EXPECT_EQ(shown, row.shown);
        EXPECT_EQ(window.quickEditField(), code);
        platform.clearCalls();
    }
    EXPECT_EQ(state.table.slot(2), before);
    // Each of the twelve Form8 modes loaded under the busy title and pointer, which went back.
    EXPECT_EQ(
        std::count(platform.busyPointerChanges.begin(), platform.busyPointerChanges.end(), true),
        12);
    ExpectPointerNormal();
    EXPECT_EQ(window.windowTitle(), title);
}

TEST_F(QuickEditTest, InputBoxStoresAnyAnswerButAnEmptyOne) {
    state.settings.units = UnitNames::Imperial();
    // The answer, and the total weight stored after it.
    const std::pair<QString, std::string> answers[] = {
        {"", "r2.4"}, {"heavy", "heavy"}, {" 12 ", " 12 "}, {"", " 12 "}, {"3\n4", "3 4"}};
    for (const auto& [answer, after] : answers) {
        platform.answerInput(answer);
        DoubleClick("ObWeighta");
        EXPECT_EQ(Stored(Field::totalWeightMajor), after);
        EXPECT_EQ(Label("ObWeighta"), after);
    }
    const std::vector<PlatformCall> asked = platform.callsOf("input");
    ASSERT_EQ(asked.size(), 5u);
    EXPECT_EQ(asked[0].text, "Please type in new Total Weight in lb:");
    EXPECT_EQ(asked[1].defaultText, "r2.4");
    EXPECT_EQ(asked[4].defaultText, " 12 ");
    EXPECT_EQ(state.table.slot(1), Tagged("r1"));
    EXPECT_EQ(state.table.slot(3), Tagged("r3"));
}

TEST_F(QuickEditTest, NumberBoxesStepWithinTheirBounds) {
    struct Case {
        int code;  // 7 temperature, 8 ticket price
        const char* stored;
        // Each step ("load", "more", "less" or a typed text) and hoco's text after it, with
        // " off" while + and - are disabled.
        std::vector<std::pair<const char*, const char*>> steps;
    };
    const Case cases[] = {
        {7, "45", {{"load", "45"}, {"more", "45"}, {"less", "44"}}},
        {7, "-10", {{"load", "-10"}, {"less", "-10"}, {"more", "-9"}}},
        {7, "20", {{"50", "50"}, {"more", "50"}, {"less", "49"}}},
        {7, "12.5", {{"load", "12"}, {"more", "13"}}},
        {7, "warm", {{"load", "warm off"}, {"more", "warm off"}, {"12", "12"}, {"less", "11"}}},
        {7, "40000", {{"load", "40000 off"}}},
        {8, "0", {{"load", "0"}, {"less", "0"}}},
        {8, "0.5", {{"less", "-0.5"}, {"less", "-0.5"}, {"more", "0.5"}}},
        {8, "2.75", {{"more", "3.75"}}},
        {8, "3.50", {{"load", "3.5"}}},
        {8, "", {{"load", " off"}, {"4", "4"}}},
    };
    for (const Case& c : cases) {
        state.table.slot(2)[Field::temperature] = state.table.slot(2)[Field::ticketPrice] =
            c.stored;
        const auto dialog = Open(c.code);
        auto* hoco = Child<QLineEdit>(*dialog, "hoco");
        for (const auto& [step, after] : c.steps) {
            const std::string name = step;
            if (name == "more" || name == "less") {
                Click(*dialog, step);
            } else if (name != "load") {
                hoco->selectAll();
                QTest::keyClicks(hoco, step);
            }
            const bool more = Child(*dialog, "more")->isEnabled();
            EXPECT_EQ(more, Child(*dialog, "less")->isEnabled());
            EXPECT_EQ(hoco->text().toStdString() + (more ? "" : " off"), after)
                << c.code << " " << c.stored << " " << step;
        }
        // Okay stores what the box shows.
        const std::string shown = hoco->text().toStdString();
        Click(*dialog, "okay");
        EXPECT_EQ(Stored(c.code == 7 ? Field::temperature : Field::ticketPrice), shown);
    }
}

TEST_F(QuickEditTest, ListsInTheirOrderOfAddingAndSuggestionsUnderThePreference) {
    const char* venues[] = {"Usk", "usk", "Wye"};
    for (int i = 1; i <= 3; ++i) state.table.slot(i)[Field::venue] = venues[i - 1];
    state.table.slot(2)[Field::waterType] = "Estuary";  // in no list
    const std::pair<int, const QStringList*> fixed[] = {{1, &WaterConditionList()},
                                                        {2, &WeatherList()},
                                                        {3, &WaterTypeList()},
                                                        {11, &SpeciesList()},
                                                        {12, &BaitList()}};
    for (const auto& [code, list] : fixed) {
        const auto dialog = Open(code);
        EXPECT_EQ(Items(*dialog), *list) << code;
        EXPECT_EQ(dialog->editorText(),
                  code == 3 ? "Estuary" : FromFileText(Stored(QuickEditRowOf(code)->field)));
    }
    EXPECT_EQ(Items(*Open(11)).first(), "Salmon");
    for (long long preference : {1, 0}) {
        state.settings.showVenuesOnEdit = preference;
        const auto venue = Open(5);
        EXPECT_EQ(Items(*venue).join('|'), preference ? "Usk|Wye" : "");
        EXPECT_EQ(venue->editorText(), "usk");
        EXPECT_EQ(Items(*Open(6)).join('|'), preference ? "r1.3|r2.3|r3.3" : "");
    }
}

TEST_F(QuickEditTest, OkayStoresEvenEmptyTextAndCancelStoresNothing) {
    // The field is changed behind the view first: the view shows it after the dialog all the
    // same, however the dialog closed.
    struct Case {
        const char* label;
        Field field;
        std::function<void(QDialog&)> work;
        const char* finish;  // "okay", "cancel", or "close" for the window's close box
        std::string after;
    };
    platform.clock = QDateTime(QDate(2026, 12, 5), QTime(23, 59));
    const Case cases[] = {
        {"ObInfo", Field::remarks, [](QDialog& d) { Type(d, "enttext", ""); }, "okay", ""},
        {"ObRest", Field::restrictions, [](QDialog& d) { Type(d, "enttext", "No keep\nnets"); },
         "okay", "No keep nets"},
        {"ObDat", Field::date, [](QDialog& d) { Click(d, "putdate"); }, "okay", "12-05-2026"},
        {"obVen", Field::venue, [](QDialog& d) { Type(d, "ots", ""); }, "okay", ""},
        {"obVen", Field::venue, [](QDialog& d) { Type(d, "ots", "Wye"); }, "cancel", "behind"},
        {"ObTemp", Field::temperature, [](QDialog& d) { Type(d, "hoco", "7"); }, "close", "behind"},
        {"ObSpec", Field::species, [](QDialog& d) { Type(d, "fishsel", "Tench, "); }, "okay",
         "Tench, "},
        {"ObSpec", Field::species, [](QDialog& d) { Type(d, "fishsel", "Rudd"); }, "cancel",
         "behind"},
    };
    for (const Case& c : cases) {
        state.table.slot(2)[c.field] = "behind";
        platform.answerModal([&](QDialog& dialog) {
            c.work(dialog);
            if (c.finish == std::string("close")) {
                dialog.close();
            } else {
                Click(dialog, c.finish);
            }
            return dialog.result();
        });
        DoubleClick(c.label);
        EXPECT_EQ(Stored(c.field), c.after) << c.label << " " << c.finish;
        EXPECT_EQ(Label(c.label), c.after) << c.label << " " << c.finish;
    }
    EXPECT_EQ(state.table.recordCount(), 3);
    EXPECT_EQ(state.table.currentRecord(), 2);
}

TEST_F(QuickEditTest, ReturnPressesOkayAndEscapeCancels) {
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        platform.answerModal([key](QDialog& dialog) {
            dialog.show();
            QApplication::setActiveWindow(&dialog);
            EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
            // The list has the focus when the dialog opens.
            auto* ots = Child<QComboBox>(dialog, "ots");
            EXPECT_EQ(QApplication::focusWidget(), ots);
            QWidget* line = ots->lineEdit();
            QTest::keyClicks(line, "Raining");
            QTest::keyClick(line, key);
            EXPECT_FALSE(dialog.isVisible());
            return dialog.result();
        });
        DoubleClick("ObWeather");
        EXPECT_EQ(Stored(Field::weather), key == Qt::Key_Return ? "Raining" : "r2.7");
    }
    EXPECT_EQ(Items(*Open(2)), WeatherList());
}

}  // namespace
}  // namespace rodwick::testing
