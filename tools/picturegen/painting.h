// Shared drawing helpers of the picture generator: the music font, text fonts,
// and small conveniences around QPainter.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRawFont>
#include <QString>

#include <map>
#include <string>

namespace picturegen {

// Noto Music: one em is the five-line staff, so a staff space is a quarter em.
// Our staff lines lie 20 pixels apart, which makes the em 80 pixels.
inline constexpr double STAFF_SPACE = 20.0;
inline constexpr double MUSIC_EM = 4.0 * STAFF_SPACE;

// Code points of the symbols we take from the music font.
namespace glyph {
inline constexpr char32_t G_CLEF = 0x1D11E;
inline constexpr char32_t F_CLEF = 0x1D122;
inline constexpr char32_t WHOLE_NOTE = 0x1D15D;
inline constexpr char32_t VOID_HEAD = 0x1D157;
inline constexpr char32_t BLACK_HEAD = 0x1D158;
inline constexpr char32_t FLAG_1 = 0x1D16E;
inline constexpr char32_t QUARTER_REST = 0x1D13D;
inline constexpr char32_t SHARP = 0x266F;
inline constexpr char32_t FLAT = 0x266D;
inline constexpr char32_t NATURAL = 0x266E;
}  // namespace glyph

// Loads the fonts once; every picture takes its outlines from here.
class Fonts {
  public:
    static bool load();  // false (with a message) when a font file is missing
    // Outline of one music symbol at the given em size, origin on the glyph's baseline.
    static QPainterPath music(char32_t codePoint, double em = MUSIC_EM);
    // Liberation Sans, pixel size, bold or regular.
    static QFont sans(double pixelSize, bool bold = false);
    // Outline of a text line in Liberation Sans, origin at the left end of the baseline.
    static QPainterPath text(const QString& s, double pixelSize, bool bold = false);
    static QString musicFamily();

  private:
    static QString musicFamily_;
    static QString sansFamily_;
};

// A transparent ARGB picture of the given size.
QImage blank(int w, int h);

// Writes a picture as PNG into dir; false (with a message) on failure.
bool save(const QImage& img, const QString& dir, const QString& name);

// Moves a path so that its bounding box's centre lies at (cx, cy).
QPainterPath centredAt(const QPainterPath& p, double cx, double cy);

}  // namespace picturegen
