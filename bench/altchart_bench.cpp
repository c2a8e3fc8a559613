// The non-time-series charts over the largest series (4096 daily bars): one
// paint of a chart window into its image with its signal file, the step
// chart's file alone as the optimisation and the buy/sell indicator run it
// (a null canvas), and its construction alone.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <filesystem>
#include <memory>

#include "altcharts/chart_window.h"
#include "altcharts/step_chart.h"
#include "bench_support.h"
#include "qt/gui/qt_canvas.h"

namespace {

using namespace korvo;
using altcharts::AltChartKind;

constexpr float kStepPercent = 1.0f;

struct Charts {
    Charts() : directory(std::filesystem::temp_directory_path() / "korvo_altchart_bench") {
        std::filesystem::create_directories(directory);
        bench::FillLargestSeries(*series);
        series->loadMaxHigh = series->maxHigh;
        series->loadMinLow = series->minLow;
        view::CreatePensAndBrushes(objects, colours);
        view::CreateFonts(objects, 1.0f, 1.0f);
        // The series moves at most about 45 a day around 2000: a 1 % reversal
        // lets the line start and turn some thousand times.
        settings.stepPercent = kStepPercent;
    }
    ~Charts() {
        indicators::DeleteSignalFiles(directory, written);
        std::filesystem::remove_all(directory);
    }
    altcharts::AltChartTarget Target(platform::Canvas* canvas, platform::Size client) {
        return altcharts::AltChartTarget{canvas,  objects, *series, {directory, written},
                                         prompts, client,  {}};
    }

    std::filesystem::path directory;
    std::unique_ptr<data::PriceSeries> series = std::make_unique<data::PriceSeries>();
    view::ColourTable colours;
    view::DrawingObjects objects;
    indicators::SignalWritten written;
    platform::ScriptedPrompts prompts;
    altcharts::AltChartSettings settings;
    altcharts::AltChartModes modes;
};

// Paints the window again and again. With `newFile` the percentage alternates
// between 1.0 and 1.1, so every paint replaces its signal file; otherwise
// each paint finds the file as it would write it and leaves it.
void PaintWindow(benchmark::State& state, AltChartKind kind, bool newFile) {
    Charts charts;
    const platform::Size client = altcharts::TemplateOf(kind).client;
    QImage image(client.width, client.height, QImage::Format_RGB32);
    qt::QtTextCache cache;
    int round = 0;
    for (auto _ : state) {
        if (newFile) charts.settings.stepPercent = kStepPercent + (round++ % 2 == 0 ? 0.0f : 0.1f);
        QPainter painter(&image);
        qt::QtCanvas canvas(painter, client, false, &cache);
        const auto out = altcharts::PaintChartWindow(kind, canvas, charts.Target(&canvas, client),
                                                     charts.settings, charts.modes);
        if (out.result != altcharts::kAltChartDrawn) state.SkipWithError("not drawn");
    }
}

void BM_StepChartPaint(benchmark::State& state) {
    PaintWindow(state, AltChartKind::Step, state.range(0) != 0);
}
BENCHMARK(BM_StepChartPaint)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_BrickChartPaint(benchmark::State& state) {
    PaintWindow(state, AltChartKind::Brick, false);
}
BENCHMARK(BM_BrickChartPaint)->Unit(benchmark::kMicrosecond);

void BM_TridentChartPaint(benchmark::State& state) {
    PaintWindow(state, AltChartKind::Trident, false);
}
BENCHMARK(BM_TridentChartPaint)->Unit(benchmark::kMicrosecond);

// What the optimisation repeats per percentage: a null canvas, a new file each run.
void BM_StepChartFileOnly(benchmark::State& state) {
    Charts charts;
    const platform::Size client = altcharts::TemplateOf(AltChartKind::Step).client;
    int round = 0;
    for (auto _ : state) {
        charts.settings.stepPercent = kStepPercent + 0.1f * static_cast<float>(round++ % 41);
        const auto out =
            altcharts::DrawStepChart(charts.Target(nullptr, client), charts.settings, charts.modes);
        benchmark::DoNotOptimize(out.result);
    }
}

BENCHMARK(BM_StepChartFileOnly)->Unit(benchmark::kMicrosecond);

void BM_StepChartConstruction(benchmark::State& state) {
    Charts charts;
    const std::vector<float> closes(charts.series->close.begin(), charts.series->close.end());
    std::size_t switches = 0;
    std::size_t turns = 0;
    for (auto _ : state) {
        const altcharts::StepChart chart = altcharts::ComputeStepChart(
            closes, charts.series->loadMaxHigh, charts.series->loadMinLow,
            altcharts::StepParams{true, kStepPercent, 0.5f}, 600);
        switches = chart.switches.size();
        turns = chart.turns.size();
        benchmark::DoNotOptimize(chart.rightX);
    }
    state.counters["switches"] = static_cast<double>(switches);
    state.counters["turns"] = static_cast<double>(turns);
}
BENCHMARK(BM_StepChartConstruction)->Unit(benchmark::kMicrosecond);

}  // namespace
