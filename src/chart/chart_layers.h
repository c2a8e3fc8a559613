// The drawings other folders lay over the chart: volume indicators, price
// overlays, the indicator panel, moving averages and annotations. The renderer
// calls each one at its fixed place in the drawing order, after checking the
// switch that governs it; an implementation only draws. The base class draws
// nothing, so a chart without them is still complete.
#pragma once

#include "chart/render_context.h"

namespace korvo::chart {

class ChartLayers {
  public:
    virtual ~ChartLayers() = default;

    // Volume drawings (single chart, maxVolume >= 10), after the trade-volume bars.
    virtual void DrawOnBalanceVolume(RenderContext&, int /*page*/) {}
    virtual void DrawVolumeRatio(RenderContext&, int /*page*/) {}
    virtual void DrawVolumeAverage(RenderContext&, int /*page*/) {}
    // Price overlays.
    virtual void DrawIchimoku(RenderContext&, int /*page*/) {}
    virtual void DrawParabolicSar(RenderContext&, int /*page*/) {}
    virtual void DrawShinoharaCr(RenderContext&, int /*page*/) {}
    // The indicator panel (single chart). Codes 8 (on-balance volume) and 9
    // (Bollinger) are drawn at their own places and never come here.
    virtual void DrawSubPanelIndicator(RenderContext&, int /*page*/, int /*code*/) {}
    virtual void DrawBollinger(RenderContext&, int /*page*/) {}
    virtual void DrawEnvelope(RenderContext&, int /*page*/) {}
    virtual void DrawPsychologicalLine(RenderContext&, int /*page*/) {}
    // Line style: the close line of the page (page 0 and 1 and a single chart
    // use the annotation pen, page 2 the line pen, page 3 red).
    virtual void DrawCloseLine(RenderContext&, int /*page*/) {}
    // Moving-average line 1, 2 or 3 of the current period (not in overlap mode).
    virtual void DrawMovingAverage(RenderContext&, int /*page*/, int /*line*/) {}
    // The annotations of the data file; a result below 1 ends the render.
    virtual int DrawAnnotations(RenderContext&, int /*page*/) { return 1; }
};

}  // namespace korvo::chart
