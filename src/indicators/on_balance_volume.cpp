#include "indicators/on_balance_volume.h"

#include <algorithm>

#include "chart/panel_drawing.h"
#include "indicators/overlay_drawing.h"

namespace korvo::indicators {

namespace {

constexpr int kHeight = 400;

}  // namespace

OnBalanceVolume ComputeOnBalanceVolume(const data::PriceSeries& s, const chart::ChartGeometry& g) {
    OnBalanceVolume r;
    const int n = s.barCount;
    r.obv = IndicatorLine(n);
    if (n < 2) return r;
    std::vector<std::int64_t> total(static_cast<std::size_t>(n), 0);
    std::int64_t running = 0;
    for (int i = 1; i < n; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (s.close[at] < s.close[at - 1]) running -= s.volume[at];
        if (s.close[at] > s.close[at - 1]) running += s.volume[at];
        total[at] = running;
        r.hi = std::max(r.hi, running);
        r.lo = std::min(r.lo, running);
    }
    // Without any change of close the scale has no height: the line lies on the bottom.
    const float range = static_cast<float>(r.hi - r.lo);
    const float scale = range != 0.0f ? static_cast<float>(kHeight) / range : 0.0f;
    for (int i = 1; i < n; ++i) {
        const std::int64_t v = total[static_cast<std::size_t>(i)];
        r.obv.Set(i, static_cast<float>(v),
                  chart::ClampLayout(static_cast<float>(g.indicatorBottom) -
                                     static_cast<float>(v - r.lo) * scale));
    }
    return r;
}

int DrawOnBalanceVolume(const DrawTarget& t) {
    if (t.series.barCount < 2) return kTooFewBars;
    const OnBalanceVolume r = ComputeOnBalanceVolume(t.series, t.geometry);
    if (!t.Draws()) return kIndicatorDrawn;
    const view::DrawingObjects& o = *t.objects;
    const int bottom = t.geometry.indicatorBottom;
    DrawFrame(t, kHeight, chart::kGridMiddle);
    const platform::Colour blue = o.paletteBrush[1].colour;
    const auto hi = static_cast<float>(r.hi);
    const auto lo = static_cast<float>(r.lo);
    DrawScale(t, blue, hi, bottom - 400, true);
    DrawScale(t, blue, (hi + lo) / 2.0f, bottom - 200, true);
    DrawScale(t, blue, lo, bottom - 50, true);
    DrawLine(t, o.palettePen[4], r.obv);
    DrawTitle(t, kObvTitle);
    DrawEndLabel(t, o.paletteBrush[4].colour, kObvTitle, r.obv);
    return kIndicatorDrawn;
}

}  // namespace korvo::indicators
