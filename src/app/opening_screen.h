// The title picture shown before any data file is opened: drawn with lines,
// fills and text alone, so it needs no bitmap and scales with the display.
#pragma once

#include <string>

#include "platform/canvas.h"

namespace korvo::app {

// The line repeated down the background: the maker's name three times, no blanks.
std::string OpeningPatternLine();
// The notice at the foot of the title box.
inline constexpr const char* kOpeningNotice = "Copyright (C) Korvo Software Works";

// Paints the title picture in device pixels for a display of the given size
// (a size reported as 0 counts as 640 by 480). Leaves the canvas state as it found it.
void DrawOpeningScreen(platform::Canvas& canvas, int screenWidth, int screenHeight);

}  // namespace korvo::app
