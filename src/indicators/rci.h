// RCI, the rank correlation of a window's values with their time order, in
// the indicator panel.
#pragma once

#include <cstdint>
#include <string>

#include "indicators/indicator_line.h"

namespace korvo::indicators {

// The values the RCI ranks, by the stored data-set choice (0 close, 1 high,
// 2 low, 3 open, 4 volume; close for anything else).
std::vector<float> RciSource(const data::PriceSeries& series, std::int32_t dataSet);

// For bar i from period on: the values of bars i - period .. i - 1 sorted
// ascending with their time positions (ties keep time order); S = sum of
// (t_p - p)^2; rci = 1 - 6 S / (period (period^2 - 1)); y = trunc(
// (indicatorBottom - 200) - 200 rci). No points for a period below 2.
IndicatorLine ComputeRci(const data::PriceSeries& series, const chart::ChartGeometry& geometry,
                         int period, std::int32_t dataSet);

// 0 drawn; -1 too few bars (barCount < period) or a period below 2.
int DrawRci(const DrawTarget& target, int period, std::int32_t dataSet);

}  // namespace korvo::indicators
