// The average-line routine that draws every moving-average line of the chart
// (lines 1 and 2, the close line of the line style, the envelope, the volume
// average), with its legends and the envelope's bands.
#pragma once

#include <string>
#include <vector>

#include "indicators/indicator_line.h"

namespace korvo::indicators {

// Pen selectors of the average line.
inline constexpr int kPenAnnotation = 0;     // solid, annotation colour
inline constexpr int kPenVolumeAverage = 1;  // solid, volume-average colour (also 32)
inline constexpr int kPenAverage1 = 2;       // dashed, average-1 colour
inline constexpr int kPenAverage2 = 3;       // dash-dot, average-2 colour
inline constexpr int kPenLine = 10;          // the line pen
inline constexpr int kPenRed = 20;           // palette red
inline constexpr int kPenVolumeAverage32 = 32;
const platform::Pen& AveragePen(const view::DrawingObjects& objects, int selector);

// Legend rows of the uses of the routine.
inline constexpr int kLegendRowLine1 = 1;
inline constexpr int kLegendRowLine2 = 2;
inline constexpr int kLegendRowCloseLine = 3;
inline constexpr int kLegendRowEnvelope = 4;

struct AverageLineCall {
    int period = 0;
    int baseY = 0;           // layout y of baseValue
    float scale = 0.0f;      // layout units per unit of the source
    float baseValue = 0.0f;  // the source value drawn at baseY
    int penSelector = kPenAnnotation;
    int legendX = chart::kLeftX;
    int legendRow = 1;
    int source = kSourceClose;
    bool envelope = false;
};

// The arguments of the four price-panel uses: base priceBottom, scale
// unitsPerPrice, base value bottomPrice.
AverageLineCall PricePanelAverage(const chart::ChartGeometry& geometry, int period, int penSelector,
                                  int legendRow);
// The volume average over the volume panel: base chartBottom, 400 / maxVolume, 0.
AverageLineCall VolumeAverage(const chart::ChartGeometry& geometry, int maxVolume, int period);

// The moving average stored for bar i is the mean of bars i - period .. i - 1
// (summed in single precision), so the first value is at bar `period`;
// y = trunc(baseY - (average - baseValue) * scale). No value for a period
// below 1.
IndicatorLine ComputeAverageLine(const data::PriceSeries& series,
                                 const chart::ChartGeometry& geometry, const AverageLineCall& call);

// The envelope's factors, stepped in single precision from 0.80 to 1.20 by
// 0.05 without the one that reaches 1.0, and its bands f x average.
std::vector<float> EnvelopeFactors();
struct EnvelopeBand {
    float factor = 0.0f;
    std::string label;  // "%3.0f%%" of (f - 1) x 100: "-20%" .. " 20%"
    IndicatorLine line;
};
std::vector<EnvelopeBand> ComputeEnvelopeBands(const IndicatorLine& average,
                                               const AverageLineCall& call);

// The close line of the line style: every bar at its own close, from bar 0.
IndicatorLine ComputeCloseLine(const data::PriceSeries& series,
                               const chart::ChartGeometry& geometry);

// "%d 日移動平均線" (210), "%d 週移動平均線" (212), "%d 月移動平均線" (214),
// "%d 移動平均線" for other file types.
std::string AverageLegendText(int fileTypeId, int period);

// Draws the line with the pen of its selector, its legend twice (at legendX
// and after the last bar) and, with envelope, the eight bands with their
// labels. 0 drawn; -1 too few bars (barCount < period) or a period below 1.
int DrawAverageLine(const DrawTarget& target, const AverageLineCall& call);

// One legend entry in row `row` above baseY: a sample of the current pen and
// the text, black with a white copy 3 units higher. x and baseY are layout units.
void DrawAverageLegend(platform::Canvas& canvas, const view::DrawingObjects& objects, int x,
                       int baseY, int row, std::string_view text, int xPercent, int yPercent);

// The close line of the line style with the pen of the page (selector 0, 10 or
// 20) and the legend of period 1 in row 3. 0 drawn, -1 no bars.
int DrawCloseLine(const DrawTarget& target, int penSelector);
// The selector of the close line of a multi-chart page (a single chart is page 0).
int CloseLinePenForPage(int page);

}  // namespace korvo::indicators
