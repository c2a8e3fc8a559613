// The trident chart window TRIDENTDLG: ﾘﾄﾞﾛｰ and four label choices; the
// chart has no parameters.
#pragma once

#include "altcharts/chart_window.h"

namespace korvo::altcharts {

class TridentWindow : public ChartWindow {
  public:
    // 120..123: date on odd blocks, date on even, price on odd, price on even.
    static constexpr int kFirstLabels = 120;
    static constexpr int kRedraw = 9201;
    static constexpr const char* kLabelTexts[4] = {"月/日 1", "月/日 2", "価格 1", "価格 2"};
    static constexpr const char* kRedrawText = "ﾘﾄﾞﾛｰ";

    explicit TridentWindow(const ChartWindowContext& context)
        : ChartWindow(AltChartKind::Trident, context) {}

    // Sets the open flag and the dates on even blocks (121).
    void Open();
    // 120..123: the labels change and the window is redrawn (true).
    bool ChooseLabels(int id);
    int CheckedLabels() const;
};

}  // namespace korvo::altcharts
