// MACD with its signal line in the indicator panel, and the crossings of the
// two in bs.mac.
#pragma once

#include <string>

#include "indicators/indicator_line.h"
#include "indicators/signal_output.h"

namespace korvo::indicators {

struct Macd {
    int shortPeriod = 0;
    int longPeriod = 0;
    int signalPeriod = 0;
    int firstBar = 0;    // the first MACD bar: the longer of the two periods
    float range = 0.0f;  // twice the larger of |largest| and |smallest| MACD; 0 without any
    IndicatorLine macd;  // y = trunc((indicatorBottom - 200) - macd * 400 / range)
    // The mean of the signal period MACD y before the bar (its value), from
    // firstBar + signal on; y is that mean truncated.
    IndicatorLine signal;
};

// ema[i] = sma + (c[i] - sma) * 2 / (n + 1), sma the mean of c[i - n] .. c[i -
// 1], for each of the two periods; macd = emaShort - emaLong. No points for a
// period below 1.
Macd ComputeMacd(const data::PriceSeries& series, const chart::ChartGeometry& geometry,
                 int shortPeriod, int longPeriod, int signalPeriod);

// "M.A.C.D. %d - %d(day)", "(week)" or "(month)" by the period of the file.
std::string MacdTitle(int fileTypeId, int shortPeriod, int longPeriod);

// The text of bs.mac (CP932): header, record 0 with the first close, a buy when
// the MACD rises above its signal with no position open, a sell when the
// signal is at or above the MACD with a position open, and record 9.
std::string MacdSignalText(const data::PriceSeries& series, const chart::ChartGeometry& geometry,
                           const Macd& result);

// Computes, writes bs.mac and draws (a null canvas only writes). 1 file
// written; -1 barCount below either period, or a period below 1, no file;
// -40 the file cannot be created, nothing drawn.
int DrawMacd(const DrawTarget& target, int shortPeriod, int longPeriod, int signalPeriod,
             const SignalOutput& output);

}  // namespace korvo::indicators
