// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "main_view.h"
#include "platform.h"
#include "record_book.h"

namespace rodwick {

// The font command: asks for a font and gives its family (never its size or style) to the
// settings, the printer and the 22 value labels. Cancelling changes nothing. lastChosen is the
// name the main window's font dialog holds between uses; it offers the font in force before
// any was chosen.
void chooseDisplayFont(RecordBook& book, platform::Platform& platform, MainView& view,
                       QString& lastChosen);

}  // namespace rodwick
