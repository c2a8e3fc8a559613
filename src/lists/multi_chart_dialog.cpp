#include "lists/multi_chart_dialog.h"

#include "lists/list_rows.h"

namespace korvo::lists {

MultiChartDialog::MultiChartDialog(MultiChartSelection& selection, bool overlap,
                                   platform::Prompts& prompts)
    : selection_(selection), prompts_(prompts), paths_(selection.paths), overlap_(overlap) {}

void MultiChartDialog::SetPath(int k, const std::string& path) {
    if (k >= 0 && k < kMaxMultiChartFiles) paths_[static_cast<std::size_t>(k)] = path;
}

bool MultiChartDialog::Browse(int k) {
    if (k < 0 || k >= kMaxMultiChartFiles) return false;
    const auto path = ChooseDataFile(prompts_);
    if (!path) return false;
    SetPath(k, *path);
    return true;
}

bool MultiChartDialog::Accept() {
    if (paths_[0].empty()) {
        prompts_.ShowMessage(kNoFileText, kNoFileCaption, platform::Buttons::Ok,
                             platform::Icon::None);
        return false;
    }
    const int count = 1 + (paths_[1].empty() ? 0 : 1) + (paths_[2].empty() ? 0 : 1);
    if (count == 2 && paths_[1].empty()) {
        paths_[1] = paths_[2];
        paths_[2].clear();
    }
    selection_.paths = paths_;
    selection_.count = count;
    return true;
}

}  // namespace korvo::lists
