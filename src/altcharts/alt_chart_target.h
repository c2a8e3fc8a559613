// Where a non-time-series chart draws and what it draws from. The charts lay
// themselves out in the pixels of their window's client area; a null canvas
// computes the chart and writes its signal file only, for the callers that
// just read the file.
#pragma once

#include "data/price_series.h"
#include "indicators/signal_output.h"
#include "platform/canvas.h"
#include "platform/prompts.h"
#include "view/drawing_objects.h"

namespace korvo::altcharts {

// Results of the drawing operations.
inline constexpr int kAltChartDrawn = 1;
// The series' price ceiling equals its floor: nothing to scale.
inline constexpr int kAltChartFlat = -1;
// The working copy of the closes could not be taken.
inline constexpr int kAltChartNoMemory = -8;
// The signal file could not be created; nothing was drawn.
inline constexpr int kAltChartFileFailed = -40;

struct AltChartTarget {
    platform::Canvas* canvas;  // null: compute and write the signal file only
    const view::DrawingObjects& objects;
    const data::PriceSeries& series;
    indicators::SignalOutput output;
    // The out-of-memory message goes here.
    platform::Prompts& prompts;
    // The window's client area in pixels.
    platform::Size client;
    // The window's scroll position in pixels.
    platform::Point scroll{};

    bool Draws() const { return canvas != nullptr; }
};

struct AltChartOutcome {
    int result = 0;
    // Scroll pages the chart needs across and down to be seen whole in the
    // client area (at least 1 each).
    int pagesAcross = 1;
    int pagesDown = 1;
};

}  // namespace korvo::altcharts
