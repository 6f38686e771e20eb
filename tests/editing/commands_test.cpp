// SPDX-License-Identifier: GPL-3.0-or-later
#include <QSignalSpy>

#include "rodwick_test/editing_fixture.h"

namespace rodwick::testing {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::DefaultButton;
using platform::Icon;

const std::string kLimit =
    describe({"Sorry, but only 250 records are allowed in one file. Please open another file!",
              "Too Many Records!!", Buttons::Ok, Icon::None});

std::vector<TripRecord> tripsNumbered(const std::vector<int>& numbers) {
    std::vector<TripRecord> trips;
    for (int n : numbers) trips.push_back(tagged("r" + std::to_string(n)));
    return trips;
}

using CommitTest = EditingTest;

TEST_F(CommitTest, AddAppendsAndKeepsTheShownRecord) {
    // Records held, the one shown; the view afterwards shows that one (record 1 when empty).
    for (auto [held, current] : {std::pair{0, 0}, {10, 3}, {249, 3}}) {
        hold(held, current);
        RecordEditor* editor = openAdd();
        typeRecord(*editor, tagged("r" + std::to_string(held + 1)));
        click(*editor, "okay");
        EXPECT_EQ(addEditor(), nullptr);
        EXPECT_EQ(heldTrips(), trips(1, held + 1));
        EXPECT_EQ(viewText() + area(), showing({std::max(current, 1), held + 1}) + "panel");
        EXPECT_TRUE(action("MnuDup")->isEnabled());
    }

    // The 251st is refused at Okay; the editor stays open with what was typed, until Cancel.
    RecordEditor* editor = openAdd();
    typeRecord(*editor, tagged("r251"));
    platform_.answerMessage(Answer::Ok);
    click(*editor, "okay");
    EXPECT_EQ(lastMessage(), kLimit);
    ASSERT_EQ(addEditor(), editor);
    EXPECT_EQ(boxes(*editor), tagged("r251"));
    click(*editor, "cancel");
    EXPECT_EQ(addEditor(), nullptr);
    EXPECT_EQ(heldTrips(), trips(1, 250));
}

TEST_F(CommitTest, EditAsksAndNoKeepsTheEditorOpenWhileYesStores) {
    for (int count : {10, 250}) {
        hold(count, count);
        editWith([&](RecordEditor& editor) {
            QSignalSpy finished(&editor, &QDialog::finished);
            typeRecord(editor, tagged("r99"));
            platform_.answerMessage(Answer::No);
            click(editor, "okay");
            EXPECT_EQ(lastMessage(),
                      describe({"Really change the current record?", "Edit", Buttons::YesNo,
                                Icon::Exclamation, DefaultButton::Second}));
            EXPECT_EQ(finished.size(), 0);
            EXPECT_EQ(heldTrips(), trips(1, count));
            platform_.answerMessage(Answer::Yes);
            click(editor, "okay");
            EXPECT_EQ(finished, QList<QVariantList>{{QDialog::Accepted}});
        });
        std::vector<TripRecord> expected = trips(1, count);
        expected.back() = tagged("r99");
        EXPECT_EQ(heldTrips(), expected);
        EXPECT_EQ(viewText(), showing({count, count, 99}));
    }
}

TEST_F(CommitTest, BoxesAreStoredAsTheyStandButLineBreaksBecomeBlanks) {
    hold(2);
    RecordEditor* editor = openAdd();
    typeRecord(*editor, TripRecord());
    // Field, text typed, text stored.
    const std::tuple<Field, QString, std::string> typed[] = {
        {Field::Temperature, " warm ", " warm "},
        {Field::Species, "Carp,\nBream", "Carp, Bream"},
        {Field::Remarks, "Windy\r\nwet" + QString(QChar::ParagraphSeparator) + "!", "Windy wet !"}};
    TripRecord expected;
    for (const auto& [field, text, stored] : typed) {
        type(*editor, kBoxNames[static_cast<int>(field)], text);
        expected[field] = stored;
    }
    click(*editor, "okay");
    EXPECT_EQ(book_.table().slot(3), expected);
}

TEST_F(CommitTest, ModelessAddCommitsIntoTheTableOfTheMomentOfOkay) {
    const std::string other = writeDatabase("other.rwk", 21, 22);
    // A command run while the editor is open (Yes to its question), and the trips after Okay.
    const std::pair<const char*, std::vector<int>> cases[] = {
        {"MnuDel", {1, 2, 4, 5, 99}}, {"MnuOpen", {21, 22, 99}}, {"MnuNew", {99}}};
    for (const auto& [command, trips] : cases) {
        hold(5, 3);
        RecordEditor* editor = openAdd();
        typeRecord(*editor, tagged("r99"));
        command == std::string("MnuOpen")
            ? platform_.answerOpenDialog(QString::fromStdString(other))
            : platform_.answerMessage(Answer::Yes);
        action(command)->trigger();
        click(*editor, "okay");
        EXPECT_EQ(heldTrips(), tripsNumbered(trips)) << command;
        EXPECT_EQ(viewText() + area(),
                  showing({1, static_cast<int>(trips.size()), trips.front()}) + "panel");
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
        hold(count, current);
        platform_.answerMessage(answer);
        action("MnuDel")->trigger();
        EXPECT_EQ(lastMessage(),
                  describe({"Really delete the current record?", "Delete", Buttons::YesNo,
                            Icon::Exclamation, DefaultButton::Second}));
        EXPECT_EQ(heldTrips(), tripsNumbered(left));
        const int shown = answer == Answer::No ? current : 1;
        if (!left.empty()) {
            EXPECT_EQ(viewText(), showing({shown, static_cast<int>(left.size()), left[shown - 1]}));
        } else {
            EXPECT_EQ(text("total") + " " + area().c_str(), "Record 0 of 0 notice");
            EXPECT_FALSE(action("MnuEdit")->isEnabled());
        }
    }
}

TEST_F(CommitTest, DuplicateAppendsACopyAndYesEditsIt) {
    for (Answer answer : {Answer::Cancel, Answer::No, Answer::Yes}) {
        hold(3, 2);
        platform_.answerMessage(answer);
        if (answer == Answer::Yes) {
            platform_.answerModal([](QDialog& editor) {
                EXPECT_EQ(editor.windowTitle(), "Editing Record 4");
                EXPECT_EQ(boxes(editor), tagged("r2"));
                return int(QDialog::Rejected);
            });
        }
        action("MnuDup")->trigger();
        EXPECT_EQ(lastMessage(), describe({"Do you want to edit this new occurance now?", "Edit",
                                           Buttons::YesNoCancel, Icon::Question}));
        const std::vector<int> held =
            answer == Answer::Cancel ? std::vector{1, 2, 3} : std::vector{1, 2, 3, 2};
        EXPECT_EQ(heldTrips(), tripsNumbered(held));
        EXPECT_EQ(viewText(),
                  showing({answer == Answer::Yes ? 4 : 2, static_cast<int>(held.size()), 2}));
    }
    // With 250 records it refuses before asking.
    hold(250);
    platform_.answerMessage(Answer::Ok);
    action("MnuDup")->trigger();
    EXPECT_EQ(lastMessage(), kLimit);
    EXPECT_EQ(heldTrips(), trips(1, 250));
}

TEST_F(CommitTest, WhileTheAddEditorIsOpenAddEditAndDuplicateBringItToTheFront) {
    hold(3);
    RecordEditor* editor = openAdd();
    for (const char* command : {"MnuAdd", "MnuEdit", "MnuDup"}) action(command)->trigger();
    EXPECT_EQ(platform_.modelessShown, std::vector<QWidget*>(4, editor));
    EXPECT_EQ(edits().editorMode(), EditorMode::Add);
    EXPECT_EQ(heldTrips(), trips(1, 3));
    // Once it is closed, Edit opens its own editor again.
    click(*editor, "cancel");
    editWith([](RecordEditor&) {});
    EXPECT_EQ(edits().editorMode(), EditorMode::Edit);
}

}  // namespace
}  // namespace rodwick::testing
