// What the portfolio lists, the scan and the multi-chart keep for the run.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "lists/portfolio_list.h"

namespace korvo::lists {

inline constexpr int kMaxMultiChartFiles = 3;

// The group of the last list saved by the group file editor, in row order
// without empty rows: what the quote import searches for.
struct GroupTables {
    std::vector<PortfolioEntry> entries;
    int Count() const { return static_cast<int>(entries.size()); }
};

// Where a scan through a list stands; whether one runs is the shell's scanMode.
struct ScanPosition {
    std::string listFile;  // name of the list being scanned, in the start directory
    int index = 0;         // 0-based entry shown
};

struct MultiChartSelection {
    // The files chosen for the multi-chart pages 1..count (UTF-8 paths).
    std::array<std::string, kMaxMultiChartFiles> paths;
    int count = 1;
    // The vertical size factor in force before the multi-chart command.
    float savedVerticalScale = 0.8f;
};

struct ListsState {
    // The list the group file editor showed last (0 to 2).
    int listShown = 0;
    // The row the picker's radio button chose last (0 to 19).
    int pickedRow = 0;
    GroupTables group;
    ScanPosition scan;
    MultiChartSelection multiChart;
};

}  // namespace korvo::lists
