// Momentum in the indicator panel: the change of the close over `period` bars.
#pragma once

#include <string>

#include "indicators/indicator_line.h"

namespace korvo::indicators {

struct Momentum {
    float hi = 0.0f;  // largest and smallest m, the panel's top and bottom
    float lo = 0.0f;
    IndicatorLine m;  // from bar period on
};

// m[i] = c[i] - c[i - period]; y = trunc(indicatorBottom - (m - lo) * 400 /
// (hi - lo)), every point on indicatorBottom when hi = lo. No points unless
// 2 <= period < barCount.
Momentum ComputeMomentum(const data::PriceSeries& series, const chart::ChartGeometry& geometry,
                         int period);

// " Momentum(%d)".
std::string MomentumTitle(int period);

// 0 drawn; -1 unless 2 <= period < barCount.
int DrawMomentum(const DrawTarget& target, int period);

}  // namespace korvo::indicators
