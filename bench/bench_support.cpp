#include "bench_support.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace korvo::bench {

void FillLargestSeries(data::PriceSeries& s) {
    using namespace std::chrono;
    s.fileTypeId = 210;
    s.title = "Bench";
    s.marketCode = "9999";
    s.unitLabel = "Yen";
    s.dataPath = "/bench/bench.stk";
    s.plotStartYear = 1990;
    s.plotStartMonth = 1;
    sys_days date = year{1990} / 1 / 1;
    float price = 1500.0f;
    float maxHigh = 0, minLow = 1e9f;
    int peak = 0;
    for (int i = 0; i < data::kMaxBars; ++i, date += days{1}) {
        const year_month_day ymd{date};
        const auto at = static_cast<std::size_t>(i);
        const float drift = static_cast<float>(std::sin(i * 0.013) * 25 + ((i * 7919) % 41) - 20.3);
        const float open = price;
        price = std::clamp(price + drift, 1000.0f, 3000.0f);
        s.year[at] = static_cast<std::int16_t>(int(ymd.year()));
        s.month[at] = static_cast<std::uint8_t>(unsigned(ymd.month()));
        s.day[at] = static_cast<std::uint8_t>(unsigned(ymd.day()));
        s.open[at] = open;
        s.close[at] = price;
        s.high[at] = std::max(open, price) + static_cast<float>((i * 31) % 17);
        s.low[at] = std::min(open, price) - static_cast<float>((i * 17) % 13);
        s.volume[at] = 200 + (i * 131) % 900;
        maxHigh = std::max(maxHigh, s.high[at]);
        minLow = std::min(minLow, s.low[at]);
        peak = std::max(peak, s.volume[at]);
    }
    s.barCount = data::kMaxBars;
    s.rawMaxHigh = maxHigh;
    s.rawMinLow = minLow;
    s.maxHigh = std::ceil(maxHigh);
    s.minLow = std::floor(minLow);
    s.peakVolume = peak;
    s.maxVolume = peak;
}

LargestChart::LargestChart() {
    FillLargestSeries(*series);
    view::CreatePensAndBrushes(objects, colours);
    view::CreateFonts(objects, 1.0f, 1.0f);
    options.tradeVolume = true;
    options.volumeHistogram = true;
    options.volumeRatio = true;
    viewState.newDataFlag = true;
}

chart::RenderOutcome LargestChart::Paint(platform::Canvas& canvas, bool clear) {
    canvas.SetClip(platform::Rect{0, 0, kScreen.width, kScreen.height});
    if (clear) {
        canvas.FillRect(platform::Rect{0, 0, kScreen.width, kScreen.height},
                        platform::Brush{0x404040, false});
    }
    chart::RenderContext c(canvas, *series, *geometry, viewState, options, objects, colours, params,
                           prompts, clock, *layers);
    c.client = kScreen;
    c.screen = kScreen;
    return chart::RenderChart(c);
}

}  // namespace korvo::bench
