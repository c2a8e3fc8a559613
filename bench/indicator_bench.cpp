// The indicators on the largest chart: 4096 daily bars at 100 % into a
// 1920x1080 image, with moving-average lines 1 and 2, the envelope, the
// psychological line and one panel indicator, and with every overlay at once,
// next to the same paint without any indicator; and each panel indicator's
// computation alone.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <filesystem>
#include <memory>

#include "bench_support.h"
#include "chart/chart.h"
#include "indicators/indicators.h"
#include "qt/gui/qt_canvas.h"

namespace {

using namespace korvo;
using bench::kScreen;

// The indicators write their signal files into a start directory of their own.
struct Chart : bench::LargestChart {
    explicit Chart(bool withIndicators, int panelCode = chart::kPanelRci)
        : directory(std::filesystem::temp_directory_path() / "korvo_indicator_bench") {
        std::filesystem::create_directories(directory);
        layers = std::make_unique<indicators::IndicatorLayers>(params, written, directory);
        options.movingAverage1 = withIndicators;
        options.movingAverage2 = withIndicators;
        options.envelope = withIndicators;
        options.psychologicalLine = withIndicators;
        // A code no layer draws leaves the panel empty.
        options.subPanelIndicator = withIndicators ? panelCode : chart::kPanelBuySellPoints;
    }
    ~Chart() {
        indicators::DeleteSignalFiles(directory, written);
        std::filesystem::remove_all(directory);
    }

    std::filesystem::path directory;
    indicators::SignalWritten written;
};

// Paints into an image again and again, each paint over the last.
void PaintRepeatedly(benchmark::State& state, Chart& chart) {
    QImage image(kScreen.width, kScreen.height, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        qt::QtCanvas canvas(painter, kScreen);
        if (chart.Paint(canvas).result != chart::kRenderDrawn) state.SkipWithError("not drawn");
    }
    state.counters["xPercent"] = chart.geometry->xPercent;
}

void Paint(benchmark::State& state, bool withIndicators, int panelCode) {
    Chart chart(withIndicators, panelCode);
    PaintRepeatedly(state, chart);
}

void BM_PaintLargestChartPlain(benchmark::State& state) {
    Paint(state, false, 0);
}
BENCHMARK(BM_PaintLargestChartPlain)->Unit(benchmark::kMicrosecond);

// The panel code is the argument: RCI (its sort per bar makes it the heaviest)
// and, for comparison, the stochastics and MACD with their signal files.
void BM_PaintLargestChartWithIndicators(benchmark::State& state) {
    Paint(state, true, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_PaintLargestChartWithIndicators)
    ->Arg(chart::kPanelRci)
    ->Arg(chart::kPanelStochasticsSlow)
    ->Arg(chart::kPanelMacd)
    ->Unit(benchmark::kMicrosecond);

// Every overlay at once: moving-average lines 1 and 2, envelope, psychological
// line, the three Ichimoku switches, the Shinohara CR belts, the volume ratio
// and volume average, with the SAR and the panel indicator of the argument
// (the Shinohara AR/BR, the heaviest to compute, or the ADX); or, with the
// argument 9, the Bollinger bands and their deviation panel in place of the
// SAR, which they give way to.
void BM_PaintLargestChartEveryOverlay(benchmark::State& state) {
    const int code = static_cast<int>(state.range(0));
    Chart chart(true, code);
    chart::ChartOptions& o = chart.options;
    o.ichimokuLines = o.ichimokuSpans = o.ichimokuLagging = true;
    o.shinoharaCr = true;
    o.volumeAverage = true;
    o.parabolicSar = code != chart::kPanelBollinger;
    o.bollinger = code == chart::kPanelBollinger;
    PaintRepeatedly(state, chart);
}
BENCHMARK(BM_PaintLargestChartEveryOverlay)
    ->Arg(chart::kPanelShinoharaRatio)
    ->Arg(chart::kPanelDirectionalAdx)
    ->Arg(chart::kPanelBollinger)
    ->Unit(benchmark::kMicrosecond);

// The computations alone, on the geometry a paint left behind.
void BM_ComputePanelIndicator(benchmark::State& state) {
    Chart chart(false);
    QImage image(kScreen.width, kScreen.height, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        qt::QtCanvas canvas(painter, kScreen);
        chart.Paint(canvas);
    }
    const data::PriceSeries& s = *chart.series;
    const chart::ChartGeometry& g = *chart.geometry;
    const indicators::ParameterTable& t = chart.params.table;
    const int code = static_cast<int>(state.range(0));
    for (auto _ : state) {
        switch (code) {
            case chart::kPanelRsi:
                benchmark::DoNotOptimize(indicators::ComputeRsi(s, g, t.rsiPeriod, 0));
                break;
            case chart::kPanelDeviation:
                benchmark::DoNotOptimize(
                    indicators::ComputeDeviation(s, g, t.deviationPeriodA, t.deviationPeriodB));
                break;
            case chart::kPanelStochasticsSlow:
                benchmark::DoNotOptimize(indicators::ComputeStochastics(
                    s, g, t.stochasticsPeriod, indicators::kStochasticsSlow));
                break;
            case chart::kPanelMacd:
                benchmark::DoNotOptimize(indicators::ComputeMacd(
                    s, g, t.macdShortPeriod, t.macdLongPeriod, t.macdSignalPeriod));
                break;
            case chart::kPanelRci:
                benchmark::DoNotOptimize(indicators::ComputeRci(s, g, t.rciPeriod, 0));
                break;
            case chart::kPanelOnBalanceVolume:
                benchmark::DoNotOptimize(indicators::ComputeOnBalanceVolume(s, g));
                break;
            case chart::kPanelBollinger:
                benchmark::DoNotOptimize(indicators::ComputeBollinger(s, g, t.bollingerPeriod));
                break;
            case chart::kPanelDirectionalAdx:
                benchmark::DoNotOptimize(
                    indicators::ComputeDirectionalMovement(s, g, t.directionalPeriod));
                break;
            case chart::kPanelShinoharaRatio:
                benchmark::DoNotOptimize(indicators::ComputeShinoharaRatio(s, g));
                break;
            default:
                benchmark::DoNotOptimize(indicators::ComputeMomentum(s, g, t.momentumPeriod));
                break;
        }
    }
}
BENCHMARK(BM_ComputePanelIndicator)
    ->Arg(chart::kPanelRsi)
    ->Arg(chart::kPanelDeviation)
    ->Arg(chart::kPanelStochasticsSlow)
    ->Arg(chart::kPanelMacd)
    ->Arg(chart::kPanelRci)
    ->Arg(chart::kPanelMomentum)
    ->Arg(chart::kPanelOnBalanceVolume)
    ->Arg(chart::kPanelBollinger)
    ->Arg(chart::kPanelDirectionalAdx)
    ->Arg(chart::kPanelShinoharaRatio)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
