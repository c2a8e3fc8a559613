#include "view/scale_dialog.h"

#include <cmath>

#include "view/dialog_numbers.h"

namespace korvo::view {

namespace {

std::string Whole(float value) {
    return FormatBox("%.0f", std::trunc(static_cast<double>(value)));
}

}  // namespace

ScaleDialog::Fields ScaleDialog::Current() const {
    return Fields{FormatBox("%10.2f", static_cast<double>(geometry_.topPrice)),
                  FormatBox("%10.2f", static_cast<double>(geometry_.bottomPrice)),
                  FormatBox(view_.manualVolumeMax)};
}

int ScaleDialog::ChooseAutomatic() {
    view_.manualScale = false;
    return kScaleChoseAutomatic;
}

ScaleDialog::Fields ScaleDialog::ChooseManual() {
    view_.manualScale = true;
    return Fields{Whole(view_.manualTopPrice), Whole(view_.manualBottomPrice),
                  FormatBox(view_.manualVolumeMax)};
}

bool ScaleDialog::Accept(const Fields& fields) {
    if (!view_.manualScale) return true;
    const float top = ReadDecimalBox(fields.priceMax, kBoxChars);
    const float bottom = ReadDecimalBox(fields.priceMin, kBoxChars);
    const auto volume = ReadWholeBox(fields.volumeMax, false);
    // An endless price (typed as 1e99) would leave the panel no scale at all.
    const bool finite = std::isfinite(top) && std::isfinite(bottom);
    if (!finite || !(top > 0.0f) || bottom < 0.0f || !volume || *volume <= 0 || top < bottom) {
        prompts_.ShowMessage(kErrorText, kErrorCaption, platform::Buttons::Ok,
                             platform::Icon::Stop);
        return false;
    }
    view_.manualTopPrice = top;
    view_.manualBottomPrice = bottom;
    view_.manualVolumeMax = *volume;
    ApplyManualScale(view_, series_);
    return true;
}

int ScaleDialog::Cancel() {
    view_.manualScale = manualAtOpening_;
    return kScaleClosed;
}

void ApplyManualScale(const ViewState& view, data::PriceSeries& series) {
    if (!view.manualScale) return;
    series.maxHigh = view.manualTopPrice;
    series.minLow = view.manualBottomPrice;
    series.maxVolume = view.manualVolumeMax;
}

}  // namespace korvo::view
