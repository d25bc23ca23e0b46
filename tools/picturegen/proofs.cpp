#include "proofs.h"

#include "keyboard.h"
#include "notes.h"
#include "painting.h"
#include "panels.h"

#include <QPainter>

#include <algorithm>

namespace picturegen {

namespace {

// Draws what the staff window would draw, from the sheets, at scale 1.
class StaffPainter {
  public:
    StaffPainter(QPainter& p, const QImage& notes, const QImage& beams, double originX,
                 double originY)
        : p_(p), notes_(notes), beams_(beams), ox_(originX), oy_(originY) {}

    void cell(int n, double x, double y) {
        p_.drawImage(QPointF(ox_ + x, oy_ + y), notes_,
                     QRectF(n * notecell::W, 0, notecell::W, notecell::H));
    }

    void beam(int n, double x, double y) {
        p_.drawImage(QPointF(ox_ + x, oy_ + y), beams_,
                     QRectF(n * beamcell::W, 0, beamcell::W, beamcell::H));
    }

    void line(double x, double y, double w) {
        p_.fillRect(QRectF(ox_ + x, oy_ + y, w, 1), QColor(1, 1, 1));
    }

    // One note as the note glyph draws itself: accidental, ledger lines, beam, cell.
    // y0 is 0 for the treble staff and the staff distance for the bass staff.
    void note(int cellNo, int step, double x, double y0, int accidental = 0, int beamNo = 9,
              bool stemsUp = true) {
        const double top = y0 + 171 - 10 * step;
        if (accidental > 0) cell(accidental + 8, x - 20, top);
        const bool whole = cellNo == notecell::WHOLE;
        const double lw = whole ? 50 : 40;
        const double lx = whole ? x - 5 : x - 8;
        for (int l = 7; step < 8 && step <= l; l -= 2) line(lx, y0 + 240 - 10 * l, lw);
        for (int l = 19; step > 18 && l <= step; l += 2) line(lx, y0 + 240 - 10 * l, lw);
        if (beamNo <= 8) {
            if (stemsUp)
                beam(beamNo, x + beamcell::UP_OFFSET_X, top + beamcell::UP_OFFSET_Y);
            else
                beam(beamNo, x + beamcell::DOWN_OFFSET_X, top + beamcell::DOWN_OFFSET_Y);
        }
        cell(cellNo, x, top);
    }

    void rest(int cellNo, double x, double y0) { cell(cellNo, x, y0 + 41); }

  private:
    QPainter& p_;
    const QImage& notes_;
    const QImage& beams_;
    double ox_, oy_;
};

// Beam cell for a pair of eighths d steps apart (second minus first).
int beamFor(int d) {
    if (d == 0) return beamcell::LEVEL;
    return d > 0 ? d - 1 : 3 - d;
}

}  // namespace

QImage makeStaffProof(const QImage& notes, const QImage& beams, const QImage& shadowImg) {
    const int systemDistance = 200;
    const int width = 2300;
    const int paperH = 460;
    const int paperX = 20, paperY = 20;
    QImage img(width + 140, paperH + 110, QImage::Format_ARGB32_Premultiplied);
    img.fill(QColor(155, 155, 155));
    QPainter p(&img);
    // Shadow pieces as the staff window draws them.
    p.drawImage(QRectF(paperX + width, paperY, 85, paperH), shadowImg, QRectF(615, 0, 85, 200));
    p.drawImage(QRectF(paperX + width, paperY + paperH, 85, 50), shadowImg,
                QRectF(615, 200, 85, 50));
    p.drawImage(QRectF(paperX, paperY + paperH, width, 50), shadowImg, QRectF(0, 200, 615, 50));
    p.fillRect(QRect(paperX, paperY, width, paperH), QColor(255, 245, 235));

    const double ox = paperX + 20, oy = paperY + 15;  // staff origin of a grand staff
    StaffPainter s(p, notes, beams, ox, oy);
    for (int h = 70; h <= 150; h += 20) {
        s.line(0, h, width - 20);
        s.line(0, systemDistance + h, width - 20);
    }
    p.fillRect(QRectF(ox - 3, oy + 70, 2, systemDistance + 80), QColor(1, 1, 1));
    s.cell(notecell::TREBLE_CLEF, 0, 43);
    s.cell(notecell::BASS_CLEF, 0, systemDistance + 52);
    // D major signature: F and C sharps, treble positions 0 and 3, bass two steps lower.
    const int sharps[2] = {0, 3};
    for (int i = 0; i < 2; ++i) {
        s.cell(notecell::SHARP, 60 + 20 * i, 10 * sharps[i]);
        s.cell(notecell::SHARP, 60 + 20 * i, systemDistance + 20 + 10 * sharps[i]);
    }
    double x = 150;
    // Every line and space from two ledger lines below to two above, treble and bass,
    // stems by the note rule (down from the middle line up).
    for (int step = 3; step <= 23; ++step) {
        const int c = step >= 13 ? notecell::QUARTER_DOWN : notecell::QUARTER_UP;
        s.note(c, step, x, 0);
        s.note(c, step, x, systemDistance);
        x += 36;
    }
    x += 30;
    // Accidentals beside heads and the other note values.
    s.note(notecell::QUARTER_UP, 9, x, 0, 1);
    s.note(notecell::HALF_UP, 10, x + 50, 0, 2);
    s.note(notecell::WHOLE, 11, x + 100, 0, 3);
    s.note(notecell::HALF_DOWN, 15, x + 160, 0, 1);
    s.note(notecell::EIGHTH_UP, 8, x + 210, 0, 2);
    s.note(notecell::EIGHTH_DOWN, 16, x + 270, 0, 3);
    s.note(notecell::WHOLE, 21, x + 330, 0);
    s.note(notecell::WHOLE, 5, x + 330, systemDistance);
    s.rest(notecell::QUARTER_REST, x, systemDistance);
    s.rest(notecell::HALF_REST, x + 60, systemDistance);
    s.rest(notecell::WHOLE_REST, x + 120, systemDistance);
    s.note(notecell::EIGHTH_UP, 7, x + 180, systemDistance, 1);
    s.note(notecell::EIGHTH_DOWN, 14, x + 240, systemDistance, 2);
    x += 400;
    // Beamed pairs 48 and 49 pixels apart for every step difference: stems up in the
    // treble staff (low notes), stems down in the bass staff (high notes).
    for (int d = -4; d <= 4; ++d) {
        const int dist = (d % 2 == 0) ? 49 : 48;
        const int upFirst = 6 + std::max(0, -d);
        s.note(notecell::QUARTER_UP, upFirst, x, 0);
        s.note(notecell::QUARTER_UP, upFirst + d, x + dist, 0, 0, beamFor(d), true);
        const int downFirst = 19 - std::max(0, d);
        s.note(notecell::QUARTER_DOWN, downFirst, x, systemDistance);
        s.note(notecell::QUARTER_DOWN, downFirst + d, x + dist, systemDistance, 0, beamFor(d),
               false);
        x += 100;
    }
    return img;
}

QImage makeContactSheet(const std::vector<std::pair<QString, QImage>>& pictures) {
    // Pictures flow left to right in rows of at most 2200 pixels, each on a checkerboard
    // (so transparency shows) with its name above it.
    const int maxW = 2200, gap = 16, labelH = 22;
    int x = gap, y = gap, rowH = 0, totalW = 0;
    std::vector<QPoint> at;
    for (const auto& [name, img] : pictures) {
        const int w = std::max(img.width(), 120);
        if (x + w + gap > maxW && x > gap) {
            x = gap;
            y += rowH + labelH + gap;
            rowH = 0;
        }
        at.emplace_back(x, y);
        x += w + gap;
        rowH = std::max(rowH, img.height());
        totalW = std::max(totalW, x);
    }
    QImage sheet(totalW, y + rowH + labelH + gap, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(90, 90, 96));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    for (size_t i = 0; i < pictures.size(); ++i) {
        const auto& [name, img] = pictures[i];
        const QPoint o = at[i] + QPoint(0, labelH);
        for (int cy = 0; cy < img.height(); cy += 8)
            for (int cx = 0; cx < img.width(); cx += 8)
                p.fillRect(QRect(o.x() + cx, o.y() + cy, std::min(8, img.width() - cx),
                                 std::min(8, img.height() - cy)),
                           ((cx + cy) / 8) % 2 ? QColor(235, 235, 235) : QColor(255, 255, 255));
        p.drawImage(o, img);
        p.fillPath(
            Fonts::text(QString("%1  %2 x %3").arg(name).arg(img.width()).arg(img.height()), 14)
                .translated(at[i].x(), at[i].y() + 16),
            Qt::white);
    }
    return sheet;
}

QImage makeKeyboardProof() {
    using namespace keyboard;
    // Key coordinates, as the program draws the picture at (TastaturX - ORIGIN_X,
    // TastaturY - ORIGIN_Y).
    QImage kb = makeKeyboard(4);
    QPainter p(&kb);
    const QImage cf = makeOverlayCF(), cOnly = makeOverlayCOnly(), cf2 = makeOverlayCF2(),
                 eh = makeOverlayEH(), eh2 = makeOverlayEH2(), cis = makeOverlayBlack();
    auto at = [&](const QImage& img, int keyX, int keyY) {
        p.drawImage(QPoint(keyX + ORIGIN_X, keyY + ORIGIN_Y), img);
    };
    struct White {
        int column, xadd, typ;
        bool eOrB;
    };
    // Pressed: the leftmost C, then C, E, G, B of the second octave and D, F, A of the third.
    at(cOnly, 1 - 1, KEYS_TOP);
    at(cf2, WHITE_W * 0 + 1 + 20, BLACK_END);
    const White keys[] = {{7, 1, 0, false},  {9, 0, 1, true},    {11, -2, 1, false},
                          {13, 0, 1, true},  {15, -2, 1, false}, {17, 1, 0, false},
                          {19, -1, 1, false}};
    for (const White& k : keys) {
        const int X = k.column;
        if (k.typ == 0) {
            at(cf, WHITE_W * X + k.xadd - 1, KEYS_TOP);
            at(cf2, WHITE_W * X + k.xadd + 20, BLACK_END);
        } else {
            at(eh, WHITE_W * X + k.xadd - 1, KEYS_TOP);
            if (k.eOrB)
                at(eh2, WHITE_W * X + WHITE_W, KEYS_TOP);
            else
                at(cf2, WHITE_W * X + WHITE_W, BLACK_END);
        }
    }
    // Black keys: C# and A# of the first octave, D# and G# of the fourth.
    at(cis, WHITE_W * 0 + 13 + BLACK_LEFT, KEYS_TOP);
    at(cis, WHITE_W * 5 + 15 + BLACK_LEFT, KEYS_TOP);
    at(cis, WHITE_W * 22 + 15 + BLACK_LEFT, KEYS_TOP);
    at(cis, WHITE_W * 25 + 14 + BLACK_LEFT, KEYS_TOP);
    // Middle C dot, as the program would see it.
    p.fillRect(QRect(WHITE_W * 14 + KEYS_LEFT + MIDDLE_C_DOT_IN_KEY, MIDDLE_C_DOT_TOP,
                     MIDDLE_C_DOT_SIZE, MIDDLE_C_DOT_SIZE),
               QColor(55, 255, 55));
    return kb;
}

QImage makeButtonFieldProof() {
    using namespace buttonfield;
    QImage img = makeButtonField();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const char* names[21] = {"Cb", "C",  "C#", "Db", "D",  "D#", "Eb", "E",  "E#", "Fb", "F",
                             "F#", "Gb", "G",  "G#", "Ab", "A",  "A#", "Bb", "B",  "B#"};
    const QFont font = Fonts::sans(24);
    p.setFont(font);
    const QFontMetrics fm(font);
    for (int i = 0; i < 21; ++i) {
        const int r = i / 3, c = i % 3;
        const QString n = QString::fromLatin1(names[i]);
        // The field draws text with its top at y; the ascent puts the baseline below it.
        p.setPen(i == 7 ? QColor(255, 0, 0) : i == 13 ? QColor(0, 155, 0) : QColor(1, 1, 1));
        p.drawText(
            QPointF(55 + 96 * c - fm.horizontalAdvance(n) / 2, 620 - 80 * r - 20 * c + fm.ascent()),
            n);
    }
    // Pressed highlight on D.
    p.fillRect(QRectF(96 * 1 + 20, 605 - 80 * 1 - 20 * 1, 74, 57), QColor(1, 1, 1, 38));
    // Octave rings, dots and the glow on octave 5.
    for (int j = 0; j < 8; ++j) {
        const int e = j % 4, h = j / 4;
        p.setPen(QPen(QColor(111, 111, 111), 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(20 * e + 21, 81 - 15 * h - 3 * e, 7, 7));
        if (j == 5 || j == 6) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(55, 222, 55));
            p.drawEllipse(QRectF(20 * e + 23, 83 - 15 * h - 3 * e, 4, 4));
        }
    }
    p.setPen(Qt::NoPen);
    const double gx = 20 * 1 + 23, gy = 83 - 3 * 1 - 15 * 1;
    for (int k = 1; k <= 7; ++k) {
        p.setBrush(QColor(1, 255, 1, int(255.0 / k)));
        p.drawEllipse(QRectF(gx - k, gy - k, 2 * k, 2 * k));
    }
    // Click zones: rows and columns of the hit test (t = 650 - (20c + y), zones 8..69 of
    // each 80; columns 16..93 of each 100), outlined in blue; the drag band in orange.
    p.setBrush(Qt::NoBrush);
    for (int r = 0; r <= 7; ++r)
        for (int c = 0; c < 3; ++c) {
            const int y0 = 650 - 20 * c - (80 * r + 69), y1 = 650 - 20 * c - (80 * r + 8);
            p.setPen(QPen(QColor(0, 90, 255, 200), 1, Qt::DashLine));
            p.drawRect(QRectF(100 * c + 16, std::max(0, y0), 77, y1 - std::max(0, y0)));
        }
    p.setPen(QPen(QColor(255, 140, 0), 1, Qt::DashLine));
    p.drawRect(QRectF(1, 1, W - 2, GRIP_H - 1));
    return img;
}

QImage makeCircleProof() {
    using namespace fifths;
    QImage img = makeCircleOfFifths();
    QPainter p(&img);
    p.setPen(QPen(QColor(255, 0, 255), 1, Qt::DashLine));
    for (const Box& b : BOXES) p.drawRect(QRect(b.x0, b.y0, BOX_W - 1, BOX_H - 1));
    return img;
}

}  // namespace picturegen
