// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "record_table.h"
#include "settings.h"

namespace rodwick {

// A weight or depth as its two parts joined by a full stop, nothing between them: 12 and 8
// give "12.8", two empty parts a lone ".".
std::string joinedValue(const std::string& major, const std::string& minor);

// The 19 values that export and the clipboard give of a record: its fields in record order,
// each split weight and the depth joined into one value. No labels, no unit names.
inline constexpr int kValueCount = 19;
std::array<std::string, kValueCount> recordValues(const TripRecord& record);

// The clipboard text of a record: the 19 values joined by CR LF, no line end after the last.
std::string clipboardText(const TripRecord& record);

// The 19 lines of one printed record, the separator line of two blanks the last. Weights and
// the depth carry the major unit name in force.
std::vector<std::string> recordPrintLines(const TripRecord& record, const UnitNames& units);

// One copy of the blank note sheet: 19 labels, each alone on its line, then two lines of one
// blank each.
const std::vector<std::string>& noteSheetLines();

// A number typed into a box as a 16-bit whole number: blanks around it are ignored, a sign
// and a decimal fraction are allowed, and the value is rounded to the nearest whole number,
// a half to the even neighbour. Nothing when the text is no number or the result lies
// outside -32768..32767.
std::optional<int> wholeNumber16(std::string_view text);

}  // namespace rodwick
