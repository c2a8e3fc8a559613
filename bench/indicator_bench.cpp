// The indicators on the largest chart: 4096 daily bars at 100 % into a
// 1920x1080 image, with moving-average lines 1 and 2, the envelope, the
// psychological line and one panel indicator, and with every overlay at once,
// next to the same paint without any indicator; and each panel indicator's
// computation alone.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <memory>

#include "chart/chart.h"
#include "indicators/indicators.h"
#include "platform/scripted_prompts.h"
#include "qt/gui/qt_canvas.h"

namespace {

using namespace korvo;

constexpr platform::Size kScreen{1920, 1080};

// One bar a calendar day from 1990 on, so all 4096 stand on the chart's daily
// slots; prices wander between about 1000 and 3000.
void FillSeries(data::PriceSeries& s) {
    using namespace std::chrono;
    s.fileTypeId = 210;
    s.title = "Bench";
    s.marketCode = "9999";
    s.unitLabel = "Yen";
    s.plotStartYear = 1990;
    s.plotStartMonth = 1;
    sys_days date = year{1990} / 1 / 1;
    float price = 1500.0f;
    float maxHigh = 0, minLow = 1e9f;
    int peak = 0;
    for (int i = 0; i < data::kMaxBars; ++i, date += days{1}) {
        const year_month_day ymd{date};
        const auto at = static_cast<std::size_t>(i);
        const float drift = static_cast<float>(std::sin(i * 0.013) * 25 + ((i * 7919) % 41) - 20.3);
        const float open = price;
        price = std::clamp(price + drift, 1000.0f, 3000.0f);
        s.year[at] = static_cast<std::int16_t>(int(ymd.year()));
        s.month[at] = static_cast<std::uint8_t>(unsigned(ymd.month()));
        s.day[at] = static_cast<std::uint8_t>(unsigned(ymd.day()));
        s.open[at] = open;
        s.close[at] = price;
        s.high[at] = std::max(open, price) + static_cast<float>((i * 31) % 17);
        s.low[at] = std::min(open, price) - static_cast<float>((i * 17) % 13);
        s.volume[at] = 200 + (i * 131) % 900;
        maxHigh = std::max(maxHigh, s.high[at]);
        minLow = std::min(minLow, s.low[at]);
        peak = std::max(peak, s.volume[at]);
    }
    s.barCount = data::kMaxBars;
    s.rawMaxHigh = maxHigh;
    s.rawMinLow = minLow;
    s.maxHigh = std::ceil(maxHigh);
    s.minLow = std::floor(minLow);
    s.peakVolume = peak;
    s.maxVolume = peak;
}

struct Chart {
    explicit Chart(bool withIndicators, int panelCode = chart::kPanelRci)
        : directory(std::filesystem::temp_directory_path() / "korvo_indicator_bench"),
          layers(params, written, directory) {
        std::filesystem::create_directories(directory);
        FillSeries(*series);
        view::CreatePensAndBrushes(objects, colours);
        view::CreateFonts(objects, 1.0f, 1.0f);
        options.tradeVolume = true;
        options.volumeHistogram = true;
        options.volumeRatio = true;
        options.movingAverage1 = withIndicators;
        options.movingAverage2 = withIndicators;
        options.envelope = withIndicators;
        options.psychologicalLine = withIndicators;
        // A code no layer draws leaves the panel empty.
        options.subPanelIndicator = withIndicators ? panelCode : chart::kPanelBuySellPoints;
        viewState.newDataFlag = true;
    }
    ~Chart() {
        indicators::DeleteSignalFiles(directory, written);
        std::filesystem::remove_all(directory);
    }
    chart::RenderOutcome Paint(platform::Canvas& canvas) {
        canvas.SetClip(platform::Rect{0, 0, kScreen.width, kScreen.height});
        canvas.FillRect(platform::Rect{0, 0, kScreen.width, kScreen.height},
                        platform::Brush{0x404040, false});
        chart::RenderContext c(canvas, *series, *geometry, viewState, options, objects, colours,
                               params, prompts, clock, layers);
        c.client = kScreen;
        c.screen = kScreen;
        return chart::RenderChart(c);
    }

    std::filesystem::path directory;
    std::unique_ptr<data::PriceSeries> series = std::make_unique<data::PriceSeries>();
    std::unique_ptr<chart::ChartGeometry> geometry = std::make_unique<chart::ChartGeometry>();
    view::ViewState viewState;
    chart::ChartOptions options;
    view::ColourTable colours;
    view::DrawingObjects objects;
    indicators::IndicatorParams params;
    indicators::SignalWritten written;
    platform::ScriptedPrompts prompts;
    platform::FixedClock clock{platform::CivilDate{2001, 3, 1}};
    indicators::IndicatorLayers layers;
};

void Paint(benchmark::State& state, bool withIndicators, int panelCode) {
    Chart chart(withIndicators, panelCode);
    QImage image(kScreen.width, kScreen.height, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        qt::QtCanvas canvas(painter, kScreen);
        if (chart.Paint(canvas).result != chart::kRenderDrawn) state.SkipWithError("not drawn");
    }
    state.counters["xPercent"] = chart.geometry->xPercent;
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
    QImage image(kScreen.width, kScreen.height, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        qt::QtCanvas canvas(painter, kScreen);
        if (chart.Paint(canvas).result != chart::kRenderDrawn) state.SkipWithError("not drawn");
    }
    state.counters["xPercent"] = chart.geometry->xPercent;
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
