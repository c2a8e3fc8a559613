// The size, scale, display start and plot start commands, the scroll
// requests and the right-button read-out, as the main window procedure
// carries them out on the sample chart.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <optional>

#include "app/command_ids.h"
#include "app/main_controller.h"
#include "app/settings_file.h"
#include "app/shell_fixture.h"
#include "platform/recording_canvas.h"
#include "support/shipped_files.h"
#include "view/scroll.h"

namespace korvo::view {
namespace {

using app::CursorKind;
using platform::Answer;
using platform::CallKind;
using platform::Point;

// A window whose dialogs answer from scripts and which records what is drawn
// on it outside a paint.
class DialogView : public test::FakeView {
  public:
    void DrawOnWindow(const std::function<void(platform::Canvas&)>& draw) override { draw(window); }
    // Each scripted entry is typed in turn until one is taken; nullopt cancels.
    bool RunCustomSizeDialog(CustomSizeDialog& dialog) override {
        ++customRuns;
        opened = dialog.Current();
        return Type(customAnswers, dialog);
    }
    bool RunDisplayStartDialog(DisplayStartDialog& dialog) override {
        ++displayStartRuns;
        return Type(displayStartAnswers, dialog);
    }
    // "auto", "cancel", or the three manual boxes.
    int RunScaleDialog(ScaleDialog& dialog) override {
        ++scaleRuns;
        while (!scaleAnswers.empty()) {
            const ScaleDialog::Fields f = scaleAnswers.front();
            scaleAnswers.pop_front();
            if (f.priceMax == "auto") return dialog.ChooseAutomatic();
            if (f.priceMax == "cancel") return dialog.Cancel();
            dialog.ChooseManual();
            if (dialog.Accept(f)) return kScaleClosed;
        }
        return dialog.Cancel();
    }

    platform::RecordingCanvas window{platform::Size{1024, 700}};
    std::deque<std::optional<CustomSizeDialog::Fields>> customAnswers;
    std::deque<std::optional<DisplayStartDialog::Fields>> displayStartAnswers;
    std::deque<ScaleDialog::Fields> scaleAnswers;
    CustomSizeDialog::Fields opened;
    int customRuns = 0;
    int displayStartRuns = 0;
    int scaleRuns = 0;

  private:
    template <class Fields, class Dialog>
    static bool Type(std::deque<std::optional<Fields>>& answers, Dialog& dialog) {
        while (!answers.empty()) {
            const std::optional<Fields> typed = answers.front();
            answers.pop_front();
            if (!typed) return false;
            if (dialog.Accept(*typed)) return true;
        }
        return false;
    }
};

// The program started on the shipped settings with the sample beside it; the
// sample's data run to the end of 2025.
struct Program {
    Program() {
        test::CopyShippedFiles(dir.Path());
        state = std::make_unique<app::ProgramState>();
        app::ReadStartSettings(*state, dir.Path());
        controller = std::make_unique<app::MainController>(
            *state, view, app::ShellServices{prompts, launcher, clock, progress});
        controller->Create(dir.Path());
    }
    void OpenSample() {
        prompts.QueueFile((dir / "sample.stk").string());
        controller->Command(app::kCmdOpenFile);
        Paint();
    }
    std::vector<platform::CanvasCall> Paint() {
        platform::RecordingCanvas canvas(view.client);
        controller->Paint(canvas);
        return canvas.Calls();
    }
    // The client point over the middle of bar i at height y.
    Point BarPoint(int i, int y) const {
        const chart::ChartGeometry& g = state->geometry;
        const int layout = static_cast<int>(g.barX[static_cast<std::size_t>(i)]) + 10;
        return Point{platform::LogicalToPixels(chart::LogicalX(layout, g.xPercent)) - g.scrollX, y};
    }
    // Where the render puts the newest data: 80 % of the window width.
    int EndPosition() const {
        const chart::ChartGeometry& g = state->geometry;
        const int last = state->series.barCount - 1;
        const int endLogical =
            chart::LogicalX(g.barSlot[static_cast<std::size_t>(last)] * 20 + 100, g.xPercent);
        return platform::LogicalToPixels(endLogical) - view.client.width * 80 / 100;
    }
    int DateKey(int i) const {
        const auto at = static_cast<std::size_t>(i);
        return state->series.year[at] * 10000 + state->series.month[at] * 100 +
               state->series.day[at];
    }

    test::TempDir dir;
    std::unique_ptr<app::ProgramState> state;
    DialogView view;
    platform::ScriptedPrompts prompts;
    platform::RecordingLauncher launcher;
    platform::FixedClock clock{platform::CivilDate{2026, 1, 10}};
    platform::NullProgress progress;
    std::unique_ptr<app::MainController> controller;
};

TEST(ViewCommands, SizeCommandsRedrawAtTheNewSizeAndOnlyVerticalOnesKeepThePosition) {
    Program p;
    p.OpenSample();
    ViewState& v = p.state->view;
    const float before = v.horizontalScale;
    ASSERT_NE(before, 1.0f);
    const int fonts = p.state->drawing.fontGeneration;

    p.controller->Command(3467);  // horizontal 100 %
    EXPECT_FLOAT_EQ(v.horizontalScale, 1.0f);
    EXPECT_FLOAT_EQ(v.savedHorizontalScale, before);
    EXPECT_GT(p.state->drawing.fontGeneration, fonts);
    ASSERT_FALSE(p.view.invalidations.empty());
    EXPECT_TRUE(p.view.invalidations.back());
    p.Paint();
    EXPECT_EQ(p.state->geometry.xPercent, 100);
    EXPECT_EQ(p.state->geometry.scrollX, p.EndPosition());

    // Back a little, then 150 % high: the position stays.
    for (int i = 0; i < 5; ++i)
        p.controller->HorizontalScroll(kScrollLineBack, 0);
    p.Paint();
    const int scrolled = p.state->geometry.scrollX;
    EXPECT_EQ(scrolled, p.EndPosition() - 10);
    p.controller->Command(3473);
    EXPECT_TRUE(v.keepPositionOnce);
    EXPECT_FLOAT_EQ(v.fontVerticalScale, 1.0f);
    DrawingObjects full;
    CreateFonts(full, 1.0f, 1.0f);
    EXPECT_EQ(p.state->drawing.scaleFont, full.scaleFont);
    p.Paint();
    EXPECT_EQ(p.state->geometry.yPercent, 150);
    EXPECT_EQ(p.state->geometry.scrollX, scrolled);
    EXPECT_FALSE(v.keepPositionOnce);

    // 150 % wide: the newest data at 80 % again.
    p.controller->Command(3468);
    p.Paint();
    EXPECT_EQ(p.state->geometry.xPercent, 150);
    EXPECT_EQ(p.state->geometry.scrollX, p.EndPosition());
}

TEST(ViewCommands, ScrollRequestsMoveTheChartAndRepaintWithoutErasing) {
    Program p;
    // On the opening screen nothing scrolls.
    p.controller->HorizontalScroll(kScrollPageForward, 0);
    EXPECT_TRUE(p.view.invalidations.empty() || p.view.invalidations.back());
    EXPECT_EQ(p.state->view.savedScrollX, 0);

    p.OpenSample();
    ViewState& v = p.state->view;
    const int end = p.state->geometry.scrollX;
    ASSERT_EQ(v.scrollBarPosX, end);
    v.newDataFlag = true;
    p.controller->HorizontalScroll(kScrollLineBack, 0);
    EXPECT_EQ(v.savedScrollX, end - 2);
    EXPECT_FALSE(v.newDataFlag);
    EXPECT_FALSE(p.view.invalidations.back());
    p.controller->HorizontalScroll(kScrollPageForward, 0);
    p.controller->HorizontalScroll(kScrollPageForward, 0);
    p.Paint();
    EXPECT_EQ(p.state->geometry.scrollX, end + 38);
    EXPECT_EQ(p.view.scrollBars.horizontalPos, end + 38);

    // A dragged thumb scrolls only when released.
    p.controller->HorizontalScroll(kScrollThumbTrack, 100);
    EXPECT_EQ(v.savedScrollX, end + 38);
    p.controller->HorizontalScroll(kScrollThumbPosition, 100);
    p.Paint();
    EXPECT_EQ(p.state->geometry.scrollX, 100);

    // Home: the margin before the chart, where a further step back does nothing.
    p.controller->HorizontalScroll(kScrollToStart, 0);
    p.Paint();
    EXPECT_EQ(p.state->geometry.scrollX, -50);
    p.controller->HorizontalScroll(kScrollLineBack, 0);
    p.Paint();
    EXPECT_EQ(p.state->geometry.scrollX, -50);
    // End: the newest data, as after a load.
    p.controller->HorizontalScroll(kScrollToEnd, 0);
    p.Paint();
    EXPECT_EQ(p.state->geometry.scrollX, end);

    p.controller->VerticalScroll(kScrollPageForward, 0);
    p.controller->VerticalScroll(kScrollLineForward, 0);
    p.Paint();
    EXPECT_EQ(p.state->geometry.scrollY, 16);
    p.controller->VerticalScroll(kScrollPageBack, 0);
    p.controller->VerticalScroll(kScrollPageBack, 0);
    p.Paint();
    EXPECT_EQ(p.state->geometry.scrollY, 0);
    EXPECT_EQ(p.state->geometry.scrollX, end);
}

TEST(ViewCommands, TheCustomSizeDialogSetsBothFactorsAndTheCustomSizeReusesThem) {
    Program p;
    p.OpenSample();
    ViewState& v = p.state->view;
    v.customHorizontalScale = 0.0f;
    p.view.scrollBarsShown = false;

    // 3475 without a custom size asks for one; the dialog is cancelled.
    const std::size_t repaints = p.view.invalidations.size();
    p.view.customAnswers = {std::nullopt};
    p.controller->Command(app::kCmdCustomSize);
    EXPECT_EQ(p.view.customRuns, 1);
    EXPECT_EQ(p.view.invalidations.size(), repaints);
    EXPECT_FLOAT_EQ(v.customHorizontalScale, 0.0f);

    const float h = v.horizontalScale;
    p.view.customAnswers = {CustomSizeDialog::Fields{"301", "100"},
                            CustomSizeDialog::Fields{"150", "120"}};
    p.controller->Command(app::kCmdCustomZoom);
    EXPECT_EQ(p.view.opened.width, std::to_string(static_cast<int>(h * 100.0f + 0.5f)));
    ASSERT_EQ(p.prompts.Messages().size(), 1u);
    EXPECT_EQ(p.prompts.Messages()[0].text, "Max size upto 300 percent");
    EXPECT_FLOAT_EQ(v.horizontalScale, 1.5f);
    EXPECT_FLOAT_EQ(v.verticalScale, 1.2f);
    EXPECT_FLOAT_EQ(v.customHorizontalScale, 1.5f);
    EXPECT_FLOAT_EQ(v.customVerticalScale, 1.2f);
    EXPECT_FLOAT_EQ(v.fontVerticalScale, 1.0f);
    EXPECT_TRUE(p.view.scrollBarsShown);
    p.Paint();
    EXPECT_EQ(p.state->geometry.xPercent, 150);
    EXPECT_EQ(p.state->geometry.scrollX, p.EndPosition());

    // 3475 applies the custom size directly, without the dialog.
    p.controller->Command(3464);
    EXPECT_FLOAT_EQ(v.horizontalScale, 0.2f);
    p.controller->Command(app::kCmdCustomSize);
    EXPECT_EQ(p.view.customRuns, 2);
    EXPECT_FLOAT_EQ(v.horizontalScale, 1.5f);
    EXPECT_FLOAT_EQ(v.savedHorizontalScale, 0.2f);
}

TEST(ViewCommands, TheManualScaleHoldsOverReloadsUntilAutomaticIsChosen) {
    Program p;
    p.OpenSample();
    const chart::ChartGeometry& g = p.state->geometry;
    const float autoTop = g.topPrice;
    const float autoBottom = g.bottomPrice;

    p.view.scaleAnswers = {ScaleDialog::Fields{"2500", "-1", "100"},
                           ScaleDialog::Fields{"2500", "1250.5", "30000"}};
    p.controller->Command(app::kCmdScale);
    ASSERT_EQ(p.prompts.Messages().size(), 1u);  // the negative minimum
    EXPECT_TRUE(p.state->view.manualScale);
    EXPECT_FALSE(p.state->shell.needsReload);
    p.Paint();
    EXPECT_FLOAT_EQ(g.topPrice, 2500.0f);
    EXPECT_FLOAT_EQ(g.bottomPrice, 1250.5f);
    EXPECT_EQ(p.state->series.maxVolume, 30000);

    // A new load keeps the manual scale in force.
    p.prompts.QueueFile((p.dir / "sample.stk").string());
    p.controller->Command(app::kCmdOpenFile);
    p.Paint();
    EXPECT_FLOAT_EQ(g.topPrice, 2500.0f);

    // Cancel changes nothing; automatic loads the data's own extremes again.
    p.view.scaleAnswers = {ScaleDialog::Fields{"cancel", "", ""}};
    p.controller->Command(app::kCmdScale);
    EXPECT_TRUE(p.state->view.manualScale);
    p.view.scaleAnswers = {ScaleDialog::Fields{"auto", "", ""}};
    p.controller->Command(app::kCmdScale);
    EXPECT_FALSE(p.state->view.manualScale);
    EXPECT_TRUE(p.state->shell.needsReload);
    p.Paint();
    EXPECT_FLOAT_EQ(g.topPrice, autoTop);
    EXPECT_FLOAT_EQ(g.bottomPrice, autoBottom);
}

TEST(ViewCommands, TheDisplayStartReloadsFromTheMonthSetAndIsAskedForWhenPastTheData) {
    Program p;
    p.OpenSample();
    p.view.displayStartAnswers = {DisplayStartDialog::Fields{"25", "13"},
                                  DisplayStartDialog::Fields{"25", "6"}};
    p.controller->Command(app::kCmdDisplayStart);
    EXPECT_EQ(p.prompts.Messages().size(), 1u);
    EXPECT_TRUE(p.state->shell.needsReload);
    EXPECT_TRUE(p.state->view.displayStartChanged);
    p.Paint();
    EXPECT_EQ(p.state->series.year[0], 2025);
    EXPECT_GE(p.state->series.month[0], 6);

    // A start after the data: the paint asks for the date, and the date set
    // is drawn by a repaint of its own.
    p.state->series.plotStartYear = 2026;
    p.state->series.plotStartMonth = 6;
    p.view.displayStartAnswers = {DisplayStartDialog::Fields{"24", "1"}};
    const std::size_t repaints = p.view.invalidations.size();
    p.Paint();
    EXPECT_EQ(p.view.displayStartRuns, 2);
    ASSERT_EQ(p.view.invalidations.size(), repaints + 1);
    EXPECT_TRUE(p.view.invalidations.back());
    p.Paint();
    EXPECT_EQ(p.controller->LastRender().result, chart::kRenderDrawn);
    EXPECT_EQ(p.state->series.year[0], 2024);

    // Opening a file forgets that the start was set.
    p.prompts.QueueFile((p.dir / "sample.stk").string());
    p.controller->Command(app::kCmdOpenFile);
    EXPECT_FALSE(p.state->view.displayStartChanged);
}

TEST(ViewCommands, TheReadOutFollowsTheRightButtonAndRepaintsTheStripAfterwards) {
    Program p;
    // The opening screen ignores the button.
    p.controller->RightButtonDown(Point{300, 300});
    EXPECT_FALSE(p.controller->ReadOutActive());
    EXPECT_TRUE(p.view.window.Calls().empty());

    p.OpenSample();
    p.controller->Command(3467);
    p.Paint();
    const int bar = p.state->series.barCount - 10;
    const Point at = p.BarPoint(bar, 300);
    p.controller->RightButtonDown(at);
    EXPECT_TRUE(p.controller->ReadOutActive());
    EXPECT_EQ(p.view.cursors.back(), CursorKind::Cross);
    EXPECT_TRUE(p.view.captured);
    EXPECT_EQ(p.view.window.TextCalls(FormatBarLine(p.state->series, bar)).size(), 2u);
    EXPECT_EQ(p.state->dataState.pointedDateKey, p.DateKey(bar));

    // A paint while reading puts the crosshair back over the new picture.
    const auto calls = p.Paint();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls.back().rasterOp, platform::RasterOp::Invert);
    EXPECT_EQ(calls[calls.size() - 2].points[0], (Point{at.x, 10}));

    p.controller->MouseMove(p.BarPoint(bar + 1, 310));
    EXPECT_EQ(p.state->dataState.pointedDateKey, p.DateKey(bar + 1));
    const std::size_t repaints = p.view.invalidations.size();
    p.controller->RightButtonUp(p.BarPoint(bar + 1, 310));
    EXPECT_FALSE(p.controller->ReadOutActive());
    EXPECT_EQ(p.view.cursors.back(), CursorKind::Line);
    EXPECT_FALSE(p.view.captured);
    EXPECT_EQ(p.state->viewMode, app::kViewAfterAnnotation);
    ASSERT_EQ(p.view.invalidations.size(), repaints + 1);
    EXPECT_FALSE(p.view.invalidations.back());
    // Without a plot-start pick nothing is loaded.
    EXPECT_EQ(p.state->series.barCount, 515);
}

TEST(ViewCommands, ThePlotStartPickStartsTheChartAtTheDayShown) {
    Program p;
    const std::string sample = test::ReadFile(p.dir / "sample.stk");
    p.OpenSample();
    p.controller->Command(3467);
    p.Paint();
    const int bars = p.state->series.barCount;

    // The guide explains the pick; Cancel stops.
    p.prompts.QueueAnswer(Answer::Cancel);
    p.controller->Command(app::kCmdPlotStart);
    ASSERT_EQ(p.prompts.Messages().size(), 1u);
    EXPECT_EQ(p.prompts.Messages()[0].text,
              "マウスの右ボタンを押したまま,プロット開始日に カーソルを移動\n"
              "開始日が左下のステータスエリアにでます");
    EXPECT_EQ(p.prompts.Messages()[0].buttons, platform::Buttons::OkCancel);
    EXPECT_FALSE(p.state->dataState.plotStartMode);

    p.prompts.QueueAnswer(Answer::Ok);
    p.controller->Command(app::kCmdPlotStart);
    EXPECT_TRUE(p.state->dataState.plotStartMode);
    EXPECT_TRUE(p.state->shell.plotStartPick);
    EXPECT_TRUE(p.view.Checked(app::kCmdPlotStart));
    EXPECT_TRUE(p.state->view.goToEndFlag);
    // While picking, a paint does not load.
    p.Paint();
    EXPECT_EQ(p.state->series.barCount, bars);
    EXPECT_TRUE(p.state->shell.needsReload);

    const int pick = bars - 25;
    const int key = p.DateKey(pick);
    p.controller->RightButtonDown(p.BarPoint(pick - 3, 200));
    p.controller->MouseMove(p.BarPoint(pick, 200));
    p.controller->RightButtonUp(p.BarPoint(pick, 200));
    EXPECT_FALSE(p.state->shell.plotStartPick);
    EXPECT_TRUE(p.state->dataState.plotStartMode);
    EXPECT_TRUE(p.view.Checked(app::kCmdPlotStart));
    EXPECT_EQ(p.state->series.barCount, 25);
    EXPECT_EQ(
        p.state->series.year[0] * 10000 + p.state->series.month[0] * 100 + p.state->series.day[0],
        key);
    EXPECT_EQ(p.state->viewMode, app::kViewChart);
    p.Paint();
    EXPECT_EQ(p.controller->LastRender().result, chart::kRenderDrawn);
    EXPECT_EQ(p.state->series.barCount, 25);
    // The range is the data's own, not rounded outwards.
    EXPECT_FLOAT_EQ(p.state->geometry.topPrice, p.state->series.maxHigh);

    // Switched off: the whole series from the display start again.
    p.controller->Command(app::kCmdPlotStart);
    EXPECT_FALSE(p.state->dataState.plotStartMode);
    EXPECT_FALSE(p.view.Checked(app::kCmdPlotStart));
    p.Paint();
    EXPECT_EQ(p.state->series.barCount, bars);
    EXPECT_EQ(test::ReadFile(p.dir / "sample.stk"), sample);
}

TEST(ViewCommands, APickWithoutADayShownLeavesTheModeAndTheChart) {
    Program p;
    p.OpenSample();
    p.state->guideOff = true;
    const int bars = p.state->series.barCount;
    p.controller->Command(app::kCmdPlotStart);
    EXPECT_TRUE(p.prompts.Messages().empty());  // the guide is off
    ASSERT_TRUE(p.state->dataState.plotStartMode);
    p.Paint();  // to the newest data
    // Pressed and released in the margin before the chart: no day was shown.
    p.controller->HorizontalScroll(kScrollToStart, 0);
    p.Paint();
    p.controller->RightButtonDown(Point{2, 200});
    p.controller->RightButtonUp(Point{2, 200});
    ASSERT_EQ(p.prompts.Messages().size(), 1u);
    EXPECT_EQ(p.prompts.Messages()[0].text,
              "ﾌﾟﾛｯﾄ開始日のｶｰｿﾙﾎﾟｲﾝﾃｨﾝｸﾞ不良です。もう一度、設定しなおしてください。");
    EXPECT_FALSE(p.state->dataState.plotStartMode);
    EXPECT_FALSE(p.state->shell.plotStartPick);
    EXPECT_FALSE(p.view.Checked(app::kCmdPlotStart));
    EXPECT_EQ(p.state->series.barCount, bars);
    p.Paint();
    EXPECT_EQ(p.controller->LastRender().result, chart::kRenderDrawn);
    EXPECT_EQ(p.state->series.barCount, bars);
}

TEST(ViewCommands, ThePlotStartIsForDailyChartsOnly) {
    Program p;
    p.OpenSample();
    p.prompts.QueueAnswer(Answer::No);  // show the weekly chart, save no file
    p.controller->Command(app::kCmdWeekly);
    p.Paint();
    ASSERT_EQ(p.state->series.fileTypeId, 212);
    const std::size_t before = p.prompts.Messages().size();
    p.controller->Command(app::kCmdPlotStart);
    ASSERT_EQ(p.prompts.Messages().size(), before + 1);
    EXPECT_EQ(p.prompts.Messages().back().text, "この機能は日足以外では使えません !");
    EXPECT_EQ(p.prompts.Messages().back().caption, "警告");
    EXPECT_FALSE(p.state->dataState.plotStartMode);
    EXPECT_FALSE(p.view.Checked(app::kCmdPlotStart));
}

}  // namespace
}  // namespace korvo::view
