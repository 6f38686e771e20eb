// SPDX-License-Identifier: GPL-3.0-or-later
// Spreadsheet files in the program's languages: an export is headed in the windows' language,
// and the import maps the headings of a file exported under any of them, whichever language the
// windows speak.
#include <QComboBox>
#include <QString>
#include <algorithm>
#include <string>
#include <vector>

#include "codec.h"
#include "csv_commands.h"
#include "csv_import_window.h"
#include "csv_writer.h"
#include "rodwick_test/scripted_platform.h"
#include "rodwick_test/store_test_util.h"
#include "translation.h"

namespace rodwick::testing {
namespace {

// The header rows as each language writes them under imperial units, in field order, written
// out by hand rather than taken from the translations.
const std::vector<std::string> kEnglish = {"Venue",
                                           "Type of water",
                                           "Day Ticket \xC2\xA3",
                                           "Club",
                                           "Weight (lb)",
                                           "Weight (oz)",
                                           "Water Conditions",
                                           "Weather",
                                           "Temperature",
                                           "Method",
                                           "Depth (ft)",
                                           "Depth (inch)",
                                           "Best Bait,etc",
                                           "Species",
                                           "Best Fish",
                                           "Best Fish Weight (lb)",
                                           "Best Fish Weight (oz)",
                                           "Restrictions",
                                           "Remarks",
                                           "Date",
                                           "Start Time",
                                           "Finish"};
const std::vector<std::string> kGerman = {"Gew\xC3\xA4sser",
                                          "Gew\xC3\xA4sserart",
                                          "Tageskarte \xE2\x82\xAC",
                                          "Verein",
                                          "Gewicht (lb)",
                                          "Gewicht (oz)",
                                          "Wasserzustand",
                                          "Wetter",
                                          "Temperatur",
                                          "Methode",
                                          "Tiefe (ft)",
                                          "Tiefe (inch)",
                                          "Bester K\xC3\xB6"
                                          "der",
                                          "Fischarten",
                                          "Bester Fisch",
                                          "Gewicht bester Fisch (lb)",
                                          "Gewicht bester Fisch (oz)",
                                          "Auflagen",
                                          "Bemerkungen",
                                          "Datum",
                                          "Beginn",
                                          "Ende"};
const std::vector<std::string> kFrench = {"Lieu",
                                          "Type d'eau",
                                          "Carte jour. \xE2\x82\xAC",
                                          "Club",
                                          "Poids (lb)",
                                          "Poids (oz)",
                                          "\xC3\x89tat de l'eau",
                                          "M\xC3\xA9t\xC3\xA9o",
                                          "Temp\xC3\xA9rature",
                                          "Technique",
                                          "Profondeur (ft)",
                                          "Profondeur (inch)",
                                          "Meilleur app\xC3\xA2t",
                                          "Esp\xC3\xA8"
                                          "ces",
                                          "Plus gros",
                                          "Poids du plus gros poisson (lb)",
                                          "Poids du plus gros poisson (oz)",
                                          "R\xC3\xA8glement",
                                          "Remarques",
                                          "Date",
                                          "D\xC3\xA9"
                                          "but",
                                          "Fin"};

// The same row under metric units.
std::vector<std::string> metric(std::vector<std::string> row) {
    const std::pair<std::string, std::string> units[] = {
        {"(lb)", "(Kg)"}, {"(oz)", "(g)"}, {"(ft)", "(m)"}, {"(inch)", "(cm)"}};
    for (std::string& heading : row) {
        for (const auto& [imperial, metricUnit] : units) {
            if (const auto at = heading.find(imperial); at != std::string::npos)
                heading.replace(at, imperial.size(), metricUnit);
        }
    }
    return row;
}

std::string joined(const std::vector<std::string>& row, char separator) {
    std::string line;
    for (const std::string& cell : row) {
        if (!line.empty()) line += separator;
        line += cell.find(separator) != std::string::npos ? '"' + cell + '"' : cell;
    }
    return line;
}

class CsvLanguagesTest : public ::testing::Test {
  protected:
    CsvLanguagesTest() { platform_.screen = QSize(1024, 768); }
    ~CsvLanguagesTest() override { installTranslations(QStringLiteral("en")); }

    ScriptedPlatform platform_;
    TempDir dir_;
};

const std::vector<std::string>& rowOf(const char* language) {
    const std::string code(language);
    return code == "de" ? kGerman : code == "fr" ? kFrench : kEnglish;
}

std::vector<std::string> rowOf(const char* language, const UnitNames& units) {
    return units.isMetric() ? metric(rowOf(language)) : rowOf(language);
}

constexpr const char* kLanguages[] = {"en", "de", "fr"};

TEST_F(CsvLanguagesTest, AnExportIsHeadedInTheWindowsLanguage) {
    RecordTable table;
    ASSERT_TRUE(table.replaceAll(trips(1, 2)));
    for (const UnitNames& units : {UnitNames::imperial(), UnitNames::metric()}) {
        // The trips themselves are data: the same bytes under every language.
        const std::string english = csvFileBytes(table, units);
        const std::string trips = english.substr(english.find("\r\n") + 2);
        for (const char* language : kLanguages) {
            ASSERT_TRUE(installTranslations(QString::fromLatin1(language)));
            const std::string path =
                dir_.file(std::string(language) + (units.isMetric() ? "-metric.csv" : ".csv"));
            platform_.answerSaveDialog(QString::fromStdString(path));
            exportCsv(table, units, platform_);
            EXPECT_EQ(readBytes(path),
                      "\xEF\xBB\xBF" + joined(rowOf(language, units), ',') + "\r\n" + trips)
                << language << (units.isMetric() ? " metric" : " imperial");
        }
    }
}

// A file of every language, columns in reverse order, in UTF-8 with commas and in Windows-1252
// with semicolons (as a spreadsheet set to German or French writes it): every column goes into
// its field under every language of the windows, and the column boxes name the fields in the
// windows' language.
TEST_F(CsvLanguagesTest, AFileOfAnyLanguageMapsEveryColumnUnderAnyLanguage) {
    std::vector<int> reversed(kFieldCount);
    for (int c = 0; c < kFieldCount; ++c) reversed[c] = kFieldCount - 1 - c;
    for (const char* installed : kLanguages) {
        ASSERT_TRUE(installTranslations(QString::fromLatin1(installed)));
        for (const UnitNames& units : {UnitNames::imperial(), UnitNames::metric()}) {
            for (const char* written : kLanguages) {
                std::vector<std::string> row = rowOf(written, units);
                std::reverse(row.begin(), row.end());
                const std::string values = std::string(kFieldCount - 1, ',') + "\r\n";
                for (const bool windows : {false, true}) {
                    const std::string bytes =
                        windows ? utf8ToCp1252Lossy(joined(row, ';') + "\r\n" +
                                                    std::string(kFieldCount - 1, ';') + "\r\n")
                                : joined(row, ',') + "\r\n" + values;
                    CsvImportWindow window(bytes, units, 250, platform_);
                    EXPECT_EQ(window.choice().mapping, reversed)
                        << written << " file under " << installed
                        << (units.isMetric() ? ", metric" : ", imperial")
                        << (windows ? ", Windows-1252" : ", UTF-8");
                }
            }
            CsvImportWindow window(joined(kEnglish, ',') + "\r\n", units, 250, platform_);
            auto* box = window.findChild<QComboBox*>(QStringLiteral("column1"));
            ASSERT_NE(box, nullptr);
            QStringList offered;
            for (int i = 1; i < box->count(); ++i) offered << box->itemText(i);
            QStringList expected;
            for (const std::string& heading : rowOf(installed, units))
                expected << QString::fromStdString(heading);
            EXPECT_EQ(offered, expected) << installed;
        }
    }
}

}  // namespace
}  // namespace rodwick::testing
