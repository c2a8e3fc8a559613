#include "cli/load_series.h"

#include <cstdio>
#include <filesystem>

#include "app/settings_file.h"
#include "chart/chart.h"
#include "platform/recording_canvas.h"

namespace korvo::cli {

namespace {

bool ParsePlotStart(const std::string& text, data::PriceSeries& series) {
    int year = 0, month = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%d-%d%c", &year, &month, &tail) != 2) return false;
    if (month < 1 || month > 12) return false;
    series.plotStartYear = year;
    series.plotStartMonth = month;
    return true;
}

}  // namespace

std::optional<std::string> ReadSettingsOption(CliContext& context, app::ProgramState& state) {
    const auto settings = context.Option("--settings");
    if (settings && app::ReadSettings(state, *settings) != 0)
        return "cannot open settings file " + *settings;
    return std::nullopt;
}

std::unique_ptr<app::ProgramState> LayoutStateFromSettings(CliContext& context) {
    auto state = std::make_unique<app::ProgramState>();
    if (const auto problem = ReadSettingsOption(context, *state)) {
        context.Err() << "korvo-cli: " << *problem << "\n";
        return nullptr;
    }
    state->view.horizontalScale = 1.0f;
    state->view.verticalScale = 1.0f;
    return state;
}

std::optional<std::string> ReadPlotStartOption(CliContext& context, data::PriceSeries& series) {
    const auto start = context.Option("--plot-start");
    if (start && !ParsePlotStart(*start, series))
        return "--plot-start wants YYYY-MM, not " + *start;
    return std::nullopt;
}

int LoadSeries(CliContext& context, const std::string& file, data::PriceSeries& series,
               data::DataState& dataState, data::DataEffects& effects) {
    platform::NullProgress progress;
    data::LoadEnvironment env{context.Prompts(), context.Clock(), context.Dir(), progress, {}};
    data::DataContext c{series, dataState, env, effects};
    if (!data::OpenDataFile(c, std::filesystem::absolute(file).string())) return -3;
    return data::ReloadWorkingCopy(c);
}

bool LoadAndLayOut(CliContext& context, const std::string& file, app::ProgramState& state) {
    data::DataState dataState;
    data::DataEffects effects;
    if (LoadSeries(context, file, state.series, dataState, effects) < 0 ||
        state.series.barCount < 1)
        return false;
    view::CreatePensAndBrushes(state.drawing, state.colours);
    view::CreateFonts(state.drawing, 1.0f, 1.0f);
    platform::RecordingCanvas canvas;
    chart::ChartLayers none;
    chart::RenderContext rc(canvas, state.series, state.geometry, state.view, state.chart,
                            state.drawing, state.colours, state.indicators, context.Prompts(),
                            context.Clock(), none);
    state.view.newDataFlag = true;
    return chart::RenderChart(rc).result == chart::kRenderDrawn;
}

}  // namespace korvo::cli
