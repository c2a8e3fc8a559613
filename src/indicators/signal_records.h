// The records the indicator writers (SAR, MACD, stochastics, Shinohara) put
// in their signal files for a bar of the chart: its date, its x position and
// its index.
#pragma once

#include <string>

#include "chart/chart_geometry.h"
#include "data/price_series.h"
#include "indicators/indicator_line.h"

namespace korvo::indicators {

// The buy, sell or end record of bar `bar`.
std::string BarRecord(const data::PriceSeries& s, const chart::ChartGeometry& g, int kind, int bar,
                      int state);

// The end record at the last bar; state 1 while a position is open.
std::string EndRecord(const data::PriceSeries& s, const chart::ChartGeometry& g, bool open);

// The records after the start record of a file that follows two lines, from
// bar `from` on at the bars where both have a point: a buy where the layout y
// of `first` comes to exceed that of `second` (it stands lower on the chart),
// a sell where it no longer does, and the end record.
std::string CrossingRecords(const data::PriceSeries& s, const chart::ChartGeometry& g,
                            const IndicatorLine& first, const IndicatorLine& second, int from);

}  // namespace korvo::indicators
