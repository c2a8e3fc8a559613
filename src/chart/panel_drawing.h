// Drawing routines shared by the chart frame and every indicator: scale
// values repeated along the chart, panel titles and frames, the label at the
// end of a line, and the indicator panel's value-to-y mapping and line.
#pragma once

#include <string_view>

#include "chart/chart_geometry.h"
#include "platform/canvas.h"
#include "view/drawing_objects.h"

namespace korvo::chart {

// Alignment codes of the scale routines: 1 right, 2 centre, anything else left.
inline constexpr int kAlignRight = 1;
inline constexpr int kAlignCentre = 2;
inline constexpr int kAlignLeft = 0;
platform::HAlign AlignmentOf(int alignment);

// How far apart a scale text repeats along the chart, in logical units, and how
// often at most.
inline constexpr int kScaleRepeatStep = 1000;
inline constexpr int kScaleRepeatMax = 999;

// The text of a scale value: "%9.0f", or "%7.2f" with decimals; a value above
// 100 is rounded up to a whole number first.
int FormatScaleValue(char* out, int size, float value, bool decimals);

// Writes the value at (firstX, y) with the alignment, again every 1000 logical
// units to the right while not past lastX, and finally left-aligned at
// (lastX, y); coordinates are logical. The font and colour are the caller's
// (the scale font and scale-text colour on the price scale).
void DrawScaleValue(platform::Canvas& canvas, const platform::Font& font, platform::Colour colour,
                    float value, int firstX, int lastX, int y, int alignment, bool decimals);
// The price scale's form: the number followed by a percentage suffix; in
// overlap mode the suffix alone.
void DrawScaleValue(platform::Canvas& canvas, const platform::Font& font, platform::Colour colour,
                    float value, int firstX, int lastX, int y, int alignment, bool decimals,
                    std::string_view suffix, bool overlap);
// The same repetition for a whole number ("%d").
void DrawScaleCount(platform::Canvas& canvas, const platform::Font& font, platform::Colour colour,
                    int value, int firstX, int lastX, int y, int alignment);

// A panel caption in the label font, black with a white shadow (no shadow
// when printing): right-aligned at rightLogical - 50, left-aligned at
// leftLogical + 20, centred in the middle when the horizontal factor is above
// 0.2, and at a quarter and three quarters of (left + right) above 0.5. y is
// logical; the text stands 4 units above it.
void DrawPanelTitle(platform::Canvas& canvas, const view::DrawingObjects& objects,
                    std::string_view text, int leftLogical, int y, int rightLogical,
                    float horizontalFactor, bool printing);

// Grid modes of DrawPanelFrame.
inline constexpr int kGridReference = 1;  // one line at bottom - referenceLevel
inline constexpr int kGridMiddle = 3;     // one line at half height
inline constexpr int kGridQuarters = 4;   // 3/4, 1/2, 1/4
inline constexpr int kGridFifths = 5;     // 4/5, 3/5, 2/5, 1/5

// An indicator panel's frame in layout units: a double rule at the bottom
// (grey, white 2 logical units lower), a dotted separator at bottom - height
// and the grid lines of the mode in grey, all from leftX to rightX.
void DrawPanelFrame(platform::Canvas& canvas, const view::DrawingObjects& objects, int leftX,
                    int rightX, int referenceLevel, int bottom, int xPercent, int yPercent,
                    int height, int gridMode);

// Writes the text left-aligned at logical (offset + (trunc(x) + 10) * xPercent
// / 100, y * yPercent / 100) in the label font. Indicators pass the last bar's
// barX and the negated layout y of their last value.
void DrawLineEndLabel(platform::Canvas& canvas, const view::DrawingObjects& objects,
                      platform::Colour colour, std::string_view text, float x, int y, int xPercent,
                      int yPercent, int offset);

// --- the indicator panel contract ---

// Plot heights of the indicator panel.
inline constexpr float kPanelPlotHeight = 400.0f;
inline constexpr float kPanelPlotHeightRsi = 410.0f;

// Layout y of a value whose place in the panel's range is `fraction` (0 at the
// bottom, 1 at the top): trunc(indicatorBottom - height * fraction).
int PanelValueY(int indicatorBottom, float height, float fraction);

// The line of a series of layout y values: from firstBar (at its barX) to the
// last bar (each later point at its bar centre, barX + 10), with the pen.
// Draws nothing when fewer than two points remain.
void DrawIndicatorLine(platform::Canvas& canvas, const ChartGeometry& geometry,
                       const platform::Pen& pen, const int* layoutY, int firstBar, int barCount);

}  // namespace korvo::chart
