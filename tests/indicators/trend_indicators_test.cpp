// Directional movement, Shinohara ratio, Bollinger bands, Ichimoku lines and
// the parabolic SAR: their points, how they are drawn and the signal files.
#include <gtest/gtest.h>

#include <filesystem>

#include "indicators/bollinger.h"
#include "indicators/directional_movement.h"
#include "indicators/ichimoku.h"
#include "indicators/indicator_fixture.h"
#include "indicators/parabolic_sar.h"
#include "indicators/shinohara.h"
#include "platform/codec.h"
#include "support/temp_dir.h"

namespace korvo::indicators {
namespace {

using platform::CallKind;
using platform::Point;
using test::IndicatorFixture;
using test::Ramp;

constexpr int kBottom = 1650;       // indicatorBottom of a single chart
constexpr int kPriceBottom = 1150;  // priceBottom of a single chart

std::string Cp932(const char* utf8) {
    return platform::Utf8ToCp932(utf8).value();
}

// Bars whose high and low stand `halfRange` above and below the close.
void SetBars(IndicatorFixture& f, const std::vector<float>& closes, float halfRange) {
    f.SetCloses(closes);
    for (std::size_t i = 0; i < closes.size(); ++i) {
        f.series->high[i] = closes[i] + halfRange;
        f.series->low[i] = closes[i] - halfRange;
    }
}

TEST(DirectionalMovement, EachMoveCountsOnlyWhenItIsTheLargerAndPositive) {
    // Period 1: the value at bar 2 reads the moves of bar 1 from bar 0.
    const struct {
        float high0, low0, high1, low1;
        float pdi, mdi;  // +DM / TR and -DM / TR
    } cases[] = {
        {100, 90, 103, 89, 3.0f / 14, 0},  // up 3, down 1; TR = 103 - 89
        {100, 90, 101, 87, 0, 3.0f / 14},  // up 1, down 3
        {100, 90, 102, 88, 0, 0},          // up = down: neither counts
        {100, 90, 99, 91, 0, 0},           // an inside bar: two falls
        {100, 90, 99, 92, 0, 0},           // up -1 above down -2, both negative
        {100, 90, 100, 91, 0, 0},          // up 0 above down -1
    };
    for (const auto& c : cases) {
        IndicatorFixture f;
        f.SetCloses({95, 95, 95});
        data::PriceSeries& s = *f.series;
        s.high[0] = c.high0;
        s.low[0] = c.low0;
        s.high[1] = c.high1;
        s.low[1] = c.low1;
        const DirectionalMovement r = ComputeDirectionalMovement(s, *f.geometry, 1);
        ASSERT_TRUE(r.pdi.Has(2)) << c.high1;
        EXPECT_FALSE(r.pdi.Has(1)) << c.high1;
        EXPECT_FLOAT_EQ(r.pdi.ValueAt(2), c.pdi) << c.high1;
        EXPECT_FLOAT_EQ(r.mdi.ValueAt(2), c.mdi) << c.high1;
        EXPECT_FLOAT_EQ(r.difference.ValueAt(2), c.pdi - c.mdi) << c.high1;
    }
}

TEST(DirectionalMovement, FallingHighsAndLowsRaiseTheMdiLine) {
    // Every day 1 lower: TR = 10 (the bar's own range), -DM = 1, +DM = 0.
    IndicatorFixture f;
    SetBars(f, Ramp(24, 500, -1), 5);
    const int p = 5;
    const DirectionalMovement r = ComputeDirectionalMovement(*f.series, *f.geometry, p);
    EXPECT_EQ(r.pdi.firstBar, p + 1);
    EXPECT_EQ(r.adx.firstBar, 2 * p);
    EXPECT_EQ(r.adxr.firstBar, 3 * p + 1);
    for (int i = p + 1; i < 24; ++i) {
        EXPECT_EQ(r.pdi.YAt(i), kBottom) << i;               // 0 %
        EXPECT_EQ(r.mdi.YAt(i), kBottom - 80) << i;          // 10 % of a 50 % panel: 800 x 0.1
        EXPECT_EQ(r.difference.YAt(i), kBottom - 160) << i;  // -10 %: 40 below the middle
    }
    // dx = 1 from bar p + 1; the first ADX window still holds the unset dx of bar p.
    EXPECT_EQ(r.adx.YAt(2 * p), kBottom - 320);  // trunc(1650 - 400 x 4/5)
    for (int i = 2 * p + 1; i < 24; ++i)
        EXPECT_EQ(r.adx.YAt(i), kBottom - 400) << i;
    EXPECT_EQ(r.adxr.YAt(3 * p + 1), kBottom - 400);

    // Falls that grow: the MDI line climbs.
    IndicatorFixture g;
    std::vector<float> closes;
    float c = 900;
    for (int i = 0; i < 20; ++i)
        closes.push_back(c -= static_cast<float>(i));
    SetBars(g, closes, 5);
    const DirectionalMovement rising = ComputeDirectionalMovement(*g.series, *g.geometry, 3);
    for (int i = 5; i < 20; ++i)
        EXPECT_LT(rising.mdi.YAt(i), rising.mdi.YAt(i - 1)) << i;
}

TEST(DirectionalMovement, AWindowWithoutRangeLiesOnTheBaseLines) {
    IndicatorFixture f;
    f.SetCloses(std::vector<float>(12, 300.0f));  // high = low = close throughout
    const DirectionalMovement r = ComputeDirectionalMovement(*f.series, *f.geometry, 3);
    for (int i = 4; i < 12; ++i) {
        EXPECT_EQ(r.pdi.YAt(i), kBottom);
        EXPECT_EQ(r.mdi.YAt(i), kBottom);
        EXPECT_EQ(r.difference.YAt(i), kBottom - 200);
        EXPECT_EQ(r.pdi.ValueAt(i), 0.0f);
    }
    for (int i = 6; i < 12; ++i)
        EXPECT_EQ(r.adx.YAt(i), kBottom);
}

TEST(DirectionalMovement, ModesDrawTheirLinesLabelsAndScales) {
    IndicatorFixture f;
    std::vector<float> closes;
    for (int i = 0; i < 40; ++i)
        closes.push_back(static_cast<float>(200 + (i * 7) % 13 - i / 3));
    SetBars(f, closes, 4);
    EXPECT_EQ(DrawDirectionalMovement(f.Target(), 14, 0), 1);
    EXPECT_EQ(DrawDirectionalMovement(f.Target(), 41, 70), kTooFewBars);
    EXPECT_EQ(DrawDirectionalMovement(f.Target(), 0, 70), kTooFewBars);
    const view::DrawingObjects& o = f.objects;
    const struct {
        int mode;
        std::vector<const char*> labels;
        std::vector<const char*> scales;  // left-aligned at the left edge
    } cases[] = {
        {70, {" PDI", " MDI"}, {"       50", "       40", "       10"}},
        {71, {" ADX", " ADXR"}, {"      100", "       80", "       20"}},
        {72, {" PDI - MDI", " +10%  Zone", " -10%  Zone"}, {"       50", "        0", "      -50"}},
    };
    const DirectionalMovement r = ComputeDirectionalMovement(*f.series, *f.geometry, 5);
    for (const auto& c : cases) {
        f.canvas.ClearCalls();
        ASSERT_EQ(DrawDirectionalMovement(f.Target(), 5, c.mode), 1);
        EXPECT_EQ(f.canvas.TextCalls("D Mov 5-5(dy/wk)").size(), 10u) << c.mode;
        for (const char* label : c.labels)
            EXPECT_EQ(f.canvas.TextCalls(label).size(), 1u) << c.mode << label;
        for (const char* scale : c.scales)
            EXPECT_FALSE(f.canvas.TextCalls(scale).empty()) << c.mode << scale;
    }
    // PDI/MDI: MDI's label 40 logical units right of PDI's, each at its own last y.
    f.canvas.ClearCalls();
    DrawDirectionalMovement(f.Target(), 5, 70);
    const auto pdi = f.canvas.TextCalls(" PDI")[0];
    const auto mdi = f.canvas.TextCalls(" MDI")[0];
    EXPECT_EQ(pdi.points[0], f.Device(101 + 20 * 39 + 10, r.pdi.YAt(39)));
    EXPECT_EQ(mdi.points[0], f.Device(101 + 20 * 39 + 10 + 40, r.mdi.YAt(39)));
    EXPECT_EQ(pdi.textColour, o.paletteBrush[4].colour);
    EXPECT_EQ(mdi.textColour, o.paletteBrush[2].colour);
    // The lines: PDI red and MDI green from bar 6.
    const auto lines = f.Polylines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].pen, o.palettePen[4]);
    EXPECT_EQ(lines[0].points, f.ExpectedLine(r.pdi.y, 6));
    EXPECT_EQ(lines[1].pen, o.palettePen[2]);
    // PDI - MDI: the zone rules in red at 240 and 160 above the bottom, the
    // zone labels 150 units right of the line's end.
    f.canvas.ClearCalls();
    DrawDirectionalMovement(f.Target(), 5, 72);
    int rules = 0;
    for (const auto& line : f.canvas.CallsOf(CallKind::Line))
        if (line.pen == o.palettePen[4] && (line.points[0].y == f.Device(0, kBottom - 240).y ||
                                            line.points[0].y == f.Device(0, kBottom - 160).y))
            ++rules;
    EXPECT_EQ(rules, 2);
    EXPECT_EQ(f.canvas.TextCalls(" +10%  Zone")[0].points[0],
              f.Device(101 + 20 * 39 + 10 + 150, kBottom - 290));
    EXPECT_EQ(f.canvas.TextCalls(" PDI - MDI")[0].textColour, o.paletteBrush[5].colour);
    ASSERT_EQ(f.Polylines().size(), 1u);
    EXPECT_EQ(f.Polylines()[0].pen, o.palettePen[3]);
    // A null canvas draws nothing.
    f.canvas.ClearCalls();
    EXPECT_EQ(DrawDirectionalMovement(f.Target(false), 5, 71), 1);
    EXPECT_TRUE(f.canvas.Calls().empty());
}

// Bars of range 10 around a middle that stays at 1000, falls by 1 a day over
// bars 82 .. 86 and then stays at 995: CR drops below all four belts the bar
// after the first fall and is back at or above them all once its 26-bar
// window has left the falls behind (bar 113).
void SetShinoharaBars(IndicatorFixture& f, int count) {
    std::vector<float> middle;
    for (int i = 0; i < count; ++i)
        middle.push_back(i < 82 ? 1000.0f
                                : (i <= 86 ? 1000.0f - static_cast<float>(i - 81) : 995.0f));
    SetBars(f, middle, 5);
}

TEST(ShinoharaRatio, CrossingsOfTheBeltsWrittenByteForByte) {
    IndicatorFixture f;
    SetShinoharaBars(f, 115);
    korvo::test::TempDir dir;
    SignalWritten written;
    ASSERT_EQ(DrawShinoharaRatio(f.Target(false), ShinoharaPart::Cr, {dir.Path(), written}),
              kSignalFileDone);
    const std::string expected = Cp932(" テスト銘柄―篠原レシオ (26)") +
                                 "\n 0 2024 1 2 101.00 0 0"
                                 "\n 6 2024 4 1 1761.00 83 0"
                                 "\n 7 2024 5 3 2361.00 113 1"
                                 "\n 9 2024 5 4 2381.00 114 0";
    EXPECT_EQ(korvo::test::ReadFile(dir / "bs.sno"), expected);
    EXPECT_TRUE(written.IsWritten(SignalFile::Shinohara));
    EXPECT_TRUE(f.canvas.Calls().empty());
    // The values behind it: a falling bar gives 4 up and 6 down.
    const ShinoharaRatio r = ComputeShinoharaRatio(*f.series, *f.geometry);
    const IndicatorLine& cr = r.belts[kShinoharaCrLine];
    EXPECT_EQ(cr.firstBar, 27);
    EXPECT_FLOAT_EQ(cr.ValueAt(82), 1.0f);
    EXPECT_FLOAT_EQ(cr.ValueAt(83), 129.0f / 131.0f);
    EXPECT_EQ(cr.YAt(82), kPriceBottom - 200);
    EXPECT_EQ(r.belts[0].firstBar, 41);
    EXPECT_EQ(r.belts[1].firstBar, 53);
    EXPECT_EQ(r.belts[2].firstBar, 11);
    EXPECT_EQ(r.belts[3].firstBar, 21);
    // AR and BR: open = close here, so each bar's high - open equals open - low.
    EXPECT_EQ(r.ar.firstBar, 27);
    EXPECT_FLOAT_EQ(r.ar.ValueAt(100), 1.0f);
    EXPECT_EQ(r.ar.YAt(100), kBottom - 200);
    EXPECT_FLOAT_EQ(r.br.ValueAt(83), 129.0f / 131.0f);
}

TEST(ShinoharaRatio, EveryBeltIsItsOwnWindowSummedInOrder) {
    // Irregular bars, so that a term taken from the wrong bar shows.
    IndicatorFixture f;
    std::vector<float> closes;
    for (int i = 0; i < 131; ++i)
        closes.push_back(500.0f + static_cast<float>((i * 37) % 23) * 1.7f -
                         static_cast<float>(i % 7));
    SetBars(f, closes, 0);
    for (std::size_t i = 0; i < closes.size(); ++i) {
        f.series->high[i] = closes[i] + static_cast<float>((i * 13) % 9) * 0.3f + 0.1f;
        f.series->low[i] = closes[i] - static_cast<float>((i * 5) % 11) * 0.7f - 0.2f;
    }
    const data::PriceSeries& s = *f.series;
    const ShinoharaRatio r = ComputeShinoharaRatio(s, *f.geometry);
    for (std::size_t k = 0; k < kShinoharaBelts.size(); ++k) {
        const int window = kShinoharaBelts[k].window;
        for (int i = window + 1; i < s.barCount; ++i) {
            float up = 0.0f, down = 0.0f;
            for (int j = i - window; j < i; ++j) {
                const auto at = static_cast<std::size_t>(j);
                const float middle = (s.high[at - 1] + s.low[at - 1]) / 2.0f;
                up += s.high[at] - middle;
                down += middle - s.low[at];
            }
            ASSERT_EQ(r.belts[k].ValueAt(i), up / down) << window << " " << i;
            ASSERT_EQ(r.belts[k].YAt(i),
                      static_cast<int>(static_cast<float>(kPriceBottom) - 200.0f * (up / down)))
                << window << " " << i;
        }
    }
}

TEST(ShinoharaRatio, SeventyNineBarsDrawNothingAndAZeroDenominatorStaysOnTheBase) {
    IndicatorFixture f;
    SetShinoharaBars(f, 79);
    korvo::test::TempDir dir;
    SignalWritten written;
    for (ShinoharaPart part : {ShinoharaPart::ArBr, ShinoharaPart::Cr})
        EXPECT_EQ(DrawShinoharaRatio(f.Target(), part, {dir.Path(), written}), kTooFewBars);
    EXPECT_TRUE(f.canvas.Calls().empty());
    EXPECT_FALSE(std::filesystem::exists(dir / "bs.sno"));
    EXPECT_FALSE(written.IsWritten(SignalFile::Shinohara));
    // Eighty bars with no range at all: every ratio is 0 on its base line, and
    // no signal is given.
    f.SetCloses(std::vector<float>(80, 700.0f));
    const ShinoharaRatio r = ComputeShinoharaRatio(*f.series, *f.geometry);
    EXPECT_EQ(r.ar.YAt(50), kBottom);
    EXPECT_EQ(r.br.YAt(50), kBottom);
    EXPECT_EQ(r.belts[kShinoharaCrLine].YAt(50), kPriceBottom);
    ASSERT_EQ(DrawShinoharaRatio(f.Target(false), ShinoharaPart::ArBr, {dir.Path(), written}),
              kSignalFileDone);
    EXPECT_EQ(korvo::test::ReadFile(dir / "bs.sno"),
              Cp932(" テスト銘柄―篠原レシオ (26)") +
                  "\n 0 2024 1 2 101.00 0 0\n 9 2024 3 25 1681.00 79 0");
    // A folder that cannot take the file: -40 and nothing drawn.
    SignalWritten none;
    EXPECT_EQ(DrawShinoharaRatio(f.Target(), ShinoharaPart::Cr, {dir / "missing", none}),
              kSignalFileFailed);
    EXPECT_FALSE(none.IsWritten(SignalFile::Shinohara));
    EXPECT_TRUE(f.canvas.Calls().empty());
}

TEST(ShinoharaRatio, PartsDrawInTheirPanelsWithTheirClips) {
    IndicatorFixture f;
    SetShinoharaBars(f, 115);
    f.geometry->priceRegion = {0, 10, 3000, 400};
    f.geometry->lowerRegion = {0, 400, 3000, 700};
    korvo::test::TempDir dir;
    SignalWritten written;
    const view::DrawingObjects& o = f.objects;
    const ShinoharaRatio r = ComputeShinoharaRatio(*f.series, *f.geometry);

    ASSERT_EQ(DrawShinoharaRatio(f.Target(), ShinoharaPart::Cr, {dir.Path(), written}),
              kSignalFileDone);
    const auto lines = f.Polylines();
    ASSERT_EQ(lines.size(), 5u);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const ShinoharaBelt& belt = kShinoharaBelts[k];
        EXPECT_EQ(lines[k].pen, o.palettePen[static_cast<std::size_t>(belt.palette)]) << k;
        EXPECT_EQ(lines[k].clip, f.geometry->priceRegion) << k;
        // Every point at its bar centre, moved right by the belt's slots.
        const int first = belt.window + 1;
        EXPECT_EQ(lines[k].points.front(),
                  f.Device(101 + 20 * first + 20 * belt.shiftSlots + 10, r.belts[k].YAt(first)))
            << k;
        EXPECT_EQ(lines[k].points.size(), static_cast<std::size_t>(115 - first)) << k;
        const auto label = f.canvas.TextCalls(belt.label);
        ASSERT_EQ(label.size(), 1u) << k;
        EXPECT_EQ(label[0].points[0],
                  f.Device(101 + 20 * 114 + 20 * belt.shiftSlots + 10, r.belts[k].YAt(114)))
            << k;
    }
    // Title at priceTop + 50 (the text stands 4 above) and the scale measured
    // from priceBottom.
    EXPECT_EQ(f.canvas.TextCalls("篠原レシオ (26)")[0].points[0].y, f.Device(0, 150 + 50 - 4).y);
    EXPECT_EQ(f.canvas.TextCalls("      200")[0].points[0].y, f.Device(0, kPriceBottom - 400).y);
    EXPECT_TRUE(f.canvas.TextCalls(" AR ").empty());

    f.canvas.ClearCalls();
    ASSERT_EQ(DrawShinoharaRatio(f.Target(), ShinoharaPart::ArBr, {dir.Path(), written}),
              kSignalFileDone);
    const auto arbr = f.Polylines();
    ASSERT_EQ(arbr.size(), 2u);
    EXPECT_EQ(arbr[0].pen, o.palettePen[4]);
    EXPECT_EQ(arbr[0].points, f.ExpectedLine(r.ar.y, 27));
    EXPECT_EQ(arbr[1].pen, o.palettePen[2]);
    EXPECT_EQ(arbr[0].clip, f.geometry->lowerRegion);
    EXPECT_EQ(f.canvas.TextCalls("      200")[0].points[0].y, f.Device(0, kBottom - 400).y);
    EXPECT_EQ(f.canvas.TextCalls("篠原レシオ (26)")[0].points[0].y,
              f.Device(0, kPriceBottom + 50 - 4).y);
    EXPECT_EQ(f.canvas.TextCalls(" BR ")[0].points[0],
              f.Device(101 + 20 * 114 + 10 + 40, r.br.YAt(114)));
    EXPECT_TRUE(f.canvas.TextCalls("―　CR").empty());
}

TEST(Bollinger, PeriodTenTakesNineClosesForSigmaAndStartsAtBarTen) {
    IndicatorFixture f;
    // Nine closes with mean 100 and squares summing to 36, sigma = sqrt(36 / 9)
    // = 2; the tenth (200) is only in the average.
    f.SetCloses({97, 103, 97, 103, 100, 100, 100, 100, 100, 200, 100, 100}, 0.0f, 2.0f);
    const Bollinger b = ComputeBollinger(*f.series, *f.geometry, 10);
    EXPECT_EQ(b.sigma.firstBar, 10);
    EXPECT_EQ(b.average.firstBar, 10);
    EXPECT_FALSE(b.upper.Has(9));
    EXPECT_FLOAT_EQ(b.sigma.ValueAt(10), 2.0f);
    EXPECT_FLOAT_EQ(b.average.ValueAt(10), 110.0f);
    EXPECT_FLOAT_EQ(b.upper.ValueAt(10), 114.0f);
    EXPECT_FLOAT_EQ(b.lower.ValueAt(10), 106.0f);
    EXPECT_EQ(b.upper.YAt(10), kPriceBottom - 228);
    EXPECT_EQ(b.lower.YAt(10), kPriceBottom - 212);
    // Bar 11: closes 103 97 103 100 100 100 100 100 200, whose sigma is the largest.
    EXPECT_GT(b.sigma.ValueAt(11), b.sigma.ValueAt(10));
    EXPECT_FLOAT_EQ(b.sigmaMax, b.sigma.ValueAt(11));
    EXPECT_EQ(b.sigma.YAt(11), kBottom - 400);
    EXPECT_EQ(b.sigma.YAt(10),
              static_cast<int>(static_cast<float>(kBottom) - 2.0f * 400.0f / b.sigmaMax));

    korvo::test::TempDir dir;
    f.geometry->priceRegion = {0, 10, 3000, 400};
    ASSERT_EQ(DrawBollinger(f.Target(), 10, true), kIndicatorDrawn);
    const view::DrawingObjects& o = f.objects;
    const auto lines = f.Polylines();
    ASSERT_EQ(lines.size(), 4u);  // sigma, average, upper, lower
    EXPECT_EQ(lines[0].pen, o.palettePen[3]);
    EXPECT_EQ(lines[0].points, f.ExpectedLine(b.sigma.y, 10));
    EXPECT_EQ(lines[1].pen, o.palettePen[3]);
    EXPECT_EQ(lines[1].clip, f.geometry->priceRegion);
    EXPECT_EQ(lines[1].points.front(), f.Device(301, b.average.YAt(10)));
    for (std::size_t k : {2u, 3u}) {
        EXPECT_EQ(lines[k].pen, o.bollingerPen);
        // The bands pass through the bar centres from their first point on.
        EXPECT_EQ(lines[k].points.front(), f.Device(311, (k == 2 ? b.upper : b.lower).YAt(10)));
    }
    const auto titles = f.canvas.TextCalls(kBollingerTitle);
    // Five panel titles with their shadows, the red end label and the green one by the bands.
    ASSERT_EQ(titles.size(), 12u);
    EXPECT_EQ(titles[11].textColour, o.paletteBrush[2].colour);
    EXPECT_EQ(titles[11].points[0], f.Device(101 + 20 * 11 + 50 + 10, b.average.YAt(11)));
    EXPECT_FALSE(f.canvas.TextCalls("   0.00").empty());
    // A multi-chart page: the bands alone.
    f.canvas.ClearCalls();
    ASSERT_EQ(DrawBollinger(f.Target(), 10, false), kIndicatorDrawn);
    EXPECT_EQ(f.Polylines().size(), 3u);
    EXPECT_EQ(f.canvas.TextCalls(kBollingerTitle).size(), 1u);
}

TEST(Bollinger, FlatClosesAndTooShortPeriodsDrawNoNonsense) {
    IndicatorFixture f;
    f.SetCloses(std::vector<float>(15, 500.0f));
    const Bollinger flat = ComputeBollinger(*f.series, *f.geometry, 5);
    EXPECT_EQ(flat.sigmaMax, 0.0f);
    for (int i = 5; i < 15; ++i) {
        EXPECT_EQ(flat.sigma.YAt(i), kBottom) << i;
        EXPECT_EQ(flat.upper.YAt(i), flat.average.YAt(i)) << i;
    }
    EXPECT_EQ(DrawBollinger(f.Target(), 1, true), kTooFewBars);
    f.SetCloses({500});
    EXPECT_EQ(DrawBollinger(f.Target(), 10, true), kTooFewBars);
    EXPECT_TRUE(f.canvas.Calls().empty());
    // As many bars as the period: no point, but the panel stands.
    f.SetCloses(Ramp(10, 500, 1));
    EXPECT_EQ(ComputeBollinger(*f.series, *f.geometry, 10).sigma.Count(), 0);
    EXPECT_EQ(DrawBollinger(f.Target(), 10, true), kIndicatorDrawn);
    EXPECT_TRUE(f.Polylines().empty());
}

TEST(Ichimoku, LinesFromTheClosesAndSpanTwoOnlyFromFiftyTwoBars) {
    IndicatorFixture f;
    // Closes 100, 101, ...: the middle of a window is its first and last close averaged.
    f.SetCloses(Ramp(51, 100, 1), 0.0f, 2.0f);
    const Ichimoku r = ComputeIchimoku(*f.series, *f.geometry, 9, 26);
    EXPECT_EQ(r.conversion.firstBar, 9);
    EXPECT_FLOAT_EQ(r.conversion.ValueAt(9), 104.0f);  // closes 100 .. 108
    EXPECT_EQ(r.conversion.YAt(9), kPriceBottom - 208);
    EXPECT_EQ(r.base.firstBar, 26);
    EXPECT_FLOAT_EQ(r.base.ValueAt(26), 112.5f);  // closes 100 .. 125
    EXPECT_EQ(r.span1.firstBar, 26);
    EXPECT_EQ(r.span1.YAt(26), (r.conversion.YAt(26) + r.base.YAt(26)) / 2);
    EXPECT_EQ(r.span2.Count(), 0);
    EXPECT_EQ(r.lagging.firstBar, 0);
    // Highs and lows play no part.
    f.series->high[3] = 5000;
    f.series->low[4] = 1;
    const Ichimoku same = ComputeIchimoku(*f.series, *f.geometry, 9, 26);
    EXPECT_EQ(same.conversion.y, r.conversion.y);
    EXPECT_EQ(same.base.y, r.base.y);

    // Fifty-one bars: no span 2, so no hatching and no " Span 2" label.
    ASSERT_EQ(DrawIchimoku(f.Target(), 9, 26, {true, true, true}), kIndicatorDrawn);
    EXPECT_EQ(f.Polylines().size(), 4u);  // conversion, base, span 1, lagging
    EXPECT_TRUE(f.canvas.TextCalls(" Span 2").empty());
    EXPECT_EQ(f.canvas.TextCalls(" Span1").size(), 1u);

    // Fifty-four bars: span 2 at bars 52 and 53, each with its hatch stroke.
    f.SetCloses(Ramp(54, 100, 1), 0.0f, 2.0f);
    const Ichimoku full = ComputeIchimoku(*f.series, *f.geometry, 9, 26);
    ASSERT_EQ(full.span2.firstBar, 52);
    EXPECT_FLOAT_EQ(full.span2.ValueAt(52), 125.5f);  // closes 100 .. 151
    f.canvas.ClearCalls();
    ASSERT_EQ(DrawIchimoku(f.Target(), 9, 26, {false, true, false}), kIndicatorDrawn);
    const auto lines = f.Polylines();
    ASSERT_EQ(lines.size(), 2u);
    const int shift = 26 * 20;
    // Span 1 moved 26 slots right: the first point at its barX, then the centres.
    EXPECT_EQ(lines[0].points.front(), f.Device(101 + 20 * 26 + shift, full.span1.YAt(26)));
    EXPECT_EQ(lines[0].points.back(), f.Device(101 + 20 * 53 + shift + 10, full.span1.YAt(53)));
    const std::vector<Point> hatch = {f.Device(101 + 20 * 52 + shift, full.span2.YAt(52)),
                                      f.Device(101 + 20 * 52 + shift, full.span1.YAt(52)),
                                      f.Device(101 + 20 * 52 + shift, full.span2.YAt(52)),
                                      f.Device(101 + 20 * 53 + shift + 10, full.span2.YAt(53)),
                                      f.Device(101 + 20 * 53 + shift + 10, full.span1.YAt(53)),
                                      f.Device(101 + 20 * 53 + shift + 10, full.span2.YAt(53))};
    EXPECT_EQ(lines[1].points, hatch);
    EXPECT_EQ(lines[1].pen, f.objects.palettePen[3]);
    EXPECT_EQ(f.canvas.TextCalls(" Span 2")[0].textColour, f.objects.paletteBrush[15].colour);
    EXPECT_TRUE(f.canvas.TextCalls(" 転換線").empty());
    EXPECT_TRUE(f.canvas.TextCalls("26 day/week Retard").empty());
}

TEST(Ichimoku, LaggingLineMovesBackAndEachSwitchDrawsItsOwn) {
    IndicatorFixture f;
    f.SetCloses(Ramp(30, 100, 1), 0.0f, 2.0f);
    const view::DrawingObjects& o = f.objects;
    ASSERT_EQ(DrawIchimoku(f.Target(), 9, 26, {false, false, true}), kIndicatorDrawn);
    const auto lines = f.Polylines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].pen, o.palettePen[5]);
    EXPECT_EQ(lines[0].points.front(), f.Device(101 - 26 * 20, kPriceBottom - 200));
    EXPECT_EQ(lines[0].points.size(), 30u);
    const auto label = f.canvas.TextCalls("26 day/week Retard");
    ASSERT_EQ(label.size(), 1u);
    EXPECT_EQ(label[0].points[0], f.Device(101 + 20 * 29 - 26 * 20 + 10, kPriceBottom - 258));

    f.canvas.ClearCalls();
    ASSERT_EQ(DrawIchimoku(f.Target(), 9, 26, {true, false, false}), kIndicatorDrawn);
    ASSERT_EQ(f.Polylines().size(), 2u);
    EXPECT_EQ(f.Polylines()[0].pen, o.palettePen[4]);
    EXPECT_EQ(f.Polylines()[1].pen, o.palettePen[2]);
    EXPECT_EQ(f.canvas.TextCalls(" 転換線")[0].textColour, o.paletteBrush[4].colour);
    EXPECT_EQ(f.canvas.TextCalls(" 基準線")[0].textColour, o.paletteBrush[2].colour);
    // A short period longer than the long one: span 1 waits for both lines.
    const Ichimoku odd = ComputeIchimoku(*f.series, *f.geometry, 12, 5);
    EXPECT_EQ(odd.span1.firstBar, 12);
    EXPECT_EQ(ComputeIchimoku(*f.series, *f.geometry, 0, 26).lagging.Count(), 0);
}

// Closes that rise over the first five bars, fall, then rise again; highs
// and lows 1 above and below.
std::vector<float> SarCloses() {
    return {100, 102, 104, 106, 108, 105, 102, 99, 96, 93, 90, 95, 100, 105, 110, 115};
}

TEST(ParabolicSar, ARiseOverTheStartWindowStartsShortAboveThePrice) {
    IndicatorFixture f;
    SetBars(f, SarCloses(), 1);
    const ParabolicSar r = ComputeParabolicSar(*f.series, *f.geometry, 5);
    // Short at the highest high of bars 0 .. 4, heading for their lowest low.
    EXPECT_EQ(r.sar.firstBar, 5);
    EXPECT_FLOAT_EQ(r.sar.ValueAt(5), 109.0f);
    EXPECT_FLOAT_EQ(r.sar.ValueAt(6), 108.8f);
    EXPECT_FLOAT_EQ(r.sar.ValueAt(8), 108.17984f);  // AF 0.04 after the new low 98
    EXPECT_FLOAT_EQ(r.sar.ValueAt(11), 104.44214f);
    // Bar 13's high reaches the stop: long from the lowest low 89 towards 109.
    EXPECT_FLOAT_EQ(r.sar.ValueAt(14), 89.4f);
    EXPECT_FLOAT_EQ(r.sar.ValueAt(15), 90.264f);
    EXPECT_TRUE(r.finalLong);

    korvo::test::TempDir dir;
    SignalWritten written;
    f.geometry->priceRegion = {0, 10, 3000, 700};
    ASSERT_EQ(DrawParabolicSar(f.Target(), 5, {dir.Path(), written}), kSignalFileDone);
    const std::string expected = Cp932(" テスト銘柄―ﾊﾟﾗﾎﾞﾘｯｸ(SAR)") +
                                 "\n 0 2024 1 2 100.00 0 0"
                                 "\n 7 2024 1 7 201.00 5 1"
                                 "\n 6 2024 1 15 361.00 13 0"
                                 "\n 9 2024 1 17 401.00 15 1";
    EXPECT_EQ(korvo::test::ReadFile(dir / "bs.sar"), expected);
    EXPECT_TRUE(written.IsWritten(SignalFile::Sar));

    // The short stretch in white from bar 5's left edge, the long one in red
    // restarting at bar 13's centre.
    const view::DrawingObjects& o = f.objects;
    const auto lines = f.Polylines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].pen, o.palettePen[15]);
    EXPECT_EQ(lines[0].clip, f.geometry->priceRegion);
    ASSERT_EQ(lines[0].points.size(), 10u);
    EXPECT_EQ(lines[0].points[0], f.Device(201, kPriceBottom - 109));
    EXPECT_EQ(lines[0].points[1], f.Device(211, 1041));  // trunc(1150 - 108.8)
    EXPECT_EQ(lines[1].pen, o.palettePen[4]);
    ASSERT_EQ(lines[1].points.size(), 3u);
    EXPECT_EQ(lines[1].points[0], f.Device(371, 1060));  // trunc(1150 - 89.4)
    const auto label = f.canvas.TextCalls("ﾊﾟﾗﾎﾞﾘｯｸ");
    ASSERT_EQ(label.size(), 1u);
    EXPECT_EQ(label[0].points[0], f.Device(401 + 10 + 10, 1058));  // the last stop, 91.8
    EXPECT_EQ(label[0].textColour, o.paletteBrush[3].colour);
}

TEST(ParabolicSar, FallingStartGoesLongAndShortSeriesWriteOnlyTheirEnds) {
    IndicatorFixture f;
    std::vector<float> closes = SarCloses();
    for (float& c : closes)
        c = 300 - c;  // the mirror image: falls over the start window
    SetBars(f, closes, 1);
    korvo::test::TempDir dir;
    SignalWritten written;
    ASSERT_EQ(DrawParabolicSar(f.Target(false), 5, {dir.Path(), written}), kSignalFileDone);
    const auto records = ReadSignalFile(dir.Path(), SignalFile::Sar);
    ASSERT_TRUE(records.has_value());
    ASSERT_EQ(records->size(), 4u);
    EXPECT_EQ((*records)[1], (SignalRecord{6, 2024, 1, 7, 201.0f, 5, 1}));
    EXPECT_EQ((*records)[2], (SignalRecord{7, 2024, 1, 15, 361.0f, 13, 1}));
    EXPECT_EQ((*records)[3].state, 0);  // short at the end
    EXPECT_TRUE(f.canvas.Calls().empty());

    // Five bars for a start length of 5: no stop, records 0 and 9 only.
    f.SetCloses(Ramp(5, 100, 1));
    ASSERT_EQ(DrawParabolicSar(f.Target(), 5, {dir.Path(), written}), kSignalFileDone);
    EXPECT_EQ(
        korvo::test::ReadFile(dir / "bs.sar"),
        Cp932(" テスト銘柄―ﾊﾟﾗﾎﾞﾘｯｸ(SAR)") + "\n 0 2024 1 2 100.00 0 0\n 9 2024 1 6 181.00 4 0");
    EXPECT_TRUE(f.canvas.Calls().empty());
    EXPECT_EQ(ComputeParabolicSar(*f.series, *f.geometry, 0).sar.Count(), 0);
    SignalWritten none;
    EXPECT_EQ(DrawParabolicSar(f.Target(), 2, {dir / "missing", none}), kSignalFileFailed);
    EXPECT_FALSE(none.IsWritten(SignalFile::Sar));
    EXPECT_TRUE(f.canvas.Calls().empty());
}

}  // namespace
}  // namespace korvo::indicators
