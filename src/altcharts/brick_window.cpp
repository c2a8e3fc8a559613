#include "altcharts/brick_window.h"

#include "altcharts/brick_chart.h"
#include "altcharts/chart_closes.h"

namespace korvo::altcharts {

std::optional<AmountFields> BrickWindow::Open() {
    MarkOpen();
    AltChartModes& m = context_.modes;
    m.brickLabelMode = 1;
    m.brickUsePercent = true;
    AltChartSettings& s = context_.settings;
    s.brickPercent = SettingOrDefault(s.brickPercent, kBrickOpeningPercent);
    s.brickAmount = SettingOrDefault(s.brickAmount, kBrickDefaultAmount);
    if (FallingBricks() > kMaxFallingBricks) {
        context_.prompts.ShowMessage(kTooLongText, "メッセージ", platform::Buttons::Ok,
                                     platform::Icon::Exclamation);
        Closed();
        return std::nullopt;
    }
    return FormatAmountFields(s.brickPercent, s.brickAmount);
}

std::int64_t BrickWindow::FallingBricks() const {
    const data::PriceSeries& series = context_.series;
    if (IsFlat(series)) return 0;
    const std::vector<float> closes(
        series.close.begin(), series.close.begin() + std::min(series.barCount, data::kMaxBars));
    const AltChartSettings& s = context_.settings;
    const BrickParams params{context_.modes.brickUsePercent, s.brickPercent, s.brickAmount};
    return ComputeBrickChart(closes, series.loadMaxHigh, series.loadMinLow, params,
                             TemplateOf(AltChartKind::Brick).client.height)
        .fallCount;
}

bool BrickWindow::ChooseLabels(int id) {
    if (id < kFirstLabels || id > kFirstLabels + 3) return false;
    context_.modes.brickLabelMode = id - kFirstLabels + 1;
    return true;
}

void BrickWindow::ChooseAmountKind(int id) {
    if (id == kPercentMode || id == kAmountMode)
        context_.modes.brickUsePercent = id == kPercentMode;
}

bool BrickWindow::Redraw(const AmountFields& fields) {
    AltChartSettings& s = context_.settings;
    return ReadAmountFields(fields, context_.modes.brickUsePercent, s.brickPercent, s.brickAmount,
                            context_.prompts);
}

int BrickWindow::CheckedLabels() const {
    return kFirstLabels + context_.modes.brickLabelMode - 1;
}

int BrickWindow::CheckedAmountKind() const {
    return context_.modes.brickUsePercent ? kPercentMode : kAmountMode;
}

}  // namespace korvo::altcharts
