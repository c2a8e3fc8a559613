// The data drawn on the chart frame: one mark per bar in the price panel, the
// highest-high and lowest-low marks, the value labels, the trade-volume bars
// with the volume alarm, and the volume-by-price histogram.
#pragma once

#include "chart/render_context.h"

namespace korvo::chart {

// Layout y of a bar's prices, as the bar geometry computed them.
struct BarLevels {
    int open = 0;
    int high = 0;
    int low = 0;
    int close = 0;
};

// The highest-high and lowest-low marks go on one bar each per render.
struct ExtremeMarks {
    bool maxWritten = false;
    bool minWritten = false;
};

// Bar styles.
inline constexpr int kStyleCandlestick = 0;
inline constexpr int kStyleBar = 1;
inline constexpr int kStyleLine = 2;

// The vertical value labels read upwards, so the high's label stands above the
// stem and the low's below it.
platform::Font UpwardValueFont(const view::DrawingObjects& objects);

// One bar, called newest first with the drawing clipped to the price panel.
// Line style draws nothing (its close line is a later layer); the file types
// from 220 on have no open/close levels and get the high-low stem only.
void DrawBar(const RenderContext& context, int i, const BarLevels& levels, ExtremeMarks& marks);

// The volume bars in the volume panel, scaled by maxVolume (which the caller
// ensures is at least 10), with their labels, the alarm and the largest-volume
// marks.
void DrawTradeVolume(const RenderContext& context);

inline constexpr int kHistogramBands = 40;
// The band (0 = top) whose [top - (k + 1) * band, top - k * band) holds the
// close, or -1 when none does.
int HistogramBand(float top, float band, float close);
// The same, with the band's reciprocal worked out once for the whole series.
int HistogramBand(float top, float band, float inverseBand, float close);

// Volume summed by close over 40 price bands, drawn leftwards from the right
// end of the price panel. Returns 0 (drawn, or nothing to draw), -1 with fewer
// than 2 bars.
int DrawVolumeHistogram(const RenderContext& context);

}  // namespace korvo::chart
