// The two title lines and the framed plot area every non-time-series chart
// draws first, in the pixels of its window's client area.
#pragma once

#include <string_view>

#include "platform/canvas.h"
#include "view/drawing_objects.h"

namespace korvo::altcharts {

// The plot area the charts share: left 30 (the trident's 40), top 40, right
// 540, bottom 10 pixels above the client area's bottom.
inline constexpr int kFrameLeft = 30;
inline constexpr int kFrameTop = 40;
inline constexpr int kFrameRight = 540;
inline constexpr int kFrameBottomGap = 10;

// The series title at ((left + right) / 2, top - 37) and the chart's title at
// (.., top - 20), centred in the status font and the title colour; the area
// (left - 3, top - 3, right + 3, bottom + 3) in dark grey with a white edge at
// the top and left and a black one at the bottom and right. Leaves the
// viewport origin at (0, -scrollY) and the text left-aligned; the other state
// is as before.
void DrawNonTimeSeriesFrame(platform::Canvas& canvas, const view::DrawingObjects& objects,
                            std::string_view seriesTitle, std::string_view chartTitle, int left,
                            int right, int top, int bottom, int scrollY);

}  // namespace korvo::altcharts
