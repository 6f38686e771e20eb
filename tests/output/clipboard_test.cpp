// SPDX-License-Identifier: GPL-3.0-or-later
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <functional>

#include "copy_dialog.h"
#include "record_text.h"
#include "rodwick_test/main_window_fixture.h"
#include "text.h"

namespace rodwick::testing {
namespace {

class ClipboardTest : public MainWindowTest {
  protected:
    ClipboardTest() {
        TripRecord trip = tagged("r2");
        trip[Field::TicketPrice] = {'\xA3', '4'};
        EXPECT_TRUE(book_.replaceRecords({tagged("r1"), trip, TripRecord{}}));
        book_.show(2);
    }

    // Opens the copy window, lets the test work in the text box, and presses a button.
    void copy(const std::function<void(QPlainTextEdit&)>& work, const char* button = "okay") {
        CopyDialog copy(book_, platform_);
        if (work) work(*copy.findChild<QPlainTextEdit*>("cot"));
        copy.findChild<QPushButton*>(button)->click();
    }
};

TEST_F(ClipboardTest, CopyPutsExactlyTheSelectionWithCrLf) {
    // Untouched, the whole text is copied: it is all selected when the window loads.
    copy(nullptr);
    EXPECT_EQ(platform_.clipboard, fromFileText(clipboardText(book_.table().slot(2))));
    EXPECT_TRUE(
        platform_.clipboard.startsWith(QStringLiteral("r2.0\r\nr2.1\r\n\u00a34\r\nr2.3\r\n")));
    // The user's own line breaks come out as CR LF too; the record stays as it was.
    copy([](QPlainTextEdit& cot) {
        cot.setPlainText("one\ntwo\rthree");
        cot.selectAll();
    });
    EXPECT_EQ(platform_.clipboard, "one\r\ntwo\r\nthree");
    EXPECT_EQ(book_.table().slot(2)[Field::Venue], "r2.0");
    platform_.clipboard = QStringLiteral("held before");
    copy(nullptr, "cancel");
    EXPECT_EQ(platform_.clipboard, "held before") << "Cancel copies nothing";
}

}  // namespace
}  // namespace rodwick::testing
