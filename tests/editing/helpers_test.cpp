#include <gtest/gtest.h>

#include <QLocale>
#include <random>

#include "box_text.h"
#include "number_fields.h"
#include "store_test_util.h"
#include "suggestions.h"
#include "text.h"

namespace rodwick::testing {
namespace {

RecordTable VenueTable(const std::vector<std::string>& venues) {
    std::vector<TripRecord> records(venues.size());
    for (std::size_t i = 0; i < venues.size(); ++i) records[i][Field::venue] = venues[i];
    return TableOf(records);
}

// The suggestion algorithm word for word: for each record, count the records with the same
// key; a value held once is appended, one held more often only when none of the list
// positions 0..recordCount (empty past the end of the list) has its key.
QStringList ReferenceSuggestionList(const RecordTable& table, Field field) {
    const int count = table.recordCount();
    auto value = [&](int i) { return FromFileText(table.slot(i)[field]); };
    QStringList list;
    for (int i = 1; i <= count; ++i) {
        const QString key = SuggestionKey(value(i));
        int same = 0;
        for (int j = 1; j <= count; ++j) same += SuggestionKey(value(j)) == key ? 1 : 0;
        if (same == 1) {
            list << value(i);
            continue;
        }
        bool listed = false;
        for (int p = 0; p <= count; ++p) {
            const QString entry = p < list.size() ? list[p] : QString();
            if (SuggestionKey(entry) == key) listed = true;
        }
        if (!listed) list << value(i);
    }
    return list;
}

TEST(Suggestions, FirstSpellingInOrderOfFirstOccurrenceAndTheEmptyValueQuirk) {
    using Venues = std::vector<std::string>;
    const std::vector<std::pair<Venues, Venues>> cases = {
        {{"Usk", "usk", "Wye"}, {"Usk", "Wye"}},
        {{"Wye", "", "Usk"}, {"Wye", "", "Usk"}},
        {{"", "", "Usk"}, {"Usk"}},
        {{"wye", "Usk", "WYE", "Wye", "usk", "Tay"}, {"wye", "Usk", "Tay"}},
        // Letters beyond ASCII compare without case too (Windows-1252 e acute and E acute).
        {{"\xe9tang", "\xc9TANG", "Etang"}, {"\xe9tang", "Etang"}},
        // A sharp s has the capitals SS.
        {{"Stra\xdf"
          "e",
          "STRASSE"},
         {"Stra\xdf"
          "e"}},
        {{}, {}},
        {{""}, {""}},
    };
    for (const auto& [venues, expected] : cases) {
        QStringList want;
        for (const std::string& entry : expected) want << FromFileText(entry);
        EXPECT_EQ(BuildSuggestionList(VenueTable(venues), Field::venue), want)
            << ::testing::PrintToString(venues);
    }
}

TEST(Suggestions, FastListEqualsTheAlgorithmOnRandomTables) {
    // Few distinct names in random letter case, with empty values, so that repeats abound.
    const std::vector<std::string> names = {"usk",
                                            "wye",
                                            "tay",
                                            "\xe9tang",
                                            "stra\xdf"
                                            "e",
                                            "strasse",
                                            "",
                                            ""};
    std::mt19937 random(20240611);
    for (int round = 0; round < 3000; ++round) {
        const int size = round < 20 ? RecordTable::kMaxRecords : static_cast<int>(random() % 30);
        std::vector<TripRecord> records(static_cast<std::size_t>(size));
        for (TripRecord& record : records) {
            std::string name = names[random() % names.size()];
            for (char& c : name) {
                if (random() % 2)
                    c = static_cast<char>(
                        c == '\xe9' ? 0xc9 : std::toupper(static_cast<unsigned char>(c)));
            }
            record[Field::club] = name;
        }
        const RecordTable table = TableOf(records);
        ASSERT_EQ(BuildSuggestionList(table, Field::club),
                  ReferenceSuggestionList(table, Field::club))
            << "round " << round;
    }
}

TEST(Numbers, PriceAndTemperatureStepsOnTheirTypes) {
    using K = NumberKind;
    // Text, whether the locale's parser reads it, whether + and - are enabled, and the text
    // after + and after - ("=" when the text stays as it is).
    struct Case {
        K kind;
        const char* text;
        bool numeric;
        bool enabled;
        const char* up;
        const char* down;
    };
    const Case cases[] = {
        {K::Temperature, "12", true, true, "13", "11"},
        {K::Temperature, " 7 ", true, true, "8", "6"},
        {K::Temperature, "45", true, true, "=", "44"},
        {K::Temperature, "-10", true, true, "-9", "="},
        {K::Temperature, "50", true, true, "=", "49"},
        {K::Temperature, "-11", true, true, "-10", "="},
        {K::Temperature, "12.5", true, true, "13", "11"},
        {K::Temperature, "13.5", true, true, "15", "13"},
        {K::Temperature, "1e1", true, true, "11", "9"},
        {K::Temperature, "32767", true, true, "=", "32766"},
        {K::Temperature, "-32768", true, true, "-32767", "="},
        {K::Temperature, "-32768.5", true, true, "-32767", "="},
        {K::Temperature, "32767.5", true, false, "=", "="},
        {K::Temperature, "32768", true, false, "=", "="},
        {K::Temperature, "-32769", true, false, "=", "="},
        {K::Temperature, "warm", false, false, "=", "="},
        {K::Temperature, "", false, false, "=", "="},
        {K::Price, "4.5", true, true, "5.5", "3.5"},
        {K::Price, "3.00", true, true, "4", "2"},
        {K::Price, "2.75", true, true, "3.75", "1.75"},
        {K::Price, "0.5", true, true, "1.5", "-0.5"},
        {K::Price, "0.25", true, true, "1.25", "-0.75"},
        {K::Price, "-0.75", true, true, "0.25", "="},
        {K::Price, "0", true, true, "1", "="},
        {K::Price, "1.23456", true, true, "2.2346", "0.2346"},
        {K::Price, "0.00005", true, true, "1", "="},
        {K::Price, "0.00015", true, true, "1.0002", "-0.9998"},
        {K::Price, "922337203685477.5807", true, true, "=", "922337203685476.5807"},
        {K::Price, "922337203685476.5807", true, true, "922337203685477.5807",
         "922337203685475.5807"},
        {K::Price, "-922337203685477.5808", true, true, "-922337203685476.5808", "="},
        {K::Price, "922337203685477.5808", true, false, "=", "="},
        {K::Price, "922337203685477.58075", true, false, "=", "="},
        {K::Price, "-922337203685477.5809", true, false, "=", "="},
        {K::Price, "1e20", true, false, "=", "="},
        {K::Price, "1e400", false, false, "=", "="},
        {K::Price, "  ", false, false, "=", "="},
        {K::Price, "3 pounds", false, false, "=", "="},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromLatin1(c.text);
        SCOPED_TRACE(::testing::Message()
                     << (c.kind == K::Price ? "price " : "temperature ") << '"' << c.text << '"');
        EXPECT_EQ(IsNumeric(text), c.numeric);
        EXPECT_EQ(StepsEnabled(c.kind, text), c.enabled);
        EXPECT_EQ(StepUp(c.kind, text).value_or("="), QString::fromLatin1(c.up));
        EXPECT_EQ(StepDown(c.kind, text).value_or("="), QString::fromLatin1(c.down));
    }
}

TEST(Numbers, QuickEditBoxStartsFromThePlainFormOrTheTextAsStored) {
    EXPECT_EQ(SetUpNumberBox(NumberKind::Price, "3.50").text, "3.5");
    EXPECT_EQ(SetUpNumberBox(NumberKind::Temperature, "12.5").text, "12");
    EXPECT_TRUE(SetUpNumberBox(NumberKind::Temperature, "12.5").stepsEnabled);
    for (const char* stored : {"warm", "40000", ""}) {
        const NumberBoxStart start = SetUpNumberBox(NumberKind::Temperature, stored);
        EXPECT_EQ(start.text, stored);
        EXPECT_FALSE(start.stepsEnabled) << stored;
    }
}

TEST(Numbers, ReadAndWrittenWithTheLocalesSeparatorAndSign) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(StepDown(NumberKind::Price, "0,25").value_or("="), "-0,75");
    EXPECT_EQ(StepUp(NumberKind::Price, "1.000,5").value_or("="), "1001,5");
    EXPECT_EQ(StepUp(NumberKind::Temperature, "12,5").value_or("="), "13");
    QLocale::setDefault(before);
}

TEST(BoxText, EveryKindOfLineBreakBecomesOneBlank) {
    const QString typed = QStringLiteral("a\r\nb\rc\nd") + QChar(QChar::LineSeparator) + "e" +
                          QChar(QChar::ParagraphSeparator) + "f\n\ng";
    EXPECT_EQ(LineBreaksToBlanks(typed), "a b c d e f  g");
}

}  // namespace
}  // namespace rodwick::testing
