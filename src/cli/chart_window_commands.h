// The non-time-series charts from the command line: their signal files
// (signals --source stp|brk|trd) and one paint of their windows (render --chart).
#pragma once

#include <string>

#include "cli/cli.h"

namespace korvo::cli {

// Whether --source names the step (stp), brick (brk) or trident (trd) chart.
bool IsChartSignalSource(const std::string& source);

// signals FILE.stk --source stp|brk|trd [--percent P | --amount A]: writes the
// chart's signal file into --dir and prints it.
int RunChartSignals(CliContext& context, const std::string& source);

// render FILE.stk --chart step|brick|trident ...: one paint of the chart's window.
int RunChartWindowRender(CliContext& context);

}  // namespace korvo::cli
