// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <limits>

class QComboBox;

namespace rodwick {

// A stored field can be longer than a line box's usual limit of 32767 characters; cutting it
// would lose text when the box is stored again.
inline constexpr int kNoLengthLimit = std::numeric_limits<int>::max();

// Makes a drop-down box with an editable text line as the editing windows use it: typed text
// is never added to the list nor completed into an entry behind the user's back, so the box
// stores what stands in its text line.
void makeTypedListBox(QComboBox& box);

// Adds list entries without touching the box's text: Qt would otherwise put the first entry
// into an editable box that had no entries. A long entry shows whole in the open list.
void fillList(QComboBox& box, const QStringList& entries);

}  // namespace rodwick
