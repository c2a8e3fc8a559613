// The renderer of the time-series chart: one call draws the whole chart of
// the loaded series at full width (only the canvas clips), fixes the chart
// geometry that the read-out and the annotations use afterwards, and runs the
// multi-chart pages.
#pragma once

#include <string>

#include "chart/chart_layers.h"
#include "chart/render_context.h"

namespace korvo::chart {

// Draws the chart into context.canvas in this fixed order per page: frame,
// price scale, grid and volume scale; volume caption and marks; tick ruler and
// date axis; the bars, newest first; the volume drawings; the layers (Ichimoku,
// SAR, Shinohara CR, indicator panel, Bollinger, envelope, psychological line,
// overlap title, close line, moving averages, annotations); the status line.
// The canvas state is restored afterwards.
RenderOutcome RenderChart(RenderContext& context);

// The status-bar caption of a period, e.g. "Daily chart |  1.00W X  1.00H".
std::string PeriodCaption(int fileTypeId, float horizontalFactor, float verticalFactor);

// The status text shown when a chart is too wide for the logical range.
inline constexpr const char* kWidthReducedMessage = "多データのためグラフ幅を縮小します";

// Slots added after the data: empty space to the right of the newest bar.
inline constexpr int kExtraDailySlots = 183;
inline constexpr int kExtraWeeklySlots = 52;
inline constexpr int kExtraMonthlySlots = 60;
inline constexpr int kMaxDailySlots = 4096;
inline constexpr int kMaxWeeklySlots = 1130;
inline constexpr int kMaxMonthlySlots = 620;

}  // namespace korvo::chart
