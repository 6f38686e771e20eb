// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "fields.h"
#include "settings.h"

namespace rodwick {

// One unit a spreadsheet may write a weight or a depth in.
struct CellUnit {
    bool metric = true;
    bool minor = false;
    bool operator==(const CellUnit&) const = default;
};

// The unit a column heading names for a weight or a depth ("Weight (lb)", "Depth in m",
// "Total weight [kg]"); nothing when it names none, or units of both systems.
std::optional<CellUnit> headingUnit(std::string_view heading, UnitKind kind);

// A weight or a depth written in one cell, as the record's two boxes hold it.
struct SplitValue {
    enum class Outcome {
        // The text as written, read as the same amount: nothing to change.
        Unchanged,
        // Now a whole major part and a whole minor part in the units in force.
        Split,
        // A value in the other unit system: kept as written, never converted.
        OtherSystem,
        // Not one value with a unit or a decimal: kept as written.
        Unread,
    };
    Outcome outcome = Outcome::Unread;
    std::string major;
    std::string minor;
};

// Splits a cell meant for a weight's or a depth's major box ("12,5", "12.5 kg", "5 lb 8 oz",
// "2.4 m", "7 ft 6 in") into the two boxes in the units in force, a bare number taken in the
// column's unit where its heading names one, else in the major unit in force. Decimals are
// rounded to the nearest whole minor unit; the minor box stays empty for a whole major amount.
// A decimal comma before exactly three digits may be a thousands separator and does not read.
SplitValue splitValue(std::string_view text, UnitKind kind, const UnitNames& units,
                      std::optional<CellUnit> columnUnit);

// A time as a spreadsheet writes it back ("07:30:00 AM", "7:30:00 PM", "19:30:00") in the
// form the record view shows ("07:30", "19:30"). Only these forms, seconds ":00" and an
// optional AM/PM after a blank, read; anything else, even a time a person typed, gives
// nothing.
std::optional<std::string> spreadsheetTime(std::string_view text);

}  // namespace rodwick
