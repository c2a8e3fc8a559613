#include "indicators/parameter_table_dialog.h"

#include <limits>

#include "indicators/dialog_fields.h"

namespace korvo::indicators {

std::array<std::int32_t*, ParameterTableDialog::kFieldCount> ParameterTableDialog::Values() const {
    ParameterTable& t = params_.table;
    return {&t.bollingerPeriod,     &t.psychologicalPeriod,
            &t.volumeRatioPeriod,   &t.volumeAveragePeriod,
            &t.ichimokuShortPeriod, &t.ichimokuLongPeriod,
            &t.sarParameter,        &t.rsiPeriod,
            &t.deviationPeriodA,    &t.deviationPeriodB,
            &t.stochasticsPeriod,   &t.macdShortPeriod,
            &t.macdLongPeriod,      &t.macdSignalPeriod,
            &t.rciPeriod,           &t.momentumPeriod,
            &t.directionalPeriod,   &t.envelopePeriod,
            &t.percentRPeriod,      &params_.shinoharaPeriod,
            &watchPeriod_};
}

ParameterTableDialog::Fields ParameterTableDialog::Current() const {
    Fields fields;
    const auto values = Values();
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i] = FieldText(*values[i]);
    return fields;
}

ParameterTableDialog::Fields ParameterTableDialog::Standard() {
    params_.table = StandardParameterTable();
    params_.shinoharaPeriod = kStandardShinoharaPeriod;
    watchPeriod_ = kStandardWatchPeriod;
    return Current();
}

void ParameterTableDialog::Accept(const Fields& fields) {
    const auto values = Values();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto value = ReadUnsignedField(fields[i]);
        const bool fits =
            value && *value <= static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max());
        *values[i] = fits ? static_cast<std::int32_t>(*value) : 0;
    }
}

}  // namespace korvo::indicators
