// The twenty rows of code and path that the group file editor and the picker
// show, filled from a portfolio list, and the file dialog of their browse buttons.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "lists/portfolio_list.h"
#include "platform/prompts.h"

namespace korvo::lists {

using ListRows = std::array<PortfolioEntry, kMaxPortfolioEntries>;

// Empties every row and fills them from the list file in order. A list that
// cannot be read leaves the rows empty; a damaged one shows what was read
// before the fault and says so.
void FillRows(ListRows& rows, const std::filesystem::path& listFile, platform::Prompts& prompts);

// The open dialog for a data file ("Data Files(*.stk)"); nullopt on cancel.
std::optional<std::string> ChooseDataFile(platform::Prompts& prompts);

// Whether row is one of the twenty.
constexpr bool IsRow(int row) {
    return row >= 0 && row < kMaxPortfolioEntries;
}

}  // namespace korvo::lists
