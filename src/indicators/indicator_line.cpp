#include "indicators/indicator_line.h"

#include "chart/panel_drawing.h"
#include "indicators/sort_with_companion.h"

namespace korvo::indicators {

using chart::LogicalPoint;
using chart::LogicalY;
using platform::Point;

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
    if (!t.Draws() || line.firstBar < 0) return;
    const chart::ChartGeometry& g = t.geometry;
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
        const int x = chart::TruncToInt(g.barX[static_cast<std::size_t>(i)]) +
                      (i == line.firstBar ? 0 : g.slotPitch / 2);
        run.push_back(LogicalPoint(x, line.YAt(i), g));
    }
    flush();
}

void DrawEndLabel(const DrawTarget& t, platform::Colour colour, std::string_view text,
                  const IndicatorLine& line) {
    const int last = line.LastBar();
    if (!t.Draws() || last < 0) return;
    const chart::ChartGeometry& g = t.geometry;
    chart::DrawLineEndLabel(*t.canvas, *t.objects, colour, text,
                            g.barX[static_cast<std::size_t>(last)], -line.YAt(last), g.xPercent,
                            g.yPercent, 0);
}

void DrawTitle(const DrawTarget& t, std::string_view text) {
    if (!t.Draws()) return;
    const chart::ChartGeometry& g = t.geometry;
    chart::DrawPanelTitle(*t.canvas, *t.objects, text, g.leftLogical,
                          LogicalY(g.priceBottom + 50, g.yPercent), g.rightLogical,
                          t.horizontalFactor, t.printing);
}

void DrawFrame(const DrawTarget& t, int height, int gridMode) {
    if (!t.Draws()) return;
    const chart::ChartGeometry& g = t.geometry;
    chart::DrawPanelFrame(*t.canvas, *t.objects, g.leftX, g.rightX, 0, g.indicatorBottom,
                          g.xPercent, g.yPercent, height, gridMode);
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
