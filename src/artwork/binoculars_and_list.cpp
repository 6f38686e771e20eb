// SPDX-License-Identifier: GPL-3.0-or-later
#include "binoculars_and_list.h"

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <functional>

namespace rodwick {

namespace {

// Drawn on a 32-unit square and scaled to the side asked for.
QPixmap draw(int side, const std::function<void(QPainter&)>& paint) {
    QPixmap picture(side, side);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.scale(side / 32.0, side / 32.0);
    paint(painter);
    return picture;
}

const QColor kInk(30, 45, 60);

}  // namespace

QPixmap binocularsPicture(int side) {
    return draw(side, [](QPainter& p) {
        p.setPen(QPen(kInk, 1.2));
        // Two barrels joined by a bridge, lenses at the bottom.
        p.setBrush(QColor(70, 80, 95));
        p.drawRoundedRect(QRectF(4, 6, 10, 16), 3, 3);
        p.drawRoundedRect(QRectF(18, 6, 10, 16), 3, 3);
        p.setBrush(QColor(120, 130, 145));
        p.drawRect(QRectF(13, 10, 6, 5));
        p.setBrush(QColor(110, 170, 220));
        p.drawEllipse(QRectF(3, 19, 12, 10));
        p.drawEllipse(QRectF(17, 19, 12, 10));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 245, 255));
        p.drawEllipse(QRectF(6, 21, 3.5, 3));
        p.drawEllipse(QRectF(20, 21, 3.5, 3));
    });
}

QPixmap listPicture(int side) {
    return draw(side, [](QPainter& p) {
        p.setPen(QPen(kInk, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(8, 3, 21, 26));
        // Lines of the list, the third one picked.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 90, 170));
        p.drawRect(QRectF(9.5, 15, 18, 5));
        for (qreal y : {7.0, 11.0, 17.0, 23.0}) {
            p.setPen(QPen(y == 17.0 ? Qt::white : QColor(120, 130, 145), 1.4));
            p.drawLine(QPointF(11, y + 0.5), QPointF(26, y + 0.5));
        }
        // The pointer at the picked line.
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(220, 60, 40));
        p.drawPolygon(QPolygonF({QPointF(1, 13.5), QPointF(7, 17.5), QPointF(1, 21.5)}));
    });
}

}  // namespace rodwick
