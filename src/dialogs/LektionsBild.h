#pragma once
// The picture of a lesson's notes for the browser's preview: the notes on a small staff
// in the lesson's clefs and key signature, drawn by the staff window's own code.

#include <string>

#include "lessons/Lektion.h"
#include "platform/PixelCanvas.h"

// The picture's width in pixels; as many rows of staff as the notes need.
constexpr int kLektionsBildBreite = 380;

// Draws the lesson's notes (each written note once, in lesson order); none for a lesson
// without notes.
std::unique_ptr<PixelCanvas> ZeichneLektionsNoten(const Lektion& lektion);
// Writes the picture as a PNG file; false when there is nothing to draw or it cannot be
// written.
bool SchreibeLektionsBild(const Lektion& lektion, const std::string& datei);
