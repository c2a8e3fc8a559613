// On-balance volume and the volume ratio, and the trend and volume layers as
// the renderer calls them.
#include <gtest/gtest.h>

#include <filesystem>

#include "chart/chart_fixture.h"
#include "indicators/indicator_fixture.h"
#include "indicators/layers_fixture.h"
#include "indicators/on_balance_volume.h"
#include "indicators/volume_ratio.h"
#include "support/temp_dir.h"

namespace korvo::indicators {
namespace {

using platform::CallKind;
using test::IndicatorFixture;

constexpr int kBottom = 1650;       // indicatorBottom of a single chart
constexpr int kChartBottom = 2150;  // chartBottom of a single chart

void SetVolumes(IndicatorFixture& f, const std::vector<int>& volumes) {
    for (std::size_t i = 0; i < volumes.size(); ++i)
        f.series->volume[i] = volumes[i];
}

TEST(OnBalanceVolume, RunningTotalScaledBetweenItsExtremes) {
    IndicatorFixture f;
    f.SetCloses({100, 101, 101, 99});
    SetVolumes(f, {10, 20, 30, 40});
    const OnBalanceVolume r = ComputeOnBalanceVolume(*f.series, *f.geometry);
    EXPECT_EQ(r.hi, 20);
    EXPECT_EQ(r.lo, -20);
    EXPECT_FALSE(r.obv.Has(0));
    EXPECT_EQ(r.obv.ValueAt(1), 20.0f);
    EXPECT_EQ(r.obv.ValueAt(2), 20.0f);
    EXPECT_EQ(r.obv.ValueAt(3), -20.0f);
    EXPECT_EQ(r.obv.YAt(1), kBottom - 400);
    EXPECT_EQ(r.obv.YAt(2), kBottom - 400);
    EXPECT_EQ(r.obv.YAt(3), kBottom);

    ASSERT_EQ(DrawOnBalanceVolume(f.Target()), kIndicatorDrawn);
    const auto lines = f.Polylines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].pen, f.objects.palettePen[4]);
    EXPECT_EQ(lines[0].points, f.ExpectedLine(r.obv.y, 1));
    // hi, the middle and lo in blue with two decimals.
    const struct {
        const char* text;
        int layoutY;
    } scales[] = {
        {"  20.00", kBottom - 400}, {"   0.00", kBottom - 200}, {" -20.00", kBottom - 50}};
    for (const auto& s : scales) {
        const auto calls = f.canvas.TextCalls(s.text);
        ASSERT_FALSE(calls.empty()) << s.text;
        EXPECT_EQ(calls[0].points[0].y, f.Device(0, s.layoutY).y) << s.text;
        EXPECT_EQ(calls[0].textColour, f.objects.paletteBrush[1].colour) << s.text;
    }
    // The title across the panel and once more at the line's end, in red.
    const auto titles = f.canvas.TextCalls(" OBV");
    ASSERT_EQ(titles.size(), 11u);
    EXPECT_EQ(titles.back().textColour, f.objects.paletteBrush[4].colour);
    EXPECT_EQ(titles.back().points[0], f.Device(101 + 60 + 10, kBottom));
}

TEST(OnBalanceVolume, UnchangedClosesLieOnTheBottomAndOneBarIsTooFew) {
    IndicatorFixture f;
    f.SetCloses({100, 100, 100, 100, 100});
    const OnBalanceVolume flat = ComputeOnBalanceVolume(*f.series, *f.geometry);
    EXPECT_EQ(flat.hi, flat.lo);
    for (int i = 1; i < 5; ++i)
        EXPECT_EQ(flat.obv.YAt(i), kBottom) << i;
    f.SetCloses({100});
    EXPECT_EQ(DrawOnBalanceVolume(f.Target()), kTooFewBars);
    EXPECT_TRUE(f.canvas.Calls().empty());
    // Totals past what 32 bits hold are still counted right.
    f.SetCloses({100, 101, 102, 103});
    SetVolumes(f, {0, 2000000000, 2000000000, 2000000000});
    EXPECT_EQ(ComputeOnBalanceVolume(*f.series, *f.geometry).hi, 6000000000LL);
}

TEST(VolumeRatio, RisingFallingAndUnchangedWindows) {
    const struct {
        const char* name;
        std::vector<float> closes;
        std::vector<int> volumes;
        int ratio;  // at the last bar, period 3
    } cases[] = {
        {"every close rose", {100, 101, 102, 103, 104}, {5, 7, 9, 11, 13}, 100},
        {"every close fell", {104, 103, 102, 101, 100}, {5, 7, 9, 11, 13}, 0},
        {"unchanged, even total", {100, 100, 100, 100, 100}, {5, 7, 9, 11, 14}, 50},
        // (0 + 33 / 2) x 100 / 33 = 1600 / 33: the half is an integer division.
        {"unchanged, odd total", {100, 100, 100, 100, 100}, {5, 7, 9, 11, 13}, 48},
        // Up 13, flat 11 (half is 5), total 33: (13 + 5) x 100 / 33.
        {"mixed", {100, 100, 99, 99, 100}, {5, 7, 9, 11, 13}, 54},
        {"no volume at all", {100, 101, 102, 103, 104}, {0, 0, 0, 0, 0}, 0},
    };
    for (const auto& c : cases) {
        IndicatorFixture f;
        f.SetCloses(c.closes);
        SetVolumes(f, c.volumes);
        const IndicatorLine line = ComputeVolumeRatio(*f.series, *f.geometry, 3);
        // The value of bar 3 is not drawn: the line starts at bar 4.
        EXPECT_EQ(line.firstBar, 4) << c.name;
        EXPECT_EQ(line.ValueAt(4), static_cast<float>(c.ratio)) << c.name;
        EXPECT_EQ(line.YAt(4), kChartBottom - (400 * c.ratio) / 100) << c.name;
    }
}

TEST(VolumeRatio, ScaleCountsLineAndLabelOverTheVolumePanel) {
    IndicatorFixture f;
    f.SetCloses({100, 101, 102, 101, 102, 103, 104});
    ASSERT_EQ(DrawVolumeRatio(f.Target(), 3), kIndicatorDrawn);
    const IndicatorLine line = ComputeVolumeRatio(*f.series, *f.geometry, 3);
    const auto lines = f.Polylines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].pen, f.objects.palettePen[4]);
    EXPECT_EQ(lines[0].points, f.ExpectedLine(line.y, 4));
    const auto hundred = f.canvas.TextCalls("100");
    ASSERT_FALSE(hundred.empty());
    EXPECT_EQ(hundred[0].points[0], f.Device(300, kChartBottom - 400));
    EXPECT_EQ(f.canvas.TextCalls("50")[0].points[0], f.Device(300, kChartBottom - 200));
    const auto label = f.canvas.TextCalls(" Volume Ratio(3)");
    ASSERT_EQ(label.size(), 1u);
    EXPECT_EQ(label[0].textColour, f.objects.paletteBrush[4].colour);
    // Without volume nothing at all.
    f.canvas.ClearCalls();
    f.series->maxVolume = 0;
    EXPECT_EQ(DrawVolumeRatio(f.Target(), 3), kIndicatorDrawn);
    EXPECT_TRUE(f.canvas.Calls().empty());
}

// A rendered chart with the indicator layers: 120 daily bars whose closes
// wander, volumes 1000 + 50 i.
struct LayersFixture : test::LayersFixture {
    LayersFixture() {
        std::vector<chart::test::Bar> list;
        int year = 2025, month = 1, day = 1;
        for (int i = 0; i < 120; ++i) {
            const float close = 1000.0f + static_cast<float>((i * 37) % 41) * 5.0f + i;
            list.push_back(
                {year, month, day, close - 3, close + 20, close - 20, close, 1000 + 50 * i});
            if (++day > 28) {
                day = 1;
                ++month;
            }
        }
        chart.SetBars(list);
    }
};

TEST(TrendLayers, EachPanelCodeDrawsItsIndicator) {
    const struct {
        int code;
        const char* text;
        const char* file;
    } cases[] = {
        {70, " MDI", nullptr},  {71, " ADXR", nullptr}, {72, " PDI - MDI", nullptr},
        {81, " BR ", "bs.sno"}, {8, " OBV", nullptr},   {9, " Bollinger - 標準偏差", nullptr},
    };
    for (const auto& c : cases) {
        LayersFixture f;
        f.chart.options.subPanelIndicator = c.code;
        ASSERT_EQ(f.Render().result, chart::kRenderDrawn) << c.code;
        EXPECT_FALSE(f.chart.Texts(c.text).empty()) << c.code;
        EXPECT_EQ(std::filesystem::exists(f.dir / "bs.sno"), c.file != nullptr) << c.code;
        EXPECT_EQ(f.written.IsWritten(SignalFile::Shinohara), c.file != nullptr) << c.code;
    }
}

TEST(TrendLayers, OverlaysDrawWithTheirSwitchesAndWriteTheirFiles) {
    LayersFixture f;
    chart::ChartOptions& o = f.chart.options;
    o.parabolicSar = o.shinoharaCr = o.ichimokuLines = o.ichimokuSpans = o.ichimokuLagging = true;
    // AR/BR in the panel as well: the CR belts stay on the price panel.
    o.subPanelIndicator = chart::kPanelShinoharaRatio;
    ASSERT_EQ(f.Render().result, chart::kRenderDrawn);
    for (const char* text : {"ﾊﾟﾗﾎﾞﾘｯｸ", "―　CR", "― 主ベルト-１", " AR ", " 転換線", " 基準線",
                             " Span1", " Span 2", "26 day/week Retard"})
        EXPECT_FALSE(f.chart.Texts(text).empty()) << text;
    EXPECT_TRUE(f.written.IsWritten(SignalFile::Sar));
    EXPECT_TRUE(f.written.IsWritten(SignalFile::Shinohara));
    const auto cr = f.chart.Texts("―　CR");
    ASSERT_EQ(cr.size(), 1u);
    EXPECT_EQ(cr[0].clip, f.chart.geometry->priceRegion);
    // The parameter table's periods reach the lines.
    LayersFixture g;
    g.params.table.ichimokuLongPeriod = 20;
    g.chart.options.ichimokuLagging = true;
    g.params.table.directionalPeriod = 9;
    g.chart.options.subPanelIndicator = chart::kPanelDirectionalAdx;
    ASSERT_EQ(g.Render().result, chart::kRenderDrawn);
    EXPECT_EQ(g.chart.Texts("20 day/week Retard").size(), 1u);
    EXPECT_FALSE(g.chart.Texts("D Mov 9-9(dy/wk)").empty());
}

TEST(TrendLayers, VolumeIndicatorsNeedVolumeAndASingleChart) {
    const struct {
        const char* name;
        int maxVolume;
        bool multi;
        bool drawn;
    } cases[] = {
        {"maxVolume 10", 10, false, true},
        {"maxVolume 9", 9, false, false},
        {"multi-chart", 7000, true, false},
    };
    for (const auto& c : cases) {
        LayersFixture f;
        chart::ChartOptions& o = f.chart.options;
        o.volumeRatio = o.volumeAverage = true;
        o.subPanelIndicator = chart::kPanelOnBalanceVolume;
        f.chart.series->maxVolume = c.maxVolume;
        if (c.multi) {
            o.multiChart = true;
            f.chart.multi.fileCount = 1;
            f.chart.multi.loadPage = [](int) { return 120; };
        }
        ASSERT_EQ(f.Render().result, chart::kRenderDrawn) << c.name;
        EXPECT_EQ(!f.chart.Texts(" OBV").empty(), c.drawn) << c.name;
        EXPECT_EQ(!f.chart.Texts(" Volume Ratio(14)").empty(), c.drawn) << c.name;
        EXPECT_EQ(!f.chart.Texts("10 日移動平均線").empty(), c.drawn) << c.name;
    }
}

TEST(TrendLayers, BollingerBandsWithoutThePanelOnAMultiChart) {
    LayersFixture single;
    single.chart.options.subPanelIndicator = chart::kPanelBollinger;
    ASSERT_EQ(single.Render().result, chart::kRenderDrawn);
    // Ten panel titles with shadows, the end label and the label by the bands.
    EXPECT_EQ(single.chart.Texts(" Bollinger - 標準偏差").size(), 12u);

    LayersFixture multi;
    multi.chart.options.subPanelIndicator = chart::kPanelBollinger;
    multi.chart.options.multiChart = true;
    multi.chart.multi.fileCount = 1;
    multi.chart.multi.loadPage = [](int) { return 120; };
    ASSERT_EQ(multi.Render().result, chart::kRenderDrawn);
    // Pages 0 and 1 each label their bands, and no page has the panel.
    EXPECT_EQ(multi.chart.Texts(" Bollinger - 標準偏差").size(), 2u);
    int bands = 0;
    for (const auto& call : multi.chart.canvas.CallsOf(CallKind::Polyline))
        if (call.pen == multi.chart.objects.bollingerPen) ++bands;
    EXPECT_EQ(bands, 4);
}

}  // namespace
}  // namespace korvo::indicators
