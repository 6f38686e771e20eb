// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include "record_table.h"

namespace rodwick {

// The goto list's line of record `number`: "2. River Usk on 12/05/01 at 07:30". The fields
// are taken as stored; an empty one leaves its separators standing.
QString gotoLine(int number, const TripRecord& record);

// The lines of records 1 to recordCount, in record order.
QStringList gotoLines(const RecordTable& table);

}  // namespace rodwick
