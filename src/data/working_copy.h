// The working copy korvo.TMP: choosing a data file copies it there, and every
// load runs on the copy, so opening never changes the user's file.
#pragma once

#include <string>

#include "data/data_state.h"

namespace korvo::data {

// The load pipeline on korvo.TMP: normalise (every record the scan can count),
// scan, refuse fewer than 5 records, normalise again with the count, load.
// Returns barCount or the negative code of the step that ended it; for a weekly
// or monthly file asks for the horizontal zoom to be reset.
int ReloadWorkingCopy(DataContext& context);

// Copies dataPath to korvo.TMP and asks for a reload and the chart view. When the
// copy fails, says "choose the data file again" and returns false; nothing else
// changes then.
bool OpenCurrentFile(DataContext& context);

// Makes path the current data file (the old one becomes previousDataPath), leaves
// the multi-chart view and the derived period, and copies it as OpenCurrentFile
// does. On failure dataPath and previousDataPath stay as they were.
bool OpenDataFile(DataContext& context, const std::string& path);

// The open command: the file dialog, then a fresh start for the correction
// offer, the recent list and OpenDataFile. Returns 1 opened, 0 cancelled,
// -1 the copy failed.
int RunOpenCommand(DataContext& context);

}  // namespace korvo::data
