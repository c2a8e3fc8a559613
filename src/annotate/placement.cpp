#include "annotate/placement.h"

namespace korvo::annotate {

using platform::Point;

void DrawRubberBand(platform::Canvas& canvas, Point start, Point end, platform::Size client) {
    platform::CanvasStateGuard guard(canvas);
    canvas.SetMapMode(platform::MapMode::Device);
    canvas.SetViewportOrigin({0, 0});
    canvas.SetClip(platform::Rect{0, 0, client.width, client.height});
    canvas.SetRasterOp(platform::RasterOp::Invert);
    canvas.SelectPen(platform::Pen{platform::PenStyle::Solid, 1, 0xFFFFFF});
    canvas.MoveTo(start);
    canvas.LineTo(end);
}

bool BeginPlacement(AnnotationState& s, view::ReadOutWindow& window, Point point) {
    if (!s.placingText || s.draggingText) return false;
    s.draggingText = true;
    s.startPoint = point;
    s.endPoint = point;
    const platform::Size client = window.ClientSize();
    window.DrawOnWindow([&](platform::Canvas& canvas) {
        DrawRubberBand(canvas, s.startPoint, s.endPoint, client);
    });
    window.SetCrossCursor(true);
    return true;
}

bool MovePlacement(AnnotationState& s, view::ReadOutWindow& window, Point point) {
    if (!s.draggingText) return false;
    const platform::Size client = window.ClientSize();
    const Point old = s.endPoint;
    window.DrawOnWindow([&](platform::Canvas& canvas) {
        DrawRubberBand(canvas, s.startPoint, old, client);
        DrawRubberBand(canvas, s.startPoint, point, client);
    });
    s.endPoint = point;
    return true;
}

bool EndPlacement(AnnotationState& s, view::ReadOutWindow& window, Point point) {
    if (!s.draggingText) return false;
    s.draggingText = false;
    s.placingText = false;
    window.SetCrossCursor(false);
    window.CaptureMouse(false);
    const platform::Size client = window.ClientSize();
    const Point old = s.endPoint;
    window.DrawOnWindow(
        [&](platform::Canvas& canvas) { DrawRubberBand(canvas, s.startPoint, old, client); });
    s.endPoint = point;
    return true;
}

}  // namespace korvo::annotate
