// A horizontal scroll step on the largest time-series chart: the step itself
// and the repaint it causes, 4096 daily bars at 100 % with the volume bars and
// the volume histogram, into a 1920x1080 image, as the main window paints it.
// Compare with BM_PaintLargestChart (chart_bench.cpp), the same full paint
// without the step. Alongside: one move of the price read-out (crosshair off
// and on again, the strip redrawn) on the painted chart.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <cmath>

#include "bench_support.h"
#include "chart/chart.h"
#include "qt/gui/qt_canvas.h"
#include "view/readout.h"
#include "view/scroll.h"

namespace {

using namespace korvo;
using bench::kScreen;

struct ScrolledChart : bench::LargestChart {
    // The window starts the next step where this paint stands.
    chart::RenderOutcome Paint(platform::Canvas& canvas) {
        const chart::RenderOutcome out = LargestChart::Paint(canvas);
        viewState.scrollBarPosX = geometry->scrollX;
        return out;
    }
    // A step right then left, so the position stays where it started.
    void Step(bool right) {
        view::HorizontalScroll(viewState, right ? view::kScrollLineForward : view::kScrollLineBack,
                               0, geometry->pagesAcross, kScreen.width);
        viewState.newDataFlag = false;
    }
    // The picture a timed step or read-out starts from.
    void FirstPaint(QImage& image, qt::QtTextCache& textCache) {
        QPainter painter(&image);
        qt::QtCanvas canvas(painter, kScreen, false, &textCache);
        Paint(canvas);
    }
};

void BM_HorizontalScrollStepLargestChart(benchmark::State& state) {
    ScrolledChart chart;
    QImage image(kScreen.width, kScreen.height, QImage::Format_RGB32);
    qt::QtTextCache textCache;
    chart.FirstPaint(image, textCache);
    const int start = chart.geometry->scrollX;
    bool right = true;
    for (auto _ : state) {
        chart.Step(right);
        right = !right;
        QPainter painter(&image);
        qt::QtCanvas canvas(painter, kScreen, false, &textCache);
        if (chart.Paint(canvas).result != chart::kRenderDrawn) state.SkipWithError("not drawn");
    }
    if (std::abs(chart.geometry->scrollX - start) > 2) state.SkipWithError("position drifted");
    state.counters["xPercent"] = chart.geometry->xPercent;
}
BENCHMARK(BM_HorizontalScrollStepLargestChart)->Unit(benchmark::kMicrosecond);

// The image the read-out draws on, as the window's DrawOnWindow gives it.
class ImageWindow : public view::ReadOutWindow {
  public:
    ImageWindow(QImage& image, qt::QtTextCache& cache) : image_(image), cache_(cache) {}
    platform::Size ClientSize() const override { return kScreen; }
    void DrawOnWindow(const std::function<void(platform::Canvas&)>& draw) override {
        QPainter painter(&image_);
        qt::QtCanvas canvas(painter, kScreen, false, &cache_);
        draw(canvas);
    }
    void SetCrossCursor(bool) override {}
    void CaptureMouse(bool) override {}

  private:
    QImage& image_;
    qt::QtTextCache& cache_;
};

void BM_ReadOutMoveLargestChart(benchmark::State& state) {
    ScrolledChart chart;
    QImage image(kScreen.width, kScreen.height, QImage::Format_RGB32);
    qt::QtTextCache textCache;
    chart.FirstPaint(image, textCache);
    ImageWindow window(image, textCache);
    view::ReadOutState readOut;
    int picked = 0;
    view::ReadOutContext c{window,          readOut,       *chart.series,
                           *chart.geometry, chart.objects, "Bench [9999](日足)",
                           picked};
    view::BeginReadOut(c, platform::Point{1000, 300});
    int x = 1000;
    for (auto _ : state) {
        x = x == 1000 ? 1010 : 1000;
        view::MoveReadOut(c, platform::Point{x, 300});
    }
    view::EndReadOut(c, platform::Point{x, 300});
    if (picked == 0) state.SkipWithError("no bar under the cursor");
}
BENCHMARK(BM_ReadOutMoveLargestChart)->Unit(benchmark::kMicrosecond);

}  // namespace
