#include "platform/canvas.h"

#include <algorithm>

#include "platform/picture.h"

namespace korvo::platform {

namespace {

// a * num / den rounded to nearest, halves away from zero, in 64 bits.
int ScaleRounded(int a, int num, int den) {
    const long long p = static_cast<long long>(a) * num;
    const long long q = p >= 0 ? (p + den / 2) / den : -((-p + den / 2) / den);
    return static_cast<int>(q);
}

}  // namespace

Picture Canvas::ReadPixels(Rect) {
    return {};
}

void Canvas::DrawPicture(Point, const Picture&) {}

int LogicalToPixels(int logical) { return ScaleRounded(logical, kDotsPerInch, kLogicalPerInch); }
int PixelsToLogical(int pixels) { return ScaleRounded(pixels, kLogicalPerInch, kDotsPerInch); }

Rect Rect::Normalised() const {
    return Rect{std::min(left, right), std::min(top, bottom), std::max(left, right),
                std::max(top, bottom)};
}

Rect Rect::Intersected(const Rect& other) const {
    const Rect a = Normalised();
    const Rect b = other.Normalised();
    Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (r.IsEmpty()) return Rect{r.left, r.top, r.left, r.top};
    return r;
}

Point Canvas::LogicalToDevice(Point logical) const {
    const Point origin = GetViewportOrigin();
    if (GetMapMode() == MapMode::Device) return Point{origin.x + logical.x, origin.y + logical.y};
    return Point{origin.x + LogicalToPixels(logical.x), origin.y - LogicalToPixels(logical.y)};
}

Point Canvas::DeviceToLogical(Point device) const {
    const Point origin = GetViewportOrigin();
    if (GetMapMode() == MapMode::Device) return Point{device.x - origin.x, device.y - origin.y};
    return Point{PixelsToLogical(device.x - origin.x), -PixelsToLogical(device.y - origin.y)};
}

Rect Canvas::LogicalToDevice(Rect logical) const {
    const Point a = LogicalToDevice(Point{logical.left, logical.top});
    const Point b = LogicalToDevice(Point{logical.right, logical.bottom});
    return Rect{a.x, a.y, b.x, b.y}.Normalised();
}

}  // namespace korvo::platform
