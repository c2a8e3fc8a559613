// What the user has chosen about how the chart is viewed: size factors, scroll
// position and the flags that steer where a repaint scrolls to.
#pragma once

namespace korvo::view {

struct ViewState {
    // Size factors, 1.0 = 100 %.
    float horizontalScale = 0.2f;
    float verticalScale = 0.8f;
    // The custom size set with the size dialog.
    float customHorizontalScale = 0.2f;
    float customVerticalScale = 0.8f;
    // The vertical factor the fonts were made for.
    float fontVerticalScale = 0.8f;

    // Scroll position in device pixels, kept between paints.
    int savedScrollX = 0;
    int savedScrollY = 0;
    bool newDataFlag = false;       // new data: scroll so the newest bar is at 80 %
    bool goToEndFlag = false;       // scroll to the end of the data once
    bool keepPositionOnce = false;  // keep the scroll position at the next paint

    bool manualScale = false;     // the price scale is set by hand
    bool plotStartMode = false;   // the short-period plot start picked with the cursor
    int pointedDateKey = 0;       // the date picked in that mode (0: none)
};

}  // namespace korvo::view
