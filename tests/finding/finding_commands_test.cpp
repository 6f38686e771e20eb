// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "finding_area.h"
#include "goto_line.h"
#include "rodwick_test/main_window_fixture.h"

namespace rodwick::testing {
namespace {

// Closes a dialog as a user does: "click:<button>", "return" or "escape" on the focus widget,
// "close" (the close box), or "double:<row>" on the list.
void closeBy(QDialog& dialog, const std::string& how, QWidget* focus) {
    if (how.starts_with("click:")) {
        return dialog.findChild<QPushButton*>(QString::fromStdString(how.substr(6)))->click();
    }
    // Keys, the close box and the mouse act only on a shown dialog, as in the program.
    dialog.show();
    if (how == "return") QTest::keyClick(focus, Qt::Key_Return);
    if (how == "escape") QTest::keyClick(focus, Qt::Key_Escape);
    if (how == "close") dialog.close();
    if (how.starts_with("double:")) {
        auto* list = static_cast<QListWidget*>(focus);
        const QRect row = list->visualItemRect(list->item(std::stoi(how.substr(7))));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
    }
}

class FindingTest : public MainWindowTest {
  protected:
    // Find, with the word typed into FindDialog and the dialog closed by `how`.
    void findClosedBy(const std::string& how, const QString& word = QString()) {
        platform_.answerModal([how, word](QDialog& dialog) {
            auto* find = dialog.findChild<QLineEdit*>(QStringLiteral("find"));
            EXPECT_EQ(find->text(), "") << "the word box starts empty every time";
            find->setText(word);
            closeBy(dialog, how, find);
            return dialog.result();
        });
        action("MnuFind")->trigger();
    }
    std::string searchState() {
        const SearchWalk& search = window_.findChild<FindingArea*>()->searchWalk();
        return search.searchWord().toStdString() + "@" + std::to_string(search.searchPosition());
    }
};

TEST_F(FindingTest, FindStopsAtEachHitAndEveryOtherCloseResumes) {
    hold(12);
    // Records 1 and 10 to 12 hold r1: paused at 10, on at 11 after Cancel, at 12 after Escape,
    // then the close box on an idle search does nothing. Return presses Okay: R3. pauses at 3,
    // and a word found nowhere leaves record 3 on view.
    using enum platform::Answer;
    for (auto a : {Yes, No, No, Yes, Ok, No, Ok}) platform_.answerMessage(a);
    // How the dialog is closed, the word typed, the search afterwards and the record shown.
    const std::tuple<const char*, const char*, const char*, int> finds[] = {
        {"click:okay", "r1", "R1@10", 10}, {"click:cancel", "r2", "R1@11", 11},
        {"escape", "r2", "@0", 12},        {"close", "r2", "@0", 12},
        {"return", "R3.", "R3.@3", 3},     {"click:okay", "zander", "@0", 3}};
    for (const auto& [how, word, search, shown] : finds) {
        findClosedBy(how, QString::fromLatin1(word));
        EXPECT_EQ(viewText(), showing({.record = shown, .of = 12})) << how;
        EXPECT_EQ(searchState(), search) << how;
    }

    const std::string ask = describe(
        {"Continue Search?", "Search", platform::Buttons::YesNo, platform::Icon::Question});
    const std::string end =
        describe({"Search Complete", "Search", platform::Buttons::Ok, platform::Icon::Information});
    std::vector<std::string> messages;
    for (const PlatformCall& call : platform_.messages()) messages.push_back(describe(call));
    EXPECT_EQ(messages, std::vector<std::string>({ask, ask, ask, ask, end, ask, end}));
}

TEST(GotoLine, JoinsNumberVenueDateAndTimeAsStored) {
    // Empty fields and blanks stay as stored; a Windows-1252 byte is read as its letter.
    const char* const cases[][5] = {
        {"10", " Pond ", "01-02-2003", "", "10.  Pond  on 01-02-2003 at "},
        {"250", "", "", "", "250.  on  at "},
        {"7", "Caf\xe9", "1/1/99", "5", "7. Café on 1/1/99 at 5"},
    };
    for (const auto& c : cases) {
        TripRecord record = tagged("x");
        record[Field::Venue] = c[1];
        record[Field::Date] = c[2];
        record[Field::StartTime] = c[3];
        EXPECT_EQ(gotoLine(std::stoi(c[0]), record), QString::fromUtf8(c[4]));
    }
}

TEST_F(FindingTest, GotoListsEveryRecordAndJumpsOnlyOnGoto) {
    // With a full table: the record current when the list opens, how the dialog is closed, the
    // line picked first (-1: none, -2: the selection cleared), and the record current afterwards.
    // A redraw shows in obVen.
    const std::tuple<int, const char*, int, int, bool> cases[] = {
        {5, "click:butgo", -1, 5, true},    {5, "click:butgo", 8, 9, true},
        {5, "return", 8, 9, true},          {5, "double:2", -1, 3, true},
        {5, "click:butgo", 249, 250, true}, {5, "click:butcan", 8, 5, false},
        {5, "escape", 8, 5, false},         {5, "close", 8, 5, false},
        {5, "click:butgo", -2, 5, false},   {1, "click:butgo", -1, 1, true},
        {250, "click:butgo", -1, 250, true}};
    hold(250);
    for (const auto& [open, how, pick, current, redrawn] : cases) {
        SCOPED_TRACE(std::to_string(open) + " " + how + " after picking " + std::to_string(pick));
        ASSERT_TRUE(book_.show(open));
        find<QLabel>("obVen")->setText("stale");
        platform_.answerModal([&](QDialog& dialog) {
            dialog.show();
            auto* recsel = dialog.findChild<QListWidget*>(QStringLiteral("recsel"));
            EXPECT_EQ(recsel->count(), 250);
            EXPECT_EQ(recsel->item(9)->text(), "10. r10.0 on r10.19 at r10.20");
            // The current line alone is selected and in view.
            EXPECT_EQ(recsel->currentRow(), open - 1);
            const QList<QListWidgetItem*> selected = recsel->selectedItems();
            EXPECT_EQ(selected.size(), 1);
            if (selected.size() == 1) {
                EXPECT_EQ(recsel->row(selected.front()), open - 1);
                EXPECT_TRUE(
                    recsel->viewport()->rect().contains(recsel->visualItemRect(selected.front())))
                    << "the line is out of view";
            }
            if (pick >= 0) recsel->setCurrentRow(pick);
            if (pick == -2) recsel->clearSelection();
            closeBy(dialog, how, recsel);
            EXPECT_FALSE(dialog.isVisible());
            return dialog.result();
        });
        action("MnuGoto")->trigger();
        EXPECT_EQ(book_.table().currentRecord(), current);
        EXPECT_EQ(text("obVen") != "stale", redrawn);
        if (redrawn) {
            EXPECT_EQ(viewText(), showing({.record = current, .of = 250}));
        }
    }
}

TEST_F(FindingTest, AWordLongerThanALineBoxHoldsIsSearchedWhole) {
    hold(3);
    // Trip 2's venue holds the word's first 40,000 letters but not the word.
    const QString start(40000, QLatin1Char('x'));
    setText(book_, 2, Field::Venue, start.toStdString());
    platform_.answerMessage(platform::Answer::Ok);
    findClosedBy("click:okay", start + QStringLiteral("tench"));
    EXPECT_EQ(lastMessage(), describe({"Search Complete", "Search", platform::Buttons::Ok,
                                       platform::Icon::Information}));
    EXPECT_EQ(book_.currentRecord(), 1);
}

}  // namespace
}  // namespace rodwick::testing
