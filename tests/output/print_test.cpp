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
Lines Header(const QString& text) {
    return {"<attribute 0 on>", text, "<attribute 0 off>"};
}
Lines FromBytes(const std::vector<std::string>& lines) {
    Lines out;
    for (const std::string& line : lines) out.push_back(QString::fromStdString(line));
    return out;
}
Lines Trip(int k) {
    return FromBytes(RecordPrintLines(Tagged("r" + std::to_string(k)), UnitNames::Imperial()));
}
const Lines kNoteSheet = FromBytes(NoteSheetLines());

class PrintTest : public MainWindowTest {
  protected:
    PrintTest() {
        Hold(4);
        book.show(3);
        book.adopt(book.table(), kPath.toStdString());
        ChangeSettings(book, [&](Settings& s) { s.displayFont = "Garamond"; });
        ChangeSettings(book, [&](Settings& s) { s.units = UnitNames::Imperial(); });
    }

    // Opens the print window, works it as the steps say, presses Print and returns the
    // lines printed. A step "name" clicks that control, "name=text" types into that box.
    Lines Print(const QString& steps) {
        platform.printedLines.clear();
        platform.printerCalls = platform.printJobsStarted = platform.printJobsEnded = 0;
        platform.printerFont = QStringLiteral("Times New Roman");
        PrintDialog window(book, platform);
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
        return Lines(platform.printedLines.begin(), platform.printedLines.end());
    }
};

TEST_F(PrintTest, WindowStartsOnAllWithTheRangeOff) {
    PrintDialog window(book, platform);
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
    EXPECT_EQ(platform.printerCalls, 0);
}

TEST_F(PrintTest, EachRequestPrintsItsLines) {
    const Lines file = Header(kPath + " - ");
    const Lines all = Trip(1) + Trip(2) + Trip(3) + Trip(4);
    const std::pair<QString, Lines> cases[] = {
        {"", file + all},  // all records, the file name, one copy
        {"current fd ft cop=2", Header(kPath + " - 04-14-2001 - 09:13:17") + Trip(3) + Trip(3)},
        {"ff fd", Header("04-14-2001 - ") + all},
        {"record from=5 gto=2", file},
        {"record from=0 gto=2", file + Trip(1) + Trip(2)},    // slot 0 holds no record
        {"record from=3 gto=250", file + Trip(3) + Trip(4)},  // nothing past the last record
        {"record from=1.5 gto=2.4 cop=2.5", file + Trip(2) + Trip(2)},
        {"cop=0", file},
        {"record from= gto=x cop=-7", file},  // no copy: the range is never read
        {"note cop=3", kNoteSheet + kNoteSheet + kNoteSheet},
        // Numbers longer than a line box holds by default are read whole.
        {"current cop=" + QString(40000, '0') + "2", file + Trip(3) + Trip(3)},
    };
    for (const auto& [steps, expected] : cases) {
        SCOPED_TRACE(steps.toStdString());
        EXPECT_EQ(Print(steps), expected);
        const int jobs = expected.empty() ? 0 : 1;
        EXPECT_EQ(platform.printJobsStarted, jobs);
        EXPECT_EQ(platform.printJobsEnded, jobs);
        // The note sheet keeps the printer's font; the records are printed in the display font.
        EXPECT_EQ(platform.printerFont, steps.startsWith("note") ? "Times New Roman" : "Garamond");
    }
    EXPECT_EQ(book.table().currentRecord(), 3);
}

TEST_F(PrintTest, FailuresAskToRetryAndRetryRepeatsTheFailedStep) {
    const Lines header = Header(kPath + " - "), trip2 = Trip(2);
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
        platform.failingPrinterCalls = failing;
        platform.clearCalls();
        platform.busyPointerChanges.clear();
        for (Answer answer : answers) platform.answerMessage(answer);

        EXPECT_EQ(Print(steps), expected);
        EXPECT_EQ(platform.printJobsEnded, jobsEnded);
        // Busy while printing, but normal while each message waits for its answer.
        std::vector<bool> pointer{true};
        for (size_t i = 0; i < answers.size(); ++i) pointer.insert(pointer.end(), {false, true});
        pointer.push_back(false);
        EXPECT_EQ(platform.busyPointerChanges, pointer);
        ASSERT_EQ(platform.messages().size(), answers.size());
        for (const PlatformCall& message : platform.messages()) {
            EXPECT_EQ(Describe(message),
                      Describe({"Your printer is off line or is not responding. Please fix this "
                                "problem and click on Retry to try again.",
                                "Printer", platform::Buttons::RetryCancel, platform::Icon::Stop}));
        }
    }
}

}  // namespace
}  // namespace rodwick::testing
