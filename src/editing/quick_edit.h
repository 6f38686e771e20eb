// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <ostream>

#include "record_table.h"
#include "settings.h"

namespace rodwick {

// What the user does to a value label of the main window to edit its field in place.
enum class QuickGesture { Click, DoubleClick };

// What edits the field.
enum class QuickEditor {
    InputBox,     // the platform's input box
    FixedList,    // QuickEditDialog: the list box holding one of the fixed lists
    Suggestions,  // QuickEditDialog: the list box holding the venue or club suggestions, under the
                  // preference
    DateBox,      // QuickEditDialog: the date box and the Today button
    TemperatureBox,  // QuickEditDialog: the number box with + and -, and the degree mark
    PriceBox,        // QuickEditDialog: the number box with + and -
    TextBox,         // QuickEditDialog: the multi-line text box
    SpeciesPicker,   // SpeciesPicker on the species of the current record
};

// How a field is edited in place from its value label. The prompt is the field's own.
struct QuickEditRow {
    Field field;
    QuickGesture gesture;
    QuickEditor editor;
    const QStringList& (*list)();  // the fixed list of a FixedList row, else null
};

// The 22 value labels, in field order.
const std::array<QuickEditRow, kFieldCount>& quickEditRows();

// The row of a field's value label.
const QuickEditRow& quickEditRowFor(Field field);

// Whether the row's editor is one of the modes of QuickEditDialog.
bool opensQuickEditDialog(QuickEditor editor);

// The editor's name, for messages and test output.
std::ostream& operator<<(std::ostream& out, QuickEditor editor);

// The field's prompt with the unit names in force: for a weight or a depth, the fixed text,
// the unit name and the colon joined with nothing between them.
QString quickEditPrompt(const QuickEditRow& row, const UnitNames& units);

}  // namespace rodwick
