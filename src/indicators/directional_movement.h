// Directional movement in the indicator panel: PDI and MDI, ADX and ADXR, or
// the difference PDI - MDI, from the true range and the directional moves of
// the period bars before each bar.
#pragma once

#include <string>

#include "indicators/indicator_line.h"

namespace korvo::indicators {

inline constexpr int kDirectionalPdiMdi = 70;
inline constexpr int kDirectionalAdx = 71;
inline constexpr int kDirectionalDifference = 72;

struct DirectionalMovement {
    int period = 0;
    // From bar period + 1 on, over the moves of bars i - period .. i - 1 with
    // sums sTR, sP (+DM) and sM (-DM): the ratios sP / sTR and sM / sTR with y
    // = trunc(indicatorBottom - 800 x ratio) (the panel spans 0 to 50 %), and
    // (sP - sM) / sTR with y = trunc((indicatorBottom - 200) - 400 x ratio). A
    // window whose true ranges sum to 0 has ratios of 0 (the bottom line, the
    // middle line for the difference).
    IndicatorLine pdi;
    IndicatorLine mdi;
    IndicatorLine difference;
    // From bar 2 x period on: the mean of dx = |sP - sM| / (sP + sM) over the
    // period bars before (a dx never set counts 0); y = trunc(indicatorBottom -
    // 400 x mean).
    IndicatorLine adx;
    // From bar 3 x period + 1 on: the integer mean of the period ADX y before.
    IndicatorLine adxr;
};

// No points for a period below 1.
DirectionalMovement ComputeDirectionalMovement(const data::PriceSeries& series,
                                               const chart::ChartGeometry& geometry, int period);

// "D Mov %d-%d(dy/wk)" with the period twice.
std::string DirectionalTitle(int period);

// Draws the mode (70 PDI/MDI, 71 ADX/ADXR, 72 PDI - MDI). 1 drawn; -1 too few
// bars (barCount < period) or a period below 1.
int DrawDirectionalMovement(const DrawTarget& target, int period, int mode);

}  // namespace korvo::indicators
