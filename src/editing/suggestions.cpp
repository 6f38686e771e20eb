// SPDX-License-Identifier: GPL-3.0-or-later
#include "suggestions.h"

#include <QLocale>
#include <algorithm>
#include <string>
#include <unordered_set>

#include "text.h"

namespace rodwick {

namespace {

// Whether the locale upper-cases ASCII text letter by letter to the ASCII capitals, as all
// locales but a few (Turkish and Azeri with their dotted capital I) do.
bool plainAsciiCapitals(const QLocale& locale) {
    QString ascii;
    QString capitals;
    for (char16_t c = 1; c < 128; ++c) {
        ascii += QChar(c);
        capitals += QChar(c >= u'a' && c <= u'z' ? c - u'a' + u'A' : c);
    }
    return locale.toUpper(ascii) == capitals;
}

// SuggestionKey of a stored value, as UTF-8. Plain ASCII skips the conversion to Unicode
// where the locale allows: its capitals are then the same bytes the long way would give.
std::string keyOf(const std::string& value, const QLocale& locale, bool plainAscii) {
    if (plainAscii && std::all_of(value.begin(), value.end(),
                                  [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        std::string key = value;
        for (char& c : key) {
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        }
        return key;
    }
    return locale.toUpper(fromFileText(value)).toStdString();
}

}  // namespace

QString suggestionKey(const QString& text) {
    return QLocale().toUpper(text);
}

QStringList buildSuggestionList(const RecordTable& table, Field field) {
    const int count = table.recordCount();
    const QLocale locale;
    const bool plainAscii = plainAsciiCapitals(locale);
    QStringList list;
    std::unordered_set<std::string> seen;
    seen.reserve(static_cast<std::size_t>(count));
    // Where the empty entry goes when exactly one record is empty.
    qsizetype emptyAt = -1;
    int empties = 0;
    for (int i = 1; i <= count; ++i) {
        const std::string& value = table.slot(i)[field];
        if (value.empty()) {
            if (empties++ == 0) emptyAt = list.size();
            continue;
        }
        if (seen.insert(keyOf(value, locale, plainAscii)).second) list << fromFileText(value);
    }
    if (empties == 1) list.insert(emptyAt, QString());
    return list;
}

}  // namespace rodwick
