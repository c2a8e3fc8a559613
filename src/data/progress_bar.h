// The small progress bar long file operations draw at the bottom of the main
// window. The operations report through platform::ProgressSink; the window's
// sink draws with DrawProgressBar.
#pragma once

#include "platform/canvas.h"
#include "platform/progress.h"

namespace korvo::data {

// Reports progress (callers pass a maximum of 100).
inline void ShowProgress(platform::ProgressSink& sink, int value, int maximum) {
    sink.ShowProgress(value, maximum);
}

// Where the bar goes in the client area (device pixels).
struct ProgressBarShape {
    bool drawEmptyFrame = false;  // value mod maximum is 0: the bar starts again
    platform::Rect frame;         // x left+320 .. left+320+maximum, y bottom-20 .. bottom-5
    platform::Rect filled;  // x left+320 .. left+320+(value mod maximum), y bottom-18 .. bottom-5
    friend bool operator==(const ProgressBarShape&, const ProgressBarShape&) = default;
};

// nullopt-like empty shape (nothing to draw) when maximum is not positive.
ProgressBarShape ProgressBarLayout(platform::Rect client, int value, int maximum);

// Draws the bar: the empty frame first when the bar starts again, then the filled part.
void DrawProgressBar(platform::Canvas& canvas, platform::Rect client, int value, int maximum);

}  // namespace korvo::data
