// The closes a non-time-series chart is built from: a working copy taken per
// drawing, and the recent level that sizes its steps and bricks.
#pragma once

#include <optional>
#include <vector>

#include "data/price_series.h"
#include "platform/prompts.h"

namespace korvo::altcharts {

// The closes of bars 0 .. barCount - 1. nullopt when the copy cannot be
// taken, after the out-of-memory message.
std::optional<std::vector<float>> CopyCloses(const data::PriceSeries& series,
                                             platform::Prompts& prompts);

// The mean of the last five closes, summed in single precision from the
// oldest of them; with fewer than five bars, the mean of all of them (0 for none).
float RecentMeanClose(const std::vector<float>& closes);

// The series has no price range to scale: its ceiling equals its floor.
bool IsFlat(const data::PriceSeries& series);

// A setting of 0 means unset and takes the default. So does a negative or
// non-number value, which no dialog accepts and which would turn the chart at
// every bar.
float SettingOrDefault(float value, float fallback);

}  // namespace korvo::altcharts
