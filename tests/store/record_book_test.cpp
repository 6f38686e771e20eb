// SPDX-License-Identifier: GPL-3.0-or-later
// A failed save of the loaded file, the record book's subscriptions and the bounds of its
// history; its operations, their notifications, limits, the files they leave and undo and redo
// are checked against a model in record_book_stress_test.cpp.
#include "record_book.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <string>

#include "rodwick_test/store_test_util.h"

namespace rodwick::testing {
namespace {

const TripRecord kOther = tagged("x");

TEST(RecordBook, FailuresCarryTheReason) {
    TempDir dir;
    RecordBook book;
    book.setFileOps(writeFailsAfter(0));
    writeBytes(dir.file("a.rwk"), databaseBytes(trips(1, 2)));
    ASSERT_TRUE(book.load(dir.file("a.rwk")).ok());
    EXPECT_EQ(book.save().message(), std::strerror(ENOSPC));
    EXPECT_EQ(readBytes(dir.file("a.rwk")), databaseBytes(trips(1, 2)));
}

TEST(RecordBook, SubscriptionsEndWithTheirObjectEvenWhileTold) {
    auto book = std::make_unique<RecordBook>();
    std::string told;
    RecordBook::Subscription second;
    // The first listener ends the second one's subscription while both are being told.
    RecordBook::Subscription first = book->subscribe([&](const RecordBook::Changes&) {
        told += "1";
        second.reset();
    });
    second = book->subscribe([&](const RecordBook::Changes&) { told += "2"; });
    RecordBook::Subscription selfEnding;
    selfEnding = book->subscribe([&](const RecordBook::Changes&) {
        told += "3";
        selfEnding = RecordBook::Subscription();
    });
    ASSERT_TRUE(book->appendRecords({kOther}).ok());
    ASSERT_TRUE(book->appendRecords({kOther}).ok());
    EXPECT_EQ(told, "131") << "2 ended before its turn, 3 ended itself";

    RecordBook::Subscription moved = std::move(first);
    first = RecordBook::Subscription();
    told.clear();
    ASSERT_TRUE(book->appendRecords({kOther}).ok());
    EXPECT_EQ(told, "1") << "a moved subscription goes on";
    book.reset();
    moved.reset();  // after the book: nothing to end
}

TEST(RecordBook, HistoryKeepsTheLastStepsWithinItsBudget) {
    RecordBook book;
    ASSERT_TRUE(book.appendRecords({kOther}).ok());
    // The README and the Edit menu promise the last 100 changes, whatever the constant says.
    constexpr int kPromised = 100;
    constexpr int kEdits = kPromised + 50;
    for (int k = 1; k <= kEdits; ++k)
        ASSERT_TRUE(book.setField(Field::Venue, std::to_string(k)).ok());
    int undone = 0;
    while (book.undo().ok()) ++undone;
    EXPECT_EQ(undone, kPromised);
    EXPECT_EQ(book.current()[Field::Venue], std::to_string(kEdits - kPromised));
    while (book.redo().ok()) {
    }
    EXPECT_EQ(book.current()[Field::Venue], std::to_string(kEdits));

    // Steps that keep a long text each: the oldest go once the budget is spent.
    const std::string longText(RecordBook::kHistoryBytes / 8, 'x');
    for (int k = 0; k < 20; ++k)
        ASSERT_TRUE(book.setField(Field::Remarks, longText + std::to_string(k)).ok());
    EXPECT_LE(book.historyBytes(), RecordBook::kHistoryBytes);
    const std::size_t fit = RecordBook::kHistoryBytes / (longText.size() + 1);
    EXPECT_EQ(book.historySteps(), fit);
    for (std::size_t k = 0; k < fit; ++k) ASSERT_TRUE(book.undo().ok());
    EXPECT_EQ(book.current()[Field::Remarks], longText + std::to_string(19 - fit));
}

}  // namespace
}  // namespace rodwick::testing
