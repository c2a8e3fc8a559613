// Weekly and monthly series derived from the daily working copy, and the data
// files they can be saved as.
#pragma once

#include "data/data_state.h"

namespace korvo::data {

// Groups the daily records of korvo.TMP into weeks (Sunday to Saturday, the
// first week of each year starting on 1 January) and replaces korvo.TMP with
// the weekly file. Asks whether to save it and whether to append to an existing
// file; a file it overwrites or appends to is backed up as korvo_wk.org first.
// A saved file becomes dataPath.
// Returns 1 done, -81 the user cancelled the first question, -3 a file could not
// be opened or no file was chosen to append to, -1 any other failure (after a
// message where the user needs one).
int MakeWeeklyFile(DataContext& context);

// The same by calendar month: -82 for the cancelled question; a new target is
// not backed up, and unreadable work files fail with -3 without a message.
int MakeMonthlyFile(DataContext& context);

// Number of the week within its year that a date falls in: 0 for the week that
// holds 1 January, weeks running Sunday to Saturday.
int WeekOfYear(int year, int month, int day);

}  // namespace korvo::data
