#include "data/period_commands.h"

#include "data/calendar.h"
#include "data/derive_period.h"
#include "data/working_copy.h"

namespace korvo::data {

namespace {

struct PeriodCommand {
    int (*build)(DataContext&);
    int cancelCode;
    int fileTypeId;
    bool DataState::*derived;
    const char* failureText;
    const char* failureCaption;
};

constexpr PeriodCommand kWeeklyCommand{
    &MakeWeeklyFile, -81, 212, &DataState::weeklyDerived, "ﾃﾞｰﾀﾌｧｲﾙ 作成不良", "エラーメッセージ"};
constexpr PeriodCommand kMonthlyCommand{
    &MakeMonthlyFile,        -82, 214, &DataState::monthlyDerived, "ﾃﾞｰﾀﾌｧｲﾙ作成不良",
    "エラーメッセージ(F003)"};

int RunPeriodCommand(DataContext& c, const PeriodCommand& command, float& horizontalScale,
                     float& verticalScale) {
    if (!IsDailyType(c.series.fileTypeId)) return 0;
    c.effects.closeFirstModeless = true;
    if (!c.series.dataPath.empty()) c.series.previousDataPath = c.series.dataPath;
    const int result = command.build(c);
    if (result == 1) {
        c.state.*command.derived = true;
        c.state.savedHorizontalScale = horizontalScale;
        c.state.savedVerticalScale = verticalScale;
        horizontalScale = 2.0f;
        c.series.fileTypeId = command.fileTypeId;
        c.effects.backToDailyEnabled = true;
        c.effects.reloadRequested = true;
        c.effects.redraw = true;
    } else if (result != command.cancelCode) {
        c.env.prompts.ShowMessage(command.failureText, command.failureCaption,
                                  platform::Buttons::Ok, platform::Icon::None);
    }
    return result;
}

}  // namespace

int RunWeeklyCommand(DataContext& context, float& horizontalScale, float& verticalScale) {
    return RunPeriodCommand(context, kWeeklyCommand, horizontalScale, verticalScale);
}

int RunMonthlyCommand(DataContext& context, float& horizontalScale, float& verticalScale) {
    return RunPeriodCommand(context, kMonthlyCommand, horizontalScale, verticalScale);
}

int RunBackToDaily(DataContext& c, float& horizontalScale, float& verticalScale) {
    c.effects.backToDailyEnabled = false;
    if (c.series.previousDataPath.empty()) return 0;
    c.series.dataPath = c.series.previousDataPath;
    // Only factors a derivation kept are put back.
    if (c.state.weeklyDerived || c.state.monthlyDerived) {
        horizontalScale = c.state.savedHorizontalScale;
        verticalScale = c.state.savedVerticalScale;
    }
    c.state.weeklyDerived = false;
    c.state.monthlyDerived = false;
    if (c.series.barCount > 0) {
        const int lastYear = c.series.year[static_cast<std::size_t>(c.series.barCount - 1)];
        if (lastYear > c.series.plotStartYear + 10) c.series.plotStartYear = lastYear - 10;
    }
    return OpenCurrentFile(c) ? 1 : -1;
}

}  // namespace korvo::data
