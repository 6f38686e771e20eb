// SPDX-License-Identifier: GPL-3.0-or-later
// The lines of words about the trips a window shows, under English and under German: the
// counts in each language's plural forms, the filter's dates in its short form.
#include <gtest/gtest.h>

#include <QString>
#include <vector>

#include "rodwick_test/scripted_platform.h"
#include "translation.h"
#include "trip_counts.h"
#include "trip_filter.h"

namespace rodwick::testing {
namespace {

using filtering::CatchChoice;
using filtering::TripFilter;
using D = Date;

struct Counts {
    int shown, total, undated, conflictCopies;
};

class FilterWords : public ::testing::Test {
  protected:
    ~FilterWords() override { installTranslations(QStringLiteral("en")); }
};

TEST_F(FilterWords, ShowingTripsCountsInEachLanguage) {
    struct Case {
        const char* language;
        Counts counts;
        const char* text;
    };
    const std::vector<Case> cases = {
        {"en", {37, 212, 0, 0}, "Showing 37 of 212 trips"},
        {"en", {1, 1, 0, 0}, "Showing 1 of 1 trip"},
        {"en", {4, 5, 0, 1}, "Showing 4 of 5 trips; 1 conflict copy not counted"},
        {"en", {4, 5, 0, 3}, "Showing 4 of 5 trips; 3 conflict copies not counted"},
        {"en", {0, 5, 1, 0}, "Showing 0 of 5 trips; 1 left out because its date did not read"},
        {"en", {2, 9, 3, 0}, "Showing 2 of 9 trips; 3 left out because their date did not read"},
        {"de", {1, 1, 0, 0}, "1 von 1 Angeltag"},
        {"de",
         {2, 9, 3, 1},
         "2 von 9 Angeltagen; 1 Konfliktkopie nicht gezählt; 3 ausgelassen, weil ihr Datum nicht "
         "lesbar war"},
        {"fr", {0, 2, 1, 0}, "0 sur 2 sorties; 1 omise car sa date est illisible"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(installTranslations(QString::fromLatin1(c.language)));
        const Counts& n = c.counts;
        EXPECT_EQ(filtering::showingTrips(n.shown, n.total, n.undated, n.conflictCopies),
                  QString::fromUtf8(c.text))
            << c.language << " " << n.shown << " of " << n.total;
    }
}

TEST_F(FilterWords, AFilterInWordsInEachLanguage) {
    struct Case {
        const char* language;
        TripFilter filter;
        const char* text;
    };
    const TripFilter june{
        .dates = {.month = 6}, .venue = " River Trent", .catches = CatchChoice::WithCatch};
    const TripFilter summer{.dates = {.from = D{2001, 4, 1}, .to = D{2001, 9, 30}}};
    const TripFilter everything{.word = "pike",
                                .dates = {.to = D{2002, 1, 31}, .month = 1},
                                .species = "Carp",
                                .method = "Float",
                                .bait = "Worm",
                                .catches = CatchChoice::Blank};
    const std::vector<Case> cases = {
        {"en", TripFilter{}, "All trips"},
        {"en", june, "Trips at River Trent, in June of every year, with a catch"},
        {"en", summer, "Trips from 04-01-2001 to 09-30-2001"},
        {"en", {.dates = {.from = D{2001, 4, 1}}}, "Trips from 04-01-2001"},
        {"en", everything,
         "Trips containing \"pike\", for Carp, by the method Float, on the bait Worm, in January, "
         "up to 01-31-2002, without a catch"},
        {"de", TripFilter{}, "Alle Angeltage"},
        {"de", june, "Angeltage am Gewässer River Trent, im Juni jedes Jahres, mit Fang"},
        {"de", summer, "Angeltage vom 01.04.01 bis 30.09.01"},
        {"fr", summer, "Sorties du 01/04/2001 au 30/09/2001"},
        {"fr", june, "Sorties à River Trent, en juin de chaque année, avec prise"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(installTranslations(QString::fromLatin1(c.language)));
        EXPECT_EQ(filtering::describeFilter(c.filter), QString::fromUtf8(c.text)) << c.language;
    }
}

}  // namespace
}  // namespace rodwick::testing
