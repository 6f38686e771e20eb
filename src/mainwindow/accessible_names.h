// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

#include "record_table.h"
#include "settings.h"

class QLabel;
class QScrollBar;

namespace rodwick {

// What a screen reader says for a value label of the record panel: the caption as the panel
// shows it, the value, and the unit shown beside it ("Weight: 12 lb"). An empty value is read
// as its caption alone.
QString valueLabelName(Field field, const QString& value, const UnitNames& units);

// Where the scroll bar stands, in words: "Record 3 of 12"; "No records available" for none.
QString recordPositionText(int current, int count);

// Names the value labels after the record and units shown, and the scroll bar after its place.
void nameRecordPanel(const std::array<QLabel*, kFieldCount>& labels, QScrollBar& scrollBar,
                     const UnitNames& units, int current, int count);

// Makes the toolbar's pictures buttons to assistive technology, pressable as by a click.
// Once per program; later calls do nothing.
void installPictureButtonAccessibility();

}  // namespace rodwick
