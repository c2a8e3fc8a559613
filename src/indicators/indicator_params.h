// The indicator periods the user sets in the moving-average dialog and the
// parameter table; every indicator reads its period from here.
#pragma once

#include <cstdint>

namespace korvo::indicators {

// The parameter table, in the order the settings file keeps it. The two spare
// values are not shown in the dialog but are reset with the others.
struct ParameterTable {
    std::int32_t bollingerPeriod = 10;
    std::int32_t psychologicalPeriod = 12;
    std::int32_t volumeRatioPeriod = 14;
    std::int32_t volumeAveragePeriod = 10;
    std::int32_t ichimokuShortPeriod = 9;
    std::int32_t ichimokuLongPeriod = 26;
    std::int32_t sarParameter = 5;
    std::int32_t rsiPeriod = 14;
    std::int32_t deviationPeriodA = 10;
    std::int32_t deviationPeriodB = 30;
    std::int32_t stochasticsPeriod = 10;
    std::int32_t macdShortPeriod = 12;
    std::int32_t macdLongPeriod = 26;
    std::int32_t macdSignalPeriod = 9;
    std::int32_t rciPeriod = 15;
    std::int32_t momentumPeriod = 30;
    std::int32_t directionalPeriod = 14;
    std::int32_t spareParameter1 = 14;
    std::int32_t spareParameter2 = 9;
    std::int32_t percentRPeriod = 14;
    std::int32_t envelopePeriod = 30;
    friend bool operator==(const ParameterTable&, const ParameterTable&) = default;
};

// What the table's "標準設定" button restores.
inline ParameterTable StandardParameterTable() {
    return ParameterTable{};
}

// RCI data series.
inline constexpr std::int32_t kRciClose = 0;
inline constexpr std::int32_t kRciHigh = 1;
inline constexpr std::int32_t kRciLow = 2;
inline constexpr std::int32_t kRciOpen = 3;
inline constexpr std::int32_t kRciVolume = 4;

struct IndicatorParams {
    // Moving-average lines 1 and 2 by period ("標準値" of the moving-average dialog).
    std::int32_t maDaily1 = 25;
    std::int32_t maDaily2 = 50;
    std::int32_t maWeekly1 = 13;
    std::int32_t maWeekly2 = 26;
    std::int32_t maMonthly1 = 3;
    std::int32_t maMonthly2 = 6;
    // The RCI period as last typed in the RCI dialog, and the series it ranks.
    std::int32_t rciTypedPeriod = 15;
    std::int32_t rciSeries = kRciClose;
    std::int32_t shinoharaPeriod = 26;
    ParameterTable table = StandardParameterTable();
};

}  // namespace korvo::indicators
