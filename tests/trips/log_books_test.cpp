#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "log_books.h"
#include "rodwick_test/store_test_util.h"

namespace rodwick::trips {
namespace {

using testing::TempDir;

TEST(LogBooksTest, TheFoldersOtherLogBooksAndWhatTheyHold) {
    TempDir dir;
    testing::writeBytes(dir.file("A.RWK"), testing::databaseBytes(testing::trips(1, 2)));
    testing::writeBytes(dir.file("b.rwk"), testing::databaseBytes(testing::trips(3, 3)));
    testing::writeBytes(dir.file("Bad.Rwk"), "a shopping list\r\n");
    testing::writeBytes(dir.file("Open.RWK"), testing::databaseBytes({}));
    testing::writeBytes(dir.file("notes.txt"), "");
    testing::writeBytes(dir.file("A.RWK.bak"), "");
    std::filesystem::create_directory(dir.file("Sub.RWK"));
    // The open file under another name is still the open file.
    std::filesystem::create_hard_link(dir.file("Open.RWK"), dir.file("Same.rwk"));
    const std::vector<std::string> others = {dir.file("A.RWK"), dir.file("b.rwk"),
                                             dir.file("Bad.Rwk")};
    EXPECT_EQ(otherLogBooks(dir.file("Open.RWK")), others);
    EXPECT_TRUE(otherLogBooks(dir.file("gone/Open.RWK")).empty());

    const LogBookFile good = readLogBook(others[0]);
    EXPECT_EQ(good.name, "A.RWK");
    EXPECT_EQ(good.records, testing::trips(1, 2));
    EXPECT_EQ(good.error, "");
    const LogBookFile bad = readLogBook(others[2]);
    EXPECT_TRUE(bad.records.empty());
    EXPECT_EQ(bad.error, others[2] + ": The record count is not a whole number.");
}

}  // namespace
}  // namespace rodwick::trips
