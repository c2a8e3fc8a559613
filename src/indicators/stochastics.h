// Stochastics (fast and slow) in the indicator panel, from the closes only,
// with the buy and sell points of its two lines in bs.sto.
#pragma once

#include <string>

#include "indicators/indicator_line.h"
#include "indicators/signal_output.h"

namespace korvo::indicators {

inline constexpr int kStochasticsFast = 0;
inline constexpr int kStochasticsSlow = 1;

struct Stochastics {
    int period = 0;
    int mode = kStochasticsFast;
    IndicatorLine k;   // from bar period on: (c[i-1] - lo) / (hi - lo) over c[i-period..i-1]
    IndicatorLine d;   // from bar period + 2 on, over the three windows ending at i-3..i-1
    IndicatorLine sd;  // slow only, from bar period + 6 on: the integer mean of three %D y
};

// Each value is kept from the bar before when its divisor is 0 (0 at first).
// No points for a period below 1.
Stochastics ComputeStochastics(const data::PriceSeries& series,
                               const chart::ChartGeometry& geometry, int period, int mode);

// The text of bs.sto (CP932): header, record 0 with the first close, a buy
// when %K (fast) or SD (slow) stands below %D with no position open, a sell
// when it is back at or above %D with a position open, from bar period + 7 on,
// and record 9 with the final position.
std::string StochasticsSignalText(const data::PriceSeries& series,
                                  const chart::ChartGeometry& geometry, const Stochastics& result);

// Computes, writes bs.sto and draws (a null canvas only writes). 1 file
// written; -1 too few bars (barCount < period) or a period below 1, no file;
// -40 the file cannot be created, nothing drawn.
int DrawStochastics(const DrawTarget& target, int period, int mode, const SignalOutput& output);

}  // namespace korvo::indicators
