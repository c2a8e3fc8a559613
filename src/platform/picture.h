// A block of pixels copied off a drawing surface and put back unchanged: the
// screen snapshot the annotation editor restores and the printer stretches.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/canvas.h"

namespace korvo::platform {

struct Picture {
    Size size;
    // 0x00RRGGBB per pixel, row by row from the top left.
    std::vector<std::uint32_t> pixels;

    bool IsEmpty() const { return size.width <= 0 || size.height <= 0; }
    std::uint32_t At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(size.width) +
                      static_cast<std::size_t>(x)];
    }
};

}  // namespace korvo::platform
