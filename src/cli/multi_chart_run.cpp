#include "cli/multi_chart_run.h"

#include <filesystem>

#include "chart/chart.h"
#include "data/data.h"
#include "lists/lists.h"
#include "platform/files.h"
#include "platform/recording_canvas.h"

namespace korvo::cli {

std::optional<std::string> MultiChartRun::Read(const std::string& list, bool overlap,
                                               app::ProgramState& state) {
    lists::MultiChartSelection& selection = state.lists.multiChart;
    platform::ScriptedPrompts quiet;
    lists::MultiChartDialog dialog(selection, overlap, quiet);
    int k = 0;
    for (std::size_t start = 0; start <= list.size(); ++k) {
        std::size_t comma = list.find(',', start);
        if (comma == std::string::npos) comma = list.size();
        if (k == lists::kMaxMultiChartFiles) return "--multi takes at most three files";
        const std::string file = list.substr(start, comma - start);
        dialog.SetPath(k, file.empty() ? file : std::filesystem::absolute(file).string());
        start = comma + 1;
    }
    if (!dialog.Accept()) return "--multi wants the first file, as F1,F2[,F3]";
    return std::nullopt;
}

MultiChartRun::MultiChartRun(CliContext& context, app::ProgramState& state)
    : context_(context), state_(state) {}

void MultiChartRun::ApplyModes(bool overlap, bool sizeGiven) {
    const float horizontal = state_.view.horizontalScale;
    const float vertical = state_.view.verticalScale;
    lists::BeginMultiChart(state_.lists.multiChart, state_.view, state_.chart);
    lists::ConfirmMultiChart(overlap, state_.view, state_.chart);
    if (sizeGiven) {
        state_.view.horizontalScale = horizontal;
        state_.view.verticalScale = vertical;
    }
}

int MultiChartRun::LoadFirst(data::DataState& dataState) {
    platform::NullProgress progress;
    data::LoadEnvironment env{context_.Prompts(), context_.Clock(), context_.Dir(), progress, {}};
    data::DataEffects effects;
    data::DataContext c{state_.series, dataState, env, effects};
    state_.series.dataPath = state_.lists.multiChart.paths[0];
    if (platform::CopyFileExpanding(env.Resolve(state_.series.dataPath),
                                    env.Resolve(data::kWorkingCopyName)) != platform::kCopyOk)
        return -3;
    dataState.detailedMessages = true;
    return data::ReloadWorkingCopy(c);
}

void MultiChartRun::ScrollToNewestOfFirst(platform::Size window, platform::Size screen) {
    // A layout of the first file alone, on copies, so nothing of it stays.
    auto series = std::make_unique<data::PriceSeries>(state_.series);
    auto geometry = std::make_unique<chart::ChartGeometry>();
    chart::ChartOptions options = state_.chart;
    options.multiChart = false;
    options.overlap = false;
    platform::RecordingCanvas canvas(window);
    platform::ScriptedPrompts quiet;
    chart::ChartLayers none;
    chart::RenderContext rc(canvas, *series, *geometry, state_.view, options, state_.drawing,
                            state_.colours, state_.indicators, quiet, context_.Clock(), none);
    rc.client = window;
    rc.screen = screen;
    rc.horizontalFactor = state_.view.horizontalScale;
    rc.verticalFactor = state_.view.verticalScale;
    state_.view.newDataFlag = true;
    chart::RenderChart(rc);
}

chart::MultiChartPages MultiChartRun::Pages() {
    chart::MultiChartPages pages;
    pages.fileCount = state_.lists.multiChart.count;
    pages.loadPage = [this](int k) {
        platform::NullProgress progress;
        data::LoadEnvironment env{
            context_.Prompts(), context_.Clock(), context_.Dir(), progress, {}};
        data::DataEffects effects;
        data::DataContext c{state_.series, pageState_, env, effects};
        const int result = lists::LoadListedFile(c, state_.lists.multiChart, k);
        pages_.push_back(PageLoaded{k, state_.series.dataPath, state_.series.barCount});
        return result;
    };
    return pages;
}

void MultiChartRun::PrintPages(std::ostream& out) const {
    for (const PageLoaded& p : pages_)
        out << "page: " << p.page << "\n"
            << "file: " << p.file << "\n"
            << "barCount: " << p.barCount << "\n";
}

}  // namespace korvo::cli
