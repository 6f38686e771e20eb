// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QRectF>
#include <QSize>

class QPainter;

namespace rodwick {

// The program's pictures, drawn in code so that no image file has to ship.
// A fish leaping over the water: the program's picture, on the splash, the main window's
// heading and the about window. Painted centred in box, as large as fits.
void paintFish(QPainter& painter, const QRectF& box);
QPixmap fishPicture(QSize size);
// A rod with its line and float.
QPixmap rodPicture(QSize size);
// A reel.
QPixmap reelPicture(QSize size);

}  // namespace rodwick
