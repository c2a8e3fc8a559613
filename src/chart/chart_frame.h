// The frame of a chart page: panel fills and rules, price scale and grid,
// volume scale, the captions and marks, and the tick ruler above the panel.
// Called by the renderer with the page geometry fixed and the canvas in the
// 0.1 mm mapping mode at the page's scroll position.
#pragma once

#include "chart/render_context.h"

namespace korvo::chart {

// The client area in logical units at the current viewport origin.
struct ClientSpan {
    int left = 0;
    int right = 0;
};

// Percentage suffixes of the price scale, shared with the psychological line.
inline constexpr const char* kSuffixBottom = "( 0.0%)";
inline constexpr const char* kSuffixTop = "(100%)";
inline constexpr const char* kSuffixMiddle = "( 50.0%)";
inline constexpr const char* kSuffixLowerQuarter = "( 25.0%)";
inline constexpr const char* kSuffixUpperQuarter = "( 75.0%)";

// The program's mark at the foot of the chart.
inline constexpr const char* kProgramMark = "KorvoChart";

void DrawFrame(const RenderContext& context, const ClientSpan& client);
void DrawPriceScaleAndGrid(const RenderContext& context);
// The two volume values shown on the scale: maxVolume cut to two significant digits.
struct VolumeScaleValues {
    int lower = 0;  // at chartBottom - 200
    int upper = 0;  // at chartBottom - 400
};
VolumeScaleValues VolumeScaleFor(int maxVolume);
void DrawVolumeScale(const RenderContext& context);
void DrawVolumeCaptionAndMarks(const RenderContext& context);
void DrawTickRuler(const RenderContext& context);

}  // namespace korvo::chart
