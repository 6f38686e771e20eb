#include "settings.h"

#include <gtest/gtest.h>

#include "database_file.h"
#include "store_test_util.h"

namespace rodwick {
namespace {

using testing::TempDir;

const char kImperialFile[] =
    "/home/angler/TRIPS.RWK\r\n 0 \r\nlb\r\noz\r\n14\r\nft\r\ninch\r\n16\r\nTimes New Roman\r\n";

TEST(SettingsPathTest, JoinsWithOneSeparator) {
    EXPECT_EQ(SettingsPath("/opt/rodwick"), "/opt/rodwick/ANGLEBOX.INI");
    EXPECT_EQ(SettingsPath("/opt/rodwick/"), "/opt/rodwick/ANGLEBOX.INI");
    EXPECT_EQ(SettingsPath("/"), "/ANGLEBOX.INI");
    EXPECT_EQ(ExamplePath("/opt/rodwick"), "/opt/rodwick/EXAMPLE.RWK");
    EXPECT_EQ(ExamplePath("/"), "/EXAMPLE.RWK");
}

TEST(SettingsTest, DefaultsAreMetricArialAndTheExample) {
    const Settings s = DefaultSettings("/opt/rodwick");
    EXPECT_EQ(s.autoloadFile, "/opt/rodwick/EXAMPLE.RWK");
    EXPECT_EQ(s.showVenuesOnEdit, 1);
    EXPECT_EQ(s.units, UnitNames::Metric());
    EXPECT_EQ(s.units, (UnitNames{"Kg", "g", "m", "cm"}));
    EXPECT_EQ(s.displayFont, "Arial");
    EXPECT_EQ(FormatSettings(s),
              "/opt/rodwick/EXAMPLE.RWK\r\n 1 \r\nKg\r\ng\r\n99\r\nm\r\ncm\r\n99\r\nArial\r\n");
}

TEST(SettingsTest, ImperialFileIsReadLineByLine) {
    const std::optional<Settings> s = ParseSettings(kImperialFile);
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->autoloadFile, "/home/angler/TRIPS.RWK");
    EXPECT_EQ(s->showVenuesOnEdit, 0);
    EXPECT_EQ(s->units, UnitNames::Imperial());
    EXPECT_FALSE(s->units.isMetric());
    EXPECT_EQ(s->reservedWeight, "14");
    EXPECT_EQ(s->reservedDepth, "16");
    EXPECT_EQ(s->displayFont, "Times New Roman");
    EXPECT_EQ(FormatSettings(*s), kImperialFile);
}

TEST(SettingsTest, HandEditedUnitNamesAreKeptExactly) {
    const std::optional<Settings> s =
        ParseSettings("x\r\n1\r\nKilo \r\n gram\xE9\r\n99\r\n\r\ncm\nx\r\n99\r\nArial\r\n");
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->units.weightMajorUnit, "Kilo ");
    EXPECT_EQ(s->units.weightMinorUnit, " gram\xE9");  // bytes as in the file
    EXPECT_EQ(s->units.depthMajorUnit, "");
    EXPECT_EQ(s->units.depthMinorUnit, "cm\nx");
    EXPECT_FALSE(s->units.isMetric());
}

TEST(SettingsTest, SecondLineMustBeAWholeNumber) {
    const auto withLine2 = [](const std::string& line2) {
        return ParseSettings("p\r\n" + line2 + "\r\nKg\r\ng\r\n99\r\nm\r\ncm\r\n99\r\nArial\r\n");
    };
    EXPECT_EQ(withLine2("  0  ")->showVenuesOnEdit, 0);
    EXPECT_EQ(withLine2("1")->showVenuesOnEdit, 1);
    EXPECT_EQ(withLine2("-5 ")->showVenuesOnEdit, -5);
    EXPECT_EQ(withLine2("7")->showVenuesOnEdit, 7);
    for (const char* bad : {"", "yes", "1x", "- 1", "1 1"}) {
        EXPECT_EQ(withLine2(bad), std::nullopt) << '"' << bad << '"';
    }
}

TEST(SettingsTest, AccentedPathIsWindows1252InTheFile) {
    const std::string file =
        "/home/ren\xE9/TRIPS.RWK\r\n 1 \r\nKg\r\ng\r\n99\r\nm\r\ncm\r\n99\r\nArial\r\n";
    const std::optional<Settings> s = ParseSettings(file);
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->autoloadFile, "/home/ren\xC3\xA9/TRIPS.RWK");
    EXPECT_EQ(FormatSettings(*s), file);
}

TEST(SettingsTest, UnrepresentableCharactersAreWrittenAsQuestionMarks) {
    Settings s = DefaultSettings("/opt");
    s.autoloadFile =
        "/data/\xE6\x97\xA5\xC3\xA9/\xFF"
        "a.RWK";  // CJK, e acute, a bad byte
    const std::string bytes = FormatSettings(s);
    EXPECT_EQ(bytes.substr(0, bytes.find("\r\n")), "/data/?\xE9/?a.RWK");
}

TEST(SettingsTest, CarriageReturnsCannotSplitALine) {
    Settings s = DefaultSettings("/opt");
    s.displayFont = "Odd\r\nFont";
    const std::optional<Settings> back = ParseSettings(FormatSettings(s));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->displayFont, "Odd Font");
}

class SettingsFileTest : public ::testing::Test {
  protected:
    std::string SettingsFile() const { return dir_.File("ANGLEBOX.INI"); }
    TempDir dir_;
};

TEST_F(SettingsFileTest, NoFileGivesDefaultsAndCreatesNothing) {
    EXPECT_EQ(ReadSettingsFile(dir_.path()), DefaultSettings(dir_.path()));
    EXPECT_EQ(ReadSettingsFile(dir_.path() + "/").autoloadFile, dir_.File("EXAMPLE.RWK"));
    EXPECT_TRUE(dir_.Names().empty());
}

TEST_F(SettingsFileTest, FiveLinesGiveDefaults) {
    testing::WriteBytes(SettingsFile(), "/x/TRIPS.RWK\r\n 0 \r\nlb\r\noz\r\n14\r\n");
    EXPECT_EQ(ReadSettingsFile(dir_.path()), DefaultSettings(dir_.path()));
}

TEST_F(SettingsFileTest, BadNumberGivesDefaults) {
    testing::WriteBytes(SettingsFile(),
                        "/x/T.RWK\r\nno\r\nlb\r\noz\r\n14\r\nft\r\ninch\r\n16\r\nA\r\n");
    EXPECT_EQ(ReadSettingsFile(dir_.path()), DefaultSettings(dir_.path()));
}

TEST_F(SettingsFileTest, EmptyFirstLineMeansTheExample) {
    testing::WriteBytes(SettingsFile(), std::string("\r\n") + (kImperialFile + 24));
    const Settings s = ReadSettingsFile(dir_.path());
    EXPECT_EQ(s.autoloadFile, dir_.File("EXAMPLE.RWK"));
    EXPECT_EQ(s.units, UnitNames::Imperial());
    EXPECT_EQ(s.displayFont, "Times New Roman");
}

TEST_F(SettingsFileTest, ImperialFileIsReadAndLeftAlone) {
    testing::WriteBytes(SettingsFile(), kImperialFile);
    const Settings s = ReadSettingsFile(dir_.path());
    EXPECT_EQ(s.autoloadFile, "/home/angler/TRIPS.RWK");
    EXPECT_EQ(s.units, UnitNames::Imperial());
    EXPECT_EQ(s.showVenuesOnEdit, 0);
    EXPECT_EQ(testing::ReadBytes(SettingsFile()), kImperialFile);
    EXPECT_EQ(dir_.Names(), std::vector<std::string>{"ANGLEBOX.INI"});
}

}  // namespace
}  // namespace rodwick
