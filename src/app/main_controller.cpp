#include "app/main_controller.h"

#include <algorithm>
#include <system_error>

#include "annotate/placement.h"
#include "app/command_ids.h"
#include "app/memory_status.h"
#include "app/menu_resource.h"
#include "app/opening_screen.h"
#include "app/program_layers.h"
#include "app/settings_file.h"
#include "app/window_on_view.h"
#include "chart/render_chart.h"
#include "data/calendar.h"
#include "data/header_block.h"
#include "data/period_commands.h"
#include "data/stk_reader.h"
#include "data/working_copy.h"
#include "indicators/indicator_layers.h"
#include "platform/codec.h"
#include "platform/files.h"
#include "view/colours.h"
#include "view/drawing_objects.h"
#include "view/scroll.h"
#include "view/size_commands.h"

namespace korvo::app {

namespace {

using platform::Buttons;
using platform::Icon;

// The menu command ids of a built-in menu, read once per name.
const std::vector<int>& MenuIds(const std::string& name) {
    static std::map<std::string, std::vector<int>> cache;
    auto it = cache.find(name);
    if (it == cache.end()) {
        const auto menu = LoadMenu(name);
        it = cache.emplace(name, menu ? MenuCommandIds(*menu) : std::vector<int>{}).first;
    }
    return it->second;
}

struct PanelCommand {
    int id;
    std::int32_t code;
};
constexpr PanelCommand kPanelCommands[] = {
    {kCmdRsi, chart::kPanelRsi},
    {kCmdPercentR, chart::kPanelPercentR},
    {kCmdDeviation, chart::kPanelDeviation},
    {kCmdMomentum, chart::kPanelMomentum},
    {kCmdStochasticsFast, chart::kPanelStochasticsFast},
    {kCmdStochasticsSlow, chart::kPanelStochasticsSlow},
    {kCmdMacd, chart::kPanelMacd},
    // The RCI period dialog comes with the oscillators; the code is set now.
    {kCmdRci, chart::kPanelRci},
    {kCmdShinoharaRatio, chart::kPanelShinoharaRatio},
    {kCmdDirectionalPdiMdi, chart::kPanelDirectionalPdiMdi},
    {kCmdDirectionalAdx, chart::kPanelDirectionalAdx},
    {kCmdDirectionalDifference, chart::kPanelDirectionalDifference},
    {kCmdOnBalanceVolume, chart::kPanelOnBalanceVolume},
};

// On/off options of the chart, by the command that flips them.
struct ChartToggle {
    int id;
    bool chart::ChartOptions::*flag;
};
constexpr ChartToggle kChartToggles[] = {
    {kCmdMovingAverage1, &chart::ChartOptions::movingAverage1},
    {kCmdMovingAverage2, &chart::ChartOptions::movingAverage2},
    {kCmdEnvelope, &chart::ChartOptions::envelope},
    {kCmdPsychologicalLine, &chart::ChartOptions::psychologicalLine},
    {kCmdShinoharaCr, &chart::ChartOptions::shinoharaCr},
    {kCmdTradeVolume, &chart::ChartOptions::tradeVolume},
    {kCmdVolumeAverage, &chart::ChartOptions::volumeAverage},
    {kCmdVolumeRatio, &chart::ChartOptions::volumeRatio},
    {kCmdVolumeHistogram, &chart::ChartOptions::volumeHistogram},
    {kCmdIchimokuLines, &chart::ChartOptions::ichimokuLines},
    {kCmdIchimokuSpans, &chart::ChartOptions::ichimokuSpans},
    {kCmdIchimokuLagging, &chart::ChartOptions::ichimokuLagging},
    {kCmdVolumeAlarm, &chart::ChartOptions::volumeAlarm},
    {kCmdTitleOff, &chart::ChartOptions::titleOff},
    {kCmdOpenCloseLabels, &chart::ChartOptions::openCloseLabels},
    {kCmdHighLowLabels, &chart::ChartOptions::highLowLabels},
    {kCmdBollinger, &chart::ChartOptions::bollinger},
    {kCmdParabolicSar, &chart::ChartOptions::parabolicSar},
    {kCmdLineCompanion, &chart::ChartOptions::lineCompanion},
    {kCmdAnnotationsOff, &chart::ChartOptions::annotationsOff},
};

bool* ChartFlag(chart::ChartOptions& options, int id) {
    for (const ChartToggle& t : kChartToggles)
        if (t.id == id) return &(options.*t.flag);
    return nullptr;
}

constexpr const char* kPlotStartDailyOnlyText = "この機能は日足以外では使えません !";
constexpr const char* kPlotStartGuideText =
    "マウスの右ボタンを押したまま,プロット開始日に "
    "カーソルを移動\n開始日が左下のステータスエリアにでます";

}  // namespace

struct MainController::Handler {
    bool (MainController::*run)(int id);
};

const std::map<int, MainController::Handler>& MainController::Handlers() {
    static const std::map<int, Handler> table = [] {
        std::map<int, Handler> t;
        t[kCmdOpenFile] = {&MainController::OnOpenFile};
        t[kCmdWeekly] = {&MainController::OnPeriod};
        t[kCmdMonthly] = {&MainController::OnPeriod};
        t[kCmdBackToDaily] = {&MainController::OnBackToDaily};
        for (int id : {kCmdCandlestick, kCmdBarGraph, kCmdLineGraph})
            t[id] = {&MainController::OnBarStyle};
        t[kCmdShowChart] = {&MainController::OnShowChart};
        t[kCmdRefreshObjects] = {&MainController::OnRefreshObjects};
        for (const PanelCommand& p : kPanelCommands)
            t[p.id] = {&MainController::OnPanelIndicator};
        for (int id : {kCmdMovingAverage1, kCmdMovingAverage2, kCmdEnvelope, kCmdPsychologicalLine,
                       kCmdShinoharaCr, kCmdTradeVolume, kCmdVolumeAverage, kCmdVolumeRatio,
                       kCmdVolumeHistogram, kCmdIchimokuLines, kCmdIchimokuSpans,
                       kCmdIchimokuLagging, kCmdVolumeAlarm, kCmdTitleOff})
            t[id] = {&MainController::OnChartToggle};
        t[kCmdOpenCloseLabels] = {&MainController::OnDataLabels};
        t[kCmdHighLowLabels] = {&MainController::OnDataLabels};
        t[kCmdBollinger] = {&MainController::OnBollinger};
        t[kCmdParabolicSar] = {&MainController::OnParabolicSar};
        t[kCmdIchimokuAllOff] = {&MainController::OnIchimokuAllOff};
        t[kCmdGuideOff] = {&MainController::OnGuideOff};
        t[kCmdStandardColours] = {&MainController::OnStandardColours};
        for (const auto& element : view::ColourElements())
            if (element.command != 0) t[element.command] = {&MainController::OnColourElement};
        t[kCmdFileMemo] = {&MainController::OnFileMemo};
        t[kCmdHints] = {&MainController::OnHints};
        t[kCmdHelp] = {&MainController::OnLocalPage};
        t[kCmdDownload] = {&MainController::OnLocalPage};
        t[kCmdWordPad] = {&MainController::OnWordPad};
        t[kCmdExit] = {&MainController::OnExit};
        for (const view::SizeCommand& size : view::SizeCommands())
            t[size.id] = {&MainController::OnSize};
        t[kCmdCustomZoom] = {&MainController::OnCustomZoom};
        t[kCmdCustomSize] = {&MainController::OnCustomSize};
        t[kCmdScale] = {&MainController::OnScale};
        t[kCmdDisplayStart] = {&MainController::OnDisplayStart};
        t[kCmdPlotStart] = {&MainController::OnPlotStart};
        t[kCmdMovingAverageParams] = {&MainController::OnMovingAverageParams};
        t[kCmdParameterTable] = {&MainController::OnParameterTable};
        t[kCmdRci] = {&MainController::OnRci};
        for (int id : {kCmdPortfolio1, kCmdPortfolio2, kCmdPortfolio3})
            t[id] = {&MainController::OnPortfolio};
        for (int id : {kCmdScan1, kCmdScan2, kCmdScan3})
            t[id] = {&MainController::OnScanStart};
        t[kCmdScanNext] = {&MainController::OnScanStep};
        t[kCmdScanPrevious] = {&MainController::OnScanStep};
        t[kCmdGroupFile] = {&MainController::OnGroupFile};
        t[kCmdMultiChart] = {&MainController::OnMultiChart};
        t[kCmdListTable] = {&MainController::OnListTable};
        for (int id : {kCmdStepChart, kCmdBrickChart, kCmdTridentChart})
            t[id] = {&MainController::OnChartWindow};
        t[kCmdHeaderEditor] = {&MainController::OnHeaderEditor};
        t[kCmdNewFile] = {&MainController::OnNewFile};
        t[kCmdEditCurrentFile] = {&MainController::OnEditCurrentFile};
        t[kCmdAnnotate] = {&MainController::OnAnnotate};
        t[kCmdAnnotationsOff] = {&MainController::OnChartToggle};
        t[kCmdDeleteAnnotations] = {&MainController::OnDeleteAnnotations};
        return t;
    }();
    return table;
}

bool IsCommandImplemented(int id) {
    return MainController::Handlers().count(id) != 0;
}

const std::vector<std::string>& TextEditorNames() {
    static const std::vector<std::string> names = {
        "gedit", "mousepad", "kate", "kwrite", "xed", "pluma", "leafpad", "gnome-text-editor"};
    return names;
}

MainController::MainController(ProgramState& state, MainView& view, ShellServices services)
    : state_(state),
      view_(view),
      services_(services),
      layers_(std::make_unique<chart::ChartLayers>()) {}

MainController::~MainController() = default;

void MainController::SetLayers(std::unique_ptr<chart::ChartLayers> layers) {
    layers_ = layers ? std::move(layers) : std::make_unique<chart::ChartLayers>();
}

// --- creation and destruction ---

void MainController::Create(const std::filesystem::path& workingDirectory) {
    ShellState& shell = state_.shell;
    SwitchMenu(kOpenMenuName);
    state_.startDirectory =
        workingDirectory.empty() ? std::filesystem::path("/korvo") : workingDirectory;
    // Three options start on in every run, whatever the last run left.
    state_.chart.volumeRatio = ToggleOption(kCmdVolumeRatio, false);
    state_.chart.volumeHistogram = ToggleOption(kCmdVolumeHistogram, false);
    shell.option738 = ToggleOption(kCmdStepMeasure, false);
    view_.SetCursor(CursorKind::Line);
    // The indicators draw over the chart and mark the signal files they write.
    auto layers = std::make_unique<ProgramLayers>(state_.indicators, shell.signalWritten,
                                                  state_.startDirectory, state_.annotations);
    layers->SetBeforeQuestion([this] { view_.ShowPaintedSoFar(); });
    layers_ = std::move(layers);
    shell.today = services_.clock.Today();
    view::CreatePensAndBrushes(state_.drawing, state_.colours);
    state_.view.fontVerticalScale = std::min(state_.view.verticalScale, 1.0f);
    view::CreateFonts(state_.drawing, state_.view.horizontalScale, state_.view.fontVerticalScale);
    // The saved scroll position of the settings file never carries over.
    state_.view.savedScrollX = 0;
    state_.view.savedScrollY = 0;
    state_.view.scrollBarPosX = 0;
    state_.view.scrollBarPosY = 0;
    state_.view.scrollBarsShown = true;
    shell.needsReload = true;
    state_.chart.barStyle = 0;
    state_.chart.candlestick = true;
    state_.dataState.plotStartMode = false;
    shell.plotStartPick = false;
    SyncCheckMarks();
    // Nothing is loaded yet: no period to switch to and none to come back from.
    SetRule(kCmdBackToDaily, false);
    SetRule(kCmdWeekly, false);
    SetRule(kCmdMonthly, false);
    const platform::Size screen = view_.ScreenSize();
    shell.screenWidth = screen.width > 0 ? screen.width : 640;
    shell.screenHeight = screen.height > 0 ? screen.height : 480;
    view_.ShowScrollBars(true);
}

void MainController::Destroy() {
    if (destroyed_) return;
    destroyed_ = true;
    ShellState& shell = state_.shell;
    state_.dataState.plotStartMode = false;
    shell.plotStartPick = false;
    // An edit still pending in KORVO.EDT is dropped; the file goes at shutdown.
    shell.editPending = false;
    // The settings must name the daily file, not a weekly or monthly one made from it.
    if (state_.series.fileTypeId != 0 && !data::IsDailyType(state_.series.fileTypeId)) {
        data::DataEffects effects;
        data::LoadEnvironment env{
            services_.prompts, services_.clock, state_.startDirectory, services_.progress, {}};
        data::DataContext c = DataCall(effects, env);
        data::RunBackToDaily(c, state_.view.horizontalScale, state_.view.verticalScale);
    }
    view::DeletePensAndBrushes(state_.drawing);
    view::DeleteFonts(state_.drawing);
    DeleteSignalFiles();
    state_.exitDirectory = state_.startDirectory.string();
    WriteSettings(state_, SettingsPath(state_.startDirectory));
    view_.Quit(0);
}

void MainController::DeleteSignalFiles() const {
    for (std::size_t i = 0; i < kSignalFileNames.size(); ++i)
        if (state_.shell.signalWritten[i])
            platform::RemoveFileQuietly(state_.startDirectory / kSignalFileNames[i]);
}

int ReadStartSettings(ProgramState& state, const std::filesystem::path& workingDirectory) {
    return ReadSettings(state, SettingsPath(workingDirectory)) < 0 ? -1 : 0;
}

void CleanUpWorkFiles(const ProgramState& state) {
    for (std::size_t i = 0; i < kSignalFileNames.size(); ++i)
        if (state.shell.signalWritten[i])
            platform::RemoveFileQuietly(state.startDirectory / kSignalFileNames[i]);
    for (const char* name : kWorkFileNames)
        platform::RemoveFileQuietly(state.startDirectory / name);
}

// --- menus ---

void MainController::SwitchMenu(const std::string& name) {
    view_.InstallMenu(name);
    menuName_ = name;
    ApplyEnableRules();
    SyncCheckMarks();
}

void MainController::SyncCheckMarks() {
    const chart::ChartOptions& o = state_.chart;
    view_.SetChecked(kCmdAlwaysChecked, true);
    // Every option that is on shows its mark, so a menu just installed tells the
    // truth about all of them.
    for (const ChartToggle& t : kChartToggles)
        if (o.*t.flag) view_.SetChecked(t.id, true);
    if (o.candlestick) view_.SetChecked(kCmdCandlestick, true);
    if (o.barStyle == 1) view_.SetChecked(kCmdBarGraph, true);
    if (o.barStyle == 2) view_.SetChecked(kCmdLineGraph, true);
    if (state_.guideOff) view_.SetChecked(kCmdGuideOff, true);
    if (state_.dataState.plotStartMode) view_.SetChecked(kCmdPlotStart, true);
    if (state_.shell.option738) view_.SetChecked(kCmdStepMeasure, true);
}

bool MainController::ToggleOption(int command, bool flag) {
    view_.SetChecked(command, !flag);
    return !flag;
}

bool MainController::ItemEnabled(int id) const {
    if (!IsCommandImplemented(id)) return false;
    const auto rule = rules_.find(id);
    return rule == rules_.end() || rule->second;
}

void MainController::SetRule(int id, bool enabled) {
    rules_[id] = enabled;
    view_.SetEnabled(id, ItemEnabled(id));
}

void MainController::ApplyEnableRules() {
    for (int id : MenuIds(menuName_))
        view_.SetEnabled(id, ItemEnabled(id));
}

// --- dispatch ---

void MainController::Command(int commandWord) {
    const int id = commandWord & 0xFFFF;
    if (Dispatch(id)) Invalidate(true);
}

bool MainController::Dispatch(int id) {
    const auto& handlers = Handlers();
    const auto it = handlers.find(id);
    // A command nobody handles yet does nothing, not even a repaint: the
    // renderer sends one (15) from inside the paint.
    if (it == handlers.end()) return false;
    return (this->*(it->second.run))(id);
}

void MainController::Invalidate(bool erase) {
    // A paint validates the whole window at its end, so what is asked during it is dropped.
    if (painting_ || destroyed_) return;
    view_.Invalidate(erase);
}

data::DataContext MainController::DataCall(data::DataEffects& effects, data::LoadEnvironment& env) {
    state_.dataState.guideOff = state_.guideOff;
    return data::DataContext{state_.series, state_.dataState, env, effects};
}

void MainController::ApplyEffects(data::DataEffects& e) {
    ShellState& shell = state_.shell;
    if (e.closeFirstModeless && shell.modeless.IsOpen(0))
        view_.CloseModeless(shell.modeless.Handle(0));
    if (e.periodCommandsEnabled) {
        SetRule(kCmdWeekly, *e.periodCommandsEnabled);
        SetRule(kCmdMonthly, *e.periodCommandsEnabled);
    }
    if (e.backToDailyEnabled) SetRule(kCmdBackToDaily, *e.backToDailyEnabled);
    if (e.resetHorizontalZoom) state_.view.horizontalScale = 1.0f;
    if (e.leavePlotStartMode) LeavePlotStartMode();
    if (e.leaveMultiChart) {
        // A file opened on its own starts as candlesticks; the marks stay as they are.
        state_.chart.barStyle = 0;
        if (shell.multiChartMode) {
            // Except on the chart menu coming back: its marks tell the style drawn.
            state_.chart.candlestick = true;
            state_.chart.lineCompanion = false;
            SwitchMenu(kChartMenuName);
            shell.multiChartMode = false;
        }
        state_.chart.multiChart = false;
        state_.chart.overlap = false;
    }
    if (e.reloadRequested) shell.needsReload = true;
    if (e.showChart) {
        if (state_.viewMode == kViewOpeningScreen) SwitchMenu(kChartMenuName);
        state_.viewMode = kViewChart;
    }
    if (e.redraw) Invalidate(true);
    e = data::DataEffects{};
}

void MainController::LeavePlotStartMode() {
    state_.shell.plotStartPick = false;
    state_.dataState.plotStartMode = false;
    view_.SetChecked(kCmdPlotStart, false);
    state_.shell.needsReload = true;
}

bool MainController::OpenCurrentFile() {
    data::DataEffects effects;
    data::LoadEnvironment env{
        services_.prompts, services_.clock, state_.startDirectory, services_.progress, {}};
    data::DataContext c = DataCall(effects, env);
    const bool copied = data::OpenCurrentFile(c);
    ApplyEffects(effects);
    return copied;
}

void MainController::ShowChart() {
    if (state_.viewMode == kViewOpeningScreen) SwitchMenu(kChartMenuName);
    state_.viewMode = kViewChart;
    Invalidate(true);
}

// --- command handlers ---

bool MainController::OnOpenFile(int) {
    if (state_.dataState.plotStartMode) LeavePlotStartMode();
    state_.shell.editPending = false;
    data::DataEffects effects;
    data::LoadEnvironment env{
        services_.prompts, services_.clock, state_.startDirectory, services_.progress, {}};
    data::DataContext c = DataCall(effects, env);
    const int result = data::RunOpenCommand(c);
    ApplyEffects(effects);
    if (result == 1) state_.view.displayStartChanged = false;
    return result != 0;
}

bool MainController::OnPeriod(int id) {
    data::DataEffects effects;
    data::LoadEnvironment env{
        services_.prompts, services_.clock, state_.startDirectory, services_.progress, {}};
    data::DataContext c = DataCall(effects, env);
    float& h = state_.view.horizontalScale;
    float& v = state_.view.verticalScale;
    const int result =
        id == kCmdWeekly ? data::RunWeeklyCommand(c, h, v) : data::RunMonthlyCommand(c, h, v);
    effects.redraw = false;  // the chart is shown below, once
    ApplyEffects(effects);
    if (result != 1) return false;
    ShowChart();
    return false;
}

bool MainController::OnBackToDaily(int) {
    data::DataEffects effects;
    data::LoadEnvironment env{
        services_.prompts, services_.clock, state_.startDirectory, services_.progress, {}};
    data::DataContext c = DataCall(effects, env);
    data::RunBackToDaily(c, state_.view.horizontalScale, state_.view.verticalScale);
    ApplyEffects(effects);
    return true;
}

bool MainController::OnBarStyle(int id) {
    chart::ChartOptions& o = state_.chart;
    o.barStyle = id == kCmdCandlestick ? 0 : id == kCmdBarGraph ? 1 : 2;
    o.candlestick = id == kCmdCandlestick;
    o.lineCompanion = id == kCmdLineGraph;
    view_.SetChecked(kCmdCandlestick, id == kCmdCandlestick);
    view_.SetChecked(kCmdBarGraph, id == kCmdBarGraph);
    view_.SetChecked(kCmdLineGraph, id == kCmdLineGraph);
    view_.SetChecked(kCmdLineCompanion, id == kCmdLineGraph);
    return true;
}

bool MainController::OnShowChart(int) {
    ShowChart();
    return false;
}

bool MainController::OnRefreshObjects(int) {
    view::RebuildPensAndBrushes(state_.drawing, state_.colours);
    ShowChart();
    return false;
}

bool MainController::OnPanelIndicator(int id) {
    for (const PanelCommand& p : kPanelCommands)
        if (p.id == id) state_.chart.subPanelIndicator = p.code;
    return true;
}

// The parameter dialogs change periods the chart draws with. Their "standard"
// buttons act at once, even when the dialog is then cancelled, so the chart
// is redrawn however they close.
bool MainController::OnMovingAverageParams(int) {
    indicators::MomentumParamDialog dialog(state_.indicators, services_.prompts);
    view_.RunMomentumParamDialog(dialog);
    return true;
}

bool MainController::OnParameterTable(int) {
    indicators::ParameterTableDialog dialog(state_.indicators, state_.altCharts.watchPeriod);
    view_.RunParameterTableDialog(dialog);
    return true;
}

// RCI goes to the indicator panel first, then its period and data series are asked for.
bool MainController::OnRci(int id) {
    OnPanelIndicator(id);
    indicators::RciParamDialog dialog(state_.indicators, services_.prompts);
    view_.RunRciParamDialog(dialog);
    return true;
}

bool MainController::OnChartToggle(int id) {
    bool* flag = ChartFlag(state_.chart, id);
    *flag = ToggleOption(id, *flag);
    return true;
}

bool MainController::OnDataLabels(int id) {
    if (state_.view.horizontalScale < 1.0f || state_.view.verticalScale < 1.0f)
        services_.prompts.ShowMessage("画面サイズを縦横１００％以上に設定してください！",
                                      "メッセージ", Buttons::Ok, Icon::None);
    return OnChartToggle(id);
}

bool MainController::OnBollinger(int) {
    chart::ChartOptions& o = state_.chart;
    o.bollinger = ToggleOption(kCmdBollinger, o.bollinger);
    if (o.bollinger) {
        o.subPanelIndicator = chart::kPanelBollinger;
        if (o.parabolicSar) o.parabolicSar = ToggleOption(kCmdParabolicSar, true);
    } else {
        o.subPanelIndicator = chart::kPanelMomentum;
    }
    return true;
}

bool MainController::OnParabolicSar(int) {
    chart::ChartOptions& o = state_.chart;
    o.parabolicSar = ToggleOption(kCmdParabolicSar, o.parabolicSar);
    if (o.parabolicSar) {
        if (o.bollinger) o.bollinger = ToggleOption(kCmdBollinger, true);
        o.subPanelIndicator = chart::kPanelMomentum;
    }
    return true;
}

bool MainController::OnIchimokuAllOff(int) {
    chart::ChartOptions& o = state_.chart;
    o.ichimokuLines = o.ichimokuSpans = o.ichimokuLagging = false;
    for (int id : {kCmdIchimokuLines, kCmdIchimokuSpans, kCmdIchimokuLagging})
        view_.SetChecked(id, false);
    return true;
}

bool MainController::OnGuideOff(int) {
    state_.guideOff = ToggleOption(kCmdGuideOff, state_.guideOff);
    return true;
}

bool MainController::OnStandardColours(int) {
    view::StandardColours(state_.colours);
    return OnRefreshObjects(kCmdRefreshObjects);
}

bool MainController::OnColourElement(int id) {
    const auto element = view::ElementForColourCommand(id);
    if (!element) return false;
    state_.colours.pendingElement = *element;
    return view::PickColour(services_.prompts, state_.colours, state_.drawing, *element);
}

bool MainController::OnFileMemo(int) {
    // The comment is the header block of the working copy as it is now; a copy
    // that cannot be read shows no comment box.
    if (const auto bytes =
            platform::ReadWholeFile(state_.startDirectory / data::kWorkingCopyName)) {
        data::StkReader reader(*bytes);
        std::string header;
        if (data::CopyHeaderBlockText(reader, header) >= 0) state_.series.headerText = header;
        services_.prompts.ShowMessage(platform::Cp932ToUtf8Lossy(state_.series.headerText),
                                      "ﾌｧｲﾙ ｺﾒﾝﾄ", Buttons::Ok, Icon::None);
    }
    services_.prompts.ShowMessage(FormatMemoryStatus(ReadMemoryStatus()), kMemoryStatusCaption,
                                  Buttons::Ok, Icon::None);
    return true;
}

bool MainController::OnHints(int) {
    const int handle = view_.OpenModeless(ModelessKind::Hints);
    if (handle != 0) state_.shell.modeless.Opened(ModelessKind::Hints, handle);
    return true;
}

bool MainController::OnLocalPage(int id) {
    const std::filesystem::path page =
        state_.startDirectory / (id == kCmdHelp ? kManualPage : kDownloadPage);
    view_.SetCursor(CursorKind::Wait);
    if (!services_.launcher.OpenLocalPage(page.string())) {
        // No browser answered: let the user name one, as for the text editor.
        const auto program = view_.AskProgramPath();
        if (!program) {
            view_.SetCursor(CursorKind::Line);
            return false;
        }
        services_.launcher.StartProgram(*program, {page.string()});
    }
    view_.SetCursor(CursorKind::Line);
    return true;
}

bool MainController::OnWordPad(int) {
    std::string editor;
    for (const std::string& name : TextEditorNames()) {
        editor = services_.launcher.FindProgram(name);
        if (!editor.empty()) break;
    }
    if (editor.empty()) {
        const auto asked = view_.AskProgramPath();
        if (!asked) return false;
        editor = *asked;
    }
    std::vector<std::string> arguments;
    const std::string& file = state_.series.dataPath;
    if (!file.empty()) {
        const std::filesystem::path path(file);
        arguments.push_back(path.is_absolute() ? file : (state_.startDirectory / path).string());
    }
    services_.launcher.StartProgram(editor, arguments);
    return true;
}

bool MainController::OnSize(int id) {
    const auto size = view::FindSizeCommand(id);
    if (!size) return false;
    view::SetSizeFactor(state_.view, *size);
    ApplySizeAndShow();
    return false;
}

void MainController::ApplySizeAndShow() {
    view::ApplySize(state_.view, state_.drawing);
    ShowChart();
}

bool MainController::OnCustomZoom(int) {
    view::CustomSizeDialog dialog(state_.view, services_.prompts);
    if (!view_.RunCustomSizeDialog(dialog)) return false;
    if (dialog.ScrollBarsWanted()) view_.ShowScrollBars(true);
    ApplySizeAndShow();
    return false;
}

bool MainController::OnCustomSize(int id) {
    const view::ViewState& v = state_.view;
    if (!view::CustomFactorsUsable(v)) return OnCustomZoom(id);
    view::SetCustomFactors(state_.view, v.customHorizontalScale, v.customVerticalScale);
    ApplySizeAndShow();
    return false;
}

bool MainController::OnScale(int) {
    view::ScaleDialog dialog(state_.view, state_.series, state_.geometry, services_.prompts);
    // The automatic scale takes the extremes of the data again: load it anew.
    if (view_.RunScaleDialog(dialog) == view::kScaleChoseAutomatic) state_.shell.needsReload = true;
    ShowChart();
    return false;
}

bool MainController::OnDisplayStart(int) {
    view::DisplayStartDialog dialog(state_.series, state_.view, services_.prompts);
    if (!view_.RunDisplayStartDialog(dialog)) return false;
    state_.shell.needsReload = true;
    return true;
}

bool MainController::OnPlotStart(int) {
    data::DataState& d = state_.dataState;
    if (d.plotStartMode) {
        LeavePlotStartMode();
        ShowChart();
        return false;
    }
    if (state_.series.fileTypeId != 210) {
        services_.prompts.ShowMessage(kPlotStartDailyOnlyText, "警告", Buttons::Ok, Icon::None);
        return false;
    }
    if (!state_.guideOff &&
        services_.prompts.ShowMessage(kPlotStartGuideText, "メッセージ", Buttons::OkCancel,
                                      Icon::None) != platform::Answer::Ok)
        return false;
    state_.shell.plotStartPick = true;
    state_.shell.needsReload = true;
    d.plotStartMode = true;
    // Only a day shown by the read-out from now on is taken.
    d.pointedDateKey = 0;
    state_.view.goToEndFlag = true;
    view_.SetChecked(kCmdPlotStart, true);
    return true;
}

// The step, brick and trident windows lay their charts out from scroll
// position 0; the main chart keeps its own place across.
bool MainController::OnChartWindow(int id) {
    const ModelessKind kind = id == kCmdStepChart    ? ModelessKind::Step
                              : id == kCmdBrickChart ? ModelessKind::Brick
                                                     : ModelessKind::Trident;
    ModelessSlots& slots = state_.shell.modeless;
    if (slots.IsOpen(0)) view_.CloseModeless(slots.Handle(0));
    // Never two windows in one slot: the one there gives way.
    if (slots.IsOpen(SlotOf(kind))) view_.CloseModeless(slots.Handle(SlotOf(kind)));
    view::ViewState& v = state_.view;
    v.savedScrollX = v.savedScrollY = v.scrollBarPosX = v.scrollBarPosY = 0;
    const int handle = view_.OpenModeless(kind);
    if (handle != 0) slots.Opened(kind, handle);
    v.savedScrollX = state_.geometry.scrollX;
    return true;
}

bool MainController::OnExit(int) {
    if (services_.prompts.ShowMessage("プログラムを終了! ", "メッセージ", Buttons::OkCancel,
                                      Icon::Question) != platform::Answer::Ok)
        return false;
    Destroy();
    return false;
}

// --- mouse, scroll bars, modeless windows ---

void MainController::HorizontalScroll(int request, int thumb) {
    if (state_.viewMode == kViewOpeningScreen || request == view::kScrollThumbTrack) return;
    view::HorizontalScroll(state_.view, request, thumb, state_.geometry.pagesAcross,
                           view_.ClientSize().width);
    state_.view.newDataFlag = false;
    Invalidate(false);
}

void MainController::VerticalScroll(int request, int thumb) {
    if (state_.viewMode == kViewOpeningScreen || request == view::kScrollThumbTrack) return;
    view::VerticalScroll(state_.view, request, thumb, state_.geometry.pagesDown,
                         view_.ClientSize().height);
    state_.view.newDataFlag = false;
    Invalidate(false);
}

void MainController::LeftButtonUp() {
    state_.shell.scanPopupRequest = true;
}

view::ReadOutContext MainController::ReadOutOn(view::ReadOutWindow& window) {
    return view::ReadOutContext{window,
                                readOut_,
                                state_.series,
                                state_.geometry,
                                state_.drawing,
                                view::ReadOutTitle(state_.series, state_.chart),
                                state_.dataState.pointedDateKey};
}

void MainController::RightButtonDown(platform::Point point) {
    // Only a chart on the screen can be read; the opening screen ignores the button.
    if (state_.viewMode == kViewOpeningScreen || !chartOnScreen_ || readOut_.readOutActive) return;
    WindowOnView window(view_);
    view::ReadOutContext c = ReadOutOn(window);
    view::BeginReadOut(c, point);
}

void MainController::MouseMove(platform::Point point) {
    WindowOnView window(view_);
    annotate::MovePlacement(state_.annotations, window, point);
    if (!readOut_.readOutActive) return;
    view::ReadOutContext c = ReadOutOn(window);
    view::MoveReadOut(c, point);
}

void MainController::RightButtonUp(platform::Point point) {
    WindowOnView window(view_);
    view::ReadOutContext c = ReadOutOn(window);
    const bool ended = view::EndReadOut(c, point);
    if (ended) state_.viewMode = kViewAfterAnnotation;
    if (state_.shell.plotStartPick) {
        FinishPlotStartPick();
        ShowChart();
        return;
    }
    // The strip shows the chart's own texts again.
    if (ended) Invalidate(false);
}

bool MainController::FinishPlotStartPick() {
    // The series is loaded aside: a failed load leaves the chart as it was.
    auto backup = std::make_unique<data::PriceSeries>(state_.series);
    data::DataEffects effects;
    data::LoadEnvironment env{services_.prompts, services_.clock, state_.startDirectory,
                              services_.progress, CorrectionHook()};
    data::DataContext c = DataCall(effects, env);
    int bars = -3;
    if (platform::CopyFileExpanding(env.Resolve(state_.series.dataPath),
                                    env.Resolve(data::kWorkingCopyName)) == platform::kCopyOk)
        bars = data::ReloadWorkingCopy(c);
    effects.redraw = false;
    ApplyEffects(effects);
    if (bars < 0 || !state_.dataState.plotStartMode) {
        state_.series = *backup;
        LeavePlotStartMode();
        return false;
    }
    state_.shell.plotStartPick = false;
    state_.shell.needsReload = false;
    state_.view.newDataFlag = true;
    view::ApplyManualScale(state_.view, state_.series);
    return true;
}

void MainController::ModelessClosed(int handle) {
    state_.shell.modeless.Closed(handle);
}

// --- paint ---

void MainController::Paint(platform::Canvas& canvas) {
    if (destroyed_) return;
    painting_ = true;
    {
        platform::CanvasStateGuard guard(canvas);
        PaintChart(canvas);
        KeepCrosshair(canvas);
    }
    painting_ = false;
    if (repaintAfterPaint_) {
        repaintAfterPaint_ = false;
        Invalidate(true);
    }
}

void MainController::KeepCrosshair(platform::Canvas& canvas) {
    if (!readOut_.readOutActive) return;
    if (chartOnScreen_) {
        // The paint covered the crosshair: it goes back where the read-out has it.
        view::DrawCrosshair(canvas, readOut_.readOutPoint, view_.ClientSize(),
                            state_.geometry.chartRegion);
        return;
    }
    // Nothing left to read: the read-out ends without a crosshair to remove.
    readOut_.readOutActive = false;
    view_.SetCursor(CursorKind::Line);
    view_.CaptureMouse(false);
}

void MainController::PaintChart(platform::Canvas& canvas) {
    ShellState& shell = state_.shell;
    int& mode = state_.viewMode;
    const bool chartShownBefore = chartOnScreen_;
    chartOnScreen_ = false;
    if (mode == kViewRestoreSnapshot) {
        // The picture taken before the annotation dialog goes back as it was;
        // without one the chart is drawn again.
        mode = kViewChart;
        if (state_.snapshot.Restore(canvas)) {
            chartOnScreen_ = chartShownBefore;
            return;
        }
    }
    if (mode != kViewAfterReadout && mode != kViewAfterGroupImport) {
        canvas.SetClip(platform::Rect{0, 0, shell.screenWidth, shell.screenHeight});
        canvas.SetBackgroundMode(platform::BackgroundMode::Transparent);
        if (mode == kViewOpeningScreen) {
            view_.ShowScrollBars(false);
            DrawOpeningScreen(canvas, shell.screenWidth, shell.screenHeight);
            return;
        }
    }
    view_.SetCursor(CursorKind::Line);
    if (mode == kViewBlank) return;
    if (mode == kViewStoreAnnotation) {
        StorePlacedAnnotation();
        chartOnScreen_ = chartShownBefore;
        return;
    }
    const platform::Size client = view_.ClientSize();
    canvas.FillRect(platform::Rect{0, 0, client.width, client.height},
                    platform::Brush{kWindowBackground, false});
    if (mode == kViewBackgroundOnce) {
        mode = kViewChart;
        return;
    }
    if (shell.needsReload && !shell.plotStartPick && !ReloadForPaint()) return;

    chart::RenderContext rc(canvas, state_.series, state_.geometry, state_.view, state_.chart,
                            state_.drawing, state_.colours, state_.indicators, services_.prompts,
                            services_.clock, *layers_);
    rc.client = client;
    rc.screen = platform::Size{shell.screenWidth, shell.screenHeight};
    rc.horizontalFactor = state_.view.horizontalScale;
    rc.verticalFactor = state_.view.verticalScale;
    rc.autoFixOpen = state_.dataState.autoFixOpen;
    rc.plotStartMode = state_.dataState.plotStartMode;
    rc.makerNotice = kOpeningNotice;
    SetUpMultiChartPages(rc);
    lastRender_ = chart::RenderChart(rc);
    AfterAnnotations();
    if (lastRender_.result == chart::kRenderAskDisplayStart) {
        // A repaint asked for inside the paint would be lost with it.
        if (Dispatch(kCmdDisplayStart)) repaintAfterPaint_ = true;
        return;
    }
    chartOnScreen_ = lastRender_.result == chart::kRenderDrawn;
    if (lastRender_.sendCommand15) Dispatch(kCmdNoData);
    if (lastRender_.restoreMainMenu) {
        SwitchMenu(kChartMenuName);
        shell.multiChartMode = false;
    }
    if (lastRender_.scrollBarsSet) {
        view_.ShowScrollBars(true);
        view_.SetScrollBars(lastRender_.scrollBars);
        // The next scroll step starts where this render stands.
        state_.view.scrollBarPosX = state_.geometry.scrollX;
        state_.view.scrollBarPosY = state_.geometry.scrollY;
    }
    ShowScanPopupIfAsked();
}

bool MainController::ReloadForPaint() {
    // A working copy that is not there (nothing chosen yet) leaves the area empty, quietly.
    std::error_code error;
    if (!std::filesystem::is_regular_file(state_.startDirectory / data::kWorkingCopyName, error))
        return false;
    state_.shell.needsReload = false;
    data::DataEffects effects;
    data::LoadEnvironment env{services_.prompts, services_.clock, state_.startDirectory,
                              services_.progress, CorrectionHook()};
    data::DataContext c = DataCall(effects, env);
    const int bars = data::ReloadWorkingCopy(c);
    ApplyEffects(effects);
    if (bars < 0) return false;
    // New data: the next render shows its newest bars.
    state_.view.newDataFlag = true;
    view::ApplyManualScale(state_.view, state_.series);
    return true;
}

}  // namespace korvo::app
