#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "record_table.h"
#include "settings.h"

namespace rodwick {

// quickEditField while no quick edit is under way (and while the species picker works for
// the record editor).
inline constexpr int kNoQuickEdit = 0;

// What the user does to a value label of the main window to edit its field in place.
enum class QuickGesture { Click, DoubleClick };

// What edits the field.
enum class QuickEditor {
    InputBox,        // the platform's input box
    FixedList,       // QuickEditDialog: ots holding one of the fixed lists
    Suggestions,     // QuickEditDialog: ots holding the venue or club suggestions, under the
                     // preference
    DateBox,         // QuickEditDialog: ind and the Today button
    TemperatureBox,  // QuickEditDialog: hoco with + and -, and the degree mark
    PriceBox,        // QuickEditDialog: hoco with + and -
    TextBox,         // QuickEditDialog: the multi-line enttext
    SpeciesPicker,   // SpeciesPicker on the species of the current record
};

// The unit name, if any, that ends a prompt; a colon follows it.
enum class PromptUnit { None, WeightMajor, WeightMinor, DepthMajor, DepthMinor };

// One value label and how its field is edited in place.
struct QuickEditRow {
    const char* label;  // object name of the value label
    Field field;
    QuickGesture gesture;
    QuickEditor editor;
    int code;            // quickEditField while the editor is open; kNoQuickEdit for input boxes
    const char* prompt;  // fixed text; a row with a unit adds the unit name and ":"
    PromptUnit unit;
    const QStringList& (*list)();  // the fixed list of a FixedList row, else null
};

// The 22 value labels, in field order.
const std::array<QuickEditRow, kFieldCount>& QuickEditRows();

// The row whose dialog or picker works under this quickEditField, or null (0, 10, unknown).
const QuickEditRow* QuickEditRowOf(int quickEditField);

// Whether the row's editor is one of the modes of QuickEditDialog.
bool OpensForm8(QuickEditor editor);

// The row's prompt with the unit names in force: the fixed text, the unit name and the colon
// joined with nothing between them.
QString QuickEditPrompt(const QuickEditRow& row, const UnitNames& units);

}  // namespace rodwick
