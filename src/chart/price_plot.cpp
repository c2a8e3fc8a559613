#include "chart/price_plot.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "data/data_text.h"

namespace korvo::chart {

using platform::HAlign;
using platform::Point;
using platform::Rect;
using platform::VAlign;

namespace {

constexpr float kHistogramLength = 1800.0f;
constexpr int kVolumeAlarmFactor = 3;
constexpr float kVolumePlotHeight = 400.0f;
// Labels need room between the bars.
constexpr int kLabelMinXPercent = 75;

void WriteText(platform::Canvas& canvas, Point at, HAlign align, const char* text) {
    canvas.SetTextAlign(align, VAlign::Top);
    canvas.TextOut(at, text);
}

void ExtremeText(char* out, std::size_t size, const char* label, float value,
                 const data::PriceSeries& s, std::size_t i) {
    if (data::PriceHasFraction(value)) {
        std::snprintf(out, size, " %s %6.2f(%d/%d/%d)", label, static_cast<double>(value),
                      s.year[i], s.month[i], s.day[i]);
    } else {
        std::snprintf(out, size, " %s %d(%d/%d/%d)", label, TruncToInt(value), s.year[i],
                      s.month[i], s.day[i]);
    }
}

void DrawExtremeMarks(const RenderContext& c, int i, int x, const BarLevels& y,
                      ExtremeMarks& marks) {
    const auto at = static_cast<std::size_t>(i);
    const data::PriceSeries& s = c.series;
    const ChartGeometry& g = c.geometry;
    const bool isMax = !marks.maxWritten && s.high[at] == s.rawMaxHigh;
    const bool isMin = !marks.minWritten && s.low[at] == s.rawMinLow;
    if (!isMax && !isMin) return;
    c.canvas.SelectFont(c.objects.markerFont);
    c.canvas.SetTextColour(c.objects.paletteBrush[4].colour);
    char text[96];
    if (isMax) {
        marks.maxWritten = true;
        ExtremeText(text, sizeof text, "Max", s.high[at], s, at);
        const int ty = y.high - 20;
        // A mark that would start above the panel is moved inside it.
        if (ty < g.priceTop)
            WriteText(c.canvas, LogicalPoint(x + 7, g.priceTop + 3, g), HAlign::Left, text);
        else
            WriteText(c.canvas, LogicalPoint(x + 7, ty, g), HAlign::Centre, text);
    }
    if (isMin) {
        marks.minWritten = true;
        ExtremeText(text, sizeof text, "Min", s.low[at], s, at);
        const int ty = y.low + 15;
        if (ty > g.priceBottom)
            WriteText(c.canvas, LogicalPoint(x + 7, g.priceBottom - 30, g), HAlign::Left, text);
        else
            WriteText(c.canvas, LogicalPoint(x + 7, ty, g), HAlign::Centre, text);
    }
}

void FormatPrice(char* out, std::size_t size, float value, bool decimals) {
    std::snprintf(out, size, decimals ? "%7.2f" : "%9.0f", static_cast<double>(value));
}

void DrawHighLowLabels(const RenderContext& c, int i, int x, const BarLevels& y) {
    const auto at = static_cast<std::size_t>(i);
    const ChartGeometry& g = c.geometry;
    c.canvas.SelectFont(UpwardValueFont(c.objects));
    c.canvas.SetTextColour(c.objects.scaleText);
    char text[48];
    FormatPrice(text, sizeof text, c.series.high[at], data::PriceHasFraction(c.series.high[at]));
    WriteText(c.canvas, LogicalPoint(x + 9, y.high - 10, g), HAlign::Left, text);
    FormatPrice(text, sizeof text, c.series.low[at], data::PriceHasFraction(c.series.low[at]));
    WriteText(c.canvas, LogicalPoint(x + 9, y.low + 10, g), HAlign::Right, text);
}

void DrawBody(const RenderContext& c, int x, const BarLevels& y) {
    const ChartGeometry& g = c.geometry;
    const int yp = g.yPercent;
    // A body shorter than 10 scaled units is drawn 10 units tall, growing away
    // from the open: upwards for a falling bar, downwards for a rising or flat one.
    int pad = std::abs(LogicalY(y.close - y.open, yp)) < 10 ? 10 : 0;
    if (y.open >= y.close) pad = -pad;
    if (c.options.barStyle == kStyleCandlestick) {
        const Rect body{LogicalX(x, g.xPercent), LogicalY(y.close - pad, yp),
                        LogicalX(x + g.barWidth, g.xPercent), LogicalY(y.open, yp)};
        c.canvas.FillRect(body, y.open < y.close ? c.objects.downBarBrush : c.objects.upBarBrush);
    } else if (c.options.barStyle == kStyleBar) {
        c.canvas.SelectPen(c.objects.linePen);
        c.canvas.MoveTo(LogicalPoint(x + 9, y.close, g));
        c.canvas.LineTo(LogicalPoint(x + g.barWidth, y.close, g));
    }
}

void DrawOpenCloseLabels(const RenderContext& c, int i, int x, const BarLevels& y) {
    const auto at = static_cast<std::size_t>(i);
    const float open = c.series.open[at];
    const float close = c.series.close[at];
    if (open == close) return;
    const ChartGeometry& g = c.geometry;
    const bool decimals = data::PriceHasFraction(open) || data::PriceHasFraction(close);
    const bool falling = close < open;
    c.canvas.SelectFont(UpwardValueFont(c.objects));
    c.canvas.SetTextColour(c.objects.dateText);
    char text[48];
    FormatPrice(text, sizeof text, falling ? open : close, decimals);
    WriteText(c.canvas, LogicalPoint(x - 2, (falling ? y.open : y.close) - 5, g), HAlign::Left,
              text);
    FormatPrice(text, sizeof text, falling ? close : open, decimals);
    WriteText(c.canvas, LogicalPoint(x - 2, (falling ? y.close : y.open) + 15, g), HAlign::Right,
              text);
}

bool InBand(float top, float band, int k, float close) {
    const float upper = top - static_cast<float>(k) * band;
    const float lower = top - static_cast<float>(k + 1) * band;
    return lower <= close && close < upper;
}

}  // namespace

int HistogramBand(float top, float band, float inverseBand, float close) {
    // Neighbouring bands share their bound exactly (both come from the same
    // product), so at most one band takes a close: guess it and look around.
    if (!(band > 0.0f)) return -1;
    const float guess = (top - close) * inverseBand;
    if (guess >= 0.0f && guess < static_cast<float>(kHistogramBands + 1)) {
        const int k0 = static_cast<int>(guess);
        if (k0 < kHistogramBands && InBand(top, band, k0, close)) return k0;
        if (k0 > 0 && InBand(top, band, k0 - 1, close)) return k0 - 1;
        if (k0 + 1 < kHistogramBands && InBand(top, band, k0 + 1, close)) return k0 + 1;
    }
    for (int k = 0; k < kHistogramBands; ++k)
        if (InBand(top, band, k, close)) return k;
    return -1;
}

int HistogramBand(float top, float band, float close) {
    return HistogramBand(top, band, band > 0.0f ? 1.0f / band : 0.0f, close);
}

platform::Font UpwardValueFont(const view::DrawingObjects& objects) {
    platform::Font font = objects.verticalValueFont;
    font.escapement = std::abs(font.escapement);
    return font;
}

void DrawBar(const RenderContext& c, int i, const BarLevels& y, ExtremeMarks& marks) {
    if (c.options.barStyle == kStyleLine) return;
    const ChartGeometry& g = c.geometry;
    const int x = TruncToInt(g.barX[static_cast<std::size_t>(i)]);
    c.canvas.SelectPen(c.objects.linePen);
    c.canvas.MoveTo(LogicalPoint(x + 9, y.high, g));
    c.canvas.LineTo(LogicalPoint(x + 9, y.low, g));
    DrawExtremeMarks(c, i, x, y, marks);
    const bool labelsFit = g.xPercent > kLabelMinXPercent;
    if (c.options.highLowLabels && labelsFit) DrawHighLowLabels(c, i, x, y);
    if (c.series.fileTypeId >= 220) return;
    DrawBody(c, x, y);
    if (c.options.openCloseLabels && labelsFit) DrawOpenCloseLabels(c, i, x, y);
}

void DrawTradeVolume(const RenderContext& c) {
    const data::PriceSeries& s = c.series;
    const ChartGeometry& g = c.geometry;
    platform::Canvas& canvas = c.canvas;
    if (s.maxVolume < 1) return;
    const float scale = kVolumePlotHeight / static_cast<float>(s.maxVolume);
    const bool labels =
        (c.options.openCloseLabels || c.options.highLowLabels) && g.xPercent > kLabelMinXPercent;
    const int baseY = LogicalY(g.chartBottom, g.yPercent);
    char text[96];
    for (int i = 0; i < s.barCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const int x = TruncToInt(g.barX[at]);
        const int volume = s.volume[at];
        const int y =
            ClampLayout(static_cast<float>(g.chartBottom) - static_cast<float>(volume) * scale);
        canvas.FillRect(Rect{LogicalX(x, g.xPercent), LogicalY(y, g.yPercent),
                             LogicalX(x + 5, g.xPercent) + 2, baseY},
                        c.objects.upBarBrush);
        if (labels) {
            std::snprintf(text, sizeof text, "%d", volume);
            canvas.SelectFont(UpwardValueFont(c.objects));
            canvas.SetTextColour(c.objects.dateText);
            WriteText(canvas, LogicalPoint(x - 5, y - 10, g), HAlign::Left, text);
        }
        if (c.options.volumeAlarm && i > 5) {
            // The average of the last five bars, this one included.
            const long long sum = static_cast<long long>(s.volume[at]) + s.volume[at - 1] +
                                  s.volume[at - 2] + s.volume[at - 3] + s.volume[at - 4];
            const long long average = sum / 5;
            if (volume > kVolumeAlarmFactor * average) {
                std::snprintf(text, sizeof text, "%d", volume);
                canvas.SelectFont(c.objects.scaleFont);
                canvas.SetTextColour(c.objects.paletteBrush[6].colour);
                WriteText(canvas, LogicalPoint(x - 20, y - 55, g), HAlign::Centre, text);
            }
        }
        if (volume == s.peakVolume) {
            std::snprintf(text, sizeof text, " Max %d(%d/%d/%d)", volume, s.year[at], s.month[at],
                          s.day[at]);
            canvas.SelectFont(c.objects.markerFont);
            canvas.SetTextColour(c.objects.paletteBrush[4].colour);
            WriteText(canvas, LogicalPoint(x - 20, y - 15, g), HAlign::Centre, text);
        }
    }
}

int DrawVolumeHistogram(const RenderContext& c) {
    const data::PriceSeries& s = c.series;
    const ChartGeometry& g = c.geometry;
    if (s.barCount < 2) return -1;
    // Totals in 64 bits: 4096 bars of large volumes overflow 32.
    std::array<long long, kHistogramBands> total{};
    const float band = (s.maxHigh - s.minLow) / static_cast<float>(kHistogramBands);
    const float inverse = band > 0.0f ? 1.0f / band : 0.0f;
    for (int i = 0; i < s.barCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const int k = HistogramBand(s.maxHigh, band, inverse, s.close[at]);
        if (k >= 0) total[static_cast<std::size_t>(k)] += s.volume[at];
    }
    const long long largest = *std::max_element(total.begin(), total.end());
    if (largest <= 0) return 0;
    const int divisor = (s.fileTypeId == 212 || s.fileTypeId == 214) ? 2 : 1;
    const int rightEnd = g.rightX - 10;
    const float perVolume = kHistogramLength / static_cast<float>(largest);
    platform::Canvas& canvas = c.canvas;
    canvas.SelectBrush(c.objects.paletteBrush[4]);
    canvas.SelectFont(c.objects.scaleFont);
    canvas.SetTextColour(c.objects.paletteBrush[4].colour);
    canvas.SetTextAlign(HAlign::Right, VAlign::Top);
    char text[48];
    for (int k = 0; k < kHistogramBands; ++k) {
        const long long t = total[static_cast<std::size_t>(k)];
        const int left =
            TruncToInt(static_cast<float>(rightEnd) -
                       static_cast<float>(t) * perVolume / 2.0f / static_cast<float>(divisor));
        const int top = g.priceTop + (kPricePanelHeight * k) / kHistogramBands;
        const int bottom = g.priceTop + (kPricePanelHeight * (k + 1)) / kHistogramBands;
        canvas.Rectangle(Rect{LogicalX(left, g.xPercent), LogicalY(top, g.yPercent),
                              LogicalX(rightEnd, g.xPercent), LogicalY(bottom, g.yPercent)});
        if (static_cast<double>(t) >= 0.9 * static_cast<double>(largest)) {
            std::snprintf(text, sizeof text, "%lld  ", t);
            canvas.TextOut(LogicalPoint(left, top, g), text);
        }
    }
    return 0;
}

}  // namespace korvo::chart
