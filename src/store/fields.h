// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "record_table.h"
#include "settings.h"
#include "translatable.h"

namespace rodwick {

// The unit a field's value is given in. A weight and a depth are each split into two fields,
// the major and the minor part, whose unit names the user chooses (UnitNames); the
// temperature's and the price's units are fixed.
enum class UnitKind { None, WeightMajor, WeightMinor, DepthMajor, DepthMinor, Temperature, Price };

// What a field's text stands for: how it is read and how it sorts. Every field is stored as
// the text typed; a kind says what that text is meant to be, not that it is.
enum class ValueKind { Text, Number, Date, Time, Price, SpeciesList };

// What the program knows of one field. Texts are UTF-8.
struct FieldInfo {
    Field field;
    // The field's name in the code, which spreadsheets may use as a heading too.
    std::string_view name;
    // The record view's caption. The minor part of a weight or depth stands on its major's
    // row and shares its caption.
    std::string_view caption;
    // Where the record view's caption names another field too and only the row tells them
    // apart (the best fish's "Weight:"), the caption that names this field alone: what a
    // screen reader says and what heads its spreadsheet column. Empty: the caption does.
    std::string_view captionAlone;
    // The record editor's caption; empty for a minor part, whose box shares its major's.
    std::string_view editorCaption;
    // The quick edit's prompt. A field whose unit the user names adds that name and ":".
    std::string_view prompt;
    // Spreadsheet headings other programs give the field, as compared (lower-case letters
    // and digits), separated by blanks.
    std::string_view otherHeadings;
    UnitKind unit;
    ValueKind value;
};

// clang-format off
// In field order: the order of the database file, the record view, search, printing and export.
inline constexpr std::array<FieldInfo, kFieldCount> kFields{{
    {Field::Venue, "venue", RODWICK_TR_NOOP("Fields", "Venue:"), "", RODWICK_TR_NOOP("Fields", "Venue:"), RODWICK_TR_NOOP("Fields", "Please select new venue!"),
     "location water lake river fishery place site", UnitKind::None, ValueKind::Text},
    {Field::WaterType, "waterType", RODWICK_TR_NOOP("Fields", "Type of water:"), "", RODWICK_TR_NOOP("Fields", "Type Of Water:"), RODWICK_TR_NOOP("Fields", "Please select type of water."),
     "", UnitKind::None, ValueKind::Text},
    {Field::TicketPrice, "ticketPrice", RODWICK_TR_NOOP("Fields", "Day Ticket \u00a3"), "", RODWICK_TR_NOOP("Fields", "Day Ticket:"), RODWICK_TR_NOOP("Fields", "Please type in new ticket price."),
     "ticket price cost", UnitKind::Price, ValueKind::Price},
    {Field::Club, "club", RODWICK_TR_NOOP("Fields", "Club:"), "", RODWICK_TR_NOOP("Fields", "Club:"), RODWICK_TR_NOOP("Fields", "Please select new club"),
     "association society", UnitKind::None, ValueKind::Text},
    {Field::TotalWeightMajor, "totalWeightMajor", RODWICK_TR_NOOP("Fields", "Weight:"), "", RODWICK_TR_NOOP("Fields", "Total Weight:"), RODWICK_TR_NOOP("Fields", "Please type in new Total Weight in "),
     "weight totalweight totalweightlb totalweightkg catchweight bagweight", UnitKind::WeightMajor, ValueKind::Number},
    {Field::TotalWeightMinor, "totalWeightMinor", RODWICK_TR_NOOP("Fields", "Weight:"), "", "", RODWICK_TR_NOOP("Fields", "Please type in new Total Weight in "),
     "totalweightoz totalweightg", UnitKind::WeightMinor, ValueKind::Number},
    {Field::WaterCondition, "waterCondition", RODWICK_TR_NOOP("Fields", "Water Conditions:"), "", RODWICK_TR_NOOP("Fields", "Water Condition:"), RODWICK_TR_NOOP("Fields", "Please select new water conditions!"),
     "conditions", UnitKind::None, ValueKind::Text},
    {Field::Weather, "weather", RODWICK_TR_NOOP("Fields", "Weather:"), "", RODWICK_TR_NOOP("Fields", "Weather:"), RODWICK_TR_NOOP("Fields", "Please select new weather!"),
     "", UnitKind::None, ValueKind::Text},
    {Field::Temperature, "temperature", RODWICK_TR_NOOP("Fields", "Temperature:"), "", RODWICK_TR_NOOP("Fields", "Temperature:"), RODWICK_TR_NOOP("Fields", "Please select new temperature."),
     "temp", UnitKind::Temperature, ValueKind::Number},
    {Field::Method, "method", RODWICK_TR_NOOP("Fields", "Method:"), "", RODWICK_TR_NOOP("Fields", "Method:"), RODWICK_TR_NOOP("Fields", "Please type in new Method of Fishing:"),
     "technique tactics", UnitKind::None, ValueKind::Text},
    {Field::DepthMajor, "depthMajor", RODWICK_TR_NOOP("Fields", "Depth:"), "", RODWICK_TR_NOOP("Fields", "Depth:"), RODWICK_TR_NOOP("Fields", "Please type in new depth in "),
     "depth", UnitKind::DepthMajor, ValueKind::Number},
    {Field::DepthMinor, "depthMinor", RODWICK_TR_NOOP("Fields", "Depth:"), "", "", RODWICK_TR_NOOP("Fields", "Please type in new depth in "),
     "depthin", UnitKind::DepthMinor, ValueKind::Number},
    {Field::Bait, "bait", RODWICK_TR_NOOP("Fields", "Best Bait,etc:"), "", RODWICK_TR_NOOP("Fields", "Best Bait,etc:"), RODWICK_TR_NOOP("Fields", "Please select new best Bait:"),
     "bestbait lure fly", UnitKind::None, ValueKind::Text},
    {Field::Species, "species", RODWICK_TR_NOOP("Fields", "Species:"), "", RODWICK_TR_NOOP("Fields", "Species Caught:"), "",
     "fish", UnitKind::None, ValueKind::SpeciesList},
    {Field::BestFish, "bestFish", RODWICK_TR_NOOP("Fields", "Best Fish:"), "", RODWICK_TR_NOOP("Fields", "Best Fish:"), RODWICK_TR_NOOP("Fields", "Please select new best fish:"),
     "biggestfish", UnitKind::None, ValueKind::Text},
    {Field::BestFishWeightMajor, "bestFishWeightMajor", RODWICK_TR_NOOP("Fields", "Weight:"), RODWICK_TR_NOOP("Fields", "Best Fish Weight:"), RODWICK_TR_NOOP("Fields", "Weight:"), RODWICK_TR_NOOP("Fields", "Please type in new weight in "),
     "bestfishweight biggestfishweight", UnitKind::WeightMajor, ValueKind::Number},
    {Field::BestFishWeightMinor, "bestFishWeightMinor", RODWICK_TR_NOOP("Fields", "Weight:"), RODWICK_TR_NOOP("Fields", "Best Fish Weight:"), "", RODWICK_TR_NOOP("Fields", "Please type in new weight in "),
     "", UnitKind::WeightMinor, ValueKind::Number},
    {Field::Restrictions, "restrictions", RODWICK_TR_NOOP("Fields", "Restrictions:"), "", RODWICK_TR_NOOP("Fields", "Restrictions:"), RODWICK_TR_NOOP("Fields", "Please enter new restrictions:"),
     "rules", UnitKind::None, ValueKind::Text},
    {Field::Remarks, "remarks", RODWICK_TR_NOOP("Fields", "Remarks:"), "", RODWICK_TR_NOOP("Fields", "Remarks:"), RODWICK_TR_NOOP("Fields", "Please enter new remarks:"),
     "notes note comments comment", UnitKind::None, ValueKind::Text},
    {Field::Date, "date", RODWICK_TR_NOOP("Fields", "Date:"), "", RODWICK_TR_NOOP("Fields", "Date:"), RODWICK_TR_NOOP("Fields", "Please type in new date."),
     "tripdate", UnitKind::None, ValueKind::Date},
    {Field::StartTime, "startTime", RODWICK_TR_NOOP("Fields", "Start Time:"), "", RODWICK_TR_NOOP("Fields", "Start Time:"), RODWICK_TR_NOOP("Fields", "Please type in new Start Time:"),
     "start from", UnitKind::None, ValueKind::Time},
    {Field::FinishTime, "finishTime", RODWICK_TR_NOOP("Fields", "Finish:"), "", RODWICK_TR_NOOP("Fields", "Finish Time:"), RODWICK_TR_NOOP("Fields", "Please type in new Finish Time:"),
     "end endtime stop", UnitKind::None, ValueKind::Time},
}};
// clang-format on

constexpr const FieldInfo& fieldInfoOf(Field field) {
    return kFields[static_cast<std::size_t>(field)];
}

// The caption that names the field on its own, as a listener or a spreadsheet needs it.
constexpr std::string_view captionAlone(Field field) {
    const FieldInfo& info = fieldInfoOf(field);
    return info.captionAlone.empty() ? info.caption : info.captionAlone;
}

// Whether the user names the unit (a weight's or a depth's part).
constexpr bool hasUnitName(UnitKind unit) {
    return unit == UnitKind::WeightMajor || unit == UnitKind::WeightMinor ||
           unit == UnitKind::DepthMajor || unit == UnitKind::DepthMinor;
}

// The unit name in force for a weight's or a depth's part; empty for every other kind.
const std::string& unitName(UnitKind unit, const UnitNames& units);

// A column heading for the field: its caption alone without the colon, and the unit in force
// in brackets where the user names it ("Best Fish Weight (lb)").
std::string fieldHeading(Field field, const UnitNames& units);

}  // namespace rodwick
