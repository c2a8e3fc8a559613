// Drawing steps the trend and volume indicators share beyond the panel
// contract: lines moved sideways by whole calendar slots (the Ichimoku spans
// and the Shinohara belts), end labels set further right, and rules across
// the chart. Frames, titles and labels placed freely are the contract's
// (indicator_line.h).
#pragma once

#include <string_view>

#include "indicators/indicator_line.h"

namespace korvo::indicators {

// The line through the points, each drawn `shiftSlots` calendar slots to the
// right (negative: to the left). The first point stands at its barX and the
// later ones at the bar centre, unless `allAtCentre`, which puts every point at
// the centre. A bar without a point breaks the line.
void DrawShiftedLine(const DrawTarget& target, const platform::Pen& pen, const IndicatorLine& line,
                     int shiftSlots, bool allAtCentre);

// The end label of a line at its last point: `shiftSlots` slots to the right of
// the last valued bar's barX, and `offset` logical units further right.
void DrawShiftedEndLabel(const DrawTarget& target, platform::Colour colour, std::string_view text,
                         const IndicatorLine& line, int shiftSlots, int offset);

// A straight rule across the chart at layout y.
void DrawRule(const DrawTarget& target, const platform::Pen& pen, int layoutY);

}  // namespace korvo::indicators
