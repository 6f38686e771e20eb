// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_printer_clipboard.h"

#include "round_pen.h"

#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace rodwick {

namespace {

const QColor kInk(0x16, 0x33, 0x4d);
const QColor kPaper(0xfb, 0xfa, 0xf4);
const QColor kWater(0x4a, 0x8d, 0xb0);

// Draws on a transparent picture in a 32 x 32 grid scaled to the size.
QPixmap draw(QSize size, const std::function<void(QPainter&)>& paint) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size.width() / 32.0, size.height() / 32.0);
    painter.setPen(QPen(kInk, 1.2));
    paint(painter);
    return pixmap;
}

void page(QPainter& p, const QRectF& rect, int lines) {
    p.setBrush(kPaper);
    p.drawRect(rect);
    for (int i = 0; i < lines; ++i) {
        const double y = rect.top() + 4 + i * 3.5;
        p.drawLine(QPointF(rect.left() + 3, y), QPointF(rect.right() - 3, y));
    }
}

}  // namespace

QPixmap exportPicture(QSize size) {
    return draw(size, [](QPainter& p) {
        page(p, QRectF(3, 3, 18, 25), 5);
        p.setPen(roundPen(kWater, 2.5));
        p.drawLine(QPointF(14, 20), QPointF(28, 20));
        p.drawPolyline(QPolygonF({QPointF(23, 15), QPointF(28, 20), QPointF(23, 25)}));
    });
}

QPixmap printerPicture(QSize size) {
    return draw(size, [](QPainter& p) {
        page(p, QRectF(9, 2, 14, 10), 0);
        p.setBrush(QColor(0xc9, 0xd3, 0xda));
        p.drawRoundedRect(QRectF(3, 11, 26, 12), 2, 2);
        p.setBrush(kWater);
        p.drawEllipse(QPointF(25, 15), 1.2, 1.2);
        page(p, QRectF(8, 19, 16, 11), 2);
    });
}

QPixmap clipboardPicture(QSize size) {
    return draw(size, [](QPainter& p) {
        p.setBrush(QColor(0xb8, 0x86, 0x4b));
        p.drawRoundedRect(QRectF(5, 4, 22, 26), 2, 2);
        page(p, QRectF(8, 8, 16, 19), 4);
        p.setBrush(QColor(0x9a, 0xa5, 0xad));
        p.drawRoundedRect(QRectF(11, 2, 10, 5), 1.5, 1.5);
    });
}

}  // namespace rodwick
