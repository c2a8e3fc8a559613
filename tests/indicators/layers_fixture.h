// The chart fixture drawn with the indicator layers, which write their signal
// files into a start directory of their own.
#pragma once

#include "chart/chart_fixture.h"
#include "indicators/indicator_layers.h"
#include "support/temp_dir.h"

namespace korvo::indicators::test {

struct LayersFixture {
    chart::RenderOutcome Render() { return chart.RenderWith(layers); }

    chart::test::ChartFixture chart;
    korvo::test::TempDir dir;
    SignalWritten written;
    IndicatorParams params;
    IndicatorLayers layers{params, written, dir.Path()};
};

}  // namespace korvo::indicators::test
