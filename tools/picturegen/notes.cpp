#include "notes.h"

#include "painting.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace picturegen {

namespace {

const QColor INK(0, 0, 0);
constexpr double DOWN_FLAG_LENGTH = 0.82;
constexpr double BASS_CLEF_SCALE = 0.92;

QRectF headBox(char32_t head) {
    return Fonts::music(head).boundingRect();
}

QPainterPath headAt(char32_t head, double cx) {
    return centredAt(Fonts::music(head), cx, notecell::HEAD_CY);
}

}  // namespace

double stemUpLeft() {
    const QRectF b = headBox(glyph::BLACK_HEAD);
    return notecell::HEAD_CX + b.width() / 2 - notecell::STEM_W - 0.1;
}

double stemDownLeft() {
    const QRectF b = headBox(glyph::BLACK_HEAD);
    return notecell::HEAD_CX - b.width() / 2 + 0.1;
}

namespace {

// A note of one cell: head, stem up or down, optional flag.
void drawNote(QPainter& p, double x0, char32_t head, bool stem, bool up, bool flag) {
    using namespace notecell;
    p.fillPath(headAt(head, HEAD_CX).translated(x0, 0), INK);
    if (!stem) return;
    QRectF stemRect;
    if (up)
        stemRect = QRectF(x0 + stemUpLeft(), STEM_UP_TOP, STEM_W, HEAD_CY - 2.0 - STEM_UP_TOP);
    else
        stemRect =
            QRectF(x0 + stemDownLeft(), HEAD_CY + 2.0, STEM_W, STEM_DOWN_BOTTOM - HEAD_CY - 2.0);
    p.fillRect(stemRect, INK);
    if (!flag) return;
    // The flag's own left edge is where the stem stands; it hangs from the stem's end
    // (or, for a down stem, rises from it, mirrored).
    QPainterPath f = Fonts::music(glyph::FLAG_1);
    const QRectF fb = f.boundingRect();
    if (up) {
        f = f.translated(x0 + stemUpLeft() - fb.left(), STEM_UP_TOP - fb.top());
    } else {
        // Mirrored and a little shorter, so that its tail keeps clear of the head.
        QTransform mirror;
        mirror.scale(1, -DOWN_FLAG_LENGTH);
        f = mirror.map(f);
        const QRectF mb = f.boundingRect();
        f = f.translated(x0 + stemDownLeft() - mb.left(), STEM_DOWN_BOTTOM - mb.bottom());
    }
    p.fillPath(f, INK);
}

// Accidentals of the music font are drawn narrower than the font has them: the staff window
// leaves 20 pixels between an accidental's cell and its note and between two accidentals of
// a key signature. The sharp is compressed and its bars flattened a little (a vertical shear
// keeps its upright strokes upright); flat and natural only lose some width.
QPainterPath accidental(char32_t which) {
    QPainterPath a = Fonts::music(which);
    QTransform t;
    if (which == glyph::SHARP) {
        t = QTransform(0.42, -0.11, 0.0, 0.88, 0, 0);  // x' = 0.42x, y' = 0.88y - 0.11x
    } else if (which == glyph::NATURAL) {
        t.scale(0.66, 1.10);
    } else {
        t.scale(0.78, 1.06);
    }
    return t.map(a);
}

void drawAccidental(QPainter& p, double x0, char32_t which) {
    using namespace notecell;
    QPainterPath a = accidental(which);
    const QRectF b = a.boundingRect();
    double cy = HEAD_CY;
    // A flat's bowl, not its whole height, belongs on the note's line or space: the bowl
    // fills the lowest third of the sign.
    double dy = cy - b.center().y();
    if (which == glyph::FLAT) dy = cy - (b.bottom() - b.height() * 0.20);
    a = a.translated(x0 + ACCIDENTAL_RIGHT - b.right(), dy);
    p.fillPath(a, INK);
    // The compressed sharp's upright strokes get back some of the weight they lost; the
    // flat's thin stem a little too.
    if (which == glyph::SHARP)
        p.strokePath(a, QPen(INK, 0.8));
    else if (which == glyph::FLAT)
        p.strokePath(a, QPen(INK, 0.5));
}

// Height of the F line in a bass clef outline: the middle of the two dots, which are the
// two small closed shapes at the clef's right.
double fClefLine(const QPainterPath& clef) {
    const QRectF all = clef.boundingRect();
    double sum = 0;
    int dots = 0;
    for (const QPolygonF& poly : clef.toSubpathPolygons()) {
        const QRectF b = poly.boundingRect();
        if (b.width() < all.width() * 0.25 && b.left() > all.center().x()) {
            sum += b.center().y();
            ++dots;
        }
    }
    return dots == 2 ? sum / 2 : all.top() + STAFF_SPACE;
}

void drawClefs(QPainter& p) {
    using namespace notecell;
    // In the music font the staff's lowest line is the baseline and lines rise by a staff
    // space: the G line is one space up, the F line three.
    const QPainterPath g = Fonts::music(glyph::G_CLEF);
    p.fillPath(
        g.translated(TREBLE_CLEF * W + 5.0 - g.boundingRect().left(), TREBLE_G_LINE + STAFF_SPACE),
        INK);
    // The bass clef's F line lies midway between its two dots (in this font that is not a
    // whole number of staff spaces above the baseline, so it is measured). The clef is drawn
    // a little smaller than the font's so that its dots keep clear of the key signature,
    // which starts at the cell's right edge; it is scaled round its F line.
    QPainterPath f = Fonts::music(glyph::F_CLEF);
    QTransform t;
    t.translate(0, -fClefLine(f));  // F line onto y = 0
    f = t.map(f);
    QTransform s;
    s.scale(BASS_CLEF_SCALE, BASS_CLEF_SCALE);
    f = s.map(f);
    p.fillPath(f.translated(BASS_CLEF * W + 1.5 - f.boundingRect().left(), BASS_F_LINE), INK);
}

void drawRests(QPainter& p) {
    using namespace notecell;
    // Quarter rest: centred on the middle line.
    p.fillPath(
        centredAt(Fonts::music(glyph::QUARTER_REST), QUARTER_REST * W + REST_CX, REST_MIDDLE_LINE),
        INK);
    // Whole rest: a block of half a staff space hanging from the second line from the top;
    // half rest: the same block sitting on the middle line.
    const double w = 1.2 * STAFF_SPACE;
    const double h = 0.5 * STAFF_SPACE;
    p.fillRect(QRectF(WHOLE_REST * W + REST_CX - w / 2, REST_FOURTH_LINE, w, h), INK);
    p.fillRect(QRectF(HALF_REST * W + REST_CX - w / 2, REST_MIDDLE_LINE - h, w, h), INK);
}

}  // namespace

QImage makeNoteSheet() {
    using namespace notecell;
    QImage img = blank(W * COUNT, H);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawClefs(p);
    p.fillPath(centredAt(Fonts::music(glyph::WHOLE_NOTE), WHOLE * W + WHOLE_CX, HEAD_CY), INK);
    drawNote(p, HALF_UP * W, glyph::VOID_HEAD, true, true, false);
    drawNote(p, HALF_DOWN * W, glyph::VOID_HEAD, true, false, false);
    drawNote(p, QUARTER_UP * W, glyph::BLACK_HEAD, true, true, false);
    drawNote(p, QUARTER_DOWN * W, glyph::BLACK_HEAD, true, false, false);
    drawNote(p, EIGHTH_UP * W, glyph::BLACK_HEAD, true, true, true);
    drawNote(p, EIGHTH_DOWN * W, glyph::BLACK_HEAD, true, false, true);
    drawAccidental(p, SHARP * W, glyph::SHARP);
    drawAccidental(p, FLAT * W, glyph::FLAT);
    drawAccidental(p, NATURAL * W, glyph::NATURAL);
    drawRests(p);
    return img;
}

QImage makeBeamSheet() {
    using namespace beamcell;
    QImage img = blank(W * COUNT, H);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // The beam runs from the first stem to the second; it spans both stem positions
    // (up stems stand 22 pixels right of down stems inside the note cell, and the two
    // offsets differ by the same amount), plus the pixel of truncation in the distance.
    const double right = RIGHT_STEM_X + 1.4;
    const double left = RIGHT_STEM_X - PAIR_DISTANCE - 1.4 - 0.5;
    for (int cell = 0; cell < COUNT; ++cell) {
        if (cell == EMPTY) continue;
        int d = 0;  // steps the second note lies above the first
        if (cell <= 3)
            d = cell + 1;
        else if (cell <= 7)
            d = -(cell - 3);
        // Top edge through the stem ends: the second's at TOP_AT_RIGHT, the first's d steps lower.
        const double slope = STEP * d / PAIR_DISTANCE;  // pixels down per pixel to the left
        auto topAt = [&](double x) { return TOP_AT_RIGHT + slope * (RIGHT_STEM_X - x); };
        QPainterPath beam;
        const double x0 = cell * W;
        beam.moveTo(x0 + left, topAt(left));
        beam.lineTo(x0 + right, topAt(right));
        beam.lineTo(x0 + right, topAt(right) + THICKNESS);
        beam.lineTo(x0 + left, topAt(left) + THICKNESS);
        beam.closeSubpath();
        p.fillPath(beam, INK);
    }
    return img;
}

QImage makeShadow() {
    using namespace shadow;
    QImage img(W, H, QImage::Format_ARGB32);
    // The dark area itself is never drawn by the program; only the soft edge to its right
    // and below is. The edge is darkest next to the area and fades out over 85 pixels to
    // the right and 50 below (an elliptical falloff round the corner), and it fades in
    // along the top and left ends so that it reads as a shadow cast to the lower right.
    const double maxAlpha = 0.62;
    for (int y = 0; y < H; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < W; ++x) {
            if (x < DARK_W && y < DARK_H) {
                line[x] = qRgba(3, 3, 3, 255);
                continue;
            }
            const double tx = std::max(0.0, (x + 0.5 - DARK_W) / (W - DARK_W));
            const double ty = std::max(0.0, (y + 0.5 - DARK_H) / (H - DARK_H));
            const double r = std::min(1.0, std::sqrt(tx * tx + ty * ty));
            // Smooth fall to zero at the far edge: (1 - r)^2 with a soft start.
            double a = maxAlpha * std::pow(1.0 - r, 2.2);
            // Fade in over the first 30 pixels at the top and the first 40 at the left.
            const double fadeTop = std::clamp((y + 0.5) / 30.0, 0.0, 1.0);
            const double fadeLeft = std::clamp((x + 0.5) / 40.0, 0.0, 1.0);
            a *= (3 - 2 * fadeTop) * fadeTop * fadeTop * (3 - 2 * fadeLeft) * fadeLeft * fadeLeft;
            const int alpha = int(std::lround(a * 255));
            line[x] = qRgba(3, 3, 3, alpha);
        }
    }
    return img;
}

QImage makeLengthPicture() {
    using namespace lengthpicture;
    QImage img(W, H, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // The four notes at 0.7 of the staff's size, heads on a common line near the bottom,
    // each with its fraction of the bar beside it.
    const double scale = 0.7;
    const double baseY = 55.0;
    const char32_t heads[4] = {glyph::WHOLE_NOTE, glyph::VOID_HEAD, glyph::BLACK_HEAD,
                               glyph::BLACK_HEAD};
    const char* labels[4] = {"1", "1/2", "1/4", "1/8"};
    for (int i = 0; i < 4; ++i) {
        const double cx = BOX_X[i] + NOTE_OVER_BOX;
        QTransform t;
        t.scale(scale, scale);
        const QPainterPath head = t.map(Fonts::music(heads[i]));
        const QRectF hb = head.boundingRect();
        p.fillPath(centredAt(head, cx, baseY), INK);
        if (i > 0) {
            const double stemW = notecell::STEM_W * scale + 0.2;
            const double stemLeft = cx + hb.width() / 2 - stemW - 0.1;
            const double top = baseY - 3.5 * STAFF_SPACE * scale;
            p.fillRect(QRectF(stemLeft, top, stemW, baseY - 1 - top), INK);
            if (i == 3) {
                QPainterPath f = t.map(Fonts::music(glyph::FLAG_1));
                const QRectF fb = f.boundingRect();
                p.fillPath(f.translated(stemLeft - fb.left(), top - fb.top()), INK);
            }
        }
        const QPainterPath label = Fonts::text(QString::fromLatin1(labels[i]), 13);
        const QRectF lb = label.boundingRect();
        p.fillPath(label.translated(cx + 17 - lb.left(), 70 - lb.bottom()), QColor(60, 60, 60));
    }
    return img;
}

}  // namespace picturegen
