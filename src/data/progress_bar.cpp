#include "data/progress_bar.h"

namespace korvo::data {

namespace {

constexpr platform::Colour kFrameColour = platform::Rgb(0, 0, 0);
constexpr platform::Colour kEmptyColour = platform::Rgb(255, 255, 255);
constexpr platform::Colour kFilledColour = platform::Rgb(0, 0, 128);

}  // namespace

ProgressBarShape ProgressBarLayout(platform::Rect client, int value, int maximum) {
    ProgressBarShape shape;
    if (maximum <= 0) return shape;
    int done = value % maximum;
    if (done < 0) done = 0;
    const int left = client.left + 320;
    shape.drawEmptyFrame = done == 0;
    shape.frame = {left, client.bottom - 20, left + maximum, client.bottom - 5};
    shape.filled = {left, client.bottom - 18, left + done, client.bottom - 5};
    return shape;
}

void DrawProgressBar(platform::Canvas& canvas, platform::Rect client, int value, int maximum) {
    if (maximum <= 0) return;
    const ProgressBarShape shape = ProgressBarLayout(client, value, maximum);
    platform::CanvasStateGuard guard(canvas);
    canvas.SetMapMode(platform::MapMode::Device);
    canvas.SetViewportOrigin({0, 0});
    if (shape.drawEmptyFrame) {
        canvas.SelectPen(platform::Pen{platform::PenStyle::Solid, 1, kFrameColour});
        canvas.SelectBrush(platform::Brush{kEmptyColour, false});
        canvas.Rectangle(shape.frame);
    }
    if (!shape.filled.IsEmpty())
        canvas.FillRect(shape.filled, platform::Brush{kFilledColour, false});
}

}  // namespace korvo::data
