// SPDX-License-Identifier: GPL-3.0-or-later
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

std::string dataFile(const char* name) {
    return std::string(RODWICK_CSV_DATA) + "/" + name;
}

template <typename T = QWidget>
T* child(QWidget& window, const char* name) {
    T* child = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

// Shows the window for real, so that focus and the default button work, and presses a key.
int pressKey(QDialog& dialog, Qt::Key key) {
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &dialog, key);
    return dialog.result();
}

QString previewSummary(QDialog& dialog) {
    return child<QLabel>(dialog, "summary")->text();
}

QStringList previewHeadings(QDialog& dialog) {
    auto* preview = child<QTableWidget>(dialog, "preview");
    QStringList headings;
    for (int c = 0; c < preview->columnCount(); ++c) {
        headings << preview->horizontalHeaderItem(c)->text();
    }
    return headings;
}

class CsvCommandTest : public ::testing::Test {
  protected:
    CsvCommandTest() {
        platform_.screen = QSize(1024, 768);
        EXPECT_TRUE(table_.replaceAll(trips(1, 3)));
    }
    ~CsvCommandTest() override { EXPECT_TRUE(platform_.allAnswersUsed()); }

    // Imports path with the window worked by driver; the table takes what is appended.
    void import(const std::string& path, std::function<int(QDialog&)> driver = nullptr) {
        platform_.answerOpenDialog(QString::fromStdString(path));
        if (driver) platform_.answerModal(std::move(driver));
        importCsv(platform_, table_, UnitNames::imperial(), [this](std::vector<TripRecord> trips) {
            ++appends_;
            return table_.appendRecords(trips) ? Status::success() : Status::fail("Refused");
        });
    }
    std::string message() const {
        const auto messages = platform_.messages();
        return messages.empty() ? std::string() : messages.back().text.toStdString();
    }

    ScriptedPlatform platform_;
    RecordTable table_;
    int appends_ = 0;
    TempDir dir_;
};

TEST_F(CsvCommandTest, ExportWritesEveryTripAfterAskingBeforeReplacing) {
    const std::string expected = csvFileBytes(table_, UnitNames::metric());
    // Whether the file exists before, the answer to the overwrite question, what it holds after.
    const std::tuple<bool, std::optional<Answer>, std::string> cases[] = {
        {false, std::nullopt, expected},
        {true, Answer::No, "old"},
        {true, Answer::Yes, expected},
    };
    for (const auto& [exists, answer, after] : cases) {
        const std::string path = dir_.file("trips.csv");
        std::filesystem::remove(path);
        if (exists) writeBytes(path, "old");
        platform_.clearCalls();
        platform_.answerSaveDialog(QString::fromStdString(path));
        if (answer) platform_.answerMessage(*answer);
        exportCsv(table_, UnitNames::metric(), platform_);
        EXPECT_EQ(readBytes(path), after);
        EXPECT_EQ(platform_.messages().size(), exists ? 1u : 0u);
        if (exists) {
            EXPECT_EQ(message(), "This file already exists. Overwrite the file");
        }
    }

    // Cancel writes nothing and says nothing.
    platform_.clearCalls();
    platform_.answerSaveDialog(QString());
    exportCsv(table_, UnitNames::metric(), platform_);
    EXPECT_TRUE(platform_.messages().empty());
}

TEST_F(CsvCommandTest, ExportFailureIsToldAndLeavesNoFile) {
    const std::string path = dir_.file("full.csv");
    platform_.answerSaveDialog(QString::fromStdString(path));
    platform_.answerMessage(Answer::Ok);
    exportCsv(table_, UnitNames::imperial(), platform_, writeFailsAfter(10));
    EXPECT_EQ(message(),
              "Could not export to " + path + ": No space left on device. No file was written.");
    EXPECT_EQ(platform_.messages().back().icon, Icon::Stop);
    EXPECT_EQ(dir_.names(), std::set<std::string>{});
    EXPECT_EQ(platform_.busyPointerChanges, (std::vector<bool>{true, false}));
}

TEST_F(CsvCommandTest, ReturnImportsASemicolonFileAsPreviewed) {
    import(dataFile("semicolon_decimal_comma.csv"), [](QDialog& window) {
        EXPECT_EQ(child<QComboBox>(window, "separator")->currentText(), "Semicolon");
    EXPECT_EQ(child<QComboBox>(window, "encoding")->currentText(), "Windows-1252");
    EXPECT_TRUE(child<QCheckBox>(window, "header")->isChecked());
    EXPECT_EQ(previewHeadings(window),
              (QStringList{"Venue", "Weight (lb)", "Weight (oz)", "Best Bait,etc", "Species",
                           "Remarks", "Date"}));
    // "12,5" pounds, split before anything is added.
    EXPECT_EQ(child<QTableWidget>(window, "preview")->item(0, 2)->text(), "8");
    EXPECT_EQ(previewSummary(window), "2 trips will be added.");
    return pressKey(window, Qt::Key_Return);
});
ASSERT_EQ(table_.recordCount(), 5);
EXPECT_EQ(table_.slot(4)[Field::Venue], "\xC9tang du Moulin");
EXPECT_EQ(table_.slot(5)[Field::Remarks], "Deux \"touches\"");
EXPECT_EQ(std::pair(table_.slot(5)[Field::TotalWeightMajor],
                    table_.slot(5)[Field::TotalWeightMinor]),
          std::pair(std::string("4"), std::string("4")));
EXPECT_EQ(table_.slot(3), tagged("r3"));
}  // namespace

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
        import(dataFile(file), [summary](QDialog& window) {
            EXPECT_EQ(previewSummary(window), summary);
        child<QPushButton>(window, "cancel")->click();
        return window.result();
    });
    EXPECT_EQ(appends_, 0);
    EXPECT_EQ(table_.recordCount(), 3);
}
}  // namespace rodwick::testing

TEST_F(CsvCommandTest, ThePreviewSaysWhichValuesAreKeptOrReadOtherwise) {
    import(dataFile("other_units.csv"), [](QDialog& window) {
        EXPECT_EQ(previewSummary(window),
                  "1 trip will be added. 2 weights or depths are in the other unit system and will "
                  "be kept as written.");
    auto* preview = child<QTableWidget>(window, "preview");
    EXPECT_EQ(previewHeadings(window), (QStringList{"Venue", "Weight (lb)", "Weight (oz)",
                                                    "Depth (ft)", "Depth (inch)", "Start Time"}));
    // Cell, its text, what it says of itself and whether it stands out.
    const std::tuple<int, QString, QString, bool> cells[] = {
        {0, "Lake", "", false},
        {1, "2.4 kg",
         "Kept as written: the value is in metric units, the imperial units are in force, "
         "and weights and depths are never converted.",
         true},
        {3, "2,4", "Kept as written: the value is in metric units", true},
        {5, "07:30", "Read as a time from \u201C07:30:00 AM\u201D.", false},
    };
    const QColor plain = preview->item(0, 0)->background().color();
    for (const auto& [column, text, why, marked] : cells) {
        const QTableWidgetItem* item = preview->item(0, column);
        EXPECT_EQ(item->text(), text);
        EXPECT_EQ(item->toolTip().left(why.size()), why);
        EXPECT_EQ(item->data(Qt::AccessibleDescriptionRole).toString(), item->toolTip());
        EXPECT_EQ(item->background().color() != plain, marked) << column;
    }
    child<QPushButton>(window, "cancel")->click();
    return window.result();
});
EXPECT_EQ(appends_, 0);
}

TEST_F(CsvCommandTest, ChangesInTheWindowChangeWhatIsImported) {
    import(dataFile("tab_separated.tsv"), [](QDialog& window) {
        EXPECT_EQ(child<QComboBox>(window, "separator")->currentText(), "Tab");
    EXPECT_EQ(previewSummary(window),
              "2 trips will be added. 1 character the database file cannot hold will be stored "
              "as \"?\".");
    // The heading row taken as a trip, the comments and the lake into other fields.
    child<QCheckBox>(window, "header")->setChecked(false);
    EXPECT_EQ(previewSummary(window).left(22), "3 trips will be added.");
    child<QCheckBox>(window, "header")->setChecked(true);
    child<QComboBox>(window, "column5")->setCurrentIndex(0);  // (leave out)
    child<QComboBox>(window, "column1")->setCurrentIndex(1 + static_cast<int>(Field::Club));
    EXPECT_EQ(previewHeadings(window), (QStringList{"Club", "Best Bait,etc", "Species", "Date"}));
    EXPECT_EQ(previewSummary(window), "2 trips will be added.");
    child<QPushButton>(window, "okay")->click();
    return window.result();
});
ASSERT_EQ(table_.recordCount(), 5);
EXPECT_EQ(table_.slot(4)[Field::Club], " B\xE4rensee ");
EXPECT_EQ(table_.slot(4)[Field::Venue], "");
EXPECT_EQ(table_.slot(4)[Field::Remarks], "");
}

TEST_F(CsvCommandTest, TripsThatWouldPassTheLimitAreRefusedWhole) {
    ASSERT_TRUE(table_.replaceAll(trips(1, 249)));
    platform_.answerMessage(Answer::Ok);
    import(dataFile("semicolon_decimal_comma.csv"), [](QDialog& window) {
        EXPECT_EQ(previewSummary(window),
                  "2 trips will be added. Only 1 more fit in the table (250 records at most): "
                  "nothing can be added.");
    return pressKey(window, Qt::Key_Return);
});
EXPECT_EQ(message(),
          "Only 1 of the 2 trips in this file would fit: a database holds at most 250 records. "
          "Nothing was imported.");
EXPECT_EQ(appends_, 0);
EXPECT_EQ(table_.recordCount(), 249);

// One trip fits exactly.
    import(dataFile("windows1252.csv"),
           [](QDialog& window) { return pressKey(window, Qt::Key_Return);
    });
    EXPECT_EQ(table_.recordCount(), 250);
    }

    TEST_F(CsvCommandTest, FilesThatCannotBeImportedAreToldWithoutAWindow) {
        const std::string bom = dir_.file("bom.csv");
        writeBytes(bom, "\xEF\xBB\xBF\r\n");
        const std::pair<std::string, std::string> cases[] = {
            {dataFile("empty.csv"), dataFile("empty.csv") + " is empty. Nothing was imported."},
            {bom, bom + " is empty. Nothing was imported."},
            {dataFile("binary.csv"),
             dataFile("binary.csv") + " is not a text file. Nothing was imported."},
            {dir_.file("missing.csv"), "Could not read " + dir_.file("missing.csv") + ": "},
        };
        for (const auto& [path, text] : cases) {
            platform_.answerMessage(Answer::Ok);
            import(path);
            EXPECT_EQ(message().substr(0, text.size()), text);
            EXPECT_EQ(platform_.messages().back().title, "Import from Spreadsheet");
        }
        EXPECT_TRUE(platform_.callsOf("modal").empty());
        EXPECT_EQ(table_.recordCount(), 3);
    }

    }  // namespace
    }  // namespace rodwick::testing
