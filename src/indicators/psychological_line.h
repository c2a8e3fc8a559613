// The psychological line over the price panel: the share of rises among the
// last `period` changes, 0 % at the bottom of the price panel and 100 % at its
// top (the price scale shows the percentages beside the prices).
#pragma once

#include <string>

#include "indicators/indicator_line.h"

namespace korvo::indicators {

// For bar i from period on: up = the number of j in i - period .. i - 1 with
// close[j + 1] > close[j]; y = priceBottom - ((priceBottom - priceTop) * up) /
// period in integers. The value is `up`. No points for a period below 1.
IndicatorLine ComputePsychologicalLine(const data::PriceSeries& series,
                                       const chart::ChartGeometry& geometry, int period);

// "ｻｲｺﾛｼﾞｶﾙ ﾗｲﾝ(%d)".
std::string PsychologicalTitle(int period);

// The line in the solid annotation pen with its label at the end. 0 drawn; -1
// too few bars (barCount < period) or a period below 1.
int DrawPsychologicalLine(const DrawTarget& target, int period);

}  // namespace korvo::indicators
