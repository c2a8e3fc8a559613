// The step chart window STEPDLG: label choice (turning points or switch
// points), percentage or fixed reversal, the two amount boxes and ﾘﾄﾞﾛｰ.
#pragma once

#include "altcharts/amount_fields.h"
#include "altcharts/chart_window.h"

namespace korvo::altcharts {

class StepWindow : public ChartWindow {
  public:
    static constexpr int kPriceLabels = 120;
    static constexpr int kSwitchLabels = 122;
    static constexpr int kPercentMode = 124;
    static constexpr int kAmountMode = 125;
    static constexpr int kPercentBox = 801;
    static constexpr int kAmountBox = 802;
    static constexpr int kRedraw = 9201;
    static constexpr const char* kPriceLabelsText = "価格(月日)";
    static constexpr const char* kSwitchLabelsText = "転換点";
    static constexpr const char* kPercentModeText = "定率";
    static constexpr const char* kAmountModeText = "定額";
    static constexpr const char* kRedrawText = "ﾘﾄﾞﾛｰ";

    explicit StepWindow(const ChartWindowContext& context)
        : ChartWindow(AltChartKind::Step, context) {}

    // Sets the open flag, price labels and percentage mode, puts 3.0 and 0.5
    // in place of unset amounts, and gives the boxes' texts.
    AmountFields Open();
    // 120 or 122: the labels change and the window is redrawn (true).
    bool ChooseLabels(int id);
    // 124 or 125: the mode changes; nothing is redrawn until ﾘﾄﾞﾛｰ.
    void ChooseAmountKind(int id);
    // ﾘﾄﾞﾛｰ: true when both boxes pass and the window is to be redrawn.
    bool Redraw(const AmountFields& fields);

    int CheckedLabels() const;
    int CheckedAmountKind() const;
};

}  // namespace korvo::altcharts
