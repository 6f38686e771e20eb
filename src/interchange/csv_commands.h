// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <span>
#include <vector>

#include "file_io.h"
#include "platform.h"
#include "record_table.h"
#include "result.h"
#include "settings.h"

class QWidget;

namespace rodwick {

// Asks for a file name and writes every record there as a spreadsheet file. File writes go
// through ops, so that tests can make them fail.
void exportCsv(const RecordTable& table, const UnitNames& units, platform::Platform& platform,
               const FileOps& ops = FileOps::system());
// The same for any trips, in the order given.
void exportCsv(std::span<const TripRecord> records, const UnitNames& units,
               platform::Platform& platform, const FileOps& ops = FileOps::system());

// Appends records after the last one, all or none, and redraws what shows them.
using AppendTrips = std::function<Status(std::vector<TripRecord>)>;

// Asks for a spreadsheet file, shows how it will be read and, once the user confirms, hands
// its trips to append. Nothing is appended when they would not all fit.
void importCsv(platform::Platform& platform, const RecordTable& table, const UnitNames& units,
               const AppendTrips& append, QWidget* parent = nullptr);

}  // namespace rodwick
