#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

#include "form1_fixture.h"
#include "goto_line.h"

namespace rodwick::testing {
namespace {

void Press(QWidget* target, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
}

void DoubleClick(QListWidget* list, int row) {
    const QPointF at = list->visualItemRect(list->item(row)).center();
    const QPointF global = list->viewport()->mapToGlobal(at);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, global, Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(list->viewport(), &event);
    }
}

// Closes a dialog the way a user does: "click:<button>", "return" (on the focus widget named),
// "escape", or "close" (the close box).
void CloseBy(QDialog& dialog, const std::string& how, QWidget* focus) {
    if (how.starts_with("click:")) {
        dialog.findChild<QPushButton*>(QString::fromStdString(how.substr(6)))->click();
        return;
    }
    // The dialog's keys and close box act only on a shown dialog, as in the program.
    dialog.show();
    if (how == "return") Press(focus, Qt::Key_Return);
    if (how == "escape") Press(focus, Qt::Key_Escape);
    if (how == "close") dialog.close();
}

class FindingTest : public Form1Test {
  protected:
    // Find, with the word typed into Form5 and the dialog closed by `how`.
    void FindClosedBy(const std::string& how, const QString& word = QString()) {
        platform.answerModal([how, word](QDialog& dialog) {
            auto* find = dialog.findChild<QLineEdit*>(QStringLiteral("find"));
            EXPECT_EQ(find->text(), "") << "the word box starts empty every time";
            find->setText(word);
            CloseBy(dialog, how, find);
            return dialog.result();
        });
        Action("MnuFind")->trigger();
    }
    std::string Search() {
        return window.searchWalk().searchWord().toStdString() + "@" +
               std::to_string(window.searchWalk().searchPosition());
    }
};

const std::string kContinue =
    Describe("Search", "Continue Search?", platform::Buttons::YesNo, platform::Icon::Question);
const std::string kComplete =
    Describe("Search", "Search Complete", platform::Buttons::Ok, platform::Icon::Information);

TEST_F(FindingTest, FindStopsAtEachHitAndEveryOtherCloseResumes) {
    using platform::Answer;
    Hold(12);
    // Records 1 and 10 to 12 hold r1; the search pauses at 10, goes on at 11 after Cancel,
    // at 12 after Escape, and the close box on an idle search does nothing.
    for (Answer a : {Answer::Yes, Answer::No, Answer::No, Answer::Yes, Answer::Ok}) {
        platform.answerMessage(a);
    }
    FindClosedBy("click:okay", "r1");
    EXPECT_EQ(Shown(), Showing(10, 12));
    EXPECT_EQ(Search(), "R1@10");
    FindClosedBy("click:cancel", "r2");
    EXPECT_EQ(Shown(), Showing(11, 12));
    FindClosedBy("escape", "r2");
    EXPECT_EQ(Shown(), Showing(12, 12));
    EXPECT_EQ(Search(), "@0");
    FindClosedBy("close", "r2");
    EXPECT_EQ(Shown(), Showing(12, 12));

    std::vector<std::string> shown;
    for (const PlatformCall& call : platform.messages()) shown.push_back(Describe(call));
    EXPECT_EQ(shown,
              std::vector<std::string>({kContinue, kContinue, kContinue, kContinue, kComplete}));

    // Return in the word box presses Okay: a new search from the first record.
    platform.answerMessage(Answer::No);
    FindClosedBy("return", "R3.");
    EXPECT_EQ(Shown(), Showing(3, 12));
    EXPECT_EQ(Search(), "R3.@3");
    EXPECT_TRUE(platform.allAnswersUsed());
}

TEST_F(FindingTest, NothingFoundLeavesTheViewAndAnnouncesTheEnd) {
    Hold(5);
    window.MnuLast_Click();
    platform.answerMessage(platform::Answer::Ok);
    FindClosedBy("click:okay", "zander");
    EXPECT_EQ(Shown(), Showing(5, 5));
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(Describe(platform.messages()[0]), kComplete);
}

TEST_F(FindingTest, BothDialogsAreFixedCentredAndCaptioned) {
    Hold(3);
    struct Expected {
        const char* command;
        const char* name;
        const char* title;
        std::vector<std::pair<const char*, const char*>> captions;
        const char* defaultButton;
    };
    const Expected dialogs[] = {
        {"MnuFind",
         "Form5",
         "Search",
         {{"Label1",
           "Please type in the word for me to search for. I will search all fields in all records "
           "for the word you specify. Upper and lower case are no problem for me!"},
          {"Label2", "Word:"},
          {"okay", "Okay"},
          {"cancel", "Cancel"}},
         "okay"},
        {"MnuGoto",
         "Form6",
         "Goto",
         {{"Label1", "Records:"}, {"butgo", "Goto"}, {"butcan", "Cancel"}},
         "butgo"},
    };
    for (const Expected& expected : dialogs) {
        SCOPED_TRACE(expected.name);
        platform.answerModal([&](QDialog& dialog) {
            EXPECT_EQ(dialog.objectName(), expected.name);
            EXPECT_EQ(dialog.windowTitle(), expected.title);
            EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
            EXPECT_EQ(dialog.pos(),
                      QPoint((1024 - dialog.width()) / 2, (768 - dialog.height()) / 2));
            EXPECT_FALSE(dialog.windowFlags() &
                         (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
            for (const auto& [name, caption] : expected.captions) {
                QWidget* control = dialog.findChild<QWidget*>(name);
                EXPECT_EQ(control->property("text").toString(), caption) << name;
                // Legible and not clipped: a wrapped caption fits its height, another its width.
                auto* label = qobject_cast<QLabel*>(control);
                if (label && label->wordWrap()) {
                    EXPECT_LE(label->heightForWidth(label->width()), label->height()) << name;
                } else {
                    EXPECT_LT(control->fontMetrics().horizontalAdvance(caption), control->width())
                        << name;
                }
            }
            for (auto* button : dialog.findChildren<QPushButton*>()) {
                EXPECT_EQ(button->isDefault(), button->objectName() == expected.defaultButton)
                    << button->objectName().toStdString();
            }
            EXPECT_FALSE(dialog.findChild<QLabel*>("Image1")->pixmap().isNull());
            return QDialog::Rejected;
        });
        Action(expected.command)->trigger();
    }
}

TEST(GotoLine, JoinsNumberVenueDateAndTimeAsStored) {
    const struct {
        int number;
        const char* venue;
        const char* date;
        const char* time;
        const char* line;
    } cases[] = {
        {2, "River Usk", "12/05/01", "07:30", "2. River Usk on 12/05/01 at 07:30"},
        {9, "Lake", "", "06:00", "9. Lake on  at 06:00"},
        {10, " Pond ", "01-02-2003", "", "10.  Pond  on 01-02-2003 at "},
        {250, "", "", "", "250.  on  at "},
        {7, "Caf\xe9 Pool", "1/1/99", "5", "7. Café Pool on 1/1/99 at 5"},
    };
    for (const auto& c : cases) {
        TripRecord record = Tagged("x");
        record[Field::venue] = c.venue;
        record[Field::date] = c.date;
        record[Field::startTime] = c.time;
        EXPECT_EQ(GotoLine(c.number, record), QString::fromUtf8(c.line));
    }
}

TEST_F(FindingTest, GotoListsEveryRecordAndJumpsOnlyOnGoto) {
    // With record 5 of 12 current: how the dialog is closed, the line picked first (-1: none,
    // -2: the selection cleared), and the record current afterwards; a redraw shows in obVen.
    const struct {
        const char* how;
        int pick;
        int current;
        bool redrawn;
    } cases[] = {
        {"click:butgo", -1, 5, true}, {"click:butgo", 8, 9, true},   {"return", 8, 9, true},
        {"double:2", -1, 3, true},    {"click:butcan", 8, 5, false}, {"escape", 8, 5, false},
        {"close", 8, 5, false},       {"click:butgo", -2, 5, false},
    };
    Hold(12);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.how) + " after picking " + std::to_string(c.pick));
        state.table.setCurrentRecord(5);
        window.ShowCurrentRecord();
        Find<QLabel>("obVen")->setText("stale");
        platform.answerModal([&](QDialog& dialog) {
            auto* recsel = dialog.findChild<QListWidget*>(QStringLiteral("recsel"));
            EXPECT_EQ(recsel->count(), 12);
            EXPECT_EQ(recsel->item(8)->text(), "9. r9.0 on r9.19 at r9.20");
            EXPECT_EQ(recsel->item(9)->text(), "10. r10.0 on r10.19 at r10.20");
            EXPECT_EQ(recsel->currentRow(), 4);
            EXPECT_TRUE(recsel->item(4)->isSelected());
            if (c.pick >= 0) recsel->setCurrentRow(c.pick);
            if (c.pick == -2) recsel->clearSelection();
            const std::string how = c.how;
            if (how.starts_with("double:")) {
                dialog.show();
                DoubleClick(recsel, std::stoi(how.substr(7)));
            } else {
                CloseBy(dialog, how, recsel);
            }
            EXPECT_FALSE(dialog.isVisible());
            return dialog.result();
        });
        Action("MnuGoto")->trigger();
        EXPECT_EQ(state.table.currentRecord(), c.current);
        EXPECT_EQ(Text("obVen") != "stale", c.redrawn);
        if (c.redrawn) {
            EXPECT_EQ(Shown(), Showing(c.current, 12));
        }
    }
    EXPECT_TRUE(platform.allAnswersUsed());
}

TEST_F(FindingTest, GotoReachesTheLastLineOfAFullTable) {
    Hold(250);
    platform.answerModal([](QDialog& dialog) {
        auto* recsel = dialog.findChild<QListWidget*>(QStringLiteral("recsel"));
        EXPECT_EQ(recsel->currentRow(), 0);
        recsel->setCurrentRow(recsel->count() - 1);
        EXPECT_EQ(recsel->currentItem()->text(), "250. r250.0 on r250.19 at r250.20");
        dialog.findChild<QPushButton*>(QStringLiteral("butgo"))->click();
        return dialog.result();
    });
    Action("MnuGoto")->trigger();
    EXPECT_EQ(Shown(), Showing(250, 250));
    EXPECT_EQ(Text("total"), "Record 250 of 250");
}

}  // namespace
}  // namespace rodwick::testing
