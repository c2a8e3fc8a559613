// The Shinohara ratio: AR and BR in the indicator panel, and CR with its four
// belts over the lowest 400 units of the price panel; the crossings of CR
// through all four belts are the buy and sell points of bs.sno.
#pragma once

#include <array>
#include <string>

#include "indicators/indicator_line.h"
#include "indicators/signal_output.h"

namespace korvo::indicators {

// The ratio's period is fixed whatever the parameter table says.
inline constexpr int kShinoharaPeriod = 26;
// Fewer bars than this draw nothing: the belts need their windows.
inline constexpr int kShinoharaMinBars = 80;

// The four belts and CR, in the order they are drawn.
struct ShinoharaBelt {
    int window;
    int shiftSlots;  // drawn this many calendar slots to the right
    int palette;     // pen and label colour
    const char* label;
    int signalLag;  // bars back at which the signal compares CR with this belt (CR: 0)
};
inline constexpr std::array<ShinoharaBelt, 5> kShinoharaBelts = {{
    {40, 21, 3, "― 主ベルト-１", 17},
    {52, 32, 15, "― 主ベルト-2", 26},
    {10, 5, 5, "― 副ベルト-1", 5},
    {20, 11, 6, "― 副ベルト-2", 9},
    {26, 0, 4, "―　CR", 0},
}};
inline constexpr std::size_t kShinoharaCrLine = 4;

struct ShinoharaRatio {
    // From bar 27 on, over bars j = i - 26 .. i - 1: AR = sum(high - open) /
    // sum(open - low); BR = sum(high_j - close_j-1) / sum(close_j-1 - low_j);
    // y = trunc(indicatorBottom - 200 x ratio) (1.0 = 200 units up).
    IndicatorLine ar;
    IndicatorLine br;
    // For each entry of kShinoharaBelts, from bar window + 1 on: sum(high_j -
    // M_j-1) / sum(M_j-1 - low_j), M the middle of the bar's high and low; y =
    // trunc(priceBottom - 200 x ratio). The last entry is CR itself.
    std::array<IndicatorLine, 5> belts;
    // A zero denominator gives the ratio 0, on the base line.
};

ShinoharaRatio ComputeShinoharaRatio(const data::PriceSeries& series,
                                     const chart::ChartGeometry& geometry);

// "篠原レシオ (%d)" with 26.
std::string ShinoharaTitle();

// The text of bs.sno (CP932): header " title―篠原レシオ (26)", record 0 with
// the first bar's barX, then from bar 79 to the bar before the last a buy when
// CR stands below all four belts (taken 17, 26, 5 and 9 bars back) with no
// position open, a sell when it is at or above all four with one open, and
// record 9 with the last bar's barX and the position.
std::string ShinoharaSignalText(const data::PriceSeries& series,
                                const chart::ChartGeometry& geometry, const ShinoharaRatio& ratio);

// Which part a call draws.
enum class ShinoharaPart { ArBr, Cr };

// Writes bs.sno and draws the part: AR/BR in the indicator panel clipped to the
// lower region, or the CR lines over the price panel clipped to it (a null
// canvas only writes). 1 written; -1 fewer than 80 bars, no file; -40 the file
// cannot be created, nothing drawn.
int DrawShinoharaRatio(const DrawTarget& target, ShinoharaPart part, const SignalOutput& output);

}  // namespace korvo::indicators
