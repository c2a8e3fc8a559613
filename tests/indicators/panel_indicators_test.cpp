// Deviation, psychological line, RSI, %R, momentum and RCI: their points and
// how they stand in the indicator panel.
#include <gtest/gtest.h>

#include <cmath>

#include "indicators/deviation.h"
#include "indicators/indicator_fixture.h"
#include "indicators/indicator_params.h"
#include "indicators/momentum.h"
#include "indicators/psychological_line.h"
#include "indicators/rci.h"
#include "indicators/rsi.h"
#include "indicators/sort_with_companion.h"

namespace korvo::indicators {
namespace {

using platform::CallKind;
using platform::Point;
using test::IndicatorFixture;
using test::Ramp;

constexpr int kBottom = 1650;  // indicatorBottom of a single chart

std::vector<int> YsOf(const IndicatorLine& line) {
    return line.y;
}

TEST(SortWithCompanion, StableAscendingAndReversedDescending) {
    float keys[] = {3, 1, 2, 1, 3};
    int tags[] = {0, 1, 2, 3, 4};
    SortWithCompanion(keys, tags, 5, true);
    EXPECT_EQ(std::vector<int>(tags, tags + 5), (std::vector<int>{1, 3, 2, 0, 4}));
    EXPECT_EQ(std::vector<float>(keys, keys + 5), (std::vector<float>{1, 1, 2, 3, 3}));
    float keys2[] = {3, 1, 2, 1, 3};
    int tags2[] = {0, 1, 2, 3, 4};
    SortWithCompanion(keys2, tags2, 5, false);
    // Equal keys come out in reverse order when descending.
    EXPECT_EQ(std::vector<int>(tags2, tags2 + 5), (std::vector<int>{4, 0, 2, 3, 1}));
    SortWithCompanion(keys2, tags2, 0, true);  // nothing to do, nothing touched
    EXPECT_EQ(tags2[0], 4);
}

TEST(Deviation, ReversedPeriodsDrawTheSameChart) {
    std::vector<float> closes;
    for (int i = 0; i < 60; ++i)
        closes.push_back(static_cast<float>(1000 + (i * 13) % 50 + i));
    IndicatorFixture a;
    a.SetCloses(closes);
    IndicatorFixture b;
    b.SetCloses(closes);
    ASSERT_EQ(DrawDeviation(a.Target(), 30, 10), kIndicatorDrawn);
    ASSERT_EQ(DrawDeviation(b.Target(), 10, 30), kIndicatorDrawn);
    ASSERT_EQ(a.canvas.Calls().size(), b.canvas.Calls().size());
    for (std::size_t i = 0; i < a.canvas.Calls().size(); ++i)
        EXPECT_EQ(platform::FormatCall(a.canvas.Calls()[i]),
                  platform::FormatCall(b.canvas.Calls()[i]));
    // The title names the short period first, in the title and at the line's end.
    EXPECT_EQ(a.canvas.TextCalls("ｶｲﾘ 幅 (10 - 30)").size(), 11u);

    const Deviation d = ComputeDeviation(*a.series, *a.geometry, 30, 10);
    EXPECT_EQ(d.gap.firstBar, 30);
    float largest = -1e9f, smallest = 1e9f;
    for (int i = 30; i < 60; ++i) {
        double s10 = 0, s30 = 0;
        for (int j = i - 10; j < i; ++j)
            s10 += closes[static_cast<std::size_t>(j)];
        for (int j = i - 30; j < i; ++j)
            s30 += closes[static_cast<std::size_t>(j)];
        EXPECT_NEAR(d.gap.ValueAt(i), s10 / 10 - s30 / 30, 1e-3) << i;
        largest = std::max(largest, d.gap.ValueAt(i));
        smallest = std::min(smallest, d.gap.ValueAt(i));
    }
    EXPECT_FLOAT_EQ(d.range, 2 * std::max(std::fabs(largest), std::fabs(smallest)));
    // The largest gap in size touches the panel's top or bottom.
    int top = kBottom, low = 0;
    for (int i = 30; i < 60; ++i) {
        top = std::min(top, d.gap.YAt(i));
        low = std::max(low, d.gap.YAt(i));
    }
    EXPECT_TRUE(top <= kBottom - 399 || low >= kBottom - 1);
}

TEST(Deviation, FlatCloseLiesOnTheBottomAndRefusesPeriodZero) {
    IndicatorFixture f;
    f.SetCloses(std::vector<float>(40, 500.0f));
    const Deviation d = ComputeDeviation(*f.series, *f.geometry, 10, 30);
    EXPECT_EQ(d.range, 0.0f);
    for (int i = 30; i < 40; ++i)
        EXPECT_EQ(d.gap.YAt(i), kBottom);
    EXPECT_EQ(DrawDeviation(f.Target(), 0, 30), kTooFewBars);
    EXPECT_TRUE(f.canvas.Calls().empty());
    // Too few bars for the long period: a frame with zero scale values, no line.
    IndicatorFixture g;
    g.SetCloses(Ramp(20, 100, 1));
    EXPECT_EQ(DrawDeviation(g.Target(), 10, 30), kIndicatorDrawn);
    EXPECT_TRUE(g.Polylines().empty());
    EXPECT_FALSE(g.canvas.TextCalls("   0.00").empty());
    for (const auto& call : g.Texts())
        EXPECT_EQ(call.text.find("-0.00"), std::string::npos);
}

TEST(PsychologicalLine, SixRisesOfTwelveSitAtTheMiddle) {
    IndicatorFixture f;
    // 13 closes: 12 changes, alternately up and down.
    std::vector<float> closes;
    for (int i = 0; i < 13; ++i)
        closes.push_back(i % 2 == 0 ? 100.0f : 105.0f);
    closes.push_back(100.0f);  // bar 13: the rise 0..1 leaves the window, a fall comes in
    f.SetCloses(closes);
    const IndicatorLine line = ComputePsychologicalLine(*f.series, *f.geometry, 12);
    ASSERT_EQ(line.firstBar, 12);
    EXPECT_EQ(line.ValueAt(12), 6.0f);
    EXPECT_EQ(line.YAt(12), (150 + 1150) / 2);
    EXPECT_EQ(line.ValueAt(13), 5.0f);
    EXPECT_EQ(line.YAt(13), 1150 - 1000 * 5 / 12);
    ASSERT_EQ(DrawPsychologicalLine(f.Target(), 12), kIndicatorDrawn);
    const auto polylines = f.Polylines();
    ASSERT_EQ(polylines.size(), 1u);
    EXPECT_EQ(polylines[0].pen, f.objects.annotationPen);
    EXPECT_EQ(polylines[0].points, f.ExpectedLine(YsOf(line), 12));
    EXPECT_EQ(f.canvas.TextCalls("ｻｲｺﾛｼﾞｶﾙ ﾗｲﾝ(12)").size(), 1u);
    // Equal closes are no rise.
    IndicatorFixture flat;
    flat.SetCloses(std::vector<float>(20, 100.0f));
    EXPECT_EQ(ComputePsychologicalLine(*flat.series, *flat.geometry, 12).YAt(15), 1150);
    EXPECT_EQ(DrawPsychologicalLine(flat.Target(), 21), kTooFewBars);
    EXPECT_EQ(DrawPsychologicalLine(flat.Target(), 0), kTooFewBars);
}

TEST(Rsi, RisesOverAllChangesAndSkipsWindowsWithoutChange) {
    IndicatorFixture f;
    // Five flat bars, then up 2, down 1, up 3, flat ...
    const std::vector<float> closes = {100, 100, 100, 100, 100, 102, 101, 104, 104, 104, 104, 104};
    f.SetCloses(closes);
    const IndicatorLine line = ComputeRsi(*f.series, *f.geometry, 3, kModeRsi);
    // Windows of three changes ending at bar i: bars 3 and 4 see no change.
    EXPECT_FALSE(line.Has(3));
    EXPECT_FALSE(line.Has(4));
    const struct {
        int bar;
        float rsi;
    } cases[] = {{5, 1.0f}, {6, 2.0f / 3.0f}, {7, 5.0f / 6.0f}, {8, 0.75f}, {9, 1.0f}};
    for (const auto& c : cases) {
        ASSERT_TRUE(line.Has(c.bar)) << c.bar;
        EXPECT_NEAR(line.ValueAt(c.bar), c.rsi, 1e-6) << c.bar;
        EXPECT_EQ(line.YAt(c.bar), static_cast<int>(kBottom - 410.0f * line.ValueAt(c.bar)));
    }
    EXPECT_FALSE(line.Has(10));  // 104, 104, 104, 104
    EXPECT_FALSE(line.Has(11));
    ASSERT_EQ(DrawRsi(f.Target(), 3, kModeRsi), kIndicatorDrawn);
    // Bars 5..9 make the line; the skipped bars are not drawn.
    const auto polylines = f.Polylines();
    ASSERT_EQ(polylines.size(), 1u);
    ASSERT_EQ(polylines[0].points.size(), 5u);
    // Bar 5 is the first valued bar: its point stands at the bar's left edge.
    EXPECT_EQ(polylines[0].points.front(), f.Device(101 + 20 * 5, line.YAt(5)));
    EXPECT_EQ(polylines[0].points[1], f.Device(101 + 20 * 6 + 10, line.YAt(6)));
    EXPECT_EQ(polylines[0].pen, f.objects.palettePen[4]);
    // The end label sits at the last point that has a value.
    const auto label = f.canvas.TextCalls("R.S.I.(3)");
    ASSERT_FALSE(label.empty());
    EXPECT_EQ(label.back().points[0],
              f.canvas.LogicalToDevice(Point{101 + 180 + 10, -line.YAt(9)}));
    // Scale values at the quarters of 410.
    const int levels[] = {410, 307, 205, 102};
    const char* texts[] = {"      100", "       75", "       50", "       25"};
    for (int k = 0; k < 4; ++k) {
        const auto t = f.canvas.TextCalls(texts[k]);
        ASSERT_FALSE(t.empty()) << texts[k];
        EXPECT_EQ(t[0].points[0], f.Device(100, kBottom - levels[k]));
    }
}

TEST(Rsi, PercentRKeepsTheLastValueWhenTheWindowIsFlat) {
    IndicatorFixture f;
    f.SetCloses({100, 110, 105, 105, 105, 105, 120, 90});
    const IndicatorLine r = ComputeRsi(*f.series, *f.geometry, 3, kModePercentR);
    EXPECT_EQ(r.firstBar, 3);
    EXPECT_FLOAT_EQ(r.ValueAt(3), 0.5f);  // 105 within 100..110
    EXPECT_FLOAT_EQ(r.ValueAt(4), 0.0f);  // 105 the low of 110, 105, 105
    EXPECT_FLOAT_EQ(r.ValueAt(5), 0.0f);  // flat window: kept
    EXPECT_FLOAT_EQ(r.ValueAt(6), 0.0f);  // flat window: kept
    EXPECT_FLOAT_EQ(r.ValueAt(7), 1.0f);  // 120 the window's high
    EXPECT_EQ(r.YAt(7), kBottom - 410);
    EXPECT_EQ(RsiTitle(14, kModePercentR), "%R Osc (14)");
    EXPECT_EQ(DrawRsi(f.Target(), 9, kModePercentR), kTooFewBars);
    EXPECT_TRUE(f.canvas.Calls().empty());
}

TEST(Momentum, EqualChangesLieOnTheBottomAndPeriodMustFit) {
    IndicatorFixture f;
    f.SetCloses(Ramp(40, 100, 2));
    const Momentum m = ComputeMomentum(*f.series, *f.geometry, 30);
    EXPECT_EQ(m.m.firstBar, 30);
    EXPECT_EQ(m.hi, m.lo);
    for (int i = 30; i < 40; ++i) {
        EXPECT_EQ(m.m.ValueAt(i), 60.0f);
        EXPECT_EQ(m.m.YAt(i), kBottom);
    }
    const struct {
        int period;
        int result;
    } cases[] = {{1, kTooFewBars},
                 {2, kIndicatorDrawn},
                 {39, kIndicatorDrawn},
                 {40, kTooFewBars},
                 {0, kTooFewBars}};
    for (const auto& c : cases) {
        IndicatorFixture g;
        g.SetCloses(Ramp(40, 100, 2));
        EXPECT_EQ(DrawMomentum(g.Target(), c.period), c.result) << c.period;
    }
    // Changing momentum spans the panel: the largest at the top, the smallest at the bottom.
    IndicatorFixture v;
    v.SetCloses({10, 12, 15, 11, 20, 20});
    const Momentum w = ComputeMomentum(*v.series, *v.geometry, 2);
    EXPECT_EQ(w.hi, 9.0f);   // c[5] - c[3]
    EXPECT_EQ(w.lo, -1.0f);  // c[3] - c[1]
    EXPECT_EQ(w.m.YAt(5), kBottom - 400);
    EXPECT_EQ(w.m.YAt(3), kBottom);
    EXPECT_EQ(w.m.YAt(2), kBottom - 240);  // 5 is 6 tenths of the way up
}

TEST(Rci, RisingFallingAndTiedWindows) {
    const struct {
        std::vector<float> closes;
        float rci;
        int y;
    } cases[] = {
        {Ramp(6, 100, 1), 1.0f, kBottom - 400},
        {Ramp(6, 100, -1), -1.0f, kBottom},
        // All equal: the earlier bar ranks lower, so ties read as rising.
        {std::vector<float>(6, 100.0f), 1.0f, kBottom - 400},
        // 1, 3, 2, 4, 5: one swap, S = 2, rci = 1 - 12 / 120.
        {{1, 3, 2, 4, 5, 0}, 0.9f, kBottom - 200 - 180},
    };
    for (const auto& c : cases) {
        IndicatorFixture f;
        f.SetCloses(c.closes);
        const IndicatorLine line = ComputeRci(*f.series, *f.geometry, 5, kRciClose);
        ASSERT_EQ(line.firstBar, 5);
        EXPECT_NEAR(line.ValueAt(5), c.rci, 1e-6);
        EXPECT_EQ(line.YAt(5), c.y);
    }
    IndicatorFixture f;
    f.SetCloses(Ramp(6, 100, 1));
    EXPECT_EQ(DrawRci(f.Target(), 1, kRciClose), kTooFewBars);
    EXPECT_EQ(DrawRci(f.Target(), 7, kRciClose), kTooFewBars);
    EXPECT_EQ(DrawRci(f.Target(), 5, kRciClose), kIndicatorDrawn);
    const int levels[] = {400, 300, 200, 100, 0};
    const char* texts[] = {"      100", "       50", "        0", "      -50", "     -100"};
    for (int k = 0; k < 5; ++k) {
        const auto t = f.canvas.TextCalls(texts[k]);
        ASSERT_FALSE(t.empty()) << texts[k];
        EXPECT_EQ(t[0].points[0], f.Device(100, kBottom - levels[k])) << texts[k];
        EXPECT_EQ(t[0].textColour, 0xFF0000u);  // palette blue
    }
}

TEST(Rci, RanksTheChosenDataSet) {
    IndicatorFixture f;
    f.SetCloses(Ramp(8, 100, -1));  // closes fall, volumes rise
    EXPECT_NEAR(ComputeRci(*f.series, *f.geometry, 5, kRciClose).ValueAt(6), -1.0f, 1e-6);
    EXPECT_NEAR(ComputeRci(*f.series, *f.geometry, 5, kRciVolume).ValueAt(6), 1.0f, 1e-6);
    // An unknown choice ranks the closes.
    EXPECT_NEAR(ComputeRci(*f.series, *f.geometry, 5, 9).ValueAt(6), -1.0f, 1e-6);
}

}  // namespace
}  // namespace korvo::indicators
