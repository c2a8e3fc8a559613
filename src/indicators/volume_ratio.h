// The volume ratio over the volume panel: the share of the volume traded on
// rising bars (half of that on unchanged bars counted in) over the last
// period changes, 0 % at the panel's bottom and 100 % at its top.
#pragma once

#include <string>

#include "indicators/indicator_line.h"

namespace korvo::indicators {

// From bar period + 1 on (the value of bar period is not drawn), over the
// changes into bars i - period + 1 .. i: ratio = ((up + flat / 2) x 100) /
// total in integers (0 when the total is 0), y = chartBottom - (400 x ratio) /
// 100. The value is the ratio in percent. No points for a period below 1.
IndicatorLine ComputeVolumeRatio(const data::PriceSeries& series,
                                 const chart::ChartGeometry& geometry, int period);

// " Volume Ratio(%d)".
std::string VolumeRatioLabel(int period);

// The scale counts 100 and 50, the line and its label. 0, also when nothing is
// drawn (maxVolume below 1, or a period below 1).
int DrawVolumeRatio(const DrawTarget& target, int period);

}  // namespace korvo::indicators
