#include "indicators/rci.h"

#include "chart/panel_drawing.h"
#include "indicators/indicator_params.h"
#include "indicators/sort_with_companion.h"

namespace korvo::indicators {

namespace {

constexpr int kHeight = 400;

int SourceCode(std::int32_t dataSet) {
    switch (dataSet) {
        case kRciHigh:
            return kSourceHigh;
        case kRciLow:
            return kSourceLow;
        case kRciOpen:
            return kSourceOpen;
        case kRciVolume:
            return kSourceVolume;
        default:
            return kSourceClose;
    }
}

}  // namespace

std::vector<float> RciSource(const data::PriceSeries& s, std::int32_t dataSet) {
    return SourceValues(s, SourceCode(dataSet));
}

IndicatorLine ComputeRci(const data::PriceSeries& s, const chart::ChartGeometry& g, int period,
                         std::int32_t dataSet) {
    IndicatorLine line(s.barCount);
    if (period < 2) return line;
    const std::vector<float> v = InChartOrder(RciSource(s, dataSet), g);
    // period * (period^2 - 1) in floating point: it passes 32 bits above 1290.
    const float divisor = static_cast<float>(period) *
                          (static_cast<float>(period) * static_cast<float>(period) - 1.0f);
    std::vector<float> values(static_cast<std::size_t>(period));
    std::vector<std::int32_t> times(static_cast<std::size_t>(period));
    for (int i = period; i < s.barCount; ++i) {
        for (int t = 0; t < period; ++t) {
            values[static_cast<std::size_t>(t)] = v[static_cast<std::size_t>(i - period + t)];
            times[static_cast<std::size_t>(t)] = t;
        }
        SortWithCompanion(values.data(), times.data(), period, true);
        float sum = 0.0f;
        for (int p = 0; p < period; ++p) {
            const float diff = static_cast<float>(times[static_cast<std::size_t>(p)] - p);
            sum += diff * diff;
        }
        const float rci = 1.0f - 6.0f * sum / divisor;
        line.Set(i, rci,
                 chart::TruncToInt(static_cast<float>(g.indicatorBottom - 200) - 200.0f * rci));
    }
    return line;
}

int DrawRci(const DrawTarget& t, int period, std::int32_t dataSet) {
    if (period < 2 || t.series.barCount < period) return kTooFewBars;
    const IndicatorLine line = ComputeRci(t.series, t.geometry, period, dataSet);
    if (!t.Draws()) return kIndicatorDrawn;
    const view::DrawingObjects& o = *t.objects;
    const int bottom = t.geometry.indicatorBottom;
    DrawFrame(t, kHeight, chart::kGridFifths);
    const platform::Colour blue = o.paletteBrush[1].colour;
    DrawScale(t, blue, 100.0f, bottom - 400, false);
    DrawScale(t, blue, 50.0f, bottom - 300, false);
    DrawScale(t, blue, 0.0f, bottom - 200, false);
    DrawScale(t, blue, -50.0f, bottom - 100, false);
    DrawScale(t, blue, -100.0f, bottom, false);
    DrawLine(t, o.palettePen[4], line);
    DrawTitle(t, " RCI");
    DrawEndLabel(t, o.paletteBrush[4].colour, " RCI", line);
    return kIndicatorDrawn;
}

}  // namespace korvo::indicators
