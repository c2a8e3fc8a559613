// What the non-time-series chart windows reset every time they open, and what
// the last brick drawing counted. None of it is kept in the settings file.
#pragma once

namespace korvo::altcharts {

// Label modes of the step chart: price and date at every turning point, or at
// the yin/yang switch points.
inline constexpr int kStepLabelTurns = 1;
inline constexpr int kStepLabelSwitches = 3;

struct AltChartModes {
    // Step chart: the reversal amount is a percentage of the close (or a fixed amount).
    bool stepUsePercent = true;
    int stepLabelMode = kStepLabelTurns;
    // Brick chart: the brick size is a percentage of the recent closes (or fixed);
    // labels 1 date on even bricks, 2 date on odd, 3 price on even, 4 price on odd.
    bool brickUsePercent = true;
    int brickLabelMode = 1;
    // Falling bricks of the most recent brick drawing.
    int brickFallCount = 0;
    // Trident chart labels: 1 date on odd blocks, 2 date on even, 3 price on
    // odd, 4 price on even.
    int tridentLabelMode = 2;
};

}  // namespace korvo::altcharts
