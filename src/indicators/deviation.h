// The deviation indicator (乖離線): the gap between a short and a long moving
// average of the closes, in price units, in the indicator panel.
#pragma once

#include "indicators/indicator_line.h"

namespace korvo::indicators {

struct Deviation {
    int shortPeriod = 0;
    int longPeriod = 0;
    // Twice the larger of |largest gap| and |smallest gap|; 0 when the gaps
    // are all 0 or there is none.
    float range = 0.0f;
    IndicatorLine gap;  // from bar longPeriod on
};

// The smaller of the two periods is the short one. gap[i] = mean of closes
// i - short .. i - 1 minus mean of closes i - long .. i - 1; y = trunc(
// indicatorBottom - (range / 2 + gap) * 400 / range), or indicatorBottom
// when range is 0. No points for a period below 1.
Deviation ComputeDeviation(const data::PriceSeries& series, const chart::ChartGeometry& geometry,
                           int periodA, int periodB);

// "ｶｲﾘ 幅 (%d - %d)" with the short period first.
std::string DeviationTitle(int shortPeriod, int longPeriod);

// Frame with a middle line, the red line, green scale values and the title.
// 0 drawn; -1 for a period below 1.
int DrawDeviation(const DrawTarget& target, int periodA, int periodB);

}  // namespace korvo::indicators
