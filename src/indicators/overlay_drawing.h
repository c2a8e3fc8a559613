// Drawing steps the trend and volume indicators share beyond the panel
// contract: lines moved sideways by whole calendar slots (the Ichimoku spans
// and the Shinohara belts), end labels set further right, and frames and
// scales measured from a base other than the indicator panel's bottom.
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

// A text by the end-label routine at layout (x, y), `offset` logical units
// further right.
void DrawLabelAt(const DrawTarget& target, platform::Colour colour, std::string_view text,
                 float layoutX, int layoutY, int offset);

// The panel frame with its bottom at `bottom` (layout y).
void DrawFrameAt(const DrawTarget& target, int bottom, int height, int gridMode);

// The panel title at layout y (plus 50 is the caller's).
void DrawTitleAt(const DrawTarget& target, std::string_view text, int layoutY);

// A straight rule across the chart at layout y.
void DrawRule(const DrawTarget& target, const platform::Pen& pen, int layoutY);

}  // namespace korvo::indicators
