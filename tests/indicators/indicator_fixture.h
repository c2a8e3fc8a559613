// A small series with a hand-made chart geometry for the indicators: bars one
// calendar day apart from 2 January 2024, each bar 20 units right of the one
// before (barX = 101 + 20 i), the bands of a single chart at 100 %, and a
// recording canvas in the chart's metric mapping mode.
#pragma once

#include <memory>
#include <vector>

#include "chart/chart_geometry.h"
#include "data/price_series.h"
#include "indicators/indicator_line.h"
#include "indicators/signal_files.h"
#include "platform/recording_canvas.h"
#include "view/drawing_objects.h"

namespace korvo::indicators::test {

struct IndicatorFixture {
    IndicatorFixture();

    // Bars with these closes (open, high and low equal to the close, volume
    // 1000 + 10 i), a price scale from bottomPrice with unitsPerPrice.
    void SetCloses(const std::vector<float>& closes, float bottomPrice = 0.0f,
                   float unitsPerPrice = 1.0f);

    DrawTarget Target(bool draws = true);
    // Device point of a layout point.
    platform::Point Device(int layoutX, int layoutY) const;
    std::vector<platform::CanvasCall> Polylines() const {
        return canvas.CallsOf(platform::CallKind::Polyline);
    }
    std::vector<platform::CanvasCall> Texts() const {
        return canvas.CallsOf(platform::CallKind::Text);
    }
    // Device points of a line drawn through `layoutY` from firstBar on.
    std::vector<platform::Point> ExpectedLine(const std::vector<int>& layoutY, int firstBar) const;

    std::unique_ptr<data::PriceSeries> series = std::make_unique<data::PriceSeries>();
    std::unique_ptr<chart::ChartGeometry> geometry = std::make_unique<chart::ChartGeometry>();
    view::ColourTable colours;
    view::DrawingObjects objects;
    platform::RecordingCanvas canvas{platform::Size{4000, 1000}};
};

// Closes c0, c0 + step, ... (count of them).
std::vector<float> Ramp(int count, float start, float step);

}  // namespace korvo::indicators::test
