#include "indicators/psychological_line.h"

#include "data/printf.h"

namespace korvo::indicators {

IndicatorLine ComputePsychologicalLine(const data::PriceSeries& s, const chart::ChartGeometry& g,
                                       int period) {
    IndicatorLine line(s.barCount);
    if (period < 1) return line;
    const auto close = [&](int j) { return s.close[static_cast<std::size_t>(j)]; };
    const long long height = static_cast<long long>(g.priceBottom) - g.priceTop;
    for (int i = period; i < s.barCount; ++i) {
        int up = 0;
        for (int j = i - period; j < i; ++j)
            if (close(j + 1) > close(j)) ++up;
        const long long y = g.priceBottom - (height * up) / period;
        line.Set(i, static_cast<float>(up), static_cast<int>(y));
    }
    return line;
}

std::string PsychologicalTitle(int period) {
    return data::Printf("ｻｲｺﾛｼﾞｶﾙ ﾗｲﾝ(%d)", period);
}

int DrawPsychologicalLine(const DrawTarget& t, int period) {
    if (period < 1 || t.series.barCount < period) return kTooFewBars;
    const IndicatorLine line = ComputePsychologicalLine(t.series, t.geometry, period);
    if (!t.Draws()) return kIndicatorDrawn;
    DrawLine(t, t.objects->annotationPen, line);
    DrawEndLabel(t, t.objects->paletteBrush[4].colour, PsychologicalTitle(period), line);
    return kIndicatorDrawn;
}

}  // namespace korvo::indicators
