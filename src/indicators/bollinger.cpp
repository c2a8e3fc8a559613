#include "indicators/bollinger.h"

#include <algorithm>
#include <cmath>

#include "chart/panel_drawing.h"
#include "indicators/overlay_drawing.h"

namespace korvo::indicators {

namespace {

constexpr int kHeight = 400;

}  // namespace

Bollinger ComputeBollinger(const data::PriceSeries& s, const chart::ChartGeometry& g, int period) {
    Bollinger r;
    r.period = period;
    const int n = s.barCount;
    r.sigma = r.average = r.upper = r.lower = IndicatorLine(n);
    if (period < 2) return r;
    const std::vector<float> c = InChartOrder(SourceValues(s, kSourceClose), g);
    auto close = [&](int j) { return c[static_cast<std::size_t>(j)]; };
    std::vector<float> sigma(static_cast<std::size_t>(std::max(n, 0)), 0.0f);
    std::vector<float> mean(sigma.size(), 0.0f);
    for (int k = 0; k + period < n; ++k) {
        // The deviation takes one close fewer than the average.
        float sum = 0.0f;
        for (int j = k; j <= k + period - 2; ++j)
            sum += close(j);
        const float m = sum / static_cast<float>(period - 1);
        float squares = 0.0f;
        for (int j = k; j <= k + period - 2; ++j)
            squares += (close(j) - m) * (close(j) - m);
        const auto at = static_cast<std::size_t>(k);
        sigma[at] = std::sqrt(squares / static_cast<float>(period - 1));
        r.sigmaMax = std::max(r.sigmaMax, sigma[at]);
        float total = 0.0f;
        for (int j = k; j <= k + period - 1; ++j)
            total += close(j);
        mean[at] = total / static_cast<float>(period);
    }
    const float bottom = static_cast<float>(g.indicatorBottom);
    for (int k = 0; k + period < n; ++k) {
        const auto at = static_cast<std::size_t>(k);
        const int bar = k + period;
        const int y = r.sigmaMax != 0.0f
                          ? chart::ClampLayout(bottom - sigma[at] * 400.0f / r.sigmaMax)
                          : g.indicatorBottom;
        r.sigma.Set(bar, sigma[at], y);
        r.average.Set(bar, mean[at], chart::PriceY(g, mean[at]));
        const float up = mean[at] + 2.0f * sigma[at];
        const float down = mean[at] - 2.0f * sigma[at];
        r.upper.Set(bar, up, chart::PriceY(g, up));
        r.lower.Set(bar, down, chart::PriceY(g, down));
    }
    return r;
}

int DrawBollinger(const DrawTarget& t, int period, bool withPanel) {
    if (t.series.barCount < 2 || period < 2) return kTooFewBars;
    const Bollinger r = ComputeBollinger(t.series, t.geometry, period);
    if (!t.Draws()) return kIndicatorDrawn;
    const view::DrawingObjects& o = *t.objects;
    const chart::ChartGeometry& g = t.geometry;
    if (withPanel) {
        const int bottom = g.indicatorBottom;
        DrawFrame(t, kHeight, chart::kGridFifths);
        const platform::Colour blue = o.paletteBrush[1].colour;
        DrawScale(t, blue, r.sigmaMax, bottom - 400, true);
        DrawScale(t, blue, r.sigmaMax / 2.0f, bottom - 200, true);
        DrawScale(t, blue, 0.0f, bottom - 50, true);
        DrawLine(t, o.palettePen[3], r.sigma);
        DrawTitle(t, kBollingerTitle);
        DrawEndLabel(t, o.paletteBrush[4].colour, kBollingerTitle, r.sigma);
    }
    t.canvas->SetClip(g.priceRegion);
    DrawLine(t, o.palettePen[3], r.average);
    const int last = r.average.LastBar();
    if (last >= 0)
        DrawLabelAt(t, o.paletteBrush[2].colour, kBollingerTitle,
                    g.barX[static_cast<std::size_t>(last)] + 50.0f, r.average.YAt(last), 0);
    DrawShiftedLine(t, o.bollingerPen, r.upper, 0, true);
    DrawShiftedLine(t, o.bollingerPen, r.lower, 0, true);
    return kIndicatorDrawn;
}

}  // namespace korvo::indicators
