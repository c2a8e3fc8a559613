#include "app/main_controller.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/command_ids.h"
#include "app/menu_resource.h"
#include "app/settings_file.h"
#include "app/shell_fixture.h"
#include "platform/recording_canvas.h"

namespace korvo::app {
namespace {

namespace fs = std::filesystem;
using platform::Answer;
using platform::CallKind;
using test::FakeView;
using test::Shell;

// The first word of line 3 of a settings file: the current data file.
std::string RecordedDataFile(const fs::path& settings) {
    const std::string text = test::ReadFile(settings);
    std::size_t line = 0;
    for (int i = 0; i < 2; ++i)
        line = text.find('\n', line) + 1;
    return text.substr(line, text.find('\t', line) - line);
}

TEST(MainController, CreationTurnsTheStartOptionsOnAndGreysWhatHasNoSeries) {
    Shell shell;
    ASSERT_EQ(shell.settingsResult, 0);
    const ProgramState& s = *shell.state;
    EXPECT_EQ(shell.view.Menu(), kOpenMenuName);
    EXPECT_EQ(s.viewMode, kViewOpeningScreen);
    EXPECT_EQ(s.startDirectory, shell.dir.Path());
    EXPECT_TRUE(s.chart.volumeRatio);
    EXPECT_TRUE(s.chart.volumeHistogram);
    EXPECT_TRUE(s.shell.option738);
    EXPECT_TRUE(s.shell.needsReload);
    EXPECT_EQ(s.chart.barStyle, 0);
    EXPECT_TRUE(s.drawing.pensCreated);
    EXPECT_TRUE(s.drawing.fontsCreated);
    EXPECT_EQ(s.shell.screenWidth, 1280);
    EXPECT_EQ(s.shell.screenHeight, 800);
    EXPECT_EQ(s.shell.today, (platform::CivilDate{2024, 12, 20}));
    EXPECT_TRUE(shell.view.scrollBarsShown);
    ASSERT_FALSE(shell.view.cursors.empty());
    EXPECT_EQ(shell.view.cursors.front(), CursorKind::Line);
    // Nothing is loaded: no period to switch to, none to come back from.
    for (int id : {kCmdWeekly, kCmdMonthly, kCmdBackToDaily})
        EXPECT_FALSE(shell.controller->ItemEnabled(id)) << id;

    // The volume options show their marks as soon as the chart menu is there.
    shell.controller->Command(kCmdShowChart);
    EXPECT_TRUE(shell.view.Checked(kCmdVolumeRatio));
    EXPECT_TRUE(shell.view.Checked(kCmdVolumeHistogram));
    EXPECT_TRUE(shell.view.Checked(kCmdCandlestick));
    EXPECT_FALSE(shell.view.Checked(kCmdBollinger));
}

TEST(MainController, ADisplayWithoutASizeIsTakenAs640By480) {
    Shell shell;
    shell.view.screen = {0, 0};
    shell.controller->Create(shell.dir.Path());
    EXPECT_EQ(shell.state->shell.screenWidth, 640);
    EXPECT_EQ(shell.state->shell.screenHeight, 480);
}

TEST(MainController, StartWithoutSettingsFileIsRefused) {
    test::TempDir dir;
    auto state = std::make_unique<ProgramState>();
    state->view.horizontalScale = 0.5f;
    EXPECT_EQ(ReadStartSettings(*state, dir.Path()), -1);
    EXPECT_EQ(state->view.horizontalScale, 0.5f);
    EXPECT_TRUE(fs::is_empty(dir.Path()));
}

TEST(MainController, CommandsOfPartsStillToComeAreGreyedAndTheRestAreNot) {
    Shell shell;
    shell.controller->Command(kCmdShowChart);
    ASSERT_EQ(shell.view.Menu(), kChartMenuName);
    struct Row {
        int id;
        bool enabled;
    };
    const Row rows[] = {
        {kCmdPrint, false},
        {8551, false},
        {8083, false},
        {kCmdPointFigure, false},
        {kCmdInverseWatch, false},
        {kCmdOptimiseStep, false},
        {kCmdHeaderEditor, true},
        {kCmdNewFile, true},
        {kCmdEditCurrentFile, true},
        {10012, false},
        {7991, false},
        {kCmdTextConvert, false},
        {kCmdReadFormat, false},
        {kCmdAnnotate, true},
        {kCmdAnnotationsOff, true},
        {kCmdDeleteAnnotations, true},
        {kCmdBuySellPoints, false},
        {kCmdOpenFile, true},
        {7380, true},
        {7391, true},
        {kCmdMultiChart, true},
        {kCmdGroupFile, true},
        {kCmdListTable, true},
        {kCmdStepChart, true},
        {kCmdBrickChart, true},
        {kCmdTridentChart, true},
        {kCmdCustomZoom, true},
        {kCmdCustomSize, true},
        {3461, true},
        {34711, true},
        {kCmdScale, true},
        {kCmdDisplayStart, true},
        {kCmdPlotStart, true},
        {kCmdShowChart, true},
        {kCmdRefreshObjects, true},
        {kCmdCandlestick, true},
        {kCmdRci, true},
        {kCmdParameterTable, true},
        {kCmdMovingAverageParams, true},
        {kCmdOnBalanceVolume, true},
        {kCmdBollinger, true},
        {kCmdIchimokuAllOff, true},
        {kCmdVolumeAlarm, true},
        {kCmdTitleOff, true},
        {kCmdGuideOff, true},
        {kCmdStandardColours, true},
        {7000, true},
        {7192, true},
        {kCmdFileMemo, true},
        {kCmdHints, true},
        {kCmdHelp, true},
        {kCmdDownload, true},
        {kCmdWordPad, true},
        {kCmdExit, true},
    };
    for (const Row& row : rows) {
        ASSERT_TRUE(shell.view.enabled.count(row.id)) << row.id << " not in the chart menu";
        EXPECT_EQ(shell.view.enabled.at(row.id), row.enabled) << row.id;
    }
    // The opening menu greys the same way.
    const auto open = LoadMenu(kOpenMenuName);
    ASSERT_TRUE(open);
    for (int id : MenuCommandIds(*open))
        EXPECT_EQ(shell.controller->ItemEnabled(id), IsCommandImplemented(id)) << id;
}

TEST(MainController, RefreshOnTheOpeningScreenShowsAnEmptyChartAreaOnce) {
    Shell shell;
    const auto opening = shell.Paint();
    EXPECT_FALSE(shell.view.scrollBarsShown);
    ASSERT_FALSE(opening.empty());
    EXPECT_EQ(opening.front().kind, CallKind::FillRect);
    EXPECT_EQ(opening.front().brush.colour, 0x404000u);  // the title picture's teal

    shell.controller->Command(kCmdShowChart);
    EXPECT_EQ(shell.view.menus.size(), 2u);
    EXPECT_EQ(shell.view.Menu(), kChartMenuName);
    EXPECT_EQ(shell.state->viewMode, kViewChart);
    const auto first = shell.Paint();
    // Only the grey background: no working copy yet, and no message about it.
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].kind, CallKind::FillRect);
    EXPECT_EQ(first[0].brush.colour, kWindowBackground);
    EXPECT_EQ(first[0].AsRect(), (platform::Rect{0, 0, 1024, 700}));
    EXPECT_TRUE(shell.prompts.Messages().empty());
    EXPECT_TRUE(shell.state->shell.needsReload);

    shell.controller->Command(kCmdShowChart);
    EXPECT_EQ(shell.view.menus.size(), 2u);
    EXPECT_EQ(shell.state->viewMode, kViewChart);
    const auto second = shell.Paint();
    EXPECT_EQ(second.size(), first.size());
    EXPECT_TRUE(shell.prompts.Messages().empty());
}

TEST(MainController, OpeningTheSampleLoadsItAndDrawsTheChart) {
    Shell shell;
    const std::string before = test::ReadFile(shell.dir / "sample.stk");
    shell.OpenSample();
    const ProgramState& s = *shell.state;
    EXPECT_EQ(shell.view.Menu(), kChartMenuName);
    EXPECT_EQ(s.viewMode, kViewChart);
    EXPECT_FALSE(s.shell.needsReload);
    EXPECT_GT(s.series.barCount, 100);
    EXPECT_EQ(s.series.fileTypeId, 210);
    EXPECT_EQ(s.series.dataPath, shell.SamplePath());
    EXPECT_TRUE(shell.controller->ItemEnabled(kCmdWeekly));
    EXPECT_TRUE(shell.controller->ItemEnabled(kCmdMonthly));
    EXPECT_FALSE(shell.controller->ItemEnabled(kCmdBackToDaily));
    EXPECT_EQ(shell.controller->LastRender().result, chart::kRenderDrawn);
    EXPECT_TRUE(shell.view.scrollBarsShown);
    EXPECT_GT(shell.view.scrollBars.horizontalMax, 0);
    EXPECT_EQ(test::ReadFile(shell.dir / "sample.stk"), before);
    EXPECT_EQ(shell.prompts.Messages().size(), 0u);

    // Cancelling the dialog changes nothing and asks for no repaint.
    const std::size_t repaints = shell.view.invalidations.size();
    shell.prompts.QueueFile(std::nullopt);
    shell.controller->Command(kCmdOpenFile);
    EXPECT_EQ(shell.view.invalidations.size(), repaints);
    EXPECT_EQ(s.series.dataPath, shell.SamplePath());
}

TEST(MainController, TooFewBarsAreRefusedWithTheWarningAndNothingIsDrawn) {
    Shell shell;
    const std::string four =
        "210\nFOUR\nFOUR\n..\n1\n2024 1 1\n"
        "2024 1 4 10 11 9 10 100\n2024 1 5 10 11 9 10 100\n"
        "2024 1 8 10 11 9 10 100\n2024 1 9 10 11 9 10 100\n";
    const fs::path file = shell.dir.Write("four.stk", four);
    shell.prompts.QueueFile(file.string());
    shell.controller->Command(kCmdOpenFile);
    const auto calls = shell.Paint();
    ASSERT_EQ(shell.prompts.Messages().size(), 1u);
    EXPECT_EQ(shell.prompts.Messages()[0].text, "データー量が不足です！（最少５セット以上）");
    EXPECT_EQ(shell.prompts.Messages()[0].caption, "警告メッセージ");
    ASSERT_EQ(calls.size(), 1u);  // the background only
    EXPECT_EQ(calls[0].kind, CallKind::FillRect);
    EXPECT_EQ(test::ReadFile(file), four);
}

TEST(MainController, BollingerAndSarExcludeEachOther) {
    Shell shell;
    shell.controller->Command(kCmdShowChart);
    chart::ChartOptions& o = shell.state->chart;
    struct Step {
        int command;
        bool bollinger;
        bool sar;
        int code;
    };
    const Step steps[] = {
        {kCmdParabolicSar, false, true, chart::kPanelMomentum},
        {kCmdBollinger, true, false, chart::kPanelBollinger},    // SAR goes off
        {kCmdParabolicSar, false, true, chart::kPanelMomentum},  // Bollinger goes off
        {kCmdParabolicSar, false, false, chart::kPanelMomentum},
        {kCmdRsi, false, false, chart::kPanelRsi},
        {kCmdBollinger, true, false, chart::kPanelBollinger},
        {kCmdBollinger, false, false, chart::kPanelMomentum},
    };
    for (const Step& step : steps) {
        shell.controller->Command(step.command);
        EXPECT_EQ(o.bollinger, step.bollinger) << step.command;
        EXPECT_EQ(o.parabolicSar, step.sar) << step.command;
        EXPECT_EQ(o.subPanelIndicator, step.code) << step.command;
        EXPECT_EQ(shell.view.Checked(kCmdBollinger), step.bollinger) << step.command;
        EXPECT_EQ(shell.view.Checked(kCmdParabolicSar), step.sar) << step.command;
    }
}

TEST(MainController, PanelCodesTogglesAndBarStylesKeepTheirCheckMarks) {
    Shell shell;
    shell.controller->Command(kCmdShowChart);
    ProgramState& s = *shell.state;
    const std::pair<int, int> codes[] = {
        {kCmdRsi, 0},
        {kCmdPercentR, 1},
        {kCmdDeviation, 2},
        {kCmdStochasticsFast, 3},
        {kCmdStochasticsSlow, 4},
        {kCmdMacd, 5},
        {kCmdRci, 6},
        {kCmdOnBalanceVolume, 8},
        {kCmdMomentum, 10},
        {kCmdDirectionalPdiMdi, 70},
        {kCmdDirectionalAdx, 71},
        {kCmdDirectionalDifference, 72},
        {kCmdShinoharaRatio, 81},
    };
    for (const auto& [command, code] : codes) {
        shell.controller->Command(command);
        EXPECT_EQ(s.chart.subPanelIndicator, code) << command;
    }

    // Ichimoku: each line on, then all off whatever their state.
    shell.controller->Command(kCmdIchimokuLines);
    shell.controller->Command(kCmdIchimokuLagging);
    EXPECT_TRUE(s.chart.ichimokuLines && s.chart.ichimokuLagging && !s.chart.ichimokuSpans);
    EXPECT_TRUE(shell.view.Checked(kCmdIchimokuLagging));
    shell.controller->Command(kCmdIchimokuAllOff);
    EXPECT_FALSE(s.chart.ichimokuLines || s.chart.ichimokuSpans || s.chart.ichimokuLagging);
    for (int id : {kCmdIchimokuLines, kCmdIchimokuSpans, kCmdIchimokuLagging})
        EXPECT_FALSE(shell.view.Checked(id)) << id;

    // The volume ratio started on: the first choice turns it off.
    shell.controller->Command(kCmdVolumeRatio);
    EXPECT_FALSE(s.chart.volumeRatio);
    EXPECT_FALSE(shell.view.Checked(kCmdVolumeRatio));
    shell.controller->Command(kCmdTitleOff);
    EXPECT_TRUE(s.chart.titleOff);
    shell.controller->Command(kCmdGuideOff);
    EXPECT_TRUE(s.guideOff);
    EXPECT_TRUE(shell.view.Checked(kCmdGuideOff));

    struct Style {
        int command;
        int barStyle;
        bool candle, bar, line;
    };
    for (const Style& st :
         {Style{kCmdLineGraph, 2, false, false, true}, Style{kCmdBarGraph, 1, false, true, false},
          Style{kCmdCandlestick, 0, true, false, false}}) {
        shell.controller->Command(st.command);
        EXPECT_EQ(s.chart.barStyle, st.barStyle);
        EXPECT_EQ(s.chart.candlestick, st.candle);
        EXPECT_EQ(s.chart.lineCompanion, st.line);
        EXPECT_EQ(shell.view.Checked(kCmdCandlestick), st.candle);
        EXPECT_EQ(shell.view.Checked(kCmdBarGraph), st.bar);
        EXPECT_EQ(shell.view.Checked(kCmdLineGraph), st.line);
        EXPECT_EQ(shell.view.Checked(kCmdLineCompanion), st.line);
    }
}

TEST(MainController, DataValueLabelsBelowFullSizeWarnFirstAndStillToggle) {
    Shell shell;
    shell.controller->Command(kCmdShowChart);
    ASSERT_LT(shell.state->view.horizontalScale, 1.0f);
    shell.controller->Command(kCmdOpenCloseLabels);
    ASSERT_EQ(shell.prompts.Messages().size(), 1u);
    EXPECT_EQ(shell.prompts.Messages()[0].text, "画面サイズを縦横１００％以上に設定してください！");
    EXPECT_EQ(shell.prompts.Messages()[0].caption, "メッセージ");
    EXPECT_TRUE(shell.state->chart.openCloseLabels);

    shell.state->view.horizontalScale = 1.0f;
    shell.state->view.verticalScale = 1.0f;
    shell.controller->Command(kCmdHighLowLabels);
    EXPECT_EQ(shell.prompts.Messages().size(), 1u);
    EXPECT_TRUE(shell.state->chart.highLowLabels);
}

TEST(MainController, WeeklyOnlyFromDailyAtFullWidthAndBackRestoresTheFactors) {
    Shell shell;
    shell.OpenSample();
    ProgramState& s = *shell.state;
    ASSERT_EQ(s.series.fileTypeId, 210);
    const float h = s.view.horizontalScale;
    const float v = s.view.verticalScale;
    ASSERT_NE(h, 1.0f);

    shell.prompts.QueueAnswer(Answer::No);  // show the weekly chart, save no file
    shell.controller->Command(kCmdWeekly);
    EXPECT_EQ(s.series.fileTypeId, 212);
    EXPECT_TRUE(shell.controller->ItemEnabled(kCmdBackToDaily));
    shell.Paint();
    EXPECT_EQ(s.series.fileTypeId, 212);
    EXPECT_EQ(s.view.horizontalScale, 1.0f);
    EXPECT_EQ(s.view.verticalScale, v);
    EXPECT_FALSE(shell.controller->ItemEnabled(kCmdWeekly));
    EXPECT_TRUE(shell.controller->ItemEnabled(kCmdBackToDaily));
    const int weeklyBars = s.series.barCount;

    // Weekly again on a weekly series: nothing at all.
    const std::size_t questions = shell.prompts.Messages().size();
    const std::size_t repaints = shell.view.invalidations.size();
    shell.controller->Command(kCmdWeekly);
    EXPECT_EQ(shell.prompts.Messages().size(), questions);
    EXPECT_EQ(shell.view.invalidations.size(), repaints);
    EXPECT_EQ(s.series.barCount, weeklyBars);

    shell.controller->Command(kCmdBackToDaily);
    shell.Paint();
    EXPECT_EQ(s.series.fileTypeId, 210);
    EXPECT_EQ(s.view.horizontalScale, h);
    EXPECT_EQ(s.view.verticalScale, v);
    EXPECT_GT(s.series.barCount, weeklyBars);
    EXPECT_FALSE(shell.controller->ItemEnabled(kCmdBackToDaily));
    EXPECT_TRUE(shell.controller->ItemEnabled(kCmdMonthly));
}

TEST(MainController, ExitWhileWeeklyRecordsTheDailyFile) {
    Shell shell;
    shell.OpenSample();
    // Save the weekly series as a file of its own: it becomes the current file.
    const fs::path weekly = shell.dir / "wsample1.stk";
    shell.prompts.QueueAnswer(Answer::Yes);
    shell.prompts.QueueAnswer(Answer::No);  // a new file, not appended
    shell.prompts.QueueFile(weekly.string());
    shell.controller->Command(kCmdWeekly);
    shell.Paint();
    ASSERT_EQ(shell.state->series.fileTypeId, 212);
    ASSERT_EQ(shell.state->series.dataPath, weekly.string());

    shell.prompts.QueueAnswer(Answer::Ok);
    shell.controller->Command(kCmdExit);
    const auto& last = shell.prompts.Messages().back();
    EXPECT_EQ(last.text, "プログラムを終了! ");
    EXPECT_EQ(last.caption, "メッセージ");
    EXPECT_EQ(last.buttons, platform::Buttons::OkCancel);
    EXPECT_EQ(last.icon, platform::Icon::Question);
    EXPECT_TRUE(shell.controller->Destroyed());
    EXPECT_EQ(shell.view.quitCode, 0);
    EXPECT_EQ(RecordedDataFile(shell.dir / "korvo.ips"), shell.SamplePath());
    EXPECT_EQ(shell.state->exitDirectory, shell.dir.Path().string());
    EXPECT_FALSE(shell.state->drawing.pensCreated);
}

TEST(MainController, CancellingTheExitQuestionChangesNothing) {
    Shell shell;
    const std::string settings = test::ReadFile(shell.dir / "korvo.ips");
    shell.state->view.horizontalScale = 1.5f;
    shell.prompts.QueueAnswer(Answer::Cancel);
    shell.controller->Command(kCmdExit);
    EXPECT_FALSE(shell.controller->Destroyed());
    EXPECT_FALSE(shell.view.quitCode);
    EXPECT_TRUE(shell.view.invalidations.empty());
    EXPECT_EQ(test::ReadFile(shell.dir / "korvo.ips"), settings);
}

TEST(MainController, ShutdownDeletesWorkFilesAndOnlyTheSignalFilesOfThisRun) {
    Shell shell;
    shell.OpenSample();
    ASSERT_TRUE(fs::exists(shell.dir / "korvo.TMP"));
    for (const char* name :
         {"KORVO.EDT", "profit.stp", "korvYr.dat", "quoYEAR.dat", "bs.pf", "bs.sar", "bs.stp"})
        shell.dir.Write(name, "x\n");
    shell.state->shell.signalWritten[3] = true;  // bs.pf was written in this run
    const std::string sample = test::ReadFile(shell.dir / "sample.stk");

    shell.controller->Destroy();
    EXPECT_FALSE(fs::exists(shell.dir / "bs.pf"));
    EXPECT_TRUE(fs::exists(shell.dir / "bs.sar"));
    EXPECT_TRUE(fs::exists(shell.dir / "bs.stp"));
    shell.controller->Destroy();  // a second destruction does nothing
    CleanUpWorkFiles(*shell.state);
    for (const char* name : kWorkFileNames)
        EXPECT_FALSE(fs::exists(shell.dir / name)) << name;
    EXPECT_TRUE(fs::exists(shell.dir / "bs.sar"));
    EXPECT_TRUE(fs::exists(shell.dir / "korvo.ips"));
    EXPECT_EQ(test::ReadFile(shell.dir / "sample.stk"), sample);
    EXPECT_EQ(RecordedDataFile(shell.dir / "korvo.ips"), shell.SamplePath());
}

TEST(MainController, ColourItemsPickTheirElementAndCancelChangesNothing) {
    Shell shell;
    shell.controller->Command(kCmdShowChart);
    ProgramState& s = *shell.state;
    const platform::Colour rising = s.colours.risingBars;
    const int pens = s.drawing.penGeneration;
    const std::size_t repaints = shell.view.invalidations.size();

    shell.prompts.QueueColour(std::nullopt);
    shell.controller->Command(7010);
    EXPECT_EQ(s.colours.risingBars, rising);
    EXPECT_EQ(s.colours.pendingElement, view::kNoElement);
    EXPECT_EQ(shell.view.invalidations.size(), repaints);

    shell.prompts.QueueColour(0x123456);
    shell.controller->Command(7010);
    EXPECT_EQ(s.colours.risingBars, 0x123456u);
    EXPECT_GT(s.drawing.penGeneration, pens);
    EXPECT_EQ(shell.view.invalidations.size(), repaints + 1);

    shell.controller->Command(kCmdStandardColours);
    EXPECT_EQ(s.colours.risingBars, 0x00FF00u);
    EXPECT_EQ(s.colours.priceArea, 0x800000u);
}

TEST(MainController, FileMemoShowsTheCommentAndTheMemoryStatus) {
    Shell shell;
    shell.OpenSample();
    shell.controller->Command(kCmdFileMemo);
    const auto& m = shell.prompts.Messages();
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[0].caption, "ﾌｧｲﾙ ｺﾒﾝﾄ");
    EXPECT_EQ(m[0].text.rfind("< サンプルデータ", 0), 0u) << m[0].text;
    EXPECT_EQ(m[1].caption, "Memory Status ");
    EXPECT_EQ(m[1].text.rfind("  システムメモリー使用状況\n\nTotal Memory \t", 0), 0u);

    // Without a working copy only the memory box comes.
    fs::remove(shell.dir / "korvo.TMP");
    shell.prompts.Clear();
    shell.controller->Command(kCmdFileMemo);
    ASSERT_EQ(shell.prompts.Messages().size(), 1u);
    EXPECT_EQ(shell.prompts.Messages()[0].caption, "Memory Status ");
}

TEST(MainController, TextEditorIsStartedOnTheDataFileOrAskedFor) {
    Shell shell;
    shell.OpenSample();
    shell.launcher.knownPrograms = {"/usr/bin/mousepad", "/usr/bin/kate"};
    shell.controller->Command(kCmdWordPad);
    ASSERT_EQ(shell.launcher.starts.size(), 1u);
    EXPECT_EQ(shell.launcher.starts[0].program, "/usr/bin/mousepad");
    EXPECT_EQ(shell.launcher.starts[0].arguments, std::vector<std::string>{shell.SamplePath()});
    EXPECT_EQ(shell.view.pathQuestions, 0);

    // No editor found: the path question; cancel ends the command.
    shell.launcher.knownPrograms.clear();
    const std::size_t repaints = shell.view.invalidations.size();
    shell.controller->Command(kCmdWordPad);
    EXPECT_EQ(shell.view.pathQuestions, 1);
    EXPECT_EQ(shell.launcher.starts.size(), 1u);
    EXPECT_EQ(shell.view.invalidations.size(), repaints);

    shell.view.pathAnswer = "/opt/editor/bin/edit";
    shell.controller->Command(kCmdWordPad);
    ASSERT_EQ(shell.launcher.starts.size(), 2u);
    EXPECT_EQ(shell.launcher.starts[1].program, "/opt/editor/bin/edit");
    EXPECT_EQ(shell.launcher.starts[1].arguments, std::vector<std::string>{shell.SamplePath()});
}

TEST(MainController, HelpAndDownloadOpenTheLocalPagesOfTheProgramFolder) {
    Shell shell;
    shell.controller->Command(kCmdHelp);
    shell.controller->Command(kCmdDownload);
    ASSERT_EQ(shell.launcher.pages.size(), 2u);
    EXPECT_EQ(shell.launcher.pages[0], (shell.dir / "Manual_m.htm").string());
    EXPECT_EQ(shell.launcher.pages[1], (shell.dir / "Download.htm").string());
    ASSERT_GE(shell.view.cursors.size(), 2u);
    EXPECT_EQ(shell.view.cursors.back(), CursorKind::Line);

    // No browser: the user may name one.
    shell.launcher.startSucceeds = false;
    shell.view.pathAnswer = "/usr/bin/somebrowser";
    shell.controller->Command(kCmdHelp);
    EXPECT_EQ(shell.view.pathQuestions, 1);
    ASSERT_EQ(shell.launcher.starts.size(), 1u);
    EXPECT_EQ(shell.launcher.starts[0].arguments,
              std::vector<std::string>{(shell.dir / "Manual_m.htm").string()});
}

TEST(MainController, HintsWindowsShareTheirSlotAndAClosedWindowEmptiesOnlyItsOwn) {
    Shell shell;
    shell.controller->Command(kCmdHints);
    ASSERT_EQ(shell.view.opened.size(), 1u);
    const int first = 101;
    EXPECT_EQ(shell.state->shell.modeless.Handle(0), first);
    shell.controller->Command(kCmdHints);
    EXPECT_EQ(shell.state->shell.modeless.Handle(0), first + 1);
    shell.controller->ModelessClosed(first);
    EXPECT_EQ(shell.state->shell.modeless.Handle(0), first + 1);
    shell.controller->ModelessClosed(first + 1);
    EXPECT_FALSE(shell.state->shell.modeless.IsOpen(0));

    // A period switch closes the window of the first slot first.
    shell.OpenSample();
    shell.controller->Command(kCmdHints);
    shell.prompts.QueueAnswer(Answer::Cancel);
    shell.controller->Command(kCmdMonthly);
    ASSERT_EQ(shell.view.closed.size(), 1u);
    EXPECT_EQ(shell.view.closed[0], first + 2);
}

TEST(MainController, CommandWordsSelectByTheirLowSixteenBits) {
    Shell shell;
    shell.controller->Command((1 << 16) | kCmdShowChart);
    EXPECT_EQ(shell.state->viewMode, kViewChart);
    // An id nobody handles does nothing, not even a repaint.
    const std::size_t repaints = shell.view.invalidations.size();
    shell.controller->Command(kCmdNoData);
    shell.controller->Command(kCmdPrint);
    EXPECT_EQ(shell.view.invalidations.size(), repaints);
}

TEST(MainController, OtherViewModesPaintAsTheyAreMeant) {
    struct Row {
        int mode;
        int after;
        std::size_t calls;
    };
    for (const Row& row : {Row{kViewBlank, kViewBlank, 0}, Row{kViewBackgroundOnce, kViewChart, 1},
                           Row{kViewStoreAnnotation, kViewChart, 0},
                           // Without a picture to put back the chart is painted again: here, with
                           // nothing loaded, only the background.
                           Row{kViewRestoreSnapshot, kViewChart, 1}}) {
        Shell shell;
        shell.controller->Command(kCmdShowChart);
        shell.state->viewMode = row.mode;
        EXPECT_EQ(shell.Paint().size(), row.calls) << row.mode;
        EXPECT_EQ(shell.state->viewMode, row.after) << row.mode;
    }
}

}  // namespace
}  // namespace korvo::app

namespace korvo::app {
namespace {

// Records which indicator the renderer asked the plugged-in layers for.
class PanelSpy : public chart::ChartLayers {
  public:
    explicit PanelSpy(std::vector<int>& codes) : codes_(codes) {}
    void DrawSubPanelIndicator(chart::RenderContext&, int, int code) override {
        codes_.push_back(code);
    }

  private:
    std::vector<int>& codes_;
};

TEST(MainController, LayersPluggedInDrawTheIndicatorTheMenuChose) {
    Shell shell;
    std::vector<int> codes;
    shell.controller->SetLayers(std::make_unique<PanelSpy>(codes));
    shell.OpenSample();
    shell.controller->Command(kCmdMacd);
    shell.Paint();
    shell.controller->Command(kCmdDirectionalAdx);
    shell.Paint();
    EXPECT_EQ(codes,
              (std::vector<int>{chart::kPanelRsi, chart::kPanelMacd, chart::kPanelDirectionalAdx}));
    // Taking them out again leaves a chart without them, never a crash.
    shell.controller->SetLayers(nullptr);
    shell.Paint();
    EXPECT_EQ(codes.size(), 3u);
    EXPECT_EQ(shell.controller->LastRender().result, chart::kRenderDrawn);
}

}  // namespace
}  // namespace korvo::app

namespace korvo::app {
namespace {

TEST(MainController, ASignalFileAnIndicatorWroteThisRunGoesAtExit) {
    Shell shell;
    shell.OpenSample();
    EXPECT_FALSE(fs::exists(shell.dir / "bs.mac"));
    shell.controller->Command(kCmdMacd);
    shell.Paint();
    ASSERT_TRUE(fs::exists(shell.dir / "bs.mac"));
    EXPECT_TRUE(shell.state->shell.signalWritten.IsWritten(indicators::SignalFile::Macd));
    shell.dir.Write("bs.sto", "left from an earlier run\n");
    shell.controller->Destroy();
    EXPECT_FALSE(fs::exists(shell.dir / "bs.mac"));
    EXPECT_EQ(test::ReadFile(shell.dir / "bs.sto"), "left from an earlier run\n");
}

}  // namespace
}  // namespace korvo::app

namespace korvo::app {
namespace {

TEST(MainController, ParameterDialogsStoreWhatTheUserConfirms) {
    test::Shell shell;
    shell.controller->Command(kCmdShowChart);
    ProgramState& state = *shell.state;

    // Moving-average periods: a refused entry stores nothing, a valid one all six.
    shell.view.momentumDialog = [](indicators::MomentumParamDialog& dialog) {
        auto fields = dialog.Current();
        fields[0] = "0";
        EXPECT_FALSE(dialog.Accept(fields));
        fields = {"5", "20", "8", "17", "2", "9"};
        return dialog.Accept(fields);
    };
    shell.view.invalidations.clear();
    shell.controller->Command(kCmdMovingAverageParams);
    EXPECT_EQ(state.indicators.maDaily1, 5);
    EXPECT_EQ(state.indicators.maMonthly2, 9);
    EXPECT_FALSE(shell.view.invalidations.empty());

    // Parameter table: the standard button loads the defaults.
    state.indicators.table.rsiPeriod = 3;
    shell.view.parameterTableDialog = [](indicators::ParameterTableDialog& dialog) {
        dialog.Accept(dialog.Standard());
        return true;
    };
    shell.controller->Command(kCmdParameterTable);
    EXPECT_EQ(state.indicators.table.rsiPeriod, 14);

    // RCI: the panel shows RCI even when its dialog is cancelled.
    state.chart.subPanelIndicator = chart::kPanelMacd;
    const int before = shell.view.dialogsRun;
    shell.controller->Command(kCmdRci);
    EXPECT_EQ(shell.view.dialogsRun, before + 1);
    EXPECT_EQ(state.chart.subPanelIndicator, chart::kPanelRci);
    shell.view.rciDialog = [](indicators::RciParamDialog& dialog) { return dialog.Accept("9"); };
    shell.controller->Command(kCmdRci);
    EXPECT_EQ(state.indicators.table.rciPeriod, 9);
}

}  // namespace
}  // namespace korvo::app
