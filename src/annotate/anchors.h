// Where a placed annotation is anchored: the two client points of the mouse
// turned into fractional bar slots and prices of the chart last drawn, and the
// pixel fields the record keeps beside them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "chart/chart_geometry.h"
#include "platform/canvas.h"

namespace korvo::annotate {

// Half-angle of an arrowhead, in radians.
inline constexpr double kWingAngle = 0.31416;
// Wing length of the pixel points the record keeps, and of the drawn arrow (logical units).
inline constexpr double kRecordWingLength = 6.0;
inline constexpr double kDrawnWingLength = 20.0;

// The two wings of an arrowhead at p1 on the segment p1-p2, pointing back
// along the segment at kWingAngle each side, truncated.
std::array<platform::Point, 2> ArrowWings(platform::Point p1, platform::Point p2, double length);

struct Anchors {
    float startSlot = 0.0f;
    float startPrice = 0.0f;
    float endSlot = 0.0f;
    float endPrice = 0.0f;
    // Reserved 0; start x, end x, start y, end y at 100 %; the wings as x, y, x, y.
    std::array<std::int32_t, 9> points{};
};

// The anchors of a placement from `start` to `end` (client pixels) over the
// chart last drawn: prices as the read-out computes them, cut to hundredths;
// slots ((x + scroll) / zoom - left margin - 1) / slot pitch, all in the 0.1 mm
// units of the chart at the zoom it was drawn at. nullopt when a zoom is 0 or
// the chart has no price mapping.
std::optional<Anchors> ComputeAnchors(const chart::ChartGeometry& geometry, platform::Point start,
                                      platform::Point end);

}  // namespace korvo::annotate
