#include "editing_fixture.h"

namespace rodwick::testing {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::DefaultButton;
using platform::Icon;

const std::string kLimit =
    Describe("Too Many Records!!",
             "Sorry, but only 250 records are allowed in one file. Please open another file!",
             Buttons::Ok, Icon::None);
const std::string kChange = Describe("Edit", "Really change the current record?", Buttons::YesNo,
                                     Icon::Exclamation, DefaultButton::Second);

class CommitTest : public EditingTest {
  protected:
    // Adds trip tag through the add editor; true when the editor closed.
    bool Add(const std::string& tag) {
        Form2* editor = OpenAdd();
        if (editor == nullptr) return false;
        TypeRecord(*editor, Tagged(tag));
        Click(*editor, "okay");
        return AddEditor() == nullptr;
    }
    std::vector<TripRecord> Held() {
        std::vector<TripRecord> held;
        for (int i = 1; i <= state.table.recordCount(); ++i) held.push_back(state.table.slot(i));
        return held;
    }
};

TEST_F(CommitTest, AddIntoTheEmptyTableShowsItAsRecordOne) {
    ASSERT_TRUE(Add("r1"));
    EXPECT_EQ(Shown(), Showing(1, 1));
    EXPECT_EQ(Area(), "panel");
    EXPECT_TRUE(Action("MnuDup")->isEnabled());
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(CommitTest, AddKeepsTheShownRecordAndStopsAtTheLimit) {
    Hold(249);
    state.table.setCurrentRecord(3);
    ASSERT_TRUE(Add("r250"));
    EXPECT_EQ(Shown(), Showing(3, 250));
    EXPECT_EQ(Held(), Trips(1, 250));

    // The 251st is refused at Okay; the editor stays open with what was typed.
    Form2* editor = OpenAdd();
    TypeRecord(*editor, Tagged("r251"));
    platform.answerMessage(Answer::Ok);
    Click(*editor, "okay");
    EXPECT_EQ(LastMessage(), kLimit);
    ASSERT_EQ(AddEditor(), editor);
    EXPECT_EQ(Boxes(*editor), Tagged("r251"));
    EXPECT_EQ(Held(), Trips(1, 250));
    Click(*editor, "cancel");
    EXPECT_EQ(AddEditor(), nullptr);
    EXPECT_EQ(Shown(), Showing(3, 250));
}

TEST_F(CommitTest, AddWhileRecordThreeOfTenIsShown) {
    Hold(10);
    Action("MnuNext")->trigger();
    Action("MnuNext")->trigger();
    ASSERT_TRUE(Add("r11"));
    EXPECT_EQ(Shown(), Showing(3, 11));
    EXPECT_EQ(Held(), Trips(1, 11));
}

TEST_F(CommitTest, EditAsksAndNoKeepsTheEditorOpenWhileYesStores) {
    for (int count : {10, 250}) {
        Hold(count);
        Action("MnuLast")->trigger();
        EditWith([&](Form2& editor) {
            const std::string& closed = Watch(editor);
            TypeRecord(editor, Tagged("new"));
            platform.answerMessage(Answer::No);
            Click(editor, "okay");
            EXPECT_EQ(LastMessage(), kChange);
            EXPECT_EQ(closed, "");
            EXPECT_EQ(Held(), Trips(1, count));
            platform.answerMessage(Answer::Yes);
            Click(editor, "okay");
            EXPECT_EQ(closed, "accepted");
            return editor.result();
        });
        std::vector<TripRecord> expected = Trips(1, count - 1);
        expected.push_back(Tagged("new"));
        EXPECT_EQ(Held(), expected);
        EXPECT_EQ(Text("total").toStdString(),
                  "Record " + std::to_string(count) + " of " + std::to_string(count));
        EXPECT_EQ(Text("obVen"), "new.0");
    }
}

TEST_F(CommitTest, BoxesAreStoredAsTheyStandButLineBreaksBecomeBlanks) {
    Hold(2);
    Form2* editor = OpenAdd();
    for (const char* name : kBoxNames) Type(*editor, name, "");
    Type(*editor, "edwa", "3.5");
    Type(*editor, "edtemp", " warm ");
    Type(*editor, "edspec", "Carp,\nBream");
    Type(*editor, "edinfo", "Windy\r\nwet");
    Type(*editor, "edven", QString(40000, 'x'));
    Click(*editor, "okay");
    TripRecord expected;
    expected[Field::totalWeightMajor] = "3.5";
    expected[Field::temperature] = " warm ";
    expected[Field::species] = "Carp, Bream";
    expected[Field::remarks] = "Windy wet";
    expected[Field::venue] = std::string(40000, 'x');
    EXPECT_EQ(state.table.slot(3), expected);
}

TEST_F(CommitTest, ModelessAddCommitsIntoTheTableOfTheMomentOfOkay) {
    const std::string other = WriteDatabase("other.rwk", 21, 22);
    // What happens while the editor is open, and what the table is after Okay.
    const std::vector<std::pair<std::function<void()>, std::vector<int>>> cases = {
        {[&] {
             platform.answerMessage(Answer::Yes);
             Action("MnuDel")->trigger();  // record 3 of 5
         },
         {1, 2, 4, 5, 99}},
        {[&] {
             platform.answerOpenDialog(QString::fromStdString(other));
             Action("MnuOpen")->trigger();
         },
         {21, 22, 99}},
        {[&] {
             platform.answerMessage(Answer::Yes);
             Action("MnuNew")->trigger();
         },
         {99}},
    };
    for (const auto& [meanwhile, trips] : cases) {
        Hold(5);
        state.table.setCurrentRecord(3);
        Form2* editor = OpenAdd();
        TypeRecord(*editor, Tagged("r99"));
        meanwhile();
        Click(*editor, "okay");
        std::vector<TripRecord> expected;
        for (int trip : trips) expected.push_back(Tagged("r" + std::to_string(trip)));
        EXPECT_EQ(Held(), expected);
        EXPECT_EQ(Area(), "panel");
        EXPECT_EQ(Shown(), Showing(1, static_cast<int>(trips.size()), trips.front()));
    }
}

TEST_F(CommitTest, DeleteAsksAndShowsRecordOne) {
    struct Case {
        int count, current;
        Answer answer;
        std::vector<int> left;
    };
    const Case cases[] = {{4, 2, Answer::Yes, {1, 3, 4}},
                          {4, 4, Answer::Yes, {1, 2, 3}},
                          {4, 3, Answer::No, {1, 2, 3, 4}},
                          {1, 1, Answer::Yes, {}}};
    for (const Case& c : cases) {
        Hold(c.count);
        state.table.setCurrentRecord(c.current);
        window.ShowCurrentRecord();
        platform.answerMessage(c.answer);
        Action("MnuDel")->trigger();
        EXPECT_EQ(LastMessage(),
                  Describe("Delete", "Really delete the current record?", Buttons::YesNo,
                           Icon::Exclamation, DefaultButton::Second));
        std::vector<TripRecord> expected;
        for (int trip : c.left) expected.push_back(Tagged("r" + std::to_string(trip)));
        EXPECT_EQ(Held(), expected);
        const int shown = c.answer == Answer::No ? c.current : 1;
        if (c.left.empty()) {
            EXPECT_EQ(Text("total"), "Record 0 of 0");
            EXPECT_EQ(state.table.currentRecord(), 0);
            EXPECT_EQ(Area(), "notice");
            EXPECT_FALSE(Action("MnuEdit")->isEnabled());
        } else {
            EXPECT_EQ(Shown(), Showing(shown, static_cast<int>(c.left.size()), c.left[shown - 1]));
        }
    }
}

TEST_F(CommitTest, DuplicateAppendsACopyAndYesEditsIt) {
    const std::string question =
        Describe("Edit", "Do you want to edit this new occurance now?", Buttons::YesNoCancel,
                 Icon::Question, DefaultButton::First);
    for (Answer answer : {Answer::Cancel, Answer::No, Answer::Yes}) {
        Hold(3);
        Action("MnuNext")->trigger();
        platform.answerMessage(answer);
        if (answer == Answer::Yes) {
            platform.answerModal([](QDialog& editor) {
                EXPECT_EQ(editor.windowTitle(), "Editing Record 4");
                EXPECT_EQ(Boxes(editor), Tagged("r2"));
                Click(editor, "cancel");
                return editor.result();
            });
        }
        Action("MnuDup")->trigger();
        EXPECT_EQ(LastMessage(), question);
        std::vector<TripRecord> expected = Trips(1, 3);
        if (answer != Answer::Cancel) expected.push_back(Tagged("r2"));
        EXPECT_EQ(Held(), expected);
        const int shown = answer == Answer::Yes ? 4 : 2;
        EXPECT_EQ(Shown(), Showing(shown, static_cast<int>(expected.size()), 2));
    }
    // After the copy a delete still shows record 1.
    platform.answerMessage(Answer::Yes);
    Action("MnuDel")->trigger();
    EXPECT_EQ(Shown(), Showing(1, 3));
}

TEST_F(CommitTest, DuplicateRefusesAtTheLimitBeforeAsking) {
    Hold(250);
    Action("MnuNext")->trigger();
    platform.answerMessage(Answer::Ok);
    Action("MnuDup")->trigger();
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(LastMessage(), kLimit);
    EXPECT_EQ(Held(), Trips(1, 250));
    EXPECT_EQ(Shown(), Showing(2, 250));
}

TEST_F(CommitTest, WhileTheAddEditorIsOpenAddEditAndDuplicateBringItToTheFront) {
    Hold(3);
    Form2* editor = OpenAdd();
    Action("MnuAdd")->trigger();
    Action("MnuEdit")->trigger();
    Action("MnuDup")->trigger();
    EXPECT_EQ(platform.modelessShown, std::vector<QWidget*>(4, editor));
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_TRUE(platform.callsOf("modal").empty());
    EXPECT_EQ(window.editCommands().editorMode(), kEditorAdd);
    EXPECT_EQ(Held(), Trips(1, 3));
    // Once it is closed, Edit opens its own editor again.
    Click(*editor, "cancel");
    EditWith([](Form2& edit) { return edit.editorMode() == kEditorEdit ? 0 : 1; });
    EXPECT_EQ(window.editCommands().editorMode(), kEditorEdit);
}

}  // namespace
}  // namespace rodwick::testing
