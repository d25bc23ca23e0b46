#pragma once
// The canvas on one QImage buffer, shown by a widget. The buffer keeps the last frame, so
// a frame may be drawn again in parts (FrameRecorder) and only those parts repainted.

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <map>
#include <memory>
#include <tuple>

#include "platform/Canvas.h"

class QtCanvas : public Canvas {
  public:
    explicit QtCanvas(QWidget* widget) : widget_(widget) {}
    ~QtCanvas() override;

    int width() const override { return widget_->width(); }
    int height() const override { return widget_->height(); }
    void clear(Colour colour) override;
    void rect(float x, float y, float width, float height) override;
    void oval(float x, float y, float width, float height) override;
    void line(float x1, float y1, float x2, float y2) override;
    void image(const Image* image, float x, float y, int cell) override;
    void imagePart(const Image* image, float x, float y, float width, float height, int sourceX,
                   int sourceY, int sourceWidth, int sourceHeight) override;
    void text(const std::string& text, float x, float y) override;
    void show() override;
    void showParts(const std::vector<ClipRect>& parts) override;
    bool keepsLastFrame() const override { return true; }

    const QImage& frame() const { return back_; }

  private:
    QPainter& painter();  // begins painting the buffer, in this call's state
    void endPainting();
    const QImage& tinted(const Image& image);
    // Draws part of a picture into a target rectangle. Stretched parts are scaled once and
    // kept, so that a frame only copies pixels.
    void blit(const QImage& source, const QRectF& target, const QRect& part);
    const QImage& tintedGlyph(const ImageFont::Glyph& glyph);

    QWidget* widget_;
    QImage back_;
    std::unique_ptr<QPainter> painter_;
    std::map<std::tuple<qint64, int, int, int, int, int, int>, QImage> scaledParts_;
};
