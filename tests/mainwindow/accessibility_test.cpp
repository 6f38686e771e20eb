// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <tuple>

#include "accessible_names.h"
#include "quick_edit.h"
#include "rodwick_test/main_window_fixture.h"
#include "toolbar.h"

namespace rodwick::testing {
namespace {

TEST(AccessibleNamesTest, ValuesAreReadWithTheirCaptionAndUnit) {
    const UnitNames imperial = UnitNames::imperial();
    const UnitNames metric = UnitNames::metric();
    // The main window's own test hears the other fields, the record shown and imperial weights.
    const std::tuple<Field, const char*, const UnitNames*, const char*> cases[] = {
        {Field::TotalWeightMinor, "4", &imperial, "Weight: 4 oz"},
        {Field::Temperature, "14", &metric, "Temperature: 14 \u00b0C"},
        // An empty value is its caption alone, without a dangling unit.
        {Field::TotalWeightMajor, "  ", &imperial, "Weight:"},
    };
    for (const auto& [field, value, units, expected] : cases) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(valueLabelName(field, QString::fromUtf8(value), *units),
                  QString::fromUtf8(expected));
    }
    EXPECT_EQ(recordPositionText(1, 0), "No records available");
}

class AccessibilityTest : public MainWindowTest {
  protected:
    static QString said(QObject* object, QAccessible::Text what) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
        return face != nullptr ? face->text(what) : QStringLiteral("<none>");
    }
    QString name(const char* name) { return said(find(name), QAccessible::Name); }

    void press(QWidget* widget, int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(widget, &press);
    }
};

TEST_F(AccessibilityTest, EveryValueAndTheScrollBarFollowTheRecordShown) {
    hold(12, 12);
    EXPECT_EQ(name("obVen"), "Venue: r12.0");
    EXPECT_EQ(name("ObWeighta"), "Weight: r12.4 Kg");
    EXPECT_EQ(name("ObBestB"), "Best Fish Weight: r12.16 g");
    EXPECT_EQ(name("chrec"), "Record");
    EXPECT_EQ(said(recordScrollBar(), QAccessible::Description), "Record 12 of 12");
    // A changed unit is heard at once, without moving to another record.
    Settings settings = book_.settings();
    settings.units = UnitNames::imperial();
    book_.setSettings(settings);
    EXPECT_EQ(name("ObWeighta"), "Weight: r12.4 lb");
    // Moving by the menu is heard the same way.
    action("MnuPrev")->trigger();
    EXPECT_EQ(said(recordScrollBar(), QAccessible::Description), "Record 11 of 12");
    EXPECT_EQ(name("obVen"), "Venue: r11.0");
}

TEST_F(AccessibilityTest, PicturesAreButtonsNamedByTheirStatusTextAndCanBePressed) {
    for (const ToolbarEntry& entry : kToolbarEntries) {
        SCOPED_TRACE(entry.name);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(find(entry.name));
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->role(), QAccessible::Button);
        EXPECT_EQ(face->text(QAccessible::Name), QString::fromLatin1(entry.statusText));
    }
    // Pressed by assistive technology, a picture runs its command as a click does.
    hold(3);
    platform_.answerSaveDialog("");
    QAccessibleActionInterface* save =
        QAccessible::queryAccessibleInterface(find("ButSave"))->actionInterface();
    ASSERT_NE(save, nullptr);
    ASSERT_EQ(save->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    save->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(platform_.callsOf("save").size(), 1u);
    // A greyed picture offers nothing to press.
    hold(0);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(find("ButEdit"))
                    ->actionInterface()
                    ->actionNames()
                    .isEmpty());
}

TEST_F(AccessibilityTest, TheFocusedValueIsSeenAndEditedByF2OrReturnAsByItsGesture) {
    hold(2);
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    // Tab goes from value to value in field order, and the focused value is seen.
    QLabel* venue = find<QLabel>("obVen");
    const QColor unfocused = venue->palette().color(QPalette::Window);
    venue->setFocus();
    EXPECT_NE(venue->palette().color(QPalette::Window), unfocused);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), find("ObType"));
    EXPECT_EQ(venue->palette().color(QPalette::Window), unfocused);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), find("ObDay"));

    // An input-box field: each key asks once with the prompt of the double-click.
    for (int key : {Qt::Key_F2, Qt::Key_Return, Qt::Key_Enter}) {
        SCOPED_TRACE(key);
        platform_.clearCalls();
        platform_.answerInput(QStringLiteral("19:00"));
        find("ObTime2")->setFocus();
        press(find("ObTime2"), key);
        ASSERT_EQ(platform_.callsOf("input").size(), 1u);
        EXPECT_EQ(platform_.callsOf("input")[0].text, "Please type in new Finish Time:");
        EXPECT_EQ(text("ObTime2"), "19:00");
    }
    // Other keys start nothing; the arrows still move between records.
    platform_.clearCalls();
    press(find("ObTime2"), Qt::Key_F3);
    QTest::keyClick(find("ObTime2"), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(platform_.calls().empty());
    QTest::keyClick(find("ObTime2"), Qt::Key_Right);
    EXPECT_EQ(book_.currentRecord(), 2);
    QTest::keyClick(find("ObTime2"), Qt::Key_Up);
    EXPECT_EQ(book_.currentRecord(), 1);
}

}  // namespace
}  // namespace rodwick::testing
