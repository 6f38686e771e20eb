// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace rodwick {

// The fixed value lists of the record editor, the quick edit and the species picker, each in
// its order of adding. A box that shows a list sorted sorts it itself (SortedWithoutCase).
const QStringList& waterTypeList();
const QStringList& waterConditionList();
const QStringList& weatherList();
const QStringList& baitList();
const QStringList& speciesList();

// A list in alphabetical order without regard to letter case, as sorted boxes show it; entries
// that differ only in case keep their order.
QStringList sortedWithoutCase(QStringList list);

}  // namespace rodwick
