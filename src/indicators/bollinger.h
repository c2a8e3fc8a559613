// Bollinger bands over the price panel, with their standard deviation in the
// indicator panel.
#pragma once

#include <string>

#include "indicators/indicator_line.h"

namespace korvo::indicators {

inline constexpr const char* kBollingerTitle = " Bollinger - 標準偏差";

struct Bollinger {
    int period = 0;
    float sigmaMax = 0.0f;  // the largest sigma; 0 without any
    // At bar k + period: sigma over the period - 1 closes c[k] .. c[k + period -
    // 2] (divided by period - 1), y = trunc(indicatorBottom - sigma x 400 /
    // sigmaMax), the bottom line when every sigma is 0.
    IndicatorLine sigma;
    // At bar k + period: the mean of the period closes c[k] .. c[k + period -
    // 1] and the bands two sigma above and below it, at their price y.
    IndicatorLine average;
    IndicatorLine upper;
    IndicatorLine lower;
};

// No points for a period below 2.
Bollinger ComputeBollinger(const data::PriceSeries& series, const chart::ChartGeometry& geometry,
                           int period);

// Draws the bands (clipped to the price panel) and, unless `withPanel` is
// false (a multi-chart has no indicator panel), the deviation panel. 0 drawn;
// -1 fewer than 2 bars or a period below 2.
int DrawBollinger(const DrawTarget& target, int period, bool withPanel);

}  // namespace korvo::indicators
