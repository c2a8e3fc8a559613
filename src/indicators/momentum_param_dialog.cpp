#include "indicators/momentum_param_dialog.h"

#include <limits>

#include "indicators/dialog_fields.h"

namespace korvo::indicators {

std::array<std::int32_t*, MomentumParamDialog::kFieldCount> MomentumParamDialog::Periods() const {
    return {&params_.maDaily1,  &params_.maDaily2,   &params_.maWeekly1,
            &params_.maWeekly2, &params_.maMonthly1, &params_.maMonthly2};
}

MomentumParamDialog::Fields MomentumParamDialog::Current() const {
    Fields fields;
    const auto periods = Periods();
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i] = FieldText(*periods[i]);
    return fields;
}

MomentumParamDialog::Fields MomentumParamDialog::Standard() {
    const IndicatorParams defaults;
    params_.maDaily1 = defaults.maDaily1;
    params_.maDaily2 = defaults.maDaily2;
    params_.maWeekly1 = defaults.maWeekly1;
    params_.maWeekly2 = defaults.maWeekly2;
    params_.maMonthly1 = defaults.maMonthly1;
    params_.maMonthly2 = defaults.maMonthly2;
    return Current();
}

bool MomentumParamDialog::Accept(const Fields& fields) {
    std::array<std::int32_t, kFieldCount> values{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto value = ReadUnsignedField(fields[i]);
        // A period below 1 would average nothing; one beyond 32 signed bits
        // would turn negative when stored.
        if (!value || *value < 1 ||
            *value > static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max())) {
            prompts_.ShowMessage(kErrorText, kErrorCaption, platform::Buttons::Ok,
                                 platform::Icon::Stop);
            return false;
        }
        values[i] = static_cast<std::int32_t>(*value);
    }
    const auto periods = Periods();
    for (std::size_t i = 0; i < values.size(); ++i)
        *periods[i] = values[i];
    return true;
}

}  // namespace korvo::indicators
