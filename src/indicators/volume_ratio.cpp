#include "indicators/volume_ratio.h"

#include <cstdint>

#include "chart/panel_drawing.h"
#include "data/printf.h"

namespace korvo::indicators {

IndicatorLine ComputeVolumeRatio(const data::PriceSeries& s, const chart::ChartGeometry& g,
                                 int period) {
    IndicatorLine line(s.barCount);
    if (period < 1) return line;
    for (int i = period + 1; i < s.barCount; ++i) {
        std::int64_t up = 0, flat = 0, total = 0;
        for (int j = i - period + 1; j <= i; ++j) {
            const auto at = static_cast<std::size_t>(j);
            const std::int64_t volume = s.volume[at];
            if (s.close[at] > s.close[at - 1]) up += volume;
            if (s.close[at] == s.close[at - 1]) flat += volume;
            total += volume;
        }
        const std::int64_t ratio = total != 0 ? ((up + flat / 2) * 100) / total : 0;
        line.Set(i, static_cast<float>(ratio),
                 static_cast<int>(g.chartBottom - (400 * ratio) / 100));
    }
    return line;
}

std::string VolumeRatioLabel(int period) {
    return data::Printf(" Volume Ratio(%d)", period);
}

int DrawVolumeRatio(const DrawTarget& t, int period) {
    if (!t.Draws() || t.series.maxVolume < 1 || period < 1) return kIndicatorDrawn;
    const view::DrawingObjects& o = *t.objects;
    const chart::ChartGeometry& g = t.geometry;
    const int firstX = chart::LogicalX(g.leftX + 200, g.xPercent);
    chart::DrawScaleCount(*t.canvas, o.scaleFont, o.scaleText, 100, firstX, g.rightLogical,
                          chart::LogicalY(g.chartBottom - 400, g.yPercent), chart::kAlignLeft);
    chart::DrawScaleCount(*t.canvas, o.scaleFont, o.scaleText, 50, firstX, g.rightLogical,
                          chart::LogicalY(g.chartBottom - 200, g.yPercent), chart::kAlignLeft);
    const IndicatorLine line = ComputeVolumeRatio(t.series, g, period);
    DrawLine(t, o.palettePen[4], line);
    DrawEndLabel(t, o.paletteBrush[4].colour, VolumeRatioLabel(period), line);
    return kIndicatorDrawn;
}

}  // namespace korvo::indicators
