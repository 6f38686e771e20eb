// SPDX-License-Identifier: GPL-3.0-or-later
#include "quick_edit.h"

#include "field_texts.h"
#include "fields.h"
#include "fixed_lists.h"
#include "text.h"

namespace rodwick {

namespace {

using enum QuickEditor;
using enum QuickGesture;

// clang-format off
constexpr std::array<QuickEditRow, kFieldCount> kRows{{
    {Field::Venue, DoubleClick, Suggestions, nullptr},
    {Field::WaterType, DoubleClick, FixedList, &waterTypeList},
    // The one label that opens on a single click.
    {Field::TicketPrice, Click, PriceBox, nullptr},
    {Field::Club, DoubleClick, Suggestions, nullptr},
    {Field::TotalWeightMajor, DoubleClick, InputBox, nullptr},
    {Field::TotalWeightMinor, DoubleClick, InputBox, nullptr},
    {Field::WaterCondition, DoubleClick, FixedList, &waterConditionList},
    {Field::Weather, DoubleClick, FixedList, &weatherList},
    {Field::Temperature, DoubleClick, TemperatureBox, nullptr},
    {Field::Method, DoubleClick, InputBox, nullptr},
    {Field::DepthMajor, DoubleClick, InputBox, nullptr},
    {Field::DepthMinor, DoubleClick, InputBox, nullptr},
    {Field::Bait, DoubleClick, FixedList, &baitList},
    {Field::Species, DoubleClick, SpeciesPicker, nullptr},
    {Field::BestFish, DoubleClick, FixedList, &speciesList},
    {Field::BestFishWeightMajor, DoubleClick, InputBox, nullptr},
    {Field::BestFishWeightMinor, DoubleClick, InputBox, nullptr},
    {Field::Restrictions, DoubleClick, TextBox, nullptr},
    {Field::Remarks, DoubleClick, TextBox, nullptr},
    {Field::Date, DoubleClick, DateBox, nullptr},
    {Field::StartTime, DoubleClick, InputBox, nullptr},
    {Field::FinishTime, DoubleClick, InputBox, nullptr},
}};
// clang-format on

constexpr bool inFieldOrder() {
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        if (static_cast<std::size_t>(kRows[i].field) != i) return false;
    }
    return true;
}
static_assert(inFieldOrder(), "one row per field, in field order");

}  // namespace

const std::array<QuickEditRow, kFieldCount>& quickEditRows() {
    return kRows;
}

const QuickEditRow& quickEditRowFor(Field field) {
    return kRows[static_cast<std::size_t>(field)];
}

bool opensQuickEditDialog(QuickEditor editor) {
    return editor != QuickEditor::InputBox && editor != QuickEditor::SpeciesPicker;
}

std::ostream& operator<<(std::ostream& out, QuickEditor editor) {
    switch (editor) {
        case InputBox:
            return out << "InputBox";
        case FixedList:
            return out << "FixedList";
        case Suggestions:
            return out << "Suggestions";
        case DateBox:
            return out << "DateBox";
        case TemperatureBox:
            return out << "TemperatureBox";
        case PriceBox:
            return out << "PriceBox";
        case TextBox:
            return out << "TextBox";
        case SpeciesPicker:
            return out << "SpeciesPicker";
    }
    return out << "QuickEditor(" << static_cast<int>(editor) << ")";
}

QString quickEditPrompt(const QuickEditRow& row, const UnitNames& units) {
    const FieldInfo& info = fieldInfoOf(row.field);
    const QString text = fieldPrompt(row.field);
    if (!hasUnitName(info.unit)) return text;
    return text + fromFileText(unitName(info.unit, units)) + QLatin1Char(':');
}

}  // namespace rodwick
