// RSI and %R in the indicator panel (plot height 410).
#pragma once

#include <string>

#include "indicators/indicator_line.h"

namespace korvo::indicators {

inline constexpr int kModeRsi = 0;
inline constexpr int kModePercentR = 1;
inline constexpr float kRsiHeight = 410.0f;

// RSI at bar i from the period changes c[j] - c[j + 1], j = i - period .. i -
// 1: rises / (rises + falls); a window without any change has no RSI and the
// bar is skipped. %R from the closes c[i - period] .. c[i - 1]: (c[i - 1] -
// lo) / (hi - lo), the previous value kept when hi = lo. y = trunc(
// indicatorBottom - 410 x value). No points for a period below 1.
IndicatorLine ComputeRsi(const data::PriceSeries& series, const chart::ChartGeometry& geometry,
                         int period, int mode);

// "R.S.I.(%d)" or "%R Osc (%d)".
std::string RsiTitle(int period, int mode);

// 0 drawn; -1 too few bars (barCount < period) or a period below 1.
int DrawRsi(const DrawTarget& target, int period, int mode);

}  // namespace korvo::indicators
