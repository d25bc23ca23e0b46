#include "painting.h"
#include "panels.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace picturegen {

namespace {

// A small staff (five lines, `space` apart, top line at y) from x0 to x1.
void staffLines(QPainter& p, double x0, double x1, double y, double space, const QColor& c,
                double width = 1.0) {
    for (int i = 0; i < 5; ++i)
        p.fillRect(QRectF(x0, y + i * space - width / 2, x1 - x0, width), c);
}

// A quarter (or eighth) note of a small staff: head centred at (x, y), stem up.
void smallNote(QPainter& p, double x, double y, double space, bool eighth, const QColor& c) {
    const double em = space * 4;
    const QPainterPath head = centredAt(Fonts::music(glyph::BLACK_HEAD, em), x, y);
    p.fillPath(head, c);
    const QRectF hb = head.boundingRect();
    const double stemW = std::max(1.0, space * 0.12);
    const double left = hb.right() - stemW - 0.05 * space;
    p.fillRect(QRectF(left, y - 3.5 * space, stemW, 3.5 * space), c);
    if (eighth) {
        QPainterPath f = Fonts::music(glyph::FLAG_1, em);
        const QRectF fb = f.boundingRect();
        p.fillPath(f.translated(left - fb.left(), y - 3.5 * space - fb.top()), c);
    }
}

QPainterPath centredText(const QString& s, double size, bool bold, double cx, double baseline) {
    const QPainterPath t = Fonts::text(s, size, bold);
    return t.translated(cx - t.boundingRect().center().x(), baseline);
}

}  // namespace

QImage makeSignalLight(int lit) {
    const int W = 40, H = 100;
    QImage img = blank(W, H);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath housing;
    housing.addRoundedRect(QRectF(1, 1, W - 2, H - 2), 8, 8);
    QLinearGradient g(0, 0, W, 0);
    g.setColorAt(0, QColor(70, 72, 76));
    g.setColorAt(0.5, QColor(44, 46, 50));
    g.setColorAt(1, QColor(24, 25, 28));
    p.fillPath(housing, g);
    p.strokePath(housing, QPen(QColor(10, 10, 12), 1.2));
    const QColor on[3] = {QColor(255, 48, 40), QColor(255, 200, 30), QColor(40, 230, 70)};
    const QColor off[3] = {QColor(84, 30, 28), QColor(86, 72, 24), QColor(26, 74, 36)};
    for (int i = 0; i < 3; ++i) {
        const QPointF c(W / 2.0, 18 + 32 * i);
        // Sun visor above each lamp.
        QPainterPath visor;
        visor.moveTo(c + QPointF(-14, -9));
        visor.quadTo(c + QPointF(0, -19), c + QPointF(14, -9));
        p.strokePath(visor, QPen(QColor(16, 16, 18), 2.4));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(12, 12, 14));
        p.drawEllipse(c, 13, 13);
        QRadialGradient lamp(c + QPointF(-3, -4), 14);
        const bool isOn = i == lit;
        const QColor base = isOn ? on[i] : off[i];
        lamp.setColorAt(0, isOn ? base.lighter(160) : base.lighter(130));
        lamp.setColorAt(0.6, base);
        lamp.setColorAt(1, base.darker(isOn ? 140 : 160));
        p.setBrush(lamp);
        p.drawEllipse(c, 11, 11);
        if (isOn) {
            QRadialGradient glow(c, 18);
            QColor g0 = base;
            g0.setAlpha(90);
            QColor g1 = base;
            g1.setAlpha(0);
            glow.setColorAt(0.6, g0);
            glow.setColorAt(1, g1);
            p.setBrush(glow);
            p.drawEllipse(c, 18, 18);
        }
        p.setBrush(QColor(255, 255, 255, isOn ? 170 : 60));
        p.drawEllipse(c + QPointF(-4, -4.5), 3.2, 2.2);
    }
    return img;
}

namespace {

void gearIcon(QPainter& p, double x0, const QString& number) {
    const QPointF c(x0 + 16, 16);
    QPainterPath gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 4; ++i) {
        const double a = (i / double(teeth * 4)) * 2 * M_PI;
        const double r = (i % 4 == 0 || i % 4 == 1) ? 15.0 : 11.5;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            gear.moveTo(pt);
        else
            gear.lineTo(pt);
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, 7.5, 7.5);
    QLinearGradient g(0, 1, 0, 31);
    g.setColorAt(0, QColor(150, 158, 172));
    g.setColorAt(1, QColor(70, 78, 92));
    p.fillPath(gear.subtracted(hole), g);
    p.strokePath(gear.subtracted(hole), QPen(QColor(40, 44, 52), 1));
    p.setBrush(QColor(255, 255, 255));
    p.setPen(Qt::NoPen);
    p.drawEllipse(c, 7.5, 7.5);
    p.fillPath(centredText(number, 13, true, c.x(), c.y() + 5), QColor(20, 40, 120));
}

void jackIcon(QPainter& p, double x0, bool in) {
    // A MIDI socket with an arrow going in or out, and the word below.
    const QPointF c(x0 + 16, 11);
    p.setPen(QPen(QColor(40, 40, 46), 1.4));
    p.setBrush(QColor(226, 226, 222));
    p.drawEllipse(c, 9, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 34));
    for (int i = 0; i < 5; ++i) {
        const double a = M_PI * (1.0 + i / 4.0);
        p.drawEllipse(c + QPointF(5.5 * std::cos(a), -5.5 * std::sin(a) * -1), 1.2, 1.2);
    }
    const QColor arrow = in ? QColor(30, 150, 60) : QColor(200, 90, 20);
    QPainterPath a;
    if (in) {
        a.moveTo(x0 + 6.5, 11);
        a.lineTo(x0 + 1, 7);
        a.lineTo(x0 + 1, 15);
    } else {
        a.moveTo(x0 + 31, 11);
        a.lineTo(x0 + 26, 7);
        a.lineTo(x0 + 26, 15);
    }
    a.closeSubpath();
    p.fillPath(a, arrow);
    p.fillPath(centredText(in ? "IN" : "OUT", in ? 11 : 10, true, c.x(), 30.5), QColor(20, 20, 24));
}

}  // namespace

QImage makeToolbar() {
    // An icon strip of four 32 x 32 icons.
    QImage img = blank(4 * 32, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    gearIcon(p, 0, "1");
    gearIcon(p, 32, "2");
    jackIcon(p, 64, true);
    jackIcon(p, 96, false);
    return img;
}

QImage makeLogo() {
    const int W = 520, H = 100;
    QImage img = blank(W, H);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(28, 46, 84);
    // A staff fragment with a clef and a few rising notes.
    const double space = 10, top = 26;
    staffLines(p, 8, 170, top, space, QColor(60, 70, 96), 1.2);
    p.fillPath(Fonts::music(glyph::G_CLEF, 4 * space).translated(12, top + 4 * space - space), ink);
    const int steps[4] = {0, 2, 4, 7};  // C E G C above the bottom line, counted in steps
    for (int i = 0; i < 4; ++i)
        smallNote(p, 70 + 26 * i, top + 4 * space + space - steps[i] * space / 2, space, i == 3,
                  QColor(180, 60, 40));
    p.fillRect(QRectF(58, top + 5 * space - 0.6, 24, 1.2),
               QColor(60, 70, 96));  // ledger line of the C
    const QPainterPath name = Fonts::text("Lesmora", 46, true);
    QLinearGradient g(0, 20, 0, 70);
    g.setColorAt(0, QColor(40, 66, 120));
    g.setColorAt(1, QColor(20, 34, 64));
    p.fillPath(name.translated(190, 62), g);
    p.fillPath(
        Fonts::text("Sight-reading trainer  \u00b7  Notenlese-Trainer", 14).translated(193, 86),
        QColor(90, 96, 110));
    return img;
}

QImage makeBook() {
    const int W = 160, H = 200;
    QImage img = blank(W, H);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Pages seen at the side, then the cover.
    QPainterPath pages;
    pages.addRoundedRect(QRectF(14, 10, 138, 182), 4, 4);
    p.fillPath(pages.translated(3, 3), QColor(0, 0, 0, 70));
    p.fillPath(pages, QColor(246, 242, 228));
    for (int i = 0; i < 5; ++i) p.fillRect(QRectF(150 - i, 14 + i, 1, 174), QColor(200, 194, 176));
    QPainterPath cover;
    cover.addRoundedRect(QRectF(6, 4, 140, 184), 5, 5);
    QLinearGradient g(0, 0, W, 0);
    g.setColorAt(0, QColor(24, 70, 60));
    g.setColorAt(0.12, QColor(40, 110, 92));
    g.setColorAt(1, QColor(28, 84, 70));
    p.fillPath(cover, g);
    p.fillRect(QRectF(20, 4, 2, 184), QColor(14, 44, 38));  // spine crease
    // Title label with a staff, a clef and notes.
    const QRectF label(34, 30, 100, 70);
    p.fillRect(label, QColor(248, 244, 230));
    p.setPen(QPen(QColor(190, 160, 80), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(label.adjusted(3, 3, -3, -3));
    p.setPen(Qt::NoPen);
    staffLines(p, 42, 126, 50, 6, QColor(60, 60, 60), 0.9);
    p.fillPath(Fonts::music(glyph::G_CLEF, 24).translated(43, 50 + 4 * 6 - 6), QColor(30, 30, 30));
    smallNote(p, 72, 50 + 18, 6, false, QColor(30, 30, 30));
    smallNote(p, 88, 50 + 12, 6, false, QColor(30, 30, 30));
    smallNote(p, 104, 50 + 9, 6, true, QColor(30, 30, 30));
    // Gold lines lower on the cover.
    for (int i = 0; i < 3; ++i) p.fillRect(QRectF(44, 130 + 10 * i, 80, 2), QColor(200, 170, 90));
    return img;
}

QImage makeInfoPhoto() {
    // A music stand with a sheet of notes over piano keys.
    const int W = 240, H = 180;
    QImage img(W, H, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient wall(0, 0, 0, H);
    wall.setColorAt(0, QColor(64, 52, 44));
    wall.setColorAt(1, QColor(30, 24, 22));
    p.fillRect(QRect(0, 0, W, H), wall);
    QRadialGradient lamp(QPointF(W / 2.0, 40), 150);
    lamp.setColorAt(0, QColor(255, 220, 160, 90));
    lamp.setColorAt(1, QColor(255, 220, 160, 0));
    p.fillRect(QRect(0, 0, W, H), lamp);
    // Sheet on the stand.
    const QRectF sheet(58, 14, 124, 92);
    p.fillRect(sheet.translated(3, 3), QColor(0, 0, 0, 80));
    p.fillRect(sheet, QColor(250, 247, 238));
    for (int s = 0; s < 2; ++s) {
        const double top = 26 + 38 * s;
        staffLines(p, 64, 176, top, 5, QColor(70, 70, 70), 0.8);
        p.fillPath(Fonts::music(s == 0 ? glyph::G_CLEF : glyph::F_CLEF, 20)
                       .translated(65, top + 20 - (s == 0 ? 5 : 15)),
                   QColor(30, 30, 30));
        for (int i = 0; i < 6; ++i)
            smallNote(p, 92 + 14 * i, top + 20 - ((i * 3 + s * 2) % 7) * 2.5, 5, i % 3 == 2,
                      QColor(30, 30, 30));
    }
    p.fillRect(QRectF(52, 104, 136, 6), QColor(40, 30, 24));  // ledge of the stand
    // Keys.
    const double keysTop = 128;
    p.fillRect(QRectF(0, keysTop - 8, W, 8), QColor(120, 28, 34));
    const int whites = 16;
    const double kw = W / double(whites);
    for (int i = 0; i < whites; ++i) {
        QLinearGradient k(0, keysTop, 0, H);
        k.setColorAt(0, QColor(236, 232, 222));
        k.setColorAt(1, QColor(252, 250, 244));
        p.fillRect(QRectF(i * kw + 0.5, keysTop, kw - 1, H - keysTop), k);
    }
    const int blackInOctave[5] = {0, 1, 3, 4, 5};
    for (int o = 0; o < 3; ++o)
        for (int b : blackInOctave) {
            const double x = (o * 7 + b + 1) * kw - kw * 0.3;
            if (x + kw * 0.6 > W) continue;
            p.fillRect(QRectF(x, keysTop, kw * 0.6, 30), QColor(18, 18, 20));
        }
    return img;
}

QImage makeInfoName() {
    const int W = 320, H = 70;
    QImage img = blank(W, H);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath name = Fonts::text("Lesmora", 44, true);
    QLinearGradient g(0, 8, 0, 50);
    g.setColorAt(0, QColor(40, 66, 120));
    g.setColorAt(1, QColor(20, 34, 64));
    p.fillPath(name.translated(W / 2.0 - name.boundingRect().center().x(), 46), g);
    p.fillPath(centredText("Sight-reading trainer", 15, false, W / 2.0, 65), QColor(90, 96, 110));
    return img;
}

QImage makeFace(int mood) {
    const int S = 128;
    QImage img = blank(S, S);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(S / 2.0, S / 2.0);
    QRadialGradient g(c + QPointF(-18, -22), 80);
    if (mood == 2) {
        g.setColorAt(0, QColor(255, 170, 130));
        g.setColorAt(1, QColor(220, 60, 40));
    } else {
        g.setColorAt(0, QColor(255, 244, 150));
        g.setColorAt(1, QColor(240, 180, 20));
    }
    p.setPen(QPen(QColor(120, 70, 10), 2.5));
    p.setBrush(g);
    p.drawEllipse(c, 58, 58);
    const QColor ink(60, 30, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    // Eyes.
    if (mood == 0) {
        // Laughing: closed, happy arcs.
        p.setPen(QPen(ink, 5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        for (int s : {-1, 1}) {
            QPainterPath eye;
            eye.moveTo(c + QPointF(s * 22 - 10, -14));
            eye.quadTo(c + QPointF(s * 22, -28), c + QPointF(s * 22 + 10, -14));
            p.drawPath(eye);
        }
    } else {
        p.drawEllipse(c + QPointF(-21, -16), 6.5, 9);
        p.drawEllipse(c + QPointF(21, -16), 6.5, 9);
        p.setPen(QPen(ink, 4.5, Qt::SolidLine, Qt::RoundCap));
        if (mood == 1) {
            // Sad: brows raised toward the middle.
            p.drawLine(c + QPointF(-32, -28), c + QPointF(-12, -36));
            p.drawLine(c + QPointF(32, -28), c + QPointF(12, -36));
        } else {
            // Angry: brows pulled down toward the middle.
            p.drawLine(c + QPointF(-34, -38), c + QPointF(-10, -28));
            p.drawLine(c + QPointF(34, -38), c + QPointF(10, -28));
        }
    }
    // Mouth.
    p.setPen(Qt::NoPen);
    if (mood == 0) {
        QPainterPath mouth;
        mouth.moveTo(c + QPointF(-32, 10));
        mouth.cubicTo(c + QPointF(-24, 52), c + QPointF(24, 52), c + QPointF(32, 10));
        mouth.closeSubpath();
        p.fillPath(mouth, QColor(120, 30, 20));
        QPainterPath tongue;
        tongue.addEllipse(c + QPointF(0, 32), 13, 7);
        p.fillPath(tongue.intersected(mouth), QColor(230, 90, 80));
        QPainterPath teeth;
        teeth.addRect(QRectF(c.x() - 30, c.y() + 10, 60, 8));
        p.fillPath(teeth.intersected(mouth), QColor(255, 255, 250));
    } else if (mood == 1) {
        p.setPen(QPen(ink, 5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath mouth;
        mouth.moveTo(c + QPointF(-26, 34));
        mouth.quadTo(c + QPointF(0, 12), c + QPointF(26, 34));
        p.drawPath(mouth);
        p.setPen(Qt::NoPen);
        QPainterPath tear;
        tear.moveTo(c + QPointF(24, -4));
        tear.cubicTo(c + QPointF(18, 8), c + QPointF(22, 14), c + QPointF(26, 14));
        tear.cubicTo(c + QPointF(30, 14), c + QPointF(32, 8), c + QPointF(24, -4));
        p.fillPath(tear, QColor(80, 150, 230));
    } else {
        QPainterPath mouth;
        mouth.addRoundedRect(QRectF(c.x() - 24, c.y() + 18, 48, 16), 6, 6);
        p.fillPath(mouth, QColor(90, 20, 14));
        p.setPen(QPen(QColor(255, 255, 250), 2));
        p.drawLine(c + QPointF(-20, 26), c + QPointF(20, 26));
        for (int i = -2; i <= 2; ++i) p.drawLine(c + QPointF(i * 8, 20), c + QPointF(i * 8, 32));
    }
    return img;
}

}  // namespace picturegen
