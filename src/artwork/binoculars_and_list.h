// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>

namespace rodwick {

// The dialogs' decorative pictures, drawn in code.
// A pair of binoculars, for the search.
QPixmap binocularsPicture(int side);
// A numbered list with a pointer at one line, for the goto list.
QPixmap listPicture(int side);

}  // namespace rodwick
