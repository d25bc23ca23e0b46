#include "keyboard.h"

#include "painting.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace picturegen {

using namespace keyboard;

namespace {

// Black keys of one octave pattern: the column of the white key to their left and the
// key table's offset. A "C" keyboard counts C D E F G A B, an "F" keyboard F G A B C D E.
struct BlackKey {
    int column;
    int xadd;
};
const BlackKey BLACK_C[5] = {{0, 13}, {1, 15}, {3, 13}, {4, 14}, {5, 15}};  // C# D# F# G# A#
const BlackKey BLACK_F[5] = {{0, 13}, {1, 14}, {2, 15}, {4, 13}, {5, 15}};  // F# G# A# C# D#

// Ivory of the white keys' top, by picture row; the same function paints the keyboard and
// the part of a white key that the black-key overlay repaints.
QColor ivory(int y) {
    const double t = std::clamp((y - KEY_TOP) / double(WHITE_BOTTOM - KEY_TOP), 0.0, 1.0);
    // Slightly warmer under the felt, brightest in the middle.
    const double v = 244 + 8 * std::sin(t * 3.14159);
    return QColor(int(v), int(v - 3), int(v - 12));
}

// The felt's shadow falling onto the keys just below it.
int feltShadowAlpha(int y) {
    const int d = y - KEY_TOP;
    if (d < 0 || d >= 7) return 0;
    return int(std::lround(110 * std::pow(1.0 - d / 7.0, 1.6)));
}

void paintIvoryColumn(QPainter& p, int x, int w, int yTop, int yBottom) {
    for (int y = yTop; y < yBottom; ++y) {
        p.fillRect(QRect(x, y, w, 1), ivory(y));
        if (int a = feltShadowAlpha(y)) p.fillRect(QRect(x, y, w, 1), QColor(40, 20, 10, a));
    }
}

// Front edge of a white key: the key's front face seen from above.
void paintWhiteFront(QPainter& p, int x, int w) {
    for (int y = WHITE_BOTTOM - 6; y < WHITE_BOTTOM; ++y) {
        const int k = y - (WHITE_BOTTOM - 6);
        const int v = 236 - 9 * k;
        p.fillRect(QRect(x, y, w, 1), QColor(v, v - 2, v - 8));
    }
}

void paintBlackKey(QPainter& p, int x, bool pressed) {
    const int top = KEY_TOP;
    const int bottom = BLACK_BOTTOM;
    // Body.
    p.fillRect(QRect(x, top, BLACK_W, bottom - top), QColor(14, 13, 15));
    // Top surface between the two bevelled sides; the front slope at its lower end is
    // shorter on a pressed key, which also sits a little darker.
    const int slope = pressed ? 3 : 9;
    QLinearGradient g(0, top, 0, bottom - slope);
    g.setColorAt(0, pressed ? QColor(8, 8, 10) : QColor(30, 30, 34));
    g.setColorAt(1, pressed ? QColor(18, 18, 22) : QColor(58, 58, 64));
    p.fillRect(QRectF(x + 2, top, BLACK_W - 4, bottom - slope - top), g);
    QLinearGradient f(0, bottom - slope, 0, bottom);
    f.setColorAt(0, pressed ? QColor(52, 52, 58) : QColor(96, 96, 104));
    f.setColorAt(1, QColor(20, 20, 22));
    p.fillRect(QRectF(x + 1, bottom - slope, BLACK_W - 2, slope), f);
    // A thin gloss line along the left bevel.
    if (!pressed)
        p.fillRect(QRectF(x + 2, top + 8, 1, bottom - slope - top - 12), QColor(90, 90, 98, 150));
}

// Cast shadow of a black key onto the white keys to its right (and, unpressed, below it).
void paintBlackShadow(QPainter& p, int x, bool pressed) {
    const int w = pressed ? 1 : 3;
    for (int i = 0; i < w; ++i)
        p.fillRect(QRect(x + BLACK_W + i, KEY_TOP, 1, BLACK_BOTTOM - KEY_TOP + (pressed ? 0 : 2)),
                   QColor(0, 0, 0, (pressed ? 40 : 70) - 20 * i));
    if (!pressed)
        for (int i = 0; i < 3; ++i)
            p.fillRect(QRect(x, BLACK_BOTTOM + i, BLACK_W + 1, 1), QColor(0, 0, 0, 60 - 18 * i));
}

void paintCase(QPainter& p, int w) {
    // Black lacquer with a soft reflection along the top edge.
    QLinearGradient g(0, 0, 0, H);
    g.setColorAt(0, QColor(52, 48, 50));
    g.setColorAt(0.08, QColor(24, 22, 24));
    g.setColorAt(0.28, QColor(14, 13, 14));
    g.setColorAt(1, QColor(8, 8, 9));
    p.fillRect(QRect(0, 0, w, H), g);
    p.fillRect(QRect(0, 0, w, 1), QColor(110, 104, 104));
    p.fillRect(QRect(0, H - 1, w, 1), QColor(0, 0, 0));
    p.fillRect(QRect(0, 0, 1, H), QColor(80, 76, 78));
    p.fillRect(QRect(w - 1, 0, 1, H), QColor(0, 0, 0));
    // Felt strip along the back of the keys.
    QLinearGradient felt(0, FELT_TOP, 0, KEY_TOP);
    felt.setColorAt(0, QColor(120, 28, 34));
    felt.setColorAt(1, QColor(150, 40, 44));
    p.fillRect(QRect(KEYS_LEFT - 4, FELT_TOP, w - KEYS_LEFT - RIGHT_CHEEK + 8, KEY_TOP - FELT_TOP),
               felt);
    p.fillRect(QRect(KEYS_LEFT - 4, FELT_TOP, w - KEYS_LEFT - RIGHT_CHEEK + 8, 1),
               QColor(60, 10, 14));
}

void paintGrip(QPainter& p, int w) {
    // Rows of small dimples in the top band by which the keyboard is dragged.
    for (int y = 10; y <= 40; y += 6)
        for (int x = 14; x <= w - 14; x += 6) {
            if (x > KEYS_LEFT - 10 && x < w - RIGHT_CHEEK + 4) continue;
            p.fillRect(QRect(x, y, 2, 2), QColor(0, 0, 0));
            p.fillRect(QRect(x, y + 2, 2, 1), QColor(70, 66, 68));
        }
}

void paintBrand(QPainter& p, int w) {
    const QPainterPath brand = Fonts::text("Lesmora", 20, true);
    const QRectF b = brand.boundingRect();
    const double cx = (KEYS_LEFT + (w - RIGHT_CHEEK)) / 2.0;
    const QPainterPath at = brand.translated(cx - b.center().x(), 36 - b.bottom());
    QLinearGradient gold(0, 36 - b.height(), 0, 36);
    gold.setColorAt(0, QColor(236, 206, 128));
    gold.setColorAt(1, QColor(170, 128, 52));
    p.fillPath(at.translated(0, 1), QColor(0, 0, 0));
    p.fillPath(at, gold);
}

void paintSizeButton(QPainter& p) {
    const QRectF r(SIZE_BUTTON_X + 0.5, SIZE_BUTTON_Y + 0.5, SIZE_BUTTON_W - 1, SIZE_BUTTON_H - 1);
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0, QColor(236, 236, 232));
    g.setColorAt(1, QColor(176, 176, 170));
    p.setPen(QPen(QColor(0, 0, 0), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 3, 3);
    // Magnifying glass.
    const QPointF c(SIZE_BUTTON_X + 10.5, SIZE_BUTTON_Y + 7);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 30, 30), 1.6));
    p.drawEllipse(c, 3.8, 3.8);
    p.setPen(QPen(QColor(30, 30, 30), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(2.9, 2.9), c + QPointF(5.6, 5.6));
    p.setPen(Qt::NoPen);
    const QPainterPath label = Fonts::text("Zoom", 10.5, true);
    const QRectF lb = label.boundingRect();
    p.fillPath(
        label.translated(SIZE_BUTTON_X + 45 - lb.center().x(), SIZE_BUTTON_Y + 12 - lb.bottom()),
        QColor(20, 20, 20));
}

void paintLeftPanel(QPainter& p) {
    // The cheek block left of the keys, with a gold treble clef and the size button.
    QLinearGradient g(0, 0, KEYS_LEFT - 4, 0);
    g.setColorAt(0, QColor(30, 28, 30));
    g.setColorAt(0.85, QColor(16, 15, 16));
    g.setColorAt(1, QColor(4, 4, 5));
    p.fillRect(QRect(1, 50, KEYS_LEFT - 5, H - 52), g);
    p.fillRect(QRect(1, 50, KEYS_LEFT - 5, 1), QColor(70, 66, 68));
    QPainterPath clef = Fonts::music(glyph::G_CLEF, 48);
    clef = centredAt(clef, 44, 100);
    p.fillPath(clef, QColor(196, 160, 84));
    paintSizeButton(p);
}

void paintRightCheek(QPainter& p, int w) {
    const int x = w - RIGHT_CHEEK + 4;
    QLinearGradient g(x, 0, w, 0);
    g.setColorAt(0, QColor(4, 4, 5));
    g.setColorAt(0.2, QColor(20, 19, 20));
    g.setColorAt(1, QColor(34, 32, 34));
    p.fillRect(QRect(x, 50, RIGHT_CHEEK - 5, H - 52), g);
    p.fillRect(QRect(x, 50, RIGHT_CHEEK - 5, 1), QColor(70, 66, 68));
}

}  // namespace

QImage makeKeyboard(int octaves) {
    const int w = width(octaves);
    QImage img(w, H, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::black);
    QPainter p(&img);
    paintCase(p, w);
    p.setRenderHint(QPainter::Antialiasing);
    paintGrip(p, w);
    paintBrand(p, w);
    paintLeftPanel(p);
    paintRightCheek(p, w);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);

    const int whites = 7 * octaves + 1;
    const int keysRight = KEYS_LEFT + WHITE_W * whites;
    // A dark well round the keys.
    p.fillRect(QRect(KEYS_LEFT - 4, KEY_TOP, 4, WHITE_BOTTOM - KEY_TOP + 1), QColor(0, 0, 0));
    p.fillRect(QRect(keysRight, KEY_TOP, 4, WHITE_BOTTOM - KEY_TOP + 1), QColor(0, 0, 0));
    for (int i = 0; i < whites; ++i) {
        const int x = KEYS_LEFT + WHITE_W * i;
        paintIvoryColumn(p, x, WHITE_W, KEY_TOP, WHITE_BOTTOM);
        paintWhiteFront(p, x, WHITE_W);
        // Gap to the key on the left.
        p.fillRect(QRect(x, KEY_TOP, 1, WHITE_BOTTOM - KEY_TOP), QColor(118, 112, 102));
    }
    p.fillRect(QRect(keysRight, KEY_TOP, 1, WHITE_BOTTOM - KEY_TOP), QColor(118, 112, 102));
    p.fillRect(QRect(KEYS_LEFT, WHITE_BOTTOM, keysRight - KEYS_LEFT, 1), QColor(60, 56, 52));

    const BlackKey* pattern = (octaves == 3 || octaves == 5) ? BLACK_F : BLACK_C;
    for (int o = 0; o < octaves; ++o)
        for (int k = 0; k < 5; ++k) {
            const int x =
                WHITE_W * (7 * o + pattern[k].column) + pattern[k].xadd + BLACK_LEFT_FROM_KEY;
            paintBlackShadow(p, x, false);
            paintBlackKey(p, x, false);
        }
    return img;
}

namespace {

// Shading of a sunken white key, painted into a transparent overlay: a darker band along
// an edge where the neighbouring key's side shows. `fromLeft` darkens toward the left edge.
void edgeShade(QPainter& p, int x, int w, int yTop, int yBottom, bool darkAtLeft, int alpha) {
    for (int i = 0; i < w; ++i) {
        const int k = darkAtLeft ? i : w - 1 - i;
        const int a = int(std::lround(alpha * std::pow(1.0 - k / double(w), 1.5)));
        p.fillRect(QRect(x + i, yTop, 1, yBottom - yTop), QColor(30, 24, 16, a));
    }
}

// The far end of a sunken key slips deeper under the felt.
void topShade(QPainter& p, int x, int w) {
    for (int y = 0; y < 30; ++y)
        p.fillRect(QRect(x, y, w, 1),
                   QColor(30, 20, 10, int(std::lround(190 * std::pow(1.0 - y / 30.0, 1.3)))));
}

QImage overlay(int w, int h) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

const int LOWER_TOP = BLACK_BOTTOM - KEY_TOP;  // overlay row where a key's wide lower part begins

}  // namespace

// "CFdown4": drawn at the key's picture x - 4. The C (or F) has no black key on its left:
// its left edge runs the full length at overlay x 4; C# begins at overlay x 16.
QImage makeOverlayCF() {
    QImage img = overlay(CF_W, CF_H);
    QPainter p(&img);
    edgeShade(p, 5, 6, 0, WHITE_BOTTOM - KEY_TOP, true, 200);
    topShade(p, 5, CF_W - 5);
    edgeShade(p, CF_W - 4, 4, 0, LOWER_TOP, false, 180);
    return img;
}

// "Clinksdown": the same for the leftmost key, 14 wide, so without the black key's side.
QImage makeOverlayCOnly() {
    QImage img = overlay(C_ONLY_W, C_ONLY_H);
    QPainter p(&img);
    edgeShade(p, 5, 6, 0, C_ONLY_H, true, 200);
    topShade(p, 5, C_ONLY_W - 5);
    return img;
}

// "CFdown3": the 4 pixels at the right end of a key's lower part, rows 145 to 194.
QImage makeOverlayCF2() {
    QImage img = overlay(CF2_W, CF2_H);
    QPainter p(&img);
    edgeShade(p, 0, 4, 0, CF2_H, false, 180);
    return img;
}

// "EHdown4": drawn at the key's picture x - 7 (D, G), - 6 (A) or - 5 (E, B); the upper
// part of the key begins at overlay x 12 in every case, right of its black key.
QImage makeOverlayEH() {
    QImage img = overlay(EH_W, EH_H);
    QPainter p(&img);
    edgeShade(p, 12, 5, 0, LOWER_TOP, true, 200);
    edgeShade(p, 6, 5, LOWER_TOP, WHITE_BOTTOM - KEY_TOP, true, 190);
    topShade(p, 12, EH_W - 12);
    return img;
}

// "EHdown3": the right edge of an E or B over its full length.
QImage makeOverlayEH2() {
    QImage img = overlay(EH2_W, EH2_H);
    QPainter p(&img);
    edgeShade(p, 0, 4, 0, EH2_H, false, 180);
    topShade(p, 0, EH2_W);
    return img;
}

// "SchwarzDown2": the pressed black key and, right of it, the white key's top without
// the black key's full shadow.
QImage makeOverlayBlack() {
    QImage img = overlay(CIS_W, CIS_H);
    QPainter p(&img);
    p.translate(0, -KEY_TOP);
    paintIvoryColumn(p, BLACK_W, CIS_W - BLACK_W, KEY_TOP, KEY_TOP + CIS_H);
    paintBlackShadow(p, 0, true);
    paintBlackKey(p, 0, true);
    return img;
}

}  // namespace picturegen
