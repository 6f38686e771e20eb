// SPDX-License-Identifier: GPL-3.0-or-later
// The filter bar's date and catch choices as a user makes them, by their captions, on a
// scripted day: each lets through the trips of the example log book it names.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDateEdit>
#include <QSignalSpy>
#include <algorithm>
#include <memory>
#include <vector>

#include "filter_bar.h"
#include "rodwick_test/example_trips.h"
#include "rodwick_test/scripted_platform.h"
#include "trip_filter.h"

namespace rodwick::testing {
namespace {

// The record numbers shown, and how many were left out for a date or a weight that does not
// read.
struct Shown {
    std::vector<int> records;
    int undated = 0;
    int unweighed = 0;
    bool operator==(const Shown&) const = default;
};
void PrintTo(const Shown& s, std::ostream* out) {
    *out << ::testing::PrintToString(s.records) << " undated " << s.undated << " unweighed "
         << s.unweighed;
}

// Every record from first to last, but those listed in `but`.
std::vector<int> records(int first, int last, std::vector<int> but = {}) {
    std::vector<int> numbers;
    for (int n = first; n <= last; ++n) {
        if (std::find(but.begin(), but.end(), n) == but.end()) numbers.push_back(n);
    }
    return numbers;
}

class FilterBarTest : public ::testing::Test {
  protected:
    FilterBarTest() {
        // A spring day of 2002: the example's trips run from April 2001 to March 2002.
        platform_.clock = QDateTime(QDate(2002, 4, 20), QTime(10, 0));
        bar_ = std::make_unique<filtering::FilterBar>(platform_);
    }

    QComboBox* list(const char* name) const {
        return bar_->findChild<QComboBox*>(QString::fromLatin1(name));
    }
    // Picks the entry of that caption, as a user picks it from the list.
    void choose(const char* name, const QString& caption) {
        QComboBox* combo = list(name);
        const int index = combo->findText(caption);
        ASSERT_GE(index, 0) << "no entry " << caption.toStdString();
        combo->setCurrentIndex(index);
    }
    Shown shown() const {
        const std::vector<filtering::TripRef> trips = filtering::tripsOf(trips_, 0);
        const filtering::Filtered filtered =
            filtering::applyFilter(trips, bar_->filter(), UnitNames::imperial(), bar_->wordTest());
        Shown shown{{}, filtered.undated, filtered.unweighed};
        for (int k : filtered.shown) shown.records.push_back(trips[k].number);
        return shown;
    }

    ScriptedPlatform platform_;
    const std::vector<TripRecord> trips_ = exampleTrips();
    std::unique_ptr<filtering::FilterBar> bar_;
};

// Trip 14 has no date, so every choice of dates leaves it out as undated.
TEST_F(FilterBarTest, EachDateChoiceShowsItsTrips) {
    const std::pair<QString, Shown> cases[] = {
        {"This year", {{17, 18, 19, 20}, 1}},
        {"Last year", {records(1, 16, {14}), 1}},
        // From April 21, 2001: trip 1, on the 14th, is more than a year ago.
        {"The last 12 months", {records(2, 20, {14}), 1}},
        {"Every January", {{17}, 1}},
        {"Every February", {{}, 1}},
        {"Every March", {{18, 19, 20}, 1}},
        {"Every April", {{1, 2}, 1}},
        {"Every May", {{3, 4}, 1}},
        {"Every June", {{5, 6, 7}, 1}},
        {"Every July", {{}, 1}},
        {"Every August", {{8, 9}, 1}},
        {"Every September", {{10, 11}, 1}},
        {"Every October", {{12, 13}, 1}},
        {"Every November", {{15}, 1}},
        {"Every December", {{16}, 1}},
        {"Any date", {records(1, 20)}},
    };
    QSignalSpy changes(bar_.get(), &filtering::FilterBar::changed);
    for (const auto& [caption, expected] : cases) {
        choose("FilterDates", caption);
        EXPECT_EQ(shown(), expected) << caption.toStdString();
    }
    EXPECT_EQ(changes.count(), static_cast<int>(std::size(cases)));

    // Two dates of the user's own, which only this choice lets them type.
    auto* from = bar_->findChild<QDateEdit*>(QStringLiteral("FilterFrom"));
    auto* to = bar_->findChild<QDateEdit*>(QStringLiteral("FilterTo"));
    EXPECT_FALSE(from->isEnabled() || to->isEnabled());
    choose("FilterDates", QStringLiteral("From a date to a date"));
    ASSERT_TRUE(from->isEnabled() && to->isEnabled());
    from->setDate(QDate(2001, 6, 9));
    to->setDate(QDate(2001, 9, 8));
    EXPECT_EQ(shown(), (Shown{{6, 7, 8, 9, 10}, 1}));
}

// Trip 13's total weight ("lots") does not read, so either catch choice leaves it out.
TEST_F(FilterBarTest, EachCatchChoiceShowsItsTrips) {
    const std::pair<QString, Shown> cases[] = {
        {"Trips with a catch", {records(1, 20, {3, 7, 11, 13}), 0, 1}},
        {"Blank trips", {{3, 7, 11}, 0, 1}},
        {"All trips", {records(1, 20)}},
    };
    for (const auto& [caption, expected] : cases) {
        choose("FilterCatches", caption);
        EXPECT_EQ(shown(), expected) << caption.toStdString();
    }
}

}  // namespace
}  // namespace rodwick::testing
