#include <QLabel>
#include <memory>

#include "fields.h"
#include "quick_edit_dialog.h"
#include "rodwick_test/editing_fixture.h"

namespace rodwick::testing {
namespace {

// QuickEditDialog's prompt and which of its optional controls show, the mode's editor: "prompt
// [ots]".
std::string PromptAndEditor(const QWidget& dialog) {
    QStringList shown;
    for (const char* name : {"ots", "ind", "putdate", "hoco", "more", "less", "LabCel", "enttext"})
        if (Child(dialog, name)->isVisibleTo(&dialog)) shown << name;
    return (Child<QLabel>(dialog, "mess")->text() + " [" + shown.join(' ') + "]").toStdString();
}

class QuickEditTest : public EditingTest {
  protected:
    // Record 2 of 3 shown in a window on screen, so that the labels take real mouse events.
    void SetUp() override {
        Hold(3, 2);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void DoubleClick(const char* label) { QTest::mouseDClick(Find<QLabel>(label), Qt::LeftButton); }
    void SingleClick(const char* label) { QTest::mouseClick(Find<QLabel>(label), Qt::LeftButton); }
    // The field of record 2, and what its label shows.
    std::string Stored(Field field, const char* label) {
        return book.table().slot(2)[field] + "|" + Text(label).toStdString();
    }
    // QuickEditDialog loaded on record 2 for a field's row, as the main window opens it.
    std::unique_ptr<QuickEditDialog> Open(Field field) {
        auto dialog = std::make_unique<QuickEditDialog>(book, platform, window,
                                                        QuickEditRowFor(field), &window);
        dialog->load();
        return dialog;
    }
};

TEST_F(QuickEditTest, EveryLabelOpensItsEditorWithItsPrompt) {
    ChangeSettings(book, [&](Settings& s) { s.units = UnitNames::Metric(); });
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
    const TripRecord before = book.table().slot(2);
    const QString title = window.windowTitle();
    for (const auto& [label, click, dialog, opens] : rows) {
        SCOPED_TRACE(label);
        // A single click on a double-click label, or the right button, opens nothing.
        if (!click) SingleClick(label);
        QTest::mouseDClick(Find<QLabel>(label), Qt::RightButton);

        // Every editor starts from the field its label shows.
        const QString stored = Text(label);
        std::string inside;
        if (!dialog) {
            platform.answerInput(QString());
        } else {
            platform.answerModal([&](QDialog& dialog) {
                auto* form8 = qobject_cast<QuickEditDialog*>(&dialog);
                EXPECT_EQ(form8 ? form8->editorText() : BoxText(dialog, "fishsel"), stored);
                inside = form8 ? PromptAndEditor(dialog) : "";
                return int(QDialog::Rejected);
            });
        }
        click ? SingleClick(label) : DoubleClick(label);

        ASSERT_EQ(platform.calls().size(), 1u);
        const PlatformCall& call = platform.calls()[0];
        EXPECT_EQ((call.text + " | " + call.title + " | ").toStdString() + inside, opens);
        EXPECT_EQ(call.defaultText, dialog ? QString() : stored);
        platform.clearCalls();
    }
    EXPECT_EQ(book.table().slot(2), before);
    // Each of the twelve QuickEditDialog modes loaded under the busy title and pointer, which went
    // back.
    EXPECT_EQ(std::ranges::count(platform.busyPointerChanges, true), 12);
    EXPECT_EQ(window.windowTitle(), title);
}

TEST_F(QuickEditTest, InputBoxStoresAnyAnswerButAnEmptyOne) {
    ChangeSettings(book, [&](Settings& s) { s.units = UnitNames::Imperial(); });
    // The answer, and the total weight after it: stored as typed, every kind of line break
    // (a pasted one) as a blank.
    const QString breaks =
        QString("3\n4\r5") + QChar::ParagraphSeparator + "6" + QChar::LineSeparator;
    const std::pair<QString, std::string> answers[] = {
        {"", "r2.4"}, {"heavy", "heavy"}, {" 12 ", " 12 "}, {"", " 12 "}, {breaks, "3 4 5 6 "}};
    for (const auto& [answer, after] : answers) {
        platform.answerInput(answer);
        DoubleClick("ObWeighta");
        EXPECT_EQ(Stored(Field::totalWeightMajor, "ObWeighta"), after + "|" + after);
    }
    EXPECT_EQ(platform.calls().back().text, "Please type in new Total Weight in lb:");
    EXPECT_EQ(Held(), std::vector<TripRecord>({Tagged("r1"), book.table().slot(2), Tagged("r3")}));
}

TEST_F(QuickEditTest, NumberBoxesStepWithinTheirBounds) {
    // The limits of each step are the number helpers' to tell; here the dialog's wiring of them.
    // The field, temperature or ticket price; the text stored; and each step ("load", "more",
    // "less" or a typed text) with hoco's text after it, and " off" while + and - are disabled.
    // clang-format off
    const std::tuple<Field, const char*, std::vector<std::pair<const char*, const char*>>> cases[] = {
        {Field::temperature, "12.5", {{"load", "12"}, {"more", "13"}}}, {Field::ticketPrice, "3.50", {{"load", "3.5"}}},
        {Field::temperature, "warm", {{"load", "warm off"}, {"more", "warm off"}, {"12", "12"}, {"less", "11"}}},
        {Field::ticketPrice, "0", {{"load", "0"}, {"less", "0"}}},
    };
    // clang-format on
    for (const auto& [field, stored, steps] : cases) {
        SetText(book, 2, Field::temperature, stored);
        SetText(book, 2, Field::ticketPrice, stored);
        const auto dialog = Open(field);
        auto* hoco = Child<QLineEdit>(*dialog, "hoco");
        for (const auto& [step, after] : steps) {
            const std::string name = step;
            if (name == "more" || name == "less")
                Click(*dialog, step);
            else if (name != "load")
                Type(*dialog, "hoco", step);
            const bool more = Child(*dialog, "more")->isEnabled();
            EXPECT_EQ(more, Child(*dialog, "less")->isEnabled());
            EXPECT_EQ(hoco->text().toStdString() + (more ? "" : " off"), after)
                << QuickEditRowFor(field).editor << " " << stored << " " << step;
        }
    }
}

TEST_F(QuickEditTest, ListsInTheirOrderOfAddingAndSuggestionsUnderThePreference) {
    // Unsorted, where the record editor sorts its species.
    EXPECT_EQ(Items(*Open(Field::bestFish), "ots"), SpeciesList());
    // The record editor's venue and club lists follow the same preference.
    const char* venues[] = {"Usk", "usk", "Wye"};
    for (int i = 1; i <= 3; ++i) SetText(book, i, Field::venue, venues[i - 1]);
    SetText(book, 2, Field::club, "");
    for (bool preference : {true, false}) {
        ChangeSettings(book, [&](Settings& s) { s.showVenuesOnEdit = preference; });
        const QString lists = preference ? "Usk|Wye r1.3||r3.3" : " ";
        EXPECT_EQ(Items(*Open(Field::venue), "ots").join('|') + " " +
                      Items(*Open(Field::club), "ots").join('|'),
                  lists);
        EditWith([&](RecordEditor& editor) {
            EXPECT_EQ(Items(editor, "edven").join('|') + " " + Items(editor, "edclub").join('|'),
                      lists);
            // Filling the list left the record's own text in the box.
            EXPECT_EQ(BoxText(editor, "edven"), "usk");
        });
    }
}

TEST_F(QuickEditTest, OkayStoresEvenEmptyTextAndCancelStoresNothing) {
    // The label, its field, how the dialog is worked, and the field after it. The field is
    // changed behind the view first: the view shows it after the dialog all the same, however
    // the dialog closed.
    platform.clock = QDateTime(QDate(2026, 12, 5), QTime(23, 59));
    // clang-format off
    const std::tuple<const char*, Field, void (*)(QDialog&), std::string> cases[] = {
        {"ObInfo", Field::remarks, [](QDialog& d) { Type(d, "enttext", ""), Click(d, "okay"); }, ""},
        {"ObRest", Field::restrictions, [](QDialog& d) { Type(d, "enttext", "No keep\nnets"), Click(d, "okay"); }, "No keep nets"},
        {"ObDat", Field::date, [](QDialog& d) { Click(d, "putdate"), Click(d, "okay"); }, "12-05-2026"},
        {"obVen", Field::venue, [](QDialog& d) { Type(d, "ots", ""), Click(d, "okay"); }, ""},
        {"obVen", Field::venue, [](QDialog& d) { Type(d, "ots", "Wye"), Click(d, "cancel"); }, "behind"},
        {"ObTemp", Field::temperature, [](QDialog& d) { Type(d, "hoco", "7"), d.close(); }, "behind"},
        {"ObTemp", Field::temperature, [](QDialog& d) { Type(d, "hoco", "7"), Click(d, "more"), Click(d, "okay"); }, "8"},
        {"ObSpec", Field::species, [](QDialog& d) { Type(d, "fishsel", "Tench\nRudd, "), Click(d, "okay"); }, "Tench Rudd, "},
        {"ObSpec", Field::species, [](QDialog& d) { Type(d, "fishsel", "Rudd"), Click(d, "cancel"); }, "behind"},
        // From the keyboard alone: the editor has the focus, Return is Okay, Escape is Cancel.
        {"ObWeather", Field::weather, [](QDialog& d) { TypeAndPress(d, "Hail", Qt::Key_Escape); }, "behind"},
        {"ObWeather", Field::weather, [](QDialog& d) { TypeAndPress(d, "Hail", Qt::Key_Return); }, "Hail"},
        {"ObDay", Field::ticketPrice, [](QDialog& d) { TypeAndPress(d, "4.5", Qt::Key_Return); }, "4.5"},
    };
    // clang-format on
    for (const auto& [label, field, work, after] : cases) {
        SetText(book, 2, field, "behind");
        platform.answerModal([work](QDialog& dialog) {
            work(dialog);
            EXPECT_FALSE(dialog.isVisible());
            return dialog.result();
        });
        std::string(label) == "ObDay" ? SingleClick(label) : DoubleClick(label);
        EXPECT_EQ(Stored(field, label), after + "|" + after) << label;
    }
    EXPECT_EQ(Text("total"), "Record 2 of 3");
}

}  // namespace
}  // namespace rodwick::testing
