// Positions of the non-time-series charts that may run far beyond a window
// (thousands of small bricks), kept in 64 bits while the chart is built and
// brought into int only when drawn.
#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>

namespace korvo::altcharts {

inline int ToPixels(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN / 2, INT_MAX / 2));
}

// Scroll pages of `size` pixels a chart reaching `extent` pixels needs (at least 1).
inline int PagesFor(std::int64_t extent, int size) {
    if (size <= 0 || extent <= 0) return 1;
    return ToPixels(extent / size + 1);
}

}  // namespace korvo::altcharts
