#include "indicators/rci_param_dialog.h"

#include <algorithm>
#include <limits>

#include "indicators/dialog_fields.h"

namespace korvo::indicators {

namespace {

constexpr std::uint32_t kLargestPeriod =
    static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max());

}  // namespace

std::string RciParamDialog::Current() const {
    return FieldText(params_.table.rciPeriod);
}

int RciParamDialog::CheckedControl() const {
    const std::int32_t set = params_.rciSeries;
    if (set < kRciClose || set > kRciVolume) return kFirstDataSetControl;
    return kFirstDataSetControl + set;
}

void RciParamDialog::SelectDataSet(int control) {
    const int set = control - kFirstDataSetControl;
    if (set < kRciClose || set > kRciVolume) return;
    params_.rciSeries = set;
}

std::string RciParamDialog::Step(std::string_view text, int delta) const {
    const auto value = ReadUnsignedField(text);
    const long long now = value ? static_cast<long long>(*value) : params_.table.rciPeriod;
    const long long next = std::clamp(now + delta, 1LL, static_cast<long long>(kLargestPeriod));
    return std::to_string(next);
}

bool RciParamDialog::Accept(std::string_view periodText) {
    const auto value = ReadUnsignedField(periodText);
    if (!value || *value < 1 || *value > kLargestPeriod) {
        prompts_.ShowMessage(kErrorText, kErrorCaption, platform::Buttons::Ok,
                             platform::Icon::Stop);
        return false;
    }
    params_.table.rciPeriod = static_cast<std::int32_t>(*value);
    params_.rciTypedPeriod = params_.table.rciPeriod;
    return true;
}

}  // namespace korvo::indicators
