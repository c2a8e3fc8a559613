// The installer's full-screen splash: the purple field with the maker's name
// in relief, the product names and the blue box with the instructions. Drawn
// in device pixels for the screen's size.
#pragma once

#include <string>

#include "platform/canvas.h"

namespace korvo::setup {

// The line of the relief pattern: the maker's name, repeated across the screen.
std::string SplashPatternLine();

// Paints the splash for a screen of the given size (a size reported as 0
// counts as 640 by 480). Leaves the canvas state as it found it.
void DrawSplash(platform::Canvas& canvas, int screenWidth, int screenHeight);

}  // namespace korvo::setup
