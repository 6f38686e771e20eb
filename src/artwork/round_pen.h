// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPen>

namespace rodwick {

// A solid pen with round ends and corners, the one the drawings in code outline with.
inline QPen roundPen(const QColor& color, qreal width) {
    QPen pen(color, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

}  // namespace rodwick
