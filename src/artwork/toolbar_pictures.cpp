// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolbar_pictures.h"

#include "round_pen.h"

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRadialGradient>
#include <QRectF>
#include <array>
#include <cmath>
#include <numbers>

namespace rodwick {

namespace {

// Pictures are drawn in a 32-unit box, one unit to a logical pixel. One-unit outlines lie on
// half units so that they fill whole pixels at any whole device pixel ratio.

enum class Look { Up, Down, Disabled };

const QColor kInk(45, 52, 62);
const QColor kLine(150, 170, 195);

QPen stroke(const QColor& color, qreal width = 1.0) {
    QPen pen(color, width);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::SquareCap);
    return pen;
}

// The button itself: raised at rest, sunk while pressed.
void paintFace(QPainter& p, Look look) {
    const bool down = look == Look::Down;
    QLinearGradient face(0, 0, 0, 32);
    face.setColorAt(0, down ? QColor(194, 199, 207) : QColor(253, 253, 254));
    face.setColorAt(1, down ? QColor(220, 224, 230) : QColor(219, 223, 230));
    p.setPen(stroke(QColor(118, 124, 134)));
    p.setBrush(face);
    p.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 3, 3);

    // A light edge above and left, a dark one below and right; turned round when pressed.
    const QColor light(255, 255, 255, 220);
    const QColor dark(90, 96, 108, down ? 110 : 70);
    p.setPen(stroke(down ? dark : light));
    p.drawLine(QPointF(3, 1.5), QPointF(29, 1.5));
    p.drawLine(QPointF(1.5, 3), QPointF(1.5, 29));
    p.setPen(stroke(down ? light : dark));
    p.drawLine(QPointF(3, 30.5), QPointF(29, 30.5));
    p.drawLine(QPointF(30.5, 3), QPointF(30.5, 29));
}

// A sheet of paper with its top right corner turned down, optionally written on.
void paintSheet(QPainter& p, const QRectF& r, bool written) {
    const qreal fold = 5;
    QPainterPath sheet;
    sheet.moveTo(r.topLeft());
    sheet.lineTo(r.right() - fold, r.top());
    sheet.lineTo(r.right(), r.top() + fold);
    sheet.lineTo(r.bottomRight());
    sheet.lineTo(r.bottomLeft());
    sheet.closeSubpath();
    p.setPen(stroke(kInk));
    p.setBrush(Qt::white);
    p.drawPath(sheet);

    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    p.setBrush(QColor(214, 222, 232));
    p.drawPath(corner);

    if (!written) return;
    p.setPen(stroke(kLine));
    for (qreal y = r.top() + 4; y < r.bottom() - 2; y += 3) {
        const qreal right = y < r.top() + fold + 1 ? r.right() - fold - 2 : r.right() - 3;
        p.drawLine(QPointF(r.left() + 3, y), QPointF(right, y));
    }
}

void paintNew(QPainter& p) {
    paintSheet(p, QRectF(9.5, 5.5, 15, 21), false);
    // A spark at the corner: something new.
    QPolygonF star;
    const QPointF centre(9, 8.5);
    for (int i = 0; i < 16; ++i) {
        const qreal radius = i % 2 == 0 ? 5.5 : (i % 4 == 1 ? 1.6 : 2.0);
        const qreal angle = i * std::numbers::pi / 8;
        star << centre + QPointF(radius * std::sin(angle), -radius * std::cos(angle));
    }
    p.setPen(stroke(QColor(170, 110, 0), 0.8));
    p.setBrush(QColor(255, 205, 40));
    p.drawPolygon(star);
}

void paintOpen(QPainter& p) {
    const QColor edge(122, 84, 12);
    QPainterPath back;
    back.moveTo(4.5, 8.5);
    back.lineTo(11.5, 8.5);
    back.lineTo(13.5, 10.5);
    back.lineTo(24.5, 10.5);
    back.lineTo(24.5, 25.5);
    back.lineTo(4.5, 25.5);
    back.closeSubpath();
    p.setPen(stroke(edge));
    p.setBrush(QColor(214, 160, 40));
    p.drawPath(back);

    // A page standing in the open folder.
    p.setPen(stroke(kInk));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8.5, 6.5, 13, 12));
    p.setPen(stroke(kLine));
    for (qreal y = 9.5; y < 16; y += 3) p.drawLine(QPointF(10.5, y), QPointF(19.5, y));

    QPainterPath front;
    front.moveTo(8.5, 14.5);
    front.lineTo(28.5, 14.5);
    front.lineTo(24.5, 25.5);
    front.lineTo(4.5, 25.5);
    front.closeSubpath();
    QLinearGradient shade(0, 14, 0, 26);
    shade.setColorAt(0, QColor(255, 222, 120));
    shade.setColorAt(1, QColor(238, 180, 50));
    p.setPen(stroke(edge));
    p.setBrush(shade);
    p.drawPath(front);
}

void paintSave(QPainter& p) {
    // A floppy disk: the body with one corner cut, the metal shutter, the label.
    QPainterPath body;
    body.moveTo(5.5, 5.5);
    body.lineTo(23.5, 5.5);
    body.lineTo(26.5, 8.5);
    body.lineTo(26.5, 26.5);
    body.lineTo(5.5, 26.5);
    body.closeSubpath();
    p.setPen(stroke(QColor(22, 42, 82)));
    p.setBrush(QColor(48, 94, 170));
    p.drawPath(body);

    p.setPen(stroke(QColor(70, 76, 88)));
    p.setBrush(QColor(206, 211, 218));
    p.drawRect(QRectF(10.5, 5.5, 11, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(48, 94, 170));
    p.drawRect(QRectF(17, 7, 3, 5));

    p.setPen(stroke(QColor(22, 42, 82)));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8.5, 16.5, 15, 10));
    p.setPen(stroke(QColor(200, 60, 50)));
    p.drawLine(QPointF(10, 19.5), QPointF(22, 19.5));
    p.setPen(stroke(kLine));
    p.drawLine(QPointF(10, 22.5), QPointF(22, 22.5));
}

void paintDup(QPainter& p) {
    // A second record beside the first.
    paintSheet(p, QRectF(12.5, 4.5, 14, 19), true);
    paintSheet(p, QRectF(5.5, 9.5, 14, 19), true);
}

void paintDelete(QPainter& p) {
    paintSheet(p, QRectF(6.5, 4.5, 15, 20), true);
    // A red cross over the sheet's corner, set off from it by a white rim.
    const QPointF a(16, 16), b(27, 27), c(27, 16), d(16, 27);
    p.setPen(roundPen(Qt::white, 6));
    p.drawLine(a, b);
    p.drawLine(c, d);
    p.setPen(roundPen(QColor(205, 35, 30), 3.4));
    p.drawLine(a, b);
    p.drawLine(c, d);
}

void paintAdd(QPainter& p) {
    paintSheet(p, QRectF(6.5, 4.5, 15, 20), true);
    const QPointF centre(21.5, 21.5);
    p.setPen(stroke(Qt::white, 1.5));
    p.setBrush(QColor(38, 150, 60));
    p.drawEllipse(centre, 7, 7);
    p.setPen(stroke(QColor(20, 95, 35)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 6.5, 6.5);
    p.setPen(stroke(Qt::white, 2.4));
    p.drawLine(centre - QPointF(3.5, 0), centre + QPointF(3.5, 0));
    p.drawLine(centre - QPointF(0, 3.5), centre + QPointF(0, 3.5));
}

void paintEdit(QPainter& p) {
    paintSheet(p, QRectF(5.5, 4.5, 15, 20), true);
    // A pencil lying across the sheet, point down to the left.
    p.save();
    p.translate(17.5, 18.5);
    p.rotate(-45);
    const QColor edge(90, 60, 10);
    p.setPen(stroke(edge, 0.9));
    p.setBrush(QColor(245, 195, 45));
    p.drawRect(QRectF(-5, -2.6, 14, 5.2));
    p.setBrush(QColor(235, 130, 140));
    p.drawRect(QRectF(9, -2.6, 3, 5.2));
    p.setBrush(QColor(180, 180, 190));
    p.drawRect(QRectF(8, -2.6, 1.5, 5.2));
    QPainterPath wood;
    wood.moveTo(-5, -2.6);
    wood.lineTo(-11, 0);
    wood.lineTo(-5, 2.6);
    wood.closeSubpath();
    p.setBrush(QColor(238, 205, 160));
    p.drawPath(wood);
    QPainterPath lead;
    lead.moveTo(-8.8, -0.95);
    lead.lineTo(-11, 0);
    lead.lineTo(-8.8, 0.95);
    lead.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawPath(lead);
    p.restore();
}

void paintCopy(QPainter& p) {
    // A clipboard with a written page under its clip.
    p.setPen(stroke(QColor(92, 58, 24)));
    p.setBrush(QColor(168, 112, 56));
    p.drawRoundedRect(QRectF(6.5, 5.5, 19, 22), 2, 2);
    p.setPen(stroke(QColor(120, 110, 100)));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9.5, 9.5, 13, 15));
    p.setPen(stroke(kLine));
    for (qreal y = 13.5; y < 23; y += 3) p.drawLine(QPointF(11.5, y), QPointF(20.5, y));
    QLinearGradient metal(0, 3, 0, 10);
    metal.setColorAt(0, QColor(236, 238, 242));
    metal.setColorAt(1, QColor(150, 156, 166));
    p.setPen(stroke(QColor(70, 74, 82)));
    p.setBrush(metal);
    p.drawRoundedRect(QRectF(11.5, 3.5, 9, 6), 1.5, 1.5);
    p.setBrush(QColor(70, 74, 82));
    p.drawEllipse(QPointF(16, 5.5), 1, 1);
}

void paintBinoculars(QPainter& p) {
    const QColor edge(20, 24, 30);
    QLinearGradient barrel(0, 0, 32, 0);
    barrel.setColorAt(0, QColor(70, 78, 90));
    barrel.setColorAt(0.5, QColor(40, 46, 56));
    barrel.setColorAt(1, QColor(70, 78, 90));

    // Eyepieces, the bridge between them, then the two barrels widening to the lenses.
    p.setPen(stroke(edge));
    p.setBrush(QColor(90, 98, 110));
    p.drawRect(QRectF(7.5, 4.5, 6, 5));
    p.drawRect(QRectF(18.5, 4.5, 6, 5));
    p.setBrush(QColor(110, 118, 130));
    p.drawRect(QRectF(12.5, 11.5, 7, 5));
    for (qreal left : {4.5, 17.5}) {
        QPainterPath tube;
        tube.moveTo(left + 2, 8.5);
        tube.lineTo(left + 9, 8.5);
        tube.lineTo(left + 10, 26.5);
        tube.lineTo(left, 26.5);
        tube.closeSubpath();
        p.setBrush(barrel);
        p.drawPath(tube);
    }
    // The glass of the two lenses, catching the light.
    for (qreal x : {9.5, 22.5}) {
        QRadialGradient glass(QPointF(x - 1.2, 21.8), 4);
        glass.setColorAt(0, QColor(200, 235, 255));
        glass.setColorAt(1, QColor(40, 110, 190));
        p.setPen(stroke(edge, 0.8));
        p.setBrush(glass);
        p.drawEllipse(QPointF(x, 23), 3.6, 3.2);
    }
}

struct Subject {
    const char* name;
    void (*paint)(QPainter&);
    bool greys;  // has a disabled picture
};

constexpr std::array<Subject, 9> kSubjects{{
    {"new", paintNew, false},
    {"open", paintOpen, false},
    {"save", paintSave, false},
    {"add", paintAdd, false},
    {"edit", paintEdit, true},
    {"del", paintDelete, true},
    {"dup", paintDup, true},
    {"copy", paintCopy, true},
    {"bino", paintBinoculars, true},
}};

QImage canvas(qreal devicePixelRatio) {
    const int pixels = static_cast<int>(std::ceil(kToolbarPictureSize * devicePixelRatio));
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    return image;
}

// The subject pale and without colour, as a command that cannot be used now.
QImage greyed(const QImage& subject) {
    QImage grey = subject.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const int alpha = qAlpha(row[x]);
            if (alpha == 0) continue;
            const int level = 135 + qGray(row[x]) * 95 / 255;
            row[x] = qRgba(level, level, level + 4, alpha * 3 / 4);
        }
    }
    return grey;
}

}  // namespace

QPixmap toolbarPicture(const QString& name, qreal devicePixelRatio) {
    if (!(devicePixelRatio > 0)) devicePixelRatio = 1.0;
    for (const Subject& subject : kSubjects) {
        const QString prefix = QString::fromLatin1(subject.name);
        if (!name.startsWith(prefix)) continue;
        const QString look = name.mid(prefix.size());
        Look chosen;
        if (look == QLatin1String("up")) {
            chosen = Look::Up;
        } else if (look == QLatin1String("down")) {
            chosen = Look::Down;
        } else if (look == QLatin1String("dis") && subject.greys) {
            chosen = Look::Disabled;
        } else {
            continue;
        }

        QImage glyph = canvas(devicePixelRatio);
        {
            QPainter p(&glyph);
            p.setRenderHint(QPainter::Antialiasing, true);
            // Pressed: the subject moves down and right by a pixel, as into the button.
            if (chosen == Look::Down) p.translate(1, 1);
            subject.paint(p);
        }
        if (chosen == Look::Disabled) glyph = greyed(glyph);

        QImage picture = canvas(devicePixelRatio);
        {
            QPainter p(&picture);
            p.setRenderHint(QPainter::Antialiasing, true);
            paintFace(p, chosen);
            p.drawImage(QPointF(0, 0), glyph);
        }
        return QPixmap::fromImage(picture);
    }
    return QPixmap();
}

}  // namespace rodwick
