#include "indicators/ichimoku.h"

#include <algorithm>

#include "chart/panel_drawing.h"
#include "data/printf.h"
#include "indicators/overlay_drawing.h"

namespace korvo::indicators {

namespace {

// The middle of the highest and lowest close of each window of `window` bars
// before the bar.
IndicatorLine MiddleOfCloses(const std::vector<float>& c, const chart::ChartGeometry& g,
                             int window) {
    const int n = static_cast<int>(c.size());
    IndicatorLine line(n);
    for (int i = window; i < n; ++i) {
        const auto from = c.begin() + (i - window);
        const auto [lo, hi] = std::minmax_element(from, from + window);
        const float middle = (*hi + *lo) / 2.0f;
        line.Set(i, middle, chart::PriceY(g, middle));
    }
    return line;
}

}  // namespace

Ichimoku ComputeIchimoku(const data::PriceSeries& s, const chart::ChartGeometry& g, int shortPeriod,
                         int longPeriod) {
    Ichimoku r;
    r.shortPeriod = shortPeriod;
    r.longPeriod = longPeriod;
    const int n = s.barCount;
    r.conversion = r.base = r.span1 = r.span2 = r.lagging = IndicatorLine(n);
    if (shortPeriod < 1 || longPeriod < 1) return r;
    const std::vector<float> c = InChartOrder(SourceValues(s, kSourceClose), g);
    r.conversion = MiddleOfCloses(c, g, shortPeriod);
    r.base = MiddleOfCloses(c, g, longPeriod);
    r.span2 = MiddleOfCloses(c, g, kIchimokuSpan2Window);
    // A short period longer than the long one must not average a missing line.
    for (int i = std::max(shortPeriod, longPeriod); i < n; ++i) {
        const long long sum = static_cast<long long>(r.conversion.YAt(i)) + r.base.YAt(i);
        r.span1.Set(i, (r.conversion.ValueAt(i) + r.base.ValueAt(i)) / 2.0f,
                    static_cast<int>(sum / 2));
    }
    for (int i = 0; i < n; ++i) {
        const float close = c[static_cast<std::size_t>(i)];
        r.lagging.Set(i, close, chart::PriceY(g, close));
    }
    return r;
}

std::string LaggingLabel(int longPeriod) {
    return data::Printf("%d day/week Retard", longPeriod);
}

namespace {

// Span 2 with, at every bar, a stroke up to span 1 and back: the hatching.
void DrawHatchedSpan2(const DrawTarget& t, const Ichimoku& r) {
    const IndicatorLine& span2 = r.span2;
    if (span2.firstBar < 0) return;
    const chart::ChartGeometry& g = t.geometry;
    const long long shift = static_cast<long long>(r.longPeriod) * g.slotPitch;
    std::vector<platform::Point> points;
    const int n = static_cast<int>(span2.valued.size());
    for (int i = span2.firstBar; i < n; ++i) {
        const int x = chart::ClampLayout(
            static_cast<double>(chart::TruncToInt(g.barX[static_cast<std::size_t>(i)])) +
            static_cast<double>(shift) + (i == span2.firstBar ? 0 : g.slotPitch / 2));
        points.push_back(chart::LogicalPoint(x, span2.YAt(i), g));
        if (r.span1.Has(i)) {
            points.push_back(chart::LogicalPoint(x, r.span1.YAt(i), g));
            points.push_back(chart::LogicalPoint(x, span2.YAt(i), g));
        }
    }
    if (points.size() < 2) return;
    t.canvas->SelectPen(t.objects->palettePen[3]);
    t.canvas->Polyline(points);
}

}  // namespace

int DrawIchimoku(const DrawTarget& t, int shortPeriod, int longPeriod, IchimokuSwitches on) {
    if (!t.Draws() || shortPeriod < 1 || longPeriod < 1) return kIndicatorDrawn;
    const Ichimoku r = ComputeIchimoku(t.series, t.geometry, shortPeriod, longPeriod);
    const view::DrawingObjects& o = *t.objects;
    auto colour = [&](int palette) {
        return o.paletteBrush[static_cast<std::size_t>(palette)].colour;
    };
    t.canvas->SetClip(t.geometry.priceRegion);
    if (on.lines) {
        DrawLine(t, o.palettePen[4], r.conversion);
        DrawEndLabel(t, colour(4), " 転換線", r.conversion);
        DrawLine(t, o.palettePen[2], r.base);
        DrawEndLabel(t, colour(2), " 基準線", r.base);
    }
    if (on.spans) {
        DrawShiftedLine(t, o.palettePen[3], r.span1, longPeriod, false);
        DrawShiftedEndLabel(t, colour(3), " Span1", r.span1, longPeriod, 0);
        DrawHatchedSpan2(t, r);
        DrawShiftedEndLabel(t, colour(15), " Span 2", r.span2, longPeriod, 0);
    }
    if (on.lagging) {
        DrawShiftedLine(t, o.palettePen[5], r.lagging, -longPeriod, false);
        DrawShiftedEndLabel(t, colour(5), LaggingLabel(longPeriod), r.lagging, -longPeriod, 0);
    }
    return kIndicatorDrawn;
}

}  // namespace korvo::indicators
