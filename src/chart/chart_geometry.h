// The geometry of the time-series chart, rebuilt by every render: the bands,
// the calendar slots, the price-to-y mapping, the scroll position and where
// each bar stands. The mouse read-out, the annotations and the indicators
// read it after the render.
//
// Everything is laid out in layout units (0.1 mm at 100 %) with y growing
// downwards from the chart top, and drawn in the canvas's 0.1 mm mapping mode
// through LogicalX / LogicalY below: the one place that owns that mapping.
#pragma once

#include <array>
#include <climits>
#include <cmath>
#include <cstdint>

#include "data/price_series.h"
#include "platform/canvas.h"

namespace korvo::chart {

using data::kMaxBars;

// Fixed parts of the layout.
inline constexpr std::int32_t kLeftX = 100;
inline constexpr std::int32_t kSlotPitch = 20;
inline constexpr std::int32_t kBarWidth = kSlotPitch - 2;
inline constexpr std::int32_t kTitleBandHeight = 150;
inline constexpr std::int32_t kPricePanelHeight = 1000;
inline constexpr std::int32_t kIndicatorPanelHeight = 500;
inline constexpr std::int32_t kVolumePanelHeight = 400;
// A page of the multi-chart: the title band and the price panel.
inline constexpr std::int32_t kMultiChartPageHeight = kTitleBandHeight + kPricePanelHeight;
// Logical coordinates must stay inside what a 16-bit device could address.
inline constexpr std::int32_t kLogicalLimit = 32000;

struct ChartGeometry {
    std::int32_t xPercent = 100;
    std::int32_t yPercent = 100;
    std::int32_t leftX = kLeftX;
    std::int32_t slotPitch = kSlotPitch;
    std::int32_t barWidth = kBarWidth;
    std::int32_t slotCount = 0;
    std::int32_t rightX = kLeftX;
    std::int32_t chartTop = 0;
    std::int32_t priceTop = kTitleBandHeight;
    std::int32_t priceBottom = kTitleBandHeight + kPricePanelHeight;
    std::int32_t indicatorBottom = kTitleBandHeight + kPricePanelHeight + kIndicatorPanelHeight;
    std::int32_t chartBottom = kTitleBandHeight + 2 * kPricePanelHeight;
    float topPrice = 0.0f;
    float bottomPrice = 0.0f;
    float unitsPerPrice = 0.0f;
    std::int32_t leftLogical = 0;
    std::int32_t rightLogical = 0;
    std::int32_t scrollX = 0;
    std::int32_t scrollY = 0;
    std::int32_t pagesAcross = 1;
    std::int32_t pagesDown = 1;
    std::array<float, kMaxBars> barX{};
    std::array<std::int32_t, kMaxBars> barMidY{};
    std::array<std::int32_t, kMaxBars> barCloseY{};
    std::array<std::int16_t, kMaxBars> barSlot{};
    std::int32_t priceTopDevice = 0;
    // Device-space clip rectangles.
    platform::Rect chartRegion;
    platform::Rect priceRegion;
    platform::Rect lowerRegion;
};

// Layout x to logical x: u * xPercent / 100, truncating.
inline int LogicalX(int u, int xPercent) {
    return u * xPercent / 100;
}
// Layout y (down) to logical y (up): -(v * yPercent / 100), truncating.
inline int LogicalY(int v, int yPercent) {
    return -(v * yPercent / 100);
}
inline platform::Point LogicalPoint(int u, int v, const ChartGeometry& g) {
    return {LogicalX(u, g.xPercent), LogicalY(v, g.yPercent)};
}
// The same for a layout x that may lie beyond int once scaled, before it is
// checked against the limits.
inline long long LogicalXWide(long long u, int xPercent) {
    return u * xPercent / 100;
}

// Truncation toward zero that saturates instead of overflowing, for values
// computed in floating point (a price far outside the scale, a huge volume).
inline int TruncToInt(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(value);
}

// A layout position far outside any chart; positions beyond it are held
// there so that scaling them to logical units cannot overflow.
inline constexpr int kLayoutLimit = 1000000;
inline int ClampLayout(double value) {
    return TruncToInt(value < -kLayoutLimit ? -kLayoutLimit
                                            : (value > kLayoutLimit ? kLayoutLimit : value));
}

// Layout y of a price: trunc(priceBottom - (price - bottomPrice) * unitsPerPrice),
// computed in single precision as the chart keeps its scale. A price far off a
// hairline manual scale stays a million units away.
inline int PriceY(const ChartGeometry& g, float price) {
    const float y = static_cast<float>(g.priceBottom) - (price - g.bottomPrice) * g.unitsPerPrice;
    return ClampLayout(y);
}

// The bar's centre and right edge in layout x.
inline float BarCentreX(const ChartGeometry& g, int i) {
    return g.barX[static_cast<std::size_t>(i)] + static_cast<float>(g.slotPitch / 2);
}
inline float BarRightX(const ChartGeometry& g, int i) {
    return g.barX[static_cast<std::size_t>(i)] + static_cast<float>(g.barWidth);
}

}  // namespace korvo::chart
