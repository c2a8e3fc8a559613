#include "indicators/average_line.h"

#include <gtest/gtest.h>

#include <cmath>

#include "chart/chart_fixture.h"
#include "indicators/indicator_fixture.h"
#include "indicators/indicator_layers.h"

namespace korvo::indicators {
namespace {

using platform::CallKind;
using platform::Point;
using test::IndicatorFixture;

// Closes that are whole numbers, so every window sum is exact.
std::vector<float> Wavy(int count) {
    std::vector<float> closes;
    for (int i = 0; i < count; ++i)
        closes.push_back(static_cast<float>(500 + (i * 37) % 23));
    return closes;
}

TEST(AverageLine, TwentyFiveDayAverageOnThirtyBars) {
    IndicatorFixture f;
    const std::vector<float> closes = Wavy(30);
    f.SetCloses(closes, 480.0f, 20.0f);
    const AverageLineCall call = PricePanelAverage(*f.geometry, 25, kPenAverage1, 1);
    const IndicatorLine line = ComputeAverageLine(*f.series, *f.geometry, call);
    EXPECT_EQ(line.firstBar, 25);
    EXPECT_EQ(line.Count(), 5);
    std::vector<int> ys(30, 0);
    for (int i = 25; i < 30; ++i) {
        double sum = 0;
        for (int j = i - 25; j < i; ++j)
            sum += closes[static_cast<std::size_t>(j)];
        const double mean = sum / 25.0;
        ASSERT_TRUE(line.Has(i));
        EXPECT_NEAR(line.ValueAt(i), mean, 1e-4) << i;
        ys[static_cast<std::size_t>(i)] = static_cast<int>(1150.0 - (mean - 480.0) * 20.0);
        EXPECT_EQ(line.YAt(i), ys[static_cast<std::size_t>(i)]) << i;
    }
    // Bar 25 averages bars 0..24, not bar 25 itself.
    double first = 0;
    for (int j = 0; j < 25; ++j)
        first += closes[static_cast<std::size_t>(j)];
    EXPECT_FLOAT_EQ(line.ValueAt(25), static_cast<float>(first / 25.0));

    EXPECT_EQ(DrawAverageLine(f.Target(), call), kIndicatorDrawn);
    const auto polylines = f.Polylines();
    ASSERT_EQ(polylines.size(), 1u);
    EXPECT_EQ(polylines[0].points, f.ExpectedLine(ys, 25));
    EXPECT_EQ(polylines[0].pen, f.objects.ma1Pen);
}

TEST(AverageLine, RefusesTooFewBarsAndPeriodsBelowOne) {
    const struct {
        int bars;
        int period;
        int result;
    } cases[] = {{24, 25, kTooFewBars},
                 {25, 25, kIndicatorDrawn},
                 {30, 0, kTooFewBars},
                 {30, -3, kTooFewBars},
                 {1, 1, kIndicatorDrawn}};
    for (const auto& c : cases) {
        IndicatorFixture f;
        f.SetCloses(Wavy(c.bars), 480.0f, 20.0f);
        const AverageLineCall call = PricePanelAverage(*f.geometry, c.period, kPenAverage1, 1);
        EXPECT_EQ(DrawAverageLine(f.Target(), call), c.result) << c.bars << "/" << c.period;
        // A period that fits the bars exactly leaves no point to draw.
        EXPECT_TRUE(f.Polylines().empty()) << c.bars << "/" << c.period;
        if (c.result == kTooFewBars) {
            EXPECT_TRUE(f.canvas.Calls().empty());
        }
    }
}

TEST(AverageLine, PenBySelector) {
    IndicatorFixture f;
    f.colours.annotation = 0x000011;
    f.colours.volumeAverage = 0x000022;
    f.colours.movingAverage1 = 0x000033;
    f.colours.movingAverage2 = 0x000044;
    f.colours.lines = 0x000055;
    view::RebuildPensAndBrushes(f.objects, f.colours);
    const struct {
        int selector;
        platform::PenStyle style;
        platform::Colour colour;
    } cases[] = {
        {0, platform::PenStyle::Solid, 0x000011},
        {1, platform::PenStyle::Solid, 0x000022},
        {32, platform::PenStyle::Solid, 0x000022},
        {2, platform::PenStyle::Dash, 0x000033},
        {3, platform::PenStyle::DashDot, 0x000044},
        {10, platform::PenStyle::Solid, 0x000055},
        {20, platform::PenStyle::Solid, 0x0000FF},
        {7, platform::PenStyle::DashDotDot, 0x000011},
        {-1, platform::PenStyle::DashDotDot, 0x000011},
    };
    for (const auto& c : cases) {
        const platform::Pen& pen = AveragePen(f.objects, c.selector);
        EXPECT_EQ(pen.style, c.style) << c.selector;
        EXPECT_EQ(platform::DrawnColour(pen.colour), c.colour) << c.selector;
    }
}

TEST(AverageLine, LegendTwiceUnlessOverlapOrTitleOff) {
    const struct {
        int fileType;
        bool overlap;
        bool titleOff;
        const char* text;
    } cases[] = {
        {210, false, false, "25 日移動平均線"},
        {212, false, false, "25 週移動平均線"},
        {214, false, false, "25 月移動平均線"},
        {220, false, false, "25 移動平均線"},
        {210, true, false, nullptr},
        {210, false, true, nullptr},
    };
    for (const auto& c : cases) {
        IndicatorFixture f;
        f.SetCloses(Wavy(30), 480.0f, 20.0f);
        f.series->fileTypeId = c.fileType;
        DrawTarget t = f.Target();
        t.overlap = c.overlap;
        t.titleOff = c.titleOff;
        ASSERT_EQ(DrawAverageLine(t, PricePanelAverage(*f.geometry, 25, kPenAverage2, 2)), 0);
        const auto texts = f.Texts();
        if (!c.text) {
            EXPECT_TRUE(texts.empty());
            EXPECT_TRUE(f.canvas.CallsOf(CallKind::Line).empty());
            continue;
        }
        ASSERT_EQ(texts.size(), 4u) << c.text;
        // Row 2 above the price panel's bottom: the sample 90 units long, the
        // text black and then white 3 units higher; again after the last bar.
        const int lastX = 101 + 20 * 29 + 50;
        const int starts[] = {100, 100, lastX, lastX};
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(texts[i].text, c.text);
            const int y = -(1150 - 20 - 90) + (i % 2 == 1 ? 3 : 0);
            EXPECT_EQ(texts[i].points[0], f.canvas.LogicalToDevice(Point{starts[i] + 210, y}));
            EXPECT_EQ(texts[i].textColour, i % 2 == 0 ? 0x000000u : 0xFFFFFFu);
            EXPECT_EQ(texts[i].font, f.objects.labelFont);
        }
        const auto samples = f.canvas.CallsOf(CallKind::Line);
        ASSERT_EQ(samples.size(), 2u);
        EXPECT_EQ(samples[0].points[0], f.canvas.LogicalToDevice(Point{190, -1060}));
        EXPECT_EQ(samples[0].points[1], f.canvas.LogicalToDevice(Point{280, -1060}));
        EXPECT_EQ(samples[1].points[0], f.canvas.LogicalToDevice(Point{lastX + 90, -1060}));
        EXPECT_EQ(samples[0].pen, f.objects.ma2Pen);
    }
}

TEST(Envelope, EightDottedBandsWithoutZeroPercent) {
    const std::vector<float> factors = EnvelopeFactors();
    ASSERT_EQ(factors.size(), 8u);
    const float expected[] = {0.80f, 0.85f, 0.90f, 0.95f, 1.05f, 1.10f, 1.15f, 1.20f};
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_NEAR(factors[i], expected[i], 1e-6f);

    IndicatorFixture f;
    f.SetCloses(Wavy(40), 400.0f, 5.0f);
    AverageLineCall call = PricePanelAverage(*f.geometry, 30, kPenLine, kLegendRowEnvelope);
    call.envelope = true;
    ASSERT_EQ(DrawAverageLine(f.Target(), call), kIndicatorDrawn);
    const IndicatorLine average = ComputeAverageLine(*f.series, *f.geometry, call);
    const auto polylines = f.Polylines();
    ASSERT_EQ(polylines.size(), 9u);  // the average and its eight bands
    EXPECT_EQ(polylines[0].pen, f.objects.linePen);
    const char* labels[] = {"-20%", "-15%", "-10%", " -5%", "  5%", " 10%", " 15%", " 20%"};
    const float last = average.ValueAt(39);
    for (std::size_t b = 0; b < 8; ++b) {
        const auto& band = polylines[b + 1];
        EXPECT_EQ(band.pen, f.objects.separatorPen);
        const int lastY = static_cast<int>(1150.0f - (factors[b] * last - 400.0f) * 5.0f);
        EXPECT_EQ(band.points.back(), f.Device(101 + 20 * 39 + 10, lastY)) << labels[b];
        const auto texts = f.canvas.TextCalls(labels[b]);
        ASSERT_EQ(texts.size(), 1u) << labels[b];
        EXPECT_EQ(texts[0].textColour, 0xFFFF00u);  // palette cyan
        // At the last bar's x + 10, and DrawLineEndLabel adds its own 10.
        EXPECT_EQ(texts[0].points[0], f.canvas.LogicalToDevice(Point{101 + 20 * 39 + 20, -lastY}));
    }
    EXPECT_TRUE(f.canvas.TextCalls("  0%").empty());
    EXPECT_TRUE(f.canvas.TextCalls(" -0%").empty());
}

TEST(CloseLine, TwoBarLineStyleIsOneSegmentFromLeftEdgeToCentre) {
    chart::test::ChartFixture f;
    f.SetBars(
        {{2025, 12, 1, 1000, 1100, 900, 1040, 1000}, {2025, 12, 2, 1040, 1100, 950, 1080, 900}});
    f.options.barStyle = chart::kStyleLine;
    SignalWritten written;
    IndicatorParams params;
    IndicatorLayers layers(params, written, "/nonexistent");
    ASSERT_EQ(f.RenderWith(layers).result, chart::kRenderDrawn);
    const chart::ChartGeometry& g = *f.geometry;
    std::vector<platform::CanvasCall> lines;
    for (const auto& call : f.canvas.CallsOf(CallKind::Polyline))
        if (call.pen == f.objects.annotationPen) lines.push_back(call);
    ASSERT_EQ(lines.size(), 1u);
    const int x0 = static_cast<int>(g.barX[0]);
    const int x1 = static_cast<int>(g.barX[1]) + 10;
    const std::vector<Point> expected = {
        chart::test::DevicePoint(g, x0, chart::PriceY(g, 1040.0f)),
        chart::test::DevicePoint(g, x1, chart::PriceY(g, 1080.0f))};
    EXPECT_EQ(lines[0].points, expected);
    // The legend of a one-day average, in the third row.
    EXPECT_EQ(f.Texts("1 日移動平均線").size(), 4u);
}

TEST(CloseLine, PenOfEachMultiChartPage) {
    EXPECT_EQ(CloseLinePenForPage(0), kPenAnnotation);
    EXPECT_EQ(CloseLinePenForPage(1), kPenAnnotation);
    EXPECT_EQ(CloseLinePenForPage(2), kPenLine);
    EXPECT_EQ(CloseLinePenForPage(3), kPenRed);
}

}  // namespace
}  // namespace korvo::indicators
