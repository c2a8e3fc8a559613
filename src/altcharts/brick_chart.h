// The brick chart: fixed-size bricks stacked diagonally, one for every whole
// brick size the close has moved since the close that last made bricks,
// rising bricks in the rising-bar colour and falling ones in the falling-bar
// colour. The first brick of a run that turns the signal writes a buy or a
// sell to bs.brk and to the list under the chart.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "altcharts/alt_chart_modes.h"
#include "altcharts/alt_chart_settings.h"
#include "altcharts/alt_chart_target.h"

namespace korvo::altcharts {

// The percentage a drawing takes when it finds none set (the window puts 3.0
// in its place when it opens), and the amount for both.
inline constexpr float kBrickDrawingPercent = 5.0f;
inline constexpr float kBrickOpeningPercent = 3.0f;
inline constexpr float kBrickDefaultAmount = 0.5f;
// Bricks are never drawn less than 5 pixels tall; they are 5 wide.
inline constexpr int kBrickMinHeight = 5;
inline constexpr int kBrickWidth = 5;

struct BrickParams {
    bool usePercent = true;
    float percent = kBrickDrawingPercent;  // of the mean of the last five closes
    float amount = kBrickDefaultAmount;
};

// The bricks one bar adds, all in one direction: brick k stands at
// x = x + 5 k and starts at y - k h (rising) or y + k h (falling), h being
// the brick height; positions as measured, before the shift of the drawing.
struct BrickRun {
    bool rising = false;
    int bar = 0;
    std::int64_t firstNumber = 0;  // the first brick's number in the chart, from 0
    std::int64_t count = 0;
    std::int64_t x = 0;
    std::int64_t y = 0;
};

struct BrickSignal {
    bool buy = false;
    int bar = 0;
    int state = 0;  // 1 when the run before ran the same way
};

struct BrickChart {
    int baseY = 0;
    float scale = 0.0f;
    float size = 0.0f;    // price units a brick stands for
    int brickHeight = 0;  // pixels
    std::vector<BrickRun> runs;
    std::vector<BrickSignal> tradeSignals;
    bool lastBuy = false;  // the last signal written was a buy
    std::int64_t fallCount = 0;
    // The drawing moves the measured bricks down by `shift`, so the highest
    // stands at y 170; the list hangs from `baseLine`, 20 below the lowest.
    std::int64_t shift = 0;
    std::int64_t baseLine = 0;
    std::int64_t rightX = 0;  // x after the last brick
};

// The construction over the closes for a client area `clientBottom` pixels
// tall. The series must not be flat.
BrickChart ComputeBrickChart(const std::vector<float>& closes, float loadMaxHigh, float loadMinLow,
                             const BrickParams& params, int clientBottom);

// "Brick - 練行足（ねり足）(%3.2f％)" or "Brick - 練行足（ねり足） (%3.2f)".
std::string BrickChartTitle(const BrickParams& params);

// bs.brk (CP932): the header, record 0 with bar 0 (state 0), the signals and
// record 9 with the last bar (state 1 when the last signal was a buy).
std::string BrickSignalText(const data::PriceSeries& series, const BrickChart& chart);

// Takes an unset percentage as 5.0 and an unset amount as 0.5 (storing them),
// writes bs.brk, counts the falling bricks into modes.brickFallCount and draws
// the chart with its labels and list. Results as for the step chart.
AltChartOutcome DrawBrickChart(const AltChartTarget& target, AltChartSettings& settings,
                               AltChartModes& modes);

}  // namespace korvo::altcharts
