// Placing an annotation with the left mouse button after the text dialog:
// pressed at the start point, a rubber band follows the cursor, released at
// the end point. The band is an inverted line drawn straight onto the window,
// as the read-out draws its crosshair, so drawing it twice leaves no trace.
#pragma once

#include "annotate/annotation_state.h"
#include "platform/canvas.h"
#include "view/readout.h"

namespace korvo::annotate {

// The band from `start` to `end` (client pixels), inverting.
void DrawRubberBand(platform::Canvas& canvas, platform::Point start, platform::Point end,
                    platform::Size client);

// Left button pressed while placing: the start point, the band, the cross
// cursor. False (nothing done) when no placement is waiting.
bool BeginPlacement(AnnotationState& state, view::ReadOutWindow& window, platform::Point point);
// Mouse moved while dragging: the band follows. False when not dragging.
bool MovePlacement(AnnotationState& state, view::ReadOutWindow& window, platform::Point point);
// Left button released while dragging: the band comes off, the cursor and
// the mouse are released and the end point is kept. False when not dragging.
bool EndPlacement(AnnotationState& state, view::ReadOutWindow& window, platform::Point point);

}  // namespace korvo::annotate
