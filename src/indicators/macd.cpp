#include "indicators/macd.h"

#include <algorithm>
#include <cmath>

#include "chart/panel_drawing.h"
#include "data/calendar.h"
#include "data/printf.h"
#include "indicators/signal_records.h"

namespace korvo::indicators {

namespace {

constexpr int kHeight = 400;

// The exponential average of every bar from `period` on (0 before).
std::vector<float> Ema(const std::vector<float>& c, int period) {
    std::vector<float> ema(c.size(), 0.0f);
    for (int i = period; i < static_cast<int>(c.size()); ++i) {
        float sum = 0.0f;
        for (int j = i - period; j < i; ++j)
            sum += c[static_cast<std::size_t>(j)];
        const float sma = sum / static_cast<float>(period);
        ema[static_cast<std::size_t>(i)] =
            sma + (c[static_cast<std::size_t>(i)] - sma) * 2.0f / static_cast<float>(period + 1);
    }
    return ema;
}

bool PeriodsFit(int shortPeriod, int longPeriod, int signalPeriod, int barCount) {
    return shortPeriod >= 1 && longPeriod >= 1 && signalPeriod >= 1 && barCount >= shortPeriod &&
           barCount >= longPeriod;
}

}  // namespace

Macd ComputeMacd(const data::PriceSeries& s, const chart::ChartGeometry& g, int shortPeriod,
                 int longPeriod, int signalPeriod) {
    Macd r;
    r.shortPeriod = shortPeriod;
    r.longPeriod = longPeriod;
    r.signalPeriod = signalPeriod;
    r.macd = IndicatorLine(s.barCount);
    r.signal = IndicatorLine(s.barCount);
    if (shortPeriod < 1 || longPeriod < 1 || signalPeriod < 1) return r;
    const std::vector<float> c = InChartOrder(SourceValues(s, kSourceClose), g);
    const std::vector<float> emaShort = Ema(c, shortPeriod);
    const std::vector<float> emaLong = Ema(c, longPeriod);
    // Both averages exist only from the longer period on, whichever of the two it is.
    r.firstBar = std::max(shortPeriod, longPeriod);
    std::vector<float> macd(c.size(), 0.0f);
    float largest = -10000000.0f;
    float smallest = 10000000.0f;
    for (int i = r.firstBar; i < s.barCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        macd[at] = emaShort[at] - emaLong[at];
        largest = std::max(largest, macd[at]);
        smallest = std::min(smallest, macd[at]);
    }
    if (r.firstBar < s.barCount) r.range = 2.0f * std::max(std::fabs(largest), std::fabs(smallest));
    const float scale = r.range != 0.0f ? static_cast<float>(kHeight) / r.range : 0.0f;
    for (int i = r.firstBar; i < s.barCount; ++i) {
        const float v = macd[static_cast<std::size_t>(i)];
        r.macd.Set(i, v,
                   chart::TruncToInt(static_cast<float>(g.indicatorBottom - 200) - v * scale));
    }
    for (int i = r.firstBar + signalPeriod; i < s.barCount; ++i) {
        float sum = 0.0f;
        for (int j = i - signalPeriod; j < i; ++j)
            sum += static_cast<float>(r.macd.YAt(j));
        const float mean = sum / static_cast<float>(signalPeriod);
        r.signal.Set(i, mean, chart::TruncToInt(mean));
    }
    return r;
}

std::string MacdTitle(int fileTypeId, int shortPeriod, int longPeriod) {
    switch (data::PeriodOf(fileTypeId)) {
        case data::Period::Week:
            return data::Printf("M.A.C.D. %d - %d(week)", shortPeriod, longPeriod);
        case data::Period::Month:
            return data::Printf("M.A.C.D. %d - %d(month)", shortPeriod, longPeriod);
        case data::Period::Day:
            break;
    }
    return data::Printf("M.A.C.D. %d - %d(day)", shortPeriod, longPeriod);
}

std::string MacdSignalText(const data::PriceSeries& s, const chart::ChartGeometry& g,
                           const Macd& r) {
    std::string text = SignalHeader(kMacdHeader, s.title);
    if (s.barCount < 1) return text;
    text += IndicatorStartRecord(s.year[0], s.month[0], s.day[0], s.close[0], 0);
    // A buy where the MACD rises above its signal line (a smaller y).
    return text + CrossingRecords(s, g, r.signal, r.macd, r.firstBar + r.signalPeriod);
}

int DrawMacd(const DrawTarget& t, int shortPeriod, int longPeriod, int signalPeriod,
             const SignalOutput& output) {
    if (!PeriodsFit(shortPeriod, longPeriod, signalPeriod, t.series.barCount)) return kTooFewBars;
    const Macd r = ComputeMacd(t.series, t.geometry, shortPeriod, longPeriod, signalPeriod);
    if (!WriteSignalFile(output.startDirectory, SignalFile::Macd,
                         MacdSignalText(t.series, t.geometry, r), output.written))
        return kSignalFileFailed;
    if (!t.Draws()) return kSignalFileDone;
    const view::DrawingObjects& o = *t.objects;
    const int bottom = t.geometry.indicatorBottom;
    DrawTitle(t, MacdTitle(t.series.fileTypeId, shortPeriod, longPeriod));
    DrawFrame(t, kHeight, chart::kGridQuarters);
    DrawLine(t, o.palettePen[4], r.macd);
    DrawEndLabel(t, o.paletteBrush[4].colour, " MACD", r.macd);
    DrawLine(t, o.palettePen[1], r.signal);
    DrawEndLabel(t, o.paletteBrush[1].colour, " Signal", r.signal);
    const platform::Colour blue = o.paletteBrush[1].colour;
    DrawScale(t, blue, r.range / 2.0f, bottom - 400, true);
    DrawScale(t, blue, 0.0f, bottom - 200, true);
    DrawScale(t, blue, 0.0f - r.range / 2.0f, bottom, true);
    return kSignalFileDone;
}

}  // namespace korvo::indicators
