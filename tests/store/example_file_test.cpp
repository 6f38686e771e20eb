#include <gtest/gtest.h>

#include <algorithm>

#include "database_file.h"

namespace rodwick {
namespace {

TEST(ExampleFileTest, ShippedExampleIsAValidDatabase) {
    const Result<std::string> bytes = ReadFileBytes(RODWICK_EXAMPLE_FILE);
    ASSERT_TRUE(bytes.ok()) << bytes.error();
    const auto records = ParseDatabase(bytes.value());
    ASSERT_TRUE(records.ok()) << records.error();
    EXPECT_GE(records.value().size(), 10u);
    EXPECT_LE(records.value().size(), 20u);

    const std::string& raw = bytes.value();
    EXPECT_TRUE(std::any_of(raw.begin(), raw.end(),
                            [](char c) { return static_cast<unsigned char>(c) > 127; }));

    RecordTable table;
    ASSERT_TRUE(table.ReplaceFromFile(records.value()));
    EXPECT_EQ(FormatDatabase(table), raw);
}

}  // namespace
}  // namespace rodwick
