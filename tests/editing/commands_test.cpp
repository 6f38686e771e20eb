#include <QSignalSpy>

#include "rodwick_test/editing_fixture.h"

namespace rodwick::testing {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::DefaultButton;
using platform::Icon;

const std::string kLimit =
    Describe({"Sorry, but only 250 records are allowed in one file. Please open another file!",
              "Too Many Records!!", Buttons::Ok, Icon::None});

std::vector<TripRecord> TripsNumbered(const std::vector<int>& numbers) {
    std::vector<TripRecord> trips;
    for (int n : numbers) trips.push_back(Tagged("r" + std::to_string(n)));
    return trips;
}

using CommitTest = EditingTest;

TEST_F(CommitTest, AddAppendsAndKeepsTheShownRecord) {
    // Records held, the one shown; the view afterwards shows that one (record 1 when empty).
    for (auto [held, current] : {std::pair{0, 0}, {10, 3}, {249, 3}}) {
        Hold(held, current);
        RecordEditor* editor = OpenAdd();
        TypeRecord(*editor, Tagged("r" + std::to_string(held + 1)));
        Click(*editor, "okay");
        EXPECT_EQ(AddEditor(), nullptr);
        EXPECT_EQ(Held(), Trips(1, held + 1));
        EXPECT_EQ(Shown() + Area(), Showing({std::max(current, 1), held + 1}) + "panel");
        EXPECT_TRUE(Action("MnuDup")->isEnabled());
    }

    // The 251st is refused at Okay; the editor stays open with what was typed, until Cancel.
    RecordEditor* editor = OpenAdd();
    TypeRecord(*editor, Tagged("r251"));
    platform.answerMessage(Answer::Ok);
    Click(*editor, "okay");
    EXPECT_EQ(LastMessage(), kLimit);
    ASSERT_EQ(AddEditor(), editor);
    EXPECT_EQ(Boxes(*editor), Tagged("r251"));
    Click(*editor, "cancel");
    EXPECT_EQ(AddEditor(), nullptr);
    EXPECT_EQ(Held(), Trips(1, 250));
}

TEST_F(CommitTest, EditAsksAndNoKeepsTheEditorOpenWhileYesStores) {
    for (int count : {10, 250}) {
        Hold(count, count);
        EditWith([&](RecordEditor& editor) {
            QSignalSpy finished(&editor, &QDialog::finished);
            TypeRecord(editor, Tagged("r99"));
            platform.answerMessage(Answer::No);
            Click(editor, "okay");
            EXPECT_EQ(LastMessage(),
                      Describe({"Really change the current record?", "Edit", Buttons::YesNo,
                                Icon::Exclamation, DefaultButton::Second}));
            EXPECT_EQ(finished.size(), 0);
            EXPECT_EQ(Held(), Trips(1, count));
            platform.answerMessage(Answer::Yes);
            Click(editor, "okay");
            EXPECT_EQ(finished, QList<QVariantList>{{QDialog::Accepted}});
        });
        std::vector<TripRecord> expected = Trips(1, count);
        expected.back() = Tagged("r99");
        EXPECT_EQ(Held(), expected);
        EXPECT_EQ(Shown(), Showing({count, count, 99}));
    }
}

TEST_F(CommitTest, BoxesAreStoredAsTheyStandButLineBreaksBecomeBlanks) {
    Hold(2);
    RecordEditor* editor = OpenAdd();
    TypeRecord(*editor, TripRecord());
    // Field, text typed, text stored.
    const std::tuple<Field, QString, std::string> typed[] = {
        {Field::temperature, " warm ", " warm "},
        {Field::species, "Carp,\nBream", "Carp, Bream"},
        {Field::remarks, "Windy\r\nwet" + QString(QChar::ParagraphSeparator) + "!", "Windy wet !"}};
    TripRecord expected;
    for (const auto& [field, text, stored] : typed) {
        Type(*editor, kBoxNames[static_cast<int>(field)], text);
        expected[field] = stored;
    }
    Click(*editor, "okay");
    EXPECT_EQ(book.table().slot(3), expected);
}

TEST_F(CommitTest, ModelessAddCommitsIntoTheTableOfTheMomentOfOkay) {
    const std::string other = WriteDatabase("other.rwk", 21, 22);
    // A command run while the editor is open (Yes to its question), and the trips after Okay.
    const std::pair<const char*, std::vector<int>> cases[] = {
        {"MnuDel", {1, 2, 4, 5, 99}}, {"MnuOpen", {21, 22, 99}}, {"MnuNew", {99}}};
    for (const auto& [command, trips] : cases) {
        Hold(5, 3);
        RecordEditor* editor = OpenAdd();
        TypeRecord(*editor, Tagged("r99"));
        command == std::string("MnuOpen") ? platform.answerOpenDialog(QString::fromStdString(other))
                                          : platform.answerMessage(Answer::Yes);
        Action(command)->trigger();
        Click(*editor, "okay");
        EXPECT_EQ(Held(), TripsNumbered(trips)) << command;
        EXPECT_EQ(Shown() + Area(),
                  Showing({1, static_cast<int>(trips.size()), trips.front()}) + "panel");
    }
}

TEST_F(CommitTest, DeleteAsksAndShowsRecordOne) {
    // Records held, the one shown, the answer, and the trips left.
    // clang-format off
    const std::tuple<int, int, Answer, std::vector<int>> cases[] = {
        {4, 2, Answer::Yes, {1, 3, 4}}, {4, 4, Answer::Yes, {1, 2, 3}},
        {4, 3, Answer::No, {1, 2, 3, 4}}, {1, 1, Answer::Yes, {}}};
    // clang-format on
    for (const auto& [count, current, answer, left] : cases) {
        Hold(count, current);
        platform.answerMessage(answer);
        Action("MnuDel")->trigger();
        EXPECT_EQ(LastMessage(),
                  Describe({"Really delete the current record?", "Delete", Buttons::YesNo,
                            Icon::Exclamation, DefaultButton::Second}));
        EXPECT_EQ(Held(), TripsNumbered(left));
        const int shown = answer == Answer::No ? current : 1;
        if (!left.empty()) {
            EXPECT_EQ(Shown(), Showing({shown, static_cast<int>(left.size()), left[shown - 1]}));
        } else {
            EXPECT_EQ(Text("total") + " " + Area().c_str(), "Record 0 of 0 notice");
            EXPECT_FALSE(Action("MnuEdit")->isEnabled());
        }
    }
}

TEST_F(CommitTest, DuplicateAppendsACopyAndYesEditsIt) {
    for (Answer answer : {Answer::Cancel, Answer::No, Answer::Yes}) {
        Hold(3, 2);
        platform.answerMessage(answer);
        if (answer == Answer::Yes) {
            platform.answerModal([](QDialog& editor) {
                EXPECT_EQ(editor.windowTitle(), "Editing Record 4");
                EXPECT_EQ(Boxes(editor), Tagged("r2"));
                return int(QDialog::Rejected);
            });
        }
        Action("MnuDup")->trigger();
        EXPECT_EQ(LastMessage(), Describe({"Do you want to edit this new occurance now?", "Edit",
                                           Buttons::YesNoCancel, Icon::Question}));
        const std::vector<int> held =
            answer == Answer::Cancel ? std::vector{1, 2, 3} : std::vector{1, 2, 3, 2};
        EXPECT_EQ(Held(), TripsNumbered(held));
        EXPECT_EQ(Shown(),
                  Showing({answer == Answer::Yes ? 4 : 2, static_cast<int>(held.size()), 2}));
    }
    // With 250 records it refuses before asking.
    Hold(250);
    platform.answerMessage(Answer::Ok);
    Action("MnuDup")->trigger();
    EXPECT_EQ(LastMessage(), kLimit);
    EXPECT_EQ(Held(), Trips(1, 250));
}

TEST_F(CommitTest, WhileTheAddEditorIsOpenAddEditAndDuplicateBringItToTheFront) {
    Hold(3);
    RecordEditor* editor = OpenAdd();
    for (const char* command : {"MnuAdd", "MnuEdit", "MnuDup"}) Action(command)->trigger();
    EXPECT_EQ(platform.modelessShown, std::vector<QWidget*>(4, editor));
    EXPECT_EQ(Edits().editorMode(), EditorMode::Add);
    EXPECT_EQ(Held(), Trips(1, 3));
    // Once it is closed, Edit opens its own editor again.
    Click(*editor, "cancel");
    EditWith([](RecordEditor&) {});
    EXPECT_EQ(Edits().editorMode(), EditorMode::Edit);
}

}  // namespace
}  // namespace rodwick::testing
