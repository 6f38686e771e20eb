// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "print_dialog.h"
#include "record_text.h"
#include "rodwick_test/main_window_fixture.h"

namespace rodwick::testing {
namespace {

using platform::Answer;
using Lines = QStringList;

const QString kPath = QStringLiteral("/trips/June \u00e9t\u00e9.RWK");

// The header line as the recording printer sees it: in bold, switched off after it.
Lines headerLines(const QString& text) {
    return {"<attribute 0 on>", text, "<attribute 0 off>"};
}
Lines fromBytes(const std::vector<std::string>& lines) {
    Lines out;
    for (const std::string& line : lines) out.push_back(QString::fromStdString(line));
    return out;
}
Lines tripLines(int k) {
    return fromBytes(recordPrintLines(tagged("r" + std::to_string(k)), UnitNames::imperial()));
}
const Lines kNoteSheet = fromBytes(noteSheetLines());

class PrintTest : public MainWindowTest {
  protected:
    PrintTest() {
        hold(4);
        book_.show(3);
        book_.adopt(book_.table(), kPath.toStdString());
        changeSettings(book_, [&](Settings& s) { s.displayFont = "Garamond"; });
        changeSettings(book_, [&](Settings& s) { s.units = UnitNames::imperial(); });
    }

    // Opens the print window, works it as the steps say, presses Print and returns the
    // lines printed. A step "name" clicks that control, "name=text" types into that box.
    Lines print(const QString& steps) {
        platform_.printedLines.clear();
        platform_.printerCalls = platform_.printJobsStarted = platform_.printJobsEnded = 0;
        platform_.printerFont = QStringLiteral("Times New Roman");
        PrintDialog window(book_, platform_);
        for (const QString& step : steps.split(' ', Qt::SkipEmptyParts)) {
            const QStringList parts = step.split('=');
            if (parts.size() == 2) {
                window.findChild<QLineEdit*>(parts[0])->setText(parts[1]);
            } else {
                window.findChild<QAbstractButton*>(step)->click();
            }
        }
        window.findChild<QPushButton*>("Print")->click();
        EXPECT_EQ(window.result(), QDialog::Accepted);
        return Lines(platform_.printedLines.begin(), platform_.printedLines.end());
    }
};

TEST_F(PrintTest, WindowStartsOnAllWithTheRangeOff) {
    PrintDialog window(book_, platform_);
    const auto shown = [&] {
        QString out;
        for (auto* button : window.findChildren<QAbstractButton*>()) {
            if (button->isChecked()) out += button->objectName() + " ";
        }
        for (auto* box : window.findChildren<QLineEdit*>()) {
            out += box->objectName() + (box->isEnabled() ? "=" : "-=") + box->text() + " ";
        }
        return out;
    };
    EXPECT_EQ(shown(), "all ff from-= gto-= cop=1 ");
    EXPECT_TRUE(window.findChild<QPushButton*>("cancel")->isDefault());
    for (const auto& [option, expected] : {std::pair{"record", "record ff from= gto= cop=1 "},
                                           {"all", "all ff from-= gto-= cop=1 "}}) {
        window.findChild<QRadioButton*>(option)->click();
        EXPECT_EQ(shown(), expected) << option;
    }
    window.findChild<QPushButton*>("cancel")->click();
    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_EQ(platform_.printerCalls, 0);
}

TEST_F(PrintTest, EachRequestPrintsItsLines) {
    const Lines file = headerLines(kPath + " - ");
    const Lines all = tripLines(1) + tripLines(2) + tripLines(3) + tripLines(4);
    const std::pair<QString, Lines> cases[] = {
        {"", file + all},  // all records, the file name, one copy
        {"current fd ft cop=2",
         headerLines(kPath + " - 04-14-2001 - 09:13:17") + tripLines(3) + tripLines(3)},
        {"ff fd", headerLines("04-14-2001 - ") + all},
        {"record from=5 gto=2", file},
        {"record from=0 gto=2", file + tripLines(1) + tripLines(2)},  // slot 0 holds no record
        {"record from=3 gto=250",
         file + tripLines(3) + tripLines(4)},  // nothing past the last record
        {"record from=1.5 gto=2.4 cop=2.5", file + tripLines(2) + tripLines(2)},
        {"cop=0", file},
        {"record from= gto=x cop=-7", file},  // no copy: the range is never read
        {"note cop=3", kNoteSheet + kNoteSheet + kNoteSheet},
        // Numbers longer than a line box holds by default are read whole.
        {"current cop=" + QString(40000, '0') + "2", file + tripLines(3) + tripLines(3)},
    };
    for (const auto& [steps, expected] : cases) {
        SCOPED_TRACE(steps.toStdString());
        EXPECT_EQ(print(steps), expected);
        const int jobs = expected.empty() ? 0 : 1;
        EXPECT_EQ(platform_.printJobsStarted, jobs);
        EXPECT_EQ(platform_.printJobsEnded, jobs);
        // The note sheet keeps the printer's font; the records are printed in the display font.
        EXPECT_EQ(platform_.printerFont, steps.startsWith("note") ? "Times New Roman" : "Garamond");
    }
    EXPECT_EQ(book_.table().currentRecord(), 3);
}

TEST_F(PrintTest, FailuresAskToRetryAndRetryRepeatsTheFailedStep) {
    const Lines header = headerLines(kPath + " - "), trip2 = tripLines(2);
    // The steps, the printer calls that fail (1 starts the job, 2 prints the first line...), the
    // answers to the printer message, the lines printed and the jobs ended.
    using enum Answer;
    const std::tuple<QString, std::set<int>, std::vector<Answer>, Lines, int> cases[] = {
        {"record from=two gto=2", {}, {Retry, Cancel}, header, 1},
        {"record from=1 gto=251", {}, {Cancel}, header, 1},
        {"cop=32768", {}, {Cancel}, header, 1},
        {"record from=2 gto=2", {1}, {Retry}, header + trip2, 1},  // no printer
        {"", {1}, {Cancel}, {"<attribute 0 on>", "<attribute 0 off>"}, 0},
        {"record from=2 gto=2", {5, 6}, {Retry, Retry}, header + trip2, 1},
        {"record from=2 gto=3", {5}, {Cancel}, header + Lines{trip2[0], trip2[1]}, 1},
        {"note", {1}, {Retry}, kNoteSheet, 1},
        {"note cop=many", {}, {Cancel}, {}, 0},
    };
    for (const auto& [steps, failing, answers, expected, jobsEnded] : cases) {
        SCOPED_TRACE(steps.toStdString() + " failing " + ::testing::PrintToString(failing));
        platform_.failingPrinterCalls = failing;
        platform_.clearCalls();
        platform_.busyPointerChanges.clear();
        for (Answer answer : answers) platform_.answerMessage(answer);

        EXPECT_EQ(print(steps), expected);
        EXPECT_EQ(platform_.printJobsEnded, jobsEnded);
        // Busy while printing, but normal while each message waits for its answer.
        std::vector<bool> pointer{true};
        for (size_t i = 0; i < answers.size(); ++i) pointer.insert(pointer.end(), {false, true});
        pointer.push_back(false);
        EXPECT_EQ(platform_.busyPointerChanges, pointer);
        ASSERT_EQ(platform_.messages().size(), answers.size());
        for (const PlatformCall& message : platform_.messages()) {
            EXPECT_EQ(describe(message),
                      describe({"Your printer is off line or is not responding. Please fix this "
                                "problem and click on Retry to try again.",
                                "Printer", platform::Buttons::RetryCancel, platform::Icon::Stop}));
        }
    }
}

}  // namespace
}  // namespace rodwick::testing
