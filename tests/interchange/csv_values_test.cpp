// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

#include "csv_import.h"
#include "csv_values.h"
#include "csv_writer.h"
#include "readings.h"
#include "rodwick_test/store_test_util.h"

namespace rodwick::testing {
namespace {

using Outcome = SplitValue::Outcome;
constexpr CellUnit kKg{true, false};
constexpr CellUnit kGrams{true, true};
constexpr CellUnit kPounds{false, false};

TEST(CsvValuesTest, WeightsAndDepthsSplitIntoTheirTwoBoxesInTheUnitsInForce) {
    const UnitNames metric = UnitNames::metric();
    const UnitNames imperial = UnitNames::imperial();
    constexpr auto kWeight = UnitKind::WeightMajor;
    constexpr auto kDepth = UnitKind::DepthMajor;
    struct Case {
        const char* text;
        UnitKind kind;
        const UnitNames& units;
        std::optional<CellUnit> column;
        Outcome outcome;
        const char* major;
        const char* minor;
    };
    // clang-format off
    const Case cases[] = {
        {"12,5", kWeight, metric, {}, Outcome::Split, "12", "500"},
        {"12.5 kg", kWeight, metric, {}, Outcome::Split, "12", "500"},
        {"850 g", kWeight, metric, {}, Outcome::Split, "0", "850"},
        {"3 kg 200 g", kWeight, metric, {}, Outcome::Split, "3", "200"},
        // Rounded to the nearest whole gram.
        {"12.3456 kg", kWeight, metric, {}, Outcome::Split, "12", "346"},
        {"12", kWeight, metric, {}, Outcome::Unchanged, "12", ""},
        {"5 lb 8 oz", kWeight, imperial, {}, Outcome::Split, "5", "8"},
        {"5lb 8", kWeight, imperial, {}, Outcome::Split, "5", "8"},
        {"5.5 lbs", kWeight, imperial, {}, Outcome::Split, "5", "8"},
        {"12,5", kWeight, imperial, {}, Outcome::Split, "12", "8"},
        {"20 oz", kWeight, imperial, {}, Outcome::Split, "1", "4"},
        {"2.4 m", kDepth, metric, {}, Outcome::Split, "2", "40"},
        {"7 ft 6 in", kDepth, imperial, {}, Outcome::Split, "7", "6"},
        {"7' 6\"", kDepth, imperial, {}, Outcome::Split, "7", "6"},
        {"7,5", kDepth, imperial, {}, Outcome::Split, "7", "6"},
        // The heading's unit for a bare number; a unit in the cell speaks for itself.
        {"5,5", kWeight, imperial, kPounds, Outcome::Split, "5", "8"},
        {"500", kWeight, metric, kGrams, Outcome::Split, "0", "500"},
        {"2 kg", kWeight, metric, kPounds, Outcome::Split, "2", ""},
        // The other system: never converted.
        {"5 lb 8 oz", kWeight, metric, {}, Outcome::OtherSystem, "5 lb 8 oz", ""},
        {"2.4 kg", kWeight, imperial, {}, Outcome::OtherSystem, "2.4 kg", ""},
        {"12", kWeight, imperial, kKg, Outcome::OtherSystem, "12", ""},
        // Not one value: as written.
        {"1,500", kWeight, metric, {}, Outcome::Unread, "1,500", ""},
        {"about 12", kWeight, metric, {}, Outcome::Unread, "about 12", ""},
        {"5 8 oz", kWeight, imperial, {}, Outcome::Unread, "5 8 oz", ""},
        {"8 oz 5 lb", kWeight, imperial, {}, Outcome::Unread, "8 oz 5 lb", ""},
        {"5 lb 300 g", kWeight, imperial, {}, Outcome::Unread, "5 lb 300 g", ""},
        {"2 m", kWeight, metric, {}, Outcome::Unread, "2 m", ""},
        {"99999999999999 kg", kWeight, metric, {}, Outcome::Unread, "99999999999999 kg", ""},
    };
    // clang-format on
    for (const Case& c : cases) {
        const SplitValue split = splitValue(c.text, c.kind, c.units, c.column);
        EXPECT_EQ(std::tuple(split.outcome, split.major, split.minor),
                  std::tuple(c.outcome, std::string(c.major), std::string(c.minor)))
            << c.text;
    }
}

TEST(CsvValuesTest, HeadingsNameTheColumnsUnit) {
    constexpr auto kWeight = UnitKind::WeightMajor;
    constexpr auto kDepth = UnitKind::DepthMajor;
    const std::tuple<const char*, UnitKind, std::optional<CellUnit>> cases[] = {
        {"Weight (lb)", kWeight, kPounds},
        {"Best Fish Weight (Kg)", kWeight, kKg},
        {"Total weight [g]", kWeight, kGrams},
        {"Weight (lb/oz)", kWeight, kPounds},
        {"Depth in m", kDepth, CellUnit{true, false}},
        {"Depth (inch)", kDepth, CellUnit{false, true}},
        {"Depth in", kDepth, CellUnit{false, true}},
        {"Weight", kWeight, std::nullopt},
        {"Weight (lb or kg)", kWeight, std::nullopt},
        {"Weight (lb)", kDepth, std::nullopt},
    };
    for (const auto& [heading, kind, unit] : cases) {
        EXPECT_EQ(headingUnit(heading, kind), unit) << heading;
    }
}

TEST(CsvValuesTest, OnlyASpreadsheetsTimeFormsAreRewritten) {
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"07:30:00 AM", "07:30"},     {"7:30:00 PM", "19:30"},        {"19:30:00", "19:30"},
        {"07:30 AM", std::nullopt},   {"12:05:00 AM", "00:05"},       {"12:00:00 pm", "12:00"},
        {"0:15:00", "00:15"},         {"07:30", std::nullopt},        {"7:30pm", std::nullopt},
        {"9.30 pm", std::nullopt},    {"07:30:15", std::nullopt},     {"13:00:00 PM", std::nullopt},
        {"0:30:00 AM", std::nullopt}, {"24:00:00", std::nullopt},     {"7:60:00", std::nullopt},
        {"7:3:00", std::nullopt},     {"07:30:00 AMx", std::nullopt}, {"dawn", std::nullopt},
    };
    for (const auto& [text, shown] : cases) EXPECT_EQ(spreadsheetTime(text), shown) << text;
}

CsvImportPlan importWith(const std::string& bytes, const UnitNames& units) {
    CsvImportChoice choice;
    choice.units = units;
    choice.separator = detectSeparator(withoutBom(bytes));
    const CsvRows rows = readImportRows(bytes, choice.separator);
    choice.mapping = initialMapping(rows, true);
    return planImport(rows, choice);
}

TEST(CsvValuesTest, ASemicolonFilesDecimalCommaWeightsReadAsTheStatisticsReadWeights) {
    const UnitNames metric = UnitNames::metric();
    const CsvImportPlan plan = importWith(
        "Venue;Weight;Best fish weight;Depth;Start;Finish\r\n"
        "Lac;12,5;3,25;2,4;07:30:00 AM;7:30:00 PM\r\n"
        "Etang;1,500;5 lb;180 cm;dawn;19:30\r\n",
        metric);
    ASSERT_EQ(plan.records.size(), 2u);
    const TripRecord& lac = plan.records[0];
    EXPECT_EQ(readWeight(lac[Field::TotalWeightMajor], lac[Field::TotalWeightMinor], metric),
              12500);
    EXPECT_EQ(readWeight(lac[Field::BestFishWeightMajor], lac[Field::BestFishWeightMinor], metric),
              3250);
    EXPECT_EQ(std::tuple(lac[Field::DepthMajor], lac[Field::DepthMinor], lac[Field::StartTime],
                         lac[Field::FinishTime]),
              std::tuple("2", "40", "07:30", "19:30"));
    // A possible thousands separator, the other system and what a person typed: as written.
    const TripRecord& etang = plan.records[1];
    EXPECT_EQ(
        std::tuple(etang[Field::TotalWeightMajor], etang[Field::TotalWeightMinor],
                   etang[Field::BestFishWeightMajor], etang[Field::DepthMajor],
                   etang[Field::DepthMinor], etang[Field::StartTime], etang[Field::FinishTime]),
        std::tuple("1,500", "", "5 lb", "1", "80", "dawn", "19:30"));
    EXPECT_EQ(plan.otherSystemValues, 1u);
    ASSERT_EQ(plan.notes.size(), 7u);
    EXPECT_EQ(std::tuple(plan.notes[6].record, plan.notes[6].field, plan.notes[6].kind,
                         plan.notes[6].asWritten),
              std::tuple(1u, Field::BestFishWeightMajor, CsvCellNote::Kind::OtherSystem, "5 lb"));
}

TEST(CsvValuesTest, OurOwnExportComesBackUnchangedInEitherSystem) {
    // Both boxes of each weight and depth have their columns, so neither is split, whichever
    // units wrote the file and whichever are in force.
    TripRecord trip;
    trip[Field::TotalWeightMajor] = "12,5";
    trip[Field::BestFishWeightMajor] = "4";
    trip[Field::BestFishWeightMinor] = "8";
    trip[Field::DepthMajor] = "2.4 m";
    trip[Field::StartTime] = "07:30";
    trip[Field::FinishTime] = "7:30 pm";
    for (const UnitNames& written : {UnitNames::metric(), UnitNames::imperial()}) {
        for (const UnitNames& inForce : {UnitNames::metric(), UnitNames::imperial()}) {
            const CsvImportPlan plan = importWith(csvFileBytes(tableOf({trip}), written), inForce);
            ASSERT_EQ(plan.records.size(), 1u);
            EXPECT_EQ(plan.records[0].fields, trip.fields);
            EXPECT_TRUE(plan.notes.empty());
        }
    }
}

}  // namespace
}  // namespace rodwick::testing
