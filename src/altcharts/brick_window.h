// The brick chart window BRICKDLG: four label choices, percentage or fixed
// brick size, the two size boxes and ﾘﾄﾞﾛｰ. It refuses to open over a chart
// of more than 200 falling bricks.
#pragma once

#include <optional>

#include "altcharts/amount_fields.h"
#include "altcharts/chart_window.h"

namespace korvo::altcharts {

class BrickWindow : public ChartWindow {
  public:
    // 120..123: date on even bricks, date on odd, price on even, price on odd.
    static constexpr int kFirstLabels = 120;
    static constexpr int kPercentMode = 124;
    static constexpr int kAmountMode = 125;
    static constexpr int kPercentBox = 801;
    static constexpr int kAmountBox = 802;
    static constexpr int kRedraw = 9201;
    static constexpr const char* kLabelTexts[4] = {"月日 1", "月日 2", "価格 1", "価格 2"};
    static constexpr const char* kPercentModeText = "定率";
    static constexpr const char* kAmountModeText = "定額";
    static constexpr const char* kRedrawText = "ﾘﾄﾞﾛｰ";
    // More falling bricks than this make the window refuse to open.
    static constexpr int kMaxFallingBricks = 200;
    static constexpr const char* kTooLongText = "表示期間を１年以内してください";

    explicit BrickWindow(const ChartWindowContext& context)
        : ChartWindow(AltChartKind::Brick, context) {}

    // Sets the open flag, the first labels and percentage mode, puts 3.0 and
    // 0.5 in place of unset sizes, and gives the boxes' texts. When the chart
    // the window would show has more than 200 falling bricks, says
    // "表示期間を１年以内してください" under "メッセージ", clears the flag again
    // and gives nothing: the window goes.
    std::optional<AmountFields> Open();
    // 120..123: the labels change and the window is redrawn (true).
    bool ChooseLabels(int id);
    void ChooseAmountKind(int id);
    bool Redraw(const AmountFields& fields);

    int CheckedLabels() const;
    int CheckedAmountKind() const;

  private:
    // The falling bricks of the chart at the settings in force.
    std::int64_t FallingBricks() const;
};

}  // namespace korvo::altcharts
