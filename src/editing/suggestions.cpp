#include "suggestions.h"

#include <QLocale>
#include <QSet>

#include "text.h"

namespace rodwick {

QString SuggestionKey(const QString& text) {
    return QLocale().toUpper(text);
}

QStringList BuildSuggestionList(const RecordTable& table, Field field) {
    const int count = table.recordCount();
    QStringList list;
    QSet<QString> seen;
    seen.reserve(count);
    const QLocale locale;
    // Where the empty entry goes when exactly one record is empty.
    qsizetype emptyAt = -1;
    int empties = 0;
    for (int i = 1; i <= count; ++i) {
        const std::string& value = table.slot(i)[field];
        if (value.empty()) {
            if (empties++ == 0) emptyAt = list.size();
            continue;
        }
        QString text = FromFileText(value);
        const QString key = locale.toUpper(text);
        if (seen.contains(key)) continue;
        seen.insert(key);
        list << std::move(text);
    }
    if (empties == 1) list.insert(emptyAt, QString());
    return list;
}

}  // namespace rodwick
