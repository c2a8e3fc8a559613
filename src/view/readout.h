// The price read-out: while the right button is held over the chart, a
// crosshair follows the cursor and the status strip shows the bar under it
// and the price at its height. It reads the chart as last drawn (geometry and
// series) and never draws the chart again.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "chart/chart_geometry.h"
#include "chart/chart_options.h"
#include "data/price_series.h"
#include "platform/canvas.h"
#include "view/drawing_objects.h"

namespace korvo::view {

// What the read-out keeps between mouse messages.
struct ReadOutState {
    bool readOutActive = false;
    // Where the crosshair stands (client pixels) while it is drawn.
    platform::Point readOutPoint;
    // The calendar slot last computed; kept while the cursor is left of the plotting area.
    int readOutSlot = 0;
};

// --- the arithmetic ---

// The price at client y, from the chart's price mapping and scroll position.
float PriceAtCursor(const chart::ChartGeometry& geometry, int y);
// "price:%9.0f" for a level with no hundredths (after cutting to two
// decimals), "price:%6.2f" otherwise.
std::string FormatPriceText(float price);
// The calendar slot under client x; nullopt left of the plotting area (the
// last slot then stays in force).
std::optional<int> SlotAtCursor(const chart::ChartGeometry& geometry, int x);
// The oldest bar standing in the slot, or -1.
int BarInSlot(const data::PriceSeries& series, const chart::ChartGeometry& geometry, int slot);
// The bar line: date, four prices (two decimals while the low is at most
// 10000) and the volume as read.
std::string FormatBarLine(const data::PriceSeries& series, int bar);

struct ReadOutTexts {
    int slot = 0;  // the slot now in force
    int bar = -1;  // the bar under the cursor, -1 none
    std::string barLine;
    std::string priceText;
};
// The read-out at a client point; `previousSlot` stays when the point is left
// of the plotting area.
ReadOutTexts ComputeReadOut(const data::PriceSeries& series, const chart::ChartGeometry& geometry,
                            platform::Point point, int previousSlot);

// The title box of the status strip as the chart shows it; empty when the
// title is off or the chart is overlapped.
std::string ReadOutTitle(const data::PriceSeries& series, const chart::ChartOptions& options);

// The crosshair at a client point, inverting: a vertical line from 10 pixels
// below the top of the client area to 10 below its bottom and a horizontal
// line across it, clipped to the chart and kept off the status strip. Drawn
// twice it leaves no trace.
void DrawCrosshair(platform::Canvas& canvas, platform::Point point, platform::Size client,
                   const platform::Rect& chartRegion);

// --- the mouse ---

// The window the read-out draws on, outside any paint.
class ReadOutWindow {
  public:
    virtual ~ReadOutWindow() = default;
    virtual platform::Size ClientSize() const = 0;
    // Runs `draw` on a canvas over the client area as it shows now, in device
    // pixels with the origin at its top left; what is drawn shows at once.
    virtual void DrawOnWindow(const std::function<void(platform::Canvas&)>& draw) = 0;
    // The cross while reading, the program's own cursor otherwise.
    virtual void SetCrossCursor(bool cross) = 0;
    virtual void CaptureMouse(bool capture) = 0;
};

struct ReadOutContext {
    ReadOutWindow& window;
    ReadOutState& state;
    const data::PriceSeries& series;
    const chart::ChartGeometry& geometry;
    const DrawingObjects& objects;
    // The title box the strip carries (ReadOutTitle), empty for none.
    std::string title;
    // Date key (year x 10000 + month x 100 + day) of the bar last shown: the
    // day a plot-start pick starts from.
    int& pickedDate;
};

// Right button pressed over the chart: the cross cursor, the read-out and the crosshair.
void BeginReadOut(ReadOutContext& context, platform::Point point);
// Mouse moved while reading: the crosshair leaves the old point, the read-out
// and the crosshair follow to the new one. Does nothing while not reading.
void MoveReadOut(ReadOutContext& context, platform::Point point);
// Right button released: the crosshair is removed, the cursor and the mouse
// released. False when no read-out was running.
bool EndReadOut(ReadOutContext& context, platform::Point point);

}  // namespace korvo::view
