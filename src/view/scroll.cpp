#include "view/scroll.h"

#include <cstdint>
#include <cstdlib>

namespace korvo::view {

namespace {

// The end of a scroll range, |pages| x extent, kept inside int.
int RangeEnd(int pages, int extent) {
    const long long end = static_cast<long long>(std::abs(pages)) * extent;
    return end > 1'000'000'000 ? 1'000'000'000 : static_cast<int>(end);
}

// A step back that never goes below `lowest`; a step that would pass 0 lands on it.
int StepBack(int position, int step, int lowest) {
    if (position <= lowest) return position;
    position -= step;
    return position < 0 ? lowest : position;
}

int Direction(int pages) {
    return pages < 0 ? -1 : 1;
}

using StepRule = int (*)(int request, int position, int thumb, int pages, int extent);

// One request under `step`: the scroll box moves, and where it lands, signed
// by the direction, is the saved position the next render starts from.
ScrollOutcome Scroll(StepRule step, std::int32_t& position, std::int32_t& saved, int request,
                     int thumb, int pages, int extent) {
    ScrollOutcome out;
    out.oldPosition = position;
    out.newPosition = step(request, out.oldPosition, thumb, pages, extent);
    position = out.newPosition;
    saved = Direction(pages) * out.newPosition;
    return out;
}

}  // namespace

int StepTimeAxis(int request, int p, int thumb, int pages, int extent) {
    const int end = RangeEnd(pages, extent);
    switch (request) {
        case kScrollLineBack:
            return StepBack(p, kTimeLineStep, -kTimeScrollMargin);
        case kScrollPageBack:
            return StepBack(p, kTimePageStep, -kTimeScrollMargin);
        case kScrollLineForward:
            return p - extent < end ? p + kTimeLineStep : p;
        case kScrollPageForward:
            return p - extent < end ? p + kTimePageStep : p;
        case kScrollThumbPosition:
            return thumb;
        case kScrollToStart:
            return -kTimeScrollMargin;
        default:
            return p;
    }
}

int StepVertical(int request, int p, int thumb, int pages, int extent) {
    const int end = RangeEnd(pages, extent);
    switch (request) {
        case kScrollLineBack:
            return StepBack(p, kVerticalLineStep, 0);
        case kScrollPageBack:
            return StepBack(p, kVerticalPageStep, 0);
        case kScrollLineForward:
            return p <= end ? p + kVerticalLineStep : p;
        case kScrollPageForward:
            return p < end ? p + kVerticalPageStep : p;
        case kScrollThumbPosition:
            return thumb;
        case kScrollToStart:
            return 0;
        case kScrollToEnd:
            return end;
        default:
            return p;
    }
}

int StepAltChart(int request, int p, int thumb, int pages, int extent) {
    const int end = RangeEnd(pages, extent);
    switch (request) {
        case kScrollLineBack:
            return StepBack(p, kAltLineStep, 0);
        case kScrollPageBack:
            return StepBack(p, kAltPageStep, 0);
        case kScrollLineForward:
            return p < end ? p + kAltLineStep : p;
        case kScrollPageForward:
            return p < end ? p + kAltPageStep : p;
        case kScrollThumbPosition:
            return thumb;
        case kScrollToStart:
            return 0;
        case kScrollToEnd:
            return end;
        default:
            return p;
    }
}

ScrollOutcome HorizontalScroll(ViewState& view, int request, int thumb, int pagesAcross,
                               int clientWidth) {
    ScrollOutcome out = Scroll(StepTimeAxis, view.scrollBarPosX, view.savedScrollX, request, thumb,
                               pagesAcross, clientWidth);
    if (request == kScrollToEnd) {
        // As after new data: the render puts the newest bar at 80 % of the width.
        view.goToEndFlag = true;
        out.toEnd = true;
    }
    return out;
}

ScrollOutcome VerticalScroll(ViewState& view, int request, int thumb, int pagesDown,
                             int clientHeight) {
    ScrollOutcome out = Scroll(StepVertical, view.scrollBarPosY, view.savedScrollY, request, thumb,
                               pagesDown, clientHeight);
    out.rangeMax = RangeEnd(pagesDown, clientHeight);
    return out;
}

ScrollOutcome AltChartScroll(ViewState& view, int request, int thumb, int pagesAcross,
                             int clientWidth) {
    ScrollOutcome out = Scroll(StepAltChart, view.scrollBarPosX, view.savedScrollX, request, thumb,
                               pagesAcross, clientWidth);
    out.rangeMax = RangeEnd(pagesAcross, clientWidth);
    return out;
}

}  // namespace korvo::view
