// The annotation commands through the main window procedure: the write
// command's refusals, the dialog, the snapshot put back, the placement under
// the left button, hiding, and delete mode.
#include <gtest/gtest.h>

#include <filesystem>

#include "annotate/annotation_file.h"
#include "annotate/annotation_record.h"
#include "app/command_ids.h"
#include "app/shell_fixture.h"

namespace korvo::app {
namespace {

using platform::Answer;
using platform::CallKind;
using platform::Point;

struct AnnotatedShell : test::Shell {
    AnnotatedShell() { OpenSample(); }
    std::filesystem::path AnnotationPath() const { return dir / "SAMPLE1.chr"; }
    std::size_t Records() const {
        if (!std::filesystem::exists(AnnotationPath())) return 0;
        return annotate::ParseAnnotations(test::ReadFile(AnnotationPath())).records.size();
    }
    // Write command confirmed with a text and an arrow.
    void Write(const char* text) {
        view.annotationDialog = [text](annotate::AnnotationTextDialog& dialog) {
            return dialog.Accept({text, true, false, false, false});
        };
        controller->Command(kCmdAnnotate);
    }
    // The client point over the middle of bar i at a price.
    Point BarPoint(int i, float price) const {
        const chart::ChartGeometry& g = state->geometry;
        const int x = static_cast<int>(g.barX[static_cast<std::size_t>(i)]) + 10;
        return {platform::LogicalToPixels(chart::LogicalX(x, g.xPercent)) - g.scrollX,
                platform::LogicalToPixels(-chart::LogicalY(chart::PriceY(g, price), g.yPercent)) -
                    g.scrollY};
    }
    void Place(Point from, Point to) {
        controller->LeftButtonDown(from);
        controller->MouseMove({(from.x + to.x) / 2, (from.y + to.y) / 2});
        controller->MouseMove(to);
        controller->LeftButtonUp(to);
    }
};

TEST(AnnotationCommands, WriteRefusesWhileAScanOrAChartWindowIsOpenOrThePlotStartModeIsOn) {
    struct Case {
        const char* what;
        std::function<void(ProgramState&)> set;
        const char* text;
        const char* caption;
        platform::Icon icon;
        int beeps;
    };
    const Case cases[] = {
        {"scan", [](ProgramState& s) { s.shell.scanMode = true; },
         "スキャンモードを解除してからやり直してください。", "メッセージ",
         platform::Icon::Exclamation, 0},
        {"step", [](ProgramState& s) { s.altChartWindows.stepOpen = true; },
         "ステップチャートを閉じてからやり直してください。", "メッセージ",
         platform::Icon::Exclamation, 0},
        {"brick", [](ProgramState& s) { s.altChartWindows.brickOpen = true; },
         "ブリックチャートを閉じてからやり直してください。", "メッセージ",
         platform::Icon::Exclamation, 0},
        {"trident", [](ProgramState& s) { s.altChartWindows.tridentOpen = true; },
         "トライデントチャートを閉じてからやり直してください。", "メッセージ",
         platform::Icon::Exclamation, 0},
        {"p&f", [](ProgramState& s) { s.altChartWindows.pointFigureOpen = true; },
         "Ｐ＆Ｆチャートを閉じてからやり直してください。", "メッセージ",
         platform::Icon::Exclamation, 0},
        {"inverse watch", [](ProgramState& s) { s.altChartWindows.inverseWatchOpen = true; },
         "逆ウォッチチャートを閉じてからやり直してください。", "メッセージ",
         platform::Icon::Exclamation, 0},
        {"scan before a window",
         [](ProgramState& s) {
             s.shell.scanMode = true;
             s.altChartWindows.brickOpen = true;
         },
         "スキャンモードを解除してからやり直してください。", "メッセージ",
         platform::Icon::Exclamation, 0},
        {"plot start mode", [](ProgramState& s) { s.dataState.plotStartMode = true; },
         "書込みは,ﾌﾟﾛｯﾄ開始日(短期間)モードではできません。", "警告メッセージ",
         platform::Icon::Stop, 1},
        {"no annotation file", [](ProgramState& s) { s.series.hasChrFile = false; },
         annotate::kNoAnnotationFileText, "メッセージ", platform::Icon::Exclamation, 0},
        {"a name outside the start directory",
         [](ProgramState& s) { s.series.chrFileName = "../../.bashrc"; }, nullptr,
         annotate::kRefusedNameCaption, platform::Icon::Exclamation, 0},
    };
    for (const Case& c : cases) {
        AnnotatedShell shell;
        c.set(*shell.state);
        shell.view.invalidations.clear();
        shell.Write("高値");
        EXPECT_EQ(shell.view.dialogsRun, 0) << c.what;
        ASSERT_FALSE(shell.prompts.Messages().empty()) << c.what;
        const auto& m = shell.prompts.Messages().back();
        if (c.text) {
            EXPECT_EQ(m.text, c.text) << c.what;
        }
        EXPECT_EQ(m.caption, c.caption) << c.what;
        EXPECT_EQ(m.icon, c.icon) << c.what;
        EXPECT_EQ(shell.prompts.Beeps(), c.beeps) << c.what;
        EXPECT_EQ(shell.state->viewMode, kViewChart) << c.what;
        EXPECT_FALSE(shell.state->annotations.placingText) << c.what;
        EXPECT_TRUE(shell.view.invalidations.empty()) << c.what;
    }
}

TEST(AnnotationCommands, TheSmallWindowClosesBeforeThePlotStartRefusal) {
    AnnotatedShell shell;
    shell.controller->Command(kCmdHints);
    shell.state->dataState.plotStartMode = true;
    shell.Write("高値");
    ASSERT_EQ(shell.view.closed.size(), 1u);
    EXPECT_EQ(shell.view.dialogsRun, 0);
}

TEST(AnnotationCommands, ATextWithAnArrowIsPlacedStoredAndDrawnAfterThePictureIsPutBack) {
    AnnotatedShell shell;
    ProgramState& s = *shell.state;
    for (int id : {kCmdAnnotate, kCmdAnnotationsOff, kCmdDeleteAnnotations})
        EXPECT_TRUE(shell.controller->ItemEnabled(id)) << id;
    shell.view.invalidations.clear();
    shell.Write("高値");
    EXPECT_EQ(shell.view.dialogsRun, 1);
    EXPECT_EQ(s.viewMode, kViewRestoreSnapshot);
    EXPECT_TRUE(s.annotations.placingText);
    EXPECT_TRUE(s.snapshot.Held());
    EXPECT_EQ(shell.view.cursors.back(), CursorKind::Cross);
    EXPECT_TRUE(shell.view.captured);
    ASSERT_EQ(shell.view.invalidations.size(), 1u);
    EXPECT_FALSE(shell.view.invalidations[0]);  // not erased: the picture goes back

    // The paint after the dialog puts the picture back and draws nothing else.
    const auto restored = shell.Paint();
    ASSERT_EQ(restored.size(), 1u);
    EXPECT_EQ(restored[0].kind, CallKind::Picture);
    EXPECT_EQ(restored[0].points[1], (Point{1024, 700}));
    EXPECT_FALSE(s.snapshot.Held());
    EXPECT_EQ(s.viewMode, kViewChart);

    const Point from = shell.BarPoint(40, 1600.0f);
    const Point to = shell.BarPoint(60, 1700.0f);
    shell.view.windowCanvas.ClearCalls();
    shell.Place(from, to);
    // Six bands: down, two moves (each off and on), up (off).
    const auto bands = shell.view.windowCanvas.CallsOf(CallKind::Line);
    ASSERT_EQ(bands.size(), 6u);
    EXPECT_EQ(bands.back().points[1], to);
    EXPECT_FALSE(s.annotations.placingText);
    EXPECT_FALSE(shell.view.captured);
    EXPECT_EQ(shell.view.cursors.back(), CursorKind::Line);
    EXPECT_EQ(shell.Records(), 1u);
    EXPECT_EQ(s.annotations.annotationCount, 1);
    EXPECT_EQ(s.viewMode, kViewChart);
    EXPECT_FALSE(shell.view.invalidations.back());

    platform::RecordingCanvas canvas(shell.view.client);
    shell.controller->Paint(canvas);
    const auto texts = canvas.TextCalls("高値");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].textColour, s.drawing.annotationText);
    std::size_t annotationLines = 0;
    for (const auto& line : canvas.CallsOf(CallKind::Line)) {
        if (line.pen != s.drawing.annotationPen) continue;
        ++annotationLines;
        EXPECT_NEAR(line.points[0].x, from.x, 2);
        EXPECT_NEAR(line.points[0].y, from.y, 2);
    }
    EXPECT_EQ(annotationLines, 3u);

    // Hidden for now, and back.
    shell.controller->Command(kCmdAnnotationsOff);
    EXPECT_TRUE(shell.view.Checked(kCmdAnnotationsOff));
    platform::RecordingCanvas hidden(shell.view.client);
    shell.controller->Paint(hidden);
    EXPECT_TRUE(hidden.TextCalls("高値").empty());
    shell.controller->Command(kCmdAnnotationsOff);
    EXPECT_FALSE(shell.view.Checked(kCmdAnnotationsOff));
}

TEST(AnnotationCommands, ACancelledDialogPutsThePictureBackAndPlacesNothing) {
    AnnotatedShell shell;
    shell.controller->Command(kCmdAnnotate);  // no script: Cancel
    EXPECT_EQ(shell.state->viewMode, kViewRestoreSnapshot);
    EXPECT_FALSE(shell.state->annotations.placingText);
    EXPECT_EQ(shell.Paint().size(), 1u);
    shell.Place({100, 100}, {200, 200});
    EXPECT_EQ(shell.Records(), 0u);
    EXPECT_TRUE(shell.view.windowCanvas.CallsOf(CallKind::Line).empty());
}

TEST(AnnotationCommands, DeleteModeAsksAboutEachOnTheNextPaintAndRedrawsAfter) {
    AnnotatedShell shell;
    ProgramState& s = *shell.state;
    for (int i = 0; i < 2; ++i) {
        shell.Write(i == 0 ? "一" : "二");
        shell.Paint();
        shell.Place(shell.BarPoint(40 + i, 1600.0f), shell.BarPoint(50, 1650.0f));
    }
    ASSERT_EQ(shell.Records(), 2u);
    shell.Paint();
    shell.prompts.Clear();

    // Hidden annotations come back to be asked about.
    shell.controller->Command(kCmdAnnotationsOff);
    shell.controller->Command(kCmdDeleteAnnotations);
    EXPECT_TRUE(s.annotations.deleteMode);
    EXPECT_FALSE(s.chart.annotationsOff);
    EXPECT_FALSE(shell.view.Checked(kCmdAnnotationsOff));
    shell.prompts.QueueAnswer(Answer::Yes);
    shell.prompts.QueueAnswer(Answer::No);
    shell.view.invalidations.clear();
    shell.Paint();
    EXPECT_EQ(shell.prompts.Messages().size(), 2u);
    EXPECT_EQ(shell.view.shownSoFar, 2);
    EXPECT_FALSE(s.annotations.deleteMode);
    ASSERT_EQ(shell.Records(), 1u);
    EXPECT_EQ(annotate::ParseAnnotations(test::ReadFile(shell.AnnotationPath())).records[0].text,
              "\x93\xf1");  // 二, numbered 0 now
    // The chart is drawn again after the paint that asked.
    ASSERT_FALSE(shell.view.invalidations.empty());
    EXPECT_TRUE(shell.view.invalidations.back());
    // Delete mode lasts one paint.
    shell.Paint();
    EXPECT_EQ(shell.prompts.Messages().size(), 2u);
}

}  // namespace
}  // namespace korvo::app
