// What every indicator shares: the points it computes (a value and a layout y
// per bar, from the first valued bar on), the target it draws into, and the
// small steps of the indicator panel contract (title, frame, line, end label,
// scale values) in the program's units.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "chart/chart_geometry.h"
#include "data/price_series.h"
#include "platform/canvas.h"
#include "view/drawing_objects.h"

namespace korvo::indicators {

// Results shared by the drawing routines.
inline constexpr int kIndicatorDrawn = 0;
inline constexpr int kTooFewBars = -1;
inline constexpr int kSignalFileDone = 1;
inline constexpr int kSignalFileFailed = -40;

// One line of an indicator: per bar the value before it is mapped and its
// layout y. Bars without a point (before the first valued bar, or skipped
// because the value is not defined there) are not drawn.
struct IndicatorLine {
    std::vector<float> value;
    std::vector<int> y;
    std::vector<std::uint8_t> valued;
    int firstBar = -1;

    explicit IndicatorLine(int barCount = 0);
    void Set(int bar, float v, int layoutY);
    bool Has(int bar) const {
        return bar >= 0 && bar < static_cast<int>(valued.size()) &&
               valued[static_cast<std::size_t>(bar)];
    }
    float ValueAt(int bar) const { return value[static_cast<std::size_t>(bar)]; }
    int YAt(int bar) const { return y[static_cast<std::size_t>(bar)]; }
    // The last bar with a point, or -1.
    int LastBar() const;
    int Count() const;
};

// Where a drawing routine draws. A null canvas means: compute, write the
// signal file where the indicator has one, and draw nothing.
struct DrawTarget {
    DrawTarget(platform::Canvas* canvas_, const view::DrawingObjects* objects_,
               const data::PriceSeries& series_, const chart::ChartGeometry& geometry_)
        : canvas(canvas_), objects(objects_), series(series_), geometry(geometry_) {}

    platform::Canvas* canvas;
    const view::DrawingObjects* objects;
    const data::PriceSeries& series;
    const chart::ChartGeometry& geometry;
    float horizontalFactor = 1.0f;  // decides how often a panel title repeats
    bool printing = false;          // no white shadow under titles
    bool overlap = false;           // overlap mode: no legends, no envelope bands
    bool titleOff = false;          // the stock title is switched off: no legends

    bool Draws() const { return canvas != nullptr && objects != nullptr; }
};

// A value series of the price data as floats: source codes of the average
// line (0 volume, 1 open, 2 high, 3 low, anything else close).
inline constexpr int kSourceVolume = 0;
inline constexpr int kSourceOpen = 1;
inline constexpr int kSourceHigh = 2;
inline constexpr int kSourceLow = 3;
inline constexpr int kSourceClose = 4;
std::vector<float> SourceValues(const data::PriceSeries& series, int source);

// The source reordered with the bars' x positions by the stable ascending
// sort; the bars already stand in ascending x, so this normally changes
// nothing, but the indicators read their data in chart order.
std::vector<float> InChartOrder(std::vector<float> values, const chart::ChartGeometry& geometry);

// Layout y of a fraction of the panel height: trunc(indicatorBottom - height * f).
int FractionY(int indicatorBottom, float height, float fraction);

// --- the indicator panel contract, for a target that draws ---

// The line through the points, each at layout x `xOf(bar)`; a bar without a
// point breaks the line.
template <class XOf>
void DrawLineThrough(const DrawTarget& target, const platform::Pen& pen, const IndicatorLine& line,
                     XOf xOf);

// The line through the points: the first valued bar at its barX, every later
// point at its bar centre; a bar without a point breaks the line.
void DrawLine(const DrawTarget& target, const platform::Pen& pen, const IndicatorLine& line);
// The text at the end of the line (its last point), in the colour.
void DrawEndLabel(const DrawTarget& target, platform::Colour colour, std::string_view text,
                  const IndicatorLine& line);
// A text by the end-label routine at layout (x, y), `offset` logical units
// further right.
void DrawLabelAt(const DrawTarget& target, platform::Colour colour, std::string_view text,
                 float layoutX, int layoutY, int offset);
// The title at priceBottom + 50, across the chart.
void DrawTitle(const DrawTarget& target, std::string_view text);
// The panel title at layout y (plus 50 is the caller's).
void DrawTitleAt(const DrawTarget& target, std::string_view text, int layoutY);
// The panel frame of the indicator panel with its height and grid mode.
void DrawFrame(const DrawTarget& target, int height, int gridMode);
// The panel frame with its bottom at `bottom` (layout y).
void DrawFrameAt(const DrawTarget& target, int bottom, int height, int gridMode);
// A scale value, left-aligned at the layout level, repeated along the chart in
// the scale font.
void DrawScale(const DrawTarget& target, platform::Colour colour, float value, int layoutY,
               bool decimals);

template <class XOf>
void DrawLineThrough(const DrawTarget& t, const platform::Pen& pen, const IndicatorLine& line,
                     XOf xOf) {
    if (!t.Draws() || line.firstBar < 0) return;
    t.canvas->SelectPen(pen);
    std::vector<platform::Point> run;
    auto flush = [&] {
        if (run.size() >= 2) t.canvas->Polyline(run);
        run.clear();
    };
    const int n = static_cast<int>(line.valued.size());
    for (int i = line.firstBar; i < n; ++i) {
        if (!line.Has(i)) {
            flush();
            continue;
        }
        run.push_back(chart::LogicalPoint(xOf(i), line.YAt(i), t.geometry));
    }
    flush();
}

}  // namespace korvo::indicators
