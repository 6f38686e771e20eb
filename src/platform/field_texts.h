// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "fields.h"

namespace rodwick {

// The field table's texts in the windows' language (context "Fields"); under English, or where a
// text has no translation, the table's own.
QString fieldCaption(Field field);
// The caption naming the field alone (a screen reader's name, a column's heading).
QString fieldCaptionAlone(Field field);
// The record editor's caption; empty for a minor part.
QString fieldEditorCaption(Field field);
// The quick edit's prompt.
QString fieldPrompt(Field field);
// A column heading for the field: its caption alone without the colon, and the unit in force in
// brackets where the user names it ("Best Fish Weight (lb)").
QString fieldHeadingText(Field field, const UnitNames& units);

}  // namespace rodwick
