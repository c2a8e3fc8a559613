#include "altcharts/alt_chart_fixture.h"

#include <algorithm>

#include "platform/codec.h"

namespace korvo::altcharts::test {

AltChartFixture::AltChartFixture() {
    view::CreatePensAndBrushes(objects, colours);
    view::CreateFonts(objects, 1.0f, 1.0f);
}

void AltChartFixture::SetCloses(const std::vector<float>& closes) {
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
        s.volume[i] = 1000;
        s.rawVolume[i] = 1000.0f;
        if (++day > 28) {
            day = 1;
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
    }
    if (!closes.empty()) {
        s.loadMaxHigh = s.maxHigh = *std::max_element(closes.begin(), closes.end());
        s.loadMinLow = s.minLow = *std::min_element(closes.begin(), closes.end());
    }
}

AltChartTarget AltChartFixture::Target(bool draws) {
    return AltChartTarget{draws ? &canvas : nullptr,
                          objects,
                          *series,
                          {dir.Path(), written},
                          prompts,
                          kClient,
                          scroll};
}

std::string AltChartFixture::File(indicators::SignalFile file) const {
    const auto path = dir / indicators::SignalFileName(file);
    return std::filesystem::exists(path) ? korvo::test::ReadFile(path) : std::string();
}

std::string Header(const char* utf8) {
    return platform::Utf8ToCp932(utf8).value();
}

}  // namespace korvo::altcharts::test
