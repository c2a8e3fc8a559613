#include "lists/load_listed_file.h"

#include "data/working_copy.h"
#include "platform/files.h"

namespace korvo::lists {

int LoadListedFile(data::DataContext& c, const MultiChartSelection& selection, int k) {
    if (k < 1 || k > kMaxMultiChartFiles) return -1;
    c.effects.closeFirstModeless = true;
    if (c.state.plotStartMode) {
        c.state.plotStartMode = false;
        c.effects.leavePlotStartMode = true;
    }
    const std::string previousPath = c.series.dataPath;
    c.series.dataPath = selection.paths[static_cast<std::size_t>(k - 1)];
    int bars = -1;
    if (platform::CopyFileExpanding(c.env.Resolve(c.series.dataPath),
                                    c.env.Resolve(data::kWorkingCopyName)) == platform::kCopyOk)
        bars = data::ReloadWorkingCopy(c);
    if (bars < 1) {
        // The page shows the series still loaded; its status line names that file.
        c.series.dataPath = previousPath;
        return -1;
    }
    return 1;
}

}  // namespace korvo::lists
