// On-balance volume in the indicator panel: the running total of the volume
// of rising bars less that of falling ones.
#pragma once

#include <cstdint>

#include "indicators/indicator_line.h"

namespace korvo::indicators {

inline constexpr const char* kObvTitle = " OBV";

struct OnBalanceVolume {
    // The largest and smallest running total, counting the 0 it starts from.
    std::int64_t hi = 0;
    std::int64_t lo = 0;
    // From bar 1 on: the total after the bar, y = trunc(indicatorBottom - (obv
    // - lo) x 400 / (hi - lo)); on the bottom line when no close ever changed.
    IndicatorLine obv;
};

OnBalanceVolume ComputeOnBalanceVolume(const data::PriceSeries& series,
                                       const chart::ChartGeometry& geometry);

// 0 drawn; -1 fewer than 2 bars.
int DrawOnBalanceVolume(const DrawTarget& target);

}  // namespace korvo::indicators
