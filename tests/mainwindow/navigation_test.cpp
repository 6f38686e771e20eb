#include <QCoreApplication>
#include <QKeyEvent>

#include "form1_fixture.h"

namespace rodwick::testing {
namespace {

// Sends a key press the way the keyboard would; true when a receiver took it.
bool PressKey(QWidget* target, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    return press.isAccepted();
}

TEST_F(Form1Test, FiveTripsOnTheLastOne) {
    Hold(5);
    window.MnuLast_Click();
    ASSERT_TRUE(Shows(5, 5));

    window.MnuNext_Click();
    EXPECT_TRUE(Shows(5, 5)) << "no wrap-around";
    window.MnuLast_Click();
    EXPECT_TRUE(Shows(5, 5));
    window.MnuPrev_Click();
    EXPECT_TRUE(Shows(4, 5)) << "the scroll bar follows Previous";
    window.MnuFirst_Click();
    EXPECT_TRUE(Shows(1, 5));
    window.MnuPrev_Click();
    EXPECT_TRUE(Shows(1, 5)) << "no wrap-around";
    window.MnuNext_Click();
    EXPECT_TRUE(Shows(2, 5));
}

TEST_F(Form1Test, OneTripStaysShownWhateverTheCommand) {
    Hold(1);
    window.MnuFirst_Click();
    EXPECT_TRUE(Shows(1, 1));
    window.MnuLast_Click();
    EXPECT_TRUE(Shows(1, 1));
    window.MnuNext_Click();
    EXPECT_TRUE(Shows(1, 1));
    window.MnuPrev_Click();
    EXPECT_TRUE(Shows(1, 1));
}

TEST_F(Form1Test, AnEmptyTableIgnoresEveryWayOfMoving) {
    Hold(3);
    platform.answerMessage(platform::Answer::Yes);
    window.MnuNew_Click();

    window.MnuFirst_Click();
    window.MnuLast_Click();
    window.MnuNext_Click();
    window.MnuPrev_Click();
    window.chrec_Change();
    PressKey(Chrec(), Qt::Key_Down);
    PressKey(window.centralWidget(), Qt::Key_Right);
    PressKey(window.centralWidget(), Qt::Key_Down);

    EXPECT_EQ(state.table.recordCount(), 0);
    EXPECT_EQ(state.table.currentRecord(), 0);
    EXPECT_EQ(Text("total"), QStringLiteral("Record 0 of 0"));
    EXPECT_TRUE(NoticeShown());
    for (const char* name : {"MnuFirst", "MnuLast", "MnuNext", "MnuPrev", "MnuGoto"}) {
        EXPECT_FALSE(Action(name)->isEnabled()) << name;
    }
    // The scroll bar keeps a valid range although there is nothing to point at.
    EXPECT_EQ(Chrec()->minimum(), 1);
    EXPECT_EQ(Chrec()->maximum(), 1);
    EXPECT_FALSE(Chrec()->isEnabled());
}

TEST_F(Form1Test, UpAndDownOnTheScrollBarJumpToTheEnds) {
    Hold(20);
    window.MnuNext_Click();
    window.MnuNext_Click();
    ASSERT_TRUE(Shows(3, 20));

    EXPECT_TRUE(PressKey(Chrec(), Qt::Key_Down));
    EXPECT_TRUE(Shows(20, 20));
    EXPECT_TRUE(PressKey(Chrec(), Qt::Key_Up));
    EXPECT_TRUE(Shows(1, 20));

    // Other keys act on the scroll bar itself: one record, then ten.
    PressKey(Chrec(), Qt::Key_Right);
    EXPECT_TRUE(Shows(2, 20));
    PressKey(Chrec(), Qt::Key_PageDown);
    EXPECT_TRUE(Shows(12, 20));
    PressKey(Chrec(), Qt::Key_Left);
    EXPECT_TRUE(Shows(11, 20));
}

TEST_F(Form1Test, ArrowKeysOnTheWindowMoveThroughTheTrips) {
    Hold(6);
    // The client area holds the focus; the keys reach the window from there.
    QWidget* client = window.centralWidget();
    EXPECT_NE(client->focusPolicy() & Qt::TabFocus, 0);

    PressKey(client, Qt::Key_Right);
    EXPECT_TRUE(Shows(2, 6));
    PressKey(client, Qt::Key_Right);
    EXPECT_TRUE(Shows(3, 6));
    PressKey(client, Qt::Key_Left);
    EXPECT_TRUE(Shows(2, 6));
    PressKey(client, Qt::Key_Down);
    EXPECT_TRUE(Shows(6, 6));
    PressKey(client, Qt::Key_Up);
    EXPECT_TRUE(Shows(1, 6));
    PressKey(client, Qt::Key_Left);
    EXPECT_TRUE(Shows(1, 6));
    // Other keys do nothing.
    PressKey(client, Qt::Key_PageDown);
    PressKey(client, Qt::Key_End);
    EXPECT_TRUE(Shows(1, 6));
}

TEST_F(Form1Test, TheViewChangesWhenTheThumbIsReleasedNotWhileItIsDragged) {
    Hold(20);
    QScrollBar* chrec = Chrec();
    chrec->setSliderDown(true);
    chrec->setSliderPosition(10);
    EXPECT_TRUE(Shows(1, 20)) << "the view waits for the release";
    EXPECT_EQ(chrec->sliderPosition(), 10);
    chrec->setSliderDown(false);
    EXPECT_TRUE(Shows(10, 20));

    chrec->setValue(7);
    EXPECT_TRUE(Shows(7, 20));
}

TEST_F(Form1Test, TheRedrawFollowsATableChangedElsewhere) {
    Hold(5);
    window.MnuLast_Click();
    // Another window removes the last trip and moves to the new last one, then redraws.
    state.table.RemoveRecord();
    state.table.setCurrentRecord(4);
    window.ShowCurrentRecord();
    EXPECT_TRUE(Shows(4, 4));
    EXPECT_EQ(Chrec()->maximum(), 4);

    // Growing the table: the scroll bar's end follows the count.
    ASSERT_TRUE(state.table.AppendRecords(Trips(5, 9)));
    window.SetChrecMaximum();
    EXPECT_EQ(Chrec()->maximum(), 9);
    EXPECT_EQ(Text("total"), QStringLiteral("Record 4 of 4"));  // it is not a redraw
    EXPECT_EQ(state.table.currentRecord(), 4);
    EXPECT_EQ(Chrec()->value(), 4);
}

}  // namespace
}  // namespace rodwick::testing
