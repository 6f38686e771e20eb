#include <QTest>

#include "form1_fixture.h"

namespace rodwick::testing {
namespace {

// Target, key (0 for a command) and the record shown after it in a table of 20. Beside Up and
// Down the scroll bar's own keys move one record, then ten.
// clang-format off
const std::tuple<const char*, int, int> kMoves[] = {
    {"MnuLast", 0, 20}, {"MnuNext", 0, 20}, {"MnuPrev", 0, 19}, {"MnuFirst", 0, 1},
    {"MnuPrev", 0, 1}, {"MnuNext", 0, 2}, {"chrec", Qt::Key_Down, 20}, {"chrec", Qt::Key_Up, 1},
    {"chrec", Qt::Key_Right, 2}, {"chrec", Qt::Key_PageDown, 12}, {"chrec", Qt::Key_Left, 11},
    {"window", Qt::Key_Right, 12}, {"window", Qt::Key_Left, 11}, {"window", Qt::Key_Down, 20},
    {"window", Qt::Key_Up, 1}, {"window", Qt::Key_Left, 1}, {"window", Qt::Key_PageDown, 1},
    {"window", Qt::Key_End, 1}};
// clang-format on

TEST_F(Form1Test, EveryWayOfMovingStopsAtTheEnds) {
    // A command of the Record menu, or a key pressed on the scroll bar or the window.
    const auto Move = [this](const std::string& target, int key) {
        if (key == 0) return Action(target.c_str())->trigger();
        QTest::keyClick(target == "chrec" ? Chrec() : window.centralWidget(), Qt::Key(key));
    };
    Hold(20);
    EXPECT_NE(window.centralWidget()->focusPolicy() & Qt::TabFocus, 0);
    for (const auto& [target, key, expected] : kMoves) {
        Move(target, key);
        EXPECT_EQ(Shown(), Showing({.record = expected, .of = 20})) << target << " key " << key;
    }
    Hold(1);
    for (const auto& [target, key, expected] : kMoves) {
        Move(target, key);
        EXPECT_EQ(Shown(), Showing({.record = 1, .of = 1})) << target << " key " << key;
    }
    platform.answerMessage(platform::Answer::Yes);
    window.MnuNew_Click();
    for (const auto& [target, key, expected] : kMoves) Move(target, key);
    window.chrec_Change();
    EXPECT_EQ(Text("total"), "Record 0 of 0");
    EXPECT_EQ(state.table.currentRecord(), 0);
    EXPECT_EQ(Area(), "notice");
    EXPECT_EQ(Chrec()->minimum(), 1);
    EXPECT_EQ(Chrec()->maximum(), 1);
    EXPECT_FALSE(Chrec()->isEnabled());
}

TEST_F(Form1Test, TheViewFollowsTheThumbOnlyWhenItIsReleased) {
    Hold(20);
    Chrec()->setSliderDown(true);
    Chrec()->setSliderPosition(10);
    EXPECT_EQ(Shown(), Showing({.record = 1, .of = 20}));
    Chrec()->setSliderDown(false);
    EXPECT_EQ(Shown(), Showing({.record = 10, .of = 20}));
    Chrec()->setValue(7);
    EXPECT_EQ(Shown(), Showing({.record = 7, .of = 20}));

    // A table changed elsewhere: the redraw and the scroll bar's end follow it.
    window.MnuLast_Click();
    state.table.RemoveRecord();
    state.table.setCurrentRecord(19);
    window.ShowCurrentRecord();
    EXPECT_EQ(Shown(), Showing({.record = 19, .of = 19}));
    ASSERT_TRUE(state.table.AppendRecords(Trips(20, 25)));
    window.SetChrecMaximum();
    EXPECT_EQ(Chrec()->maximum(), 25);
    EXPECT_EQ(Shown(), Showing({.record = 19, .of = 19})) << "setting the maximum is no redraw";
}

}  // namespace
}  // namespace rodwick::testing
