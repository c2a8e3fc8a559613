// The switches the chart renderer reads: bar style, overlays, volume drawings,
// labels and the indicator shown in the indicator panel. The menu commands
// toggle them; several are kept in the settings file.
#pragma once

#include <cstdint>

namespace korvo::chart {

// Codes of the indicator drawn in the indicator panel.
inline constexpr std::int32_t kPanelRsi = 0;
inline constexpr std::int32_t kPanelPercentR = 1;
inline constexpr std::int32_t kPanelDeviation = 2;
inline constexpr std::int32_t kPanelStochasticsFast = 3;
inline constexpr std::int32_t kPanelStochasticsSlow = 4;
inline constexpr std::int32_t kPanelMacd = 5;
inline constexpr std::int32_t kPanelRci = 6;
inline constexpr std::int32_t kPanelOnBalanceVolume = 8;
inline constexpr std::int32_t kPanelBollinger = 9;
inline constexpr std::int32_t kPanelMomentum = 10;
inline constexpr std::int32_t kPanelDirectionalPdiMdi = 70;
inline constexpr std::int32_t kPanelDirectionalAdx = 71;
inline constexpr std::int32_t kPanelDirectionalDifference = 72;
inline constexpr std::int32_t kPanelShinoharaRatio = 81;
inline constexpr std::int32_t kPanelBuySellPoints = 110;

struct ChartOptions {
    std::int32_t barStyle = 0;   // 0 candlestick, 1 bar, 2 line
    bool candlestick = true;     // check mark of command 3451, kept in the settings file
    bool lineCompanion = false;  // the flag of command 3441, set with the line graph

    bool tradeVolume = false;
    bool volumeAverage = false;
    bool volumeHistogram = false;  // window creation turns it on
    bool volumeAlarm = false;
    bool volumeRatio = false;  // window creation turns it on
    bool envelope = false;
    bool psychologicalLine = false;
    bool shinoharaCr = false;
    bool parabolicSar = false;
    bool bollinger = false;
    bool ichimokuLines = false;  // conversion and base lines
    bool ichimokuSpans = false;
    bool ichimokuLagging = false;
    bool movingAverage1 = true;
    bool movingAverage2 = true;
    bool movingAverage3 = false;
    bool openCloseLabels = false;
    bool highLowLabels = false;
    bool titleOff = false;
    bool annotationsOff = false;
    bool multiChart = false;
    bool overlap = false;

    std::int32_t subPanelIndicator = kPanelRsi;
};

}  // namespace korvo::chart
