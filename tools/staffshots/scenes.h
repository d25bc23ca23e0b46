#pragma once
// The scenes staffshots draws: each paints one picture on a canvas of its own size.

#include <functional>
#include <string>
#include <vector>

#include "platform/Canvas.h"

namespace staffshots {

struct Scene {
    std::string file;  // PNG file name
    int width, height;
    std::function<void(Canvas&)> draw;
};

std::vector<Scene> allScenes();

}  // namespace staffshots
