// The brick chart: bricks per move, their places, labels and list, and bs.brk.
#include <gtest/gtest.h>

#include "altcharts/alt_chart_fixture.h"
#include "altcharts/brick_chart.h"

namespace korvo::altcharts {
namespace {

using indicators::SignalFile;
using platform::CallKind;
using platform::Point;
using platform::Rect;
using test::AltChartFixture;
using test::Header;

// Bricks of 10 over closes from 95 to 130: 10 pixels a price unit (350 / 35),
// so each brick is 100 pixels tall.
const std::vector<float> kMoves = {100, 110, 125, 129, 130, 108, 95, 100, 121};

BrickChart Compute(const std::vector<float>& closes, BrickParams params) {
    const float top = *std::max_element(closes.begin(), closes.end());
    const float bottom = *std::min_element(closes.begin(), closes.end());
    return ComputeBrickChart(closes, top, bottom, params, test::kClient.height);
}

BrickParams Fixed(float amount) {
    return BrickParams{false, kBrickDrawingPercent, amount};
}

std::vector<std::int64_t> Counts(const BrickChart& chart) {
    std::vector<std::int64_t> counts;
    for (const BrickRun& run : chart.runs)
        counts.push_back(run.rising ? run.count : -run.count);
    return counts;
}

void DrawFixed(AltChartFixture& f, float amount, int labelMode = 1) {
    f.modes.brickUsePercent = false;
    f.modes.brickLabelMode = labelMode;
    f.settings.brickAmount = amount;
    ASSERT_EQ(DrawBrickChart(f.Target(), f.settings, f.modes).result, kAltChartDrawn);
}

TEST(BrickChart, MovesWriteTheirSignalsByteForByte) {
    AltChartFixture f;
    f.SetCloses(kMoves);
    DrawFixed(f, 10.0f);
    EXPECT_EQ(f.File(SignalFile::Brick), Header(" テスト銘柄―練り足(Brick)") +
                                             "\n 0 2024 1 2 100.00 0 0"
                                             "\n 6 2024 1 3    110.00 1 0"
                                             "\n 7 2024 1 7    108.00 5 0"
                                             "\n 6 2024 1 10    121.00 8 0"
                                             "\n 9 2024 1 10 121.00 8 1");
    EXPECT_TRUE(f.written.IsWritten(SignalFile::Brick));
    EXPECT_EQ(f.modes.brickFallCount, 2);
    // An unset percentage is taken as 5 by a drawing.
    EXPECT_FLOAT_EQ(f.settings.brickPercent, 5.0f);
}

TEST(BrickChart, BricksStandDiagonallyWithTheHighestAt170) {
    AltChartFixture f;
    f.SetCloses(kMoves);
    DrawFixed(f, 10.0f);
    const auto fills = f.canvas.CallsOf(CallKind::FillRect);
    ASSERT_EQ(fills.size(), 7u);  // the frame, then six bricks
    const Rect expected[] = {{55, 270, 60, 370}, {60, 170, 65, 270}, {65, 270, 70, 370},
                             {70, 370, 75, 470}, {75, 270, 80, 370}, {80, 170, 85, 270}};
    const bool rising[] = {true, true, false, false, true, true};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(fills[i + 1].AsRect(), expected[i]) << i;
        EXPECT_EQ(fills[i + 1].brush, rising[i] ? f.objects.upBarBrush : f.objects.downBarBrush);
        EXPECT_EQ(fills[i + 1].clip, (Rect{27, 37, 543, 593}));
    }
}

TEST(BrickChart, LabelsFollowTheModeAndTheListHangsBelowTheLowestBrick) {
    struct Case {
        int mode;
        std::vector<std::pair<std::string, Point>> labels;
    };
    const Case cases[] = {
        {1, {{" 1/3 ", {50, 267}}, {" 1/7 ", {60, 373}}, {" 1/10 ", {70, 267}}}},
        {2, {{" 1/4 ", {55, 167}}, {" 1/8 ", {65, 473}}, {" 1/10 ", {75, 167}}}},
        {3, {{"110", {50, 267}}, {"108", {60, 373}}, {"121", {70, 267}}}},
        {4, {{"125", {55, 167}}, {"95", {65, 473}}, {"121", {75, 167}}}},
    };
    for (const Case& c : cases) {
        AltChartFixture f;
        f.SetCloses(kMoves);
        DrawFixed(f, 10.0f, c.mode);
        std::vector<platform::CanvasCall> labels;
        for (const auto& call : f.Texts())
            if (call.font == f.objects.verticalSmallFont) labels.push_back(call);
        ASSERT_EQ(labels.size(), c.labels.size()) << c.mode;
        for (std::size_t i = 0; i < labels.size(); ++i) {
            EXPECT_EQ(labels[i].text, c.labels[i].first) << c.mode;
            EXPECT_EQ(labels[i].points[0], c.labels[i].second) << c.mode << " " << i;
        }
        // Rising bricks read upward from above their top in cyan, falling ones end below.
        EXPECT_EQ(labels[0].hAlign, platform::HAlign::Left);
        EXPECT_EQ(labels[0].textColour, f.objects.palettePen[3].colour);
        EXPECT_EQ(labels[1].hAlign, platform::HAlign::Right);
        EXPECT_EQ(labels[1].textColour, f.objects.palettePen[6].colour);
    }
    AltChartFixture f;
    f.SetCloses(kMoves);
    DrawFixed(f, 10.0f);
    // The lowest brick ends at 470: the list starts 60 below it.
    EXPECT_EQ(f.canvas.TextCalls("110(1/3)")[0].points[0], (Point{60, 530}));
    EXPECT_EQ(f.canvas.TextCalls("108(1/7)")[0].points[0], (Point{60, 540}));
    EXPECT_EQ(f.canvas.TextCalls("121(1/10)")[0].points[0], (Point{120, 530}));
}

TEST(BrickChart, WholeSizesMakeBricksAndTheRemainderIsForgotten) {
    struct Case {
        std::vector<float> closes;
        std::vector<std::int64_t> counts;  // per run, negative for falling bricks
    };
    const Case cases[] = {
        {{100, 110}, {1}},          // exactly one size: one brick
        {{100, 109.5f}, {}},        // less than one: nothing
        {{100, 129}, {2}},          // 2.9 sizes: two bricks
        {{100, 129, 138}, {2}},     // 9 more from 129: the 0.9 left over is gone
        {{100, 129, 139}, {2, 1}},  // 10 more from 129
        {{100, 90}, {-1}},          // exactly one size down
        {{100, 71, 62}, {-2}},      // 2.9 down, then 9
        {{0, 100, 110}, {1}},       // a close of 0 is not measured from
    };
    for (const Case& c : cases)
        EXPECT_EQ(Counts(Compute(c.closes, Fixed(10))), c.counts) << c.closes.back();
}

TEST(BrickChart, FirstRunSignalsEitherWayAndRepeatsWriteNothing) {
    struct Case {
        std::vector<float> closes;
        std::vector<bool> buys;
    };
    const Case cases[] = {
        {{100, 90, 80, 110, 120, 85}, {false, true, false}},
        {{100, 110, 120, 100}, {true, false}},
        {{100, 110, 101, 120}, {true}},  // a move short of a brick between two rises
    };
    for (const Case& c : cases) {
        const BrickChart chart = Compute(c.closes, Fixed(10));
        std::vector<bool> buys;
        for (const BrickSignal& s : chart.tradeSignals) {
            buys.push_back(s.buy);
            EXPECT_EQ(s.state, 0);
        }
        EXPECT_EQ(buys, c.buys);
    }
}

TEST(BrickChart, SizeFromTheMeanOfTheLastFiveClosesAndNeverBelowFivePixels) {
    std::vector<float> closes;
    for (int i = 0; i <= 100; ++i)
        closes.push_back(100.0f + static_cast<float>(i));
    // 2 % of the last five closes' mean 198.
    EXPECT_FLOAT_EQ(Compute(closes, BrickParams{true, 2.0f, 0.5f}).size, 3.96f);
    // One hundredth: 0.035 pixels a brick, drawn 5 tall; each bar adds 100 of them,
    // so the chart runs 50 000 pixels up while the prices span 350.
    const BrickChart tiny = Compute(closes, Fixed(0.01f));
    EXPECT_EQ(tiny.brickHeight, kBrickMinHeight);
    ASSERT_EQ(tiny.runs.size(), 100u);
    EXPECT_EQ(tiny.runs.back().y - tiny.runs.front().y, -99 * 100 * 5);
    EXPECT_EQ(tiny.shift, 170 - (tiny.runs.back().y - 500));
    AltChartFixture f;
    f.SetCloses(closes);
    DrawFixed(f, 0.01f);
    // Only the bricks the clip lets through are drawn: about one every 5 pixels across.
    const auto fills = f.canvas.CallsOf(CallKind::FillRect);
    EXPECT_GT(fills.size(), 95u);
    EXPECT_LT(fills.size(), 105u);
    EXPECT_EQ(f.File(SignalFile::Brick).find("\n 7 "), std::string::npos);
}

TEST(BrickChart, MistypedTinySizeStaysBounded) {
    AltChartFixture f;
    f.SetCloses({100, 200, 100, 200});
    f.modes.brickUsePercent = true;
    f.settings.brickPercent = 1e-20f;
    const AltChartOutcome out = DrawBrickChart(f.Target(), f.settings, f.modes);
    EXPECT_EQ(out.result, kAltChartDrawn);
    EXPECT_GE(out.pagesAcross, 1);
    EXPECT_GT(f.modes.brickFallCount, 200);
    EXPECT_LT(f.canvas.CallsOf(CallKind::FillRect).size(), 200u);
}

TEST(BrickChart, FlatSeriesDrawsNothingAndNullCanvasWritesTheSameFile) {
    AltChartFixture flat;
    flat.SetCloses({50, 50, 50, 50, 50});
    EXPECT_EQ(DrawBrickChart(flat.Target(), flat.settings, flat.modes).result, kAltChartFlat);
    EXPECT_EQ(flat.File(SignalFile::Brick), Header(" テスト銘柄―練り足(Brick)"));
    EXPECT_TRUE(flat.canvas.Calls().empty());

    AltChartFixture drawn;
    AltChartFixture quiet;
    drawn.SetCloses(kMoves);
    quiet.SetCloses(kMoves);
    DrawFixed(drawn, 10.0f);
    quiet.modes.brickUsePercent = false;
    quiet.settings.brickAmount = 10.0f;
    EXPECT_EQ(DrawBrickChart(quiet.Target(false), quiet.settings, quiet.modes).result,
              kAltChartDrawn);
    EXPECT_EQ(quiet.File(SignalFile::Brick), drawn.File(SignalFile::Brick));
    EXPECT_EQ(quiet.modes.brickFallCount, 2);
    EXPECT_TRUE(quiet.canvas.Calls().empty());
}

TEST(BrickChart, TitleNamesTheSizeInUse) {
    AltChartFixture f;
    f.SetCloses(kMoves);
    f.settings.brickPercent = 2.5f;
    DrawBrickChart(f.Target(), f.settings, f.modes);
    EXPECT_EQ(f.canvas.TextCalls("Brick - 練行足（ねり足）(2.50％)").size(), 1u);
    AltChartFixture g;
    g.SetCloses(kMoves);
    DrawFixed(g, 10.0f);
    EXPECT_EQ(g.canvas.TextCalls("Brick - 練行足（ねり足） (10.00)").size(), 1u);
}

}  // namespace
}  // namespace korvo::altcharts
