// The commands of the portfolio lists: the pickers, the scans with their
// pop-up, the group file editor, the multi-chart selection with the loading of
// its pages, and the data list window.
#include "app/command_ids.h"
#include "app/main_controller.h"
#include "app/menu_resource.h"
#include "data/working_copy.h"
#include "lists/lists.h"
#include "platform/files.h"

namespace korvo::app {

namespace {

// The scan pop-up stands this far in from the client area's top right corner.
constexpr int kScanPopupRightInset = 20;
constexpr int kScanPopupTop = 2;

int ListOfScanCommand(int id) {
    return id == kCmdScan2 ? 1 : id == kCmdScan3 ? 2 : 0;
}

}  // namespace

bool MainController::OpenListedFile(const std::string& path) {
    // A day picked in another file means nothing in this one.
    if (state_.dataState.plotStartMode) LeavePlotStartMode();
    data::DataEffects effects;
    data::LoadEnvironment env{
        services_.prompts, services_.clock, state_.startDirectory, services_.progress, {}};
    data::DataContext c = DataCall(effects, env);
    const bool opened = data::OpenDataFile(c, path);
    ApplyEffects(effects);
    return opened;
}

bool MainController::OnPortfolio(int id) {
    const int list = id - kCmdPortfolio1;
    lists::PortfolioPicker picker(state_.lists.pickedRow,
                                  state_.startDirectory / lists::PortfolioListName(list),
                                  services_.prompts);
    picker.Open();
    if (!view_.RunPortfolioPicker(picker)) return false;
    state_.shell.scanMode = false;
    state_.shell.scanPopupRequest = false;
    OpenListedFile(picker.ChosenPath());
    return true;
}

bool MainController::OnScanStart(int id) {
    const lists::ScanStep step =
        lists::StartScan(state_.lists.scan, ListOfScanCommand(id), state_.startDirectory);
    if (step.found) state_.shell.scanPopupRequest = true;
    state_.shell.scanMode = true;
    // An empty list opens the current file again.
    OpenListedFile(step.found ? step.path : state_.series.dataPath);
    return true;
}

bool MainController::OnScanStep(int id) {
    if (!state_.shell.scanMode) return false;
    const lists::ScanStep step =
        id == kCmdScanNext
            ? lists::NextScanFile(state_.lists.scan, state_.startDirectory, services_.prompts)
            : lists::PreviousScanFile(state_.lists.scan, state_.startDirectory, services_.prompts);
    if (!step.found) return false;
    state_.shell.scanPopupRequest = true;
    OpenListedFile(step.path);
    return true;
}

bool MainController::OnGroupFile(int) {
    lists::GroupFileDialog dialog(state_.lists, state_.startDirectory, services_.prompts);
    dialog.Open();
    return view_.RunGroupFileDialog(dialog);
}

bool MainController::OnMultiChart(int) {
    ShellState& shell = state_.shell;
    lists::MultiChartSelection& selection = state_.lists.multiChart;
    lists::BeginMultiChart(selection, state_.view, state_.chart);
    shell.multiChartMode = true;
    if (shell.modeless.IsOpen(0)) view_.CloseModeless(shell.modeless.Handle(0));
    if (state_.dataState.plotStartMode) LeavePlotStartMode();
    shell.editPending = false;
    lists::MultiChartDialog dialog(selection, state_.chart.overlap, services_.prompts);
    if (!view_.RunMultiChartDialog(dialog)) {
        lists::CancelMultiChart(selection, state_.view, state_.chart);
        shell.multiChartMode = false;
        return false;
    }
    data::PriceSeries& series = state_.series;
    const std::string first = selection.paths[0];
    const data::LoadEnvironment env{
        services_.prompts, services_.clock, state_.startDirectory, services_.progress, {}};
    if (platform::CopyFileExpanding(env.Resolve(first), env.Resolve(data::kWorkingCopyName)) !=
        platform::kCopyOk) {
        // Nothing to draw: a file is chosen the usual way instead.
        lists::CancelMultiChart(selection, state_.view, state_.chart);
        shell.multiChartMode = false;
        return Dispatch(kCmdOpenFile);
    }
    lists::ConfirmMultiChart(dialog.Overlap(), state_.view, state_.chart);
    SwitchMenu(kMultiChartMenuName);
    series.previousDataPath = series.dataPath;
    series.dataPath = first;
    state_.dataState.detailedMessages = true;
    shell.needsReload = true;
    state_.viewMode = kViewChart;
    return true;
}

bool MainController::OnListTable(int) {
    view_.SetCursor(CursorKind::Wait);
    if (const auto list = lists::PrepareDataList(state_.series, services_.prompts)) {
        const int handle = view_.OpenDataList(*list);
        if (handle != 0) state_.shell.modeless.Opened(ModelessKind::DataList, handle);
    }
    view_.SetCursor(CursorKind::Line);
    return true;
}

void MainController::SetUpMultiChartPages(chart::RenderContext& context) {
    context.multi.fileCount = state_.lists.multiChart.count;
    context.multi.loadPage = [this](int k) { return LoadMultiChartPage(k); };
}

int MainController::LoadMultiChartPage(int k) {
    data::DataEffects effects;
    data::LoadEnvironment env{
        services_.prompts, services_.clock, state_.startDirectory, services_.progress, {}};
    data::DataContext c = DataCall(effects, env);
    const int result = lists::LoadListedFile(c, state_.lists.multiChart, k);
    ApplyEffects(effects);
    return result;
}

void MainController::ShowScanPopupIfAsked() {
    ShellState& shell = state_.shell;
    if (!shell.scanMode || !shell.scanPopupRequest) return;
    shell.scanPopupRequest = false;
    view_.ShowScanPopup(
        platform::Point{view_.ClientSize().width - kScanPopupRightInset, kScanPopupTop});
}

}  // namespace korvo::app
