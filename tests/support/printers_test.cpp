#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "rodwick_test/scripted_platform.h"
#include "rodwick_test/store_test_util.h"

namespace rodwick::testing {
namespace {

using ::testing::PrintToString;

// Every value of an enum, 0..count-1, printed: each must be "Type::Name", and no two alike.
template <typename Enum>
void ExpectNamedAndDistinct(const std::string& type, int count) {
    std::set<std::string> printed;
    for (int i = 0; i < count; ++i) {
        const std::string text = PrintToString(static_cast<Enum>(i));
        EXPECT_EQ(text.rfind(type + "::", 0), 0u) << text;
        EXPECT_GT(text.size(), type.size() + 2) << text;
        EXPECT_TRUE(printed.insert(text).second) << text << " printed twice";
    }
}

TEST(Printers, EveryValueOfTheComparedEnumsPrintsItsOwnName) {
    ExpectNamedAndDistinct<Field>("Field", kFieldCount);
    ExpectNamedAndDistinct<platform::Buttons>("Buttons", 6);
    ExpectNamedAndDistinct<platform::Icon>("Icon", 5);
    ExpectNamedAndDistinct<platform::DefaultButton>("DefaultButton", 3);
    ExpectNamedAndDistinct<platform::Answer>("Answer", 7);
    ExpectNamedAndDistinct<platform::FontAttribute>("FontAttribute", 3);
}

// The names are the enumerators' own, first and last of each, and a stray number shows as such.
TEST(Printers, NamesAreTheEnumeratorsAndStrayNumbersShow) {
    const std::pair<std::string, std::string> cases[] = {
        {PrintToString(Field::venue), "Field::venue"},
        {PrintToString(Field::remarks), "Field::remarks"},
        {PrintToString(Field::finishTime), "Field::finishTime"},
        {PrintToString(static_cast<Field>(kFieldCount)), "Field(22)"},
        {PrintToString(platform::Buttons::Ok), "Buttons::Ok"},
        {PrintToString(platform::Buttons::RetryCancel), "Buttons::RetryCancel"},
        {PrintToString(platform::Icon::None), "Icon::None"},
        {PrintToString(platform::Icon::Information), "Icon::Information"},
        {PrintToString(platform::DefaultButton::Third), "DefaultButton::Third"},
        {PrintToString(platform::Answer::Ok), "Answer::Ok"},
        {PrintToString(platform::Answer::No), "Answer::No"},
        {PrintToString(static_cast<platform::Answer>(9)), "Answer(9)"},
        {PrintToString(platform::FontAttribute::Underline), "FontAttribute::Underline"},
        {PrintToString(QStringLiteral("Caf\u00e9")), "\"Caf\u00e9\""},
    };
    for (const auto& [printed, expected] : cases) EXPECT_EQ(printed, expected);
}

// What a failing comparison reports: the names of both sides. (gtest leaves out "Which is"
// when the value prints as the expression, so the values come through constants.)
constexpr platform::Answer kYes = platform::Answer::Yes;
constexpr Field kClub = Field::club;
constexpr platform::Icon kStop = platform::Icon::Stop;

TEST(Printers, AFailedComparisonNamesBothSides) {
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(kYes, platform::Answer::No), "Which is: Answer::Yes");
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(kClub, Field::bait), "Which is: Field::club");
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(kStop, platform::Icon::Question), "Which is: Icon::Stop");
}

}  // namespace
}  // namespace rodwick::testing
