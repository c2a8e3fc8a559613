#include "indicators/signal_records.h"

#include "indicators/signal_files.h"

namespace korvo::indicators {

std::string BarRecord(const data::PriceSeries& s, const chart::ChartGeometry& g, int kind, int bar,
                      int state) {
    const auto at = static_cast<std::size_t>(bar);
    return IndicatorRecord(kind, s.year[at], s.month[at], s.day[at], g.barX[at], bar, state);
}

std::string EndRecord(const data::PriceSeries& s, const chart::ChartGeometry& g, bool open) {
    return BarRecord(s, g, kRecordEnd, s.barCount - 1, open ? 1 : 0);
}

std::string CrossingRecords(const data::PriceSeries& s, const chart::ChartGeometry& g,
                            const IndicatorLine& first, const IndicatorLine& second, int from) {
    std::string text;
    bool open = false;
    for (int j = from; j < s.barCount; ++j) {
        if (!first.Has(j) || !second.Has(j)) continue;
        if (first.YAt(j) > second.YAt(j) && !open) {
            text += BarRecord(s, g, kRecordBuy, j, 0);
            open = true;
        } else if (first.YAt(j) <= second.YAt(j) && open) {
            text += BarRecord(s, g, kRecordSell, j, 1);
            open = false;
        }
    }
    return text + EndRecord(s, g, open);
}

}  // namespace korvo::indicators
