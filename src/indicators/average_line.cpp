#include "indicators/average_line.h"

#include "chart/panel_drawing.h"
#include "data/printf.h"

namespace korvo::indicators {

using chart::LogicalX;
using chart::LogicalY;
using chart::TruncToInt;

namespace {

constexpr float kEnvelopeStart = 0.8f;
constexpr float kEnvelopeStep = 0.05f;
constexpr float kEnvelopeEnd = 1.2f;
// Legend rows stand this far apart, above the base line.
constexpr int kLegendRowPitch = 45;

int AverageY(const AverageLineCall& call, float value) {
    return TruncToInt(static_cast<float>(call.baseY) - (value - call.baseValue) * call.scale);
}

void DrawLegends(const DrawTarget& t, const AverageLineCall& call, int period, int lastBar) {
    if (t.overlap || t.titleOff) return;
    const chart::ChartGeometry& g = t.geometry;
    const std::string text = AverageLegendText(t.series.fileTypeId, period);
    DrawAverageLegend(*t.canvas, *t.objects, call.legendX, call.baseY, call.legendRow, text,
                      g.xPercent, g.yPercent);
    const int endX = TruncToInt(g.barX[static_cast<std::size_t>(lastBar)] + 50.0f);
    DrawAverageLegend(*t.canvas, *t.objects, endX, call.baseY, call.legendRow, text, g.xPercent,
                      g.yPercent);
}

}  // namespace

const platform::Pen& AveragePen(const view::DrawingObjects& o, int selector) {
    switch (selector) {
        case kPenAnnotation:
            return o.annotationPen;
        case kPenVolumeAverage:
        case kPenVolumeAverage32:
            return o.volumeAveragePen;
        case kPenAverage1:
            return o.ma1Pen;
        case kPenAverage2:
            return o.ma2Pen;
        case kPenLine:
            return o.linePen;
        case kPenRed:
            return o.palettePen[4];
        default:
            return o.annotationDashPen;
    }
}

AverageLineCall PricePanelAverage(const chart::ChartGeometry& g, int period, int penSelector,
                                  int legendRow) {
    AverageLineCall call;
    call.period = period;
    call.baseY = g.priceBottom;
    call.scale = g.unitsPerPrice;
    call.baseValue = g.bottomPrice;
    call.penSelector = penSelector;
    call.legendX = g.leftX;
    call.legendRow = legendRow;
    call.source = kSourceClose;
    return call;
}

AverageLineCall VolumeAverage(const chart::ChartGeometry& g, int maxVolume, int period) {
    AverageLineCall call;
    call.period = period;
    call.baseY = g.chartBottom;
    call.scale = maxVolume != 0 ? 400.0f / static_cast<float>(maxVolume) : 0.0f;
    call.baseValue = 0.0f;
    call.penSelector = kPenVolumeAverage32;
    call.legendX = g.leftX;
    call.legendRow = 1;
    call.source = kSourceVolume;
    return call;
}

IndicatorLine ComputeAverageLine(const data::PriceSeries& s, const chart::ChartGeometry& g,
                                 const AverageLineCall& call) {
    const int n = s.barCount;
    IndicatorLine line(n);
    if (call.period < 1) return line;
    const std::vector<float> work = InChartOrder(SourceValues(s, call.source), g);
    for (int i = call.period; i < n; ++i) {
        float sum = 0.0f;
        for (int j = i - call.period; j < i; ++j)
            sum += work[static_cast<std::size_t>(j)];
        const float average = sum / static_cast<float>(call.period);
        line.Set(i, average, AverageY(call, average));
    }
    return line;
}

std::vector<float> EnvelopeFactors() {
    std::vector<float> factors;
    for (float f = kEnvelopeStart; f <= kEnvelopeEnd; f += kEnvelopeStep) {
        if (f == 1.0f) continue;
        factors.push_back(f);
    }
    return factors;
}

std::vector<EnvelopeBand> ComputeEnvelopeBands(const IndicatorLine& average,
                                               const AverageLineCall& call) {
    std::vector<EnvelopeBand> bands;
    const int n = static_cast<int>(average.valued.size());
    for (const float f : EnvelopeFactors()) {
        EnvelopeBand band{f, data::Printf("%3.0f%%", static_cast<double>((f - 1) * 100)),
                          IndicatorLine(n)};
        for (int i = 0; i < n; ++i) {
            if (!average.Has(i)) continue;
            const float v = f * average.ValueAt(i);
            band.line.Set(i, v, AverageY(call, v));
        }
        bands.push_back(std::move(band));
    }
    return bands;
}

IndicatorLine ComputeCloseLine(const data::PriceSeries& s, const chart::ChartGeometry& g) {
    IndicatorLine line(s.barCount);
    const AverageLineCall call = PricePanelAverage(g, 1, kPenAnnotation, kLegendRowCloseLine);
    const std::vector<float> closes = InChartOrder(SourceValues(s, kSourceClose), g);
    for (int i = 0; i < s.barCount; ++i) {
        const float c = closes[static_cast<std::size_t>(i)];
        line.Set(i, c, AverageY(call, c));
    }
    return line;
}

std::string AverageLegendText(int fileTypeId, int period) {
    switch (fileTypeId) {
        case 210:
            return data::Printf("%d 日移動平均線", period);
        case 212:
            return data::Printf("%d 週移動平均線", period);
        case 214:
            return data::Printf("%d 月移動平均線", period);
        default:
            return data::Printf("%d 移動平均線", period);
    }
}

int DrawAverageLine(const DrawTarget& t, const AverageLineCall& call) {
    if (call.period < 1 || t.series.barCount < call.period) return kTooFewBars;
    const IndicatorLine line = ComputeAverageLine(t.series, t.geometry, call);
    if (!t.Draws()) return kIndicatorDrawn;
    const chart::ChartGeometry& g = t.geometry;
    const platform::Pen& pen = AveragePen(*t.objects, call.penSelector);
    DrawLine(t, pen, line);
    const int last = t.series.barCount - 1;
    if (last < 0) return kIndicatorDrawn;
    // The legend's sample is drawn with the line's pen.
    t.canvas->SelectPen(pen);
    DrawLegends(t, call, call.period, last);
    if (!call.envelope || t.overlap) return kIndicatorDrawn;
    for (const EnvelopeBand& band : ComputeEnvelopeBands(line, call)) {
        DrawLine(t, t.objects->separatorPen, band.line);
        const int bandLast = band.line.LastBar();
        if (bandLast < 0) continue;
        chart::DrawLineEndLabel(*t.canvas, *t.objects, t.objects->paletteBrush[3].colour,
                                band.label, g.barX[static_cast<std::size_t>(last)] + 10.0f,
                                -band.line.YAt(bandLast), g.xPercent, g.yPercent, 0);
    }
    return kIndicatorDrawn;
}

void DrawAverageLegend(platform::Canvas& canvas, const view::DrawingObjects& objects, int x,
                       int baseY, int row, std::string_view text, int xPercent, int yPercent) {
    canvas.SelectFont(objects.labelFont);
    const int rowY = LogicalY(baseY - kLegendRowPitch * row, yPercent);
    const int x0 = LogicalX(x + 90, xPercent);
    canvas.MoveTo({x0, rowY});
    canvas.LineTo({x0 + 90, rowY});
    const int textX = LogicalX(x + 100, xPercent) + 110;
    const int textY = LogicalY(baseY - 20 - kLegendRowPitch * row, yPercent);
    canvas.SetTextAlign(platform::HAlign::Left, platform::VAlign::Top);
    canvas.SetTextColour(objects.paletteBrush[0].colour);
    canvas.TextOut({textX, textY}, text);
    canvas.SetTextColour(objects.paletteBrush[15].colour);
    canvas.TextOut({textX, textY + 3}, text);
}

int DrawCloseLine(const DrawTarget& t, int penSelector) {
    if (t.series.barCount < 1) return kTooFewBars;
    if (!t.Draws()) return kIndicatorDrawn;
    const IndicatorLine line = ComputeCloseLine(t.series, t.geometry);
    const platform::Pen& pen = AveragePen(*t.objects, penSelector);
    DrawLine(t, pen, line);
    t.canvas->SelectPen(pen);
    const AverageLineCall call = PricePanelAverage(t.geometry, 1, penSelector, kLegendRowCloseLine);
    DrawLegends(t, call, 1, t.series.barCount - 1);
    return kIndicatorDrawn;
}

int CloseLinePenForPage(int page) {
    if (page == 2) return kPenLine;
    if (page == 3) return kPenRed;
    return kPenAnnotation;
}

}  // namespace korvo::indicators
