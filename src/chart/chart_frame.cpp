#include "chart/chart_frame.h"

#include <cstdio>

#include "chart/panel_drawing.h"
#include "data/calendar.h"

namespace korvo::chart {

using platform::HAlign;
using platform::Point;
using platform::Rect;
using platform::VAlign;

namespace {

bool SingleChart(const RenderContext& c) {
    return !c.options.multiChart;
}

// Logical y of a layout y on this page.
int Ly(const RenderContext& c, int layoutY) {
    return LogicalY(layoutY, c.geometry.yPercent);
}

void Across(platform::Canvas& canvas, int x0, int x1, int y) {
    canvas.MoveTo({x0, y});
    canvas.LineTo({x1, y});
}

// The first x of the scales, just left of the plotting area.
int ScaleFirstX(const ChartGeometry& g) {
    return LogicalX(kLeftX - 20, g.xPercent);
}

}  // namespace

void DrawFrame(const RenderContext& c, const ClientSpan& client) {
    const ChartGeometry& g = c.geometry;
    platform::Canvas& canvas = c.canvas;
    canvas.SetRasterOp(platform::RasterOp::CopyPen);
    canvas.SelectPen(c.objects.framePen);
    canvas.SelectBrush(c.objects.graphBackgroundBrush);
    if (SingleChart(c)) {
        canvas.FillRect(Rect{client.left, Ly(c, g.priceBottom), client.right, Ly(c, g.chartBottom)},
                        c.objects.graphBackgroundBrush);
    }
    canvas.Rectangle(Rect{client.left, Ly(c, g.chartTop), client.right, Ly(c, g.priceTop)});
    if (!c.options.overlap) {
        canvas.FillRect(Rect{client.left, Ly(c, g.priceTop), client.right, Ly(c, g.priceBottom)},
                        c.objects.priceAreaBrush);
    }
    Across(canvas, client.left, client.right, Ly(c, g.priceBottom));
    const int bottom = Ly(c, SingleChart(c) ? g.chartBottom : g.priceBottom);
    canvas.MoveTo({g.leftLogical, Ly(c, g.priceTop)});
    canvas.LineTo({g.leftLogical, bottom});
    canvas.LineTo({g.rightLogical, bottom});
    canvas.LineTo({g.rightLogical, Ly(c, g.priceTop)});
    if (SingleChart(c)) Across(canvas, client.left, client.right, Ly(c, g.chartBottom + 1));
}

void DrawPriceScaleAndGrid(const RenderContext& c) {
    const ChartGeometry& g = c.geometry;
    platform::Canvas& canvas = c.canvas;
    const bool decimals = g.bottomPrice <= 1000.0f;
    // The psychological line reads its percentages off this scale; the
    // overlapped pages share only the percentages.
    const bool suffixes = c.options.psychologicalLine || c.options.overlap;
    const float b = g.bottomPrice;
    const float t = g.topPrice;
    struct Level {
        float value;
        int layoutY;
        const char* suffix;
    };
    const Level levels[] = {
        {b, g.priceBottom - 40, kSuffixBottom},
        {t, g.priceTop + 5, kSuffixTop},
        {(b + t) / 2, (g.priceTop + g.priceBottom - 90) / 2, kSuffixMiddle},
        {(3 * b + t) / 4, g.priceTop + 700, kSuffixLowerQuarter},
        {(3 * t + b) / 4, g.priceTop + 200, kSuffixUpperQuarter},
    };
    for (const Level& level : levels) {
        DrawScaleValue(canvas, c.objects.scaleFont, c.objects.scaleText, level.value,
                       ScaleFirstX(g), g.rightLogical, Ly(c, level.layoutY), kAlignRight, decimals,
                       suffixes ? level.suffix : "", c.options.overlap);
    }
    canvas.SelectPen(c.objects.gridPen);
    for (const int y : {g.priceTop + kPricePanelHeight / 2, g.priceTop + kPricePanelHeight * 3 / 4,
                        g.priceTop + kPricePanelHeight / 4}) {
        Across(canvas, g.leftLogical, g.rightLogical, Ly(c, y));
    }
}

VolumeScaleValues VolumeScaleFor(int maxVolume) {
    if (maxVolume > 999) {
        const int n = maxVolume / 100;
        return {n * 50, n * 100};
    }
    if (maxVolume >= 100) {
        const int n = maxVolume / 10;
        return {n * 5, n * 10};
    }
    return {maxVolume / 2, maxVolume};
}

void DrawVolumeScale(const RenderContext& c) {
    const ChartGeometry& g = c.geometry;
    platform::Canvas& canvas = c.canvas;
    const int maxVolume = c.series.maxVolume;
    if (maxVolume < 1) {
        // The grid pen is still selected.
        Across(canvas, g.leftLogical, g.rightLogical, Ly(c, g.indicatorBottom));
        return;
    }
    canvas.SelectFont(c.objects.scaleFont);
    canvas.SetTextColour(c.objects.scaleText);
    const int zeroY = Ly(c, g.chartBottom - 30);
    canvas.SetTextAlign(HAlign::Right, VAlign::Top);
    canvas.TextOut({g.leftLogical - 20, zeroY}, "   0");
    canvas.SetTextAlign(HAlign::Left, VAlign::Top);
    canvas.TextOut({g.rightLogical, zeroY}, "   0");
    const VolumeScaleValues v = VolumeScaleFor(maxVolume);
    DrawScaleCount(canvas, c.objects.scaleFont, c.objects.scaleText, v.lower, ScaleFirstX(g),
                   g.rightLogical, Ly(c, g.chartBottom - 200), kAlignRight);
    DrawScaleCount(canvas, c.objects.scaleFont, c.objects.scaleText, v.upper, ScaleFirstX(g),
                   g.rightLogical, Ly(c, g.chartBottom - 400), kAlignRight);
    canvas.SelectPen(c.objects.separatorPen);
    Across(canvas, g.leftLogical, g.rightLogical, Ly(c, g.chartBottom - 400));
    Across(canvas, g.leftLogical, g.rightLogical, Ly(c, g.chartBottom - 200));
}

void DrawVolumeCaptionAndMarks(const RenderContext& c) {
    const ChartGeometry& g = c.geometry;
    platform::Canvas& canvas = c.canvas;
    char text[64];
    if (c.series.volumeDivisor == 1)
        std::snprintf(text, sizeof text, "Volume");
    else
        std::snprintf(text, sizeof text, "Volume(x%d)", c.series.volumeDivisor);
    const int y = Ly(c, g.indicatorBottom + 20);
    const int xs[] = {(g.leftLogical + g.rightLogical) / 2, g.leftLogical + 200,
                      g.rightLogical - 150};
    canvas.SelectFont(c.objects.scaleFont);
    canvas.SetTextAlign(HAlign::Centre, VAlign::Top);
    canvas.SetTextColour(c.objects.paletteBrush[0].colour);
    for (const int x : xs)
        canvas.TextOut({x, y}, text);
    if (!c.printing) {
        canvas.SetTextColour(c.objects.paletteBrush[15].colour);
        for (const int x : xs)
            canvas.TextOut({x - 3, y - 3}, text);
    }

    canvas.SetTextColour(c.objects.scaleText);
    canvas.SetTextAlign(HAlign::Right, VAlign::Top);
    canvas.TextOut({g.rightLogical, Ly(c, 160)}, c.series.unitLabel);

    const std::string today = data::TodayText(c.clock);
    canvas.SelectFont(c.objects.labelFont);
    canvas.SetTextColour(c.objects.titleText);
    canvas.SetTextAlign(HAlign::Left, VAlign::Top);
    canvas.TextOut({g.leftLogical + 70, Ly(c, 160)}, today);

    canvas.SelectFont(c.objects.scaleFont);
    canvas.SetTextAlign(HAlign::Right, VAlign::Top);
    canvas.TextOut({g.rightLogical, Ly(c, g.chartBottom + 10)}, kProgramMark);

    if (c.printing && !c.makerNotice.empty()) {
        canvas.SelectFont(c.objects.labelFont);
        canvas.SetTextColour(c.objects.paletteBrush[0].colour);
        canvas.SetTextAlign(HAlign::Left, VAlign::Top);
        canvas.TextOut(LogicalPoint(150, 20, g), c.makerNotice);
    }
}

void DrawTickRuler(const RenderContext& c) {
    const ChartGeometry& g = c.geometry;
    if (g.xPercent <= 15) return;
    const int step = g.xPercent < 21 ? 10 : 2;
    const int top = Ly(c, g.priceTop - 30);
    const int bottom = Ly(c, g.priceTop);
    // Drawn with the dotted pen the scales left selected.
    for (int i = 0; i < g.slotCount - 1; i += step) {
        const int x = LogicalX((i + 2) * g.slotPitch, g.xPercent);
        c.canvas.MoveTo({x, top});
        c.canvas.LineTo({x, bottom});
    }
}

}  // namespace korvo::chart
