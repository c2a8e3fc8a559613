// The step chart: its construction, its labels and list, and bs.stp.
#include <gtest/gtest.h>

#include "altcharts/alt_chart_fixture.h"
#include "altcharts/price_labels.h"
#include "altcharts/step_chart.h"

namespace korvo::altcharts {
namespace {

using indicators::SignalFile;
using platform::CallKind;
using platform::Point;
using test::AltChartFixture;
using test::Header;

// Fixed reversal amount 10 over closes from 90 to 128: 10 pixels a price unit
// (380 / 38) in a 600-pixel client area, so y(p) = 490 - 10 (p - 90).
const std::vector<float> kZigZag = {100, 110, 105, 95, 120, 118, 100, 90, 128};

StepChart Compute(const std::vector<float>& closes, StepParams params) {
    const float top = *std::max_element(closes.begin(), closes.end());
    const float bottom = *std::min_element(closes.begin(), closes.end());
    return ComputeStepChart(closes, top, bottom, params, test::kClient.height);
}

StepParams Fixed(float amount) {
    return StepParams{false, kStepDefaultPercent, amount};
}

StepParams Percent(float percent) {
    return StepParams{true, percent, kStepDefaultAmount};
}

TEST(StepChart, ZigZagWritesItsSwitchesByteForByte) {
    AltChartFixture f;
    f.SetCloses(kZigZag);
    f.modes.stepUsePercent = false;
    f.settings.stepAmount = 10.0f;
    ASSERT_EQ(DrawStepChart(f.Target(), f.settings, f.modes).result, kAltChartDrawn);
    EXPECT_EQ(f.File(SignalFile::Step), Header(" テスト銘柄―かぎ足(StepChart)") +
                                            "\n 0 2024 1 2    100.00 0 1"
                                            "\n 6 2024 1 6    120.00 4 1"
                                            "\n 7 2024 1 9     90.00 7 1"
                                            "\n 6 2024 1 10    128.00 8 1"
                                            "\n 9 2024 1 10    128.00 8 1");
    EXPECT_TRUE(f.written.IsWritten(SignalFile::Step));
    // The unset percentage took its default; the amount in use stayed.
    EXPECT_FLOAT_EQ(f.settings.stepPercent, 3.0f);
    EXPECT_FLOAT_EQ(f.settings.stepAmount, 10.0f);
}

TEST(StepChart, LineChangesPenAtTheSwitches) {
    AltChartFixture f;
    f.SetCloses(kZigZag);
    f.modes.stepUsePercent = false;
    f.settings.stepAmount = 10.0f;
    DrawStepChart(f.Target(), f.settings, f.modes);
    const auto lines = f.canvas.CallsOf(CallKind::Polyline);
    ASSERT_EQ(lines.size(), 3u);
    // Yin up to the yang switch at 120, drawn on the reversal with the old pen.
    EXPECT_EQ(
        lines[0].points,
        (std::vector<Point>{{40, 390}, {40, 290}, {50, 290}, {50, 440}, {60, 440}, {60, 190}}));
    EXPECT_EQ(lines[0].pen, f.objects.downBarPen3);
    // Yang until the extension down to 90 falls within 5 % of the waist 95.
    EXPECT_EQ(lines[1].points, (std::vector<Point>{{60, 190}, {70, 190}, {70, 390}, {70, 490}}));
    EXPECT_EQ(lines[1].pen, f.objects.upBarPen3);
    EXPECT_EQ(lines[2].points, (std::vector<Point>{{70, 490}, {80, 490}, {80, 110}}));
    EXPECT_EQ(lines[2].pen, f.objects.downBarPen3);
    for (const auto& line : lines)
        EXPECT_EQ(line.clip, (platform::Rect{30, 40, 540, 590}));
}

TEST(StepChart, TurningPointsAreLabelledInThePriceMode) {
    AltChartFixture f;
    f.SetCloses(kZigZag);
    f.modes.stepUsePercent = false;
    f.settings.stepAmount = 10.0f;
    DrawStepChart(f.Target(), f.settings, f.modes);
    struct Expected {
        const char* text;
        Point at;
        platform::HAlign align;
    };
    const Expected turns[] = {
        {"110( 1/ 3)", {40, 287}, platform::HAlign::Left},
        {"95( 1/ 5)", {50, 445}, platform::HAlign::Right},
        {"120( 1/ 6)", {60, 187}, platform::HAlign::Left},
        {"90( 1/ 9)", {70, 495}, platform::HAlign::Right},
    };
    for (const Expected& e : turns) {
        const auto calls = f.canvas.TextCalls(e.text);
        ASSERT_EQ(calls.size(), 1u) << e.text;
        EXPECT_EQ(calls[0].points[0], e.at) << e.text;
        EXPECT_EQ(calls[0].hAlign, e.align) << e.text;
        EXPECT_EQ(calls[0].font, f.objects.verticalSmallFont) << e.text;
        EXPECT_EQ(calls[0].textColour, platform::Rgb(64, 255, 64)) << e.text;
    }
    // The switches stand only in the list: a buy above its sell, the next buy one column on.
    const auto buy = f.canvas.TextCalls("<120( 1/ 6)");
    const auto sell = f.canvas.TextCalls("<90( 1/ 9)");
    const auto next = f.canvas.TextCalls("<128( 1/10)");
    ASSERT_EQ(buy.size(), 1u);
    ASSERT_EQ(sell.size(), 1u);
    ASSERT_EQ(next.size(), 1u);
    EXPECT_EQ(buy[0].points[0], (Point{60, 530}));
    EXPECT_EQ(sell[0].points[0], (Point{60, 540}));
    EXPECT_EQ(next[0].points[0], (Point{120, 530}));
    EXPECT_EQ(buy[0].textColour, platform::Rgb(0, 255, 255));
    EXPECT_EQ(sell[0].textColour, platform::Rgb(255, 255, 0));
    EXPECT_EQ(buy[0].font, f.objects.smallFont);
}

TEST(StepChart, SwitchModeLabelsTheSwitchesBesideTheLineInstead) {
    AltChartFixture f;
    f.SetCloses(kZigZag);
    f.modes.stepUsePercent = false;
    f.modes.stepLabelMode = kStepLabelSwitches;
    f.settings.stepAmount = 10.0f;
    DrawStepChart(f.Target(), f.settings, f.modes);
    EXPECT_TRUE(f.canvas.TextCalls("110( 1/ 3)").empty());
    // Beside the new end of the line, 2 right and 5 up; then in the list.
    const auto buy = f.canvas.TextCalls("<120( 1/ 6)");
    ASSERT_EQ(buy.size(), 2u);
    EXPECT_EQ(buy[0].points[0], (Point{62, 185}));
    EXPECT_EQ(buy[1].points[0], (Point{60, 530}));
    const auto sell = f.canvas.TextCalls("<90( 1/ 9)");
    ASSERT_EQ(sell.size(), 2u);
    EXPECT_EQ(sell[0].points[0], (Point{72, 485}));
}

TEST(StepChart, ExtensionAcrossTheShoulderIsDrawnYangAndRecordedWithState0) {
    // 115 extends the up line past the shoulder 110: the stroke is already yang,
    // and the label beside the line stands at the line's end before the stroke.
    AltChartFixture f;
    f.SetCloses({100, 110, 95, 105, 115});
    f.modes.stepUsePercent = false;
    f.modes.stepLabelMode = kStepLabelSwitches;
    f.settings.stepAmount = 10.0f;
    DrawStepChart(f.Target(), f.settings, f.modes);
    // 19 pixels a unit from 95: y(p) = 490 - 19 (p - 95).
    const auto lines = f.canvas.CallsOf(CallKind::Polyline);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].points, (std::vector<Point>{{60, 300}, {60, 110}}));
    EXPECT_EQ(lines[1].pen, f.objects.upBarPen3);
    const auto beside = f.canvas.TextCalls("<115( 1/ 6)");
    ASSERT_EQ(beside.size(), 2u);
    EXPECT_EQ(beside[0].points[0], (Point{62, 295}));
    const std::string file = f.File(SignalFile::Step);
    EXPECT_NE(file.find("\n 6 2024 1 6    115.00 4 0\n 9 2024 1 6    115.00 4 1"),
              std::string::npos);
}

TEST(StepChart, CloseEqualToTheLinesEndNeitherExtendsNorReverses) {
    struct Case {
        std::vector<float> closes;
        std::vector<float> same;  // the closes without the ones that change nothing
    };
    const Case cases[] = {
        {{100, 120, 120, 115, 120}, {100, 120}},  // equal to the top, then back to it
        {{120, 100, 100, 105, 100}, {120, 100}},  // the same at the bottom
    };
    for (const Case& c : cases) {
        const StepChart chart = Compute(c.closes, Fixed(10));
        const StepChart plain = Compute(c.same, Fixed(10));
        ASSERT_EQ(chart.runs.size(), 1u);
        EXPECT_EQ(chart.runs[0].points, plain.runs[0].points);
        EXPECT_TRUE(chart.turns.empty());
    }
}

TEST(StepChart, ReversalAmountIsReachedInclusivelyBothWays) {
    struct Case {
        std::vector<float> closes;
        StepParams params;
        std::size_t turns;
    };
    const Case cases[] = {
        {{100, 120, 110, 120}, Fixed(10), 2},     // down by exactly 10, up by exactly 10
        {{100, 120, 110.5f, 120}, Fixed(10), 0},  // 9.5 is not enough
        {{90, 110, 100}, Percent(10), 1},         // 10 % of 100 down
        {{110, 90, 100}, Percent(10), 1},         // 10 % of 100 up
        {{90, 110, 100.5f}, Percent(10), 0},      // 9.5 against 10.05
    };
    for (const Case& c : cases) {
        const StepChart chart = Compute(c.closes, c.params);
        EXPECT_EQ(chart.turns.size(), c.turns) << c.closes[2];
    }
}

TEST(StepChart, PercentageAmountIsTakenFromEachBarsClose) {
    // The same fall of 5 is 5.3 % of 95 but 2.6 % of 195.
    EXPECT_EQ(Compute({90, 100, 95}, Percent(5)).turns.size(), 1u);
    EXPECT_EQ(Compute({190, 200, 195}, Percent(5)).turns.size(), 0u);
}

TEST(StepChart, OpeningAmountIsTheMeanOfTheLastFiveClosesOrOfAllOfFewer) {
    struct Case {
        std::vector<float> closes;
        float opening;
    };
    const Case cases[] = {
        {{96, 104, 100}, 4.0f},                 // fewer than five: all three
        {{1000, 90, 110, 100, 95, 105}, 4.0f},  // the first close is not among the last five
        {{100}, 4.0f},
    };
    for (const Case& c : cases) {
        std::vector<float> closes = c.closes;
        const StepChart chart = ComputeStepChart(closes, 1000.0f, 90.0f, Percent(4), 600);
        EXPECT_FLOAT_EQ(chart.openingAmount, c.opening);
    }
}

TEST(StepChart, SwitchesAlternateFromYangAndListSevenPairsToARow) {
    // Each cycle rises to a new high (yang) and falls back to 100, within 5 %
    // of the waist (yin).
    std::vector<float> closes = {100, 120};
    for (int k = 1; k <= 9; ++k) {
        closes.push_back(100);
        closes.push_back(120.0f + 5.0f * static_cast<float>(k));
    }
    closes.push_back(100);
    AltChartFixture f;
    f.SetCloses(closes);
    f.modes.stepUsePercent = false;
    f.settings.stepAmount = 10.0f;
    DrawStepChart(f.Target(), f.settings, f.modes);
    const StepChart chart = Compute(closes, Fixed(10));
    ASSERT_EQ(chart.switches.size(), 18u);
    for (std::size_t i = 0; i < chart.switches.size(); ++i)
        EXPECT_EQ(chart.switches[i].yang, i % 2 == 0) << i;
    std::vector<Point> list;
    for (const auto& call : f.Texts())
        if (call.text.rfind("<", 0) == 0) list.push_back(call.points[0]);
    ASSERT_EQ(list.size(), 18u);
    for (std::size_t pair = 0; pair < 9; ++pair) {
        const int x = 60 + 60 * static_cast<int>(pair % 7);
        const int y = 530 + 30 * static_cast<int>(pair / 7);
        EXPECT_EQ(list[2 * pair], (Point{x, y})) << pair;
        EXPECT_EQ(list[2 * pair + 1], (Point{x, y + 10})) << pair;
    }
}

TEST(StepChart, FlatSeriesDrawsNothingAndLeavesOnlyTheHeader) {
    AltChartFixture f;
    f.SetCloses({100, 100, 100, 100, 100, 100});
    EXPECT_EQ(DrawStepChart(f.Target(), f.settings, f.modes).result, kAltChartFlat);
    EXPECT_EQ(f.File(SignalFile::Step), Header(" テスト銘柄―かぎ足(StepChart)"));
    EXPECT_TRUE(f.written.IsWritten(SignalFile::Step));
    EXPECT_TRUE(f.canvas.Calls().empty());
}

TEST(StepChart, NoChangeReachingTheOpeningAmountDrawsTheFrameAndRecords0And9) {
    AltChartFixture f;
    f.SetCloses({100, 101, 100, 101, 102});
    f.modes.stepUsePercent = false;
    f.settings.stepAmount = 5.0f;
    EXPECT_EQ(DrawStepChart(f.Target(), f.settings, f.modes).result, kAltChartDrawn);
    EXPECT_EQ(f.File(SignalFile::Step), Header(" テスト銘柄―かぎ足(StepChart)") +
                                            "\n 0 2024 1 2    100.00 0 1"
                                            "\n 9 2024 1 6    102.00 4 0");
    EXPECT_TRUE(f.canvas.CallsOf(CallKind::Polyline).empty());
    const auto fills = f.canvas.CallsOf(CallKind::FillRect);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].AsRect(), (platform::Rect{27, 37, 543, 593}));
    EXPECT_EQ(f.canvas.TextCalls("Step Chart - カギ 足  (5.00)").size(), 1u);
}

TEST(StepChart, NullCanvasWritesTheSameFileAndDrawsNothing) {
    AltChartFixture drawn;
    AltChartFixture quiet;
    for (AltChartFixture* f : {&drawn, &quiet}) {
        f->SetCloses(kZigZag);
        f->settings.stepPercent = 5.0f;
    }
    EXPECT_EQ(DrawStepChart(drawn.Target(), drawn.settings, drawn.modes).result, kAltChartDrawn);
    EXPECT_EQ(DrawStepChart(quiet.Target(false), quiet.settings, quiet.modes).result,
              kAltChartDrawn);
    EXPECT_EQ(quiet.File(SignalFile::Step), drawn.File(SignalFile::Step));
    EXPECT_TRUE(quiet.canvas.Calls().empty());
    EXPECT_FALSE(drawn.canvas.Calls().empty());
    EXPECT_EQ(drawn.canvas.TextCalls("Step Chart - カギ 足 (5.0％)").size(), 1u);
}

TEST(StepChart, ScrollMovesTheLineAndListButNotTheFrame) {
    AltChartFixture f;
    f.SetCloses(kZigZag);
    f.modes.stepUsePercent = false;
    f.settings.stepAmount = 10.0f;
    f.scroll = Point{5, 7};
    DrawStepChart(f.Target(), f.settings, f.modes);
    EXPECT_EQ(f.canvas.CallsOf(CallKind::Polyline)[0].points[0], (Point{35, 383}));
    EXPECT_EQ(f.canvas.TextCalls("<120( 1/ 6)")[0].points[0], (Point{55, 523}));
    EXPECT_EQ(f.canvas.CallsOf(CallKind::FillRect)[0].AsRect(), (platform::Rect{27, 37, 543, 593}));
    EXPECT_EQ(f.canvas.TextCalls("テスト銘柄")[0].points[0], (Point{285, 3}));
}

TEST(StepChart, UnwritableStartDirectoryGivesMinus40AndDrawsNothing) {
    AltChartFixture f;
    f.SetCloses(kZigZag);
    AltChartTarget target = f.Target();
    target.output.startDirectory = f.dir / "missing" / "folder";
    EXPECT_EQ(DrawStepChart(target, f.settings, f.modes).result, kAltChartFileFailed);
    EXPECT_FALSE(f.written.IsWritten(SignalFile::Step));
    EXPECT_TRUE(f.canvas.Calls().empty());
}

TEST(PriceLabels, WholePricesWithoutDecimalsOthersWithTwoInSix) {
    struct Case {
        float price;
        const char* text;
    };
    const Case cases[] = {
        {100.0f, "100"},       {100.5f, "100.50"}, {100.004f, "100"},  // below 0.01 counts as whole
        {1520.25f, "1520.25"}, {0.5f, "  0.50"},   {7.0f, "7"},
        {99.999f, "100.00"},  // 99.99 in hundredths: not whole, printed rounded
    };
    for (const Case& c : cases)
        EXPECT_EQ(PriceText(c.price), c.text) << c.price;
    EXPECT_EQ(PriceDateText(1520.0f, 3, 7), "1520( 3/ 7)");
}

}  // namespace
}  // namespace korvo::altcharts
