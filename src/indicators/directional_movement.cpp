#include "indicators/directional_movement.h"

#include <algorithm>
#include <cmath>

#include "chart/panel_drawing.h"
#include "data/printf.h"
#include "indicators/overlay_drawing.h"

namespace korvo::indicators {

namespace {

constexpr int kHeight = 400;

struct Moves {
    std::vector<float> trueRange;
    std::vector<float> plus;
    std::vector<float> minus;
};

// True range and +DM / -DM of every bar from 1 on (bar 0 has no previous bar).
// A move counts only when it is the larger of the two and positive: equal
// moves, or two falls, count for neither side.
Moves MovesOf(const std::vector<float>& high, const std::vector<float>& low,
              const std::vector<float>& close) {
    const std::size_t n = close.size();
    Moves m{std::vector<float>(n, 0.0f), std::vector<float>(n, 0.0f), std::vector<float>(n, 0.0f)};
    for (std::size_t j = 1; j < n; ++j) {
        m.trueRange[j] =
            std::max({high[j] - low[j], high[j] - close[j - 1], close[j - 1] - low[j]});
        const float up = high[j] - high[j - 1];
        const float down = low[j - 1] - low[j];
        if (down < up && up > 0.0f) m.plus[j] = up;
        if (up < down && down > 0.0f) m.minus[j] = down;
    }
    return m;
}

}  // namespace

DirectionalMovement ComputeDirectionalMovement(const data::PriceSeries& s,
                                               const chart::ChartGeometry& g, int period) {
    DirectionalMovement r;
    r.period = period;
    const int n = s.barCount;
    r.pdi = r.mdi = r.difference = r.adx = r.adxr = IndicatorLine(n);
    if (period < 1) return r;
    const Moves m = MovesOf(InChartOrder(SourceValues(s, kSourceHigh), g),
                            InChartOrder(SourceValues(s, kSourceLow), g),
                            InChartOrder(SourceValues(s, kSourceClose), g));
    const int bottom = g.indicatorBottom;
    const float middle = static_cast<float>(bottom - 200);
    std::vector<float> dx(static_cast<std::size_t>(std::max(n, 0)), 0.0f);
    for (int i = period + 1; i < n; ++i) {
        float sTR = 0.0f, sP = 0.0f, sM = 0.0f;
        for (int j = i - period; j < i; ++j) {
            const auto at = static_cast<std::size_t>(j);
            sTR += m.trueRange[at];
            sP += m.plus[at];
            sM += m.minus[at];
        }
        if (sTR != 0.0f) {
            r.pdi.Set(i, sP / sTR,
                      chart::ClampLayout(static_cast<float>(bottom) - 800.0f * sP / sTR));
            r.mdi.Set(i, sM / sTR,
                      chart::ClampLayout(static_cast<float>(bottom) - 800.0f * sM / sTR));
            r.difference.Set(i, (sP - sM) / sTR,
                             chart::ClampLayout(middle - 400.0f * (sP - sM) / sTR));
        } else {
            // No range at all in the window: no direction either.
            r.pdi.Set(i, 0.0f, bottom);
            r.mdi.Set(i, 0.0f, bottom);
            r.difference.Set(i, 0.0f, bottom - 200);
        }
        if (sP + sM != 0.0f) dx[static_cast<std::size_t>(i)] = std::fabs(sP - sM) / (sP + sM);
    }
    for (int i = 2 * period; i < n; ++i) {
        float sum = 0.0f;
        for (int j = i - period; j < i; ++j)
            sum += dx[static_cast<std::size_t>(j)];
        const float mean = sum / static_cast<float>(period);
        r.adx.Set(i, mean, chart::ClampLayout(static_cast<float>(bottom) - 400.0f * mean));
    }
    // The ADXR has a value from bar 3 x period on, but its line starts one bar later.
    for (int i = 3 * period + 1; i < n; ++i) {
        long long sum = 0;
        for (int j = i - period; j < i; ++j)
            sum += r.adx.YAt(j);
        const int y = static_cast<int>(sum / period);
        r.adxr.Set(i, static_cast<float>(bottom - y) / 400.0f, y);
    }
    return r;
}

std::string DirectionalTitle(int period) {
    return data::Printf("D Mov %d-%d(dy/wk)", period, period);
}

int DrawDirectionalMovement(const DrawTarget& t, int period, int mode) {
    if (period < 1 || t.series.barCount < period) return kTooFewBars;
    const DirectionalMovement r = ComputeDirectionalMovement(t.series, t.geometry, period);
    if (!t.Draws()) return 1;
    const view::DrawingObjects& o = *t.objects;
    const int bottom = t.geometry.indicatorBottom;
    auto colour = [&](int palette) {
        return o.paletteBrush[static_cast<std::size_t>(palette)].colour;
    };
    DrawTitle(t, DirectionalTitle(period));
    if (mode == kDirectionalDifference) {
        DrawFrame(t, kHeight, chart::kGridMiddle);
        // The +-10 % zone.
        DrawRule(t, o.palettePen[4], bottom - 240);
        DrawRule(t, o.palettePen[4], bottom - 160);
        DrawScale(t, colour(15), 50.0f, bottom - 450, false);
        DrawScale(t, colour(15), 0.0f, bottom - 230, false);
        DrawScale(t, colour(15), -50.0f, bottom - 50, false);
        DrawLine(t, o.palettePen[3], r.difference);
        DrawEndLabel(t, colour(5), " PDI - MDI", r.difference);
        const int last = r.difference.LastBar();
        if (last >= 0) {
            const float x = t.geometry.barX[static_cast<std::size_t>(last)];
            // The zone texts are formats: each shows one percent sign.
            DrawLabelAt(t, colour(4), data::Printf(" +10%%  Zone"), x, bottom - 290, 150);
            DrawLabelAt(t, colour(4), data::Printf(" -10%%  Zone"), x, bottom - 140, 150);
        }
        return 1;
    }
    DrawFrame(t, kHeight, chart::kGridFifths);
    const int top = mode == kDirectionalAdx ? 100 : 50;
    for (int k = 0; k < 5; ++k)
        DrawScale(t, colour(1), static_cast<float>(top - k * top / 5), bottom - 400 + 80 * k,
                  false);
    if (mode == kDirectionalAdx) {
        DrawLine(t, o.palettePen[5], r.adx);
        DrawEndLabel(t, colour(5), " ADX", r.adx);
        DrawLine(t, o.palettePen[1], r.adxr);
        DrawEndLabel(t, colour(1), " ADXR", r.adxr);
        return 1;
    }
    DrawLine(t, o.palettePen[4], r.pdi);
    DrawEndLabel(t, colour(4), " PDI", r.pdi);
    DrawLine(t, o.palettePen[2], r.mdi);
    DrawShiftedEndLabel(t, colour(2), " MDI", r.mdi, 0, 40);
    return 1;
}

}  // namespace korvo::indicators
