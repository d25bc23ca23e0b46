#pragma once
// The rules that keep an on-screen instrument whole inside the main window: a zoom step
// the window cannot hold is cut down to the largest scale it holds, and the instrument is
// moved until its whole picture lies inside. The piano and the note-name buttons follow
// them after every zoom, drag, resize and rebuild.

#include <algorithm>
#include <cmath>
#include <initializer_list>

// The largest scale at which a picture of this size lies inside a window of this size,
// with one pixel to spare so that a whole-pixel position always exists.
inline float largestFittingScale(int pictureW, int pictureH, int windowW, int windowH) {
    if (pictureW <= 0 || pictureH <= 0) return 1.0f;
    const double sx = (windowW - 1.0) / pictureW, sy = (windowH - 1.0) / pictureH;
    return static_cast<float>(std::max(0.01, std::min(sx, sy)));
}

// The step a press on a size button chooses: the next larger of `steps` (ascending), cut
// down to `largest`; where that would not make the instrument larger (the window has no
// room to grow), back to the smallest step, cut down as well.
inline float nextZoomStep(float current, std::initializer_list<float> steps, float largest) {
    constexpr float kSame = 0.001f;
    for (float step : steps) {
        if (step <= current + kSame) continue;
        const float next = std::min(step, largest);
        if (next > current + kSame) return next;
        break;
    }
    return std::min(*steps.begin(), largest);
}

// A position between two bounds; where the window is too small for both, the lower wins.
inline int keepBetween(int position, int low, int high) {
    return std::max(low, std::min(position, high));
}

// The bounds of a position whose picture starts `before` pixels before it and ends `after`
// pixels after it, inside a window extent of `extent` pixels.
inline int lowestPosition(double before) {
    return static_cast<int>(std::ceil(before - 1e-6));
}
inline int highestPosition(double after, int extent) {
    return static_cast<int>(std::floor(extent - after + 1e-6));
}
