// The placement under the left button: a rubber band from where it went down
// to the cursor, inverted on the window so each drawing is taken off by the
// next, and the end point where it was let go.
#include <gtest/gtest.h>

#include "annotate/placement.h"
#include "platform/recording_canvas.h"

namespace korvo::annotate {
namespace {

using platform::CallKind;
using platform::Point;

struct FakeWindow : view::ReadOutWindow {
    platform::Size ClientSize() const override { return {800, 600}; }
    void DrawOnWindow(const std::function<void(platform::Canvas&)>& draw) override { draw(canvas); }
    void SetCrossCursor(bool on) override { cross = on; }
    void CaptureMouse(bool on) override { captured = on; }
    platform::RecordingCanvas canvas{platform::Size{800, 600}};
    bool cross = false;
    bool captured = true;
};

// The bands drawn, as start and end points; every one inverting.
std::vector<std::pair<Point, Point>> Bands(const FakeWindow& w) {
    std::vector<std::pair<Point, Point>> bands;
    for (const auto& call : w.canvas.CallsOf(CallKind::Line)) {
        EXPECT_EQ(call.rasterOp, platform::RasterOp::Invert);
        bands.emplace_back(call.points[0], call.points[1]);
    }
    return bands;
}

TEST(Placement, TheBandFollowsTheCursorAndLeavesNothingBehind) {
    AnnotationState state;
    FakeWindow window;
    // Nothing happens before the dialog was confirmed.
    EXPECT_FALSE(BeginPlacement(state, window, {10, 10}));
    EXPECT_FALSE(MovePlacement(state, window, {20, 20}));
    EXPECT_FALSE(EndPlacement(state, window, {20, 20}));
    EXPECT_TRUE(window.canvas.Calls().empty());

    state.placingText = true;
    EXPECT_TRUE(BeginPlacement(state, window, {100, 200}));
    EXPECT_TRUE(window.cross);
    EXPECT_TRUE(MovePlacement(state, window, {150, 180}));
    EXPECT_TRUE(MovePlacement(state, window, {300, 120}));
    EXPECT_TRUE(EndPlacement(state, window, {310, 118}));
    const Point s{100, 200};
    const std::vector<std::pair<Point, Point>> expected = {
        {s, s},                            // down
        {s, s},          {s, {150, 180}},  // first move: off, on
        {s, {150, 180}}, {s, {300, 120}},  // second move
        {s, {300, 120}},                   // up: off
    };
    EXPECT_EQ(Bands(window), expected);
    // Each band is drawn an even number of times: the picture is as it was.
    EXPECT_FALSE(state.placingText);
    EXPECT_FALSE(state.draggingText);
    EXPECT_FALSE(window.cross);
    EXPECT_FALSE(window.captured);
    EXPECT_EQ(state.startPoint, s);
    EXPECT_EQ(state.endPoint, (Point{310, 118}));
    EXPECT_FALSE(MovePlacement(state, window, {1, 1}));
}

}  // namespace
}  // namespace korvo::annotate
