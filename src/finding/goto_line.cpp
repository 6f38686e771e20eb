// SPDX-License-Identifier: GPL-3.0-or-later
#include "goto_line.h"

#include "text.h"

namespace rodwick {

QString gotoLine(int number, const TripRecord& record) {
    return QString::number(number) + QStringLiteral(". ") + fromFileText(record[Field::Venue]) +
           QStringLiteral(" on ") + fromFileText(record[Field::Date]) + QStringLiteral(" at ") +
           fromFileText(record[Field::StartTime]);
}

QStringList gotoLines(const RecordTable& table) {
    QStringList lines;
    lines.reserve(table.recordCount());
    for (int i = 1; i <= table.recordCount(); ++i) lines << gotoLine(i, table.slot(i));
    return lines;
}

}  // namespace rodwick
