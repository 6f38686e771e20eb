#include <gtest/gtest.h>

#include <QLocale>
#include <string>
#include <vector>

#include "record_table.h"
#include "search_walk.h"
#include "store_test_util.h"
#include "text.h"

namespace rodwick::testing {
namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The matcher skips the way through Unicode for ASCII fields where the locale allows it; it
// must answer exactly as the rule it stands for: the field and the word upper-cased through the
// locale after the codec, then an ordinal substring test.
TEST(WordMatcher, AnswersAsTheLocaleRuleInEveryLocale) {
    const QLocale locales[] = {QLocale::system(),
                               QLocale::c(),
                               QLocale(QLocale::English),
                               QLocale(QLocale::German),
                               QLocale(QLocale::Turkish),
                               QLocale(QLocale::Azerbaijani),
                               QLocale(QLocale::Lithuanian),
                               QLocale(QLocale::Greek)};
    // Windows-1252 bytes: E9 e-acute, C9 E-acute, DF sharp s, B5 micro, FF y-diaeresis, 9F its
    // capital, CD I-acute, 81 a byte the code page leaves undefined.
    const std::string fields[] = {"",          "Common Carp",   "common  carp", "fish",
                                  "FISH",      "Caf\xe9 pool",  "CAF\xc9 POOL", "Gro\xdf",
                                  "\xb5m",     "\xff",          "\x9f",         "R\xcdVER",
                                  "tab\there", "odd \x81 byte", "12.8 lb"};
    const QString words[] = {U("carp"), U("CARP"), U("cArP"),   U(" "),  U("  "),   U("fish"),
                             U("FİSH"), U("fısh"), U("é"),      U("É"),  U("café"), U("ss"),
                             U("ß"),    U("µ"),    U("Μ"),      U("ÿ"),  U("Ÿ"),    U("ﬀ"),
                             U("í"),    U("\t"),   U("\u0081"), U("2.8")};
    for (const QLocale& locale : locales) {
        WordMatcher matcher(locale);
        for (const QString& word : words) {
            const QString upperWord = locale.toUpper(word);
            matcher.SetWord(upperWord);
            for (const std::string& field : fields) {
                const bool rule = locale.toUpper(FromFileText(field)).contains(upperWord);
                EXPECT_EQ(matcher.FieldHolds(field), rule)
                    << locale.name().toStdString() << " field \"" << field << "\" word \""
                    << word.toStdString() << '"';
            }
        }
    }
    // The grid holds cases where the locales differ, so a fast way taken where it must not
    // be would show above.
    WordMatcher turkish{QLocale(QLocale::Turkish)};
    turkish.SetWord(QStringLiteral("FISH"));
    EXPECT_FALSE(turkish.FieldHolds("fish"));
    WordMatcher english{QLocale(QLocale::English)};
    english.SetWord(QStringLiteral("FISH"));
    EXPECT_TRUE(english.FieldHolds("fish"));
}

// One Find: the dialog closed with Okay and a word, or with Cancel; or records deleted from
// the end until `keep` are left. The walk answers "Continue Search?" from `answers` (Y or N)
// and writes what it does: the record it shows with the answer given, "done" for "Search
// Complete". After the step: searchWord@searchPosition #currentRecord.
struct Step {
    enum Kind { Okay, Cancel, Keep } kind;
    const char* word = "";
    const char* answers = "";
    const char* transcript = "";
    const char* after = "";
    int keep = 0;
};
Step Okay(const char* word, const char* answers, const char* transcript, const char* after) {
    return {Step::Okay, word, answers, transcript, after};
}
Step Cancel(const char* answers, const char* transcript, const char* after) {
    return {Step::Cancel, "", answers, transcript, after};
}
Step Keep(int n) {
    return {Step::Keep, "", "", "", "", n};
}

struct Search {
    const char* name;
    int records;
    std::vector<Step> steps;
};

// Trips tagged "rN.f" in every field, so that "r1" is in records 1 and 10 to 19 and "r7." in 7
// alone; records 2 to 4 of the ten-record table get remarks with blanks and accents.
const Search kSearches[] = {
    {"an empty word stays idle", 5, {Okay("", "", "", "@0 #1"), Cancel("", "", "@0 #1")}},
    {"a word found nowhere", 5, {Okay("zander", "", "done", "@0 #1")}},
    {"no records at all", 0, {Okay("r", "", "done", "@0 #0")}},
    {"every letter case finds the same, one stop per record",
     12,
     {Okay("r1", "YYYY", "1Y 10Y 11Y 12Y done", "@0 #12"),
      Okay("R1", "YYYY", "1Y 10Y 11Y 12Y done", "@0 #12")}},
    {"paused, then resumed by Cancel until complete",
     12,
     {Okay("r1", "N", "1N", "R1@1 #1"), Cancel("YN", "10Y 11N", "R1@11 #11"),
      Cancel("Y", "12Y done", "@0 #12"), Cancel("", "", "@0 #12")}},
    {"a new word restarts from the first record",
     12,
     {Okay("r1", "YN", "1Y 10N", "R1@10 #10"), Okay("r2", "N", "2N", "R2@2 #2")}},
    {"an empty word ends a paused search",
     12,
     {Okay("r1", "N", "1N", "R1@1 #1"), Okay("", "", "", "@0 #1"), Cancel("", "", "@0 #1")}},
    {"the last record then Yes", 5, {Okay("r5.", "Y", "5Y done", "@0 #5")}},
    {"the last record then No, resumed",
     5,
     {Okay("r5.", "N", "5N", "R5.@5 #5"), Cancel("", "done", "@0 #5")}},
    {"records deleted down to the paused position",
     9,
     {Okay("r7.", "N", "7N", "R7.@7 #7"), Keep(7), Cancel("", "done", "@0 #7")}},
    {"records deleted below the paused position",
     9,
     {Okay("r", "YYYYYYN", "1Y 2Y 3Y 4Y 5Y 6Y 7N", "R@7 #7"), Keep(3),
      Cancel("", "done", "@0 #3")}},
    {"a full table is walked to its last record",
     250,
     {Okay("r250.", "Y", "250Y done", "@0 #250"), Okay("r25", "YY", "25Y 250Y done", "@0 #250"),
      Okay("zander", "", "done", "@0 #250")}},
    {"blanks are searched for as typed",
     10,
     {Okay("  ", "Y", "2Y done", "@0 #2"), Okay(" ", "YYN", "2Y 3Y 4N", " @4 #4"),
      Okay("common carp", "", "done", "@0 #4")}},
    {"an accented word finds its capitals",
     10,
     {Okay("café", "YN", "3Y 4N", "CAFÉ@4 #4"), Okay("CAFÉ", "YY", "3Y 4Y done", "@0 #4")}},
};

TEST(SearchWalk, RunsAsAStateMachineOverFindAfterFind) {
    for (const Search& run : kSearches) {
        SCOPED_TRACE(run.name);
        RecordTable table = TableOf(TaggedRecords(run.records));
        if (run.records == 10) {
            table.slot(2)[Field::remarks] = "Common  Carp";
            table.slot(3)[Field::remarks] = "CAF\xc9 on the bank";
            table.slot(4)[Field::remarks] = "caf\xe9 au lait";
        }
        SearchWalk walk;
        for (const Step& step : run.steps) {
            if (step.kind == Step::Keep) {
                while (table.recordCount() > step.keep) {
                    table.setCurrentRecord(table.recordCount());
                    table.RemoveRecord();
                }
                table.setCurrentRecord(table.recordCount());
                continue;
            }
            std::vector<std::string> said;
            std::string answers = step.answers;
            const SearchHooks hooks{[&] { said.push_back(std::to_string(table.currentRecord())); },
                                    [&] {
                                        const char answer = answers.empty() ? '!' : answers[0];
                                        if (!answers.empty()) answers.erase(0, 1);
                                        if (said.empty()) said.emplace_back("?");
                                        said.back() += answer;
                                        return answer == 'Y';
                                    },
                                    [&] { said.push_back("done"); }};
            if (step.kind == Step::Okay) walk.StartWord(QString::fromUtf8(step.word));
            walk.runSearch(table, hooks);

            std::string transcript;
            for (const std::string& s : said) transcript += (transcript.empty() ? "" : " ") + s;
            EXPECT_EQ(transcript, step.transcript) << "word \"" << step.word << '"';
            EXPECT_EQ(walk.searchWord().toStdString() + "@" +
                          std::to_string(walk.searchPosition()) + " #" +
                          std::to_string(table.currentRecord()),
                      step.after)
                << "word \"" << step.word << '"';
        }
    }
}

}  // namespace
}  // namespace rodwick::testing
