// SPDX-License-Identifier: GPL-3.0-or-later
// Random sequences of the record book's operations, checked against the reference model of
// record_book_model.h; seeded and reproducible, a failure names its seed and step.
#include <gtest/gtest.h>

#include "record_book_model.h"

namespace rodwick::testing::stress {

// One random operation, then every check. False once a check has failed.
bool Stress::step() {
    told_.clear();
    expected_ = {};
    const bool emptyBefore = model_.records.empty();
    // Each operation with the share of steps it takes, in percent.
    static constexpr std::pair<int, void (Stress::*)()> kOperations[] = {
        {8, &Stress::navigate},       {8, &Stress::add},          {5, &Stress::replaceAll},
        {8, &Stress::edit},           {7, &Stress::quickEdit},    {8, &Stress::deleteRecord},
        {5, &Stress::duplicate},      {3, &Stress::newDatabase},  {6, &Stress::load},
        {5, &Stress::merge},          {5, &Stress::save},         {4, &Stress::saveAs},
        {3, &Stress::changeSettings}, {2, &Stress::adopt},        {8, &Stress::undo},
        {4, &Stress::redo},           {4, &Stress::otherMachine}, {5, &Stress::takeIn},
        {2, &Stress::conflictCopy}};
    int pick = uniform(0, 99);
    before_ = snapshot();
    detachedBefore_ = model_.detached;
    for (const auto& [share, operation] : kOperations) {
        if ((pick -= share) < 0) {
            (this->*operation)();
            break;
        }
    }
    if (expected_) expected_->emptiness = emptyBefore != model_.records.empty();
    check();
    return !::testing::Test::HasFailure();
}

void Stress::check() {
    // The model keeps the invariants, so agreeing with it checks them too.
    const int count = book_.recordCount();
    ASSERT_EQ(count, modelCount());
    EXPECT_EQ(book_.currentRecord(), model_.current);
    EXPECT_TRUE(std::equal(model_.records.begin(), model_.records.end(), &book_.table().slot(1)))
        << "the records differ from the model";
    EXPECT_EQ(book_.fileName(), model_.fileName);
    EXPECT_EQ(book_.titleName(), model_.titleName);
    EXPECT_EQ(book_.hasFile(), hasFile());
    EXPECT_EQ(book_.unsaved(), unsaved());
    EXPECT_EQ(book_.settings(), model_.settings);
    const auto& history = model_.history;
    EXPECT_EQ(book_.undoName(), model_.done > 0 ? history[model_.done - 1].name : "");
    EXPECT_EQ(book_.redoName(), model_.done < history.size() ? history[model_.done].name : "");

    const std::vector<RecordBook::Changes> expected =
        expected_ ? std::vector{*expected_} : std::vector<RecordBook::Changes>{};
    EXPECT_EQ(told_, expected) << "notifications: told " << told_.size() << ", expected "
                               << expected.size();
    EXPECT_TRUE(toldConsistent_) << "told while the table was not consistent";
}

namespace {

// Runs steps from a seed; the seed and step are in every failure's trace.
void runSeed(unsigned seed, int steps) {
    Stress stress(seed);
    for (int step = 1; step <= steps; ++step) {
        SCOPED_TRACE("seed " + std::to_string(seed) + " step " + std::to_string(step) + " after " +
                     stress.state());
        if (!stress.step()) return;
    }
}

TEST(RecordBookStress, RandomOperationsAgreeWithTheModel) {
    // Ten thousand steps in all.
    for (const unsigned seed : {1u, 2u, 3u, 5u, 8u, 13u, 21u, 34u}) runSeed(seed, 1250);
}

}  // namespace
}  // namespace rodwick::testing::stress
