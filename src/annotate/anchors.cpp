#include "annotate/anchors.h"

#include <cmath>

#include "view/readout.h"

namespace korvo::annotate {

using platform::Point;

namespace {

std::int32_t Saturate(long long v) {
    if (v > INT32_MAX) return INT32_MAX;
    if (v < INT32_MIN) return INT32_MIN;
    return static_cast<std::int32_t>(v);
}

// The price at client y as the read-out shows it: cut to hundredths.
float PriceAt(const chart::ChartGeometry& g, int y) {
    const double price = static_cast<double>(view::PriceAtCursor(g, y));
    return static_cast<float>(std::trunc(price * 100.0) / 100.0);
}

float SlotAt(const chart::ChartGeometry& g, int x) {
    const double logical =
        static_cast<double>(platform::PixelsToLogical(x)) + platform::PixelsToLogical(g.scrollX);
    const double layout = logical * 100.0 / g.xPercent;
    return static_cast<float>((layout - g.leftX - 1.0) / g.slotPitch);
}

// A client coordinate at 100 %: (pixel + scroll) / zoom, truncated.
std::int32_t Unzoomed(int pixel, int scroll, int percent) {
    return Saturate((static_cast<long long>(pixel) + scroll) * 100 / percent);
}

// A wing coordinate as kept: ((scroll + wing) / percent) * 100 in integers.
std::int32_t WingField(int wing, int scroll, int percent) {
    return Saturate((static_cast<long long>(scroll) + wing) / percent * 100);
}

}  // namespace

std::array<Point, 2> ArrowWings(Point p1, Point p2, double length) {
    const double theta =
        std::atan2(static_cast<double>(p1.y) - p2.y, static_cast<double>(p2.x) - p1.x);
    auto wing = [&](double angle) {
        return Point{chart::TruncToInt(p1.x + std::cos(angle) * length),
                     chart::TruncToInt(p1.y - std::sin(angle) * length)};
    };
    return {wing(theta + kWingAngle), wing(theta - kWingAngle)};
}

std::optional<Anchors> ComputeAnchors(const chart::ChartGeometry& g, Point start, Point end) {
    if (g.xPercent < 1 || g.yPercent < 1 || g.slotPitch < 1) return std::nullopt;
    if (!(g.unitsPerPrice > 0.0f) || !std::isfinite(g.unitsPerPrice)) return std::nullopt;
    Anchors a;
    a.startPrice = PriceAt(g, start.y);
    a.endPrice = PriceAt(g, end.y);
    a.startSlot = SlotAt(g, start.x);
    a.endSlot = SlotAt(g, end.x);
    const auto wings = ArrowWings(start, end, kRecordWingLength);
    a.points = {0,
                Unzoomed(start.x, g.scrollX, g.xPercent),
                Unzoomed(end.x, g.scrollX, g.xPercent),
                Unzoomed(start.y, g.scrollY, g.yPercent),
                Unzoomed(end.y, g.scrollY, g.yPercent),
                WingField(wings[0].x, g.scrollX, g.xPercent),
                WingField(wings[0].y, g.scrollY, g.yPercent),
                WingField(wings[1].x, g.scrollX, g.xPercent),
                WingField(wings[1].y, g.scrollY, g.yPercent)};
    return a;
}

}  // namespace korvo::annotate
