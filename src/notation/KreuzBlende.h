#pragma once
// The cross-fade of a text block: the old text fades out and the new one in over 500 ms
// of the program clock. A text that changes while a fade runs is taken up after it.

#include <cstdint>
#include <string>

#include "platform/Canvas.h"

constexpr int kBlendDauer = 500;  // milliseconds

// Takes up `wanted` as the current text `akt` when it differs and no fade runs (the old
// one going to `alt`, `timer` set to the fade's end), then draws the fading old text and
// the current one wrapped at `width` from (x, y) with the canvas's font and colour. The
// alpha of the current text stays set.
void KreuzBlende(Canvas& canvas, std::string& alt, std::string& akt, int64_t& timer,
                 const std::string& wanted, float x, float y, int width);
