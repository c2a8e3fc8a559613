// What the user has chosen about how the chart is viewed: size factors, scroll
// position, the flags that steer where a repaint scrolls to, and the manual
// price scale.
#pragma once

#include <cstdint>

namespace korvo::view {

struct ViewState {
    // Size factors, 1.0 = 100 %.
    float horizontalScale = 0.2f;
    float verticalScale = 0.8f;
    // The factors before the last size command; the saved scroll position is
    // rescaled from them to the new size.
    float savedHorizontalScale = 0.2f;
    float savedVerticalScale = 0.8f;
    // The custom size set with the size dialog.
    float customHorizontalScale = 0.2f;
    float customVerticalScale = 0.8f;
    // The vertical factor the fonts were made for.
    float fontVerticalScale = 0.8f;

    // Scroll position in device pixels, kept between paints; the render starts from it.
    std::int32_t savedScrollX = 0;
    std::int32_t savedScrollY = 0;
    // Where the scroll boxes stand, in pixels: the position each scroll step starts from.
    std::int32_t scrollBarPosX = 0;
    std::int32_t scrollBarPosY = 0;
    bool newDataFlag = false;       // new data: scroll so the newest bar is at 80 %
    bool goToEndFlag = false;       // scroll to the end of the data once
    bool keepPositionOnce = false;  // keep the scroll position at the next paint
    bool scrollBarsShown = false;   // both scroll bars are on show

    // The price and volume scale is set by hand (not kept from one run to the next).
    bool manualScale = false;
    float manualTopPrice = 0.0f;
    float manualBottomPrice = 0.0f;
    std::int32_t manualVolumeMax = 0;

    // The display start date was set with its dialog since the last file was opened.
    bool displayStartChanged = false;
};

}  // namespace korvo::view
