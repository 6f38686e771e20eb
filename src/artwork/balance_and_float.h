#pragma once

#include <QRectF>

class QPainter;

namespace rodwick {

// A spring balance with its dial: the preferences' picture of weights and measures.
void PaintBalance(QPainter& painter, const QRectF& box);
// A float standing in the water.
void PaintFloat(QPainter& painter, const QRectF& box);

}  // namespace rodwick
