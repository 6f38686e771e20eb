// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "rodwick_test/main_window_fixture.h"
#include "toolbar.h"

namespace rodwick::testing {
namespace {

struct Expected {
    const char* button;
    const char* status;
    const char* command;
    const char* up;
    const char* down;
    const char* disabled;  // "" for the four always enabled
};

// Left to right along the row.
const Expected kButtons[] = {
    {"ButNew", "New Database", "MnuNew", "newup", "newdown", ""},
    {"ButOpen", "Open Database", "MnuOpen", "openup", "opendown", ""},
    {"ButSave", "Save Database", "MnuSas", "saveup", "savedown", ""},
    {"butdup", "Duplicate Record", "MnuDup", "dupup", "dupdown", "dupdis"},
    {"ButDelete", "Delete Record", "MnuDel", "delup", "deldown", "deldis"},
    {"ButSearch", "Search Database", "MnuFind", "binoup", "binodown", "binodis"},
    {"ButAdd", "Add Record", "MnuAdd", "addup", "adddown", ""},
    {"ButEdit", "Edit Record", "MnuEdit", "editup", "editdown", "editdis"},
    {"butcopy", "Copy Data", "MnuCopy", "copyup", "copydown", "copydis"},
};

class ToolbarTest : public MainWindowTest {
  protected:
    // The pointer moved over a widget, as the window system reports it.
    static void move(QWidget* target, QPoint at = QPoint(16, 16)) {
        QMouseEvent event(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
    PictureButton* buttonNamed(const char* name) { return find<PictureButton>(name); }
    std::string picture(const char* name) { return buttonNamed(name)->picture().toStdString(); }

    // Every menu entry that runs from now on, by name; the entries' own handlers are cut off,
    // so that only the toolbar's choice of entry is seen.
    void watchCommands() {
        for (QAction* action : window_.findChildren<QAction*>()) {
            if (action->objectName().isEmpty()) continue;
            QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
            QObject::connect(action, &QAction::triggered,
                             [this, action] { ran_ += action->objectName().toStdString() + " "; });
        }
    }
    std::string ran_;
};

TEST_F(ToolbarTest, EveryButtonsFourEventsInItsPlaceInTheRow) {
    hold(3);
    watchCommands();
    int left = -1;
    for (const Expected& b : kButtons) {
        SCOPED_TRACE(b.button);
        PictureButton* button = buttonNamed(b.button);
        EXPECT_EQ(button->size(), QSize(32, 32));
        EXPECT_GT(button->x(), left);
        left = button->x();
        EXPECT_EQ(picture(b.button), b.up);

        ran_.clear();
        QTest::mousePress(button, Qt::LeftButton);
        EXPECT_EQ(picture(b.button), b.down);
        EXPECT_EQ(ran_, "") << "the command runs on release, not on press";
        QTest::mouseRelease(button, Qt::LeftButton);
        EXPECT_EQ(picture(b.button), b.up);
        EXPECT_EQ(ran_, std::string(b.command) + " ");

        move(button);
        EXPECT_EQ(text("helpdata"), b.status);

        ran_.clear();
        // Pressed, then let go off the button: up again, and no command.
        QTest::mousePress(button, Qt::LeftButton);
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(40, 16));
        EXPECT_EQ(picture(b.button), b.up);
        EXPECT_EQ(ran_, "");
    }
    EXPECT_EQ(buttonNamed("ButNew")->y(), buttonNamed("butcopy")->y());
    EXPECT_LT(buttonNamed("ButNew")->geometry().bottom(), find("Frame1")->y());
}

TEST_F(ToolbarTest, WithAnEmptyTableTheRecordButtonsAreGreyedAndDeaf) {
    watchCommands();
    for (bool records : {true, false}) {
        hold(records ? 2 : 0);
        for (const Expected& b : kButtons) {
            SCOPED_TRACE(std::string(b.button) + (records ? " with records" : " without"));
            const bool switched = *b.disabled != '\0';
            EXPECT_EQ(buttonNamed(b.button)->isEnabled(), records || !switched);
            EXPECT_EQ(picture(b.button), records || !switched ? b.up : b.disabled);
        }
    }
    for (const Expected& b : kButtons) {
        if (*b.disabled == '\0') continue;
        SCOPED_TRACE(b.button);
        move(buttonNamed("ButNew"));
        ASSERT_EQ(text("helpdata"), "New Database");
        // A move over a disabled button is a move over the window: it clears the status line.
        move(buttonNamed(b.button));
        EXPECT_EQ(text("helpdata"), "");
        QTest::mousePress(buttonNamed(b.button), Qt::LeftButton);
        EXPECT_EQ(picture(b.button), b.disabled);
        QTest::mouseRelease(buttonNamed(b.button), Qt::LeftButton);
    }
    EXPECT_EQ(ran_, "");
}

TEST_F(ToolbarTest, StatusLineClearsOverTheBackgroundAndTheRecordView) {
    hold(1);
    QWidget* background = window_.centralWidget();
    QWidget* frame = find("Frame1");
    EXPECT_EQ(text("helpdata"), "");
    move(buttonNamed("ButAdd"));
    EXPECT_EQ(text("helpdata"), "Add Record");
    move(buttonNamed("ButEdit"));
    EXPECT_EQ(text("helpdata"), "Edit Record") << "one button straight to another";
    move(background, QPoint(5, 300));
    EXPECT_EQ(text("helpdata"), "");
    move(buttonNamed("ButOpen"));
    EXPECT_EQ(text("helpdata"), "Open Database");
    move(frame, QPoint(2, 2));
    EXPECT_EQ(text("helpdata"), "");
    // The labels and pictures do not track the mouse themselves.
    for (const char* over : {"obVen", "Label1", "total", "ctim", "Image1"}) {
        move(buttonNamed("ButNew"));
        move(find(over), QPoint(2, 2));
        EXPECT_EQ(text("helpdata"), "") << over;
    }
    EXPECT_EQ(find("helpdata")->parentWidget(), background);
    EXPECT_GT(find("helpdata")->y(), frame->geometry().bottom());
}

}  // namespace
}  // namespace rodwick::testing
