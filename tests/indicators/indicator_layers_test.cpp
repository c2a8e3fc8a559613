// The indicator layers as the renderer calls them.
#include "indicators/indicator_layers.h"

#include <gtest/gtest.h>

#include "indicators/indicator_line.h"
#include "indicators/layers_fixture.h"

namespace korvo::indicators {
namespace {

using platform::CallKind;

struct LayersFixture : test::LayersFixture {
    explicit LayersFixture(int fileType = 210, int bars = 80) {
        std::vector<chart::test::Bar> list;
        int year = 2025, month = 6, day = 2;
        for (int i = 0; i < bars; ++i) {
            const float close = 1000.0f + static_cast<float>((i * 37) % 41) * 5.0f + i;
            list.push_back({year, month, day, close, close + 20, close - 20, close, 1000 + 50 * i});
            // Weekdays only is not needed here: one bar every day.
            if (++day > 28) {
                day = 1;
                if (++month > 12) {
                    month = 1;
                    ++year;
                }
            }
        }
        chart.SetBars(list, fileType);
    }

    std::vector<platform::CanvasCall> PolylinesWith(const platform::Pen& pen) const {
        std::vector<platform::CanvasCall> out;
        for (const auto& call : chart.canvas.CallsOf(CallKind::Polyline))
            if (call.pen == pen) out.push_back(call);
        return out;
    }
};

TEST(IndicatorLayers, EachPanelCodeDrawsItsIndicator) {
    const struct {
        int code;
        const char* text;
        const char* file;
    } cases[] = {
        {0, "R.S.I.(14)", nullptr},
        {1, "%R Osc (14)", nullptr},
        {2, "ｶｲﾘ 幅 (10 - 30)", nullptr},
        {3, " %K ", "bs.sto"},
        {4, " SD ", "bs.sto"},
        {5, "M.A.C.D. 12 - 26(day)", "bs.mac"},
        {6, " RCI", nullptr},
        {10, " Momentum(30)", nullptr},
    };
    for (const auto& c : cases) {
        LayersFixture f;
        f.chart.options.subPanelIndicator = c.code;
        ASSERT_EQ(f.Render().result, chart::kRenderDrawn) << c.code;
        EXPECT_FALSE(f.chart.Texts(c.text).empty()) << c.code;
        EXPECT_FALSE(f.PolylinesWith(f.chart.objects.palettePen[c.code == 4 ? 3 : 4]).empty())
            << c.code;
        EXPECT_EQ(f.layers.LastPanelResult(), c.file ? kSignalFileDone : kIndicatorDrawn) << c.code;
        if (c.file) {
            EXPECT_TRUE(std::filesystem::exists(f.dir / c.file)) << c.code;
            EXPECT_TRUE(f.written[c.code == 5 ? 5u : 6u]) << c.code;
        }
    }
}

TEST(IndicatorLayers, CodesOfOtherIndicatorsDrawNothingHere) {
    for (int code : {110}) {
        LayersFixture f;
        f.chart.options.subPanelIndicator = code;
        ASSERT_EQ(f.Render().result, chart::kRenderDrawn);
        EXPECT_TRUE(f.PolylinesWith(f.chart.objects.palettePen[4]).empty()) << code;
        EXPECT_EQ(f.layers.LastPanelResult(), 0) << code;
        for (bool w : f.written.flags)
            EXPECT_FALSE(w) << code;
    }
}

TEST(IndicatorLayers, MovingAveragesFollowThePeriodOfTheFile) {
    const struct {
        int fileType;
        const char* line1;
        const char* line2;
    } cases[] = {{210, "25 日移動平均線", "50 日移動平均線"},
                 {212, "13 週移動平均線", "26 週移動平均線"},
                 {214, "3 月移動平均線", "6 月移動平均線"}};
    for (const auto& c : cases) {
        LayersFixture f(c.fileType);
        f.chart.options.movingAverage1 = true;
        f.chart.options.movingAverage2 = true;
        f.chart.options.movingAverage3 = true;  // no period of its own: nothing
        ASSERT_EQ(f.Render().result, chart::kRenderDrawn) << c.line1;
        EXPECT_EQ(f.chart.Texts(c.line1).size(), 4u) << c.line1;
        EXPECT_EQ(f.chart.Texts(c.line2).size(), 4u) << c.line2;
        EXPECT_EQ(f.PolylinesWith(f.chart.objects.ma1Pen).size(), 1u) << c.line1;
        EXPECT_EQ(f.PolylinesWith(f.chart.objects.ma2Pen).size(), 1u) << c.line2;
    }
    EXPECT_EQ(MovingAveragePeriod(IndicatorParams{}, 210, 3), 0);
}

TEST(IndicatorLayers, EnvelopeIsClippedToThePricePanel) {
    LayersFixture f;
    f.chart.options.envelope = true;
    f.chart.options.subPanelIndicator = 81;
    ASSERT_EQ(f.Render().result, chart::kRenderDrawn);
    const auto bands = f.PolylinesWith(f.chart.objects.separatorPen);
    ASSERT_EQ(bands.size(), 8u);
    for (const auto& band : bands)
        EXPECT_EQ(band.clip, f.chart.geometry->priceRegion);
    EXPECT_EQ(f.chart.Texts("30 日移動平均線").size(), 4u);
    EXPECT_EQ(f.chart.Texts(" 20%").size(), 1u);
}

TEST(IndicatorLayers, PsychologicalLineAndVolumeAverage) {
    LayersFixture f;
    f.chart.options.psychologicalLine = true;
    f.chart.options.volumeAverage = true;
    f.chart.options.subPanelIndicator = 81;
    // Colours of their own, so the two pens tell apart.
    f.chart.colours.annotation = 0x000011;
    f.chart.colours.volumeAverage = 0x000022;
    ASSERT_EQ(f.Render().result, chart::kRenderDrawn);
    EXPECT_EQ(f.chart.Texts("ｻｲｺﾛｼﾞｶﾙ ﾗｲﾝ(12)").size(), 1u);
    EXPECT_EQ(f.PolylinesWith(f.chart.objects.annotationPen).size(), 1u);
    const auto volume = f.PolylinesWith(f.chart.objects.volumeAveragePen);
    ASSERT_EQ(volume.size(), 1u);
    // The volume average: its legend in row 1 above the volume panel's bottom.
    const auto legends = f.chart.Texts("10 日移動平均線");
    ASSERT_EQ(legends.size(), 4u);
    const chart::ChartGeometry& g = *f.chart.geometry;
    EXPECT_EQ(legends[0].points[0],
              chart::test::DeviceOfLogical(g, {chart::LogicalX(g.leftX + 100, g.xPercent) + 110,
                                               chart::LogicalY(g.chartBottom - 65, g.yPercent)}));
}

}  // namespace
}  // namespace korvo::indicators
