#include "indicators/overlay_drawing.h"

namespace korvo::indicators {

using chart::LogicalPoint;

void DrawShiftedLine(const DrawTarget& t, const platform::Pen& pen, const IndicatorLine& line,
                     int shiftSlots, bool allAtCentre) {
    const chart::ChartGeometry& g = t.geometry;
    const long long shift = static_cast<long long>(shiftSlots) * g.slotPitch;
    DrawLineThrough(t, pen, line, [&](int i) {
        const bool centre = allAtCentre || i != line.firstBar;
        // Far-off shifts are held at the layout limit.
        return chart::ClampLayout(
            static_cast<double>(chart::TruncToInt(g.barX[static_cast<std::size_t>(i)])) +
            static_cast<double>(shift) + (centre ? g.slotPitch / 2 : 0));
    });
}

void DrawShiftedEndLabel(const DrawTarget& t, platform::Colour colour, std::string_view text,
                         const IndicatorLine& line, int shiftSlots, int offset) {
    const int last = line.LastBar();
    if (last < 0) return;
    const float x = t.geometry.barX[static_cast<std::size_t>(last)] +
                    static_cast<float>(shiftSlots * t.geometry.slotPitch);
    DrawLabelAt(t, colour, text, x, line.YAt(last), offset);
}

void DrawRule(const DrawTarget& t, const platform::Pen& pen, int layoutY) {
    if (!t.Draws()) return;
    const chart::ChartGeometry& g = t.geometry;
    t.canvas->SelectPen(pen);
    t.canvas->MoveTo(LogicalPoint(g.leftX, layoutY, g));
    t.canvas->LineTo(LogicalPoint(g.rightX, layoutY, g));
}

}  // namespace korvo::indicators
