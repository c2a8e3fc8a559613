// The scroll steps of the time axis, the price axis and the non-time-series
// chart windows, and what a step leaves for the next render.
#include "view/scroll.h"

#include <gtest/gtest.h>

namespace korvo::view {
namespace {

struct Step {
    const char* name;
    int request;
    int position;
    int thumb;
    int pages;
    int extent;
    int expected;
};

TEST(ScrollSteps, TimeAxisHasAFiftyPixelMarginAndStepsOfTwoAndTwenty) {
    const Step steps[] = {
        {"line left at 0 jumps into the margin", kScrollLineBack, 0, 0, 2, 800, -50},
        {"a further click does nothing", kScrollLineBack, -50, 0, 2, 800, -50},
        {"line left from 1 lands in the margin too", kScrollLineBack, 1, 0, 2, 800, -50},
        {"line left from 2 reaches 0", kScrollLineBack, 2, 0, 2, 800, 0},
        {"line left", kScrollLineBack, 100, 0, 2, 800, 98},
        {"line right", kScrollLineForward, 100, 0, 2, 800, 102},
        {"line right out of the margin", kScrollLineForward, -50, 0, 2, 800, -48},
        {"page left", kScrollPageBack, 100, 0, 2, 800, 80},
        {"page left below 0 lands in the margin", kScrollPageBack, 19, 0, 2, 800, -50},
        {"page left from 20 reaches 0", kScrollPageBack, 20, 0, 2, 800, 0},
        {"page right", kScrollPageForward, 100, 0, 2, 800, 120},
        // A step right is taken while p - W < |P| x W: up to one window past the range.
        {"last line right taken", kScrollLineForward, 2399, 0, 2, 800, 2401},
        {"line right at the limit refused", kScrollLineForward, 2400, 0, 2, 800, 2400},
        {"page right at the limit refused", kScrollPageForward, 2400, 0, 2, 800, 2400},
        {"a negative page count limits the same", kScrollPageForward, 2400, 0, -2, 800, 2400},
        {"thumb released", kScrollThumbPosition, 100, 640, 2, 800, 640},
        {"thumb dragged does not scroll", kScrollThumbTrack, 100, 640, 2, 800, 100},
        {"Home goes to the margin", kScrollToStart, 900, 0, 2, 800, -50},
        {"End leaves the position to the render", kScrollToEnd, 900, 0, 2, 800, 900},
        {"end of scroll does nothing", kScrollEndScroll, 900, 0, 2, 800, 900},
    };
    for (const Step& s : steps)
        EXPECT_EQ(StepTimeAxis(s.request, s.position, s.thumb, s.pages, s.extent), s.expected)
            << s.name;
}

TEST(ScrollSteps, VerticalStepsOfOneAndFifteenStopAtZero) {
    const Step steps[] = {
        {"line up", kScrollLineBack, 10, 0, 3, 600, 9},
        {"line up at 0 stays (no margin)", kScrollLineBack, 0, 0, 3, 600, 0},
        {"page up", kScrollPageBack, 40, 0, 3, 600, 25},
        {"page up below 0 stops at 0", kScrollPageBack, 10, 0, 3, 600, 0},
        {"line down", kScrollLineForward, 10, 0, 3, 600, 11},
        {"line down taken at the end of the range", kScrollLineForward, 1800, 0, 3, 600, 1801},
        {"line down refused past it", kScrollLineForward, 1801, 0, 3, 600, 1801},
        {"page down", kScrollPageForward, 10, 0, 3, 600, 25},
        {"page down refused at the end of the range", kScrollPageForward, 1800, 0, 3, 600, 1800},
        {"page down taken just before it", kScrollPageForward, 1799, 0, 3, 600, 1814},
        {"thumb released", kScrollThumbPosition, 10, 333, 3, 600, 333},
    };
    for (const Step& s : steps)
        EXPECT_EQ(StepVertical(s.request, s.position, s.thumb, s.pages, s.extent), s.expected)
            << s.name;
}

TEST(ScrollSteps, NonTimeSeriesWindowsStepOneAndTwentyWithoutAMargin) {
    const Step steps[] = {
        {"line left at 0 stays", kScrollLineBack, 0, 0, 2, 500, 0},
        {"line left", kScrollLineBack, 7, 0, 2, 500, 6},
        {"page left stops at 0", kScrollPageBack, 7, 0, 2, 500, 0},
        {"line right", kScrollLineForward, 7, 0, 2, 500, 8},
        {"page right", kScrollPageForward, 7, 0, 2, 500, 27},
        {"right refused at the end of the range", kScrollLineForward, 1000, 0, 2, 500, 1000},
        {"right taken just before it", kScrollPageForward, 999, 0, 2, 500, 1019},
    };
    for (const Step& s : steps)
        EXPECT_EQ(StepAltChart(s.request, s.position, s.thumb, s.pages, s.extent), s.expected)
            << s.name;
}

TEST(Scroll, AStepBecomesTheSavedPositionTheNextRenderStartsFrom) {
    ViewState v;
    v.scrollBarPosX = 0;
    v.savedScrollX = 0;
    ScrollOutcome out = HorizontalScroll(v, kScrollLineBack, 0, 3, 1000);
    EXPECT_EQ(out.oldPosition, 0);
    EXPECT_EQ(out.newPosition, -50);
    EXPECT_EQ(out.Shift(), 50);  // the contents move right by the margin
    EXPECT_EQ(v.scrollBarPosX, -50);
    EXPECT_EQ(v.savedScrollX, -50);
    // Pressed again at the margin: nothing moves.
    out = HorizontalScroll(v, kScrollLineBack, 0, 3, 1000);
    EXPECT_FALSE(out.Moved());
    EXPECT_EQ(v.savedScrollX, -50);

    // The page count's sign gives the direction of the saved position.
    v.scrollBarPosX = 100;
    HorizontalScroll(v, kScrollPageForward, 0, -3, 1000);
    EXPECT_EQ(v.scrollBarPosX, 120);
    EXPECT_EQ(v.savedScrollX, -120);

    // End asks the render for the newest data; the position is the render's to set.
    v.goToEndFlag = false;
    out = HorizontalScroll(v, kScrollToEnd, 0, 3, 1000);
    EXPECT_TRUE(out.toEnd);
    EXPECT_TRUE(v.goToEndFlag);

    // The vertical bar sets its range first and saves to savedScrollY only.
    ViewState w;
    w.savedScrollX = 77;
    w.scrollBarPosY = 30;
    out = VerticalScroll(w, kScrollPageBack, 0, 2, 700);
    EXPECT_EQ(out.rangeMax, 1400);
    EXPECT_EQ(w.savedScrollY, 15);
    EXPECT_EQ(w.savedScrollX, 77);

    // The chart windows' variant works on the horizontal position.
    ViewState a;
    a.scrollBarPosX = 0;
    out = AltChartScroll(a, kScrollLineBack, 0, 4, 300);
    EXPECT_EQ(out.rangeMax, 1200);
    EXPECT_EQ(a.savedScrollX, 0);
    AltChartScroll(a, kScrollPageForward, 0, 4, 300);
    EXPECT_EQ(a.savedScrollX, 20);
}

}  // namespace
}  // namespace korvo::view
