#include "painting.h"
#include "panels.h"

#include <QLinearGradient>
#include <QPainter>

namespace picturegen {

void drawSmallAccidental(QPainter& p, char32_t which, double cx, double cy, double em,
                         const QColor& c) {
    p.fillPath(centredAt(Fonts::music(which, em), cx, cy), c);
}

namespace {

void drawGrip(QPainter& p) {
    using namespace buttonfield;
    QLinearGradient g(0, 0, 0, GRIP_H);
    g.setColorAt(0, QColor(86, 94, 110));
    g.setColorAt(1, QColor(58, 64, 78));
    // Rounded at the top like the panel, square where it meets the panel below.
    QPainterPath top;
    top.addRoundedRect(QRectF(0.5, 0.5, W - 1, GRIP_H + 10), 10, 10);
    QPainterPath band;
    band.addRect(QRectF(0, 0, W, GRIP_H));
    p.fillPath(top.intersected(band), g);
    p.fillRect(QRectF(0, GRIP_H - 1, W, 1), QColor(30, 34, 42));
    for (int y = 13; y <= 27; y += 7)
        for (int x = 140; x <= 230; x += 7) {
            p.fillRect(QRectF(x, y, 3, 3), QColor(34, 38, 48));
            p.fillRect(QRectF(x, y + 3, 3, 1), QColor(120, 128, 144));
        }
}

void drawCap(QPainter& p, int x, int y) {
    using namespace buttonfield;
    // Drop shadow, a darker skirt, then the face the names are written on.
    QPainterPath shadow;
    shadow.addRoundedRect(QRectF(x - 1, y + 2, CAP_W + 5, CAP_H + 5), 8, 8);
    p.fillPath(shadow, QColor(0, 0, 0, 90));
    QPainterPath skirt;
    skirt.addRoundedRect(QRectF(x - 3, y - 3, CAP_W + 6, CAP_H + 7), 8, 8);
    QLinearGradient sg(0, y - 3, 0, y + CAP_H + 4);
    sg.setColorAt(0, QColor(250, 250, 246));
    sg.setColorAt(1, QColor(150, 150, 144));
    p.fillPath(skirt, sg);
    QPainterPath face;
    face.addRoundedRect(QRectF(x, y, CAP_W, CAP_H), 6, 6);
    QLinearGradient fg(0, y, 0, y + CAP_H);
    fg.setColorAt(0, QColor(255, 255, 252));
    fg.setColorAt(1, QColor(226, 226, 218));
    p.fillPath(face, fg);
    p.strokePath(face, QPen(QColor(170, 170, 162), 0.8));
}

void drawSizeButton(QPainter& p) {
    using namespace buttonfield;
    const QRectF r(SIZE_BUTTON_X + 0.5, SIZE_BUTTON_Y + 0.5, SIZE_BUTTON_W - 1, SIZE_BUTTON_H - 1);
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0, QColor(240, 240, 236));
    g.setColorAt(1, QColor(184, 184, 178));
    p.setPen(QPen(QColor(30, 30, 34), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 4, 4);
    const QPointF c(SIZE_BUTTON_X + 14, SIZE_BUTTON_Y + 8.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 30, 30), 1.8));
    p.drawEllipse(c, 4.6, 4.6);
    p.setPen(QPen(QColor(30, 30, 30), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(3.4, 3.4), c + QPointF(6.6, 6.6));
    p.setPen(Qt::NoPen);
    const QPainterPath label = Fonts::text("Zoom", 12.5, true);
    const QRectF lb = label.boundingRect();
    p.fillPath(
        label.translated(SIZE_BUTTON_X + 46 - lb.center().x(), SIZE_BUTTON_Y + 14 - lb.bottom()),
        QColor(20, 20, 20));
}

void drawOctavePlate(QPainter& p) {
    using namespace buttonfield;
    QPainterPath plate;
    plate.addRoundedRect(QRectF(OCTAVE_PLATE_X, OCTAVE_PLATE_Y, OCTAVE_PLATE_W, OCTAVE_PLATE_H), 6,
                         6);
    p.fillPath(plate.translated(1, 2), QColor(0, 0, 0, 90));
    QLinearGradient g(0, OCTAVE_PLATE_Y, 0, OCTAVE_PLATE_Y + OCTAVE_PLATE_H);
    g.setColorAt(0, QColor(236, 236, 230));
    g.setColorAt(1, QColor(212, 212, 204));
    p.fillPath(plate, g);
    p.strokePath(plate, QPen(QColor(120, 120, 114), 1));
}

void drawColumnSigns(QPainter& p) {
    using namespace buttonfield;
    // Flat, natural and sharp under their columns, below the C row.
    const char32_t signs[3] = {glyph::FLAT, glyph::NATURAL, glyph::SHARP};
    for (int c = 0; c < COLUMNS; ++c) {
        const double cx = capX(c) + CAP_W / 2.0;
        const double cy = capY(0, c) + CAP_H + 30;
        QPainterPath s = Fonts::music(signs[c], c == 2 ? 44 : 60);
        if (c == 2) {
            QTransform t(0.75, -0.08, 0, 1.0, 0, 0);
            s = t.map(s);
        }
        s = centredAt(s, cx, cy);
        p.fillPath(s.translated(1, 1), QColor(0, 0, 0, 120));
        p.fillPath(s, QColor(232, 228, 214));
    }
}

}  // namespace

QImage makeButtonField() {
    using namespace buttonfield;
    QImage img = blank(W, H);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath panel;
    panel.addRoundedRect(QRectF(0.5, 0.5, W - 1, H - 1), 10, 10);
    QLinearGradient g(0, 0, W, H);
    g.setColorAt(0, QColor(70, 78, 94));
    g.setColorAt(1, QColor(44, 49, 60));
    p.fillPath(panel, g);
    p.save();
    p.setClipPath(panel);
    drawGrip(p);
    p.restore();
    p.strokePath(panel, QPen(QColor(24, 26, 32), 1));
    drawOctavePlate(p);
    drawSizeButton(p);
    for (int r = 0; r < ROWS; ++r)
        for (int c = 0; c < COLUMNS; ++c) drawCap(p, capX(c), capY(r, c));
    drawColumnSigns(p);
    // The product name, running up the free strip at the right.
    p.save();
    p.translate(340, 560);
    p.rotate(-90);
    const QPainterPath name = Fonts::text("Lesmora", 26, true);
    p.fillPath(name, QColor(255, 255, 255, 40));
    p.restore();
    return img;
}

}  // namespace picturegen
