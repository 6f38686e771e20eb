// SPDX-License-Identifier: GPL-3.0-or-later
#include "goto_line.h"

#include <QCoreApplication>

#include "text.h"

namespace rodwick {

QString gotoLine(int number, const TripRecord& record) {
    //: A line of the goto list: the record's number, venue, date and start time.
    return QCoreApplication::translate("rodwick::GotoDialog", "%1. %2 on %3 at %4")
        .arg(QString::number(number), fromFileText(record[Field::Venue]),
             fromFileText(record[Field::Date]), fromFileText(record[Field::StartTime]));
}

QStringList gotoLines(const RecordTable& table) {
    QStringList lines;
    lines.reserve(table.recordCount());
    for (int i = 1; i <= table.recordCount(); ++i) lines << gotoLine(i, table.slot(i));
    return lines;
}

}  // namespace rodwick
