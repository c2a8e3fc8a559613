#include "chart/chart_fixture.h"

#include <algorithm>
#include <cmath>

namespace korvo::chart::test {

ChartFixture::ChartFixture() {
    view::CreatePensAndBrushes(objects, colours);
    view::CreateFonts(objects, 1.0f, 1.0f);
    options.movingAverage1 = false;
    options.movingAverage2 = false;
}

RenderContext ChartFixture::Context(float horizontal, float vertical) {
    return ContextWith(layers, horizontal, vertical);
}

RenderContext ChartFixture::ContextWith(ChartLayers& with, float horizontal, float vertical) {
    RenderContext c(canvas, *series, *geometry, view, options, objects, colours, params, prompts,
                    clock, with);
    c.client = client;
    c.horizontalFactor = horizontal;
    c.verticalFactor = vertical;
    c.printing = printing;
    c.autoFixOpen = autoFixOpen;
    c.plotStartMode = plotStartMode;
    c.multi = multi;
    return c;
}

RenderOutcome ChartFixture::Render(float horizontal, float vertical) {
    RenderContext c = Context(horizontal, vertical);
    return RenderChart(c);
}

RenderOutcome ChartFixture::RenderWith(ChartLayers& with) {
    RenderContext c = ContextWith(with);
    return RenderChart(c);
}

void ChartFixture::SetBars(const std::vector<Bar>& bars, int fileTypeId) {
    data::PriceSeries& s = *series;
    s = data::PriceSeries{};
    s.fileTypeId = fileTypeId;
    s.title = "テスト銘柄";
    s.marketCode = "1234";
    s.unitLabel = "円";
    s.dataPath = "/data/test.stk";
    s.barCount = static_cast<int>(bars.size());
    float maxHigh = 0.0f, minLow = 1e9f;
    int peak = 0;
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const Bar& b = bars[i];
        s.year[i] = static_cast<std::int16_t>(b.year);
        s.month[i] = static_cast<std::uint8_t>(b.month);
        s.day[i] = static_cast<std::uint8_t>(b.day);
        s.open[i] = b.open;
        s.high[i] = b.high;
        s.low[i] = b.low;
        s.close[i] = b.close;
        s.volume[i] = b.volume;
        s.rawVolume[i] = static_cast<float>(b.volume);
        maxHigh = std::max(maxHigh, b.high);
        minLow = std::min(minLow, b.low);
        peak = std::max(peak, b.volume);
    }
    s.rawMaxHigh = maxHigh;
    s.rawMinLow = minLow;
    s.maxHigh = maxHigh > 2.0f ? std::ceil(maxHigh) : maxHigh;
    s.minLow = maxHigh > 2.0f ? std::floor(minLow) : minLow;
    s.peakVolume = peak;
    s.maxVolume = peak;
    if (!bars.empty()) {
        s.plotStartYear = bars.front().year;
        s.plotStartMonth = bars.front().month;
        s.fileStartYear = s.plotStartYear;
        s.fileStartMonth = s.plotStartMonth;
    }
}

void ChartFixture::SetDailyBars(int year, int month, int day, int count, int stepDays) {
    std::vector<Bar> bars;
    for (int i = 0; i < count; ++i) {
        bars.push_back(Bar{year, month, day, 1000, 1100, 900, 1050, 1000});
        for (int k = 0; k < stepDays; ++k) {
            if (++day > AxisMonthLength(year, month)) {
                day = 1;
                if (++month > 12) {
                    month = 1;
                    ++year;
                }
            }
        }
    }
    SetBars(bars);
}

bool ChartFixture::AnyTextContains(const std::string& part) const {
    for (const auto& c : canvas.Calls())
        if (c.kind == platform::CallKind::Text && c.text.find(part) != std::string::npos)
            return true;
    return false;
}

platform::Point DeviceOfLogical(const ChartGeometry& g, platform::Point logical) {
    return {-g.scrollX + platform::LogicalToPixels(logical.x),
            -g.scrollY - platform::LogicalToPixels(logical.y)};
}

platform::Point DevicePoint(const ChartGeometry& g, int layoutX, int layoutY) {
    return DeviceOfLogical(g, LogicalPoint(layoutX, layoutY, g));
}

}  // namespace korvo::chart::test
