// SPDX-License-Identifier: GPL-3.0-or-later
#include "fish_rod_reel.h"

#include "round_pen.h"

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>
#include <QRectF>
#include <QSizeF>
#include <algorithm>
#include <cmath>
#include <functional>

namespace rodwick {

namespace {

const QSizeF kFishDesignBox(120, 80);

// Each picture is drawn once in its own design box and scaled, without distortion, to fit the
// size asked for; what is left over stays transparent on both sides.
QPixmap draw(QSize size, QSizeF designBox, const std::function<void(QPainter&)>& paint) {
    const QSize pixels = size.isValid() && !size.isEmpty() ? size : QSize(1, 1);
    QPixmap picture(pixels);
    picture.fill(Qt::transparent);

    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const qreal scale =
        std::min(pixels.width() / designBox.width(), pixels.height() / designBox.height());
    painter.translate((pixels.width() - designBox.width() * scale) / 2.0,
                      (pixels.height() - designBox.height() * scale) / 2.0);
    painter.scale(scale, scale);
    paint(painter);
    painter.end();
    return picture;
}

void drawWaves(QPainter& p, qreal left, qreal right, qreal y, qreal amplitude, qreal width) {
    QPainterPath wave;
    wave.moveTo(left, y);
    const qreal step = 12;
    bool up = true;
    for (qreal x = left; x < right; x += step) {
        const qreal end = std::min(right, x + step);
        wave.quadTo((x + end) / 2, y + (up ? -amplitude : amplitude), end, y);
        up = !up;
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(QColor(40, 110, 190), width));
    p.drawPath(wave);
}

void paintFishDesign(QPainter& p) {
    // Water below the leap, with a few drops thrown up.
    drawWaves(p, 6, 114, 70, 3, 2.2);
    drawWaves(p, 22, 98, 76, 2, 1.4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 150, 220));
    p.drawEllipse(QPointF(30, 62), 2.2, 3.0);
    p.drawEllipse(QPointF(22, 57), 1.5, 2.0);
    p.drawEllipse(QPointF(92, 60), 2.0, 2.6);

    const QColor line(30, 45, 40);

    // Tilted nose up, so that the fish leaps rather than swims.
    p.save();
    p.translate(62, 34);
    p.rotate(-14);
    p.translate(-62, -30);

    // Tail, forked, behind the body.
    QPainterPath tail;
    tail.moveTo(30, 44);
    tail.lineTo(8, 30);
    tail.quadTo(17, 44, 12, 60);
    tail.lineTo(34, 50);
    tail.closeSubpath();
    QLinearGradient tailShade(8, 30, 34, 52);
    tailShade.setColorAt(0, QColor(70, 110, 80));
    tailShade.setColorAt(1, QColor(120, 160, 110));
    p.setBrush(tailShade);
    p.setPen(roundPen(line, 1.4));
    p.drawPath(tail);

    // Dorsal and belly fins.
    QPainterPath dorsal;
    dorsal.moveTo(56, 17);
    dorsal.quadTo(58, 4, 74, 5);
    dorsal.quadTo(72, 10, 76, 15);
    dorsal.closeSubpath();
    QPainterPath belly;
    belly.moveTo(66, 38);
    belly.quadTo(62, 50, 54, 52);
    belly.quadTo(60, 44, 56, 40);
    belly.closeSubpath();
    p.setBrush(QColor(95, 135, 90));
    p.drawPath(dorsal);
    p.drawPath(belly);

    // The arched body: dark back, pale belly.
    QPainterPath body;
    body.moveTo(108, 28);
    body.cubicTo(96, 8, 62, 6, 42, 24);
    body.cubicTo(37, 29, 33, 36, 29, 44);
    body.lineTo(34, 50);
    body.cubicTo(50, 41, 78, 44, 108, 28);
    body.closeSubpath();
    QLinearGradient shade(70, 10, 76, 44);
    shade.setColorAt(0.0, QColor(60, 100, 70));
    shade.setColorAt(0.45, QColor(150, 185, 140));
    shade.setColorAt(1.0, QColor(235, 235, 215));
    p.setBrush(shade);
    p.setPen(roundPen(line, 1.6));
    p.drawPath(body);

    // Spots along the flank.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 80, 60, 150));
    for (const QPointF spot : {QPointF(58, 22), QPointF(68, 19), QPointF(78, 20), QPointF(63, 29),
                               QPointF(73, 27), QPointF(50, 28)}) {
        p.drawEllipse(spot, 1.6, 1.3);
    }

    // Gill cover and mouth.
    QPainterPath gill;
    gill.moveTo(90, 15);
    gill.quadTo(84, 25, 90, 35);
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(line, 1.2));
    p.drawPath(gill);
    p.drawLine(QPointF(108, 28), QPointF(101, 29));

    // Eye.
    p.setPen(roundPen(line, 0.8));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(98, 21), 3.2, 3.2);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(98.8, 21), 1.6, 1.6);
    p.restore();
}

void paintRod(QPainter& p) {
    // Water line the float sits in.
    drawWaves(p, 60, 136, 56, 2, 1.8);

    const QPointF butt(8, 62);
    const QPointF tip(104, 6);

    // The blank tapers from butt to tip: a thin quadrilateral along the rod's direction.
    const QPointF along = tip - butt;
    const qreal length = std::hypot(along.x(), along.y());
    const QPointF normal(-along.y() / length, along.x() / length);
    QPainterPath blank;
    blank.moveTo(butt + normal * 2.4);
    blank.lineTo(tip + normal * 0.7);
    blank.lineTo(tip - normal * 0.7);
    blank.lineTo(butt - normal * 2.4);
    blank.closeSubpath();
    p.setPen(roundPen(QColor(30, 30, 30), 0.6));
    p.setBrush(QColor(110, 60, 40));
    p.drawPath(blank);

    // Cork handle and reel seat.
    auto at = [&](qreal t) { return butt + along * t; };
    p.setPen(roundPen(QColor(140, 100, 50), 5.0));
    p.drawLine(at(0.0), at(0.2));
    p.setPen(roundPen(QColor(120, 120, 130), 5.4));
    p.drawLine(at(0.08), at(0.12));

    // Guides along the blank.
    p.setPen(roundPen(QColor(60, 60, 60), 0.9));
    p.setBrush(Qt::NoBrush);
    for (qreal t : {0.36, 0.55, 0.72, 0.86, 0.97}) {
        const QPointF g = at(t) - normal * 1.6;
        p.drawEllipse(g, 1.1, 1.1);
    }

    // Reel under the seat.
    const QPointF reelCentre = at(0.1) - normal * 6.0;
    QRadialGradient metal(reelCentre - QPointF(1.5, 1.5), 6);
    metal.setColorAt(0, QColor(235, 235, 240));
    metal.setColorAt(1, QColor(110, 110, 120));
    p.setPen(roundPen(QColor(40, 40, 45), 0.8));
    p.setBrush(metal);
    p.drawEllipse(reelCentre, 5.0, 5.0);
    p.setBrush(QColor(60, 60, 65));
    p.drawEllipse(reelCentre, 1.3, 1.3);

    // Line from the tip, sagging a little, down to the float.
    const QPointF floatTop(124, 40);
    QPainterPath line;
    line.moveTo(tip);
    line.quadTo(118, 12, floatTop.x(), floatTop.y());
    p.setPen(roundPen(QColor(90, 90, 90), 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawPath(line);

    // Float: red tip above the water, pale body below it.
    QPainterPath body;
    body.moveTo(124, 44);
    body.cubicTo(128, 48, 128, 56, 124, 62);
    body.cubicTo(120, 56, 120, 48, 124, 44);
    p.setPen(roundPen(QColor(40, 40, 40), 0.8));
    p.setBrush(QColor(250, 240, 200));
    p.drawPath(body);
    QPainterPath cap;
    cap.moveTo(124, floatTop.y());
    cap.cubicTo(126.5, 42, 126.5, 46, 125.6, 47);
    cap.lineTo(122.4, 47);
    cap.cubicTo(121.5, 46, 121.5, 42, 124, floatTop.y());
    p.setBrush(QColor(220, 30, 30));
    p.drawPath(cap);
}

void paintReel(QPainter& p) {
    const QPointF centre(50, 56);
    const QColor line(35, 35, 40);

    // Foot and stem that clamp the reel to the rod.
    p.setPen(roundPen(line, 1.4));
    p.setBrush(QColor(120, 120, 130));
    p.drawRoundedRect(QRectF(28, 6, 44, 7), 3, 3);
    p.drawRect(QRectF(45, 12, 10, 10));

    // Drum.
    QRadialGradient metal(centre - QPointF(12, 12), 48);
    metal.setColorAt(0.0, QColor(245, 245, 250));
    metal.setColorAt(0.6, QColor(160, 165, 175));
    metal.setColorAt(1.0, QColor(80, 85, 95));
    p.setBrush(metal);
    p.setPen(roundPen(line, 2.0));
    p.drawEllipse(centre, 36, 36);

    // Line wound on the spool, seen as a ring.
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(QColor(40, 120, 70), 5.0));
    p.drawEllipse(centre, 27, 27);
    p.setPen(roundPen(line, 1.0));
    p.drawEllipse(centre, 30, 30);
    p.drawEllipse(centre, 24, 24);

    // Spokes and hub.
    p.setPen(roundPen(QColor(70, 70, 80), 2.4));
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(centre);
        p.rotate(45 + 90 * i);
        p.drawLine(QPointF(6, 0), QPointF(23, 0));
        p.restore();
    }
    p.setPen(roundPen(line, 1.2));
    p.setBrush(QColor(200, 200, 210));
    p.drawEllipse(centre, 6, 6);

    // Handle arm with its knob.
    const QPointF knob(centre.x() + 17, centre.y() + 15);
    p.setPen(roundPen(QColor(50, 50, 55), 3.0));
    p.drawLine(centre, knob);
    p.setPen(roundPen(line, 1.2));
    p.setBrush(QColor(120, 70, 40));
    p.drawEllipse(knob, 5.5, 5.5);
}

}  // namespace

void paintFish(QPainter& painter, const QRectF& box) {
    const qreal scale =
        std::min(box.width() / kFishDesignBox.width(), box.height() / kFishDesignBox.height());
    painter.save();
    painter.translate(box.center().x() - kFishDesignBox.width() * scale / 2,
                      box.center().y() - kFishDesignBox.height() * scale / 2);
    painter.scale(scale, scale);
    paintFishDesign(painter);
    painter.restore();
}

QPixmap fishPicture(QSize size) {
    return draw(size, kFishDesignBox, paintFishDesign);
}

QPixmap rodPicture(QSize size) {
    return draw(size, QSizeF(140, 70), paintRod);
}

QPixmap reelPicture(QSize size) {
    return draw(size, QSizeF(100, 100), paintReel);
}

}  // namespace rodwick
