// The logic of the step, brick and trident windows: opening, the choices,
// ﾘﾄﾞﾛｰ with its refusals, the open flags, painting and scrolling.
#include <gtest/gtest.h>

#include "altcharts/alt_chart_fixture.h"
#include "altcharts/brick_window.h"
#include "altcharts/step_window.h"
#include "altcharts/trident_window.h"
#include "view/scroll.h"

namespace korvo::altcharts {
namespace {

using test::AltChartFixture;

struct Windows : AltChartFixture {
    ChartWindowContext Context() {
        return ChartWindowContext{*series, objects,  dir.Path(), written,
                                  prompts, settings, modes,      flags};
    }
    AltChartWindowFlags flags;
};

// Closes that swing 10 % every day: at a 3 % brick each fall makes three bricks.
std::vector<float> Swings(int bars) {
    std::vector<float> closes;
    for (int i = 0; i < bars; ++i)
        closes.push_back(i % 2 == 0 ? 100.0f : 110.0f);
    return closes;
}

TEST(StepWindow, OpeningResetsTheModesAndFillsInUnsetAmounts) {
    Windows w;
    w.SetCloses(Swings(20));
    w.modes.stepUsePercent = false;
    w.modes.stepLabelMode = kStepLabelSwitches;
    StepWindow window(w.Context());
    const AmountFields fields = window.Open();
    EXPECT_TRUE(w.flags.stepOpen);
    EXPECT_TRUE(w.modes.stepUsePercent);
    EXPECT_EQ(window.CheckedLabels(), StepWindow::kPriceLabels);
    EXPECT_EQ(window.CheckedAmountKind(), StepWindow::kPercentMode);
    EXPECT_EQ(fields.percent, "3.0");
    EXPECT_EQ(fields.amount, "0.50");
    window.Closed();
    EXPECT_FALSE(w.flags.stepOpen);
    window.Closed();  // destruction after OK clears nothing more
    EXPECT_FALSE(w.flags.stepOpen);

    // Amounts set before are kept, shown as the window formats them.
    w.settings.stepPercent = 12.25f;
    w.settings.stepAmount = 7.0f;
    StepWindow again(w.Context());
    const AmountFields kept = again.Open();
    EXPECT_EQ(kept.percent, "12.2");
    EXPECT_EQ(kept.amount, "7.00");
}

TEST(StepWindow, ChoicesChangeTheModesAndOnlyTheLabelsRedraw) {
    Windows w;
    StepWindow window(w.Context());
    window.Open();
    EXPECT_TRUE(window.ChooseLabels(StepWindow::kSwitchLabels));
    EXPECT_EQ(w.modes.stepLabelMode, kStepLabelSwitches);
    EXPECT_TRUE(window.ChooseLabels(StepWindow::kPriceLabels));
    EXPECT_EQ(w.modes.stepLabelMode, kStepLabelTurns);
    EXPECT_FALSE(window.ChooseLabels(121));
    window.ChooseAmountKind(StepWindow::kAmountMode);
    EXPECT_FALSE(w.modes.stepUsePercent);
    EXPECT_EQ(window.CheckedAmountKind(), StepWindow::kAmountMode);
}

TEST(StepWindow, RedrawRefusesAnAmountOfZeroOrLessInItsModeAndKeepsTheOldOne) {
    struct Case {
        bool usePercent;
        AmountFields fields;
        bool redraws;
        const char* message;  // nullptr: none
        float percent;
        float amount;
    };
    const Case cases[] = {
        {true, {"2.5", "1.5"}, true, nullptr, 2.5f, 1.5f},
        {true, {"0", "1.5"}, false, "設定率 要修正！", 3.0f, 0.5f},
        {true, {"-1", "1.5"}, false, "設定率 要修正！", 3.0f, 0.5f},
        {true, {"abc", "1.5"}, false, "設定率 要修正！", 3.0f, 0.5f},
        {true, {"1e39", "1.5"}, false, "設定率 要修正！", 3.0f, 0.5f},
        // Only the first 16 characters are read.
        {true, {"00000000000000001", "1"}, false, "設定率 要修正！", 3.0f, 0.5f},
        {true, {" 4 ", "0"}, true, nullptr, 4.0f, 0.5f},  // the unused amount is not taken
        {false, {"4", "0"}, false, "設定額 要修正！", 4.0f, 0.5f},
        {false, {"0", "1.25"}, true, nullptr, 3.0f, 1.25f},
        {false, {"6", "2"}, true, nullptr, 6.0f, 2.0f},
    };
    for (const Case& c : cases) {
        Windows w;
        StepWindow window(w.Context());
        window.Open();
        window.ChooseAmountKind(c.usePercent ? StepWindow::kPercentMode : StepWindow::kAmountMode);
        EXPECT_EQ(window.Redraw(c.fields), c.redraws) << c.fields.percent;
        if (c.message) {
            ASSERT_EQ(w.prompts.Messages().size(), 1u) << c.fields.percent;
            EXPECT_EQ(w.prompts.Messages()[0].text, c.message);
            EXPECT_EQ(w.prompts.Messages()[0].caption, "エラーメッセージ");
        } else {
            EXPECT_TRUE(w.prompts.Messages().empty()) << c.fields.percent;
        }
        EXPECT_FLOAT_EQ(w.settings.stepPercent, c.percent) << c.fields.percent;
        EXPECT_FLOAT_EQ(w.settings.stepAmount, c.amount) << c.fields.percent;
    }
}

TEST(StepWindow, PaintClearsTheClientAreaAndDrawsAtTheScrollPosition) {
    Windows w;
    w.SetCloses({100, 110, 105, 95, 120, 118, 100, 90, 128});
    StepWindow window(w.Context());
    window.Open();
    window.ChooseAmountKind(StepWindow::kAmountMode);
    ASSERT_TRUE(window.Redraw({"3", "10"}));
    EXPECT_EQ(window.Paint(w.canvas, test::kClient).result, kAltChartDrawn);
    const auto& calls = w.canvas.Calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls[0].kind, platform::CallKind::FillRect);
    EXPECT_EQ(calls[0].AsRect(), (platform::Rect{0, 0, 740, 600}));
    EXPECT_EQ(calls[0].brush.colour, kWindowFace);
    EXPECT_TRUE(w.written.IsWritten(indicators::SignalFile::Step));

    // 20 pixels a page, 1 a line, never before 0; the paint follows.
    const PageCounts main{3, 2};
    EXPECT_EQ(window.ScrollAcross(view::kScrollLineBack, 0, test::kClient, main).position, 0);
    EXPECT_EQ(window.ScrollAcross(view::kScrollPageForward, 0, test::kClient, main).position, 20);
    const auto step = window.ScrollAcross(view::kScrollLineForward, 0, test::kClient, main);
    EXPECT_EQ(step.position, 21);
    EXPECT_TRUE(step.moved);
    EXPECT_EQ(step.rangeMax, 3 * 740);
    EXPECT_EQ(window.ScrollDown(view::kScrollPageForward, 0, test::kClient, main).position, 15);
    EXPECT_EQ(window.ScrollDown(view::kScrollLineForward, 0, test::kClient, main).rangeMax,
              2 * 600);
    w.canvas.ClearCalls();
    window.Paint(w.canvas, test::kClient);
    EXPECT_EQ(w.canvas.CallsOf(platform::CallKind::Polyline)[0].points[0],
              (platform::Point{40 - 21, 390 - 16}));
    // A thumb let go anywhere in the range lands there.
    EXPECT_EQ(window.ScrollAcross(view::kScrollThumbPosition, 500, test::kClient, main).position,
              500);
}

TEST(StepWindow, ScrollRangeReachesTheWholeChartWhenTheMainChartIsNarrower) {
    // 200 reversals take the line 2000 pixels across: more than one page of the window.
    std::vector<float> closes;
    for (int i = 0; i < 200; ++i)
        closes.push_back(i % 2 == 0 ? 100.0f : 120.0f);
    Windows w;
    w.SetCloses(closes);
    StepWindow window(w.Context());
    window.Open();
    window.Paint(w.canvas, test::kClient);
    const platform::Size range = window.ScrollRange(test::kClient, PageCounts{1, 1});
    EXPECT_GE(range.width, 40 + 10 * 198);
    EXPECT_EQ(window.ScrollRange(test::kClient, PageCounts{9, 1}).width, 9 * 740);
}

TEST(BrickWindow, RefusesToOpenOverMoreThan200FallingBricks) {
    struct Case {
        int bars;
        bool opens;
    };
    // Each fall from 110 to 100 is three bricks of 3 % (3.15).
    const Case cases[] = {{133, true}, {135, false}, {400, false}, {20, true}};
    for (const Case& c : cases) {
        Windows w;
        w.SetCloses(Swings(c.bars));
        // What an earlier drawing counted does not decide it.
        w.modes.brickFallCount = c.opens ? 1000 : 0;
        BrickWindow window(w.Context());
        const auto fields = window.Open();
        EXPECT_EQ(fields.has_value(), c.opens) << c.bars;
        EXPECT_EQ(w.flags.brickOpen, c.opens) << c.bars;
        EXPECT_EQ(window.IsOpen(), c.opens) << c.bars;
        if (c.opens) {
            EXPECT_TRUE(w.prompts.Messages().empty());
            continue;
        }
        ASSERT_EQ(w.prompts.Messages().size(), 1u);
        EXPECT_EQ(w.prompts.Messages()[0].text, "表示期間を１年以内してください");
        EXPECT_EQ(w.prompts.Messages()[0].caption, "メッセージ");
    }
}

TEST(BrickWindow, OpensWithTheFirstLabelsAndThreePercentAndRedrawsLikeTheStepWindow) {
    Windows w;
    w.SetCloses(Swings(30));
    w.modes.brickLabelMode = 4;
    w.modes.brickUsePercent = false;
    BrickWindow window(w.Context());
    const auto fields = window.Open();
    ASSERT_TRUE(fields.has_value());
    EXPECT_EQ(fields->percent, "3.0");
    EXPECT_EQ(fields->amount, "0.50");
    EXPECT_EQ(window.CheckedLabels(), 120);
    EXPECT_EQ(window.CheckedAmountKind(), BrickWindow::kPercentMode);
    for (int id = 120; id <= 123; ++id) {
        EXPECT_TRUE(window.ChooseLabels(id));
        EXPECT_EQ(w.modes.brickLabelMode, id - 119);
    }
    EXPECT_FALSE(window.ChooseLabels(124));
    window.ChooseAmountKind(BrickWindow::kAmountMode);
    EXPECT_FALSE(window.Redraw({"3", "-2"}));
    EXPECT_EQ(w.prompts.Messages().back().text, "設定額 要修正！");
    EXPECT_TRUE(window.Redraw({"3", "2"}));
    EXPECT_FLOAT_EQ(w.settings.brickAmount, 2.0f);
    // Its paint counts the falling bricks for the next opening's caller.
    EXPECT_EQ(window.Paint(w.canvas, test::kClient).result, kAltChartDrawn);
    EXPECT_EQ(w.modes.brickFallCount, 5 * 14);
    // The brick window scrolls down over the main chart's pages across.
    EXPECT_EQ(window.ScrollDown(view::kScrollLineForward, 0, test::kClient, {4, 1}).rangeMax,
              4 * 600);
    window.Closed();
    EXPECT_FALSE(w.flags.brickOpen);
}

TEST(TridentWindow, OpensWithDatesOnEvenBlocksAndChoosesLabels) {
    Windows w;
    w.modes.tridentLabelMode = 3;
    TridentWindow window(w.Context());
    window.Open();
    EXPECT_TRUE(w.flags.tridentOpen);
    EXPECT_EQ(window.CheckedLabels(), 121);
    EXPECT_TRUE(window.ChooseLabels(123));
    EXPECT_EQ(w.modes.tridentLabelMode, 4);
    EXPECT_FALSE(window.ChooseLabels(119));
    window.Closed();
    EXPECT_FALSE(w.flags.tridentOpen);
    EXPECT_FALSE(w.flags.stepOpen);
}

}  // namespace
}  // namespace korvo::altcharts
