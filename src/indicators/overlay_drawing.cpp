#include "indicators/overlay_drawing.h"

#include <vector>

#include "chart/panel_drawing.h"

namespace korvo::indicators {

using chart::LogicalPoint;
using chart::LogicalY;
using platform::Point;

void DrawShiftedLine(const DrawTarget& t, const platform::Pen& pen, const IndicatorLine& line,
                     int shiftSlots, bool allAtCentre) {
    if (!t.Draws() || line.firstBar < 0) return;
    const chart::ChartGeometry& g = t.geometry;
    const long long shift = static_cast<long long>(shiftSlots) * g.slotPitch;
    t.canvas->SelectPen(pen);
    std::vector<Point> run;
    auto flush = [&] {
        if (run.size() >= 2) t.canvas->Polyline(run);
        run.clear();
    };
    const int n = static_cast<int>(line.valued.size());
    for (int i = line.firstBar; i < n; ++i) {
        if (!line.Has(i)) {
            flush();
            continue;
        }
        const bool centre = allAtCentre || i != line.firstBar;
        const int x = chart::ClampLayout(
            static_cast<double>(chart::TruncToInt(g.barX[static_cast<std::size_t>(i)])) +
            static_cast<double>(shift) + (centre ? g.slotPitch / 2 : 0));
        run.push_back(LogicalPoint(x, line.YAt(i), g));
    }
    flush();
}

void DrawShiftedEndLabel(const DrawTarget& t, platform::Colour colour, std::string_view text,
                         const IndicatorLine& line, int shiftSlots, int offset) {
    const int last = line.LastBar();
    if (last < 0) return;
    const float x = t.geometry.barX[static_cast<std::size_t>(last)] +
                    static_cast<float>(shiftSlots * t.geometry.slotPitch);
    DrawLabelAt(t, colour, text, x, line.YAt(last), offset);
}

void DrawLabelAt(const DrawTarget& t, platform::Colour colour, std::string_view text, float layoutX,
                 int layoutY, int offset) {
    if (!t.Draws()) return;
    const chart::ChartGeometry& g = t.geometry;
    chart::DrawLineEndLabel(*t.canvas, *t.objects, colour, text, layoutX, -layoutY, g.xPercent,
                            g.yPercent, offset);
}

void DrawFrameAt(const DrawTarget& t, int bottom, int height, int gridMode) {
    if (!t.Draws()) return;
    const chart::ChartGeometry& g = t.geometry;
    chart::DrawPanelFrame(*t.canvas, *t.objects, g.leftX, g.rightX, 0, bottom, g.xPercent,
                          g.yPercent, height, gridMode);
}

void DrawTitleAt(const DrawTarget& t, std::string_view text, int layoutY) {
    if (!t.Draws()) return;
    const chart::ChartGeometry& g = t.geometry;
    chart::DrawPanelTitle(*t.canvas, *t.objects, text, g.leftLogical, LogicalY(layoutY, g.yPercent),
                          g.rightLogical, t.horizontalFactor, t.printing);
}

void DrawRule(const DrawTarget& t, const platform::Pen& pen, int layoutY) {
    if (!t.Draws()) return;
    const chart::ChartGeometry& g = t.geometry;
    t.canvas->SelectPen(pen);
    t.canvas->MoveTo(LogicalPoint(g.leftX, layoutY, g));
    t.canvas->LineTo(LogicalPoint(g.rightX, layoutY, g));
}

}  // namespace korvo::indicators
