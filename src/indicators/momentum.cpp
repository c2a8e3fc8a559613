#include "indicators/momentum.h"

#include <algorithm>

#include "chart/panel_drawing.h"
#include "data/printf.h"

namespace korvo::indicators {

namespace {

constexpr int kHeight = 400;

bool PeriodFits(int period, int barCount) {
    return period >= 2 && period < barCount;
}

}  // namespace

Momentum ComputeMomentum(const data::PriceSeries& s, const chart::ChartGeometry& g, int period) {
    Momentum result;
    result.m = IndicatorLine(s.barCount);
    if (!PeriodFits(period, s.barCount)) return result;
    const std::vector<float> c = InChartOrder(SourceValues(s, kSourceClose), g);
    std::vector<float> m(c.size(), 0.0f);
    float hi = -999999995904.0f;
    float lo = 99999997952.0f;
    for (int i = period; i < s.barCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        m[at] = c[at] - c[static_cast<std::size_t>(i - period)];
        hi = std::max(hi, m[at]);
        lo = std::min(lo, m[at]);
    }
    result.hi = hi;
    result.lo = lo;
    const float scale = hi != lo ? static_cast<float>(kHeight) / (hi - lo) : 0.0f;
    for (int i = period; i < s.barCount; ++i) {
        const float v = m[static_cast<std::size_t>(i)];
        result.m.Set(i, v,
                     chart::TruncToInt(static_cast<float>(g.indicatorBottom) - (v - lo) * scale));
    }
    return result;
}

std::string MomentumTitle(int period) {
    return data::Printf(" Momentum(%d)", period);
}

int DrawMomentum(const DrawTarget& t, int period) {
    if (!PeriodFits(period, t.series.barCount)) return kTooFewBars;
    const Momentum result = ComputeMomentum(t.series, t.geometry, period);
    if (!t.Draws()) return kIndicatorDrawn;
    const view::DrawingObjects& o = *t.objects;
    const int bottom = t.geometry.indicatorBottom;
    DrawFrame(t, kHeight, chart::kGridMiddle);
    const platform::Colour blue = o.paletteBrush[1].colour;
    DrawScale(t, blue, result.hi, bottom - 400, true);
    DrawScale(t, blue, (result.hi + result.lo) / 2.0f, bottom - 200, true);
    DrawScale(t, blue, result.lo, bottom - 50, true);
    DrawLine(t, o.palettePen[4], result.m);
    const std::string title = MomentumTitle(period);
    DrawTitle(t, title);
    DrawEndLabel(t, o.paletteBrush[4].colour, title, result.m);
    return kIndicatorDrawn;
}

}  // namespace korvo::indicators
