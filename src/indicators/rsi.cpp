#include "indicators/rsi.h"

#include <algorithm>

#include "chart/panel_drawing.h"
#include "data/printf.h"

namespace korvo::indicators {

IndicatorLine ComputeRsi(const data::PriceSeries& s, const chart::ChartGeometry& g, int period,
                         int mode) {
    IndicatorLine line(s.barCount);
    if (period < 1) return line;
    const std::vector<float> c = InChartOrder(SourceValues(s, kSourceClose), g);
    const auto at = [&](int j) { return c[static_cast<std::size_t>(j)]; };
    float r = 0.0f;
    for (int i = period; i < s.barCount; ++i) {
        if (mode == kModePercentR) {
            float hi = at(i - period);
            float lo = hi;
            for (int j = i - period; j < i; ++j) {
                hi = std::max(hi, at(j));
                lo = std::min(lo, at(j));
            }
            if (hi != lo) r = (at(i - 1) - lo) / (hi - lo);
            line.Set(i, r, FractionY(g.indicatorBottom, kRsiHeight, r));
            continue;
        }
        float falls = 0.0f;
        float negatives = 0.0f;
        for (int j = i - period; j < i; ++j) {
            const float d = at(j) - at(j + 1);
            if (d > 0.0f)
                falls += d;
            else
                negatives += d;
        }
        const float rises = -negatives;
        // No change in the window: the ratio is 0 / 0, so the bar gets no point.
        if (rises + falls == 0.0f) continue;
        const float rsi = rises / (rises + falls);
        line.Set(i, rsi, FractionY(g.indicatorBottom, kRsiHeight, rsi));
    }
    return line;
}

std::string RsiTitle(int period, int mode) {
    return mode == kModePercentR ? data::Printf("%%R Osc (%d)", period)
                                 : data::Printf("R.S.I.(%d)", period);
}

int DrawRsi(const DrawTarget& t, int period, int mode) {
    if (period < 1 || t.series.barCount < period) return kTooFewBars;
    const IndicatorLine line = ComputeRsi(t.series, t.geometry, period, mode);
    if (!t.Draws()) return kIndicatorDrawn;
    const view::DrawingObjects& o = *t.objects;
    const int bottom = t.geometry.indicatorBottom;
    const int height = static_cast<int>(kRsiHeight);
    const std::string title = RsiTitle(period, mode);
    DrawTitle(t, title);
    DrawFrame(t, height, chart::kGridQuarters);
    DrawLine(t, o.palettePen[4], line);
    DrawEndLabel(t, o.paletteBrush[4].colour, title, line);
    DrawScale(t, o.scaleText, 100.0f, bottom - height, false);
    DrawScale(t, o.scaleText, 75.0f, bottom - height * 3 / 4, false);
    DrawScale(t, o.scaleText, 50.0f, bottom - height / 2, false);
    DrawScale(t, o.scaleText, 25.0f, bottom - height / 4, false);
    return kIndicatorDrawn;
}

}  // namespace korvo::indicators
