#pragma once
// The note paper in the lower right corner of the main canvas, with a text that
// cross-fades when it changes.

#include <cstdint>
#include <string>

#include "platform/Canvas.h"

struct NotenPapier {
    static std::string PapierText;  // the text to show
    static int PapierX, PapierY;    // its corner, recomputed every frame
    static int64_t PapierTimer;     // end of its cross-fade
    static std::string AltText;     // the text fading out
    static std::string AktText;     // the text shown or fading in

    static void SetzeStartwerte();
};

// Draws the note paper 500 pixels from the canvas's right edge and 220 from its bottom.
void TextPaperGame(Canvas& canvas);
