#include "data/working_copy.h"

#include "data/data_text.h"
#include "data/load_price_series.h"
#include "data/normalise_data_file.h"
#include "data/recent_files.h"
#include "data/scan_data_file.h"
#include "platform/files.h"

namespace korvo::data {

namespace {

using platform::Buttons;
using platform::Icon;

constexpr int kMinimumRecords = 5;

}  // namespace

int ReloadWorkingCopy(DataContext& c) {
    // The copy is read once; each step works on its contents as the one before
    // left them (and as they are on disk).
    std::string contents;
    const int records =
        NormaliseDataFile(c.env, kWorkingCopyName, kMaxRecords, &c.series.headerText, &contents);
    if (records == -30) return records;
    if (records == -40) {
        // The copy cannot be rewritten: nothing after this would be safe.
        ShowErrorCode(c.env.prompts, records);
        return records;
    }
    const int count = ScanDataFile(c, kWorkingCopyName, contents);
    if (count < 0) return count;
    if (count < kMinimumRecords) {
        c.env.prompts.ShowMessage("データー量が不足です！（最少５セット以上）", "警告メッセージ",
                                  Buttons::Ok, Icon::None);
        return -1;
    }
    // Normalising again with the count changes nothing when the count is what the
    // first pass wrote, which it is whenever that pass succeeded.
    if (count != records) {
        const int again =
            NormaliseDataFile(c.env, kWorkingCopyName, count, &c.series.headerText, &contents);
        if (again < 0) {
            if (again == -40) ShowErrorCode(c.env.prompts, again);
            return again;
        }
    }
    const int bars = LoadPriceSeries(c, kWorkingCopyName, contents);
    if (bars < 0) return bars;
    if (c.series.fileTypeId == 212 || c.series.fileTypeId == 214)
        c.effects.resetHorizontalZoom = true;
    return bars;
}

bool OpenCurrentFile(DataContext& c) {
    if (platform::CopyFileExpanding(c.env.Resolve(c.series.dataPath),
                                    c.env.Resolve(kWorkingCopyName)) != platform::kCopyOk) {
        c.env.prompts.ShowMessage("データファイルを再設定してください。", "警告メッセージ",
                                  Buttons::Ok, Icon::Exclamation);
        return false;
    }
    c.effects.leaveMultiChart = true;
    c.effects.reloadRequested = true;
    c.effects.showChart = true;
    return true;
}

bool OpenDataFile(DataContext& c, const std::string& path) {
    const std::string oldData = c.series.dataPath;
    const std::string oldPrevious = c.series.previousDataPath;
    c.series.previousDataPath = oldData;
    c.series.dataPath = path;
    if (!OpenCurrentFile(c)) {
        c.series.dataPath = oldData;
        c.series.previousDataPath = oldPrevious;
        return false;
    }
    // A file chosen by the user is not a derived period any more.
    c.state.weeklyDerived = false;
    c.state.monthlyDerived = false;
    return true;
}

int RunOpenCommand(DataContext& c) {
    platform::FileDialogRequest request;
    request.title = "ファイルオープン";
    request.filters = {{"Data Files(*.stk)", "*.stk"}, {"All Files(*.*)", "*.*"}};
    request.defaultExtension = "dat";
    request.mustExist = true;
    const auto path = c.env.prompts.OpenFile(request);
    if (!path) return 0;
    c.state.skipCorrections = false;
    AddRecentDataFile(*path, c.env.Resolve(kRecentListName));
    return OpenDataFile(c, *path) ? 1 : -1;
}

}  // namespace korvo::data
