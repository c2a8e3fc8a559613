#include "indicators/deviation.h"

#include <algorithm>
#include <cmath>

#include "chart/panel_drawing.h"
#include "data/printf.h"

namespace korvo::indicators {

namespace {

constexpr int kHeight = 400;

float MeanBefore(const data::PriceSeries& s, int i, int period) {
    float sum = 0.0f;
    for (int j = i - period; j < i; ++j)
        sum += s.close[static_cast<std::size_t>(j)];
    return sum / static_cast<float>(period);
}

}  // namespace

Deviation ComputeDeviation(const data::PriceSeries& s, const chart::ChartGeometry& g, int periodA,
                           int periodB) {
    Deviation d;
    d.shortPeriod = std::min(periodA, periodB);
    d.longPeriod = std::max(periodA, periodB);
    d.gap = IndicatorLine(s.barCount);
    if (d.shortPeriod < 1) return d;
    std::vector<float> gaps(static_cast<std::size_t>(std::max(s.barCount, 0)), 0.0f);
    // The search starts where the original does; with no gap at all the range is 0.
    float largest = -10000000.0f;
    float smallest = 1000000000.0f;
    for (int i = d.longPeriod; i < s.barCount; ++i) {
        const float gap = MeanBefore(s, i, d.shortPeriod) - MeanBefore(s, i, d.longPeriod);
        gaps[static_cast<std::size_t>(i)] = gap;
        largest = std::max(largest, gap);
        smallest = std::min(smallest, gap);
    }
    if (d.longPeriod < s.barCount)
        d.range = 2.0f * std::max(std::fabs(largest), std::fabs(smallest));
    const float scale = d.range != 0.0f ? static_cast<float>(kHeight) / d.range : 0.0f;
    for (int i = d.longPeriod; i < s.barCount; ++i) {
        const float gap = gaps[static_cast<std::size_t>(i)];
        d.gap.Set(i, gap,
                  chart::TruncToInt(static_cast<float>(g.indicatorBottom) -
                                    (d.range / 2.0f + gap) * scale));
    }
    return d;
}

std::string DeviationTitle(int shortPeriod, int longPeriod) {
    return data::Printf("ｶｲﾘ 幅 (%d - %d)", shortPeriod, longPeriod);
}

int DrawDeviation(const DrawTarget& t, int periodA, int periodB) {
    if (std::min(periodA, periodB) < 1) return kTooFewBars;
    const Deviation d = ComputeDeviation(t.series, t.geometry, periodA, periodB);
    if (!t.Draws()) return kIndicatorDrawn;
    const view::DrawingObjects& o = *t.objects;
    const int bottom = t.geometry.indicatorBottom;
    DrawFrame(t, kHeight, chart::kGridMiddle);
    DrawLine(t, o.palettePen[4], d.gap);
    const platform::Colour green = o.paletteBrush[2].colour;
    DrawScale(t, green, d.range / 2.0f, bottom - 420, true);
    DrawScale(t, green, 0.0f, bottom - 220, true);
    DrawScale(t, green, 0.0f - d.range / 2.0f, bottom - 20, true);
    const std::string title = DeviationTitle(d.shortPeriod, d.longPeriod);
    DrawTitle(t, title);
    DrawEndLabel(t, o.paletteBrush[4].colour, title, d.gap);
    return kIndicatorDrawn;
}

}  // namespace korvo::indicators
