#pragma once
// The counter fields of an exercise: red seven-segment displays whose unlit segments
// show dimly, each with a caption above it.

#include <array>
#include <memory>
#include <string>

#include "platform/Canvas.h"
#include "platform/ImageFont.h"

struct DigitalAnzeige {
    // The plain small font of the captions, loaded from "arial.ttf" on first use.
    static std::shared_ptr<ImageFont> StandardSchrift;
    static bool StandardSchriftGesucht;  // the load was tried (a missing font is said once)

    static const ImageFont* Standard();
    static void SetzeStartwerte();
};

// The digits a field of n places shows for a value: right-aligned, cut to the field,
// empty for -999 (the field stays dark).
std::string DigitalWert(int value, int n);

// One counter field of n digit places with its frame at (x, y) and its title above.
void DigitalFeld(Canvas& canvas, int x, int y, int value, int n, const std::string& title);

// Where the three counter fields stand on a canvas of this width, captions included: the
// staff paper ends left of them and the note-name buttons start below them.
struct CounterArea {
    int left, top, right, bottom;
};
CounterArea countersOn(int canvasWidth);

// The three counter fields along the top right of the canvas: the shown seconds and the
// two counters, under their captions. The exercise clock decides whether and what to draw.
void DrawPunkte(Canvas& canvas, int sekunden, int richtig, int falsch,
                const std::array<std::string, 3>& texte);
