// Settings of the non-time-series charts kept in the settings file. A box size
// of 0 means unset; each chart's window puts its own default in its place.
#pragma once

#include <cstdint>

namespace korvo::altcharts {

struct AltChartSettings {
    float stepPercent = 0.0f;       // step chart reversal, percent of the close
    float stepAmount = 0.0f;        // step chart reversal, price difference
    float pfPercent = 0.0f;         // point & figure box, percent of the mid-price
    float pfAmount = 0.0f;          // point & figure box, price difference
    float brickPercent = 0.0f;      // brick size, percent of the recent closes
    float brickAmount = 0.0f;       // brick size, price difference
    std::int32_t watchPeriod = 30;  // inverse watch moving-average length
};

}  // namespace korvo::altcharts
