#include "indicators/indicator_line.h"

#include "chart/panel_drawing.h"
#include "indicators/sort_with_companion.h"

namespace korvo::indicators {

using chart::LogicalY;

IndicatorLine::IndicatorLine(int barCount)
    : value(static_cast<std::size_t>(barCount > 0 ? barCount : 0), 0.0f),
      y(value.size(), 0),
      valued(value.size(), 0) {}

void IndicatorLine::Set(int bar, float v, int layoutY) {
    const auto at = static_cast<std::size_t>(bar);
    value[at] = v;
    y[at] = layoutY;
    valued[at] = 1;
    if (firstBar < 0 || bar < firstBar) firstBar = bar;
}

int IndicatorLine::LastBar() const {
    for (int i = static_cast<int>(valued.size()) - 1; i >= 0; --i)
        if (valued[static_cast<std::size_t>(i)]) return i;
    return -1;
}

int IndicatorLine::Count() const {
    int n = 0;
    for (const std::uint8_t v : valued)
        n += v;
    return n;
}

std::vector<float> SourceValues(const data::PriceSeries& s, int source) {
    const auto n = static_cast<std::size_t>(s.barCount);
    std::vector<float> out(n);
    for (std::size_t i = 0; i < n; ++i) {
        switch (source) {
            case kSourceVolume:
                out[i] = static_cast<float>(s.volume[i]);
                break;
            case kSourceOpen:
                out[i] = s.open[i];
                break;
            case kSourceHigh:
                out[i] = s.high[i];
                break;
            case kSourceLow:
                out[i] = s.low[i];
                break;
            default:
                out[i] = s.close[i];
                break;
        }
    }
    return out;
}

std::vector<float> InChartOrder(std::vector<float> values, const chart::ChartGeometry& geometry) {
    const int n = static_cast<int>(values.size());
    std::vector<float> keys(geometry.barX.begin(), geometry.barX.begin() + n);
    SortWithCompanion(keys.data(), values.data(), n, true);
    return values;
}

int FractionY(int indicatorBottom, float height, float fraction) {
    return chart::PanelValueY(indicatorBottom, height, fraction);
}

void DrawLine(const DrawTarget& t, const platform::Pen& pen, const IndicatorLine& line) {
    const chart::ChartGeometry& g = t.geometry;
    DrawLineThrough(t, pen, line, [&](int i) {
        return chart::TruncToInt(g.barX[static_cast<std::size_t>(i)]) +
               (i == line.firstBar ? 0 : g.slotPitch / 2);
    });
}

void DrawEndLabel(const DrawTarget& t, platform::Colour colour, std::string_view text,
                  const IndicatorLine& line) {
    const int last = line.LastBar();
    if (last < 0) return;
    DrawLabelAt(t, colour, text, t.geometry.barX[static_cast<std::size_t>(last)], line.YAt(last),
                0);
}

void DrawLabelAt(const DrawTarget& t, platform::Colour colour, std::string_view text, float layoutX,
                 int layoutY, int offset) {
    if (!t.Draws()) return;
    const chart::ChartGeometry& g = t.geometry;
    chart::DrawLineEndLabel(*t.canvas, *t.objects, colour, text, layoutX, -layoutY, g.xPercent,
                            g.yPercent, offset);
}

void DrawTitle(const DrawTarget& t, std::string_view text) {
    DrawTitleAt(t, text, t.geometry.priceBottom + 50);
}

void DrawTitleAt(const DrawTarget& t, std::string_view text, int layoutY) {
    if (!t.Draws()) return;
    const chart::ChartGeometry& g = t.geometry;
    chart::DrawPanelTitle(*t.canvas, *t.objects, text, g.leftLogical, LogicalY(layoutY, g.yPercent),
                          g.rightLogical, t.horizontalFactor, t.printing);
}

void DrawFrame(const DrawTarget& t, int height, int gridMode) {
    DrawFrameAt(t, t.geometry.indicatorBottom, height, gridMode);
}

void DrawFrameAt(const DrawTarget& t, int bottom, int height, int gridMode) {
    if (!t.Draws()) return;
    const chart::ChartGeometry& g = t.geometry;
    chart::DrawPanelFrame(*t.canvas, *t.objects, g.leftX, g.rightX, 0, bottom, g.xPercent,
                          g.yPercent, height, gridMode);
}

void DrawScale(const DrawTarget& t, platform::Colour colour, float value, int layoutY,
               bool decimals) {
    if (!t.Draws()) return;
    const chart::ChartGeometry& g = t.geometry;
    chart::DrawScaleValue(*t.canvas, t.objects->scaleFont, colour, value, g.leftLogical,
                          g.rightLogical, LogicalY(layoutY, g.yPercent), chart::kAlignLeft,
                          decimals);
}

}  // namespace korvo::indicators
