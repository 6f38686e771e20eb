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
    const UnitNames imperial = UnitNames::Imperial();
    const UnitNames metric = UnitNames::Metric();
    // The main window's own test hears the other fields, the record shown and imperial weights.
    const std::tuple<Field, const char*, const UnitNames*, const char*> cases[] = {
        {Field::totalWeightMinor, "4", &imperial, "Weight: 4 oz"},
        {Field::temperature, "14", &metric, "Temperature: 14 \u00b0C"},
        // An empty value is its caption alone, without a dangling unit.
        {Field::totalWeightMajor, "  ", &imperial, "Weight:"},
    };
    for (const auto& [field, value, units, expected] : cases) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(ValueLabelName(field, QString::fromUtf8(value), *units),
                  QString::fromUtf8(expected));
    }
    EXPECT_EQ(RecordPositionText(1, 0), "No records available");
}

class AccessibilityTest : public MainWindowTest {
  protected:
    static QString Said(QObject* object, QAccessible::Text what) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
        return face != nullptr ? face->text(what) : QStringLiteral("<none>");
    }
    QString Name(const char* name) { return Said(Find(name), QAccessible::Name); }

    void Press(QWidget* widget, int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(widget, &press);
    }
};

TEST_F(AccessibilityTest, EveryValueAndTheScrollBarFollowTheRecordShown) {
    Hold(12, 12);
    EXPECT_EQ(Name("obVen"), "Venue: r12.0");
    EXPECT_EQ(Name("ObWeighta"), "Weight: r12.4 Kg");
    EXPECT_EQ(Name("ObBestB"), "Best Fish Weight: r12.16 g");
    EXPECT_EQ(Name("chrec"), "Record");
    EXPECT_EQ(Said(Chrec(), QAccessible::Description), "Record 12 of 12");
    // A changed unit is heard at once, without moving to another record.
    Settings settings = book.settings();
    settings.units = UnitNames::Imperial();
    book.setSettings(settings);
    EXPECT_EQ(Name("ObWeighta"), "Weight: r12.4 lb");
    // Moving by the menu is heard the same way.
    Action("MnuPrev")->trigger();
    EXPECT_EQ(Said(Chrec(), QAccessible::Description), "Record 11 of 12");
    EXPECT_EQ(Name("obVen"), "Venue: r11.0");
}

TEST_F(AccessibilityTest, PicturesAreButtonsNamedByTheirStatusTextAndCanBePressed) {
    for (const ToolbarEntry& entry : kToolbarEntries) {
        SCOPED_TRACE(entry.name);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(Find(entry.name));
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->role(), QAccessible::Button);
        EXPECT_EQ(face->text(QAccessible::Name), QString::fromLatin1(entry.statusText));
    }
    // Pressed by assistive technology, a picture runs its command as a click does.
    Hold(3);
    platform.answerSaveDialog("");
    QAccessibleActionInterface* save =
        QAccessible::queryAccessibleInterface(Find("ButSave"))->actionInterface();
    ASSERT_NE(save, nullptr);
    ASSERT_EQ(save->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    save->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(platform.callsOf("save").size(), 1u);
    // A greyed picture offers nothing to press.
    Hold(0);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(Find("ButEdit"))
                    ->actionInterface()
                    ->actionNames()
                    .isEmpty());
}

TEST_F(AccessibilityTest, TheFocusedValueIsSeenAndEditedByF2OrReturnAsByItsGesture) {
    Hold(2);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // Tab goes from value to value in field order, and the focused value is seen.
    QLabel* venue = Find<QLabel>("obVen");
    const QColor unfocused = venue->palette().color(QPalette::Window);
    venue->setFocus();
    EXPECT_NE(venue->palette().color(QPalette::Window), unfocused);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Find("ObType"));
    EXPECT_EQ(venue->palette().color(QPalette::Window), unfocused);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Find("ObDay"));

    // An input-box field: each key asks once with the prompt of the double-click.
    for (int key : {Qt::Key_F2, Qt::Key_Return, Qt::Key_Enter}) {
        SCOPED_TRACE(key);
        platform.clearCalls();
        platform.answerInput(QStringLiteral("19:00"));
        Find("ObTime2")->setFocus();
        Press(Find("ObTime2"), key);
        ASSERT_EQ(platform.callsOf("input").size(), 1u);
        EXPECT_EQ(platform.callsOf("input")[0].text, "Please type in new Finish Time:");
        EXPECT_EQ(Text("ObTime2"), "19:00");
    }
    // Other keys start nothing; the arrows still move between records.
    platform.clearCalls();
    Press(Find("ObTime2"), Qt::Key_F3);
    QTest::keyClick(Find("ObTime2"), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(platform.calls().empty());
    QTest::keyClick(Find("ObTime2"), Qt::Key_Right);
    EXPECT_EQ(book.currentRecord(), 2);
    QTest::keyClick(Find("ObTime2"), Qt::Key_Up);
    EXPECT_EQ(book.currentRecord(), 1);
}

}  // namespace
}  // namespace rodwick::testing
