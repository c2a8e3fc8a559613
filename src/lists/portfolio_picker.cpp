#include "lists/portfolio_picker.h"

namespace korvo::lists {

PortfolioPicker::PortfolioPicker(int& pickedRow, std::filesystem::path listFile,
                                 platform::Prompts& prompts)
    : pickedRow_(pickedRow), listFile_(std::move(listFile)), prompts_(prompts) {}

void PortfolioPicker::Open() {
    FillRows(rows_, listFile_, prompts_);
    for (PortfolioEntry& row : rows_) {
        if (row.code == kUnknownItem) row.code.clear();
        if (row.path == kUnknownItem) row.path.clear();
    }
}

void PortfolioPicker::EditCode(int row, const std::string& text) {
    if (IsRow(row)) rows_[static_cast<std::size_t>(row)].code = text;
}

void PortfolioPicker::EditPath(int row, const std::string& text) {
    if (IsRow(row)) rows_[static_cast<std::size_t>(row)].path = text;
}

bool PortfolioPicker::Browse(int row) {
    if (!IsRow(row)) return false;
    const auto path = ChooseDataFile(prompts_);
    if (!path) return false;
    EditPath(row, *path);
    return true;
}

void PortfolioPicker::Pick(int row) {
    if (IsRow(row)) pickedRow_ = row;
}

bool PortfolioPicker::Accept() {
    const std::string& path = rows_[static_cast<std::size_t>(PickedRow())].path;
    if (path.empty()) return false;
    chosen_ = path;
    return true;
}

}  // namespace korvo::lists
