#include "goto_line.h"

#include "text.h"

namespace rodwick {

QString GotoLine(int number, const TripRecord& record) {
    return QString::number(number) + QStringLiteral(". ") + FromFileText(record[Field::venue]) +
           QStringLiteral(" on ") + FromFileText(record[Field::date]) + QStringLiteral(" at ") +
           FromFileText(record[Field::startTime]);
}

QStringList GotoLines(const RecordTable& table) {
    QStringList lines;
    lines.reserve(table.recordCount());
    for (int i = 1; i <= table.recordCount(); ++i) lines << GotoLine(i, table.slot(i));
    return lines;
}

}  // namespace rodwick
