// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include "record_table.h"

namespace rodwick {

// What suggestion lists compare: the text upper-cased by the system locale.
QString suggestionKey(const QString& text);

// The venue or club suggestions of the record editor and the quick edit: each value of the
// field in records 1..recordCount once, compared by SuggestionKey, spelled as at its first
// occurrence and in the order of first occurrences; not sorted. An empty value held by
// exactly one record gives one empty entry, an empty value held by two or more gives none.
// One pass over the records with a set of keys.
QStringList buildSuggestionList(const RecordTable& table, Field field);

}  // namespace rodwick
