// A horizontal scroll step on the largest time-series chart: the step itself
// and the repaint it causes, 4096 daily bars at 100 % with the volume bars and
// the volume histogram, into a 1920x1080 image, as the main window paints it.
// Compare with BM_PaintLargestChart (chart_bench.cpp), the same full paint
// without the step. Alongside: one move of the price read-out (crosshair off
// and on again, the strip redrawn) on the painted chart.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <chrono>
#include <cmath>
#include <memory>

#include "chart/chart.h"
#include "platform/scripted_prompts.h"
#include "qt/gui/qt_canvas.h"
#include "view/readout.h"
#include "view/scroll.h"

namespace {

using namespace korvo;

constexpr platform::Size kScreen{1920, 1080};

// One bar a calendar day from 1990 on, prices wandering between 1000 and 3000.
void FillLargestSeries(data::PriceSeries& s) {
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

struct ScrolledChart {
    ScrolledChart() {
        FillLargestSeries(*series);
        view::CreatePensAndBrushes(objects, colours);
        view::CreateFonts(objects, 1.0f, 1.0f);
        options.tradeVolume = true;
        options.volumeHistogram = true;
        options.volumeRatio = true;
        viewState.newDataFlag = true;
    }
    // One paint as the window's paint handler does it.
    chart::RenderOutcome Paint(platform::Canvas& canvas) {
        canvas.SetClip(platform::Rect{0, 0, kScreen.width, kScreen.height});
        canvas.FillRect(platform::Rect{0, 0, kScreen.width, kScreen.height},
                        platform::Brush{0x404040, false});
        chart::RenderContext c(canvas, *series, *geometry, viewState, options, objects, colours,
                               params, prompts, clock, layers);
        c.client = kScreen;
        c.screen = kScreen;
        const chart::RenderOutcome out = chart::RenderChart(c);
        // The window starts the next step where this paint stands.
        viewState.scrollBarPosX = geometry->scrollX;
        return out;
    }
    // A step right then left, so the position stays where it started.
    void Step(bool right) {
        view::HorizontalScroll(viewState, right ? view::kScrollLineForward : view::kScrollLineBack,
                               0, geometry->pagesAcross, kScreen.width);
        viewState.newDataFlag = false;
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

void BM_HorizontalScrollStepLargestChart(benchmark::State& state) {
    ScrolledChart chart;
    QImage image(kScreen.width, kScreen.height, QImage::Format_RGB32);
    qt::QtTextCache textCache;
    {
        QPainter painter(&image);
        qt::QtCanvas canvas(painter, kScreen, false, &textCache);
        chart.Paint(canvas);
    }
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
    {
        QPainter painter(&image);
        qt::QtCanvas canvas(painter, kScreen, false, &textCache);
        chart.Paint(canvas);
    }
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
