// The cost of issuing chart-like primitives through the canvas onto an image.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "qt/gui/qt_canvas.h"

namespace {

void DrawCandles(korvo::platform::Canvas& canvas, int count) {
    using namespace korvo::platform;
    canvas.SetMapMode(MapMode::LoMetric);
    canvas.SelectPen(Pen{PenStyle::Solid, 1, 0xFFFF00});
    for (int i = 0; i < count; ++i) {
        const int x = 101 + i * 20;
        canvas.MoveTo({x + 9, -300 - i % 50});
        canvas.LineTo({x + 9, -700 + i % 30});
        canvas.SelectBrush(Brush{i % 2 ? 0x00FF00u : 0x0000FFu, false});
        canvas.Rectangle(Rect{x, -400, x + 18, -600});
    }
}

void BM_CanvasCandlesIntoImage(benchmark::State& state) {
    QImage image(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        korvo::qt::QtCanvas canvas(painter, {1920, 1080});
        canvas.SetClip(korvo::platform::Rect{0, 0, 1920, 1080});
        DrawCandles(canvas, static_cast<int>(state.range(0)));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CanvasCandlesIntoImage)->Arg(4096)->Unit(benchmark::kMicrosecond);

}  // namespace
