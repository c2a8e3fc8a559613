// The --period option of the indicator commands: periods in the order the
// indicator takes them, the rest from the parameter table.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "cli/cli.h"

namespace korvo::cli {

// The periods given with --period, in order; nullopt (after saying why) when one is bad.
std::optional<std::vector<int>> ReadPeriods(CliContext& context);

// The i-th period given, or `fallback` when fewer were given.
inline int PeriodAt(const std::vector<int>& periods, std::size_t i, int fallback) {
    return i < periods.size() ? periods[i] : fallback;
}

}  // namespace korvo::cli
