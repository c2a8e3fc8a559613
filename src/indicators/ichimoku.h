// The Ichimoku lines over the price panel, from the closes only: conversion
// and base lines, the two spans moved ahead with the area between them
// hatched, and the lagging line moved back.
#pragma once

#include <string>

#include "indicators/indicator_line.h"

namespace korvo::indicators {

// The span 2 window, fixed whatever the long period is.
inline constexpr int kIchimokuSpan2Window = 52;

struct Ichimoku {
    int shortPeriod = 0;
    int longPeriod = 0;
    // The middle of the highest and lowest close of the bars before, at its
    // price y: over the short period from bar short on, over the long period
    // from bar long on, over 52 bars from bar 52 on.
    IndicatorLine conversion;
    IndicatorLine base;
    IndicatorLine span2;
    // From the bar where both lines have a point: y is the integer mean of
    // their y, the value the mean of their prices.
    IndicatorLine span1;
    // Every bar's close.
    IndicatorLine lagging;
};

// No points for a period below 1. The spans are drawn `longPeriod` slots to
// the right, the lagging line as many to the left.
Ichimoku ComputeIchimoku(const data::PriceSeries& series, const chart::ChartGeometry& geometry,
                         int shortPeriod, int longPeriod);

// "%d day/week Retard" with the long period.
std::string LaggingLabel(int longPeriod);

struct IchimokuSwitches {
    bool lines = false;    // conversion and base lines
    bool spans = false;    // spans 1 and 2
    bool lagging = false;  // the lagging line
};

// Draws the switched-on lines, clipped to the price panel. 0 drawn (also with
// a period below 1, when nothing is drawn).
int DrawIchimoku(const DrawTarget& target, int shortPeriod, int longPeriod,
                 IchimokuSwitches switches);

}  // namespace korvo::indicators
