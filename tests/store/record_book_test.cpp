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

// Which records each operation replaced, as whatever follows trips through it reads it: exact
// where the trips alone cannot tell which of two equal ones went or came.
TEST(RecordBook, LastChangeNamesTheRecordsReplaced) {
    using Range = RecordBook::ChangedRecords;
    TempDir dir;
    writeBytes(dir.file("a.rwk"), databaseBytes({kOther, kOther, tagged("y")}));
    RecordBook book;
    const auto step = [&](const char* what, auto operation, std::optional<Range> expected) {
        SCOPED_TRACE(what);
        operation();
        EXPECT_EQ(book.lastChange(), expected);
    };
    step(
        "load", [&] { ASSERT_TRUE(book.load(dir.file("a.rwk")).ok()); }, std::nullopt);
    step(
        "edit", [&] { setText(book, 3, Field::Venue, "z"); }, Range{3, 1, 1});
    step(
        "delete the second of two equal trips",
        [&] {
            ASSERT_TRUE(book.show(2));
            ASSERT_TRUE(book.deleteCurrent().ok());
        },
        Range{2, 1, 0});
    step(
        "its undo", [&] { ASSERT_TRUE(book.undo().ok()); }, Range{2, 0, 1});
    step(
        "its redo", [&] { ASSERT_TRUE(book.redo().ok()); }, Range{2, 1, 0});
    step(
        "duplicate the first", [&] { ASSERT_TRUE(book.duplicateCurrent().ok()); }, Range{3, 0, 1});
    step(
        "its undo", [&] { ASSERT_TRUE(book.undo().ok()); }, Range{3, 1, 0});
    step(
        "append two", [&] { ASSERT_TRUE(book.appendRecords(trips(1, 2)).ok()); }, Range{3, 0, 2});
    step(
        "replace the table", [&] { ASSERT_TRUE(book.replaceRecords(trips(1, 3)).ok()); },
        Range{1, 4, 3});
    step(
        "New", [&] { book.newDatabase(); }, Range{1, 3, 0});
    step(
        "adopt", [&] { book.adopt(tableOf(trips(1, 2)), dir.file("b.rwk")); }, std::nullopt);
}

}  // namespace
}  // namespace rodwick::testing
