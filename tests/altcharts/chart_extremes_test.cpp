// The three charts over twenty years of daily closes (the 4096 bars a series
// holds) and at the extremes their settings accept, under the sanitizers.
#include <gtest/gtest.h>

#include <cmath>

#include "altcharts/alt_chart_fixture.h"
#include "altcharts/chart_window.h"
#include "indicators/signal_files.h"

namespace korvo::altcharts {
namespace {

using test::AltChartFixture;

// A wandering daily series of 4096 closes around `level`.
std::vector<float> Wander(float level) {
    std::vector<float> closes;
    float price = level;
    for (int i = 0; i < data::kMaxBars; ++i) {
        price += level * 0.01f * static_cast<float>(std::sin(i * 0.37) + std::sin(i * 0.011));
        closes.push_back(std::max(price, level * 0.2f));
    }
    return closes;
}

struct Setting {
    bool usePercent;
    float value;
};

TEST(ChartExtremes, TwentyYearsAtEveryExtremeOfTheSettingsGiveCompleteFiles) {
    const Setting settings[] = {{true, 1e-6f},  {true, 0.01f},         {true, 3.0f},
                                {true, 100.0f}, {true, 2147483647.0f}, {false, 1e-6f},
                                {false, 1.0f},  {false, 2147483647.0f}};
    for (float level : {1.0f, 2000.0f, 3000000.0f}) {
        for (const Setting& s : settings) {
            for (AltChartKind kind :
                 {AltChartKind::Step, AltChartKind::Brick, AltChartKind::Trident}) {
                AltChartFixture f;
                f.SetCloses(Wander(level));
                f.modes.stepUsePercent = f.modes.brickUsePercent = s.usePercent;
                f.settings.stepPercent = f.settings.brickPercent = s.value;
                f.settings.stepAmount = f.settings.brickAmount = s.value;
                f.scroll = platform::Point{1000000, 1000000};
                const AltChartOutcome out =
                    PaintChartWindow(kind, f.canvas, f.Target(), f.settings, f.modes);
                ASSERT_EQ(out.result, kAltChartDrawn) << level << " " << s.value;
                EXPECT_GE(out.pagesAcross, 1);
                EXPECT_GE(out.pagesDown, 1);
                EXPECT_GE(f.modes.brickFallCount, 0);
                const auto file = kind == AltChartKind::Step    ? indicators::SignalFile::Step
                                  : kind == AltChartKind::Brick ? indicators::SignalFile::Brick
                                                                : indicators::SignalFile::Trident;
                const auto records = indicators::ReadSignalRecords(f.File(file));
                ASSERT_GE(records.size(), 2u);
                EXPECT_EQ(records.front().kind, indicators::kRecordStart);
                EXPECT_EQ(records.back().kind, indicators::kRecordEnd);
                EXPECT_EQ(records.back().index, data::kMaxBars - 1);
                // Whatever the chart's extent, a paint issues a bounded number of calls.
                EXPECT_LT(f.canvas.Calls().size(), 60000u) << level << " " << s.value;
            }
        }
    }
}

TEST(ChartExtremes, PricesAboveOneHundredThousandKeepTheirDigits) {
    AltChartFixture f;
    f.SetCloses({300000, 310000, 305000, 295000, 320000, 318000, 300000, 290000, 328000});
    f.modes.stepUsePercent = false;
    f.settings.stepAmount = 10000.0f;
    PaintChartWindow(AltChartKind::Step, f.canvas, f.Target(), f.settings, f.modes);
    EXPECT_EQ(f.canvas.TextCalls("<320000( 1/ 6)").size(), 1u);
    EXPECT_NE(f.File(indicators::SignalFile::Step).find("\n 6 2024 1 6 320000.00 4 1"),
              std::string::npos);
    f.canvas.ClearCalls();
    PaintChartWindow(AltChartKind::Trident, f.canvas, f.Target(), f.settings, f.modes);
    EXPECT_EQ(f.canvas.TextCalls("Trident-新値３本足 ( x1000)").size(), 1u);
}

}  // namespace
}  // namespace korvo::altcharts
