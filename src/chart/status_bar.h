// The status strip along the bottom of the window and the title box over the
// price panel. Both are drawn in device pixels with the viewport origin at
// (0, 0), so they stay put while the chart scrolls.
#pragma once

#include <string>
#include <string_view>

#include "chart/render_context.h"

namespace korvo::chart {

// Height of the strip at the bottom of the client area, in pixels.
inline constexpr int kStatusStripHeight = 25;
// Windows narrower than this leave the size text out.
inline constexpr int kStatusSizeTextMinWidth = 800;

// A raised text box. The canvas must be in device pixels with the status font
// selected. Left edge x + 5, or right-aligned when x is -1; top y + 5. Returns
// the right edge, so boxes can be chained.
int DrawStatusPanel(platform::Canvas& canvas, const view::DrawingObjects& objects, int clientWidth,
                    std::string_view text, int y, int x);

// The title box over the price panel.
struct TitleBox {
    std::string text;
    int y = 0;  // device y passed on to DrawStatusPanel
};

// x = 0: the strip with text 1 and text 2 chained from its left end, and the
// title box when one is given; x = -1: text 1 and text 2 chained from the
// right end of the strip. Saves and restores the canvas state.
void DrawStatusBar(platform::Canvas& canvas, const view::DrawingObjects& objects,
                   platform::Size client, std::string_view text1, std::string_view text2, int x,
                   const TitleBox* title = nullptr);

// The texts of the status line for the current series and geometry.
struct StatusTexts {
    std::string text1;      // path and extremes
    std::string text2;      // size in percent, or empty in a narrow window
    std::string title;      // title box text, empty when no box is drawn
    std::string range;      // dates and title for the right-hand chain
    std::string rangeFlag;  // "No", or "Auto" with the open-price correction
};
StatusTexts MakeStatusTexts(const RenderContext& context);

// Both status bar calls of a page: the strip with the title box, then (unless
// printing) the right-aligned chain.
void UpdateStatusLine(const RenderContext& context);

}  // namespace korvo::chart
