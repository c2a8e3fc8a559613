// Loading a (normalised, scanned) data file into the current series.
#pragma once

#include <string>
#include <string_view>

#include "data/data_state.h"

namespace korvo::data {

// Loads the bars from the plot start month (or, in the plot-start-by-cursor
// mode, from the day pointed at) into context.series: at most kMaxBars bars,
// records before the start not counting. Checks every record, asks about zero
// opens and offers the correction of faulty records.
//
// Returns barCount, or
//   -3   the file cannot be opened;
//   -21  bad header block or an over-long title token (after the data form message);
//   -1   bad start date, a day pointed at outside the plot start month .. today,
//        fewer than 2 bars from the start, or the correction offer cancelled;
//   -206 a record's month is outside 1..12;
//   -201/-202/-203/-207 the user cancelled the detail message of that check.
// The series is replaced only by a successful load; after a failure it is as it was.
// The detailed-message switch is off afterwards, whatever the result.
int LoadPriceSeries(DataContext& context, const std::string& path);
// The same on the file's contents as already read.
int LoadPriceSeries(DataContext& context, const std::string& path, std::string_view contents);

}  // namespace korvo::data
