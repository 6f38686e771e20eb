// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>

class QPainter;

namespace rodwick {

// A spring balance with its dial: the preferences' picture of weights and measures.
void paintBalance(QPainter& painter, const QRectF& box);
// A float standing in the water.
void paintFloat(QPainter& painter, const QRectF& box);

}  // namespace rodwick
