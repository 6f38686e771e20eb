#pragma once

#include <QPixmap>
#include <QSize>

namespace rodwick {

// The program's pictures, drawn in code so that no image file has to ship.
// A leaping fish, used by the splash and the main window's heading.
QPixmap FishPicture(QSize size);
// A rod with its line and float.
QPixmap RodPicture(QSize size);
// A reel.
QPixmap ReelPicture(QSize size);

}  // namespace rodwick
