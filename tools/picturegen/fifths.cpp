#include "painting.h"
#include "panels.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace picturegen {

namespace {

const QPointF CENTRE(243.5, 186.5);  // the box centres lie on a circle of radius 174 round it
const double RING_RADIUS = 174.0;

// Letter name with a flat drawn from the music font; returns the drawn width.
void drawKeyName(QPainter& p, const QString& key, double cx, double baseline, double size,
                 const QColor& c) {
    const QString letter = key.left(1);
    const bool flat = key.size() > 1 && key[1] == 'b';
    const bool sharp = key.size() > 1 && key[1] == '#';
    const QPainterPath l = Fonts::text(letter, size, true);
    const double signW = (flat || sharp) ? size * 0.42 : 0;
    const double total = l.boundingRect().width() + signW;
    const double left = cx - total / 2;
    p.fillPath(l.translated(left - l.boundingRect().left(), baseline), c);
    if (flat || sharp) {
        const double sx = left + l.boundingRect().width() + signW / 2 + 1;
        QPainterPath s =
            Fonts::music(flat ? glyph::FLAT : glyph::SHARP, size * (flat ? 1.45 : 1.0));
        if (sharp) s = QTransform(0.6, -0.08, 0, 1, 0, 0).map(s);
        const QRectF b = s.boundingRect();
        // The flat's bowl sits on the baseline's lower half like a lower-case letter.
        p.fillPath(s.translated(sx - b.center().x(),
                                baseline - size * 0.12 - b.bottom() + (flat ? 0 : size * 0.1)),
                   c);
    }
}

void drawSignatureLine(QPainter& p, int count, double cx, double baseline, const QColor& c) {
    if (count == 0) {
        const QPainterPath t = Fonts::text("0", 12);
        p.fillPath(t.translated(cx - t.boundingRect().center().x(), baseline), c);
        return;
    }
    const QPainterPath num = Fonts::text(QString::number(std::abs(count)), 12, true);
    const double w = num.boundingRect().width();
    p.fillPath(num.translated(cx - w - 1 - num.boundingRect().left(), baseline), c);
    QPainterPath s = Fonts::music(count > 0 ? glyph::SHARP : glyph::FLAT, count > 0 ? 20 : 26);
    if (count > 0) s = QTransform(0.7, -0.06, 0, 1, 0, 0).map(s);
    const QRectF b = s.boundingRect();
    p.fillPath(
        s.translated(cx + 3 - b.left(), baseline - 5 - b.center().y() + (count < 0 ? -2 : 0)), c);
}

}  // namespace

QImage makeCircleOfFifths() {
    using namespace fifths;
    QImage img(W, H, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, 0, H);
    bg.setColorAt(0, QColor(252, 249, 240));
    bg.setColorAt(1, QColor(236, 230, 214));
    p.fillRect(QRect(0, 0, W, H), bg);

    // The circle the keys stand on, and a soft disc in the middle.
    p.setPen(QPen(QColor(176, 160, 130), 10));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(CENTRE, RING_RADIUS, RING_RADIUS);
    p.setPen(QPen(QColor(214, 204, 180), 2));
    p.drawEllipse(CENTRE, RING_RADIUS - 9, RING_RADIUS - 9);
    QRadialGradient disc(CENTRE, 118);
    disc.setColorAt(0, QColor(255, 253, 246));
    disc.setColorAt(1, QColor(240, 232, 212));
    p.setPen(QPen(QColor(200, 186, 156), 1.5));
    p.setBrush(disc);
    p.drawEllipse(CENTRE, 112, 112);
    p.setPen(Qt::NoPen);

    // Middle: a treble clef; sharps grow clockwise on the right, flats anticlockwise on the left.
    p.fillPath(centredAt(Fonts::music(glyph::G_CLEF, 80), CENTRE.x(), CENTRE.y()),
               QColor(70, 62, 52));
    auto arc = [&](double from, double span, const QColor& c) {
        const QRectF r(CENTRE.x() - 88, CENTRE.y() - 88, 176, 176);
        QPainterPath a;
        a.arcMoveTo(r, from);
        a.arcTo(r, from, span);
        p.strokePath(a, QPen(c, 3, Qt::SolidLine, Qt::RoundCap));
        // Arrow head at the end of the arc.
        const double end = (from + span) * M_PI / 180.0;
        const QPointF tip(CENTRE.x() + 88 * std::cos(end), CENTRE.y() - 88 * std::sin(end));
        const double dir = span < 0 ? -1 : 1;
        const QPointF tangent(-std::sin(end) * dir, -std::cos(end) * dir);
        const QPointF normal(tangent.y(), -tangent.x());
        QPainterPath head;
        head.moveTo(tip + tangent * 9);
        head.lineTo(tip + normal * 6);
        head.lineTo(tip - normal * 6);
        head.closeSubpath();
        p.fillPath(head, c);
    };
    arc(70, -100, QColor(60, 110, 170));
    arc(110, 100, QColor(170, 110, 50));
    drawSmallAccidental(p, glyph::SHARP, CENTRE.x() + 66, CENTRE.y() + 2, 40, QColor(60, 110, 170));
    drawSmallAccidental(p, glyph::FLAT, CENTRE.x() - 66, CENTRE.y() - 4, 50, QColor(170, 110, 50));

    // The eleven keys, each inside its click box.
    for (const Box& b : BOXES) {
        const QRectF box(b.x0, b.y0, BOX_W, BOX_H);
        const QRectF visible = box.intersected(QRectF(0, 0, W, H));
        const QRectF face = visible.adjusted(4, b.y0 < 0 ? 1 : 4, -4, -4);
        QColor fill = b.sharps > 0   ? QColor(214, 230, 248)
                      : b.sharps < 0 ? QColor(248, 230, 204)
                                     : QColor(255, 255, 255);
        QColor ink = b.sharps > 0   ? QColor(24, 60, 110)
                     : b.sharps < 0 ? QColor(110, 60, 14)
                                    : QColor(30, 30, 30);
        QPainterPath shape;
        shape.addRoundedRect(face, 10, 10);
        p.fillPath(shape.translated(1.5, 2), QColor(0, 0, 0, 60));
        p.fillPath(shape, fill);
        p.strokePath(shape, QPen(ink, 1.6));
        const bool small = face.height() < 45;
        drawKeyName(p, QString::fromLatin1(b.key), face.center().x(),
                    face.top() + (small ? 31 : 30), small ? 27 : 28, ink);
        if (!small) drawSignatureLine(p, b.sharps, face.center().x(), face.bottom() - 6, ink);
    }

    // The bottom place, F sharp / G flat, is on the circle but cannot be chosen: no box,
    // greyed, crossed out.
    const QRectF none(CENTRE.x() - 40, CENTRE.y() + RING_RADIUS - 22, 80, 40);
    QPainterPath dashed;
    dashed.addRoundedRect(none, 10, 10);
    p.fillPath(dashed, QColor(236, 230, 214));
    p.strokePath(dashed, QPen(QColor(170, 166, 156), 1.2, Qt::DashLine));
    const QColor grey(160, 156, 148);
    drawKeyName(p, "F#", none.center().x() - 18, none.center().y() + 8, 19, grey);
    const QPainterPath slash = Fonts::text("/", 18);
    p.fillPath(slash.translated(none.center().x() - 3, none.center().y() + 8), grey);
    drawKeyName(p, "Gb", none.center().x() + 19, none.center().y() + 8, 19, grey);
    p.setPen(QPen(QColor(150, 80, 80, 150), 1.6));
    p.drawLine(none.topLeft() + QPointF(8, 6), none.bottomRight() - QPointF(8, 6));
    return img;
}

}  // namespace picturegen
