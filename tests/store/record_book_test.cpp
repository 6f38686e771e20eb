// A failed save of the loaded file, and the record book's subscriptions; its operations, their
// notifications, limits and the files they leave are checked against a model in
// record_book_stress_test.cpp.
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

}  // namespace
}  // namespace rodwick::testing
