// The pens, brushes and fonts every chart draws with, by role. They are plain
// Canvas descriptions made from the colour table and the vertical size factor,
// so the same roles draw on the screen, into an image and on a printer.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "platform/canvas.h"
#include "view/colours.h"

namespace korvo::view {

using platform::Brush;
using platform::Font;
using platform::Pen;

inline constexpr std::string_view kLatinFace = "Aerial";
inline constexpr std::string_view kJapaneseFace = "ＭＳゴシック";
// The chart fonts never grow past this size, whatever the vertical factor.
inline constexpr int kMaxFontSize = 75;

struct DrawingObjects {
    // --- pens and brushes (CreatePensAndBrushes) ---
    std::array<Brush, kPaletteSize> paletteBrush{};
    std::array<Pen, kPaletteSize> palettePen{};
    Pen bollingerPen;                  // element 31, used by the volume indicators
    Pen volumeAveragePen;              // element 32, used by the moving-average drawing
    std::array<Pen, 4> extraLinePens;  // elements 33-36, drawn by no chart
    // Widths 3 and 10 are in the units of the mapping mode the bars are drawn in.
    Pen upBarPen3;
    Pen downBarPen3;
    Pen upBarPen10;
    Pen downBarPen10;
    Pen separatorPen;   // dotted, grid colour
    Pen annotationPen;  // solid, annotation colour
    Pen framePen;
    Pen linePen;
    Pen gridPen;            // dotted, grid colour
    Pen ma1Pen;             // dashed
    Pen ma2Pen;             // dash-dot
    Pen annotationDashPen;  // dash-dot-dot, annotation colour
    Brush downBarBrush;
    Brush upBarBrush;
    Brush priceAreaBrush;
    Brush graphBackgroundBrush;
    // Text colours by role, taken when the pens are made.
    Colour titleText = 0;
    Colour dateText = 0;
    Colour scaleText = 0;
    Colour annotationText = 0;

    // --- fonts (CreateFonts) ---
    // Heights are character heights (negative). The first six are in device
    // pixels and are selected in the pixel mapping mode; the chart fonts from
    // labelFont on are in 0.1 mm logical units and are selected in the chart's
    // metric mapping mode.
    Font verticalSmallFont;     // 9 px, reads bottom to top
    Font verticalJapaneseFont;  // 11 px, reads bottom to top
    Font smallFont;             // 9 px
    Font mediumFont;            // 12 px, used by no chart
    Font statusFont;            // 12 px
    Font largeJapaneseFont;     // 14 px, used by no chart
    Font labelFont;             // fontSize * 60 / 100
    Font chart50Font;           // fontSize * 50 / 100, used by no chart
    Font scaleFont;             // fontSize * 45 / 100
    Font chartJapanese30Font;   // fontSize * 30 / 100, used by no chart
    Font markerFont;            // fontSize * 30 / 100
    Font signalFont;            // fontSize * 36 / 100
    Font verticalValueFont;     // fontSize * 28 / 100, reads top to bottom
    int fontSize = 0;

    bool pensCreated = false;
    bool fontsCreated = false;
    // Roles in the order the last creation made them, and how often each set was made.
    std::vector<std::string_view> penCreationOrder;
    std::vector<std::string_view> fontCreationOrder;
    int penGeneration = 0;
    int fontGeneration = 0;
};

// The chart font size for a vertical factor: trunc(factor x 100), at most 75.
int FontSizeFor(float verticalFactor);

void CreatePensAndBrushes(DrawingObjects& objects, const ColourTable& colours);
void DeletePensAndBrushes(DrawingObjects& objects);
void RebuildPensAndBrushes(DrawingObjects& objects, const ColourTable& colours);

// The horizontal factor is taken for symmetry with the size commands; fonts only
// follow the vertical one.
void CreateFonts(DrawingObjects& objects, float horizontalFactor, float verticalFactor);
void DeleteFonts(DrawingObjects& objects);
void RebuildFonts(DrawingObjects& objects, float horizontalFactor, float verticalFactor);

}  // namespace korvo::view
