#include "quick_edit.h"

#include "fixed_lists.h"
#include "text.h"

namespace rodwick {

namespace {

using enum QuickEditor;
using enum QuickGesture;
constexpr PromptUnit kNoUnit = PromptUnit::None;

// clang-format off
constexpr std::array<QuickEditRow, kFieldCount> kRows{{
    {"obVen", Field::venue, DoubleClick, Suggestions, "Please select new venue!", kNoUnit, nullptr},
    {"ObType", Field::waterType, DoubleClick, FixedList, "Please select type of water.", kNoUnit, &WaterTypeList},
    // The one label that opens on a single click.
    {"ObDay", Field::ticketPrice, Click, PriceBox, "Please type in new ticket price.", kNoUnit, nullptr},
    {"ObClub", Field::club, DoubleClick, Suggestions, "Please select new club", kNoUnit, nullptr},
    {"ObWeighta", Field::totalWeightMajor, DoubleClick, InputBox, "Please type in new Total Weight in ", PromptUnit::WeightMajor, nullptr},
    {"ObWeightb", Field::totalWeightMinor, DoubleClick, InputBox, "Please type in new Total Weight in ", PromptUnit::WeightMinor, nullptr},
    {"ObWater", Field::waterCondition, DoubleClick, FixedList, "Please select new water conditions!", kNoUnit, &WaterConditionList},
    {"ObWeather", Field::weather, DoubleClick, FixedList, "Please select new weather!", kNoUnit, &WeatherList},
    {"ObTemp", Field::temperature, DoubleClick, TemperatureBox, "Please select new temperature.", kNoUnit, nullptr},
    {"ObMethod", Field::method, DoubleClick, InputBox, "Please type in new Method of Fishing:", kNoUnit, nullptr},
    {"ObDepthA", Field::depthMajor, DoubleClick, InputBox, "Please type in new depth in ", PromptUnit::DepthMajor, nullptr},
    {"ObDepthB", Field::depthMinor, DoubleClick, InputBox, "Please type in new depth in ", PromptUnit::DepthMinor, nullptr},
    {"ObBait", Field::bait, DoubleClick, FixedList, "Please select new best Bait:", kNoUnit, &BaitList},
    {"ObSpec", Field::species, DoubleClick, SpeciesPicker, "", kNoUnit, nullptr},
    {"ObName", Field::bestFish, DoubleClick, FixedList, "Please select new best fish:", kNoUnit, &SpeciesList},
    {"ObBestA", Field::bestFishWeightMajor, DoubleClick, InputBox, "Please type in new weight in ", PromptUnit::WeightMajor, nullptr},
    {"ObBestB", Field::bestFishWeightMinor, DoubleClick, InputBox, "Please type in new weight in ", PromptUnit::WeightMinor, nullptr},
    {"ObRest", Field::restrictions, DoubleClick, TextBox, "Please enter new restrictions:", kNoUnit, nullptr},
    {"ObInfo", Field::remarks, DoubleClick, TextBox, "Please enter new remarks:", kNoUnit, nullptr},
    {"ObDat", Field::date, DoubleClick, DateBox, "Please type in new date.", kNoUnit, nullptr},
    {"ObTime1", Field::startTime, DoubleClick, InputBox, "Please type in new Start Time:", kNoUnit, nullptr},
    {"ObTime2", Field::finishTime, DoubleClick, InputBox, "Please type in new Finish Time:", kNoUnit, nullptr},
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
    const QString text = QString::fromUtf8(row.prompt);
    const std::string* unit = nullptr;
    switch (row.unit) {
        case PromptUnit::None:
            return text;
        case PromptUnit::WeightMajor:
            unit = &units.weightMajorUnit;
            break;
        case PromptUnit::WeightMinor:
            unit = &units.weightMinorUnit;
            break;
        case PromptUnit::DepthMajor:
            unit = &units.depthMajorUnit;
            break;
        case PromptUnit::DepthMinor:
            unit = &units.depthMinorUnit;
            break;
    }
    return text + FromFileText(*unit) + QLatin1Char(':');
}

}  // namespace rodwick
