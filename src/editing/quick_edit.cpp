#include "quick_edit.h"

#include "fields.h"
#include "fixed_lists.h"
#include "text.h"

namespace rodwick {

namespace {

using enum QuickEditor;
using enum QuickGesture;

// clang-format off
constexpr std::array<QuickEditRow, kFieldCount> kRows{{
    {Field::venue, DoubleClick, Suggestions, nullptr},
    {Field::waterType, DoubleClick, FixedList, &WaterTypeList},
    // The one label that opens on a single click.
    {Field::ticketPrice, Click, PriceBox, nullptr},
    {Field::club, DoubleClick, Suggestions, nullptr},
    {Field::totalWeightMajor, DoubleClick, InputBox, nullptr},
    {Field::totalWeightMinor, DoubleClick, InputBox, nullptr},
    {Field::waterCondition, DoubleClick, FixedList, &WaterConditionList},
    {Field::weather, DoubleClick, FixedList, &WeatherList},
    {Field::temperature, DoubleClick, TemperatureBox, nullptr},
    {Field::method, DoubleClick, InputBox, nullptr},
    {Field::depthMajor, DoubleClick, InputBox, nullptr},
    {Field::depthMinor, DoubleClick, InputBox, nullptr},
    {Field::bait, DoubleClick, FixedList, &BaitList},
    {Field::species, DoubleClick, SpeciesPicker, nullptr},
    {Field::bestFish, DoubleClick, FixedList, &SpeciesList},
    {Field::bestFishWeightMajor, DoubleClick, InputBox, nullptr},
    {Field::bestFishWeightMinor, DoubleClick, InputBox, nullptr},
    {Field::restrictions, DoubleClick, TextBox, nullptr},
    {Field::remarks, DoubleClick, TextBox, nullptr},
    {Field::date, DoubleClick, DateBox, nullptr},
    {Field::startTime, DoubleClick, InputBox, nullptr},
    {Field::finishTime, DoubleClick, InputBox, nullptr},
}};
// clang-format on

constexpr bool InFieldOrder() {
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        if (static_cast<std::size_t>(kRows[i].field) != i) return false;
    }
    return true;
}
static_assert(InFieldOrder(), "one row per field, in field order");

}  // namespace

const std::array<QuickEditRow, kFieldCount>& QuickEditRows() {
    return kRows;
}

const QuickEditRow& QuickEditRowFor(Field field) {
    return kRows[static_cast<std::size_t>(field)];
}

bool OpensQuickEditDialog(QuickEditor editor) {
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

QString QuickEditPrompt(const QuickEditRow& row, const UnitNames& units) {
    const FieldInfo& info = FieldInfoOf(row.field);
    const QString text = FromUtf8(info.prompt);
    if (!HasUnitName(info.unit)) return text;
    return text + FromFileText(UnitName(info.unit, units)) + QLatin1Char(':');
}

}  // namespace rodwick
