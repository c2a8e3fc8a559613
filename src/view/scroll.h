// Scrolling over a chart larger than the window. The scroll bars, the mouse
// wheel and the keys all end up here, so there is one scroll model: a request
// moves the scroll box's position in pixels within the chart's limits, and the
// result becomes the saved scroll position the next render starts from.
#pragma once

#include "view/view_state.h"

namespace korvo::view {

// Scroll requests, numbered as the window system numbers its scroll bar codes.
enum ScrollRequest : int {
    kScrollLineBack = 0,       // line left / up
    kScrollLineForward = 1,    // line right / down
    kScrollPageBack = 2,       // page left / up
    kScrollPageForward = 3,    // page right / down
    kScrollThumbPosition = 4,  // the thumb was released at a position
    kScrollThumbTrack = 5,     // the thumb is being dragged: nothing scrolls yet
    kScrollToStart = 6,        // Home: the start of the chart
    kScrollToEnd = 7,          // End: the newest data
    kScrollEndScroll = 8,
};

// The time-series chart's horizontal steps: a margin before the chart, and steps in pixels.
inline constexpr int kTimeScrollMargin = 50;
inline constexpr int kTimeLineStep = 2;
inline constexpr int kTimePageStep = 20;
// Vertical steps over the price and volume panels.
inline constexpr int kVerticalLineStep = 1;
inline constexpr int kVerticalPageStep = 15;
// The non-time-series chart windows.
inline constexpr int kAltLineStep = 1;
inline constexpr int kAltPageStep = 20;

// The scroll box's position after one request. `position` is where the box
// stands, `pages` the page count of the last render (its sign is the
// direction), `extent` the client width (horizontal) or height (vertical).
int StepTimeAxis(int request, int position, int thumb, int pages, int extent);
int StepVertical(int request, int position, int thumb, int pages, int extent);
int StepAltChart(int request, int position, int thumb, int pages, int extent);

struct ScrollOutcome {
    int oldPosition = 0;
    int newPosition = 0;
    // The range the variant sets before it moves (0..rangeMax); -1 when it keeps the range.
    int rangeMax = -1;
    // End was asked for: the next render shows the newest data.
    bool toEnd = false;
    bool Moved() const { return oldPosition != newPosition; }
    // Pixels the window's contents move (old position - new position).
    int Shift() const { return oldPosition - newPosition; }
};

// The time-series chart's horizontal scroll bar: from scrollBarPosX, with a
// 50-pixel margin before the chart. Home goes to the margin; End sets
// goToEndFlag. The result is stored as savedScrollX.
ScrollOutcome HorizontalScroll(ViewState& view, int request, int thumb, int pagesAcross,
                               int clientWidth);
// The vertical scroll bar: from scrollBarPosY, range 0..|pagesDown| x height.
// The result is stored as savedScrollY.
ScrollOutcome VerticalScroll(ViewState& view, int request, int thumb, int pagesDown,
                             int clientHeight);
// The horizontal scroll bar of the non-time-series chart windows: range
// 0..|pagesAcross| x width, no margin. The result is stored as savedScrollX.
ScrollOutcome AltChartScroll(ViewState& view, int request, int thumb, int pagesAcross,
                             int clientWidth);

}  // namespace korvo::view
