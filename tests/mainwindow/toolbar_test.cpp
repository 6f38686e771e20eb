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
    static void Move(QWidget* target, QPoint at = QPoint(16, 16)) {
        QMouseEvent event(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
    PictureButton* Button(const char* name) { return Find<PictureButton>(name); }
    std::string Picture(const char* name) { return Button(name)->picture().toStdString(); }

    // Every menu entry that runs from now on, by name; the entries' own handlers are cut off,
    // so that only the toolbar's choice of entry is seen.
    void WatchCommands() {
        for (QAction* action : window.findChildren<QAction*>()) {
            if (action->objectName().isEmpty()) continue;
            QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
            QObject::connect(action, &QAction::triggered,
                             [this, action] { ran += action->objectName().toStdString() + " "; });
        }
    }
    std::string ran;
};

TEST_F(ToolbarTest, EveryButtonsFourEventsInItsPlaceInTheRow) {
    Hold(3);
    WatchCommands();
    int left = -1;
    for (const Expected& b : kButtons) {
        SCOPED_TRACE(b.button);
        PictureButton* button = Button(b.button);
        EXPECT_EQ(button->size(), QSize(32, 32));
        EXPECT_GT(button->x(), left);
        left = button->x();
        EXPECT_EQ(Picture(b.button), b.up);

        ran.clear();
        QTest::mousePress(button, Qt::LeftButton);
        EXPECT_EQ(Picture(b.button), b.down);
        EXPECT_EQ(ran, "") << "the command runs on release, not on press";
        QTest::mouseRelease(button, Qt::LeftButton);
        EXPECT_EQ(Picture(b.button), b.up);
        EXPECT_EQ(ran, std::string(b.command) + " ");

        Move(button);
        EXPECT_EQ(Text("helpdata"), b.status);

        ran.clear();
        // Pressed, then let go off the button: up again, and no command.
        QTest::mousePress(button, Qt::LeftButton);
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(40, 16));
        EXPECT_EQ(Picture(b.button), b.up);
        EXPECT_EQ(ran, "");
    }
    EXPECT_EQ(Button("ButNew")->y(), Button("butcopy")->y());
    EXPECT_LT(Button("ButNew")->geometry().bottom(), Find("Frame1")->y());
}

TEST_F(ToolbarTest, WithAnEmptyTableTheRecordButtonsAreGreyedAndDeaf) {
    WatchCommands();
    for (bool records : {true, false}) {
        Hold(records ? 2 : 0);
        for (const Expected& b : kButtons) {
            SCOPED_TRACE(std::string(b.button) + (records ? " with records" : " without"));
            const bool switched = *b.disabled != '\0';
            EXPECT_EQ(Button(b.button)->isEnabled(), records || !switched);
            EXPECT_EQ(Picture(b.button), records || !switched ? b.up : b.disabled);
        }
    }
    for (const Expected& b : kButtons) {
        if (*b.disabled == '\0') continue;
        SCOPED_TRACE(b.button);
        Move(Button("ButNew"));
        ASSERT_EQ(Text("helpdata"), "New Database");
        // A move over a disabled button is a move over the window: it clears the status line.
        Move(Button(b.button));
        EXPECT_EQ(Text("helpdata"), "");
        QTest::mousePress(Button(b.button), Qt::LeftButton);
        EXPECT_EQ(Picture(b.button), b.disabled);
        QTest::mouseRelease(Button(b.button), Qt::LeftButton);
    }
    EXPECT_EQ(ran, "");
}

TEST_F(ToolbarTest, StatusLineClearsOverTheBackgroundAndTheRecordView) {
    Hold(1);
    QWidget* background = window.centralWidget();
    QWidget* frame = Find("Frame1");
    EXPECT_EQ(Text("helpdata"), "");
    Move(Button("ButAdd"));
    EXPECT_EQ(Text("helpdata"), "Add Record");
    Move(Button("ButEdit"));
    EXPECT_EQ(Text("helpdata"), "Edit Record") << "one button straight to another";
    Move(background, QPoint(5, 300));
    EXPECT_EQ(Text("helpdata"), "");
    Move(Button("ButOpen"));
    EXPECT_EQ(Text("helpdata"), "Open Database");
    Move(frame, QPoint(2, 2));
    EXPECT_EQ(Text("helpdata"), "");
    // The labels and pictures do not track the mouse themselves.
    for (const char* over : {"obVen", "Label1", "total", "ctim", "Image1"}) {
        Move(Button("ButNew"));
        Move(Find(over), QPoint(2, 2));
        EXPECT_EQ(Text("helpdata"), "") << over;
    }
    EXPECT_EQ(Find("helpdata")->parentWidget(), background);
    EXPECT_GT(Find("helpdata")->y(), frame->geometry().bottom());
}

}  // namespace
}  // namespace rodwick::testing
