// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>

namespace rodwick {

// Logical size of every toolbar picture, in pixels.
inline constexpr int kToolbarPictureSize = 32;

// A toolbar picture by its name: a subject ("new", "open", "save", "add", "edit", "del", "dup",
// "copy", "bino") followed by its look ("up", "down", or "dis" for the five record commands).
// Drawn in code at the given device pixel ratio, so it stays sharp on a high-density screen.
// A null pixmap for a name that is none of the 23.
QPixmap toolbarPicture(const QString& name, qreal devicePixelRatio = 1.0);

}  // namespace rodwick
