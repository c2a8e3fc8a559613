// The parabolic SAR over the price panel, red while long and white while
// short, with its turns recorded in bs.sar.
#pragma once

#include <string>
#include <vector>

#include "indicators/indicator_line.h"
#include "indicators/signal_output.h"

namespace korvo::indicators {

struct SarSignal {
    int kind = 0;  // kRecordBuy or kRecordSell
    int bar = 0;
    int state = 0;
};

// One stretch of the line between two turns, drawn in one pen: layout points
// (x, y), the first at its bar's left edge or at the turn.
struct SarRun {
    bool longState = false;
    std::vector<platform::Point> points;
};

struct ParabolicSar {
    int startLength = 0;
    // The stop in force at each bar from bar startLength on: the start value at
    // that bar, then the value each step computes for the next bar (after a
    // turn, the restarted one). The chart draws the stop of bar i + 1 at bar
    // i's centre.
    IndicatorLine sar;
    std::vector<SarRun> runs;
    std::vector<SarSignal> turns;  // the first one at bar startLength, where it starts
    bool finalLong = false;
};

// Over bars 0 .. n - 1: the closes' change c0 - cn, the lowest low and the
// highest high. Rising closes start short at the highest high, otherwise long
// at the lowest low; then the stop moves by AF x (EP - sar), AF from 0.02 in
// steps of 0.02 up to 0.2 with every new extreme, and turns when the price
// reaches it. Nothing for a start length below 1 or a series of at most that
// many bars.
ParabolicSar ComputeParabolicSar(const data::PriceSeries& series,
                                 const chart::ChartGeometry& geometry, int startLength);

// The text of bs.sar (CP932): header, record 0 with the first close, the
// turns (price field: the bar's barX) and record 9 with the final state.
std::string SarSignalText(const data::PriceSeries& series, const chart::ChartGeometry& geometry,
                          const ParabolicSar& result);

// Writes bs.sar and draws the line clipped to the price panel (a null canvas
// only writes). 1 written (a series too short for the start length gets a file
// of records 0 and 9 only and no line); -40 the file cannot be created,
// nothing drawn.
int DrawParabolicSar(const DrawTarget& target, int startLength, const SignalOutput& output);

}  // namespace korvo::indicators
