// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QPlainTextEdit;

namespace rodwick {

// A field is one line in the file and in every output: each line break typed into a box (CR
// LF, CR, LF, line or paragraph separator) is stored as one blank.
QString lineBreaksToBlanks(QString text);

// The text of a multi-line box as it stands, line breaks as LF. Unlike toPlainText() it keeps
// non-breaking spaces, so that a stored text comes back unchanged.
QString multiLineText(const QPlainTextEdit& box);

}  // namespace rodwick
