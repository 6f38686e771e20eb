#include <gtest/gtest.h>

#include <QLocale>
#include <QStringList>
#include <string>
#include <vector>

#include "rodwick_test/store_test_util.h"
#include "search_walk.h"
#include "text.h"

namespace rodwick::testing {
namespace {

// The matcher skips the way through Unicode for ASCII fields where the locale allows it; it
// must answer exactly as the rule it stands for: field and word upper-cased through the locale
// after the codec, then an ordinal substring test. Turkish and Azeri capitalise i to a dotted
// capital, so they must not take the short way.
TEST(WordMatcher, AnswersAsTheLocaleRuleInEveryLocale) {
    // clang-format off
    const QLocale locales[] = {QLocale::system(), QLocale::c(), QLocale(QLocale::German),
                               QLocale(QLocale::Turkish), QLocale(QLocale::Azerbaijani),
                               QLocale(QLocale::Lithuanian), QLocale(QLocale::Greek)};
    // clang-format on
    // Windows-1252 bytes, among them e-acute and its capital, sharp s, micro, y-diaeresis and
    // its capital, I-acute, and 81 which the code page leaves undefined.
    const QByteArray fields =
        "|Common Carp|common  carp|fish|FISH|Caf\xe9 pool|CAF\xc9 POOL|Gro\xdf|"
        "\xb5m|\xff|\x9f|R\xcdVER|tab\there|odd \x81 byte|12.8 lb";
    const QStringList words = QString::fromUtf8(
                                  "carp|CARP|cArP| |  |fish|FİSH|fısh|é|É|café|ss|ß|"
                                  "µ|Μ|ÿ|Ÿ|ﬀ|í|\t|\u0081|2.8")
                                  .split('|');
    for (const QLocale& locale : locales) {
        WordMatcher matcher(locale);
        for (const QString& word : words) {
            const QString upperWord = locale.toUpper(word);
            matcher.SetWord(upperWord);
            for (const QByteArray& field : fields.split('|')) {
                EXPECT_EQ(matcher.FieldHolds(field.toStdString()),
                          locale.toUpper(FromFileText(field.toStdString())).contains(upperWord))
                    << locale.name().toStdString() << " field \"" << field.toStdString()
                    << "\" word \"" << word.toStdString() << '"';
            }
        }
    }
    WordMatcher turkish{QLocale(QLocale::Turkish)};
    turkish.SetWord(QStringLiteral("FISH"));
    EXPECT_FALSE(turkish.FieldHolds("fish")) << "the grid above must hold a case that differs";
}

// One Find as kind, word, answers, transcript and after: the dialog closed with Okay and a word
// ('o'), with Cancel ('c'), or records deleted from the end until `word` are left ('k').
// "Continue Search?" is answered from `answers`; the walk writes each record it shows with the
// answer, and "done" for "Search Complete". After the step: searchWord@searchPosition
// #currentRecord.
using Step = std::tuple<char, const char*, const char*, const char*, const char*>;
using Search = std::tuple<const char*, int, std::vector<Step>>;  // name, records, steps

// Trips tagged "rN.f" in every field: "r1" is in records 1 and 10 to 19, "r7." in 7 alone.
// Records 2 to 4 of the ten-record table get remarks with blanks and accents.
// clang-format off
const Search kSearches[] = {
    {"an empty word stays idle", 5, {{'o', "", "", "", "@0 #1"}, {'c', "", "", "", "@0 #1"}}},
    {"a word found nowhere", 5, {{'o', "zander", "", "done", "@0 #1"}}},
    {"no records at all", 0, {{'o', "r", "", "done", "@0 #0"}}},
    {"every letter case finds the same, one stop per record", 12,
     {{'o', "r1", "YYYY", "1Y 10Y 11Y 12Y done", "@0 #12"},
      {'o', "R1", "YYYY", "1Y 10Y 11Y 12Y done", "@0 #12"}}},
    {"paused, then resumed by Cancel until complete", 12,
     {{'o', "r1", "N", "1N", "R1@1 #1"}, {'c', "", "YN", "10Y 11N", "R1@11 #11"},
      {'c', "", "Y", "12Y done", "@0 #12"}, {'c', "", "", "", "@0 #12"}}},
    {"a new word restarts, an empty one ends the search", 12,
     {{'o', "r1", "YN", "1Y 10N", "R1@10 #10"}, {'o', "r2", "N", "2N", "R2@2 #2"},
      {'o', "", "", "", "@0 #2"}, {'c', "", "", "", "@0 #2"}}},
    {"the last record then Yes", 5, {{'o', "r5.", "Y", "5Y done", "@0 #5"}}},
    {"the last record then No, resumed", 5,
     {{'o', "r5.", "N", "5N", "R5.@5 #5"}, {'c', "", "", "done", "@0 #5"}}},
    {"records deleted down to the paused position", 9,
     {{'o', "r7.", "N", "7N", "R7.@7 #7"}, {'k', "7", "", "", ""}, {'c', "", "", "done", "@0 #7"}}},
    {"records deleted below the paused position", 9,
     {{'o', "r", "YYYYYYN", "1Y 2Y 3Y 4Y 5Y 6Y 7N", "R@7 #7"}, {'k', "3", "", "", ""},
      {'c', "", "", "done", "@0 #3"}}},
    {"a full table is walked to its last record", 250,
     {{'o', "r250.", "Y", "250Y done", "@0 #250"}, {'o', "r25", "YY", "25Y 250Y done", "@0 #250"},
      {'o', "zander", "", "done", "@0 #250"}}},
    {"blanks are searched for as typed, accents find their capitals", 10,
     {{'o', "  ", "Y", "2Y done", "@0 #2"}, {'o', " ", "YYN", "2Y 3Y 4N", " @4 #4"},
      {'o', "common carp", "", "done", "@0 #4"}, {'o', "café", "YN", "3Y 4N", "CAFÉ@4 #4"},
      {'o', "CAFÉ", "YY", "3Y 4Y done", "@0 #4"}}},
};
// clang-format on

TEST(SearchWalk, RunsAsAStateMachineOverFindAfterFind) {
    for (const auto& [name, records, steps] : kSearches) {
        SCOPED_TRACE(name);
        RecordTable table = TableOf(Trips(1, records));
        if (records == 10) {
            table.slot(2)[Field::remarks] = "Common  Carp";
            table.slot(3)[Field::remarks] = "CAF\xc9 on the bank";
            table.slot(4)[Field::remarks] = "caf\xe9 au lait";
        }
        SearchWalk walk;
        for (const auto& [kind, word, given, expected, after] : steps) {
            if (kind == 'k') {
                while (table.recordCount() > std::stoi(word)) {
                    table.setCurrentRecord(table.recordCount());
                    table.RemoveRecord();
                }
                table.setCurrentRecord(table.recordCount());
                continue;
            }
            std::string transcript, answers = given;
            const SearchHooks hooks{[&](int record) {
                                        table.setCurrentRecord(record);
                                        transcript += " " + std::to_string(table.currentRecord());
                                    },
                                    [&] {
                                        transcript += answers.empty() ? '!' : answers[0];
                                        answers.erase(0, 1);
                                        return transcript.back() == 'Y';
                                    },
                                    [&] { transcript += " done"; }};
            if (kind == 'o') walk.StartWord(QString::fromUtf8(word));
            walk.runSearch(table, hooks);

            EXPECT_EQ(transcript.empty() ? "" : transcript.substr(1), expected) << word;
            EXPECT_EQ(walk.searchWord().toStdString() + "@" +
                          std::to_string(walk.searchPosition()) + " #" +
                          std::to_string(table.currentRecord()),
                      after)
                << word;
        }
    }
}

}  // namespace
}  // namespace rodwick::testing
