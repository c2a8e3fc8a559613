// The multi-chart selection MULTICHART: up to three data files drawn one below
// the other, or on top of each other in the overlap mode.
#pragma once

#include <array>
#include <string>

#include "lists/lists_state.h"
#include "platform/prompts.h"

namespace korvo::lists {

class MultiChartDialog {
  public:
    static constexpr const char* kName = "MULTICHART";
    static constexpr const char* kTitle = "ﾃﾞｰﾀﾌｧｲﾙ選択・ﾏﾙﾁﾁｬｰﾄ";
    static constexpr const char* kPathLabel = "ﾁｬｰﾄ・銘柄ﾌｧｲﾙ";
    static constexpr const char* kBrowseLabel = "ﾘｽﾄ";
    static constexpr const char* kOverlapLabel = "オーバーラップ（重ね表示）";
    static constexpr const char* kCancelLabel = "ｷｬﾝｾﾙ";
    static constexpr int kFirstPathControl = 801;
    static constexpr int kFirstBrowseControl = 9201;
    static constexpr int kOverlapControl = 120;
    static constexpr const char* kNoFileText = "データﾌｧｲﾙを選択してください！";
    static constexpr const char* kNoFileCaption = "エラー メッセージ";

    using Paths = std::array<std::string, kMaxMultiChartFiles>;

    // Opens with the files of the last selection and the overlap mode in force.
    MultiChartDialog(MultiChartSelection& selection, bool overlap, platform::Prompts& prompts);

    const Paths& Files() const { return paths_; }
    bool Overlap() const { return overlap_; }

    void SetPath(int k, const std::string& path);
    void SetOverlap(bool on) { overlap_ = on; }
    // "ﾘｽﾄ": a data file chosen in the open dialog goes into box k (0 to 2).
    bool Browse(int k);
    // OK: the first file must be given (else the message, and the dialog stays).
    // The files become the selection, counted as 1 + the other two boxes that
    // are filled; with two files the third moves up into the second place.
    bool Accept();

  private:
    MultiChartSelection& selection_;
    platform::Prompts& prompts_;
    Paths paths_;
    bool overlap_;
};

}  // namespace korvo::lists
