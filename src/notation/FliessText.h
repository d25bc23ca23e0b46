#pragma once
// Flowing text: wrapped to a width at blanks, broken at "|".

#include <string>
#include <vector>

#include "platform/Canvas.h"

// The lines of `text` wrapped at `width` pixels as the canvas's current font measures
// them. A "|" forces a break ("||" leaves an empty line); every line after the first
// starts without blanks. A word wider than the width stands on a line of its own.
std::vector<std::string> FliessZeilen(const Canvas& canvas, const std::string& text, int width);

// Draws the wrapped text from (x, y) downward with the current font, colour and alpha;
// each line is the height of "T" in that font below the one before.
void FliessText(Canvas& canvas, const std::string& text, float x, float y, int width);
