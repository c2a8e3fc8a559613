// How far apart two plot starts lie on the chart's calendar grid: what a
// drawing anchored to slots counted from one plot start must move by when
// the chart starts at another.
#pragma once

#include "data/calendar.h"

namespace korvo::data {

// Slots from the plot start (fromYear, fromMonth) to (toYear, toMonth), negative
// when `to` lies before `from`: calendar days between the first days of the two
// months for a daily chart (the day ordinals' own leap rule), 52 a year for a
// weekly one and 12 a year for a monthly one (those charts count from the start
// year alone). A month outside 1..12 counts as January; the result is held
// within a million slots either way.
long long SlotDistance(Period period, int fromYear, int fromMonth, int toYear, int toMonth);

}  // namespace korvo::data
