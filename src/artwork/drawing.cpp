// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing.h"

#include <QPainter>
#include <utility>

namespace rodwick {

Drawing::Drawing(const char* name, Painter paint, QWidget* parent)
    : QWidget(parent), paint_(std::move(paint)) {
    setObjectName(QString::fromLatin1(name));
}

void Drawing::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    paint_(painter, QRectF(rect()));
}

}  // namespace rodwick
