#pragma once
// A text block at a fixed place that cross-fades from its old to its new text. The
// owner sets `PText`; the block notices the change on its next draw.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/Canvas.h"
#include "platform/ImageFont.h"

class TextTyp {
  public:
    std::string AltText;  // fading out
    std::string AktText;  // shown, or fading in
    int X = 0, Y = 0;     // top left corner of the first line
    int B = 0;            // wrap width
    int H = 0;            // height of the block; not used
    std::shared_ptr<ImageFont> Font;
    std::string PText;   // the text the owner wants shown
    int64_t Timer = 0;   // end of the running cross-fade, program clock
    int FontHeight = 1;  // height of "T" in Font, measured on every draw

    // A block at (x, y) wrapping at `width`, with a font of the data archive at `size`
    // pixels, smoothed. A missing font leaves the block without one: it draws nothing.
    static std::unique_ptr<TextTyp> CreateOne(int x, int y, int width, const std::string& fontFile,
                                              int size);
    // Draws the block with its cross-fade, in colour (55, 55, 55) with alpha blending.
    void Draw(Canvas& canvas);
    // The index of the line under the mouse (the first for anything above the block).
    int IsLine() const;
    // The vertical middle of line n.
    int GiveY(int n) const;
    // Replaces every occurrence of `alt` in PText by `neu`.
    void ReplaceZeichen(const std::string& alt, const std::string& neu);
};
