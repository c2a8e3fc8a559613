#include "indicators/shinohara.h"

#include "chart/panel_drawing.h"
#include "data/printf.h"
#include "indicators/overlay_drawing.h"
#include "indicators/signal_records.h"

namespace korvo::indicators {

namespace {

constexpr int kHeight = 400;

struct Prices {
    std::vector<float> open, high, low, close;
};

Prices InOrder(const data::PriceSeries& s, const chart::ChartGeometry& g) {
    return {InChartOrder(SourceValues(s, kSourceOpen), g),
            InChartOrder(SourceValues(s, kSourceHigh), g),
            InChartOrder(SourceValues(s, kSourceLow), g),
            InChartOrder(SourceValues(s, kSourceClose), g)};
}

// 1.0 stands 200 units above the base; a zero denominator leaves the ratio 0.
void SetRatio(IndicatorLine& line, int bar, float numerator, float denominator, int base) {
    if (denominator == 0.0f) {
        line.Set(bar, 0.0f, base);
        return;
    }
    const float ratio = numerator / denominator;
    line.Set(bar, ratio, chart::ClampLayout(static_cast<float>(base) - 200.0f * ratio));
}

// The moves of each bar's high and low from the middle of the bar before, the
// terms every CR-like sum adds up (bar 0 has none).
struct MiddleMoves {
    std::vector<float> up;
    std::vector<float> down;
};

MiddleMoves MovesFromMiddle(const Prices& p) {
    const std::size_t n = p.close.size();
    MiddleMoves m{std::vector<float>(n, 0.0f), std::vector<float>(n, 0.0f)};
    for (std::size_t j = 1; j < n; ++j) {
        const float middle = (p.high[j - 1] + p.low[j - 1]) / 2.0f;
        m.up[j] = p.high[j] - middle;
        m.down[j] = middle - p.low[j];
    }
    return m;
}

// CR-like ratio over `window` bars before each bar, each window summed afresh
// in order as the chart always has. Four neighbouring bars are summed side by
// side: each sum still adds its own terms in the same order, so the results
// are the same, only the additions no longer wait for one another.
IndicatorLine MiddleRatio(const MiddleMoves& m, int window, int base) {
    constexpr int kLanes = 4;
    const int n = static_cast<int>(m.up.size());
    IndicatorLine line(n);
    int i = window + 1;
    for (; i + kLanes <= n; i += kLanes) {
        float up[kLanes] = {};
        float down[kLanes] = {};
        const float* u = m.up.data() + (i - window);
        const float* d = m.down.data() + (i - window);
        for (int j = 0; j < window; ++j) {
            for (int k = 0; k < kLanes; ++k) {
                up[k] += u[j + k];
                down[k] += d[j + k];
            }
        }
        for (int k = 0; k < kLanes; ++k)
            SetRatio(line, i + k, up[k], down[k], base);
    }
    for (; i < n; ++i) {
        float up = 0.0f, down = 0.0f;
        for (int j = i - window; j < i; ++j) {
            up += m.up[static_cast<std::size_t>(j)];
            down += m.down[static_cast<std::size_t>(j)];
        }
        SetRatio(line, i, up, down, base);
    }
    return line;
}

}  // namespace

ShinoharaRatio ComputeShinoharaRatio(const data::PriceSeries& s, const chart::ChartGeometry& g) {
    ShinoharaRatio r;
    const int n = s.barCount;
    r.ar = r.br = IndicatorLine(n);
    for (IndicatorLine& belt : r.belts)
        belt = IndicatorLine(n);
    const Prices p = InOrder(s, g);
    const int bottom = g.indicatorBottom;
    for (int i = kShinoharaPeriod + 1; i < n; ++i) {
        float arUp = 0.0f, arDown = 0.0f, brUp = 0.0f, brDown = 0.0f;
        for (int j = i - kShinoharaPeriod; j < i; ++j) {
            const auto at = static_cast<std::size_t>(j);
            arUp += p.high[at] - p.open[at];
            arDown += p.open[at] - p.low[at];
            brUp += p.high[at] - p.close[at - 1];
            brDown += p.close[at - 1] - p.low[at];
        }
        SetRatio(r.ar, i, arUp, arDown, bottom);
        SetRatio(r.br, i, brUp, brDown, bottom);
    }
    const MiddleMoves moves = MovesFromMiddle(p);
    for (std::size_t k = 0; k < kShinoharaBelts.size(); ++k)
        r.belts[k] = MiddleRatio(moves, kShinoharaBelts[k].window, g.priceBottom);
    return r;
}

std::string ShinoharaTitle() {
    return data::Printf("篠原レシオ (%d)", kShinoharaPeriod);
}

std::string ShinoharaSignalText(const data::PriceSeries& s, const chart::ChartGeometry& g,
                                const ShinoharaRatio& r) {
    std::string text = SignalHeader(kShinoharaHeader, s.title, ShinoharaTitle());
    if (s.barCount < 1) return text;
    text += IndicatorStartRecord(s.year[0], s.month[0], s.day[0], g.barX[0], 0);
    const IndicatorLine& cr = r.belts[kShinoharaCrLine];
    bool open = false;
    for (int i = kShinoharaMinBars - 1; i <= s.barCount - 2; ++i) {
        if (!cr.Has(i)) continue;
        const float value = cr.ValueAt(i);
        bool belowAll = true;
        bool atOrAboveAll = true;
        for (std::size_t k = 0; k < kShinoharaCrLine; ++k) {
            const IndicatorLine& belt = r.belts[k];
            const int at = i - kShinoharaBelts[k].signalLag;
            const float beltValue = belt.Has(at) ? belt.ValueAt(at) : 0.0f;
            if (!(value < beltValue)) belowAll = false;
            if (value < beltValue) atOrAboveAll = false;
        }
        if (belowAll && !open) {
            text += BarRecord(s, g, kRecordBuy, i, 0);
            open = true;
        } else if (atOrAboveAll && open) {
            text += BarRecord(s, g, kRecordSell, i, 1);
            open = false;
        }
    }
    return text + EndRecord(s, g, open);
}

namespace {

// The frame and the scale 50 .. 200 % over a base line.
void DrawRatioScale(const DrawTarget& t, int base) {
    DrawFrameAt(t, base, kHeight, chart::kGridQuarters);
    const platform::Colour blue = t.objects->paletteBrush[1].colour;
    for (int k = 0; k < 4; ++k)
        DrawScale(t, blue, static_cast<float>(200 - 50 * k), base - 400 + 100 * k, false);
}

void DrawArBr(const DrawTarget& t, const ShinoharaRatio& r) {
    const view::DrawingObjects& o = *t.objects;
    const chart::ChartGeometry& g = t.geometry;
    t.canvas->SetClip(g.lowerRegion);
    DrawTitleAt(t, ShinoharaTitle(), g.priceBottom + 50);
    DrawRatioScale(t, g.indicatorBottom);
    DrawLine(t, o.palettePen[4], r.ar);
    DrawEndLabel(t, o.paletteBrush[4].colour, " AR ", r.ar);
    DrawLine(t, o.palettePen[2], r.br);
    DrawShiftedEndLabel(t, o.paletteBrush[2].colour, " BR ", r.br, 0, 40);
}

void DrawCr(const DrawTarget& t, const ShinoharaRatio& r) {
    const view::DrawingObjects& o = *t.objects;
    const chart::ChartGeometry& g = t.geometry;
    t.canvas->SetClip(g.priceRegion);
    DrawTitleAt(t, ShinoharaTitle(), g.priceTop + 50);
    DrawRatioScale(t, g.priceBottom);
    for (std::size_t k = 0; k < kShinoharaBelts.size(); ++k) {
        const ShinoharaBelt& belt = kShinoharaBelts[k];
        const auto palette = static_cast<std::size_t>(belt.palette);
        DrawShiftedLine(t, o.palettePen[palette], r.belts[k], belt.shiftSlots, true);
        DrawShiftedEndLabel(t, o.paletteBrush[palette].colour, belt.label, r.belts[k],
                            belt.shiftSlots, 0);
    }
}

}  // namespace

int DrawShinoharaRatio(const DrawTarget& t, ShinoharaPart part, const SignalOutput& output) {
    if (t.series.barCount < kShinoharaMinBars) return kTooFewBars;
    const ShinoharaRatio r = ComputeShinoharaRatio(t.series, t.geometry);
    if (!WriteSignalFile(output.startDirectory, SignalFile::Shinohara,
                         ShinoharaSignalText(t.series, t.geometry, r), output.written))
        return kSignalFileFailed;
    if (!t.Draws()) return kSignalFileDone;
    if (part == ShinoharaPart::ArBr)
        DrawArBr(t, r);
    else
        DrawCr(t, r);
    return kSignalFileDone;
}

}  // namespace korvo::indicators
