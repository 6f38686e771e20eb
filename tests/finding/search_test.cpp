// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QStringList>
#include <string>
#include <vector>

#include "rodwick_test/store_test_util.h"
#include "search_walk.h"
#include "text.h"

namespace rodwick::testing {
namespace {

// How one Find ends: the dialog closed with Okay and a word, or with Cancel; or, between two
// Finds, records deleted from the end until `keep` are left.
enum class By { Okay, Cancel, Deleting };

// The walk's state after a step: searchWord, searchPosition and the table's current record.
struct After {
    const char* word;
    int position;
    int current;
};

// One step. "Continue Search?" is answered from `answers`, Y or N each; the walk writes each
// record it shows with the answer given there, and "done" for "Search Complete".
struct Step {
    By by;
    const char* word = "";
    const char* answers = "";
    const char* shown = "";
    After after = {"", 0, 0};
    int keep = 0;
};

struct Search {
    const char* name;
    int records;
    std::vector<Step> steps;
};

// Trips tagged "rN.f" in every field: "r1" is in records 1 and 10 to 19, "r7." in 7 alone.
// Records 2 to 4 of the ten-record table get remarks with blanks and accents.
// clang-format off
const Search kSearches[] = {
    {"an empty word stays idle", 5,
     {{.by = By::Okay, .after = {"", 0, 1}},
      {.by = By::Cancel, .after = {"", 0, 1}}}},
    {"no records at all", 0,
     {{.by = By::Okay, .word = "r", .shown = "done", .after = {"", 0, 0}}}},
    {"paused, then resumed by Cancel until complete", 12,
     {{.by = By::Okay, .word = "r1", .answers = "N", .shown = "1N", .after = {"R1", 1, 1}},
      {.by = By::Cancel, .answers = "YN", .shown = "10Y 11N", .after = {"R1", 11, 11}},
      {.by = By::Cancel, .answers = "Y", .shown = "12Y done", .after = {"", 0, 12}},
      {.by = By::Cancel, .after = {"", 0, 12}}}},
    {"a new word restarts, an empty one ends the search", 12,
     {{.by = By::Okay, .word = "r1", .answers = "YN", .shown = "1Y 10N", .after = {"R1", 10, 10}},
      {.by = By::Okay, .word = "r2", .answers = "N", .shown = "2N", .after = {"R2", 2, 2}},
      {.by = By::Okay, .after = {"", 0, 2}},
      {.by = By::Cancel, .after = {"", 0, 2}}}},
    {"the last record then No, resumed", 5,
     {{.by = By::Okay, .word = "r5.", .answers = "N", .shown = "5N", .after = {"R5.", 5, 5}},
      {.by = By::Cancel, .shown = "done", .after = {"", 0, 5}}}},
    {"records deleted below the paused position", 9,
     {{.by = By::Okay, .word = "r", .answers = "YYYYYYN", .shown = "1Y 2Y 3Y 4Y 5Y 6Y 7N",
       .after = {"R", 7, 7}},
      {.by = By::Deleting, .keep = 3},
      {.by = By::Cancel, .shown = "done", .after = {"", 0, 3}}}},
    {"a full table is walked to its last record", 250,
     {{.by = By::Okay, .word = "r250.", .answers = "Y", .shown = "250Y done",
       .after = {"", 0, 250}},
      {.by = By::Okay, .word = "zander", .shown = "done", .after = {"", 0, 250}}}},
    {"blanks are searched for as typed, accents find their capitals", 10,
     {{.by = By::Okay, .word = "  ", .answers = "Y", .shown = "2Y done", .after = {"", 0, 2}},
      {.by = By::Okay, .word = " ", .answers = "YYN", .shown = "2Y 3Y 4N", .after = {" ", 4, 4}},
      {.by = By::Okay, .word = "common carp", .shown = "done", .after = {"", 0, 4}},
      {.by = By::Okay, .word = "café", .answers = "YN", .shown = "3Y 4N", .after = {"CAFÉ", 4, 4}},
      {.by = By::Okay, .word = "CAFÉ", .answers = "YY", .shown = "3Y 4Y done",
       .after = {"", 0, 4}}}},
};
// clang-format on

// As the walk is checked: "searchWord@searchPosition #currentRecord".
std::string text(const std::string& word, int position, int current) {
    return word + "@" + std::to_string(position) + " #" + std::to_string(current);
}

TEST(SearchWalk, RunsAsAStateMachineOverFindAfterFind) {
    for (const auto& [name, records, steps] : kSearches) {
        SCOPED_TRACE(name);
        RecordTable table = tableOf(trips(1, records));
        if (records == 10) {
            table.slot(2)[Field::Remarks] = "Common  Carp";
            table.slot(3)[Field::Remarks] = "CAF\xc9 on the bank";
            table.slot(4)[Field::Remarks] = "caf\xe9 au lait";
        }
        SearchWalk walk;
        for (const Step& step : steps) {
            if (step.by == By::Deleting) {
                while (table.recordCount() > step.keep) {
                    table.setCurrentRecord(table.recordCount());
                    table.removeRecord();
                }
                table.setCurrentRecord(table.recordCount());
                continue;
            }
            std::string transcript, answers = step.answers;
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
            if (step.by == By::Okay) walk.startWord(QString::fromUtf8(step.word));
            walk.runSearch(table, hooks);

            EXPECT_EQ(transcript.empty() ? "" : transcript.substr(1), step.shown) << step.word;
            EXPECT_EQ(
                text(walk.searchWord().toStdString(), walk.searchPosition(), table.currentRecord()),
                text(step.after.word, step.after.position, step.after.current))
                << step.word;
        }
    }
}

}  // namespace
}  // namespace rodwick::testing
