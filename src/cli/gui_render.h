// What the commands that paint into an image share: the one application
// object the painting needs, and the WxH sizes of their options.
#pragma once

#include <optional>
#include <string>

#include "platform/canvas.h"

namespace korvo::cli {

// Creates the application object painting needs, once, on the offscreen platform
// unless another is asked for.
void EnsureGuiApplication();

// "WxH" in pixels, each 1 to 20000; nullopt otherwise.
std::optional<platform::Size> ParseSize(const std::string& text);

}  // namespace korvo::cli
