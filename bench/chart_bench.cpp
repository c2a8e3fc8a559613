// One full paint of the largest time-series chart: 4096 daily bars (about 16
// years) at 100 %, with the volume bars and the volume histogram, into a
// 1920x1080 image. The core issues every primitive; the image canvas skips
// what lies wholly outside the clip. Alongside: the same paint without the
// skipping, the core alone on a canvas that draws nothing, and into the
// recording canvas.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "bench_support.h"
#include "chart/chart.h"
#include "platform/recording_canvas.h"
#include "qt/gui/qt_canvas.h"

namespace {

using namespace korvo;
using bench::kScreen;

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

void PaintIntoImage(benchmark::State& state, bool skipOutside, bool clear) {
    bench::LargestChart chart;
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
    bench::LargestChart chart;
    NullCanvas canvas;
    for (auto _ : state) {
        if (chart.Paint(canvas).result != chart::kRenderDrawn) state.SkipWithError("not drawn");
    }
}
BENCHMARK(BM_RenderLargestChartCoreOnly)->Unit(benchmark::kMicrosecond);

// Every primitive skipped by the image canvas (its surface is empty): the core
// plus the canvas's cost of deciding that nothing shows.
void BM_RenderLargestChartAllSkipped(benchmark::State& state) {
    bench::LargestChart chart;
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
    bench::LargestChart chart;
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
