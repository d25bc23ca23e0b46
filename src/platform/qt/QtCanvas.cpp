#include "platform/qt/QtCanvas.h"

#include <QRegion>

#include <map>

namespace {
QImage tint(const QImage& original, const Colour& colour);

// Converted copies of a picture, one per drawing colour.
struct TintCache {
    QImage original;
    std::map<int, QImage> byColour;

    // The picture in a drawing colour, made on first use.
    const QImage& in(const Colour& colour) {
        int key = (colour.r << 16) | (colour.g << 8) | colour.b;
        auto found = byColour.find(key);
        if (found == byColour.end()) found = byColour.emplace(key, tint(original, colour)).first;
        return found->second;
    }
};

QImage tint(const QImage& original, const Colour& colour) {
    if (colour.r == 255 && colour.g == 255 && colour.b == 255) return original;
    QImage result = original.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
    for (int y = 0; y < result.height(); ++y) {
        uchar* pixel = result.scanLine(y);
        for (int x = 0; x < result.width(); ++x, pixel += 4) {
            pixel[0] = static_cast<uchar>(pixel[0] * colour.r / 255);
            pixel[1] = static_cast<uchar>(pixel[1] * colour.g / 255);
            pixel[2] = static_cast<uchar>(pixel[2] * colour.b / 255);
        }
    }
    return result;
}

QPainter::CompositionMode compositionOf(Blend blend) {
    switch (blend) {
        case Blend::Light:
            return QPainter::CompositionMode_Plus;
        case Blend::Shade:
            return QPainter::CompositionMode_Multiply;
        default:
            return QPainter::CompositionMode_SourceOver;
    }
}
}  // namespace

QtCanvas::~QtCanvas() {
    if (painter_) painter_->end();
}

QPainter& QtCanvas::painter() {
    QSize size = widget_->size();
    if (!painter_ || back_.size() != size) {
        if (painter_) painter_->end();
        if (back_.size() != size) {
            back_ = QImage(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
            back_.fill(Qt::black);
        }
        painter_ = std::make_unique<QPainter>(&back_);
    }
    QPainter& p = *painter_;
    p.setOpacity(state_.blend == Blend::Solid ? 1.0 : state_.alpha);
    p.setCompositionMode(compositionOf(state_.blend));
    if (state_.clip.width >= 0)
        p.setClipRect(state_.clip.x, state_.clip.y, state_.clip.width, state_.clip.height);
    else
        p.setClipping(false);
    p.setRenderHint(QPainter::Antialiasing, false);
    return p;
}

void QtCanvas::clear(Colour colour) {
    QPainter& p = painter();
    p.setClipping(false);
    p.setOpacity(1.0);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(back_.rect(), QColor(colour.r, colour.g, colour.b));
}

void QtCanvas::rect(float x, float y, float width, float height) {
    QPainter& p = painter();
    p.fillRect(QRectF(state_.originX + x, state_.originY + y, width * state_.scaleX,
                      height * state_.scaleY),
               QColor(state_.colour.r, state_.colour.g, state_.colour.b));
}

void QtCanvas::oval(float x, float y, float width, float height) {
    QPainter& p = painter();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(state_.colour.r, state_.colour.g, state_.colour.b));
    p.drawEllipse(QRectF(state_.originX + x, state_.originY + y, width * state_.scaleX,
                         height * state_.scaleY));
}

void QtCanvas::line(float x1, float y1, float x2, float y2) {
    QPainter& p = painter();
    p.setPen(QPen(QColor(state_.colour.r, state_.colour.g, state_.colour.b), 1));
    float startX = state_.originX + x1, startY = state_.originY + y1;
    p.drawLine(QPointF(startX, startY),
               QPointF(startX + (x2 - x1) * state_.scaleX, startY + (y2 - y1) * state_.scaleY));
}

const QImage& QtCanvas::tinted(const Image& image) {
    if (!image.backendCache) {
        auto cache = std::make_shared<TintCache>();
        cache->original = QImage(image.rgba().data(), image.width(), image.height(),
                                 image.width() * 4, QImage::Format_RGBA8888)
                              .convertToFormat(QImage::Format_RGBA8888_Premultiplied);
        image.backendCache = cache;
    }
    return static_cast<TintCache*>(image.backendCache.get())->in(state_.colour);
}

void QtCanvas::image(const Image* image, float x, float y, int cell) {
    if (!image) return;
    int sourceX, sourceY;
    image->cellOrigin(cell, sourceX, sourceY);
    imagePart(image, x, y, static_cast<float>(image->cellWidth()),
              static_cast<float>(image->cellHeight()), sourceX, sourceY, image->cellWidth(),
              image->cellHeight());
}

void QtCanvas::imagePart(const Image* image, float x, float y, float width, float height,
                         int sourceX, int sourceY, int sourceWidth, int sourceHeight) {
    if (!image) return;
    const QImage& source = tinted(*image);
    painter();
    blit(source,
         QRectF(state_.originX + x, state_.originY + y, width * state_.scaleX,
                height * state_.scaleY),
         QRect(sourceX, sourceY, sourceWidth, sourceHeight));
}

void QtCanvas::blit(const QImage& source, const QRectF& target, const QRect& part) {
    QPainter& p = *painter_;
    QPoint at(qRound(target.x()), qRound(target.y()));
    QSize size(qRound(target.width()), qRound(target.height()));
    if (size.isEmpty() || part.isEmpty()) return;
    if (size == part.size()) {
        p.drawImage(at, source, part);
        return;
    }
    auto key = std::make_tuple(source.cacheKey(), part.x(), part.y(), part.width(), part.height(),
                               size.width(), size.height());
    auto found = scaledParts_.find(key);
    if (found == scaledParts_.end()) {
        if (scaledParts_.size() > 512) scaledParts_.clear();  // sizes changed a lot: start anew
        QImage scaled =
            source.copy(part).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        found = scaledParts_.emplace(key, std::move(scaled)).first;
    }
    p.drawImage(at, found->second);
}

const QImage& QtCanvas::tintedGlyph(const ImageFont::Glyph& glyph) {
    if (!glyph.backendCache) {
        auto cache = std::make_shared<TintCache>();
        QImage white(glyph.width, glyph.height, QImage::Format_RGBA8888_Premultiplied);
        for (int y = 0; y < glyph.height; ++y) {
            uchar* pixel = white.scanLine(y);
            for (int x = 0; x < glyph.width; ++x, pixel += 4) {
                uchar coverage = glyph.coverage[static_cast<size_t>(y) * glyph.width + x];
                pixel[0] = pixel[1] = pixel[2] = pixel[3] = coverage;
            }
        }
        cache->original = white;
        glyph.backendCache = cache;
    }
    return static_cast<TintCache*>(glyph.backendCache.get())->in(state_.colour);
}

void QtCanvas::text(const std::string& text, float x, float y) {
    const ImageFont* font = state_.font;
    if (!font) return;
    painter();
    float penX = state_.originX + x;
    float top = state_.originY + y;
    for (char32_t code : decodeUtf8(text)) {
        const ImageFont::Glyph& glyph = font->glyph(code);
        if (glyph.width > 0 && glyph.height > 0) {
            blit(tintedGlyph(glyph),
                 QRectF(penX + glyph.left * state_.scaleX, top + glyph.top * state_.scaleY,
                        glyph.width * state_.scaleX, glyph.height * state_.scaleY),
                 QRect(0, 0, glyph.width, glyph.height));
        }
        penX += glyph.advance * state_.scaleX;
    }
}

// Painting ends before the widget reads the buffer; the frame is drawn and shown within
// one event, so the widget never meets a half-drawn buffer.
void QtCanvas::endPainting() {
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
}

void QtCanvas::show() {
    endPainting();
    widget_->update();
}

void QtCanvas::showParts(const std::vector<ClipRect>& parts) {
    endPainting();
    QRegion region;
    for (const ClipRect& part : parts) region += QRect(part.x, part.y, part.width, part.height);
    widget_->update(region);
}
