#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "csv_commands.h"
#include "csv_import_window.h"
#include "csv_writer.h"
#include "rodwick_test/scripted_platform.h"
#include "rodwick_test/store_test_util.h"

namespace rodwick::testing {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

std::string DataFile(const char* name) {
    return std::string(RODWICK_CSV_DATA) + "/" + name;
}

template <typename T = QWidget>
T* Child(QWidget& window, const char* name) {
    T* child = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

// Shows the window for real, so that focus and the default button work, and presses a key.
int PressKey(QDialog& dialog, Qt::Key key) {
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &dialog, key);
    return dialog.result();
}

QString Summary(QDialog& dialog) {
    return Child<QLabel>(dialog, "summary")->text();
}

QStringList PreviewHeadings(QDialog& dialog) {
    auto* preview = Child<QTableWidget>(dialog, "preview");
    QStringList headings;
    for (int c = 0; c < preview->columnCount(); ++c) {
        headings << preview->horizontalHeaderItem(c)->text();
    }
    return headings;
}

class CsvCommandTest : public ::testing::Test {
  protected:
    CsvCommandTest() {
        platform.screen = QSize(1024, 768);
        EXPECT_TRUE(table.ReplaceFromFile(Trips(1, 3)));
    }
    ~CsvCommandTest() override { EXPECT_TRUE(platform.allAnswersUsed()); }

    // Imports path with the window worked by driver; the table takes what is appended.
    void Import(const std::string& path, std::function<int(QDialog&)> driver = nullptr) {
        platform.answerOpenDialog(QString::fromStdString(path));
        if (driver) platform.answerModal(std::move(driver));
        ImportCsv(platform, table, UnitNames::Imperial(), [this](std::vector<TripRecord> trips) {
            ++appends;
            return table.AppendRecords(trips) ? Status::Ok() : Status::Fail("Refused");
        });
    }
    std::string Message() const {
        const auto messages = platform.messages();
        return messages.empty() ? std::string() : messages.back().text.toStdString();
    }

    ScriptedPlatform platform;
    RecordTable table;
    int appends = 0;
    TempDir dir;
};

TEST_F(CsvCommandTest, ExportWritesEveryTripAfterAskingBeforeReplacing) {
    const std::string expected = CsvFileBytes(table, UnitNames::Metric());
    // Whether the file exists before, the answer to the overwrite question, what it holds after.
    const std::tuple<bool, std::optional<Answer>, std::string> cases[] = {
        {false, std::nullopt, expected},
        {true, Answer::No, "old"},
        {true, Answer::Yes, expected},
    };
    for (const auto& [exists, answer, after] : cases) {
        const std::string path = dir.File("trips.csv");
        std::filesystem::remove(path);
        if (exists) WriteBytes(path, "old");
        platform.clearCalls();
        platform.answerSaveDialog(QString::fromStdString(path));
        if (answer) platform.answerMessage(*answer);
        ExportCsv(table, UnitNames::Metric(), platform);
        EXPECT_EQ(ReadBytes(path), after);
        EXPECT_EQ(platform.messages().size(), exists ? 1u : 0u);
        if (exists) {
            EXPECT_EQ(Message(), "This file already exists. Overwrite the file");
        }
    }

    // Cancel writes nothing and says nothing.
    platform.clearCalls();
    platform.answerSaveDialog(QString());
    ExportCsv(table, UnitNames::Metric(), platform);
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(CsvCommandTest, ExportFailureIsToldAndLeavesNoFile) {
    const std::string path = dir.File("full.csv");
    platform.answerSaveDialog(QString::fromStdString(path));
    platform.answerMessage(Answer::Ok);
    ExportCsv(table, UnitNames::Imperial(), platform, WriteFailsAfter(10));
    EXPECT_EQ(Message(),
              "Could not export to " + path + ": No space left on device. No file was written.");
    EXPECT_EQ(platform.messages().back().icon, Icon::Stop);
    EXPECT_EQ(dir.Names(), std::set<std::string>{});
    EXPECT_EQ(platform.busyPointerChanges, (std::vector<bool>{true, false}));
}

TEST_F(CsvCommandTest, ReturnImportsASemicolonFileAsPreviewed) {
    Import(DataFile("semicolon_decimal_comma.csv"), [](QDialog& window) {
        EXPECT_EQ(Child<QComboBox>(window, "separator")->currentText(), "Semicolon");
        EXPECT_EQ(Child<QComboBox>(window, "encoding")->currentText(), "Windows-1252");
        EXPECT_TRUE(Child<QCheckBox>(window, "header")->isChecked());
        EXPECT_EQ(PreviewHeadings(window), (QStringList{"Venue", "Weight (lb)", "Best Bait,etc",
                                                        "Species", "Remarks", "Date"}));
        EXPECT_EQ(Summary(window), "2 trips will be added.");
        return PressKey(window, Qt::Key_Return);
    });
    ASSERT_EQ(table.recordCount(), 5);
    EXPECT_EQ(table.slot(4)[Field::venue], "\xC9tang du Moulin");
    EXPECT_EQ(table.slot(5)[Field::remarks], "Deux \"touches\"");
    EXPECT_EQ(table.slot(3), Tagged("r3"));
}

// Broken rows are previewed and said so; Cancel leaves the table as it was.
TEST_F(CsvCommandTest, EscapeAndCancelLeaveTheTableAsItWas) {
    const std::pair<const char*, const char*> cases[] = {
        {"ragged.csv",
         "3 trips will be added. 2 rows have more or fewer cells than the first row: missing "
         "cells stay empty."},
        {"unclosed_quote.csv",
         "1 trip will be added. A quote is never closed: its cell runs to the end of the file."},
    };
    for (const auto& [file, summary] : cases) {
        Import(DataFile(file), [summary](QDialog& window) {
            EXPECT_EQ(Summary(window), summary);
            Child<QPushButton>(window, "cancel")->click();
            return window.result();
        });
        EXPECT_EQ(appends, 0);
        EXPECT_EQ(table.recordCount(), 3);
    }
}

TEST_F(CsvCommandTest, ChangesInTheWindowChangeWhatIsImported) {
    Import(DataFile("tab_separated.tsv"), [](QDialog& window) {
        EXPECT_EQ(Child<QComboBox>(window, "separator")->currentText(), "Tab");
        EXPECT_EQ(Summary(window),
                  "2 trips will be added. 1 character the database file cannot hold will be stored "
                  "as \"?\".");
        // The heading row taken as a trip, the comments and the lake into other fields.
        Child<QCheckBox>(window, "header")->setChecked(false);
        EXPECT_EQ(Summary(window).left(22), "3 trips will be added.");
        Child<QCheckBox>(window, "header")->setChecked(true);
        Child<QComboBox>(window, "column5")->setCurrentIndex(0);  // (leave out)
        Child<QComboBox>(window, "column1")->setCurrentIndex(1 + static_cast<int>(Field::club));
        EXPECT_EQ(PreviewHeadings(window),
                  (QStringList{"Club", "Best Bait,etc", "Species", "Date"}));
        EXPECT_EQ(Summary(window), "2 trips will be added.");
        Child<QPushButton>(window, "okay")->click();
        return window.result();
    });
    ASSERT_EQ(table.recordCount(), 5);
    EXPECT_EQ(table.slot(4)[Field::club], " B\xE4rensee ");
    EXPECT_EQ(table.slot(4)[Field::venue], "");
    EXPECT_EQ(table.slot(4)[Field::remarks], "");
}

TEST_F(CsvCommandTest, TripsThatWouldPassTheLimitAreRefusedWhole) {
    ASSERT_TRUE(table.ReplaceFromFile(Trips(1, 249)));
    platform.answerMessage(Answer::Ok);
    Import(DataFile("semicolon_decimal_comma.csv"), [](QDialog& window) {
        EXPECT_EQ(Summary(window),
                  "2 trips will be added. Only 1 more fit in the table (250 records at most): "
                  "nothing can be added.");
        return PressKey(window, Qt::Key_Return);
    });
    EXPECT_EQ(Message(),
              "Only 1 of the 2 trips in this file would fit: a database holds at most 250 records. "
              "Nothing was imported.");
    EXPECT_EQ(appends, 0);
    EXPECT_EQ(table.recordCount(), 249);

    // One trip fits exactly.
    Import(DataFile("windows1252.csv"),
           [](QDialog& window) { return PressKey(window, Qt::Key_Return); });
    EXPECT_EQ(table.recordCount(), 250);
}

TEST_F(CsvCommandTest, FilesThatCannotBeImportedAreToldWithoutAWindow) {
    const std::string bom = dir.File("bom.csv");
    WriteBytes(bom, "\xEF\xBB\xBF\r\n");
    const std::pair<std::string, std::string> cases[] = {
        {DataFile("empty.csv"), DataFile("empty.csv") + " is empty. Nothing was imported."},
        {bom, bom + " is empty. Nothing was imported."},
        {DataFile("binary.csv"),
         DataFile("binary.csv") + " is not a text file. Nothing was imported."},
        {dir.File("missing.csv"), "Could not read " + dir.File("missing.csv") + ": "},
    };
    for (const auto& [path, text] : cases) {
        platform.answerMessage(Answer::Ok);
        Import(path);
        EXPECT_EQ(Message().substr(0, text.size()), text);
        EXPECT_EQ(platform.messages().back().title, "Import from Spreadsheet");
    }
    EXPECT_TRUE(platform.callsOf("modal").empty());
    EXPECT_EQ(table.recordCount(), 3);
}

}  // namespace
}  // namespace rodwick::testing
