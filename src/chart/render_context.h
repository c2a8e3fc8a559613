// What one render of the time-series chart reads and writes, and what it
// reports back to the window that asked for it.
#pragma once

#include <functional>
#include <string_view>

#include "chart/chart_geometry.h"
#include "chart/chart_options.h"
#include "data/price_series.h"
#include "indicators/indicator_params.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/prompts.h"
#include "view/colours.h"
#include "view/drawing_objects.h"
#include "view/view_state.h"

namespace korvo::chart {

class ChartLayers;

// The multi-chart pages. loadPage(k) loads file k (1..fileCount) of the
// selection into the working copy and the series; its result is not checked:
// the loop goes on with whatever series is loaded.
struct MultiChartPages {
    int fileCount = 0;
    std::function<int(int page)> loadPage;
};

struct RenderContext {
    RenderContext(platform::Canvas& canvas_, data::PriceSeries& series_, ChartGeometry& geometry_,
                  view::ViewState& view_, ChartOptions& options_, view::DrawingObjects& objects_,
                  const view::ColourTable& colours_, const indicators::IndicatorParams& indicators_,
                  platform::Prompts& prompts_, const platform::Clock& clock_, ChartLayers& layers_)
        : canvas(canvas_),
          series(series_),
          geometry(geometry_),
          view(view_),
          options(options_),
          objects(objects_),
          colours(colours_),
          indicators(indicators_),
          prompts(prompts_),
          clock(clock_),
          layers(layers_) {}

    platform::Canvas& canvas;
    data::PriceSeries& series;
    ChartGeometry& geometry;
    view::ViewState& view;
    ChartOptions& options;
    view::DrawingObjects& objects;
    const view::ColourTable& colours;
    const indicators::IndicatorParams& indicators;
    platform::Prompts& prompts;
    const platform::Clock& clock;
    ChartLayers& layers;
    // Client area and display in device pixels.
    platform::Size client{1280, 800};
    platform::Size screen{1920, 1080};
    // Size factors (1.0 = 100 %), normally the view's horizontal and vertical scale.
    float horizontalFactor = 1.0f;
    float verticalFactor = 1.0f;
    bool printing = false;
    // The small "zoom off" window is open: loading new data does not scroll.
    bool zoomWindowOpen = false;
    // The open-price auto-correction is in force (shown in the status strip).
    bool autoFixOpen = false;
    // The short-period plot start mode: the series starts at the day picked,
    // and the price range is not rounded outwards.
    bool plotStartMode = false;
    // A chart is on the screen; cleared when there is nothing to draw.
    bool chartShown = true;
    MultiChartPages multi;
    // The line a printed chart carries at its top left.
    std::string_view makerNotice;
};

// Result codes of RenderChart.
inline constexpr int kRenderDrawn = 1;
inline constexpr int kRenderNoData = -1;
inline constexpr int kRenderMixedPeriods = -3;
inline constexpr int kRenderEmptyPriceRange = -9;
// The display start lies after the data: the window opens the display start dialog.
inline constexpr int kRenderAskDisplayStart = 20;

struct ScrollBars {
    int horizontalMax = 0;  // range 0..max in pixels
    int verticalMax = 0;
    int horizontalPos = 0;
    int verticalPos = 0;
};

struct RenderOutcome {
    // kRenderDrawn, one of the codes above, or the annotation layer's result
    // (below 1) when it ended the render.
    int result = kRenderDrawn;
    // No data: the window carries out command 15.
    bool sendCommand15 = false;
    // Pages of different periods ended a multi-chart: the chart menu goes back.
    bool restoreMainMenu = false;
    // Set when the page geometry got as far as the scroll bars.
    bool scrollBarsSet = false;
    ScrollBars scrollBars;
    // Pages drawn (a single chart is one; the multi-chart counts its hidden page 0).
    int pagesDrawn = 0;
};

}  // namespace korvo::chart
