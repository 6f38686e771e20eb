// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLabel>
#include <memory>

#include "fields.h"
#include "quick_edit_dialog.h"
#include "rodwick_test/editing_fixture.h"

namespace rodwick::testing {
namespace {

// QuickEditDialog's prompt and which of its optional controls show, the mode's editor: "prompt
// [ots]".
std::string promptAndEditor(const QWidget& dialog) {
    QStringList shown;
    for (const char* name : {"ots", "ind", "putdate", "hoco", "more", "less", "LabCel", "enttext"})
        if (child(dialog, name)->isVisibleTo(&dialog)) shown << name;
    return (child<QLabel>(dialog, "mess")->text() + " [" + shown.join(' ') + "]").toStdString();
}

class QuickEditTest : public EditingTest {
  protected:
    // Record 2 of 3 shown in a window on screen, so that the labels take real mouse events.
    void SetUp() override {
        hold(3, 2);
        window_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    }
    void doubleClick(const char* label) { QTest::mouseDClick(find<QLabel>(label), Qt::LeftButton); }
    void singleClick(const char* label) { QTest::mouseClick(find<QLabel>(label), Qt::LeftButton); }
    // The field of record 2, and what its label shows.
    std::string stored(Field field, const char* label) {
        return book_.table().slot(2)[field] + "|" + text(label).toStdString();
    }
    // QuickEditDialog loaded on record 2 for a field's row, as the main window opens it.
    std::unique_ptr<QuickEditDialog> open(Field field) {
        auto dialog = std::make_unique<QuickEditDialog>(book_, platform_, window_,
                                                        quickEditRowFor(field), &window_);
        dialog->load();
        return dialog;
    }
};

TEST_F(QuickEditTest, EveryLabelOpensItsEditorWithItsPrompt) {
    changeSettings(book_, [&](Settings& s) { s.units = UnitNames::metric(); });
    // The label; whether a single click opens it, not a double-click; whether a dialog opens
    // rather than the input box; and the input box's prompt and title, or the dialog's name,
    // caption, and QuickEditDialog's prompt and editor.
    // clang-format off
    const std::tuple<const char*, bool, bool, const char*> rows[] = {
        {"obVen", false, true, "Form8 | Quickedit | Please select new venue! [ots]"},
        {"ObType", false, true, "Form8 | Quickedit | Please select type of water. [ots]"},
        {"ObDay", true, true, "Form8 | Quickedit | Please type in new ticket price. [hoco more less]"},
        {"ObClub", false, true, "Form8 | Quickedit | Please select new club [ots]"},
        {"ObWeighta", false, false, "Please type in new Total Weight in Kg: | Quick Edit | "},
        {"ObWeightb", false, false, "Please type in new Total Weight in g: | Quick Edit | "},
        {"ObWater", false, true, "Form8 | Quickedit | Please select new water conditions! [ots]"},
        {"ObWeather", false, true, "Form8 | Quickedit | Please select new weather! [ots]"},
        {"ObTemp", false, true, "Form8 | Quickedit | Please select new temperature. [hoco more less LabCel]"},
        {"ObMethod", false, false, "Please type in new Method of Fishing: | Quick Edit | "},
        {"ObDepthA", false, false, "Please type in new depth in m: | Quick Edit | "},
        {"ObDepthB", false, false, "Please type in new depth in cm: | Quick Edit | "},
        {"ObBait", false, true, "Form8 | Quickedit | Please select new best Bait: [ots]"},
        {"ObSpec", false, true, "form10 | Fish Selection | "},
        {"ObName", false, true, "Form8 | Quickedit | Please select new best fish: [ots]"},
        {"ObBestA", false, false, "Please type in new weight in Kg: | Quick Edit | "},
        {"ObBestB", false, false, "Please type in new weight in g: | Quick Edit | "},
        {"ObRest", false, true, "Form8 | Quickedit | Please enter new restrictions: [enttext]"},
        {"ObInfo", false, true, "Form8 | Quickedit | Please enter new remarks: [enttext]"},
        {"ObDat", false, true, "Form8 | Quickedit | Please type in new date. [ind putdate]"},
        {"ObTime1", false, false, "Please type in new Start Time: | Quick Edit | "},
        {"ObTime2", false, false, "Please type in new Finish Time: | Quick Edit | "},
    };
    // clang-format on
    const TripRecord before = book_.table().slot(2);
    const QString title = window_.windowTitle();
    for (const auto& [label, click, dialog, opens] : rows) {
        SCOPED_TRACE(label);
        // A single click on a double-click label, or the right button, opens nothing.
        if (!click) singleClick(label);
        QTest::mouseDClick(find<QLabel>(label), Qt::RightButton);

        // Every editor starts from the field its label shows.
        const QString stored = text(label);
        std::string inside;
        if (!dialog) {
            platform_.answerInput(QString());
        } else {
            platform_.answerModal([&](QDialog& dialog) {
                auto* form8 = qobject_cast<QuickEditDialog*>(&dialog);
                EXPECT_EQ(form8 ? form8->editorText() : boxText(dialog, "fishsel"), stored);
                inside = form8 ? promptAndEditor(dialog) : "";
                return int(QDialog::Rejected);
            });
        }
        click ? singleClick(label) : doubleClick(label);

        ASSERT_EQ(platform_.calls().size(), 1u);
        const PlatformCall& call = platform_.calls()[0];
        EXPECT_EQ((call.text + " | " + call.title + " | ").toStdString() + inside, opens);
        EXPECT_EQ(call.defaultText, dialog ? QString() : stored);
        platform_.clearCalls();
    }
    EXPECT_EQ(book_.table().slot(2), before);
    // Each of the twelve QuickEditDialog modes loaded under the busy title and pointer, which went
    // back.
    EXPECT_EQ(std::ranges::count(platform_.busyPointerChanges, true), 12);
    EXPECT_EQ(window_.windowTitle(), title);
}

TEST_F(QuickEditTest, InputBoxStoresAnyAnswerButAnEmptyOne) {
    changeSettings(book_, [&](Settings& s) { s.units = UnitNames::imperial(); });
    // The answer, and the total weight after it: stored as typed, every kind of line break
    // (a pasted one) as a blank.
    const QString breaks =
        QString("3\n4\r5") + QChar::ParagraphSeparator + "6" + QChar::LineSeparator;
    const std::pair<QString, std::string> answers[] = {
        {"", "r2.4"}, {"heavy", "heavy"}, {" 12 ", " 12 "}, {"", " 12 "}, {breaks, "3 4 5 6 "}};
    for (const auto& [answer, after] : answers) {
        platform_.answerInput(answer);
        doubleClick("ObWeighta");
        EXPECT_EQ(stored(Field::TotalWeightMajor, "ObWeighta"), after + "|" + after);
    }
    EXPECT_EQ(platform_.calls().back().text, "Please type in new Total Weight in lb:");
    EXPECT_EQ(heldTrips(),
              std::vector<TripRecord>({tagged("r1"), book_.table().slot(2), tagged("r3")}));
}

TEST_F(QuickEditTest, NumberBoxesStepWithinTheirBounds) {
    // The limits of each step are the number helpers' to tell; here the dialog's wiring of them.
    // The field, temperature or ticket price; the text stored; and each step ("load", "more",
    // "less" or a typed text) with numberBox's text after it, and " off" while + and - are
    // disabled.
    // clang-format off
    const std::tuple<Field, const char*, std::vector<std::pair<const char*, const char*>>> cases[] = {
        {Field::Temperature, "12.5", {{"load", "12"}, {"more", "13"}}}, {Field::TicketPrice, "3.50", {{"load", "3.5"}}},
        {Field::Temperature, "warm", {{"load", "warm off"}, {"more", "warm off"}, {"12", "12"}, {"less", "11"}}},
        {Field::TicketPrice, "0", {{"load", "0"}, {"less", "0"}}},
    };
    // clang-format on
    for (const auto& [field, stored, steps] : cases) {
        setText(book_, 2, Field::Temperature, stored);
        setText(book_, 2, Field::TicketPrice, stored);
        const auto dialog = open(field);
        auto* numberBox = child<QLineEdit>(*dialog, "hoco");
        for (const auto& [step, after] : steps) {
            const std::string name = step;
            if (name == "more" || name == "less")
                click(*dialog, step);
            else if (name != "load")
                type(*dialog, "hoco", step);
            const bool more = child(*dialog, "more")->isEnabled();
            EXPECT_EQ(more, child(*dialog, "less")->isEnabled());
            EXPECT_EQ(numberBox->text().toStdString() + (more ? "" : " off"), after)
                << quickEditRowFor(field).editor << " " << stored << " " << step;
        }
    }
}

TEST_F(QuickEditTest, ListsInTheirOrderOfAddingAndSuggestionsUnderThePreference) {
    // Unsorted, where the record editor sorts its species.
    EXPECT_EQ(items(*open(Field::BestFish), "ots"), speciesList());
    // The record editor's venue and club lists follow the same preference.
    const char* venues[] = {"Usk", "usk", "Wye"};
    for (int i = 1; i <= 3; ++i) setText(book_, i, Field::Venue, venues[i - 1]);
    setText(book_, 2, Field::Club, "");
    for (bool preference : {true, false}) {
        changeSettings(book_, [&](Settings& s) { s.showVenuesOnEdit = preference; });
        const QString lists = preference ? "Usk|Wye r1.3||r3.3" : " ";
        EXPECT_EQ(items(*open(Field::Venue), "ots").join('|') + " " +
                      items(*open(Field::Club), "ots").join('|'),
                  lists);
        editWith([&](RecordEditor& editor) {
            EXPECT_EQ(items(editor, "edven").join('|') + " " + items(editor, "edclub").join('|'),
                      lists);
            // Filling the list left the record's own text in the box.
            EXPECT_EQ(boxText(editor, "edven"), "usk");
        });
    }
}

TEST_F(QuickEditTest, OkayStoresEvenEmptyTextAndCancelStoresNothing) {
    // The label, its field, how the dialog is worked, and the field after it. The field is
    // changed behind the view first: the view shows it after the dialog all the same, however
    // the dialog closed.
    platform_.clock = QDateTime(QDate(2026, 12, 5), QTime(23, 59));
    // clang-format off
    const std::tuple<const char*, Field, void (*)(QDialog&), std::string> cases[] = {
        {"ObInfo", Field::Remarks, [](QDialog& d) { type(d, "enttext", ""), click(d, "okay"); }, ""},
        {"ObRest", Field::Restrictions, [](QDialog& d) { type(d, "enttext", "No keep\nnets"), click(d, "okay"); }, "No keep nets"},
        {"ObDat", Field::Date, [](QDialog& d) { click(d, "putdate"), click(d, "okay"); }, "12-05-2026"},
        {"obVen", Field::Venue, [](QDialog& d) { type(d, "ots", ""), click(d, "okay"); }, ""},
        {"obVen", Field::Venue, [](QDialog& d) { type(d, "ots", "Wye"), click(d, "cancel"); }, "behind"},
        {"ObTemp", Field::Temperature, [](QDialog& d) { type(d, "hoco", "7"), d.close(); }, "behind"},
        {"ObTemp", Field::Temperature, [](QDialog& d) { type(d, "hoco", "7"), click(d, "more"), click(d, "okay"); }, "8"},
        {"ObSpec", Field::Species, [](QDialog& d) { type(d, "fishsel", "Tench\nRudd, "), click(d, "okay"); }, "Tench Rudd, "},
        {"ObSpec", Field::Species, [](QDialog& d) { type(d, "fishsel", "Rudd"), click(d, "cancel"); }, "behind"},
        // From the keyboard alone: the editor has the focus, Return is Okay, Escape is Cancel.
        {"ObWeather", Field::Weather, [](QDialog& d) { typeAndPress(d, "Hail", Qt::Key_Escape); }, "behind"},
        {"ObWeather", Field::Weather, [](QDialog& d) { typeAndPress(d, "Hail", Qt::Key_Return); }, "Hail"},
        {"ObDay", Field::TicketPrice, [](QDialog& d) { typeAndPress(d, "4.5", Qt::Key_Return); }, "4.5"},
    };
    // clang-format on
    for (const auto& [label, field, work, after] : cases) {
        setText(book_, 2, field, "behind");
        platform_.answerModal([work](QDialog& dialog) {
            work(dialog);
            EXPECT_FALSE(dialog.isVisible());
            return dialog.result();
        });
        std::string(label) == "ObDay" ? singleClick(label) : doubleClick(label);
        EXPECT_EQ(stored(field, label), after + "|" + after) << label;
        // What Undo would take back: the change behind the view, or the dialog's.
        const bool stayed = after == "behind";
        EXPECT_EQ(book_.undoName(), stayed                    ? "Edit"
                                    : field == Field::Species ? "Species"
                                                              : "Quick Edit")
            << label;
    }
    EXPECT_EQ(text("total"), "Record 2 of 3");
}

}  // namespace
}  // namespace rodwick::testing
