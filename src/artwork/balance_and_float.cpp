// SPDX-License-Identifier: GPL-3.0-or-later
#include "balance_and_float.h"

#include "round_pen.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace rodwick {

namespace {

const QColor kInk(0x16, 0x33, 0x4d);
const QColor kWater(0x2e, 0x6e, 0xb4);
const QColor kBrass(0xc8, 0x9b, 0x3c);

// Draws in a square design box of 100 by 100 units, centred in box and scaled to fit it.
void inDesignBox(QPainter& painter, const QRectF& box) {
    const qreal side = std::min(box.width(), box.height());
    painter.translate(box.center().x() - side / 2, box.center().y() - side / 2);
    painter.scale(side / 100.0, side / 100.0);
}

void paintWaves(QPainter& painter, qreal top) {
    QPainterPath waves;
    waves.moveTo(4, top);
    for (qreal x = 4; x < 96; x += 12)
        waves.quadTo(x + 6, top + ((int(x) / 12) % 2 ? 4 : -4), x + 12, top);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(roundPen(kWater, 3));
    painter.drawPath(waves);
}

}  // namespace

void paintBalance(QPainter& painter, const QRectF& box) {
    painter.save();
    inDesignBox(painter, box);
    // Ring to hang it by, the dial, and the hook below.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(roundPen(kInk, 4));
    painter.drawEllipse(QPointF(50, 9), 6, 6);
    painter.drawLine(QPointF(50, 15), QPointF(50, 22));
    painter.setBrush(kBrass);
    painter.drawEllipse(QPointF(50, 48), 26, 26);
    painter.setBrush(Qt::white);
    painter.setPen(roundPen(kInk, 2));
    painter.drawEllipse(QPointF(50, 48), 20, 20);
    for (int tick = 0; tick < 12; ++tick) {
        const qreal angle = tick * std::numbers::pi / 6;
        const QPointF dir(std::sin(angle), -std::cos(angle));
        painter.drawLine(QPointF(50, 48) + dir * 15, QPointF(50, 48) + dir * 19);
    }
    painter.setPen(roundPen(QColor(0xb0, 0x20, 0x20), 3));
    painter.drawLine(QPointF(50, 48), QPointF(61, 39));
    painter.setPen(roundPen(kInk, 4));
    QPainterPath hook;
    hook.moveTo(50, 74);
    hook.lineTo(50, 86);
    hook.arcTo(QRectF(40, 80, 14, 14), 0, -200);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(hook);
    painter.restore();
}

void paintFloat(QPainter& painter, const QRectF& box) {
    painter.save();
    inDesignBox(painter, box);
    painter.setPen(roundPen(kInk, 2));
    painter.drawLine(QPointF(50, 4), QPointF(50, 18));  // the line above
    QPainterPath upper;
    upper.moveTo(50, 18);
    upper.cubicTo(60, 34, 60, 48, 50, 56);
    upper.cubicTo(40, 48, 40, 34, 50, 18);
    painter.setBrush(QColor(0xe0, 0x3a, 0x2a));
    painter.drawPath(upper);
    QPainterPath lower;
    lower.moveTo(50, 56);
    lower.cubicTo(58, 64, 56, 80, 50, 92);
    lower.cubicTo(44, 80, 42, 64, 50, 56);
    painter.setBrush(Qt::white);
    painter.drawPath(lower);
    paintWaves(painter, 58);
    painter.restore();
}

}  // namespace rodwick
