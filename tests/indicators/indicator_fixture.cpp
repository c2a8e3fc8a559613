#include "indicators/indicator_fixture.h"

#include "data/calendar.h"

namespace korvo::indicators::test {

IndicatorFixture::IndicatorFixture() {
    view::CreatePensAndBrushes(objects, colours);
    view::CreateFonts(objects, 1.0f, 1.0f);
    canvas.SetMapMode(platform::MapMode::LoMetric);
    chart::ChartGeometry& g = *geometry;
    g.slotCount = 300;
    g.rightX = g.slotCount * g.slotPitch + g.leftX;
    g.leftLogical = g.leftX;
    g.rightLogical = g.rightX;
}

void IndicatorFixture::SetCloses(const std::vector<float>& closes, float bottomPrice,
                                 float unitsPerPrice) {
    data::PriceSeries& s = *series;
    s = data::PriceSeries{};
    s.fileTypeId = 210;
    s.title = "テスト銘柄";
    s.barCount = static_cast<int>(closes.size());
    int year = 2024, month = 1, day = 2;
    for (std::size_t i = 0; i < closes.size(); ++i) {
        s.year[i] = static_cast<std::int16_t>(year);
        s.month[i] = static_cast<std::uint8_t>(month);
        s.day[i] = static_cast<std::uint8_t>(day);
        s.open[i] = s.high[i] = s.low[i] = s.close[i] = closes[i];
        s.volume[i] = 1000 + 10 * static_cast<int>(i);
        s.rawVolume[i] = static_cast<float>(s.volume[i]);
        geometry->barX[i] = static_cast<float>(101 + 20 * static_cast<int>(i));
        if (++day > 28) {
            day = 1;
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
    }
    geometry->bottomPrice = bottomPrice;
    geometry->unitsPerPrice = unitsPerPrice;
    s.maxVolume = 1000 + 10 * static_cast<int>(closes.size());
}

DrawTarget IndicatorFixture::Target(bool draws) {
    return DrawTarget(draws ? &canvas : nullptr, draws ? &objects : nullptr, *series, *geometry);
}

platform::Point IndicatorFixture::Device(int layoutX, int layoutY) const {
    return canvas.LogicalToDevice(chart::LogicalPoint(layoutX, layoutY, *geometry));
}

std::vector<platform::Point> IndicatorFixture::ExpectedLine(const std::vector<int>& layoutY,
                                                            int firstBar) const {
    std::vector<platform::Point> points;
    for (int i = firstBar; i < static_cast<int>(layoutY.size()); ++i) {
        const int x = 101 + 20 * i + (i == firstBar ? 0 : 10);
        points.push_back(Device(x, layoutY[static_cast<std::size_t>(i)]));
    }
    return points;
}

std::vector<float> Ramp(int count, float start, float step) {
    std::vector<float> out;
    for (int i = 0; i < count; ++i)
        out.push_back(start + step * static_cast<float>(i));
    return out;
}

}  // namespace korvo::indicators::test
