#include "altcharts/step_window.h"

#include "altcharts/chart_closes.h"
#include "altcharts/step_chart.h"

namespace korvo::altcharts {

AmountFields StepWindow::Open() {
    MarkOpen();
    AltChartModes& m = context_.modes;
    m.stepUsePercent = true;
    m.stepLabelMode = kStepLabelTurns;
    AltChartSettings& s = context_.settings;
    s.stepPercent = SettingOrDefault(s.stepPercent, kStepDefaultPercent);
    s.stepAmount = SettingOrDefault(s.stepAmount, kStepDefaultAmount);
    return FormatAmountFields(s.stepPercent, s.stepAmount);
}

bool StepWindow::ChooseLabels(int id) {
    if (id != kPriceLabels && id != kSwitchLabels) return false;
    context_.modes.stepLabelMode = id == kPriceLabels ? kStepLabelTurns : kStepLabelSwitches;
    return true;
}

void StepWindow::ChooseAmountKind(int id) {
    if (id == kPercentMode || id == kAmountMode) context_.modes.stepUsePercent = id == kPercentMode;
}

bool StepWindow::Redraw(const AmountFields& fields) {
    AltChartSettings& s = context_.settings;
    return ReadAmountFields(fields, context_.modes.stepUsePercent, s.stepPercent, s.stepAmount,
                            context_.prompts);
}

int StepWindow::CheckedLabels() const {
    return context_.modes.stepLabelMode == kStepLabelSwitches ? kSwitchLabels : kPriceLabels;
}

int StepWindow::CheckedAmountKind() const {
    return context_.modes.stepUsePercent ? kPercentMode : kAmountMode;
}

}  // namespace korvo::altcharts
