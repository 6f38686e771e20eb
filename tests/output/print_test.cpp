#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

#include "diaprint.h"
#include "form1_fixture.h"
#include "print_job.h"
#include "record_text.h"

namespace rodwick::testing {
namespace {

using platform::Answer;

const QString kOn = QStringLiteral("<attribute 0 on>");
const QString kOff = QStringLiteral("<attribute 0 off>");
const QString kPath = QStringLiteral("/trips/June \u00e9t\u00e9.RWK");

using Lines = std::vector<QString>;

Lines operator+(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Lines Header(const QString& text) {
    return {kOn, text, kOff};
}

Lines Times(int n, const Lines& lines) {
    Lines out;
    for (int i = 0; i < n; ++i) out = out + lines;
    return out;
}

class PrintTest : public ::testing::Test {
  protected:
    PrintTest() {
        EXPECT_TRUE(state.table.ReplaceFromFile(Trips(1, 4)));
        state.table.setCurrentRecord(3);
        state.table.setCurrentFileName(kPath.toStdString());
        state.settings.displayFont = "Garamond";
        state.settings.units = UnitNames::Imperial();
        platform.printerFont = QStringLiteral("Times New Roman");
    }

    // The printed lines of trip k, as the record printout gives them.
    Lines Trip(int k) {
        Lines lines;
        for (const std::string& line :
             RecordPrintLines(Tagged("r" + std::to_string(k)), UnitNames::Imperial())) {
            lines.push_back(QString::fromStdString(line));
        }
        return lines;
    }
    static Lines NoteSheet() {
        Lines lines;
        for (const std::string& line : NoteSheetLines())
            lines.push_back(QString::fromStdString(line));
        return lines;
    }

    // Opens the print window, lets the test set it up, and presses Print.
    int Print(const std::function<void(diaprint&)>& setUp) {
        diaprint window(state, platform);
        if (setUp) setUp(window);
        window.findChild<QPushButton*>("Print")->click();
        EXPECT_EQ(window.windowTitle(), "Print");
        return window.result();
    }

    ScriptedPlatform platform;
    AppState state;
};

template <typename T>
T* Child(QWidget& window, const char* name) {
    return window.findChild<T*>(QString::fromLatin1(name));
}
void Click(QWidget& window, const char* name) {
    Child<QAbstractButton>(window, name)->click();
}
void Type(QWidget& window, const char* name, const char* text) {
    Child<QLineEdit>(window, name)->setText(QString::fromUtf8(text));
}
std::function<void(diaprint&)> Range(const char* from, const char* to) {
    return [=](diaprint& w) {
        Click(w, "record");
        Type(w, "from", from);
        Type(w, "gto", to);
    };
}
std::function<void(diaprint&)> Copies(const char* copies,
                                      std::function<void(diaprint&)> more = nullptr) {
    return [=](diaprint& w) {
        if (more) more(w);
        Type(w, "cop", copies);
    };
}

TEST_F(PrintTest, WindowStartsOnAllWithTheRangeOff) {
    diaprint window(state, platform);
    EXPECT_EQ(window.objectName(), "diaprint");
    EXPECT_EQ(window.windowTitle(), "Print");
    EXPECT_TRUE(Child<QRadioButton>(window, "all")->isChecked());
    EXPECT_TRUE(Child<QCheckBox>(window, "ff")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>(window, "fd")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>(window, "ft")->isChecked());
    EXPECT_EQ(Child<QLineEdit>(window, "cop")->text(), "1");
    EXPECT_TRUE(Child<QPushButton>(window, "cancel")->isDefault());
    const auto range = [&] {
        return std::make_pair(Child<QLineEdit>(window, "from")->isEnabled(),
                              Child<QLineEdit>(window, "gto")->isEnabled());
    };
    EXPECT_EQ(range(), std::make_pair(false, false));
    for (const auto& [option, enabled] : {std::pair{"record", true},
                                          {"note", false},
                                          {"record", true},
                                          {"current", false},
                                          {"record", true},
                                          {"all", false}}) {
        Click(window, option);
        EXPECT_EQ(range(), std::make_pair(enabled, enabled)) << option;
    }

    Click(window, "cancel");
    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_TRUE(platform.printedLines.empty());
    EXPECT_EQ(platform.printerCalls, 0);
}

TEST_F(PrintTest, EachRequestPrintsItsLines) {
    const QString path = kPath + " - ";
    struct Case {
        const char* what;
        std::function<void(diaprint&)> setUp;
        Lines expected;
        QString fontAfter = QStringLiteral("Garamond");
    };
    const Case cases[] = {
        {"defaults: all, file name, one copy", nullptr,
         Header(path) + Trip(1) + Trip(2) + Trip(3) + Trip(4)},
        {"current, every option, two copies",
         Copies("2",
                [](diaprint& w) {
                    Click(w, "current");
                    Click(w, "fd");
                    Click(w, "ft");
                }),
         Header(kPath + " - 04-14-2001 - 09:13:17") + Trip(3) + Trip(3)},
        {"no header options",
         [](diaprint& w) {
             Click(w, "ff");
             Click(w, "fd");
         },
         Header("04-14-2001 - ") + Trip(1) + Trip(2) + Trip(3) + Trip(4)},
        {"time alone",
         [](diaprint& w) {
             Click(w, "ff");
             Click(w, "ft");
         },
         Header("09:13:17") + Trip(1) + Trip(2) + Trip(3) + Trip(4)},
        {"nothing in the header", [](diaprint& w) { Click(w, "ff"); },
         Header("") + Trip(1) + Trip(2) + Trip(3) + Trip(4)},
        {"records 3 to 3", Range("3", "3"), Header(path) + Trip(3)},
        {"records 5 to 2", Range("5", "2"), Header(path)},
        {"records 0 to 2: slot 0 is no record", Range("0", "2"), Header(path) + Trip(1) + Trip(2)},
        {"records 3 to 250: nothing past the last", Range(" 3", "250 "),
         Header(path) + Trip(3) + Trip(4)},
        {"range, 2.5 copies round to 2", Copies("2.5", Range("1.5", "2.4")),
         Header(path) + Trip(2) + Trip(2)},
        {"3.5 copies round to 4", Copies("3.5", Range("4", "4")), Header(path) + Times(4, Trip(4))},
        {"copies 0", Copies("0"), Header(path)},
        {"copies -7, and a bad range is never read", Copies("-7", Range("", "x")), Header(path)},
        {"note sheet, three copies", Copies("3", [](diaprint& w) { Click(w, "note"); }),
         Times(3, NoteSheet()), QStringLiteral("Times New Roman")},
        {"note sheet, copies 0",
         Copies("0", [](diaprint& w) { Click(w, "note"); }),
         {},
         QStringLiteral("Times New Roman")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        platform.printedLines.clear();
        platform.printJobsStarted = platform.printJobsEnded = 0;
        platform.printerFont = QStringLiteral("Times New Roman");
        EXPECT_EQ(Print(c.setUp), QDialog::Accepted);
        EXPECT_EQ(platform.printedLines, c.expected);
        const int jobs = c.expected.empty() ? 0 : 1;
        EXPECT_EQ(platform.printJobsStarted, jobs);
        EXPECT_EQ(platform.printJobsEnded, jobs);
        EXPECT_EQ(platform.printerFont, c.fontAfter);
        EXPECT_FALSE(platform.busy);
    }
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_EQ(state.table.currentRecord(), 3);
}

TEST_F(PrintTest, FailuresAskToRetryAndRetryRepeatsTheFailedStep) {
    const Lines header = Header(kPath + " - "), trip2 = Trip(2);
    const auto note = [](diaprint& w) { Click(w, "note"); };
    struct Case {
        const char* what;
        std::function<void(diaprint&)> setUp;
        std::set<int> failing;  // printer calls: 1 starts the job, 2 prints the first line...
        std::vector<Answer> answers;
        Lines expected;
        int jobsEnded;
    };
    const Case cases[] = {
        {"empty from, Cancel", Range("", "2"), {}, {Answer::Cancel}, header, 1},
        {"from not a number, Retry then Cancel",
         Range("two", "2"),
         {},
         {Answer::Retry, Answer::Cancel},
         header,
         1},
        {"to past 250", Range("1", "251"), {}, {Answer::Cancel}, header, 1},
        {"from below 0", Range("-1", "2"), {}, {Answer::Cancel}, header, 1},
        {"copies past 32767", Copies("32768"), {}, {Answer::Cancel}, header, 1},
        {"copies empty", Copies(""), {}, {Answer::Cancel}, header, 1},
        {"no printer, Retry", Range("2", "2"), {1}, {Answer::Retry}, header + Trip(2), 1},
        {"no printer, Cancel", nullptr, {1}, {Answer::Cancel}, {kOn, kOff}, 0},
        {"header fails, Retry", Range("2", "2"), {2}, {Answer::Retry}, header + Trip(2), 1},
        {"a record line fails twice, Retry twice",
         Range("2", "2"),
         {5, 6},
         {Answer::Retry, Answer::Retry},
         header + Trip(2),
         1},
        {"a record line fails, Cancel",
         Range("2", "3"),
         {5},
         {Answer::Cancel},
         header + Lines{trip2[0], trip2[1]},
         1},
        {"the last line fails, Cancel",
         Range("2", "2"),
         {21},
         {Answer::Cancel},
         header + Lines(trip2.begin(), trip2.end() - 1),
         1},
        {"note sheet, no printer, Retry", note, {1}, {Answer::Retry}, NoteSheet(), 1},
        {"note sheet, a line fails, Cancel", note, {3}, {Answer::Cancel}, {NoteSheet()[0]}, 1},
        {"note sheet, bad copies, Cancel", Copies("many", note), {}, {Answer::Cancel}, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        platform.printedLines.clear();
        platform.printerCalls = platform.printJobsEnded = 0;
        platform.failingPrinterCalls = c.failing;
        platform.clearCalls();
        for (Answer answer : c.answers) platform.answerMessage(answer);

        EXPECT_EQ(Print(c.setUp), QDialog::Accepted);
        EXPECT_EQ(platform.printedLines, c.expected);
        EXPECT_EQ(platform.printJobsEnded, c.jobsEnded);
        ASSERT_EQ(platform.messages().size(), c.answers.size());
        for (const PlatformCall& message : platform.messages()) {
            EXPECT_EQ(Describe(message),
                      Describe("Printer",
                               "Your printer is off line or is not responding. Please fix this "
                               "problem and click on Retry to try again.",
                               platform::Buttons::RetryCancel, platform::Icon::Stop));
        }
        EXPECT_FALSE(platform.busy);
        EXPECT_TRUE(platform.allAnswersUsed());
    }
}

}  // namespace
}  // namespace rodwick::testing
