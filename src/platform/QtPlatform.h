#pragma once
// The Qt implementation of the windowing platform, made once by the program entry.

#include <memory>

#include "platform/Gui.h"

std::unique_ptr<Gui> makeQtGui(int& argc, char** argv);
