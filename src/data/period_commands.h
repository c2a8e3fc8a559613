// The Weekly, Monthly and Back-to-daily commands. The zoom factors belong to the
// view; the dispatch passes them in by reference.
#pragma once

#include "data/data_state.h"

namespace korvo::data {

// Weekly (menu 3454): only for a daily series (210, 220), otherwise nothing
// happens and 0 is returned. Builds the weekly series; on success keeps the zoom
// factors, sets the horizontal one to 2.0, marks the series weekly (212),
// enables Back to daily and asks for a reload. A failure other than the user's
// cancel is reported. Returns MakeWeeklyFile's result.
int RunWeeklyCommand(DataContext& context, float& horizontalScale, float& verticalScale);

// Monthly (menu 3457): the same with the monthly series (214).
int RunMonthlyCommand(DataContext& context, float& horizontalScale, float& verticalScale);

// Back to daily (menu 3459): greys itself; reopens previousDataPath, restores the
// zoom factors kept by the derivation and, when the series ends more than ten
// years after the plot start year, moves the plot start to ten years before its
// end. Returns 1 reopened, 0 nothing to return to, -1 the copy failed.
int RunBackToDaily(DataContext& context, float& horizontalScale, float& verticalScale);

}  // namespace korvo::data
