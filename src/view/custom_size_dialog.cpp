#include "view/custom_size_dialog.h"

#include <cmath>

#include "view/dialog_numbers.h"
#include "view/size_commands.h"

namespace korvo::view {

namespace {

// Whole percent as the box shows it; rounded, so a size entered as 29 opens as 29.
std::string Percent(float factor) {
    return FormatBox(static_cast<int>(std::lround(static_cast<double>(factor) * 100.0)));
}

}  // namespace

CustomSizeDialog::Fields CustomSizeDialog::Current() {
    if (!(view_.horizontalScale > 0.0f)) view_.horizontalScale = 1.0f;
    if (!(view_.verticalScale > 0.0f)) view_.verticalScale = 1.0f;
    return Fields{Percent(view_.horizontalScale), Percent(view_.verticalScale)};
}

bool CustomSizeDialog::Accept(const Fields& fields) {
    const float widthPercent = ReadDecimalBox(fields.width, kBoxChars);
    const float heightPercent = ReadDecimalBox(fields.height, kBoxChars);
    const float horizontal = widthPercent / 100.0f;
    const float vertical = heightPercent / 100.0f;
    if (horizontal > kMaxFactor || vertical > kMaxFactor) {
        prompts_.ShowMessage(kTooLargeText, kWarningCaption, platform::Buttons::Ok,
                             platform::Icon::Exclamation);
        return false;
    }
    // Below 1 % the chart has no height (or no width) left to draw in; a size of
    // 0 is what the settings file takes for "not set".
    if (!(widthPercent >= 1.0f) || !(heightPercent >= 1.0f)) {
        prompts_.ShowMessage(kTooSmallText, kWarningCaption, platform::Buttons::Ok,
                             platform::Icon::Exclamation);
        return false;
    }
    scrollBarsWanted_ = horizontal > 1.0f || vertical > 1.0f;
    if (scrollBarsWanted_) view_.scrollBarsShown = true;
    SetCustomFactors(view_, horizontal, vertical);
    return true;
}

}  // namespace korvo::view
