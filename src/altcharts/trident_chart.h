// The trident chart (three-line break): a new block only when the close goes
// beyond the ends of the last three blocks, drawn as filled columns 7 pixels
// wide. Eight strict orderings of the last three block ends and the new close
// decide the block and its signal, written to bs.trd and to the list under
// the chart.
#pragma once

#include <string>
#include <vector>

#include "altcharts/alt_chart_modes.h"
#include "altcharts/alt_chart_target.h"

namespace korvo::altcharts {

// A block from one price to the next; `opening` marks the two blocks drawn
// before the first one, from the three closes it was measured against.
struct TridentBlock {
    bool rising = false;
    bool opening = false;
    int pattern = 0;  // 1..8; 0 for the opening blocks
    int bar = 0;      // the bar of the close the block ends at
    int number = 0;   // blocks before this one (opening blocks not counted)
    float from = 0.0f;
    float to = 0.0f;
    int left = 0;  // x of its column
};

struct TridentSignal {
    bool buy = false;
    int pattern = 0;
    int bar = 0;
    float price = 0.0f;
    int state = 0;
};

struct TridentChart {
    float scale = 0.0f;
    int baseY = 0;
    std::vector<TridentBlock> blocks;
    std::vector<TridentSignal> tradeSignals;
    bool holding = false;
    // The drawing's base line and the y of price 0 on it: y(p) = priceBase - trunc(p x scale).
    int baseLine = 0;
    int priceBase = 0;
    int pagesAcross = 1;
    int pagesDown = 1;
};

// Which of the eight orderings a < b < c < new ... holds (strictly), 0 for none.
int TridentPattern(float a, float b, float c, float newClose);

// The construction over the closes for a client area of `client` pixels. The
// series must not be flat.
TridentChart ComputeTridentChart(const std::vector<float>& closes, float loadMaxHigh,
                                 float loadMinLow, platform::Size client);

// "Trident-新値３本足", with " ( x1000)" when the floor exceeds 100000.
std::string TridentChartTitle(float loadMinLow);

// bs.trd (CP932): the header, record 0 with bar 0 (state 0), the signals (the
// sell of pattern 4 with two blanks before its index) and record 9 with the
// last bar (state 1 while holding).
std::string TridentSignalText(const data::PriceSeries& series, const TridentChart& chart);

// Writes bs.trd and draws the chart with its labels and list. Results as for
// the step chart; the outcome's page counts are the chart's own.
AltChartOutcome DrawTridentChart(const AltChartTarget& target, const AltChartModes& modes);

}  // namespace korvo::altcharts
