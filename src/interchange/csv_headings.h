// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "csv_import.h"
#include "csv_writer.h"
#include "settings.h"

namespace rodwick {

// The header row in the windows' language, with the units in force: what an export writes and
// what the import window's column boxes offer.
CsvHeadings csvHeadingsInLanguage(const UnitNames& units);

// Every field's heading in each language the program speaks besides English, under either unit
// system, read from the translations built into the program without changing the windows'
// language: a file exported under any language maps back to its fields. Empty where the
// translations are not built in.
const std::vector<FieldHeading>& shippedLanguageHeadings();

}  // namespace rodwick
