#include "painting.h"

#include <QDir>
#include <QFontDatabase>
#include <QImageWriter>

#include <cstdio>

namespace picturegen {

namespace {
const char* const MUSIC_FONT_FILE = "/usr/share/fonts/truetype/noto/NotoMusic-Regular.ttf";
const char* const SANS_FONT_FILE =
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf";
const char* const SANS_BOLD_FONT_FILE =
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf";

QString registerFont(const char* file) {
    const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(file));
    if (id < 0) {
        std::printf("picturegen: cannot load font %s\n", file);
        return {};
    }
    return QFontDatabase::applicationFontFamilies(id).value(0);
}
}  // namespace

QString Fonts::musicFamily_;
QString Fonts::sansFamily_;

bool Fonts::load() {
    musicFamily_ = registerFont(MUSIC_FONT_FILE);
    sansFamily_ = registerFont(SANS_FONT_FILE);
    const QString bold = registerFont(SANS_BOLD_FONT_FILE);
    return !musicFamily_.isEmpty() && !sansFamily_.isEmpty() && !bold.isEmpty();
}

QString Fonts::musicFamily() {
    return musicFamily_;
}

QPainterPath Fonts::music(char32_t codePoint, double em) {
    QFont f(musicFamily_);
    f.setPixelSize(100);  // outlines are scaled below, so the size only sets precision
    f.setHintingPreference(QFont::PreferNoHinting);
    const QRawFont raw = QRawFont::fromFont(f);
    const QString s = QString::fromUcs4(&codePoint, 1);
    const QList<quint32> glyphs = raw.glyphIndexesForString(s);
    if (glyphs.isEmpty() || glyphs.first() == 0) {
        std::printf("picturegen: music symbol U+%X is missing from the font\n",
                    unsigned(codePoint));
        return {};
    }
    QPainterPath p = raw.pathForGlyph(glyphs.first());
    QTransform t;
    t.scale(em / 100.0, em / 100.0);
    return t.map(p);
}

QFont Fonts::sans(double pixelSize, bool bold) {
    QFont f(sansFamily_);
    f.setPixelSize(int(pixelSize + 0.5));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QPainterPath Fonts::text(const QString& s, double pixelSize, bool bold) {
    QFont f(sansFamily_);
    f.setPixelSize(100);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath p;
    p.addText(0, 0, f, s);
    QTransform t;
    t.scale(pixelSize / 100.0, pixelSize / 100.0);
    return t.map(p);
}

QImage blank(int w, int h) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

bool save(const QImage& img, const QString& dir, const QString& name) {
    const QString path = QDir(dir).filePath(name);
    QImageWriter writer(path, "png");
    writer.setQuality(0);  // strongest compression
    if (!writer.write(img.convertToFormat(QImage::Format_ARGB32))) {
        std::printf("picturegen: cannot write %s: %s\n", qPrintable(path),
                    qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

QPainterPath centredAt(const QPainterPath& p, double cx, double cy) {
    const QRectF b = p.boundingRect();
    return p.translated(cx - b.center().x(), cy - b.center().y());
}

}  // namespace picturegen
