// The step chart (kagi): the closes redrawn as one line that runs vertically
// while the close keeps its direction and steps one column right whenever it
// turns back by the reversal amount. The line is yin (falling-bar colour)
// until the close breaks above the last shoulder, then yang (rising-bar
// colour) until it falls back to within 5 % of the last waist. Each switch is
// a buy or sell point, listed under the chart and written to bs.stp.
#pragma once

#include <string>
#include <vector>

#include "altcharts/alt_chart_modes.h"
#include "altcharts/alt_chart_settings.h"
#include "altcharts/alt_chart_target.h"
#include "platform/canvas.h"

namespace korvo::altcharts {

// Defaults that replace an unset reversal amount.
inline constexpr float kStepDefaultPercent = 3.0f;
inline constexpr float kStepDefaultAmount = 0.5f;

struct StepParams {
    bool usePercent = true;
    float percent = kStepDefaultPercent;  // of each bar's close
    float amount = kStepDefaultAmount;    // a fixed price difference
};

// A stretch of the line drawn in one pen, as client pixels before scrolling.
struct StepRun {
    bool yang = false;
    std::vector<platform::Point> points;
};

// A turning point: the top of an up line (the shoulder) or the bottom of a
// down line (the waist), labelled where the line turns.
struct StepTurn {
    bool top = false;
    int bar = 0;
    float price = 0.0f;
    platform::Point at;  // the label's anchor
};

// A switch between yin and yang: a buy (yang) or a sell (yin) at bar `bar`.
struct StepSwitch {
    bool yang = false;
    int bar = 0;
    float price = 0.0f;
    int state = 0;           // record 6: 0 on an extension, 1 on a reversal; record 7: 1
    platform::Point beside;  // the label beside the line
};

struct StepChart {
    int baseY = 0;  // y of the series' floor
    float scale = 0.0f;
    float openingAmount = 0.0f;
    // A bar-to-bar change reached the opening amount: there is a line.
    bool hasLine = false;
    std::vector<StepRun> runs;
    std::vector<StepTurn> turns;
    std::vector<StepSwitch> switches;
    bool finalYang = false;
    int rightX = 0;  // client x of the last column
};

// The construction over the closes for a client area `clientBottom` pixels
// tall. The series must not be flat (maxHigh above minLow).
StepChart ComputeStepChart(const std::vector<float>& closes, float loadMaxHigh, float loadMinLow,
                           const StepParams& params, int clientBottom);

// "Step Chart - カギ 足 (%3.1f％)" or, with a fixed amount, "Step Chart - カギ 足  (%3.2f)".
std::string StepChartTitle(const StepParams& params);

// bs.stp (CP932): the header, record 0 with bar 0 (state 1), the switches and
// record 9 with the last bar (state 1 while yang).
std::string StepSignalText(const data::PriceSeries& series, const StepChart& chart);

// Takes the unset amounts as 3.0 % and 0.5 (storing them), writes bs.stp and
// draws the chart with its labels and list. Result 1, -1 for a flat series
// (bs.stp then holds only its header and nothing is drawn), -8 without memory
// for the closes, -40 when bs.stp cannot be created (nothing drawn).
AltChartOutcome DrawStepChart(const AltChartTarget& target, AltChartSettings& settings,
                              const AltChartModes& modes);

}  // namespace korvo::altcharts
