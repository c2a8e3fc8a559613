// The largest time-series chart the benchmarks paint: 4096 daily bars at
// 100 % with the volume bars, the volume histogram and the volume ratio, into
// a 1920x1080 client area, with everything one paint reads.
#pragma once

#include <memory>

#include "chart/chart.h"
#include "platform/scripted_prompts.h"

namespace korvo::bench {

inline constexpr platform::Size kScreen{1920, 1080};

// One bar a calendar day from 1990 on, so all 4096 stand on the chart's 4096
// daily slots; prices wander between about 1000 and 3000.
void FillLargestSeries(data::PriceSeries& s);

struct LargestChart {
    LargestChart();

    // One paint as the window's paint handler does it. clear: fill the client
    // area dark grey before the chart; without it RenderChart draws over the
    // previous picture.
    chart::RenderOutcome Paint(platform::Canvas& canvas, bool clear = true);

    std::unique_ptr<data::PriceSeries> series = std::make_unique<data::PriceSeries>();
    std::unique_ptr<chart::ChartGeometry> geometry = std::make_unique<chart::ChartGeometry>();
    view::ViewState viewState;
    chart::ChartOptions options;
    view::ColourTable colours;
    view::DrawingObjects objects;
    indicators::IndicatorParams params;
    platform::ScriptedPrompts prompts;
    platform::FixedClock clock{platform::CivilDate{2001, 3, 1}};
    // The base layers draw nothing over the chart; a benchmark of the
    // indicators puts its own in place.
    std::unique_ptr<chart::ChartLayers> layers = std::make_unique<chart::ChartLayers>();
};

}  // namespace korvo::bench
