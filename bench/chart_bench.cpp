// One full paint of the largest time-series chart: 4096 daily bars (about 16
// years) at 100 %, with the volume bars and the volume histogram, into a
// 1920x1080 image. The core issues every primitive; the image canvas skips
// what lies wholly outside the clip. Alongside: the same paint without the
// skipping, the core alone on a canvas that draws nothing, and into the
// recording canvas.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <chrono>
#include <cmath>
#include <memory>

#include "chart/chart.h"
#include "platform/recording_canvas.h"
#include "platform/scripted_prompts.h"
#include "qt/gui/qt_canvas.h"

namespace {

using namespace korvo;

constexpr platform::Size kScreen{1920, 1080};

// One bar a calendar day from 1990 on, so all 4096 stand on the chart's 4096
// daily slots; prices wander between about 1000 and 3000.
void FillSeries(data::PriceSeries& s) {
    using namespace std::chrono;
    s.fileTypeId = 210;
    s.title = "Bench";
    s.marketCode = "9999";
    s.unitLabel = "Yen";
    s.dataPath = "/bench/bench.stk";
    s.plotStartYear = 1990;
    s.plotStartMonth = 1;
    sys_days date = year{1990} / 1 / 1;
    float price = 1500.0f;
    int i = 0;
    float maxHigh = 0, minLow = 1e9f;
    int peak = 0;
    for (; i < data::kMaxBars; date += days{1}) {
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
        ++i;
    }
    s.barCount = i;
    s.rawMaxHigh = maxHigh;
    s.rawMinLow = minLow;
    s.maxHigh = std::ceil(maxHigh);
    s.minLow = std::floor(minLow);
    s.peakVolume = peak;
    s.maxVolume = peak;
}

// A canvas that keeps state and draws nothing: what the core itself costs.
class NullCanvas : public platform::BasicCanvas {
  public:
    void LineTo(platform::Point p) override { state_.position = p; }
    void Polyline(const std::vector<platform::Point>&) override {}
    void Rectangle(platform::Rect) override {}
    void RoundRect(platform::Rect, int, int) override {}
    void Ellipse(platform::Rect) override {}
    void FillRect(platform::Rect, const platform::Brush&) override {}
    void SetPixel(platform::Point, platform::Colour) override {}
    void TextOut(platform::Point, std::string_view) override {}
    void DrawTextWrapped(platform::Rect, std::string_view) override {}
    platform::Size TextExtent(std::string_view t) override {
        return {platform::EstimatedTextWidth(t, 12), 12};
    }
    platform::Size DeviceSize() const override { return kScreen; }
    bool IsPrinter() const override { return false; }
};

struct Chart {
    Chart() {
        FillSeries(*series);
        view::CreatePensAndBrushes(objects, colours);
        view::CreateFonts(objects, 1.0f, 1.0f);
        options.tradeVolume = true;
        options.volumeHistogram = true;
        options.volumeRatio = true;
        viewState.newDataFlag = true;
    }
    // clear: as the paint handler, fill the client area dark grey before the chart.
    chart::RenderOutcome Paint(platform::Canvas& canvas, bool clear = true) {
        canvas.SetClip(platform::Rect{0, 0, kScreen.width, kScreen.height});
        if (clear) {
            canvas.FillRect(platform::Rect{0, 0, kScreen.width, kScreen.height},
                            platform::Brush{0x404040, false});
        }
        chart::RenderContext c(canvas, *series, *geometry, viewState, options, objects, colours,
                               params, prompts, clock, layers);
        c.client = kScreen;
        c.screen = kScreen;
        return chart::RenderChart(c);
    }

    std::unique_ptr<data::PriceSeries> series = std::make_unique<data::PriceSeries>();
    std::unique_ptr<chart::ChartGeometry> geometry = std::make_unique<chart::ChartGeometry>();
    view::ViewState viewState;
    chart::ChartOptions options;
    view::ColourTable colours;
    view::DrawingObjects objects;
    indicators::IndicatorParams params;
    platform::ScriptedPrompts prompts;
    platform::FixedClock clock{platform::CivilDate{2001, 3, 1}};
    chart::ChartLayers layers;
};

void PaintIntoImage(benchmark::State& state, bool skipOutside, bool clear) {
    Chart chart;
    QImage image(kScreen.width, kScreen.height, QImage::Format_RGB32);
    // Kept across paints, as the main window keeps it.
    qt::QtTextCache textCache;
    long long drawn = 0, skipped = 0;
    for (auto _ : state) {
        QPainter painter(&image);
        qt::QtCanvas canvas(painter, kScreen, false, &textCache);
        canvas.SetSkipOutside(skipOutside);
        if (chart.Paint(canvas, clear).result != chart::kRenderDrawn)
            state.SkipWithError("not drawn");
        drawn = canvas.DrawnCount();
        skipped = canvas.SkippedCount();
    }
    state.counters["drawn"] = static_cast<double>(drawn);
    state.counters["skipped"] = static_cast<double>(skipped);
    state.counters["xPercent"] = chart.geometry->xPercent;
}

// RenderChart alone, drawing over the previous picture.
void BM_RenderLargestChart(benchmark::State& state) {
    PaintIntoImage(state, true, false);
}
BENCHMARK(BM_RenderLargestChart)->Unit(benchmark::kMicrosecond);

// The whole paint: the client area cleared, then RenderChart.
void BM_PaintLargestChart(benchmark::State& state) {
    PaintIntoImage(state, true, true);
}
BENCHMARK(BM_PaintLargestChart)->Unit(benchmark::kMicrosecond);

void BM_PaintLargestChartIssuingEverything(benchmark::State& state) {
    PaintIntoImage(state, false, true);
}
BENCHMARK(BM_PaintLargestChartIssuingEverything)->Unit(benchmark::kMicrosecond);

void BM_RenderLargestChartCoreOnly(benchmark::State& state) {
    Chart chart;
    NullCanvas canvas;
    for (auto _ : state) {
        if (chart.Paint(canvas).result != chart::kRenderDrawn) state.SkipWithError("not drawn");
    }
}
BENCHMARK(BM_RenderLargestChartCoreOnly)->Unit(benchmark::kMicrosecond);

// Every primitive skipped by the image canvas (its surface is empty): the core
// plus the canvas's cost of deciding that nothing shows.
void BM_RenderLargestChartAllSkipped(benchmark::State& state) {
    Chart chart;
    QImage image(16, 16, QImage::Format_RGB32);
    qt::QtTextCache textCache;
    for (auto _ : state) {
        QPainter painter(&image);
        qt::QtCanvas canvas(painter, platform::Size{0, 0}, false, &textCache);
        if (chart.Paint(canvas).result != chart::kRenderDrawn) state.SkipWithError("not drawn");
        if (canvas.DrawnCount() != 0) state.SkipWithError("something was drawn");
    }
}
BENCHMARK(BM_RenderLargestChartAllSkipped)->Unit(benchmark::kMicrosecond);

void BM_RenderLargestChartRecorded(benchmark::State& state) {
    Chart chart;
    std::size_t calls = 0;
    for (auto _ : state) {
        platform::RecordingCanvas canvas(kScreen);
        chart.Paint(canvas);
        calls = canvas.Calls().size();
    }
    state.counters["calls"] = static_cast<double>(calls);
}
BENCHMARK(BM_RenderLargestChartRecorded)->Unit(benchmark::kMicrosecond);

}  // namespace
