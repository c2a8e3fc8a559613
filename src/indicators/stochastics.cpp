#include "indicators/stochastics.h"

#include <algorithm>

#include "chart/panel_drawing.h"
#include "indicators/signal_records.h"

namespace korvo::indicators {

namespace {

constexpr float kHeight = 400.0f;

struct Window {
    float hi = 0.0f;
    float lo = 0.0f;
};

// Highest and lowest of c[from .. to - 1].
Window Extremes(const std::vector<float>& c, int from, int to) {
    Window w{c[static_cast<std::size_t>(from)], c[static_cast<std::size_t>(from)]};
    for (int j = from; j < to; ++j) {
        w.hi = std::max(w.hi, c[static_cast<std::size_t>(j)]);
        w.lo = std::min(w.lo, c[static_cast<std::size_t>(j)]);
    }
    return w;
}

}  // namespace

Stochastics ComputeStochastics(const data::PriceSeries& s, const chart::ChartGeometry& g,
                               int period, int mode) {
    Stochastics r;
    r.period = period;
    r.mode = mode;
    r.k = IndicatorLine(s.barCount);
    r.d = IndicatorLine(s.barCount);
    r.sd = IndicatorLine(s.barCount);
    if (period < 1) return r;
    const std::vector<float> c = InChartOrder(SourceValues(s, kSourceClose), g);
    const int n = s.barCount;
    const int bottom = g.indicatorBottom;
    float k = 0.0f;
    for (int i = period; i < n; ++i) {
        const Window w = Extremes(c, i - period, i);
        if (w.hi != w.lo) k = (c[static_cast<std::size_t>(i - 1)] - w.lo) / (w.hi - w.lo);
        r.k.Set(i, k, FractionY(bottom, kHeight, k));
    }
    float dval = 0.0f;
    for (int i = period + 2; i < n; ++i) {
        float num = 0.0f;
        float den = 0.0f;
        for (int end = i - 3; end < i; ++end) {
            const Window w = Extremes(c, end - period + 1, end + 1);
            num += c[static_cast<std::size_t>(end)] - w.lo;
            den += w.hi - w.lo;
        }
        if (den != 0.0f) dval = num / den;
        r.d.Set(i, dval, FractionY(bottom, kHeight, dval));
    }
    if (mode == kStochasticsSlow) {
        for (int i = period + 6; i < n; ++i) {
            const int y = (r.d.YAt(i - 3) + r.d.YAt(i - 2) + r.d.YAt(i - 1)) / 3;
            r.sd.Set(i, static_cast<float>(y), y);
        }
    }
    return r;
}

std::string StochasticsSignalText(const data::PriceSeries& s, const chart::ChartGeometry& g,
                                  const Stochastics& r) {
    const bool slow = r.mode == kStochasticsSlow;
    std::string text =
        SignalHeader(slow ? kStochasticsSlowHeader : kStochasticsFastHeader, s.title);
    if (s.barCount < 1) return text;
    text += IndicatorStartRecord(s.year[0], s.month[0], s.day[0], s.close[0], 0);
    // A buy where %K (SD when slow) falls below %D on the chart (a larger y).
    return text + CrossingRecords(s, g, slow ? r.sd : r.k, r.d, r.period + 7);
}

int DrawStochastics(const DrawTarget& t, int period, int mode, const SignalOutput& output) {
    if (period < 1 || t.series.barCount < period) return kTooFewBars;
    const Stochastics r = ComputeStochastics(t.series, t.geometry, period, mode);
    if (!WriteSignalFile(output.startDirectory, SignalFile::Stochastics,
                         StochasticsSignalText(t.series, t.geometry, r), output.written))
        return kSignalFileFailed;
    if (!t.Draws()) return kSignalFileDone;
    const view::DrawingObjects& o = *t.objects;
    const int bottom = t.geometry.indicatorBottom;
    DrawFrame(t, static_cast<int>(kHeight), chart::kGridQuarters);
    if (mode != kStochasticsSlow) {
        DrawLine(t, o.palettePen[4], r.k);
        DrawEndLabel(t, o.paletteBrush[4].colour, " %K ", r.k);
    }
    DrawLine(t, o.palettePen[6], r.d);
    DrawEndLabel(t, o.paletteBrush[6].colour, " %D ", r.d);
    if (mode == kStochasticsSlow) {
        DrawLine(t, o.palettePen[3], r.sd);
        DrawEndLabel(t, o.paletteBrush[3].colour, " SD ", r.sd);
    }
    DrawTitle(t, "Stochastics");
    DrawScale(t, o.scaleText, 100.0f, bottom - 400, false);
    DrawScale(t, o.scaleText, 75.0f, bottom - 300, false);
    DrawScale(t, o.scaleText, 50.0f, bottom - 200, false);
    DrawScale(t, o.scaleText, 25.0f, bottom - 100, false);
    return kSignalFileDone;
}

}  // namespace korvo::indicators
